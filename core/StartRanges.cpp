#include "StartRanges.h"

namespace vantorelle {

StartRangeFault CheckStartRange(double min, double max)
{
    if (min < 0)
        return StartRangeFault::NegativeMinimum;
    // Written as "not at most" so that a NaN from anywhere is refused too.
    if (!(min <= max))
        return StartRangeFault::MinimumAboveMaximum;
    return StartRangeFault::None;
}

const char* StartRangeMessage(const StartRangeKind& kind, StartRangeFault fault)
{
    switch (fault) {
    case StartRangeFault::NegativeMinimum: return kind.negativeMinMessage;
    case StartRangeFault::MinimumAboveMaximum: return kind.minAboveMaxMessage;
    case StartRangeFault::None: break;
    }
    return "";
}

}  // namespace vantorelle
