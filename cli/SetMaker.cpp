// SPDX-License-Identifier: GPL-3.0-or-later
#include "SetMaker.h"

#include <chrono>
#include <iostream>
#include <memory>

#include "FileChecks.h"
#include "NumberFormat.h"
#include "Random.h"
#include "StandardStreams.h"
#include "TrainingSetFiles.h"
#include "Trainer.h"
#include "TrainingSet.h"

namespace vantorelle::cli {

namespace {

// A set and what the user should hear about where it came from.
struct MadeSet {
    TrainingSet set;
    std::string note;  // for the summary line; empty when there is nothing to say
};

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

TrainingSet Generate(const MakeRecipe& recipe, Random& random)
{
    switch (recipe.kind) {
    case MakeRecipe::Logic:
        return LogicSet(recipe.function, recipe.inputs);
    case MakeRecipe::Clouds:
        return CloudSet(recipe.clouds, random);
    case MakeRecipe::Letters:
        return LetterSet(recipe.letters, random);
    }
    return {};
}

bool Imported(const SetOptions& set, MadeSet& made, std::ostream& err)
{
    const std::string& path = *set.importFile;
    if (!IsStandardStream(path)) {
        if (std::string why = UnreadableFile(path); !why.empty()) {
            err << ProgramPrefix << "--import " << Quoted(path) << ": the CSV file " << why << '\n';
            return false;
        }
    }
    const CsvImport read = IsStandardStream(path) ? ImportCsv(std::cin, path, set.csv) : ImportCsvFile(path, set.csv);
    if (!read.ok) {
        err << ProgramPrefix << read.message;
        if (read.otherDecimalMark)
            err << " (--decimal " << (set.csv.decimal == DecimalMark::Point ? "comma" : "point") << ')';
        err << '\n';
        return false;
    }
    made.set = read.set;
    if (read.headerRow)
        made.note = "the first row read as a header";
    if (!read.classNames.empty()) {
        const std::size_t first = set.csv.outputs.size() + 1;
        std::string classes = "outputs " + std::to_string(first) + " to " +
                              std::to_string(first + read.classNames.size() - 1) + " stand for the classes";
        for (std::size_t n = 0; n < read.classNames.size(); ++n)
            classes += (n == 0 ? " " : ", ") + Quoted(read.classNames[n]);
        made.note += (made.note.empty() ? "" : "; ") + classes;
    }
    return true;
}

std::string Summary(const std::string& path, const TrainingSet& set)
{
    auto count = [](long n, const char* one) { return std::to_string(n) + " " + one + (n == 1 ? "" : "s"); };
    return "Wrote " + (IsStandardStream(path) ? std::string("standard output") : Quoted(path)) + ": " + count(set.NumPatterns(), "pattern") + " of " +
           count(set.NumInputs(), "input") + " and " + count(set.NumOutputs(), "output");
}

// Standard output ("-") is written in place; files the safe way.
std::unique_ptr<ReportFiles> FilesFor(const std::string& path)
{
    if (IsStandardStream(path))
        return std::make_unique<StandardOutputFiles>();
    return std::make_unique<SystemReportFiles>();
}

}  // namespace

int RunSetMaker(const Options& options, std::ostream& out, std::ostream& err)
{
    const SetOptions& o = options.set;
    for (const auto& [path, option] : {std::pair{o.setFile, "-o"}, std::pair{o.heldOutFile.value_or(""), "--held-out"}}) {
        if (path.empty() || IsStandardStream(path))
            continue;
        if (std::string why = UnwritableReport(path); !why.empty()) {
            err << ProgramPrefix << option << " " << Quoted(path) << ": " << why << '\n';
            return ExitDataError;
        }
    }
    // Without --seed the clock seeds, and the summary tells the seed, so a
    // set that came out well can be made again.
    const bool seeded = options.seed.has_value();
    const std::uint64_t seed = seeded ? *options.seed
                                      : static_cast<std::uint64_t>(
                                            std::chrono::system_clock::now().time_since_epoch().count()) % 1000000000;
    MersenneRandom random(seed);
    MadeSet made;
    if (o.make) {
        made.set = Generate(*o.make, random);
    } else if (!Imported(o, made, err)) {
        return ExitDataError;
    }
    if (std::string problem = SetProblem(made.set); !problem.empty()) {
        err << ProgramPrefix << "-o " << Quoted(o.setFile) << ": the set cannot be written: " << problem << '\n';
        return ExitDataError;
    }
    std::vector<TrainingSet> parts{std::move(made.set)};
    if (o.splitPercent) {
        const long patterns = parts[0].NumPatterns();
        const long heldOut = HeldOutCount(patterns, *o.splitPercent);
        if (heldOut < 1 || heldOut >= patterns) {
            err << ProgramPrefix << "--split: " << FormatGeneral(*o.splitPercent, NumberLocale{}) << "% of "
                << patterns << " patterns leaves " << (heldOut < 1 ? "none to hold out" : "none to train on") << '\n';
            return ExitUsageError;
        }
        SplitSets split = SplitSet(parts[0], heldOut, random);
        parts = {std::move(split.kept), std::move(split.heldOut)};
    }
    const std::vector<std::string> paths{o.setFile, o.heldOutFile.value_or("")};
    const char* const optionNames[] = {"-o", "--held-out"};
    std::vector<std::unique_ptr<ReportFiles>> files;
    std::vector<TrainingSetFile> targets;
    for (std::size_t n = 0; n < parts.size(); ++n) {
        files.push_back(FilesFor(paths[n]));
        targets.push_back({paths[n], &parts[n], files.back().get()});
    }
    if (const std::optional<SetFileFailure> failure = WriteTrainingSetFiles(targets)) {
        err << ProgramPrefix << optionNames[failure->file] << " " << Quoted(paths[failure->file]) << ": "
            << FileErrorReason(paths[failure->file], failure->error) << '\n';
        return ExitDataError;
    }
    if (!options.quiet) {
        // With the set on standard output, nothing else may go there.
        std::ostream& progress = IsStandardStream(o.setFile) ? err : out;
        for (std::size_t n = 0; n < parts.size(); ++n)
            progress << Summary(paths[n], parts[n]) << (n == 0 && !made.note.empty() ? "; " + made.note : "")
                     << ".\n";
        const bool drawn = o.splitPercent || (o.make && (o.make->kind == MakeRecipe::Clouds ||
                                                         (o.make->kind == MakeRecipe::Letters && o.make->letters.noise > 0)));
        if (drawn && !seeded)
            progress << "--seed " << seed << " makes the same again.\n";
    }
    return ExitOk;
}

}  // namespace vantorelle::cli
