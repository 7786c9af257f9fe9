// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A copy of what the pictures of a network show: its weights, thresholds and
// error history, and the patterns they are drawn against. Views of the
// network draw from a snapshot rather than from the network state, because
// during a training run the state belongs to the run's thread: the run copies
// the parts that change into a snapshot there, between two epochs, and hands
// the copy to the user-interface thread (TrainingRun::watch).
//
// The parts that stay the same for a whole run (patterns, desired outputs,
// the rule and the hit criterion) are copied once, when the run starts, and
// shared by every snapshot of that run.

#include <memory>
#include <string>
#include <vector>

#include "NetworkState.h"

namespace vantorelle {

// The parts of a snapshot that a picture may need besides the few numbers
// every snapshot carries (epochs, total SSE, hits): a run copies only the
// parts its watchers draw.
namespace SnapshotParts {
inline constexpr unsigned Weights = 1;  // weights and thresholds
inline constexpr unsigned History = 2;  // the error history
inline constexpr unsigned All = Weights | History;
}  // namespace SnapshotParts

// What a run never changes. Arrays are numbered from 1 as in the state.
struct SnapshotPatterns {
    std::string TrainingFileName;
    long NumInputs = 0;
    long NumOutputs = 0;
    long NumPatterns = 0;
    long NumResponses = 0;
    Matrix InputPatterns;   // pattern x input
    Matrix DesiredOutputs;  // pattern x output
    RuleKind LearningRule = RuleKind::None;
    double MinError = 0;
};

struct NetworkSnapshot {
    std::shared_ptr<const SnapshotPatterns> patterns;
    Matrix Weights;                  // input x output; empty before the units are sized
    std::vector<double> Thresholds;  // 1..NumOutputs
    long EpochCount = 0;
    double TotalSSE = 0;
    long Hits = 0;
    std::vector<HistoryRow> History;  // the state's rows 1..SSERecordCount, from index 0
    long RecordsDropped = 0;          // records made after the history was full
    // Whether the epochs, error, hits and history describe this network. The
    // state keeps a run's results when another file is read or the units are
    // sized anew, until the next run starts a history of its own; without
    // them the history is left empty.
    bool hasResults = true;
    bool duringRun = false;           // taken while a run was still going
    unsigned parts = SnapshotParts::All;  // what was copied; a part left out is empty

    // Whether weights and thresholds exist for every input and output.
    bool hasWeights() const;
    bool has(unsigned wanted) const { return (parts & wanted) == wanted; }
};

// Whether two snapshots hold the same weights and thresholds, bit for bit.
bool SameWeights(const NetworkSnapshot& a, const NetworkSnapshot& b);
// Whether two snapshots hold the same epochs, error, hits and history, bit for bit.
bool SameResults(const NetworkSnapshot& a, const NetworkSnapshot& b);
// Marks the results as another network's and empties the history.
void DropResults(NetworkSnapshot& snapshot);

// Copies what a run never changes.
std::shared_ptr<const SnapshotPatterns> CopyPatterns(const NetworkState& net);

// Copies what a run changes into snapshot, of the parts asked for, reusing
// its storage; the patterns pointer is left as it is.
void CopyProgress(const NetworkState& net, NetworkSnapshot& snapshot, unsigned parts = SnapshotParts::All);

// Both at once, for a network no run is working on.
NetworkSnapshot TakeSnapshot(const NetworkState& net);

// The unit kind the pictures draw for a rule: the one the rule trains (Delta:
// step, Gradient: sigmoid, Tarvik: Gaussian), a step unit for an unknown rule.
UnitKind DrawnUnitKind(RuleKind rule);

}  // namespace vantorelle
