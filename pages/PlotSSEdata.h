// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The SSE graph page: the learning curve of the current network, one bar per
// row of `SSEHistory` (the total SSE when the row was recorded) over the
// epoch count at that moment. The chart is a snapshot taken when the page
// opens; "Print The Graph" copies its picture to the clipboard and prints it.
//
// The bars stand on a value axis at 0, 1, 2, ... and their labels are placed
// on it one by one, rather than on Qt's category axis: that axis silently
// drops a repeated category (the last epoch of a run is recorded twice) and
// draws no labels at all when there are too many. With many bars only every
// so many bars carries a label, a round number of them, so the labels never
// overlap. The value axis ticks at round values too.
//
// The history keeps 2,000 rows; when the engine had to drop records, the
// chart says so ("Showing the first 2000 recorded points of N") in its
// corner, its tool tip and its accessible description.

#include "ScrollPage.h"
#include "ui_PlotSSEdata.h"

class QChart;

namespace vantorelle {

struct NetworkState;
class Printer;

class PlotSSEdata : public ScrollPage {
    Q_OBJECT

public:
    static constexpr DesignSize Design{10740, 9600};

    PlotSSEdata(const NetworkState& net, Printer& printer, QWidget* parent = nullptr);

    QChart* chart() const;
    // The label under each bar, left to right; empty where a label was left out.
    QStringList barLabels() const;
    // The chart's picture as it is printed and copied.
    QImage picture() const;

private:
    void buildChart();
    void noteDroppedRecords(QChart* chart, int rows);
    void print();

    Ui::PlotSSEdata ui;
    const NetworkState& net;
    Printer& printer;
};

}  // namespace vantorelle
