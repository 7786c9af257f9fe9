// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExcelStuff.h"

namespace vantorelle {

namespace {

void BoldAndCentred(Spreadsheet& sheet, const std::string& name)
{
    const CellRange block = sheet.NamedRange(name);
    sheet.SetBold(block, true);
    sheet.SetAlignment(block, HorizontalAlign::Centre);
}

}  // namespace

std::string NumberedLabel(const std::string& prefix, long n)
{
    // The sign's place is a blank for the counts written here, which are never negative.
    return prefix + (n < 0 ? "-" : " ") + std::to_string(n < 0 ? -n : n);
}

void WriteColumnLabels(Spreadsheet& sheet, const std::string& name, const std::string& prefix, long n)
{
    sheet.SetText({1, 1}, "Pattern");
    for (long c = 1; c <= n; ++c)
        sheet.SetText({1, c + 1}, NumberedLabel(prefix, c));
    sheet.NameRange(name, {{1, 1}, {1, n + 1}});
    BoldAndCentred(sheet, name);
}

void WriteRowLabels(Spreadsheet& sheet, const std::string& name, const std::string& prefix, long n)
{
    for (long r = 1; r <= n; ++r)
        sheet.SetText({r + 1, 1}, NumberedLabel(prefix, r));
    sheet.NameRange(name, {{2, 1}, {n + 1, 1}});
    BoldAndCentred(sheet, name);
}

void WriteWeightRowLabels(Spreadsheet& sheet, const std::string& name, const std::string& prefix, long n)
{
    sheet.SetText({2, 1}, "Type");
    sheet.SetText({3, 1}, " Bias");
    for (long r = 1; r <= n; ++r)
        sheet.SetText({r + 3, 1}, NumberedLabel(prefix, r));
    sheet.NameRange(name, {{2, 1}, {n + 3, 1}});
    BoldAndCentred(sheet, name);
}

}  // namespace vantorelle
