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
// Outputs a share needs for the split to pay. Each pattern's net inputs are
// summed input after input, a chain of additions as long as the inputs
// whatever the outputs, and a share with few outputs waits on that chain as
// long as the whole network does: on 3000 patterns x 784 inputs, half of 10
// outputs took 80% of the time of all 10, half of 26 took 60%, half of 64
// took 45% (one epoch's sweep and measurement, processor time).
inline constexpr long OutputsPerShare = 8;

// The threads a run on a network of these sizes uses: the fixed count, or
// one per core while each has at least SplitWorthWork / 2 of the epoch and
// OutputsPerShare outputs; never more than the outputs, never more than this
// thread's limit.
int ChooseRunThreads(long patterns, long inputs, long outputs);

}  // namespace vantorelle
