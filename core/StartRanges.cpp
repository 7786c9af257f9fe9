// SPDX-License-Identifier: GPL-3.0-or-later
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

std::string StartRangeResetLine(const StartRangeKind& kind, const NumberLocale& locale)
{
    std::string line = kind.minAboveMaxReset;
    const auto put = [&line](std::string_view field, const std::string& number) {
        if (const auto at = line.find(field); at != std::string::npos)
            line.replace(at, field.size(), number);
    };
    put("{min}", FormatGeneral(0, locale));
    put("{max}", FormatGeneral(kind.defaultMax, locale));
    return line;
}

}  // namespace vantorelle
