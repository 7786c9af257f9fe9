// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drive list: the system's mounted volumes by their root folders (Linux
// has no drive letters: "/", "/home", "/media/stick", ...). Screen readers
// know it by its accessible name (the forms call it "Drive"), with the chosen
// root as its value.

#include <QComboBox>

namespace vantorelle {

class DriveList : public QComboBox {
    Q_OBJECT

public:
    explicit DriveList(QWidget* parent = nullptr);

    // Lists the mounted volumes again.
    void refresh();
    // The chosen volume's root folder.
    QString drive() const;
    // Chooses the volume holding path (added to the list if it was missing),
    // without emitting driveChanged.
    void setDriveFor(const QString& path);

signals:
    // The user chose another drive.
    void driveChanged(const QString& root);
};

}  // namespace vantorelle
