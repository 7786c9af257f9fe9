// SPDX-License-Identifier: GPL-3.0-or-later
#include "DriveList.h"

#include <QFileInfo>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <set>

namespace vantorelle {

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
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
