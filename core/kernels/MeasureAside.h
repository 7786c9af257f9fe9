// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Epochs whose measurement runs beside the next epoch's sweep (see
// RunThreads.h). The sweeps go on a copy of the network that runs ahead;
// the run's own network takes each epoch's sweep from it when the run gets
// there and is measured on a second thread while the copy sweeps the next
// epoch. The copy draws that epoch's presentation order from the run's
// generator; when the run ends instead, Abandon() takes the draw back, so
// the generator stands where a one-thread run leaves it.

#include <optional>
#include <utility>

#include "../LearningRules.h"
#include "../NetworkState.h"
#include "../Random.h"
#include "../WorkerCrew.h"
#include "SweepWorkspace.h"

namespace vantorelle {

class MeasureAside {
public:
    // The copy starts from net's weights, thresholds, units and settings,
    // and reads net's patterns where they are: net must outlive it with its
    // patterns as they are.
    explicit MeasureAside(NetworkState& net);

    // One epoch of net under rule, its presentation order drawn from random
    // (unless the sweep ahead drew it already): the sweep, then the
    // measurement, leaving net as TrainingSweep and EvaluateTrainingSet
    // would. With `nextMayFollow` the next epoch's sweep goes on beside the
    // measurement. Answers the sweep's outcome.
    RuleOutcome Epoch(NetworkState& net, RuleKind rule, Random& random, bool nextMayFollow);

    // The run ends (or goes on another way): the sweep done ahead, if any,
    // is dropped and its draws are taken back from random.
    void Abandon(Random& random);

    // Whether the last sweep went the step rule's side-by-side way and left
    // the sums of most outputs (those that took no step) for a measurement
    // on the same thread to reuse.
    bool SweepSumsReusable() const;

    // The sweeps' workspace, its pattern tables bound, for a run that goes
    // on without measuring aside (after Abandon): binding them again costs
    // tens of milliseconds on the larger networks.
    SweepWorkspace TakeSweepWorkspace() { return std::move(aheadWork); }
    SweepWorkspace TakeMeasureWorkspace() { return std::move(measureWork); }

    // Whether the last sweep went the step rule's side-by-side way, and the
    // next goes so too.
    bool SweepingSideBySide(RuleKind rule) const;

private:
    void PrepareAhead(const NetworkState& net);
    void SweepAhead(RuleKind rule, Random& random);

    NetworkState ahead;
    SweepWorkspace aheadWork;
    SweepWorkspace measureWork;
    WorkerCrew crew{2};
    bool swept = false;  // ahead holds the sweep of the run's next epoch
    RuleOutcome aheadOutcome = RuleOutcome::Updated;
    std::optional<RandomState> beforeDraw;  // random before ahead's draw
};

// Whether a run may measure aside with this generator: its draws can be
// taken back, or the run draws none.
bool MayMeasureAside(const NetworkState& net, const Random& random);

}  // namespace vantorelle
