#pragma once
// The error curve: the total SSE recorded in the history, over the epochs at
// which it was recorded, on a linear or a logarithmic scale, with the hit
// criterion as a dashed line (below it every response is a hit, since no
// squared error can then reach the criterion). During a run the latest
// measurement is drawn after the recorded rows, so the curve moves on between
// two progress displays, and the epoch axis reaches to the next round number
// (1, 2 or 5 times a power of ten) beyond it, so that the axes stay put for a
// while instead of moving at every refresh; a finished run's axis ends at its
// last epoch. The curve is drawn through at most four points per pixel column
// (the column's first, lowest, highest and last), which looks the same as
// every row joined and costs the same for 2,000 rows as for 200. On screen the
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
    // Where (epochs, SSE) lies; an SSE of 0 on the logarithmic scale lies on the bottom edge.
    QPointF toPixel(double epochs, double sse) const;
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
    void drawCurve(QPainter& painter, std::size_t from, std::size_t to) const;

    bool logarithmic = false;
    double lastEpoch = 1;  // the epoch axis's end
    double low = 0, high = 1;  // SSE range; powers of ten on the logarithmic scale
    mutable std::size_t groundRows = 0;  // recorded rows drawn into the screen's ground
    mutable std::shared_ptr<const SnapshotPatterns> groundPatterns;  // whose rows they are
};

}  // namespace vantorelle
