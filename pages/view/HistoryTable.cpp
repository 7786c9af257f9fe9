// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryTable.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <map>

namespace vantorelle {

namespace {

struct Source {
    HistoryRows rows;
    HistoryLocale locale;
};

// The widgets made readable, and where their rows come from.
std::map<const QObject*, Source>& Sources()
{
    static std::map<const QObject*, Source> sources;
    return sources;
}

QString ColumnName(int column)
{
    return column == 0 ? QCoreApplication::translate("HistoryTable", "Epoch")
                       : QCoreApplication::translate("HistoryTable", "Total SSE");
}

class Table;

// One cell: its text is its value; it belongs to the table that made it.
class Cell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    Cell(Table* table, int row, int column, QString value) : owner(table), row(row), column(column), value(std::move(value)) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name || t == QAccessible::Value ? value : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column; }
    int rowIndex() const override { return row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    Table* owner;
    int row;
    int column;
    QString value;
};

class Table : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit Table(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Table) {}
    ~Table() override { forgetCells(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        QString said = QAccessibleWidget::text(t);
        if (t == QAccessible::Description && said.isEmpty()) {
            const int rows = rowCount();
            said = rows == 1 ? QCoreApplication::translate("HistoryTable", "A table of 1 row: epoch and total SSE.")
                             : QCoreApplication::translate("HistoryTable", "A table of %1 rows: epoch and total SSE.")
                                   .arg(rows);
        }
        return said;
    }

    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override
    {
        return index < 0 || index >= childCount() ? nullptr : cellAt(index / columnCount(), index % columnCount());
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (const auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr)
            return cell->rowIndex() * columnCount() + cell->columnIndex();
        return -1;
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        const std::vector<HistoryRow> rows = current();
        if (row < 0 || column < 0 || column >= columnCount() || row >= static_cast<int>(rows.size()))
            return nullptr;
        const HistoryRow& r = rows[static_cast<std::size_t>(row)];
        const QString value = QString::fromStdString(FormatGeneral(column == 0 ? r.Epochs : r.SSE, locale()));
        // A cell is made once for each value it holds; a changed value makes a new one.
        const auto key = std::make_pair(row, column);
        if (auto it = cells.find(key); it != cells.end()) {
            QAccessibleInterface* kept = QAccessible::accessibleInterface(it->second.first);
            if (kept && it->second.second == value)
                return kept;
            if (kept)
                QAccessible::deleteAccessibleInterface(it->second.first);
            cells.erase(it);
        }
        auto* cell = new Cell(const_cast<Table*>(this), row, column, value);
        cells[key] = {QAccessible::registerAccessibleInterface(cell), value};
        return cell;
    }
    int columnCount() const override { return 2; }
    int rowCount() const override { return static_cast<int>(current().size()); }
    QString columnDescription(int column) const override { return ColumnName(column); }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { forgetCells(); }

private:
    std::vector<HistoryRow> current() const
    {
        const auto it = Sources().find(object());
        return it == Sources().end() || !it->second.rows ? std::vector<HistoryRow>{} : it->second.rows();
    }
    NumberLocale locale() const
    {
        const auto it = Sources().find(object());
        return it == Sources().end() || !it->second.locale ? NumberLocale{} : it->second.locale();
    }
    void forgetCells()
    {
        for (const auto& [key, cell] : cells)
            if (QAccessible::accessibleInterface(cell.first))
                QAccessible::deleteAccessibleInterface(cell.first);
        cells.clear();
    }

    mutable std::map<std::pair<int, int>, std::pair<QAccessible::Id, QString>> cells;
};

QWindow* Cell::window() const { return owner->window(); }
QAccessibleInterface* Cell::parent() const { return owner; }
QAccessibleInterface* Cell::table() const { return owner; }
QRect Cell::rect() const { return owner->rect(); }

QAccessibleInterface* MakeTable(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType() || !Sources().count(object))
        return nullptr;
    return new Table(static_cast<QWidget*>(object));
}

}  // namespace

void readAsHistoryTable(QWidget* widget, HistoryRows rows, HistoryLocale locale)
{
    static const bool installed = [] {
        QAccessible::installFactory(MakeTable);
        return true;
    }();
    (void)installed;
    Sources()[widget] = Source{std::move(rows), std::move(locale)};
    QObject::connect(widget, &QObject::destroyed, [widget] { Sources().erase(widget); });
}

}  // namespace vantorelle
