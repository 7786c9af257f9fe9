// SPDX-License-Identifier: GPL-3.0-or-later
#include "SetTable.h"

#include <algorithm>
#include <cstring>

#include "SetTableCommands.h"

namespace vantorelle {

namespace {

// Whole-grid steps keep two copies of the grid each; a hundred steps of the
// largest sets stay within a few hundred megabytes at worst.
constexpr int UndoLimit = 100;

std::vector<int> SortedUnique(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

}  // namespace

SetGrid GridOf(const TrainingSet& set)
{
    SetGrid grid;
    grid.inputs = set.NumInputs();
    grid.outputs = set.NumOutputs();
    for (long p = 1; p <= set.NumPatterns(); ++p) {
        std::vector<double> row;
        for (long i = 1; i <= grid.inputs; ++i)
            row.push_back(set.InputPatterns(p, i));
        for (long o = 1; o <= grid.outputs; ++o)
            row.push_back(set.DesiredOutputs(p, o));
        grid.rows.push_back(std::move(row));
    }
    return grid;
}

TrainingSet SetFromGrid(const SetGrid& grid)
{
    TrainingSet set(static_cast<long>(grid.rows.size()), grid.inputs, grid.outputs);
    for (long p = 1; p <= set.NumPatterns(); ++p) {
        const std::vector<double>& row = grid.rows[static_cast<std::size_t>(p - 1)];
        for (long i = 1; i <= grid.inputs; ++i)
            set.InputPatterns(p, i) = row[static_cast<std::size_t>(i - 1)];
        for (long o = 1; o <= grid.outputs; ++o)
            set.DesiredOutputs(p, o) = row[static_cast<std::size_t>(grid.inputs + o - 1)];
    }
    return set;
}

SetTable::SetTable(const NumberLocale& locale, QObject* parent) : QAbstractTableModel(parent), locale(locale)
{
    undo.setUndoLimit(UndoLimit);
    values.rows.assign(1, std::vector<double>(static_cast<std::size_t>(values.columns()), 0.0));
}

int SetTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(values.rows.size());
}

int SetTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(values.columns());
}

QString SetTable::cellText(double value) const
{
    return QString::fromStdString(InLocaleForm(ExactNumberText(value), locale));
}

QVariant SetTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cellText(values.rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())]);
}

QString SetTable::columnName(int column) const
{
    return column < values.inputs ? tr("Input %1").arg(column + 1)
                                  : tr("Output %1").arg(column - values.inputs + 1);
}

QVariant SetTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return orientation == Qt::Horizontal ? QVariant(columnName(section)) : QVariant(section + 1);
}

Qt::ItemFlags SetTable::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

std::optional<double> SetTable::parseCell(const QString& text) const
{
    return ParseBoxNumber(text.toStdString(), locale);
}

QString SetTable::notANumber(int row, int column, const QString& text) const
{
    const QString problem =
        text.trimmed().isEmpty()
            ? tr("Row %1, column %2 (%3): is empty.").arg(QString::number(row + 1), QString::number(column + 1),
                                                          columnName(column))
            : tr("Row %1, column %2 (%3): \"%4\" is not a number.")
                  .arg(QString::number(row + 1), QString::number(column + 1), columnName(column), text);
    return problem + QLatin1Char('\r') +
           tr("Write numbers like %1 or %2.")
               .arg(QString::fromStdString(InLocaleForm("-0.5", locale)),
                    QString::fromStdString(InLocaleForm("1.5e-3", locale)));
}

bool SetTable::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString text = value.toString();
    const std::optional<double> number = parseCell(text);
    if (!number) {
        emit cellRefused(notANumber(index.row(), index.column(), text));
        return false;
    }
    const double before = values.rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
    // The same bits typed again are no step to undo; -0 against 0 is one.
    if (std::memcmp(&before, &*number, sizeof before) != 0)
        undo.push(new CellEdit(*this, index.row(), index.column(), before, *number));
    return true;
}

void SetTable::replaceAll(const SetGrid& grid, const QString& what)
{
    undo.push(new GridChange(*this, values, grid, what));
}

void SetTable::addRow(int after)
{
    SetGrid grid = values;
    const auto at = static_cast<std::size_t>(std::clamp(after + 1, 0, rowCount()));
    grid.rows.insert(grid.rows.begin() + static_cast<std::ptrdiff_t>(at),
                     std::vector<double>(static_cast<std::size_t>(grid.columns()), 0.0));
    replaceAll(grid, tr("Add a row"));
}

void SetTable::duplicateRows(std::vector<int> rows)
{
    rows = SortedUnique(std::move(rows));
    if (rows.empty())
        return;
    SetGrid grid = values;
    // From the last up, so the earlier rows keep their places; each copy goes under its row.
    for (auto r = rows.rbegin(); r != rows.rend(); ++r)
        grid.rows.insert(grid.rows.begin() + *r + 1, grid.rows[static_cast<std::size_t>(*r)]);
    replaceAll(grid, rows.size() == 1 ? tr("Duplicate a row") : tr("Duplicate rows"));
}

void SetTable::deleteRows(std::vector<int> rows)
{
    rows = SortedUnique(std::move(rows));
    if (rows.empty())
        return;
    SetGrid grid = values;
    for (auto r = rows.rbegin(); r != rows.rend(); ++r)
        grid.rows.erase(grid.rows.begin() + *r);
    replaceAll(grid, rows.size() == 1 ? tr("Delete a row") : tr("Delete rows"));
}

void SetTable::addColumn(ColumnGroup group)
{
    SetGrid grid = values;
    const long at = group == ColumnGroup::Inputs ? grid.inputs : grid.columns();
    for (std::vector<double>& row : grid.rows)
        row.insert(row.begin() + at, 0.0);
    (group == ColumnGroup::Inputs ? grid.inputs : grid.outputs) += 1;
    replaceAll(grid, group == ColumnGroup::Inputs ? tr("Add an input") : tr("Add an output"));
}

void SetTable::duplicateColumn(int column)
{
    if (column < 0 || column >= columnCount())
        return;
    SetGrid grid = values;
    for (std::vector<double>& row : grid.rows)
        row.insert(row.begin() + column + 1, row[static_cast<std::size_t>(column)]);
    (column < grid.inputs ? grid.inputs : grid.outputs) += 1;
    replaceAll(grid, tr("Duplicate %1").arg(columnName(column)));
}

bool SetTable::canDeleteColumn(int column) const
{
    if (column < 0 || column >= columnCount())
        return false;
    return column < values.inputs ? values.inputs > 1 : values.outputs > 1;
}

void SetTable::deleteColumn(int column)
{
    if (!canDeleteColumn(column))
        return;
    SetGrid grid = values;
    for (std::vector<double>& row : grid.rows)
        row.erase(row.begin() + column);
    (column < grid.inputs ? grid.inputs : grid.outputs) -= 1;
    replaceAll(grid, tr("Delete %1").arg(columnName(column)));
}

void SetTable::addPattern(std::vector<double> row)
{
    if (static_cast<long>(row.size()) != values.columns())
        return;
    SetGrid grid = values;
    grid.rows.push_back(std::move(row));
    replaceAll(grid, tr("Add a point"));
}

void SetTable::movePattern(int row, double x1, double x2, int drag)
{
    if (row < 0 || row >= rowCount() || values.inputs < 2)
        return;
    const std::vector<double>& at = values.rows[static_cast<std::size_t>(row)];
    undo.push(new PointMove(*this, row, {at[0], at[1]}, {x1, x2}, drag));
}

void SetTable::removePattern(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    SetGrid grid = values;
    grid.rows.erase(grid.rows.begin() + row);
    replaceAll(grid, tr("Remove point %1").arg(row + 1));
}

bool SetTable::paste(const QString& text, int row, int column)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    // Spreadsheets end the last row with a line break too.
    if (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return false;
    row = std::max(row, 0);
    column = std::max(column, 0);
    SetGrid grid = values;
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (column + cells.size() > grid.columns()) {
            emit cellRefused(tr("Row %1 of the pasted cells is %2 wide, but from column %3 the table has "
                                            "only %4 columns.\rAdd columns first, or paste further left.")
                                 .arg(n + 1)
                                 .arg(cells.size())
                                 .arg(column + 1)
                                 .arg(grid.columns() - column));
            return false;
        }
        const auto target = static_cast<std::size_t>(row + n);
        if (target >= grid.rows.size())
            grid.rows.resize(target + 1, std::vector<double>(static_cast<std::size_t>(grid.columns()), 0.0));
        for (int c = 0; c < cells.size(); ++c) {
            const std::optional<double> number = parseCell(cells[c]);
            if (!number) {
                emit cellRefused(notANumber(row + n, column + c, cells[c]));
                return false;
            }
            grid.rows[target][static_cast<std::size_t>(column + c)] = *number;
        }
    }
    replaceAll(grid, tr("Paste"));
    return true;
}

QString SetTable::copy(int top, int left, int bottom, int right) const
{
    QString text;
    for (int r = top; r <= bottom; ++r) {
        for (int c = left; c <= right; ++c) {
            if (c > left)
                text += QLatin1Char('\t');
            text += cellText(values.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        }
        text += QLatin1Char('\n');
    }
    return text;
}

void SetTable::setGridNow(const SetGrid& grid)
{
    beginResetModel();
    values = grid;
    endResetModel();
}

void SetTable::setCellNow(int row, int column, double value)
{
    values.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = value;
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
}

}  // namespace vantorelle
