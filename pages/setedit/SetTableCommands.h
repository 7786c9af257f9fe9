// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps of a set table's undo stack: one cell typed over, or the whole
// grid changed at once (rows and columns added or deleted, a paste, a set
// generated). Whole-grid steps keep both grids; the stack's limit keeps that
// within bounds for the largest sets a training file holds.

#include <QPointF>
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

// A point of a two-input set dragged to another place: inputs 1 and 2 of a
// row. The moves of one drag (the same drag number) merge into one step.
class PointMove : public QUndoCommand {
public:
    PointMove(SetTable& table, int row, QPointF before, QPointF after, int drag);
    void undo() override;
    void redo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    void place(QPointF at);

    SetTable& table;
    int row;
    QPointF before;
    QPointF after;
    int drag;
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
