// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How many threads one training run splits its output units over. In a
// one-layer network each output unit learns from the same patterns in the
// same order independently of the others, so shares of the outputs can go
// through an epoch on threads of their own and give the very bits one thread
// gives; what costs is joining them once per epoch, which pays only when an
// epoch is large.

namespace vantorelle {

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

// The threads a run on a network of these sizes uses: the fixed count, or
// one per core while each has at least SplitWorthWork / 2 of the epoch;
// never more than the outputs, never more than this thread's limit.
int ChooseRunThreads(long patterns, long inputs, long outputs);

}  // namespace vantorelle
