// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasureAside.h"

#include "../Response.h"
#include "../TrainingEngine.h"
#include "TrainingSweep.h"

namespace vantorelle {

namespace {

// What a sweep changes and the measurement reads: the weights, the output
// units (thresholds and kinds) and the order (the measurement presents the
// last pattern's inputs itself).
void TakeSweep(NetworkState& to, const NetworkState& from)
{
    to.Weights = from.Weights;
    to.OutputUnits = from.OutputUnits;
    to.PatternOrder = from.PatternOrder;
}

}  // namespace

bool MeasureAside::SweepSumsReusable() const { return aheadWork.SweepSumsMostlyReusable(); }

bool MeasureAside::SweepingSideBySide(RuleKind rule) const
{
    return aheadWork.sideBySide && SweepsSideBySide(ahead, rule, aheadWork);
}

bool MayMeasureAside(const NetworkState& net, const Random& random)
{
    return !net.RandomizeOrder || random.State().has_value();
}

MeasureAside::MeasureAside(NetworkState& net) : ahead(CopyBorrowingPatterns(net)) {}

void MeasureAside::PrepareAhead(const NetworkState& net)
{
    // The settings and unit kinds the run's next epoch will have.
    static_cast<TrainingSettings&>(ahead) = net;
    for (long k = 1; k <= net.NumOutputs; ++k)
        ahead.OutputUnits[static_cast<std::size_t>(k)].UnitType = net.OutputUnits[static_cast<std::size_t>(k)].UnitType;
}

void MeasureAside::SweepAhead(RuleKind rule, Random& random)
{
    ShufflePatterns(ahead, random);
    aheadOutcome = TrainingSweep(ahead, rule, aheadWork);
}

RuleOutcome MeasureAside::Epoch(NetworkState& net, RuleKind rule, Random& random, bool nextMayFollow)
{
    if (!swept) {
        TakeSweep(ahead, net);
        PrepareAhead(net);
        SweepAhead(rule, random);
    }
    swept = false;
    beforeDraw.reset();
    TakeSweep(net, ahead);
    const RuleOutcome outcome = aheadOutcome;
    if (!nextMayFollow) {
        EvaluateTrainingSet(net, measureWork);
        return outcome;
    }
    if (net.RandomizeOrder)
        beforeDraw = random.State();
    PrepareAhead(net);
    // The two touch nothing in common: the sweep only the copy and the
    // generator, the measurement only the run's network.
    crew.Run([&](int share) {
        if (share == 0)
            SweepAhead(rule, random);
        else
            EvaluateTrainingSet(net, measureWork);
    });
    swept = true;
    return outcome;
}

void MeasureAside::Abandon(Random& random)
{
    if (swept && beforeDraw)
        random.Restore(*beforeDraw);
    swept = false;
    beforeDraw.reset();
}

}  // namespace vantorelle
