// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// This sitting's finished runs, newest last: the set-up page keeps each run
// as it ends, the compare page lists them, and the user renames or removes
// them there. Runs are shared, so a page that shows one keeps it while the
// list changes.

#include <QObject>
#include <memory>
#include <vector>

#include "FileConfusions.h"
#include "KeptRun.h"

namespace vantorelle {

class KeptRuns : public QObject {
    Q_OBJECT

public:
    // Each run holds its patterns: past these, the oldest runs go first
    // (the newest always stays), so a sitting on a large file stays small.
    static constexpr int MaxRuns = 40;
    static constexpr std::size_t MaxPatternBytes = std::size_t{256} << 20;

    using Run = std::shared_ptr<KeptRun>;

    const std::vector<Run>& runs() const { return list; }
    int count() const { return static_cast<int>(list.size()); }
    // Adds a run; one without a name is named "Run n: ...", n counting every
    // run kept this sitting. Drops the oldest past MaxRuns or MaxPatternBytes.
    Run keep(KeptRun run, const NumberLocale& locale);
    void rename(const Run& run, const std::string& name);
    void remove(const Run& run);
    // The newest run, if any.
    Run latest() const { return list.empty() ? nullptr : list.back(); }

signals:
    void changed();

private:
    std::vector<Run> list;
    int kept = 0;
};

// The confusion counts of the network as it is: on the file the latest kept
// run trained on and, when the network now holds another file's patterns,
// on that one (FileConfusions.h).
std::vector<FileConfusion> CurrentConfusions(const NetworkState& net, const KeptRuns& runs);

}  // namespace vantorelle
