// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlHelp.h"

#include <QEvent>
#include <QKeySequence>
#include <QListWidget>
#include <QShortcut>
#include <QTabWidget>
#include <QWhatsThis>
#include <QWidget>

#include "HelpTexts.h"

namespace vantorelle::help {

namespace {

void Put(QWidget* control, const HelpText& entry)
{
    if (control->toolTip().isEmpty())
        control->setToolTip(ToolTipOf(entry));
    control->setWhatsThis(WhatsThisOf(entry));
}

QString Element(const QString& array, int index) { return array + QLatin1Char('_') + QString::number(index); }

void PutOnItems(QListWidget* list, const QString& page)
{
    for (int row = 0; row < list->count(); ++row) {
        if (const HelpText* entry = Find(page, Element(list->objectName(), row))) {
            QListWidgetItem* item = list->item(row);
            if (item->toolTip().isEmpty())
                item->setToolTip(ToolTipOf(*entry));
            item->setWhatsThis(WhatsThisOf(*entry));
        }
    }
}

// A tab says what its page shows, with the text of the page behind it.
void PutOnTabs(QTabWidget* tabs, const QString& page)
{
    for (int index = 0; index < tabs->count(); ++index) {
        if (const HelpText* entry = Find(page, tabs->widget(index)->objectName())) {
            if (tabs->tabToolTip(index).isEmpty())
                tabs->setTabToolTip(index, ToolTipOf(*entry));
            tabs->setTabWhatsThis(index, WhatsThisOf(*entry));
        }
    }
}

void PutOn(QWidget* control)
{
    const QString page = control->window()->objectName();
    if (const HelpText* entry = Find(page, control->objectName()))
        Put(control, *entry);
    if (auto* list = qobject_cast<QListWidget*>(control))
        PutOnItems(list, page);
    if (auto* tabs = qobject_cast<QTabWidget*>(control))
        PutOnTabs(tabs, page);
}

// A window opened over the watched one is polished just before it first
// shows, when its form is complete: its controls get their texts then, and
// it gets its own Shift+F1 (a shortcut holds only in its own window).
class HelpKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ChildPolished) {
            auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
            if (child && child->isWindow())
                KeepHelpApplied(child);
        }
        return QObject::eventFilter(watched, event);
    }
};

// Whether window holds the control, the array or the list item an entry names.
bool Holds(const QWidget* window, const QString& control)
{
    for (const QWidget* candidate : window->findChildren<const QWidget*>()) {
        if (candidate->window() != window)
            continue;
        const QString name = candidate->objectName();
        if (name == control || ArrayName(name) == control)
            return true;
        if (const auto* list = qobject_cast<const QListWidget*>(candidate)) {
            for (int row = 0; row < list->count(); ++row) {
                if (Element(name, row) == control)
                    return true;
            }
        }
    }
    return false;
}

}  // namespace

void ApplyHelp(QWidget* window)
{
    PutOn(window);
    const auto controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (!control->objectName().isEmpty())
            PutOn(control);
    }
}

void KeepHelpApplied(QWidget* window)
{
    ApplyHelp(window);
    const QString shortcutName = QStringLiteral("WhatsThisShortcut");
    // Already watched (a window polished again after a change of parent).
    if (window->findChild<QShortcut*>(shortcutName, Qt::FindDirectChildrenOnly))
        return;
    window->installEventFilter(new HelpKeeper(window));
    auto* whatsThis = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1), window);
    whatsThis->setObjectName(shortcutName);
    QObject::connect(whatsThis, &QShortcut::activated, window, [] {
        if (!QWhatsThis::inWhatsThisMode())
            QWhatsThis::enterWhatsThisMode();
    });
}

std::vector<QString> StaleEntries(const QWidget* window, const QString& pageName)
{
    const QString page = pageName.isEmpty() ? window->objectName() : pageName;
    std::vector<QString> stale;
    for (const HelpText& entry : AllTexts()) {
        const QString control = QString::fromLatin1(entry.control);
        if (page == QLatin1String(entry.page) && !Holds(window, control))
            stale.push_back(QString::fromLatin1(entry.page) + QLatin1Char('/') + control);
    }
    return stale;
}

}  // namespace vantorelle::help
