// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// FANN (Debian's libfann-dev, double precision) as the sigmoid rule's peer:
// a network of the same inputs and outputs with no hidden layer, sigmoid
// outputs, trained pattern by pattern (incremental) in file order.

#include <optional>

#include "NetworkState.h"

namespace vantorelle::bench {

// FANN's epochs per second on net's patterns (processor time of this
// thread, the median of `repeats` timings of about `seconds` each), or
// nothing when the bench was built without FANN.
std::optional<double> FannEpochsPerSecond(const NetworkState& net, double seconds, int repeats);

}  // namespace vantorelle::bench
