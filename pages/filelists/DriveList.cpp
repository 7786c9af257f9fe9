// SPDX-License-Identifier: GPL-3.0-or-later
#include "DriveList.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <set>

namespace vantorelle {

namespace {

// On Linux, Qt gives a combo box its current choice as its name and expects
// a visible label to say what the box is for; the pages show none beside
// their drive list. So the list answers to its own accessible name and keeps
// the choice as its value and as its (read-only) text, where screen readers
// on Linux read what a box shows; like Qt's combo box it has the pop-up list
// as its one child and opens it on request.
class AccessibleDriveList : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleDriveList(QWidget* widget) : QAccessibleWidget(widget, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && !widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == box()->view() ? 0 : -1;
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
        } else if (box()->view()->isVisible()) {
            box()->hidePopup();
        } else {
            box()->showPopup();
        }
    }

    // The text: the chosen root, which cannot be edited or selected.
    QString text(int start, int end) const override { return box()->currentText().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(box()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* AccessibleDriveLists(const QString& className, QObject* object)
{
    if (className == QLatin1String(DriveList::staticMetaObject.className()) && object && object->isWidgetType())
        return new AccessibleDriveList(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
    static const bool named = [] {
        QAccessible::installFactory(AccessibleDriveLists);
        return true;
    }();
    (void)named;
    refresh();
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            emit driveChanged(itemData(index).toString());
    });
}

void DriveList::refresh()
{
    const QString current = drive();
    std::set<QString> roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Containers bind-mount single files too; only folders are drives.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            roots.insert(volume.rootPath());
    }
    const QSignalBlocker quiet(this);
    clear();
    for (const QString& root : roots)
        addItem(root, root);
    const int index = findData(current);
    setCurrentIndex(index >= 0 ? index : (count() > 0 ? 0 : -1));
}

QString DriveList::drive() const { return currentIndex() >= 0 ? itemData(currentIndex()).toString() : QString(); }

void DriveList::setDriveFor(const QString& path)
{
    const QString root = QStorageInfo(path).rootPath();
    if (root.isEmpty())
        return;
    const QSignalBlocker quiet(this);
    int index = findData(root);
    if (index < 0) {
        addItem(root, root);
        index = count() - 1;
    }
    setCurrentIndex(index);
}

}  // namespace vantorelle
