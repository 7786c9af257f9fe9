// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocateLists.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QStorageInfo>
#include <QStyle>
#include <dirent.h>

namespace uninstaller {

namespace {

constexpr int PathRole = Qt::UserRole;

bool IsKernelVolume(const QStorageInfo& volume)
{
    static const QStringList kernelTrees{QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev"),
                                         QStringLiteral("/run")};
    const QString root = volume.rootPath();
    for (const QString& tree : kernelTrees) {
        if (root == tree || root.startsWith(tree + QLatin1Char('/')))
            return true;
    }
    return false;
}

bool CanList(const QString& path)
{
    DIR* dir = opendir(QFile::encodeName(path).constData());
    if (!dir)
        return false;
    closedir(dir);
    return true;
}

}  // namespace

DriveBox::DriveBox(QWidget* parent) : QComboBox(parent)
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !IsKernelVolume(volume))
            roots.append(volume.rootPath());
    }
    if (!roots.contains(QDir::rootPath()))
        roots.append(QDir::rootPath());
    roots.removeDuplicates();
    roots.sort();
    addItems(roots);
    connect(this, &QComboBox::activated, this, [this] { emit driveChanged(drive()); });
}

QString DriveBox::drive() const { return currentText(); }

void DriveBox::setDriveFor(const QString& path)
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemText(i);
        const bool holds = root == QDir::rootPath() || path == root || path.startsWith(root + QLatin1Char('/'));
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    if (best >= 0)
        setCurrentIndex(best);
}

FolderBox::FolderBox(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderBox::choose);
}

QString FolderBox::folderOf(const QListWidgetItem* item) { return item ? item->data(PathRole).toString() : QString(); }

bool FolderBox::setPath(const QString& path)
{
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    if (!QFileInfo(folder).isDir() || !CanList(folder))
        return false;

    clear();
    QStringList chain;
    for (QDir up(folder);;) {
        chain.prepend(up.absolutePath());
        if (up.isRoot() || !up.cdUp())
            break;
    }
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    int depth = 0;
    QListWidgetItem* here = nullptr;
    for (const QString& step : chain) {
        const QString name = QDir(step).isRoot() ? step : QDir(step).dirName();
        here = new QListWidgetItem(open, QString(depth * 2, QLatin1Char(' ')) + name, this);
        here->setData(PathRole, step);
        ++depth;
    }
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        auto* item = new QListWidgetItem(closed, QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(PathRole, dir.filePath(name));
    }
    setCurrentItem(here);

    const bool changed = folder != current;
    current = folder;
    if (changed)
        emit pathChanged(current);
    return true;
}

void FolderBox::choose(QListWidgetItem* item)
{
    const QString folder = folderOf(item);
    if (folder.isEmpty() || setPath(folder))
        return;
    for (int row = 0; row < count(); ++row) {
        if (folderOf(this->item(row)) == current)
            setCurrentRow(row);
    }
    emit folderRefused(folder);
}

void FolderBox::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        choose(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

FileBox::FileBox(QWidget* parent) : QListWidget(parent) {}

void FileBox::setPattern(const QString& newPattern)
{
    pattern = newPattern;
    refresh();
}

void FileBox::setPath(const QString& path)
{
    folder = path;
    refresh();
}

QString FileBox::fileName() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FileBox::refresh()
{
    clear();
    if (folder.isEmpty())
        return;
    // Without QDir::CaseSensitive the pattern matches in any letter case.
    addItems(QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name));
}

}  // namespace uninstaller
