#pragma once
// The error curve: the total SSE recorded in the history, over the epochs at
// which it was recorded, on a linear or a logarithmic scale, with the hit
// criterion as a dashed line (below it every response is a hit, since no
// squared error can then reach the criterion). During a run the latest
// measurement is drawn after the recorded rows, so the curve moves on between
// two progress displays.

#include <QPointF>
#include <QRect>

#include "NetworkPicture.h"

namespace vantorelle {

class ErrorCurveView : public NetworkPicture {
    Q_OBJECT

public:
    explicit ErrorCurveView(QWidget* parent = nullptr);

    void setLogScale(bool on);
    bool logScale() const { return logarithmic; }

    void draw(QPainter& painter) const override;

    QRect plotRect() const;
    // Where (epochs, SSE) lies; an SSE of 0 on the logarithmic scale lies on the bottom edge.
    QPointF toPixel(double epochs, double sse) const;
    // The points the curve joins, in order.
    std::vector<HistoryRow> points() const;

protected:
    void snapshotChanged() override;

private:
    void computeRange();
    double yFraction(double sse) const;  // 0 at the bottom of the plot, 1 at the top

    bool logarithmic = false;
    double lastEpoch = 1;
    double low = 0, high = 1;  // SSE range; powers of ten on the logarithmic scale
};

}  // namespace vantorelle
