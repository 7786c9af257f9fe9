// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeedsCsv.h"

#include <cmath>

#include "TargetWriter.h"
#include "TrainingSet.h"

namespace vantorelle {

namespace {

// A total SSE: exact when finite, else as the report writes it.
std::string CsvNumber(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    return ExactNumberText(value);
}

}  // namespace

std::string SeedsCsvText(const std::vector<SeedOutcome>& outcomes)
{
    std::string text = "seed,epochs,all_hits,total_sse,hits,responses\n";
    for (const SeedOutcome& o : outcomes) {
        if (!o.Ran)
            continue;
        text += std::to_string(o.Seed) + "," + std::to_string(o.Epochs) + "," + (o.AllHits ? "yes" : "no") + "," +
                CsvNumber(o.TotalSSE) + "," + std::to_string(o.Hits) + "," + std::to_string(o.Responses) + "\n";
    }
    return text;
}

std::string WriteSeedsCsv(const std::string& path, const std::vector<SeedOutcome>& outcomes, ReportFiles& files)
{
    const std::string text = SeedsCsvText(outcomes);
    TargetWriter target(files, path);
    int error = target.Open();
    if (error == 0)
        error = files.Write(target.Handle(), text.data(), text.size());
    if (error == 0)
        error = target.Finish();
    if (error == 0)
        return {};
    target.Abandon();
    return FileErrorReason(target.Place(), error);
}

}  // namespace vantorelle
