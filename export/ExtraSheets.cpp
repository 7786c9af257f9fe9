// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtraSheets.h"

#include <algorithm>

namespace vantorelle {

namespace {

constexpr const char* Percent = "0.00%";

bool AnyRan(const std::vector<SeedOutcome>& seeds)
{
    return std::any_of(seeds.begin(), seeds.end(), [](const SeedOutcome& o) { return o.Ran; });
}

void Label(Spreadsheet& book, CellRef cell, const std::string& text)
{
    book.SetText(cell, text);
    book.SetBold({cell, cell}, true);
}

// One file's block from `row` on; answers the first row after it.
long ConfusionBlock(Spreadsheet& book, const FileConfusion& file, long row)
{
    const Confusion& counts = file.Counts;
    const long outputs = static_cast<long>(counts.UnitHits.size()) - 1;
    Label(book, {row, 1}, file.TrainingFile ? "Training file" : "Tested on");
    book.SetText({row, 2}, file.FileName);
    row += 1;
    Label(book, {row, 1}, "Unit");
    Label(book, {row, 2}, "Hits");
    Label(book, {row, 3}, "Misses");
    for (long k = 1; k <= outputs; ++k) {
        book.SetInteger({row + k, 1}, k);
        book.SetInteger({row + k, 2}, counts.UnitHits[k]);
        book.SetInteger({row + k, 3}, counts.UnitMisses[k]);
    }
    row += outputs + 2;
    if (!counts.OneHot)
        return row;
    Label(book, {row, 1}, "Wanted \\ Answered");
    for (long answered = 1; answered <= outputs; ++answered)
        Label(book, {row, answered + 1}, std::to_string(answered));
    for (long wanted = 1; wanted <= outputs; ++wanted) {
        Label(book, {row + wanted, 1}, std::to_string(wanted));
        for (long answered = 1; answered <= outputs; ++answered)
            book.SetInteger({row + wanted, answered + 1}, counts.Counts[wanted][answered]);
    }
    row += outputs + 1;
    Label(book, {row, 1}, "Right");
    book.SetInteger({row, 2}, counts.Right);
    Label(book, {row + 1, 1}, "Patterns");
    book.SetInteger({row + 1, 2}, counts.Patterns);
    Label(book, {row + 2, 1}, "Accuracy");
    book.SetNumber({row + 2, 2}, counts.Accuracy());
    book.SetNumberFormat({{row + 2, 2}, {row + 2, 2}}, Percent);
    return row + 4;
}

void ConfusionSheet(Spreadsheet& book, const std::vector<FileConfusion>& files)
{
    book.AppendSheet();
    book.RenameActiveSheet(ConfusionSheetName);
    long row = 1;
    for (const FileConfusion& file : files)
        row = ConfusionBlock(book, file, row);
    book.SetColumnWidth({{1, 1}, {1, 1}}, 18);
}

void SeedsSheet(Spreadsheet& book, const std::vector<SeedOutcome>& seeds, const std::string& summary)
{
    book.AppendSheet();
    book.RenameActiveSheet(SeedsSheetName);
    const char* headers[] = {"Seed", "Epochs", "All Hits", "Total SSE", "Hits", "Responses"};
    for (long c = 0; c < 6; ++c)
        Label(book, {1, c + 1}, headers[c]);
    long row = 2;
    for (const SeedOutcome& o : seeds) {
        if (!o.Ran)
            continue;
        // A seed past 2^53 would lose its last digits as a number.
        if (o.Seed <= (std::uint64_t{1} << 53))
            book.SetInteger({row, 1}, static_cast<long long>(o.Seed));
        else
            book.SetText({row, 1}, std::to_string(o.Seed));
        book.SetInteger({row, 2}, o.Epochs);
        book.SetText({row, 3}, o.AllHits ? "yes" : "no");
        book.SetNumber({row, 4}, o.TotalSSE);
        book.SetInteger({row, 5}, o.Hits);
        book.SetInteger({row, 6}, o.Responses);
        ++row;
    }
    if (!summary.empty())
        book.SetText({row + 1, 1}, summary);
    book.SetColumnWidth({{1, 1}, {1, 6}}, 12);
}

}  // namespace

bool WorkbookExtras::Empty() const { return Confusions.empty() && !AnyRan(Seeds); }

void AppendExtraSheets(Spreadsheet& book, const WorkbookExtras& extras)
{
    if (!extras.Confusions.empty())
        ConfusionSheet(book, extras.Confusions);
    if (AnyRan(extras.Seeds))
        SeedsSheet(book, extras.Seeds, extras.SeedsSummary);
}

}  // namespace vantorelle
