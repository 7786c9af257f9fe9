// SPDX-License-Identifier: GPL-3.0-or-later
#include "SetTableCommands.h"

namespace vantorelle {

CellEdit::CellEdit(SetTable& table, int row, int column, double before, double after)
    : QUndoCommand(SetTable::tr("Edit %1 of row %2").arg(table.columnName(column)).arg(row + 1)),
      table(table), row(row), column(column), before(before), after(after)
{
}

void CellEdit::undo() { table.setCellNow(row, column, before); }
void CellEdit::redo() { table.setCellNow(row, column, after); }

PointMove::PointMove(SetTable& table, int row, QPointF before, QPointF after, int drag)
    : QUndoCommand(SetTable::tr("Move point %1").arg(row + 1)),
      table(table), row(row), before(before), after(after), drag(drag)
{
}

void PointMove::place(QPointF at)
{
    table.setCellNow(row, 0, at.x());
    table.setCellNow(row, 1, at.y());
}

void PointMove::undo() { place(before); }
void PointMove::redo() { place(after); }

bool PointMove::mergeWith(const QUndoCommand* other)
{
    const auto* move = static_cast<const PointMove*>(other);
    if (move->drag != drag || move->row != row)
        return false;
    after = move->after;
    return true;
}

GridChange::GridChange(SetTable& table, SetGrid before, SetGrid after, const QString& what)
    : QUndoCommand(what), table(table), before(std::move(before)), after(std::move(after))
{
}

void GridChange::undo() { table.setGridNow(before); }
void GridChange::redo() { table.setGridNow(after); }

}  // namespace vantorelle
