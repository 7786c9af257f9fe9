// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A learning curve as a screen reader reads it: a table of two columns,
// the epoch and the total SSE, one row per point drawn. A picture of a
// curve says nothing to a student who cannot see it; the same values as a
// table can be read row by row with the reader's table commands.
//
// readAsHistoryTable(widget, rows) makes the widget's accessible interface
// such a table; rows is asked each time the reader looks, so the table
// always holds what the picture shows, and so is locale for the numbers'
// separators. The cells' texts are the numbers as the program writes them.

#include <QWidget>
#include <functional>
#include <vector>

#include "NetworkState.h"
#include "NumberFormat.h"

namespace vantorelle {

using HistoryRows = std::function<std::vector<HistoryRow>()>;

using HistoryLocale = std::function<NumberLocale()>;

void readAsHistoryTable(QWidget* widget, HistoryRows rows, HistoryLocale locale);

}  // namespace vantorelle
