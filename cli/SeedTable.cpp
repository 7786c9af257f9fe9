// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeedTable.h"

#include <cmath>
#include <cstdio>
#include <memory>

#include "FileChecks.h"
#include "ReportFiles.h"
#include "SeedSweep.h"
#include "SettingsProblems.h"
#include "TargetWriter.h"
#include "Trainer.h"
#include "TrainingSet.h"

namespace vantorelle::cli {

namespace {

std::string Column(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

// A total SSE in the CSV: exact when finite, else as the report writes it.
std::string CsvNumber(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    return ExactNumberText(value);
}

std::string CsvText(const std::vector<SeedOutcome>& outcomes)
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

int WriteCsv(const std::string& path, const std::string& text, std::ostream& err)
{
    SystemReportFiles files;
    TargetWriter target(files, path);
    int error = target.Open();
    if (error == 0)
        error = files.Write(target.Handle(), text.data(), text.size());
    if (error == 0)
        error = target.Finish();
    if (error == 0)
        return ExitOk;
    err << ProgramPrefix << "--seeds-csv \"" << path << "\": " << FileErrorReason(target.Place(), error) << '\n';
    return ExitDataError;
}

}  // namespace

int RunSeedTable(const NetworkState& start, const Options& options, std::ostream& out, std::ostream& err,
                 const std::atomic<bool>* stopFlag, const NumberLocale& locale)
{
    if (options.seedsCsv) {
        if (std::string why = UnwritableReport(*options.seedsCsv); !why.empty()) {
            err << ProgramPrefix << "--seeds-csv \"" << *options.seedsCsv << "\": " << why << '\n';
            return ExitDataError;
        }
    }
    std::vector<std::uint64_t> seeds;
    for (std::uint64_t seed = options.seeds->first;; ++seed) {
        seeds.push_back(seed);
        if (seed == options.seeds->last)
            break;
    }
    const std::atomic<bool> never{false};
    const std::atomic<bool>& stop = stopFlag ? *stopFlag : never;
    const unsigned threads = options.threads ? *options.threads : SeedThreads(static_cast<long>(seeds.size()));
    const std::vector<SeedOutcome> outcomes = RunSeeds(start, InputFor(options, false), seeds, threads, stop);

    for (const SeedOutcome& o : outcomes) {
        if (o.Problem) {
            err << ProgramPrefix << o.Problem->message << '\n';
            return ExitUsageError;
        }
    }
    if (!options.quiet) {
        out << Column("Seed", 22) << Column("Epochs", 9) << Column("All hits", 10) << Column("Total SSE", 14)
            << "Hits\n";
        for (const SeedOutcome& o : outcomes) {
            if (!o.Ran)
                continue;
            out << Column(std::to_string(o.Seed), 22) << Column(std::to_string(o.Epochs), 9)
                << Column(o.AllHits ? "yes" : "no", 10) << Column(FormatStandard(o.TotalSSE, locale), 14) << o.Hits
                << " of " << o.Responses << '\n';
        }
        out << '\n';
    }
    out << SummaryText(Summarize(outcomes), options.hitStop, locale) << "\n" << std::flush;
    if (options.seedsCsv)
        return WriteCsv(*options.seedsCsv, CsvText(outcomes), err);
    return ExitOk;
}

}  // namespace vantorelle::cli
