// SPDX-License-Identifier: GPL-3.0-or-later
// The SSE graph page: one bar per history row, labelled with the epoch
// counts (a repeated last epoch included), thinned labels for long
// histories, round axis steps, the note on a full history, and printing
// through the clipboard.

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGraphicsSimpleTextItem>
#include <QRegularExpression>
#include <cmath>
#include <QValueAxis>

#include "HubFixture.h"
#include "PlotSSEdata.h"
#include "PrintingQt.h"

namespace vantorelle {
namespace {

class PlotSSEdataTest : public HubFixture {
protected:
    // A history as the engine records it every `every` epochs, the last
    // epoch recorded twice when the run ends there.
    void record(int rows, int every, bool lastTwice)
    {
        net.SSERecordCount = rows;
        for (int k = 1; k <= rows; ++k) {
            net.SSEHistory[k].Epochs = (k - 1) * every;
            net.SSEHistory[k].SSE = 4.0 / k;
        }
        if (lastTwice && rows > 1)
            net.SSEHistory[rows].Epochs = net.SSEHistory[rows - 1].Epochs;
    }
    PlotSSEdata* openGraph() { return static_cast<PlotSSEdata*>(open("PlotSSEdata")); }
    // Whether step is 1, 2 or 5 times a power of ten.
    static bool Round(double step)
    {
        const double magnitude = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
        const double factor = step / magnitude;
        return std::fabs(factor - 1) < 1e-9 || std::fabs(factor - 2) < 1e-9 || std::fabs(factor - 5) < 1e-9;
    }
    // The texts drawn on the chart besides its axes and title.
    static QStringList notes(PlotSSEdata* page)
    {
        QStringList texts;
        for (QGraphicsItem* item : page->chart()->scene()->items()) {
            if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(item))
                texts << text->text();
        }
        return texts;
    }
    static QBarSet* bars(PlotSSEdata* page)
    {
        const auto series = page->chart()->series();
        EXPECT_EQ(series.size(), 1);
        auto* barSeries = series.isEmpty() ? nullptr : qobject_cast<QBarSeries*>(series.first());
        EXPECT_NE(barSeries, nullptr);
        return barSeries && barSeries->count() == 1 ? barSeries->barSets().first() : nullptr;
    }
};

TEST_F(PlotSSEdataTest, OneRowGivesOneBarLabelledZero)
{
    record(1, 100, false);
    net.SSEHistory[1].SSE = 1.25;
    PlotSSEdata* page = openGraph();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Graph of SSE as a function of sweeps of training"));
    EXPECT_EQ(page->size(), QSize(708, 613));
    QChart* chart = page->chart();
    EXPECT_EQ(chart->title(), QStringLiteral("Total Sum Of Squared Error As A Function Of Training Sweeps"));
    EXPECT_EQ(chart->titleFont().family(), QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(chart->titleFont().pointSizeF(), 14);
    EXPECT_EQ(chart->backgroundBrush().color(), QColor(Qt::white));
    ASSERT_EQ(chart->axes(Qt::Horizontal).size(), 1);
    ASSERT_EQ(chart->axes(Qt::Vertical).size(), 1);
    EXPECT_EQ(chart->axes(Qt::Horizontal).first()->titleText(), QStringLiteral("Sweeps Of Training"));
    EXPECT_EQ(chart->axes(Qt::Vertical).first()->titleText(), QStringLiteral("Network SSE"));
    // The value axis scales to the data.
    auto* sse = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).first());
    ASSERT_NE(sse, nullptr);
    EXPECT_GE(sse->max(), 1.25);

    QBarSet* set = bars(page);
    ASSERT_NE(set, nullptr);
    ASSERT_EQ(set->count(), 1);
    EXPECT_EQ(set->at(0), 1.25);
    EXPECT_EQ(set->color(), QColor(200, 200, 200));
    EXPECT_EQ(set->pen().color(), QColor(Qt::black));
    EXPECT_NE(set->pen().style(), Qt::NoPen);
    EXPECT_EQ(page->barLabels(), QStringList{"0"});
    EXPECT_TRUE(control<QWidget>(page, "SSEgraph")->isVisible());
}

TEST_F(PlotSSEdataTest, RepeatedLastEpochKeepsItsBarAndItsLabel)
{
    record(12, 100, true);
    PlotSSEdata* page = openGraph();
    ASSERT_NE(page, nullptr);
    QBarSet* set = bars(page);
    ASSERT_NE(set, nullptr);
    ASSERT_EQ(set->count(), 12);
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(set->at(k), 4.0 / (k + 1)) << k;
    EXPECT_EQ(page->barLabels(), (QStringList{"0", "100", "200", "300", "400", "500", "600", "700", "800", "900",
                                              "1000", "1000"}));
}

TEST_F(PlotSSEdataTest, TwoThousandRowsGiveTwoThousandBarsWithThinnedLabels)
{
    record(MaxHistoryRows, 10, true);
    QElapsedTimer opening;
    opening.start();
    PlotSSEdata* page = openGraph();
    ASSERT_NE(page, nullptr);
    QCoreApplication::processEvents();
    std::cout << "[ info ] opening the graph of " << MaxHistoryRows << " rows took " << opening.elapsed() << " ms\n";

    QBarSet* set = bars(page);
    ASSERT_NE(set, nullptr);
    EXPECT_EQ(set->count(), MaxHistoryRows);
    EXPECT_EQ(set->at(MaxHistoryRows - 1), 4.0 / MaxHistoryRows);
    // Edges would swamp bars a third of a pixel wide.
    EXPECT_EQ(set->pen().style(), Qt::NoPen);

    const QStringList labels = page->barLabels();
    ASSERT_EQ(labels.size(), MaxHistoryRows);
    EXPECT_EQ(labels.first(), QStringLiteral("0"));
    int shown = 0;
    for (int k = 0; k < labels.size(); ++k) {
        if (labels[k].isEmpty())
            continue;
        ++shown;
        EXPECT_EQ(labels[k], QString::number(net.SSEHistory[k + 1].Epochs)) << k;
    }
    EXPECT_GE(shown, 5);
    EXPECT_LE(shown, 25);
    // Every so many bars, a round number of them.
    const int step = static_cast<int>(labels.indexOf(QRegularExpression(QStringLiteral(".+")), 1));
    EXPECT_TRUE(Round(step)) << step;
    for (int k = 0; k < labels.size(); ++k)
        EXPECT_EQ(labels[k].isEmpty(), k % step != 0) << k;
}

TEST_F(PlotSSEdataTest, ValueAxisTicksAtRoundValues)
{
    for (double largest : {215.2, 1.0, 1.0003, 0.037, 7.0}) {
        record(20, 1, false);
        for (int k = 1; k <= 20; ++k)
            net.SSEHistory[k].SSE = largest / k;
        PlotSSEdata* page = openGraph();
        ASSERT_NE(page, nullptr);
        auto* sse = qobject_cast<QValueAxis*>(page->chart()->axes(Qt::Vertical).first());
        ASSERT_NE(sse, nullptr);
        const double step = (sse->max() - sse->min()) / (sse->tickCount() - 1);
        EXPECT_TRUE(Round(step)) << largest << ": step " << step;
        EXPECT_EQ(sse->min(), 0) << largest;
        EXPECT_GE(sse->max(), largest);
        EXPECT_LT(sse->max(), largest + step) << "the axis scales to the data";
        EXPECT_GE(sse->tickCount(), 5) << largest << ": steps fine enough to read";
        EXPECT_NEAR(std::remainder(sse->max(), step), 0, step * 1e-9) << largest;
        page->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(PlotSSEdataTest, FullHistorySaysHowManyPointsWereRecorded)
{
    record(MaxHistoryRows, 1, false);
    net.SSERecordsDropped = 101;
    PlotSSEdata* page = openGraph();
    ASSERT_NE(page, nullptr);
    const QString note = QStringLiteral("Showing the first 2000 recorded points of 2101");
    EXPECT_EQ(notes(page), QStringList{note});
    auto* graph = control<QWidget>(page, "SSEgraph");
    EXPECT_TRUE(graph->toolTip().startsWith(note));
    EXPECT_TRUE(graph->accessibleDescription().startsWith(note));
    // The page's own captions stay.
    EXPECT_EQ(page->chart()->title(), QStringLiteral("Total Sum Of Squared Error As A Function Of Training Sweeps"));
    EXPECT_EQ(page->windowTitle(), QStringLiteral("Graph of SSE as a function of sweeps of training"));
    page->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    net.SSERecordsDropped = 0;
    page = openGraph();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(notes(page).isEmpty());
    // The graph's tool tip is its help again, without the note.
    EXPECT_FALSE(control<QWidget>(page, "SSEgraph")->toolTip().contains(QStringLiteral("recorded points")));
    EXPECT_TRUE(control<QWidget>(page, "SSEgraph")->accessibleDescription().isEmpty());
}

TEST_F(PlotSSEdataTest, PrintCopiesThePictureThenPrintsIt)
{
    record(12, 100, true);
    PlotSSEdata* page = openGraph();
    ASSERT_NE(page, nullptr);
    press(page, "PrintThisGraph");
    ASSERT_EQ(printer.copied.size(), 1u);
    ASSERT_EQ(printer.documents.size(), 1u);
    const PrintDocument& printed = printer.documents.front();
    ASSERT_EQ(printed.items.size(), 1u);
    EXPECT_EQ(printed.items[0].kind, PrintItem::Kind::Picture);
    EXPECT_EQ(printed.items[0].picture, printer.copied.front());
    const QWidget* view = control<QWidget>(page, "SSEgraph");
    EXPECT_EQ(printed.items[0].picture.size(), view->size() * view->devicePixelRatio());
}

// The system clipboard itself, with the program's printer.
TEST_F(PlotSSEdataTest, TheClipboardHoldsTheGraphAfterPrinting)
{
    if (QGuiApplication::platformName() == QStringLiteral("offscreen"))
        GTEST_SKIP() << "the offscreen platform has no system clipboard; run under Xvfb to test it";
    record(3, 100, false);
    PlotSSEdata* page = openGraph();
    ASSERT_NE(page, nullptr);
    QtSaveFileDialog files;
    QtPrinter real(dialogs, files, [] { return QPrinterInfo(); });
    const QImage picture = page->picture();
    real.copyPicture(picture);
    const QImage pasted = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(pasted.isNull());
    EXPECT_EQ(pasted.size(), picture.size());
    EXPECT_EQ(pasted.convertToFormat(QImage::Format_RGB32), picture.convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace vantorelle
