// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of the pictures of a network (its weights, its decisions, its
// error curve): a widget that draws one NetworkSnapshot and can draw the same
// picture on any painter, for printing and for saving as PNG or SVG.
//
// A picture is drawn in two layers: the ground (axes, legends, captions,
// frames: what stays while a run goes on) and the live layer (what each
// snapshot changes). On screen the ground is kept as a pixmap and drawn
// again only when what it shows changes (groundKey()), so that following a
// run at the refresh rate costs little of the processor the run shares with
// the window; printing and saving draw both layers afresh.
//
// The colours come from one diverging palette, dark blue for the most
// negative value through grey at zero to light orange for the most positive.
// Its lightness rises all the way, so a grey-scale print still tells negative
// from positive (dark from light), and blue against orange stays apart for
// the common kinds of colour blindness, which confuse red with green.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>
#include <functional>
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
// Relative luminance (0 black .. 1 white), as a grey-scale print sees a colour.
double luminance(const QColor& colour);

// Lines and markers that must be told apart (several runs' curves on one
// graph, classes of points): Okabe and Ito's eight colours, which stay apart
// for the three common colour-vision deficiencies, each with its own line
// style and marker shape so that a grey-scale print or a colour-blind eye
// still tells them apart. Index i wraps around after seriesCount().
enum class MarkerShape { Circle, Square, Triangle, Diamond, Cross, Plus, Star, InvertedTriangle };
int seriesCount();
QColor seriesColour(int index);
Qt::PenStyle seriesLineStyle(int index);
MarkerShape seriesMarker(int index);
// A marker's outline, centred on centre and reaching about radius from it,
// so that every shape covers much the same area.
QPainterPath markerPath(MarkerShape shape, QPointF centre, qreal radius);
}  // namespace ViewPalette

// Round values from lo to hi for an axis, at most about maxCount of them:
// whole multiples of 1, 2 or 5 times a power of ten, and of no smaller step
// than smallestStep (1 for a count of epochs).
std::vector<double> NiceTicks(double lo, double hi, int maxCount, double smallestStep = 0);

// A drawing kept as a pixmap at a widget's pixel density, drawn again only
// when its size, the density or its key changes, or after clear().
class LayerCache {
public:
    using Key = std::vector<double>;
    QPixmap& get(QSize size, qreal ratio, const Key& key, const std::function<void(QPainter&)>& paint);
    // Whether get() with these would keep the drawing it has.
    bool holds(QSize size, qreal ratio, const Key& key) const;
    void clear() { valid = false; }
    // How often it has been drawn.
    long draws() const { return drawn; }

private:
    QPixmap pixmap;
    Key lastKey;
    bool valid = false;
    long drawn = 0;
};

class NetworkPicture : public QWidget {
    Q_OBJECT

public:
    // What drawLayers() draws.
    enum Layer : unsigned {
        Ground = 1,
        Live = 2,
        OnScreen = 4,  // for the widget itself: caches may stand in for exact drawing
    };

    explicit NetworkPicture(QWidget* parent = nullptr);

    // Shows snapshot; a snapshot that changes nothing this picture draws is
    // kept without a repaint.
    void setSnapshot(std::shared_ptr<const NetworkSnapshot> snapshot);
    const NetworkSnapshot* snapshot() const { return shown.get(); }
    // The separators numbers are written with.
    void setNumberLocale(const NumberLocale& locale);

    // The size of the whole picture; the widget's own unless it says otherwise.
    virtual QSize pictureSize() const { return size(); }
    // The parts of a snapshot this picture draws (SnapshotParts).
    virtual unsigned partsDrawn() const = 0;
    // Draws the whole picture with its top-left corner at (0, 0), white ground included.
    void draw(QPainter& painter) const { drawLayers(painter, Ground | Live); }
    // The picture as an image at the screen's pixel density (for printing, saving, tests).
    QImage picture() const;
    // How often the ground has been drawn for the screen.
    long groundDraws() const { return ground.draws(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    // A new snapshot (or other change) has come: recompute what depends on it.
    virtual void snapshotChanged() {}
    // Whether going from before to after changes what this picture draws.
    virtual bool changesPicture(const NetworkSnapshot& before, const NetworkSnapshot& after) const;
    // Draws the layers asked for (Layer bits), with the top-left corner at (0, 0).
    virtual void drawLayers(QPainter& painter, unsigned layers) const = 0;
    // What the ground shows besides the size, the font and the number
    // separators: a different key draws it again.
    virtual LayerCache::Key groundKey() const = 0;
    // Adds to the screen's ground, kept from earlier repaints with the same
    // key, what has come since that it can hold (a curve's new rows).
    virtual void extendGround(QPixmap& /*layer*/) const {}
    // What must be repainted after going from before (null: nothing shown)
    // to the snapshot now shown; the whole picture unless a picture knows better.
    virtual QRegion repaintRegion(const NetworkSnapshot* /*before*/) const { return rect(); }
    // Whether the screen's ground drawn last still serves.
    bool groundKept() const;
    QString number(double value) const;        // shortest form
    QString statusNumber(double value) const;  // the status lines' two decimals

    std::shared_ptr<const NetworkSnapshot> shown;
    NumberLocale locale;

private:
    LayerCache ground;
};

}  // namespace vantorelle
