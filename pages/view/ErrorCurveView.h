// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The error curve: the total SSE recorded in the history, over the epochs at
// which it was recorded, on a linear or a logarithmic scale. During a run the
// latest measurement is drawn after the recorded rows, so the curve moves on
// between two progress displays, and the epoch axis reaches to the next round
// number (1, 2 or 5 times a power of ten) beyond it, so that the axes stay put
// for a while instead of moving at every refresh; a finished run's axis ends
// at its last epoch. Epoch ticks are whole epochs.
//
// The history keeps its first 2,000 rows: once it is full the curve ends at
// its last row, during a run too, and the picture says how many points were
// recorded in all ("Showing the first 2000 recorded points of N").
//
// The hit criterion is not drawn: it bounds each response's squared error,
// and the total says little about the largest one (a total below the
// criterion means every response is a hit, but all can be hits far above it).
//
// On the logarithmic scale an SSE of 0 has no place among the decades: when
// the curve reaches 0 it is drawn on a line of its own, labelled 0, below the
// lowest decade and set off from it by a break in the axis.
//
// The curve is drawn through at most four points per pixel column (the
// column's first, lowest, highest and last), which looks the same as every
// row joined and costs the same for 2,000 rows as for 200. On screen the
// recorded rows are drawn into the kept ground as they come (a run only ever
// adds rows), so a repaint draws only the stretch to the latest measurement.

#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <cstdint>

#include "NetworkPicture.h"

namespace vantorelle {

class ErrorCurveView : public NetworkPicture {
    Q_OBJECT

public:
    explicit ErrorCurveView(QWidget* parent = nullptr);

    void setLogScale(bool on);
    bool logScale() const { return logarithmic; }

    unsigned partsDrawn() const override { return SnapshotParts::History; }

    QRect plotRect() const;
    // Where (epochs, SSE) lies; an SSE of 0 on the logarithmic scale lies on
    // the bottom edge, below the lowest decade when the curve reaches 0.
    QPointF toPixel(double epochs, double sse) const;
    // The epochs and SSE values the axes mark.
    std::vector<double> epochTicks() const;
    std::vector<double> sseTicks() const;
    // Whether the logarithmic scale has its line for an SSE of 0.
    bool hasZeroLine() const { return zeroLine; }
    // What the picture says when the history had no room for every record; empty otherwise.
    QString droppedNote() const;
    // "Showing the first 2000 recorded points of 2101", for kept rows of kept + dropped records.
    static QString keptPointsNote(long long kept, long long dropped);
    // The points the curve joins, in order.
    std::vector<HistoryRow> points() const;
    // The points drawn for points from .. to - 1 at ratio device pixels a
    // point, in order.
    QPolygonF curvePoints(qreal ratio, std::size_t from = 0, std::size_t to = SIZE_MAX) const;
    // The epoch at the axis's right end.
    double epochAxisEnd() const { return lastEpoch; }

protected:
    void snapshotChanged() override;
    bool changesPicture(const NetworkSnapshot& before, const NetworkSnapshot& after) const override;
    void drawLayers(QPainter& painter, unsigned layers) const override;
    LayerCache::Key groundKey() const override;
    void extendGround(QPixmap& layer) const override;
    QRegion repaintRegion(const NetworkSnapshot* before) const override;

private:
    void computeRange();
    double yFraction(double sse) const;  // 0 at the bottom of the plot, 1 at the top
    std::size_t pointCount() const;
    HistoryRow pointAt(std::size_t r) const;
    void drawAxes(QPainter& painter) const;
    void drawZeroBreak(QPainter& painter) const;
    double zeroLineShare() const;  // of the plot's height, below the lowest decade
    void drawCurve(QPainter& painter, std::size_t from, std::size_t to) const;

    bool logarithmic = false;
    double lastEpoch = 1;  // the epoch axis's end
    double low = 0, high = 1;  // SSE range; powers of ten on the logarithmic scale
    bool zeroLine = false;     // the logarithmic scale has a line for 0
    mutable std::size_t groundRows = 0;  // recorded rows drawn into the screen's ground
    mutable std::shared_ptr<const SnapshotPatterns> groundPatterns;  // whose rows they are
};

}  // namespace vantorelle
