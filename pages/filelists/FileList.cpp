// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileList.h"

#include <QDir>
#include <QKeyEvent>

namespace vantorelle {

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (item)
            emit fileChosen(item->text());
    });
}

void FileList::setPattern(const QString& pattern)
{
    namePattern = pattern;
    refresh();
}

void FileList::setPath(const QString& path)
{
    folder = path;
    refresh();
}

void FileList::refresh()
{
    clear();
    if (folder.isEmpty())
        return;
    QDir dir(folder);
    dir.setNameFilters({namePattern});
    dir.setFilter(QDir::Files);  // no folders, no hidden files
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    addItems(dir.entryList());
}

QString FileList::fileName() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

QString FileList::filePath(const QString& name) const { return QDir(folder).filePath(name); }

void FileList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        emit fileChosen(currentItem()->text());
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace vantorelle
