// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The patterns of a two-input set drawn as points on the input plane, for a
// person to edit with the mouse: a click on an empty place adds a point with
// the chosen class's desired outputs, a drag moves a point, a right-click or
// Delete removes one. The points are the set table's rows, so every edit is
// a step on the table's undo stack and the table and the drawing always
// show the same set.
//
// A class is a choice of desired outputs: with one output, class 0 wants 0
// and class 1 wants 1; with more, class k wants 1 from output k + 1 and 0
// from the others (one-hot). Points are coloured and shaped by their class,
// so a grey-scale print or a colour-blind eye still tells them apart.
//
// Under the points the plane may show a network's answer (one output unit,
// shaded by its activation, with its boundary), when the program has one
// whose inputs and outputs fit the set.
//
// The plane keeps its range while points are drawn in it, so nothing moves
// under the mouse; it fits the points anew when one lies outside or when
// the set is replaced by something other than the drawing.

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <vector>

#include "DecisionView.h"
#include "NumberFormat.h"

namespace vantorelle {

class SetTable;

class SetDrawing : public QWidget {
    Q_OBJECT

public:
    SetDrawing(SetTable& table, const NumberLocale& locale, QWidget* parent = nullptr);

    // Why nothing can be drawn for this set (it has no two inputs); empty when it can.
    QString refusal() const;

    // The classes the set's outputs allow, and the one new points get (from 0).
    int classCount() const;
    int drawClass() const { return chosenClass; }
    void setDrawClass(int index);
    // The desired outputs of a point of class index.
    std::vector<double> classOutputs(int index) const;
    // The class a row's desired outputs are nearest to.
    int classOf(int row) const;
    // "desired output 1", "class 2 (output 2 is 1)".
    QString className(int index) const;

    // The network's output units shaded under the points, one per output,
    // and its hit criterion (a squared error below it is a hit); no units:
    // no network fits.
    void setUnits(std::vector<PlaneUnit> units, double minError = 0);
    bool showsNetwork() const;
    // The unit shaded: the chosen class's output, output 1 for one output.
    int shadedUnit() const;
    // Whether the shaded unit misses the point of a row (its squared error is not below the criterion).
    bool missed(int row) const;

    const PlaneRange& range() const { return plane; }
    QRect plotRect() const;
    QPointF toPixel(double x1, double x2) const;
    // A pixel's place on the plane, rounded to a step finer than a pixel.
    QPointF toPlane(QPointF pixel) const;
    // The point under a pixel (the topmost), or -1.
    int pointAt(QPointF pixel) const;
    int selectedPoint() const { return selected; }

signals:
    // The set's inputs or outputs changed in number: the classes may be others,
    // and a network that fitted may no longer (nor one that did not, now).
    void classesChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setChanged(bool replaced);
    void fitRange();
    bool allInside() const;
    const QImage& shading() const;
    void drawAxes(QPainter& painter) const;
    void drawNetwork(QPainter& painter) const;
    void drawPoints(QPainter& painter) const;
    void drawKey(QPainter& painter) const;
    void remove(int row);

    SetTable& table;
    NumberLocale locale;
    PlaneRange plane;
    std::vector<PlaneUnit> units;
    double hitCriterion = 0;
    int chosenClass = 1;
    QPoint knownShape{-1, -1};  // inputs and outputs the classes were made for
    int selected = -1;
    // A drag: the point held, its drag number, whether it has moved yet.
    int dragged = -1;
    int dragNumber = 0;
    bool ownEdit = false;  // the drawing is changing the table
    mutable QImage shadingImage;
    mutable std::vector<double> shadingKey;
};

}  // namespace vantorelle
