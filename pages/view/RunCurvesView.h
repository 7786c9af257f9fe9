// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Several runs' total SSE over epochs on one graph: each run in its own
// colour, line style and marker from the series palette (so a colour-blind
// eye or a grey-scale print still tells them apart), with a legend naming
// each, on a linear or logarithmic scale. A total of 0 on the logarithmic
// scale is drawn on a line of its own below the lowest decade, as the error
// curve of the network view does.

#include <QString>
#include <QWidget>
#include <vector>

#include "NetworkState.h"
#include "NumberFormat.h"

namespace vantorelle {

struct CurveSeries {
    QString label;
    std::vector<HistoryRow> points;  // epochs rising
};

class RunCurvesView : public QWidget {
    Q_OBJECT

public:
    explicit RunCurvesView(QWidget* parent = nullptr);

    void setSeries(std::vector<CurveSeries> series);
    const std::vector<CurveSeries>& series() const { return shown; }
    void setLogScale(bool on);
    bool logScale() const { return logarithmic; }
    void setNumberLocale(const NumberLocale& locale);

    // Where a point (epochs, SSE) is drawn, in the widget's pixels.
    QPointF toPixel(double epochs, double sse) const;
    QRect plotRect() const;
    // The whole graph, white ground included, on any painter of this size.
    void draw(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void computeRange();
    double scaled(double sse) const;
    void drawAxes(QPainter& painter) const;
    void drawCurves(QPainter& painter) const;
    void drawLegend(QPainter& painter) const;

    std::vector<CurveSeries> shown;
    bool logarithmic = false;
    NumberLocale numbers;
    double maxEpochs = 1;
    double low = 0, high = 1;      // the SSE axis, in scaled units (decades on the log scale)
    double smallestPositive = 0;   // the lowest SSE above 0, for the log scale's floor
};

}  // namespace vantorelle
