// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The folder list: the current folder's ancestors from the root down (the way
// up), the current folder itself, then its subfolders. Double-clicking a line
// or pressing Enter on it makes that folder current.

#include <QListWidget>

namespace vantorelle {

class FolderList : public QListWidget {
    Q_OBJECT

public:
    explicit FolderList(QWidget* parent = nullptr);

    QString path() const { return current; }
    // Makes path the current folder. A folder that cannot be listed leaves the
    // list as it was and returns false with the reason in why.
    bool setPath(const QString& path, QString* why = nullptr);
    // The folder shown on a line of the list.
    static QString folderOf(const QListWidgetItem* item);

signals:
    void pathChanged(const QString& path);
    // The user chose a folder that cannot be listed; the list is unchanged.
    void folderRefused(const QString& path, const QString& why);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(QListWidgetItem* item);

    QString current;
};

// Whether the folder at path can be listed; the reason when it cannot.
bool CanListFolder(const QString& path, QString* why);

}  // namespace vantorelle
