#pragma once
// Scratch memory of one training run. The run owns one and hands it to the
// sweep, the rules and the measurement, so nothing is allocated per pattern
// and two runs (or a run and a page showing the network) never share scratch.

#include <cstddef>
#include <vector>

#include "NetworkState.h"

namespace vantorelle {

struct SweepWorkspace {
    std::vector<double> coefficient;  // the rule's step per output, [1..NumOutputs]
    std::vector<double> sum;          // weighted input sums per output, [1..NumOutputs]
    std::vector<double> row;          // a weight row computed aside, [1..NumOutputs]

    // Sizes the per-output buffers for net's outputs.
    void Fit(const NetworkState& net)
    {
        const std::size_t n = static_cast<std::size_t>(net.NumOutputs) + 1;
        if (coefficient.size() != n) {
            coefficient.assign(n, 0.0);
            sum.assign(n, 0.0);
            row.assign(n, 0.0);
        }
    }
};

}  // namespace vantorelle
