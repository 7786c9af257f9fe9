// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A finished run kept for comparing with the others of the same sitting: its
// settings, weights, patterns and generator as a saved network (so it can be
// written as a ".vnet" file as it stands), its total SSE after every epoch,
// and the first epoch at which every response was a hit.
//
// The network state's own history records the SSE only every so many epochs
// (the display interval), which makes two runs with different intervals hard
// to lay over each other; the curve here has every epoch, thinned evenly only
// past MaxCurvePoints so that a run of millions of epochs stays small.

#include <optional>
#include <string>
#include <vector>

#include "NetworkState.h"
#include "NumberFormat.h"
#include "RunObserver.h"
#include "SavedNetwork.h"

namespace vantorelle {

class EpochCurve {
public:
    static constexpr std::size_t MaxCurvePoints = 100000;

    // The total SSE after `epoch`; epochs come in rising order. Past
    // MaxCurvePoints every other point goes and the spacing doubles; the
    // latest point is always kept.
    void Add(double epoch, double sse);
    // Every point kept, the latest last.
    std::vector<HistoryRow> Points() const;
    bool Empty() const { return kept.empty(); }
    // Epochs between two kept points (1 until the curve was thinned).
    double Spacing() const { return spacing; }

private:
    std::vector<HistoryRow> kept;
    std::optional<HistoryRow> latest;  // after the last kept point, closer than the spacing
    double spacing = 1;
};

// What a run's epochs tell: the curve and when all hits came first.
struct RunTrace {
    EpochCurve Curve;
    std::optional<long> EpochsToAllHits;  // the network's epoch count then

    void EpochEnded(const EpochReport& report);
    // Goes on with a later run of the same network.
    void Append(const RunTrace& later);
};

struct KeptRun {
    std::string Name;
    SavedNetwork Saved;  // the network as the run left it, with the page's boxes and generator
    RunTrace Trace;

    std::optional<std::uint64_t> Seed() const;
};

// "Delta, rate 0.5, seed 12" (no seed: "seed from the clock" is not known, so
// it is left out): what a legend and a default name say of a run.
std::string RunDescription(const KeptRun& run, const NumberLocale& locale);
// The name a run is kept under until the user renames it: "Run 3: " and its description.
std::string DefaultRunName(const KeptRun& run, int number, const NumberLocale& locale);
// "not reached", or the epoch count.
std::string EpochsToAllHitsText(const KeptRun& run);

// One line of the settings and results of several runs side by side.
struct SideBySideRow {
    std::string Label;
    std::vector<std::string> Values;  // one per run, in the runs' order
    bool Differs = false;             // not every value is the same
    bool Result = false;              // an outcome of the run rather than a setting
};

// The runs' settings, then their outcomes, as the compare page and its
// tests see them; a value that differs between runs marks its row.
std::vector<SideBySideRow> SideBySide(const std::vector<const KeptRun*>& runs, const NumberLocale& locale);

}  // namespace vantorelle
