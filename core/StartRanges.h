// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check every range of start values passes before it is used, on the
// weight and threshold start pages and on the trainer's command line alike:
// the range holds magnitudes, so its minimum may be neither below zero nor
// above its maximum. The texts live here so that both say the same.

#include <string>

#include "NetworkState.h"
#include "NumberFormat.h"

namespace vantorelle {

// One kind of start value and what is said about its range.
struct StartRangeKind {
    const char* what;                // "weight" or "threshold"
    const char* negativeMinMessage;  // the minimum is below zero
    const char* minAboveMaxMessage;  // the minimum is above the maximum
    // What a start page does about a minimum above the maximum, with {min}
    // and {max} where the default range goes; the trainer refuses instead and
    // leaves this line out.
    const char* minAboveMaxReset;
    double defaultMax;  // the default maximum, which a reset puts back (the minimum is 0)
};

inline constexpr StartRangeKind WeightRange{
    "weight",
    "Minimum cannot be less than 0.  (It is an absolute value.)",
    "The minimum weight cannot be greater than the maximum weight.",
    "The range has been set back to its default: minimum {min}, maximum {max}.",
    defaults::WeightMax,
};

inline constexpr StartRangeKind ThresholdRange{
    "threshold",
    "The entry for minimum bias cannot be less than zero.  (It is an absolute value)",
    "The minimum threshold start cannot be greater than the maximum threshold start.",
    "Both have been set back to {min}.",
    defaults::ThresholdMax,
};

enum class StartRangeFault { None, NegativeMinimum, MinimumAboveMaximum };

// The first fault of a range: a negative minimum is reported before the order
// of the two, since the pages correct it by taking its absolute value.
StartRangeFault CheckStartRange(double min, double max);

// The message for a fault, without the page's reset line; empty for None.
const char* StartRangeMessage(const StartRangeKind& kind, StartRangeFault fault);

// The page's reset line, its numbers written as the locale writes them (as
// the page's boxes show them).
std::string StartRangeResetLine(const StartRangeKind& kind, const NumberLocale& locale);

}  // namespace vantorelle
