// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The patterns of a training set as a table a person edits: one row per
// pattern, its inputs and then its desired outputs as columns. Numbers are
// shown and read in the user's locale with the program's one number grammar
// (NumberFormat.h), so a value shown reads back to the same double. Every
// change goes through the table's undo stack; a cell or a paste that is not
// a number is refused whole, with a message naming the row and the column,
// and the table stays as it was.

#include <QAbstractTableModel>
#include <QUndoStack>
#include <optional>
#include <vector>

#include "NumberFormat.h"
#include "TrainingSet.h"

namespace vantorelle {

// The table's values; every row holds inputs + outputs numbers.
struct SetGrid {
    long inputs = 2;
    long outputs = 1;
    std::vector<std::vector<double>> rows;

    long columns() const { return inputs + outputs; }
    bool operator==(const SetGrid&) const = default;
};

SetGrid GridOf(const TrainingSet& set);
TrainingSet SetFromGrid(const SetGrid& grid);

// Which part of a pattern a new column belongs to.
enum class ColumnGroup { Inputs, Outputs };

class SetTable : public QAbstractTableModel {
    Q_OBJECT

public:
    SetTable(const NumberLocale& locale, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A number typed into a cell; refused (cellRefused, false) when it is none.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    const SetGrid& grid() const { return values; }
    QUndoStack& undoStack() { return undo; }
    // "Input 2", "Output 1": column from 0.
    QString columnName(int column) const;
    // A value as the table shows it.
    QString cellText(double value) const;

    // The edits, each one step on the undo stack. Rows and columns count from 0.
    void replaceAll(const SetGrid& grid, const QString& what);
    void addRow(int after);
    void duplicateRows(std::vector<int> rows);
    void deleteRows(std::vector<int> rows);
    void addColumn(ColumnGroup group);
    void duplicateColumn(int column);
    // A set keeps one input and one output at least: false for the last of either.
    bool canDeleteColumn(int column) const;
    void deleteColumn(int column);
    // The edits a drawing of a two-input set makes. A point is a row; its
    // inputs 1 and 2 are where it lies. Moves with the same drag number
    // merge into one step, so a drag is undone at once.
    void addPattern(std::vector<double> row);
    void movePattern(int row, double x1, double x2, int drag);
    void removePattern(int row);

    // Tab-separated rows as spreadsheets copy them, from (row, column) on;
    // rows past the end are added. False (and cellRefused) when a cell is no
    // number or the block runs past the last column: nothing is pasted then.
    bool paste(const QString& text, int row, int column);
    // The cells from (top, left) to (bottom, right) as tab-separated rows.
    QString copy(int top, int left, int bottom, int right) const;

    // For the undo commands only: put values in place without a new step.
    void setGridNow(const SetGrid& grid);
    void setCellNow(int row, int column, double value);

signals:
    // Why a cell or a paste was refused, naming the row and the column.
    void cellRefused(const QString& message);

private:
    std::optional<double> parseCell(const QString& text) const;
    QString notANumber(int row, int column, const QString& text) const;

    NumberLocale locale;
    SetGrid values;
    QUndoStack undo;
};

}  // namespace vantorelle
