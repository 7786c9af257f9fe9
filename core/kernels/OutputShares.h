// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An epoch with the output units in shares, each share on a thread of its
// own. Each share is a network of its own: every input and pattern, and its
// outputs' weights, thresholds, units and desired outputs. It trains on the
// patterns in the run's order and measures its outputs' squared errors; the
// shares' results are then written back into the run's network and summed
// in the order one thread sums them (each pattern's errors in output order,
// the patterns in file order). An output's steps read nothing of another
// output, the value rule's overflow check included (it stops only the unit
// that overflows), so the weights, units, totals and messages are those of
// the one-thread run, bit for bit.

#include <vector>

#include "../LearningRules.h"
#include "../NetworkState.h"
#include "../WorkerCrew.h"
#include "SweepWorkspace.h"

namespace vantorelle {

class OutputShares {
public:
    // Splits net's outputs into `count` shares of nearly equal size (at most
    // one per output). The shares own the weights from here on: the run
    // changes them only through Epoch. They read net's patterns where they
    // are, so net must outlive them with its patterns as they are. The
    // first shares take over the workspaces in `bound`, bound to net's
    // patterns by the run so far: they lay out their outputs alone, not the
    // pattern tables again.
    OutputShares(const NetworkState& net, int count, std::vector<SweepWorkspace> bound = {});

    int Count() const { return static_cast<int>(shares.size()); }

    // One epoch in net.PatternOrder under rule, then the measurement of the
    // training set: net's weights, thresholds, units, TotalSSE and Hits as
    // TrainingSweep and EvaluateTrainingSet leave them. Answers Overflow
    // when the value rule overflowed in any share.
    RuleOutcome Epoch(NetworkState& net, RuleKind rule);

    // Whether every share's last sweep went the step rule's side-by-side
    // way, and the sums it kept for the outputs that took no step cover
    // most of the outputs (as SweepWorkspace::SweepSumsMostlyReusable).
    bool SweepSumsMostlyReusable() const;

    // The first share's workspace, its pattern tables bound, for the run
    // to go on without shares.
    SweepWorkspace TakeWorkspace() { return std::move(shares.front().work); }

private:
    struct Share {
        long first = 1;  // the network's output that is the share's output 1
        NetworkState part;
        SweepWorkspace work;
        RuleOutcome outcome = RuleOutcome::Updated;
        long hits = 0;
    };
    void Train(Share& share, const NetworkState& net, RuleKind rule);
    void WriteBack(NetworkState& net);

    std::vector<Share> shares;
    std::vector<double> patternSSE;
    WorkerCrew crew;
};

}  // namespace vantorelle
