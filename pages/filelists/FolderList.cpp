// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderList.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QStyle>
#include <filesystem>
#include <system_error>

namespace vantorelle {

namespace {

constexpr int PathRole = Qt::UserRole;

}  // namespace

bool CanListFolder(const QString& path, QString* why)
{
    std::error_code error;
    const std::filesystem::path folder(path.toStdString());
    if (!std::filesystem::is_directory(folder, error)) {
        if (why)
            *why = error ? QString::fromStdString(error.message()) : FolderList::tr("it is not a folder");
        return false;
    }
    std::filesystem::directory_iterator listing(folder, error);
    if (error) {
        if (why)
            *why = QString::fromStdString(error.message());
        return false;
    }
    return true;
}

FolderList::FolderList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::choose);
}

QString FolderList::folderOf(const QListWidgetItem* item) { return item ? item->data(PathRole).toString() : QString(); }

bool FolderList::setPath(const QString& path, QString* why)
{
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    if (!CanListFolder(folder, why))
        return false;

    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    clear();

    // The chain from the root down to the folder itself, each one step further in.
    QStringList chain;
    for (QDir up(folder);; ) {
        chain.prepend(up.absolutePath());
        if (up.isRoot() || !up.cdUp())
            break;
    }
    int depth = 0;
    QListWidgetItem* currentItem = nullptr;
    for (const QString& step : chain) {
        const QString name = QDir(step).isRoot() ? QDir::toNativeSeparators(step) : QDir(step).dirName();
        auto* item = new QListWidgetItem(openIcon, QString(depth * 3, QLatin1Char(' ')) + name, this);
        item->setData(PathRole, step);
        currentItem = item;
        ++depth;
    }
    const QStringList subfolders =
        QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subfolders) {
        auto* item = new QListWidgetItem(closedIcon, QString(depth * 3, QLatin1Char(' ')) + name, this);
        item->setData(PathRole, QDir(folder).filePath(name));
    }
    setCurrentItem(currentItem);
    scrollToItem(currentItem);

    const bool changed = folder != current;
    current = folder;
    if (changed)
        emit pathChanged(current);
    return true;
}

void FolderList::choose(QListWidgetItem* item)
{
    const QString folder = folderOf(item);
    if (folder.isEmpty())
        return;
    QString why;
    if (!setPath(folder, &why)) {
        // Keep the current folder's line selected.
        for (int row = 0; row < count(); ++row) {
            if (folderOf(this->item(row)) == current)
                setCurrentRow(row);
        }
        emit folderRefused(folder, why);
    }
}

void FolderList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        choose(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace vantorelle
