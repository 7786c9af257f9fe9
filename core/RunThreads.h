// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a training run uses more than one thread, in one of two ways that
// both give the very bits of one thread:
//  - Output shares. In a one-layer network each output unit learns from the
//    same patterns in the same order independently of the others, so shares
//    of the outputs go through an epoch on threads of their own, joined once
//    per epoch.
//  - The measurement aside. An epoch's measurement of the training set reads
//    the weights its sweep left, and the next epoch's sweep starts from the
//    same weights: the two run side by side, the sweep ahead of what the run
//    has decided; when the measurement says the run stops, the sweep done
//    ahead is thrown away and the random order it drew is taken back.
// Joining costs, so both pay only when an epoch is large.

#include <optional>

namespace vantorelle {

struct RunPlan {
    int shares = 1;             // threads sharing the outputs
    bool measureAside = false;  // measure on a second thread while the next sweep goes on
    bool operator==(const RunPlan&) const = default;
};

// The count the user fixed for every run of this program (the trainer's
// --threads); 0, the default, leaves the choice to ChooseRunThreads.
void SetRunThreads(int count);
int FixedRunThreads();

// While one of these lives, runs started on this thread use at most `most`
// threads (the seed sweep already keeps every core busy with whole runs).
class RunThreadsOnThisThread {
public:
    explicit RunThreadsOnThisThread(int most);
    ~RunThreadsOnThisThread();
    RunThreadsOnThisThread(const RunThreadsOnThisThread&) = delete;
    RunThreadsOnThisThread& operator=(const RunThreadsOnThisThread&) = delete;

private:
    int before;
};

// Multiply-adds of one epoch's response sums (patterns x inputs x outputs)
// from which a second thread pays for its joins.
inline constexpr long SplitWorthWork = 600000;
// The plan fixed for every run of this program (tests), or nothing for the
// count or choice above.
void FixRunPlan(std::optional<RunPlan> plan);

// Outputs a share needs for the split to pay. Each pattern's net inputs are
// summed input after input, a chain of additions as long as the inputs
// whatever the outputs, and a share with few outputs waits on that chain as
// long as the whole network does: on 3000 patterns x 784 inputs, half of 10
// outputs took 80% of the time of all 10, half of 26 took 60%, half of 64
// took 45% (one epoch's sweep and measurement, processor time).
inline constexpr long OutputsPerShare = 8;

// The output shares a run on a network of these sizes uses: the fixed
// count, or one per core while each has at least SplitWorthWork / 2 of the
// epoch, never more than this thread's limit; and fewer while a share would
// keep less than OutputsPerShare outputs.
int ChooseRunThreads(long patterns, long inputs, long outputs);

// How a run on a network of these sizes uses its threads: a fixed plan; else
// ChooseRunThreads' count in output shares when it is more than one; else,
// with two threads or more to use (fixed, or cores for a large enough epoch),
// the measurement aside.
RunPlan PlanRun(long patterns, long inputs, long outputs);

}  // namespace vantorelle
