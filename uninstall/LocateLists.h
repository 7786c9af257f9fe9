// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three small lists of the locate page. Linux has no drive letters: the
// drive list offers the mounted volumes by their root folders.

#include <QComboBox>
#include <QListWidget>

namespace uninstaller {

class DriveBox : public QComboBox {
    Q_OBJECT

public:
    explicit DriveBox(QWidget* parent = nullptr);

    QString drive() const;
    // Shows the volume that holds path, without a driveChanged.
    void setDriveFor(const QString& path);

signals:
    // The user chose another volume.
    void driveChanged(const QString& root);
};

// The way up from the root to the current folder, then its subfolders. A
// double-click (or Enter) on a line makes that folder current.
class FolderBox : public QListWidget {
    Q_OBJECT

public:
    explicit FolderBox(QWidget* parent = nullptr);

    QString path() const { return current; }
    // Makes path current and emits pathChanged when it differs; a folder that
    // cannot be listed leaves everything as it was and answers false.
    bool setPath(const QString& path);
    // The folder a line stands for.
    static QString folderOf(const QListWidgetItem* item);

signals:
    void pathChanged(const QString& path);
    void folderRefused(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(QListWidgetItem* item);

    QString current;
};

// The files of one folder whose names match a pattern in any letter case.
class FileBox : public QListWidget {
    Q_OBJECT

public:
    explicit FileBox(QWidget* parent = nullptr);

    void setPattern(const QString& pattern);
    void setPath(const QString& path);
    QString path() const { return folder; }
    // The selected file's name, or the empty text.
    QString fileName() const;

private:
    void refresh();

    QString folder;
    QString pattern = QStringLiteral("*");
};

}  // namespace uninstaller
