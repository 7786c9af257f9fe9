#include "NetworkSnapshot.h"

#include <algorithm>
#include <cstring>

#include "LearningRules.h"

namespace vantorelle {

bool NetworkSnapshot::hasWeights() const
{
    if (!patterns)
        return false;
    return Weights.Rows() == patterns->NumInputs && Weights.Cols() == patterns->NumOutputs && !Weights.Empty() &&
           static_cast<long>(Thresholds.size()) == patterns->NumOutputs + 1;
}

std::shared_ptr<const SnapshotPatterns> CopyPatterns(const NetworkState& net)
{
    auto copy = std::make_shared<SnapshotPatterns>();
    copy->TrainingFileName = net.TrainingFileName;
    copy->NumInputs = net.NumInputs;
    copy->NumOutputs = net.NumOutputs;
    copy->NumPatterns = net.NumPatterns;
    copy->NumResponses = net.NumResponses;
    copy->InputPatterns = net.InputPatterns;
    copy->DesiredOutputs = net.DesiredOutputs;
    copy->LearningRule = net.LearningRule;
    copy->MinError = net.MinError;
    return copy;
}

bool SameWeights(const NetworkSnapshot& a, const NetworkSnapshot& b)
{
    const Matrix& x = a.Weights;
    const Matrix& y = b.Weights;
    if (x.Rows() != y.Rows() || x.Cols() != y.Cols() || x.Empty() != y.Empty() || a.Thresholds.size() != b.Thresholds.size())
        return false;
    // Bits, not values: a NaN that stays is no change.
    const std::size_t stored = x.Empty() ? 0 : static_cast<std::size_t>(x.Rows() + 1) * static_cast<std::size_t>(x.Cols() + 1);
    return std::memcmp(x.Row(0), y.Row(0), stored * sizeof(double)) == 0 &&
           std::memcmp(a.Thresholds.data(), b.Thresholds.data(), a.Thresholds.size() * sizeof(double)) == 0;
}

void CopyProgress(const NetworkState& net, NetworkSnapshot& snapshot, unsigned parts)
{
    snapshot.parts = parts;
    if (parts & SnapshotParts::Weights) {
        snapshot.Weights = net.Weights;
        // Units are sized together with the weights; before that there are none.
        const std::size_t units = net.OutputUnits.size();
        snapshot.Thresholds.resize(units);
        for (std::size_t k = 0; k < units; ++k)
            snapshot.Thresholds[k] = net.OutputUnits[k].Threshold;
    } else {
        snapshot.Weights = Matrix();
        snapshot.Thresholds.clear();
    }
    snapshot.EpochCount = net.EpochCount;
    snapshot.TotalSSE = net.TotalSSE;
    snapshot.Hits = net.Hits;
    if (parts & SnapshotParts::History) {
        const int rows = std::clamp(net.SSERecordCount, 0, MaxHistoryRows);
        snapshot.History.assign(net.SSEHistory.begin() + 1, net.SSEHistory.begin() + 1 + rows);
    } else {
        snapshot.History.clear();
    }
}

NetworkSnapshot TakeSnapshot(const NetworkState& net)
{
    NetworkSnapshot snapshot;
    snapshot.patterns = CopyPatterns(net);
    CopyProgress(net, snapshot);
    return snapshot;
}

UnitKind DrawnUnitKind(const std::string& rule)
{
    const UnitKind kind = UnitKindForRule(RuleKindFromName(rule));
    return kind == UnitKind::None ? UnitKind::Binary : kind;
}

}  // namespace vantorelle
