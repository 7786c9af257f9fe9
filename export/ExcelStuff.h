// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The label blocks of the spreadsheet summary: a header row of column
// labels, a column of row labels, and the row labels of the weights sheet.
// Each routine writes its block on the active sheet, gives the block the
// name passed in, then makes the named block bold and centred.

#include <string>

#include "Spreadsheet.h"

namespace vantorelle {

// The prefix and the number written with one leading blank for its sign:
// "IN " and 1 give "IN  1".
std::string NumberedLabel(const std::string& prefix, long n);

// A1 "Pattern", B1 onwards prefix 1 to n; the name covers A1 to column n+1.
void WriteColumnLabels(Spreadsheet& sheet, const std::string& name, const std::string& prefix, long n);

// A2 to A(n+1): prefix 1 to n; the name covers them.
void WriteRowLabels(Spreadsheet& sheet, const std::string& name, const std::string& prefix, long n);

// A2 "Type", A3 " Bias", A4 to A(n+3): prefix 1 to n; the name covers A2 to A(n+3).
void WriteWeightRowLabels(Spreadsheet& sheet, const std::string& name, const std::string& prefix, long n);

}  // namespace vantorelle
