// SPDX-License-Identifier: GPL-3.0-or-later
// The SSE graph and the error curve as a screen reader finds them: each is
// a table of two columns, epoch and total SSE, whose cells hold the values
// of the history drawn, in the order drawn. Read through Qt's accessibility
// interfaces, as an assistive technology reads them.

#include <QAccessible>
#include <QChartView>
#include <QTabWidget>

#include "ErrorCurveView.h"
#include "HubFixture.h"
#include "NetworkSnapshot.h"
#include "NetworkView.h"
#include "PlotSSEdata.h"
#include "SystemTexts.h"
#include "TrainingEngine.h"

namespace vantorelle {
namespace {

class HistoryTableTest : public HubFixture {
protected:
    void record(std::initializer_list<HistoryRow> rows)
    {
        net.SSERecordCount = 0;
        for (const HistoryRow& row : rows)
            net.SSEHistory[++net.SSERecordCount] = row;
    }
    static QAccessibleTableInterface* tableOf(QWidget* widget)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        EXPECT_NE(face, nullptr);
        if (!face)
            return nullptr;
        EXPECT_EQ(face->role(), QAccessible::Table);
        return face->tableInterface();
    }
    static QString cell(QAccessibleTableInterface* table, int row, int column)
    {
        QAccessibleInterface* c = table->cellAt(row, column);
        return c ? c->text(QAccessible::Name) : QStringLiteral("<none>");
    }
    // Every row of the table against the rows given, in the program's number form.
    static void expectRows(QAccessibleTableInterface* table, const std::vector<HistoryRow>& rows)
    {
        const NumberLocale locale = SystemNumberLocale();
        ASSERT_EQ(table->rowCount(), static_cast<int>(rows.size()));
        for (int r = 0; r < table->rowCount(); ++r) {
            EXPECT_EQ(cell(table, r, 0).toStdString(), FormatGeneral(rows[r].Epochs, locale)) << r;
            EXPECT_EQ(cell(table, r, 1).toStdString(), FormatGeneral(rows[r].SSE, locale)) << r;
        }
    }
};

TEST_F(HistoryTableTest, TheSSEGraphReadsAsATableOfTheHistoryItWasDrawnFrom)
{
    record({{0, 4}, {10, 2.5}, {20, 1.125}, {30, 0.0625}, {30, 0.0625}});
    auto* page = static_cast<PlotSSEdata*>(open("PlotSSEdata"));
    auto* chart = page->findChild<QChartView*>(QStringLiteral("SSEgraph"));
    ASSERT_NE(chart, nullptr);
    QAccessibleTableInterface* table = tableOf(chart);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnCount(), 2);
    // In the window's language (run again with the window in German).
    EXPECT_EQ(table->columnDescription(0), QCoreApplication::translate("HistoryTable", "Epoch"));
    EXPECT_EQ(table->columnDescription(1), QCoreApplication::translate("HistoryTable", "Total SSE"));
    expectRows(table, {{0, 4}, {10, 2.5}, {20, 1.125}, {30, 0.0625}, {30, 0.0625}});
    EXPECT_EQ(table->cellAt(5, 0), nullptr);
    EXPECT_EQ(table->cellAt(0, 2), nullptr);

    // The cells are the table's children, row by row, and know their place.
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(chart);
    EXPECT_EQ(face->childCount(), 10);
    QAccessibleInterface* third = face->child(5);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->role(), QAccessible::Cell);
    EXPECT_EQ(third->tableCellInterface()->rowIndex(), 2);
    EXPECT_EQ(third->tableCellInterface()->columnIndex(), 1);
    EXPECT_EQ(face->indexOfChild(third), 5);
    EXPECT_EQ(third->parent(), face);
    EXPECT_EQ(face->text(QAccessible::Name),
              PlotSSEdata::tr("Total Sum Of Squared Error As A Function Of Training Sweeps"));

    // The graph is a picture of the history when it opened; so is its table.
    record({{0, 9}});
    expectRows(table, {{0, 4}, {10, 2.5}, {20, 1.125}, {30, 0.0625}, {30, 0.0625}});
}

TEST_F(HistoryTableTest, TheErrorCurveReadsAsATableOfThePointsItJoinsAndFollowsANewSnapshot)
{
    trainByHand();
    record({{0, 3}, {100, 1.5}, {200, 0.25}});
    // The history is the current network's: its epochs reach the last row.
    SetUnitTypes(net, UnitKind::Binary);
    net.EpochCount = 200;
    auto* view = static_cast<NetworkView*>(open("NetworkView"));
    view->showTab(NetworkView::Tab::ErrorCurve);
    auto* curve = view->findChild<ErrorCurveView*>(QStringLiteral("ErrorCurveView"));
    ASSERT_NE(curve, nullptr);
    QAccessibleTableInterface* table = tableOf(curve);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(curve->points().size(), 3u);
    expectRows(table, curve->points());
    const QString before = cell(table, 2, 1);

    // The run goes on: the picture gets a snapshot with more rows, and so does the table.
    record({{0, 3}, {100, 1.5}, {200, 0.75}, {300, 0.125}});
    net.EpochCount = 300;
    curve->setSnapshot(std::make_shared<const NetworkSnapshot>(TakeSnapshot(net)));
    ASSERT_EQ(curve->points().size(), 4u);
    expectRows(table, curve->points());
    EXPECT_NE(cell(table, 2, 1), before);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(curve)->text(QAccessible::Description).isEmpty());
}

}  // namespace
}  // namespace vantorelle
