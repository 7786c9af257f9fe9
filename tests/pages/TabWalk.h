// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page walked with the Tab key, against the order a reader takes it in.
//
// The stops are every enabled, shown control that Tab can reach; a group of
// options counts once (Tab enters the group, the arrows move within it). The
// reading order follows from the controls' places on the page: rows from top
// to bottom, each row left to right, two controls sharing a row when they
// overlap by at least half the height of the smaller. A unit (a column, say) is read
// whole where it stands, and in the same way inside.

#include <QRect>
#include <QString>
#include <vector>

class QWidget;

namespace vantorelle::testing {

struct TabStop {
    QString name;  // the control's name; a group of options by its first option's
    QRect area;    // in page coordinates
    std::vector<const QWidget*> controls;
};

// A part of a page read whole: the area spanned by the named controls.
struct ReadingUnit {
    std::vector<const char*> spannedBy;
};

std::vector<TabStop> TabStops(const QWidget* page);

// The stops in reading order, or a note naming a unit's missing control.
std::vector<TabStop> InReadingOrder(std::vector<TabStop> stops, const QWidget* page,
                                    const std::vector<ReadingUnit>& units, QString* problem);

// Starts on the first stop and presses Tab (forward) or Shift+Tab once per
// stop; the names of the stops reached, the last being where it started when
// Tab comes back around. An empty string stands for the focus leaving the
// page, a control's own name for one that is no stop.
std::vector<QString> WalkTab(QWidget* page, const std::vector<TabStop>& order, bool forward);

}  // namespace vantorelle::testing
