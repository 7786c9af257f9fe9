// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Each output unit's input weights as a grid of coloured cells, a thin white
// line between neighbours, laid out as a picture so many cells wide (a 5 x 7
// letter shows as the letter the unit has learned), with the unit's threshold
// in a separate cell to its right and a legend of the colours above. One
// colour scale serves every cell: the largest weight or threshold in size
// sets its ends. Or, with each unit's own contrast, a unit's cells run from
// its lowest weight (darkest) to its highest (lightest): a unit trained to
// tell its letter from the others has mostly negative weights, and only its
// own range shows the letter's shape.
//
// Pointing at a cell, or moving to it with the arrow keys (Page Up and Page
// Down go from unit to unit), tells which input and unit it belongs to and
// its weight, through cellDescribed().

#include <QRect>
#include <vector>

#include "NetworkPicture.h"

namespace vantorelle {

class WeightsView : public NetworkPicture {
    Q_OBJECT

public:
    explicit WeightsView(QWidget* parent = nullptr);

    // Cells across each unit's picture (at least 1).
    void setPictureWidth(int cells);
    int pictureWidth() const { return across; }
    // The area the picture is seen in, and how wide a vertical scroll bar
    // in it is: units flow into rows within the width the bar leaves, the
    // cells are as large as lets every unit fit the height, and the picture
    // fills the area where it is smaller.
    void setRoom(QSize area, int scrollBarExtent);

    QSize pictureSize() const override;
    unsigned partsDrawn() const override { return SnapshotParts::Weights; }

    // Where the weight from input i to output k is drawn (i from 1), and the
    // threshold of output k; empty when there is no such cell.
    QRect cellRect(long k, long i) const;
    QRect thresholdRect(long k) const;
    int cellSize() const { return cell; }
    // The value both ends of the colour scale stand for (+ and -).
    double scaleEnd() const { return scale; }
    // Each unit's weights on a range of their own (thresholds keep the shared scale).
    void setOwnContrast(bool on);
    bool ownContrast() const { return ownRange; }
    // What the current cell (keyboard) shows; empty when none.
    QString currentDescription() const;

    // "Output 3, input 12: weight 1.25", "Output 3: threshold -0.50".
    QString describe(long k, long i) const;

signals:
    void cellDescribed(const QString& text);

protected:
    void snapshotChanged() override;
    bool changesPicture(const NetworkSnapshot& before, const NetworkSnapshot& after) const override;
    void drawLayers(QPainter& painter, unsigned layers) const override;
    LayerCache::Key groundKey() const override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Hit {
        long k = 0;
        long i = -1;  // 0: the threshold; -1: nothing
    };
    void relayout();
    Hit hitAt(const QPoint& point) const;
    QPoint unitOrigin(long k) const;  // top-left of unit k's cells
    QRect cellFill(long i, const QRect& cellArea) const;  // the coloured part of input i's cell
    void moveCurrent(long dk, long di, long dRow);
    void drawLegend(QPainter& painter, unsigned layers) const;
    void drawUnits(QPainter& painter, unsigned layers) const;
    long inputs() const;
    long outputs() const;
    // Where on the palette (-1 .. +1) the weight w of unit k lies.
    double weightShade(long k, double w) const;

    int across = 1;
    QSize room{400, 300};
    int barExtent = 0;
    // Computed by relayout():
    int cell = 12;
    int unitsPerRow = 1;
    int blockWidth = 0;
    int blockHeight = 0;
    double scale = 1;
    bool ownRange = false;
    std::vector<double> lowest, highest;  // by unit, from 1, with ownRange
    Hit current;  // the keyboard's cell
};

}  // namespace vantorelle
