// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotSSEdata.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetrics>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "ErrorCurveView.h"
#include "HistoryTable.h"
#include "NetworkState.h"
#include "PageFonts.h"
#include "Printing.h"
#include "SystemTexts.h"

namespace vantorelle {

namespace {

QString ChartTitle() { return PlotSSEdata::tr("Total Sum Of Squared Error As A Function Of Training Sweeps"); }
// The category axis takes a label once only; a repeated epoch count is told
// apart by invisible zero-width spaces after it.
const QChar Invisible(0x200B);
// Room the value axis and the margins take from the chart's width.
constexpr int AxisRoomPixels = 110;
// Bars narrower than this lose their black edge, which would hide the fill.
constexpr double MinEdgedBarPixels = 4.0;
constexpr double BarWidth = 0.8;
// At most about this many steps up the value axis.
constexpr int ValueSteps = 6;
// The note on a full history: its box's padding, and a place above the bars.
constexpr int NotePadding = 4;
constexpr qreal NoteZValue = 100;

// The bars that carry a label: every so many, a round number (1, 2 or 5
// times a power of ten), so that labels as wide as the widest never overlap
// in the given width.
std::vector<int> LabelledBars(int bars, int labelPixels, int plotPixels)
{
    const int fitting = std::max(1, plotPixels / std::max(1, labelPixels));
    std::vector<int> labelled;
    for (double at : NiceTicks(0, bars, fitting, 1)) {
        const int k = static_cast<int>(std::lround(at));
        if (k < bars)
            labelled.push_back(k);
    }
    return labelled;
}

// Ticks at round values (1, 2 or 5 times a power of ten), the axis from the
// last at or below the data to the first at or above it, written with the
// decimals their step needs. (Qt's applyNiceNumbers() takes coarser steps:
// data up to 1.0003 got an axis to 1.5.)
void RoundValueAxis(QValueAxis* axis, int maxSteps)
{
    const double lo = axis->min(), hi = axis->max();
    const std::vector<double> ticks = NiceTicks(lo, hi, maxSteps);
    if (ticks.size() < 2)
        return;
    const double step = ticks[1] - ticks[0];
    const double bottom = std::floor(lo / step + 1e-9) * step;
    const double top = std::ceil(hi / step - 1e-9) * step;
    axis->setRange(bottom, top);
    axis->setTickCount(static_cast<int>(std::lround((top - bottom) / step)) + 1);
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
}

}  // namespace

PlotSSEdata::PlotSSEdata(const NetworkState& net, Printer& printer, QWidget* parent)
    : ScrollPage(Design, parent), net(net), printer(printer)
{
    ui.setupUi(this);
    PageFonts::set(ui.Label1, PageFonts::caption());
    PageFonts::set(ui.PrintThisGraph, PageFonts::button());
    PageFonts::set(ui.CloseThisForm, PageFonts::exitButton());
    // The bars as a screen reader reads them: a table of epoch and SSE, the
    // rows the graph was drawn from when the page opened. Made before the
    // name is set, which may already ask for the chart's accessible interface.
    const std::vector<HistoryRow> drawn(net.SSEHistory.begin() + 1,
                                        net.SSEHistory.begin() + 1 + std::clamp(net.SSERecordCount, 0, MaxHistoryRows));
    readAsHistoryTable(ui.SSEgraph, [drawn] { return drawn; }, [] { return SystemNumberLocale(); });
    ui.SSEgraph->setAccessibleName(ChartTitle());

    ui.SSEgraph->hide();
    buildChart();
    ui.SSEgraph->show();

    connect(ui.PrintThisGraph, &QPushButton::clicked, this, &PlotSSEdata::print);
    connect(ui.CloseThisForm, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(ui.CloseThisForm);  // the graph is drawn afresh from the history when opened again
    finishLoad();
}

QChart* PlotSSEdata::chart() const { return ui.SSEgraph->chart(); }

void PlotSSEdata::buildChart()
{
    const int rows = std::clamp(net.SSERecordCount, 0, MaxHistoryRows);
    const NumberLocale locale = SystemNumberLocale();

    auto* bars = new QBarSet(tr("Network SSE"));
    QList<qreal> values;
    values.reserve(rows);
    QStringList labels;
    for (int k = 1; k <= rows; ++k) {
        values.append(net.SSEHistory[k].SSE);
        labels.append(QString::fromStdString(FormatGeneral(net.SSEHistory[k].Epochs, locale)));
    }
    bars->append(values);

    auto* series = new QBarSeries;
    series->setBarWidth(BarWidth);
    series->append(bars);

    auto* chart = new QChart;
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->setTitleFont(PageFonts::chartTitle());
    chart->setTitle(ChartTitle());
    chart->legend()->hide();
    chart->addSeries(series);

    // Bar k (from 0) stands at k on the horizontal axis; its label is placed there.
    auto* sweeps = new QCategoryAxis;
    sweeps->setTitleText(tr("Sweeps Of Training"));
    sweeps->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    sweeps->setGridLineVisible(false);
    sweeps->setRange(-0.5, std::max(rows, 1) - 0.5);
    sweeps->setStartValue(-0.5);
    const QFontMetrics metrics(sweeps->labelsFont());
    int widest = 0;
    for (const QString& label : labels)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    const int plotPixels = std::max(1, ui.SSEgraph->width() - AxisRoomPixels);
    for (int k : LabelledBars(rows, widest + metrics.horizontalAdvance(QStringLiteral("  ")), plotPixels)) {
        QString label = labels[k];
        while (sweeps->categoriesLabels().contains(label))
            label += Invisible;
        sweeps->append(label, k);
    }
    chart->addAxis(sweeps, Qt::AlignBottom);
    series->attachAxis(sweeps);

    auto* sse = new QValueAxis;
    sse->setTitleText(tr("Network SSE"));
    chart->addAxis(sse, Qt::AlignLeft);
    series->attachAxis(sse);
    RoundValueAxis(sse, ValueSteps);
    noteDroppedRecords(chart, rows);

    // The chart's theme colours the bars when the series joins it: style them after.
    bars->setBrush(QColor(200, 200, 200));
    const bool edged = rows == 0 || static_cast<double>(plotPixels) / rows * BarWidth >= MinEdgedBarPixels;
    bars->setPen(edged ? QPen(Qt::black, 1) : QPen(Qt::NoPen));

    // The view releases its previous chart rather than deleting it.
    QChart* previous = ui.SSEgraph->chart();
    ui.SSEgraph->setChart(chart);
    delete previous;
}

void PlotSSEdata::noteDroppedRecords(QChart* chart, int rows)
{
    // The page's own captions stay as they are: the note stands in the plot's
    // top right corner, where the error has mostly come down, and in the
    // chart's tool tip and description.
    if (net.SSERecordsDropped <= 0) {
        ui.SSEgraph->setToolTip({});
        ui.SSEgraph->setAccessibleDescription({});
        return;
    }
    const QString note = ErrorCurveView::keptPointsNote(rows, net.SSERecordsDropped);
    const QString why = tr("%1: the history keeps no more.").arg(note);
    ui.SSEgraph->setToolTip(why);
    ui.SSEgraph->setAccessibleDescription(why);
    // On a white box over the bars, which may reach the top there.
    auto* box = new QGraphicsRectItem(chart);
    box->setBrush(Qt::white);
    box->setPen(QPen(QColor(160, 160, 160)));
    box->setZValue(NoteZValue);
    auto* text = new QGraphicsSimpleTextItem(note, box);
    text->setPos(NotePadding, NotePadding);
    box->setRect(QRectF(QPointF(0, 0), text->boundingRect().size() + QSizeF(2 * NotePadding, 2 * NotePadding)));
    auto place = [chart, box] {
        const QRectF plot = chart->plotArea();
        box->setPos(plot.right() - box->rect().width() - NotePadding, plot.top() + NotePadding);
    };
    connect(chart, &QChart::plotAreaChanged, chart, place);
    place();
}

QStringList PlotSSEdata::barLabels() const
{
    const int rows = std::clamp(net.SSERecordCount, 0, MaxHistoryRows);
    QStringList shown(rows);
    for (QAbstractAxis* axis : chart()->axes(Qt::Horizontal)) {
        auto* sweeps = qobject_cast<QCategoryAxis*>(axis);
        if (!sweeps)
            continue;
        for (const QString& label : sweeps->categoriesLabels()) {
            const long k = std::lround(sweeps->endValue(label));
            if (k >= 0 && k < rows)
                shown[k] = QString(label).remove(Invisible);
        }
    }
    return shown;
}

QImage PlotSSEdata::picture() const { return ui.SSEgraph->grab().toImage(); }

void PlotSSEdata::print()
{
    // The clipboard keeps the picture after printing, for pasting elsewhere.
    const QImage image = picture();
    printer.copyPicture(image);
    PrintDocument document;
    document.title = ChartTitle();
    document.addPicture(image);
    printer.print(document);
}

}  // namespace vantorelle
