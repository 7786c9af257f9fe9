// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusLines.h"

#include "NetworkState.h"

namespace vantorelle {

namespace {

StatusLines CountLines(long epochs, double totalSSE, long hits, long responses, const NumberLocale& locale)
{
    StatusLines lines;
    lines.Epochs = "Epochs: " + FormatWhole(epochs);
    lines.TotalSSE = "Total SSE: " + FormatStandard(totalSSE, locale);
    lines.Hits = "  Hits: " + FormatStandard(static_cast<double>(hits), locale);
    lines.Misses = "Misses: " + FormatStandard(static_cast<double>(responses - hits), locale);
    return lines;
}

StatusColour HitsColour(long hits, long responses)
{
    return hits == responses ? StatusColour::Green : StatusColour::Red;
}

}  // namespace

StatusLines StatusLinesFor(const EpochReport& report, const NumberLocale& locale)
{
    StatusLines lines = CountLines(report.Epoch, report.TotalSSE, report.Hits, report.Responses, locale);
    const std::string change = "Change in SSE: " + FormatScientific(report.Change, locale);
    if (report.Final) {
        if (report.Epoch > 1)
            lines.Change = change;
        lines.HitsColour = HitsColour(report.Hits, report.Responses);
    } else if (report.Epoch != 1) {
        lines.Change = change;
        lines.ChangeColour = report.Change >= 0 ? StatusColour::Green : StatusColour::Red;
    }
    return lines;
}

StatusLines ResultLines(const NetworkState& net, const NumberLocale& locale)
{
    return CountLines(net.EpochCount, net.TotalSSE, net.Hits, net.NumResponses, locale);
}

StatusLines TrainedLines(const NetworkState& net, const NumberLocale& locale)
{
    StatusLines lines = ResultLines(net, locale);
    lines.HitsColour = HitsColour(net.Hits, net.NumResponses);
    return lines;
}

}  // namespace vantorelle
