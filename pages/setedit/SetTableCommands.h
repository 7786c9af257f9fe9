// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps of a set table's undo stack: one cell typed over, or the whole
// grid changed at once (rows and columns added or deleted, a paste, a set
// generated). Whole-grid steps keep both grids; the stack's limit keeps that
// within bounds for the largest sets a training file holds.

#include <QUndoCommand>

#include "SetTable.h"

namespace vantorelle {

class CellEdit : public QUndoCommand {
public:
    CellEdit(SetTable& table, int row, int column, double before, double after);
    void undo() override;
    void redo() override;

private:
    SetTable& table;
    int row;
    int column;
    double before;
    double after;
};

class GridChange : public QUndoCommand {
public:
    GridChange(SetTable& table, SetGrid before, SetGrid after, const QString& what);
    void undo() override;
    void redo() override;

private:
    SetTable& table;
    SetGrid before;
    SetGrid after;
};

}  // namespace vantorelle
