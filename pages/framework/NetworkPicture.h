#pragma once
// The base of the pictures of a network (its weights, its decisions, its
// error curve): a widget that draws one NetworkSnapshot and can draw the same
// picture on any painter, for printing and for saving as PNG or SVG.
//
// The colours come from one diverging palette, dark blue for the most
// negative value through grey at zero to light orange for the most positive.
// Its lightness rises all the way, so a grey-scale print still tells negative
// from positive (dark from light), and blue against orange stays apart for
// the common kinds of colour blindness, which confuse red with green.

#include <QColor>
#include <QImage>
#include <QWidget>
#include <memory>
#include <vector>

#include "NetworkSnapshot.h"
#include "NumberFormat.h"

class QPainter;

namespace vantorelle {

namespace ViewPalette {
// t from -1 (most negative) to +1 (most positive); outside that it is clamped.
QColor diverging(double t);
// The plane's shade for an activation from 0 to 1: the palette, lightened so
// that markers and lines stand out on it.
QColor shade(double activation);
// Lines drawn over the palette's colours.
QColor ink();          // axes, boundary, texts
QColor missRing();     // the ring around a pattern the network misses
QColor curve();        // the error curve
QColor criterion();    // the hit-criterion line
// Relative luminance (0 black .. 1 white), as a grey-scale print sees a colour.
double luminance(const QColor& colour);
}  // namespace ViewPalette

// Round values from lo to hi for an axis, at most about maxCount of them.
std::vector<double> NiceTicks(double lo, double hi, int maxCount);

class NetworkPicture : public QWidget {
    Q_OBJECT

public:
    explicit NetworkPicture(QWidget* parent = nullptr);

    void setSnapshot(std::shared_ptr<const NetworkSnapshot> snapshot);
    const NetworkSnapshot* snapshot() const { return shown.get(); }
    // The separators numbers are written with.
    void setNumberLocale(const NumberLocale& locale);

    // The size of the whole picture; the widget's own unless it says otherwise.
    virtual QSize pictureSize() const { return size(); }
    // Draws the whole picture with its top-left corner at (0, 0), white ground included.
    virtual void draw(QPainter& painter) const = 0;
    // The picture as an image at the screen's pixel density (for printing, saving, tests).
    QImage picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // A new snapshot (or other change) has come: recompute what depends on it.
    virtual void snapshotChanged() {}
    QString number(double value) const;        // shortest form
    QString statusNumber(double value) const;  // the status lines' two decimals

    std::shared_ptr<const NetworkSnapshot> shown;
    NumberLocale locale;
};

}  // namespace vantorelle
