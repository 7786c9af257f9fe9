// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A CSV file brought into the set table: the file's first rows in a grid,
// the delimiter (or a guess), the header row (or a guess) and the decimal
// mark chosen above it, and for each column whether it is an input, a
// desired output, a class (one output per class value, one-hot) or ignored.
// "Import" reads the whole file with these choices (CsvImport.h) and puts
// the set in the table as one undoable step; a file that cannot be used is
// refused with the reader's message naming the row and column, and the
// table stays as it was.

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "CsvImport.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vantorelle {

class Dialogs;
class OpenFileDialog;
class SetTable;

class CsvImportPanel : public QWidget {
    Q_OBJECT

public:
    // What a column of the file is for, in the order the column boxes list them.
    enum class ColumnUse { Input, Output, Class, Ignored };
    // The rows the preview shows at most.
    static constexpr long PreviewRows = 20;

    CsvImportPanel(Dialogs& dialogs, OpenFileDialog& openDialog, SetTable& table, QWidget* parent = nullptr);

    // Shows the file's first rows, as if chosen in the open dialog.
    void openFile(const QString& path);
    QString file() const { return path; }
    // The columns' uses as chosen (column 1 first).
    std::vector<ColumnUse> columnUses() const;
    void setColumnUse(int column, ColumnUse use);
    // The reader's options the boxes stand for.
    CsvOptions options() const;
    // Reads the whole file into the table; false (and the reader's message) when it cannot.
    bool import();

    // The panel's controls in reading order, for the page's Tab order.
    std::vector<QWidget*> tabStops() const;

signals:
    // A set was read from the file at path into the table.
    void imported(const QString& path);
    // The column boxes were made anew (another file or delimiter).
    void columnsShown();

private:
    void chooseFile();
    void showPreview(bool keepUses);
    void showHeaderRow();
    void showSummary(const QString& text);
    QComboBox* useBox(int column) const;

    Dialogs& dialogs;
    OpenFileDialog& openDialog;
    SetTable& table;
    QString path;
    CsvPreview preview;

    QPushButton* openButton;
    QLabel* fileLabel;
    QComboBox* delimiterBox;
    QComboBox* headerBox;
    QComboBox* decimalBox;
    QTableWidget* grid;
    QLabel* summary;
    QPushButton* importButton;
};

}  // namespace vantorelle
