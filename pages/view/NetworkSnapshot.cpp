// SPDX-License-Identifier: GPL-3.0-or-later
#include "NetworkSnapshot.h"

#include <algorithm>
#include <cstring>

#include "LearningRules.h"

namespace vantorelle {

namespace {

// A run sets its units' kind before its first epoch and starts a history at
// epoch 0, so results left from another network show as units sized anew
// (kind unset, or sizes of another file) or as a history that goes past the
// epochs counted (a generalization file restarts them at 0).
bool ResultsDescribeNetwork(const NetworkState& net)
{
    const auto units = static_cast<std::size_t>(std::max(net.NumOutputs, 0L)) + 1;
    const bool sized = net.NumOutputs >= 1 && net.OutputUnits.size() == units && net.Weights.Rows() == net.NumInputs &&
                       net.Weights.Cols() == net.NumOutputs;
    if (!sized || net.OutputUnits[1].UnitType == UnitKind::None)
        return false;
    const int rows = std::clamp(net.SSERecordCount, 0, MaxHistoryRows);
    return rows >= 1 && net.SSEHistory[static_cast<std::size_t>(rows)].Epochs <= static_cast<double>(net.EpochCount);
}

}  // namespace

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

bool SameResults(const NetworkSnapshot& a, const NetworkSnapshot& b)
{
    const std::size_t rows = a.History.size();
    return a.hasResults == b.hasResults && a.EpochCount == b.EpochCount && a.Hits == b.Hits &&
           a.RecordsDropped == b.RecordsDropped && rows == b.History.size() &&
           std::memcmp(&a.TotalSSE, &b.TotalSSE, sizeof(double)) == 0 &&
           (rows == 0 || std::memcmp(a.History.data(), b.History.data(), rows * sizeof(HistoryRow)) == 0);
}

void DropResults(NetworkSnapshot& snapshot)
{
    snapshot.hasResults = false;
    snapshot.History.clear();
    snapshot.RecordsDropped = 0;
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
    snapshot.RecordsDropped = net.SSERecordsDropped;
    snapshot.hasResults = true;
    if (!ResultsDescribeNetwork(net))
        DropResults(snapshot);
}

NetworkSnapshot TakeSnapshot(const NetworkState& net)
{
    NetworkSnapshot snapshot;
    snapshot.patterns = CopyPatterns(net);
    CopyProgress(net, snapshot);
    return snapshot;
}

UnitKind DrawnUnitKind(RuleKind rule)
{
    const UnitKind kind = UnitKindForRule(rule);
    return kind == UnitKind::None ? UnitKind::Binary : kind;
}

}  // namespace vantorelle
