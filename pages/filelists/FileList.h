// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file list: the ordinary files of one folder whose names match a pattern
// such as "*.net". The match ignores letter case ("AND.NET" is a training file
// too); hidden files are left out. Double-clicking a name or pressing Enter on
// it chooses the file; a single click only selects it.

#include <QListWidget>

namespace vantorelle {

class FileList : public QListWidget {
    Q_OBJECT

public:
    explicit FileList(QWidget* parent = nullptr);

    void setPattern(const QString& pattern);
    QString pattern() const { return namePattern; }
    // Lists path's matching files (an empty list when it cannot be read).
    void setPath(const QString& path);
    QString path() const { return folder; }
    // Lists the folder again.
    void refresh();
    // The selected file's bare name, empty when none is selected.
    QString fileName() const;
    // The full path of a file of the listed folder.
    QString filePath(const QString& name) const;

signals:
    void fileChosen(const QString& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString folder;
    QString namePattern = QStringLiteral("*.*");
};

}  // namespace vantorelle
