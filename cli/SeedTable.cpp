// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeedTable.h"

#include <cstdio>

#include "FileChecks.h"
#include "ReportFiles.h"
#include "SeedSweep.h"
#include "SeedsCsv.h"
#include "SettingsProblems.h"
#include "Trainer.h"

namespace vantorelle::cli {

namespace {

std::string Column(const std::string& text, std::size_t width)
{
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
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
    if (options.seedsCsv) {
        SystemReportFiles files;
        if (const std::string why = WriteSeedsCsv(*options.seedsCsv, outcomes, files); !why.empty()) {
            err << ProgramPrefix << "--seeds-csv \"" << *options.seedsCsv << "\": " << why << '\n';
            return ExitDataError;
        }
    }
    return ExitOk;
}

}  // namespace vantorelle::cli
