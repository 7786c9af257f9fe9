// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the pages remember of one another and across visits, apart from the
// network itself: how the set-up page comes back from the testing hub, and
// the report file chosen on the save page. The program keeps one beside its
// network state; every page that needs it is given it when made.

#include <string>

namespace vantorelle {

struct PageMemory {
    // Set by the testing hub when the user goes back to continue training,
    // cleared when the hub opens again: while set, the set-up page shows the
    // totals of the current weights rather than empty status boxes.
    bool ContinueFromTests = false;
    // The report file last chosen on the save page, which its next visit names.
    std::string ResultsFilePath;
};

}  // namespace vantorelle
