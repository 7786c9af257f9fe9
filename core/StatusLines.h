// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The five status lines a run shows, made in one place for the training
// page, the trainer and the tests: "Epochs: ", "Total SSE: ", "Change in
// SSE: ", "  Hits: " and "Misses: ", numbers in the user's form.

#include <string>

#include "Messages.h"
#include "NumberFormat.h"
#include "RunObserver.h"

namespace vantorelle {

struct NetworkState;

// The five status lines; an empty text leaves that line blank.
struct StatusLines {
    std::string Epochs;
    std::string TotalSSE;
    std::string Change;
    std::string Hits;
    std::string Misses;
    StatusColour ChangeColour = StatusColour::Unchanged;
    StatusColour HitsColour = StatusColour::Unchanged;
};

// A report's lines: a progress display shows the change from the second
// epoch on, green when the error fell or stayed, red when it rose; the final
// display shows the change after more than one epoch, and the hit line green
// when every response is a hit, red otherwise.
StatusLines StatusLinesFor(const EpochReport& report, const NumberLocale& locale);

// The epoch, total SSE, hit and miss lines of the network as it stands,
// change line empty, colours unchanged.
StatusLines ResultLines(const NetworkState& net, const NumberLocale& locale);

// ResultLines with the hit line coloured as after a run: what the page shows
// when it comes back to a trained network.
StatusLines TrainedLines(const NetworkState& net, const NumberLocale& locale);

}  // namespace vantorelle
