// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptRun.h"

#include <algorithm>

namespace vantorelle {

void EpochCurve::Add(double epoch, double sse)
{
    if (!kept.empty() && epoch - kept.back().Epochs < spacing) {
        latest = HistoryRow{epoch, sse};
        return;
    }
    kept.push_back({epoch, sse});
    latest.reset();
    if (kept.size() < MaxCurvePoints)
        return;
    // Every other point from the first, so the spacing stays even; the one
    // that goes last stays in sight as the latest.
    std::vector<HistoryRow> thinned;
    thinned.reserve(kept.size() / 2 + 1);
    for (std::size_t i = 0; i < kept.size(); i += 2)
        thinned.push_back(kept[i]);
    if (kept.size() % 2 == 0)
        latest = kept.back();
    kept = std::move(thinned);
    spacing *= 2;
}

std::vector<HistoryRow> EpochCurve::Points() const
{
    std::vector<HistoryRow> points = kept;
    if (latest)
        points.push_back(*latest);
    return points;
}

void RunTrace::EpochEnded(const EpochReport& report)
{
    Curve.Add(static_cast<double>(report.Epoch), report.TotalSSE);
    if (!EpochsToAllHits && report.Responses > 0 && report.Hits == report.Responses)
        EpochsToAllHits = report.Epoch;
}

void RunTrace::Append(const RunTrace& later)
{
    for (const HistoryRow& point : later.Curve.Points())
        Curve.Add(point.Epochs, point.SSE);
    if (!EpochsToAllHits)
        EpochsToAllHits = later.EpochsToAllHits;
}

std::optional<std::uint64_t> KeptRun::Seed() const
{
    if (!Saved.random)
        return std::nullopt;
    return Saved.random->seed;
}

std::string RunDescription(const KeptRun& run, const NumberLocale& locale)
{
    const NetworkState& net = run.Saved.net;
    std::string text = std::string(RuleName(net.LearningRule)) + ", rate " + FormatGeneral(net.LearningRate, locale);
    if (const auto seed = run.Seed())
        text += ", seed " + std::to_string(*seed);
    return text;
}

std::string DefaultRunName(const KeptRun& run, int number, const NumberLocale& locale)
{
    return "Run " + std::to_string(number) + ": " + RunDescription(run, locale);
}

std::string EpochsToAllHitsText(const KeptRun& run)
{
    return run.Trace.EpochsToAllHits ? FormatWhole(*run.Trace.EpochsToAllHits) : std::string("not reached");
}

namespace {

std::string StartRange(double low, double high, StartSign sign, const NumberLocale& locale)
{
    return FormatGeneral(low, locale) + " to " + FormatGeneral(high, locale) + ", " + SignName(sign);
}

using Cell = std::string (*)(const KeptRun&, const NumberLocale&);

struct RowSource {
    const char* label;
    Cell cell;
    bool result;
};

const RowSource Rows[] = {
    {"Training file", [](const KeptRun& r, const NumberLocale&) { return r.Saved.net.TrainingFileName; }, false},
    {"Learning rule", [](const KeptRun& r, const NumberLocale&) { return std::string(RuleName(r.Saved.net.LearningRule)); }, false},
    {"Learning rate", [](const KeptRun& r, const NumberLocale& l) { return FormatGeneral(r.Saved.net.LearningRate, l); }, false},
    {"Hit criterion", [](const KeptRun& r, const NumberLocale& l) { return FormatGeneral(r.Saved.net.MinError, l); }, false},
    {"Epoch limit",
     [](const KeptRun& r, const NumberLocale&) {
         return r.Saved.net.StopAtMaxEpochs ? FormatWhole(r.Saved.net.EpochLimit) : std::string("none");
     },
     false},
    {"Stop at all hits",
     [](const KeptRun& r, const NumberLocale&) { return std::string(r.Saved.net.StopWhenAllHits ? "yes" : "no"); }, false},
    {"Pattern order",
     [](const KeptRun& r, const NumberLocale&) { return std::string(r.Saved.net.RandomizeOrder ? "random" : "file order"); },
     false},
    {"Thresholds",
     [](const KeptRun& r, const NumberLocale&) { return std::string(r.Saved.net.FreezeThresholds ? "held" : "trained"); },
     false},
    {"Weight starts",
     [](const KeptRun& r, const NumberLocale& l) {
         const NetworkState& n = r.Saved.net;
         return StartRange(n.WeightMin, n.WeightMax, n.WeightSign, l);
     },
     false},
    {"Threshold starts",
     [](const KeptRun& r, const NumberLocale& l) {
         const NetworkState& n = r.Saved.net;
         return StartRange(n.ThresholdMin, n.ThresholdMax, n.ThresholdSign, l);
     },
     false},
    {"Display every", [](const KeptRun& r, const NumberLocale&) { return FormatWhole(r.Saved.net.PrintSweeps); }, false},
    {"Seed",
     [](const KeptRun& r, const NumberLocale&) {
         const auto seed = r.Seed();
         return seed ? std::to_string(*seed) : std::string("unknown");
     },
     false},
    {"Epochs trained", [](const KeptRun& r, const NumberLocale&) { return FormatWhole(r.Saved.net.EpochCount); }, true},
    {"Epochs to all hits", [](const KeptRun& r, const NumberLocale&) { return EpochsToAllHitsText(r); }, true},
    {"Total SSE", [](const KeptRun& r, const NumberLocale& l) { return FormatGeneral(r.Saved.net.TotalSSE, l); }, true},
    {"Hits",
     [](const KeptRun& r, const NumberLocale&) {
         return FormatWhole(r.Saved.net.Hits) + " of " + FormatWhole(r.Saved.net.NumResponses);
     },
     true},
};

}  // namespace

std::vector<SideBySideRow> SideBySide(const std::vector<const KeptRun*>& runs, const NumberLocale& locale)
{
    std::vector<SideBySideRow> table;
    for (const RowSource& source : Rows) {
        SideBySideRow row;
        row.Label = source.label;
        row.Result = source.result;
        for (const KeptRun* run : runs)
            row.Values.push_back(source.cell(*run, locale));
        row.Differs = std::adjacent_find(row.Values.begin(), row.Values.end(), std::not_equal_to<>()) !=
                      row.Values.end();
        table.push_back(std::move(row));
    }
    return table;
}

}  // namespace vantorelle
