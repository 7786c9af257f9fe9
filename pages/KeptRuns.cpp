// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptRuns.h"

#include <algorithm>

namespace vantorelle {

KeptRuns::Run KeptRuns::keep(KeptRun run, const NumberLocale& locale)
{
    ++kept;
    if (run.Name.empty())
        run.Name = DefaultRunName(run, kept, locale);
    list.push_back(std::make_shared<KeptRun>(std::move(run)));
    auto bytes = [](const Run& kept) {
        const NetworkState& net = kept->Saved.net;
        return static_cast<std::size_t>(net.NumPatterns) *
               static_cast<std::size_t>(net.NumInputs + net.NumOutputs) * sizeof(double);
    };
    std::size_t total = 0;
    for (const Run& kept : list)
        total += bytes(kept);
    while (list.size() > 1 && (list.size() > static_cast<std::size_t>(MaxRuns) || total > MaxPatternBytes)) {
        total -= bytes(list.front());
        list.erase(list.begin());
    }
    emit changed();
    return list.back();
}

void KeptRuns::rename(const Run& run, const std::string& name)
{
    if (!run || run->Name == name)
        return;
    run->Name = name;
    emit changed();
}

void KeptRuns::remove(const Run& run)
{
    const auto found = std::find(list.begin(), list.end(), run);
    if (found == list.end())
        return;
    list.erase(found);
    emit changed();
}

std::vector<FileConfusion> CurrentConfusions(const NetworkState& net, const KeptRuns& runs)
{
    const KeptRuns::Run latest = runs.latest();
    return TrainingAndTestConfusions(net, latest ? &latest->Saved.net : nullptr);
}

}  // namespace vantorelle
