// SPDX-License-Identifier: GPL-3.0-or-later
#include "SetMaker.h"

#include <chrono>
#include <iostream>
#include <memory>

#include "FileChecks.h"
#include "NumberFormat.h"
#include "Random.h"
#include "StandardStreams.h"
#include "TargetWriter.h"
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

TrainingSet Generate(const MakeSpec& spec, Random& random)
{
    switch (spec.kind) {
    case MakeSpec::Logic:
        return LogicSet(spec.function, spec.inputs);
    case MakeSpec::Clouds:
        return CloudSet(spec.clouds, random);
    case MakeSpec::Letters:
        return LetterSet(spec.letters, random);
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

// Where a set file goes and what it is written with.
struct SetTarget {
    std::string path;
    const char* option;
    std::unique_ptr<ReportFiles> files;
    std::unique_ptr<TargetWriter> writer;
};

SetTarget TargetFor(const std::string& path, const char* option)
{
    SetTarget target{path, option, nullptr, nullptr};
    if (IsStandardStream(path))
        target.files = std::make_unique<StandardOutputFiles>();
    else
        target.files = std::make_unique<SystemReportFiles>();
    target.writer = std::make_unique<TargetWriter>(*target.files, path);
    return target;
}

bool Failed(const SetTarget& target, int error, std::ostream& err)
{
    if (error == 0)
        return false;
    err << ProgramPrefix << target.option << " " << Quoted(target.path) << ": " << FileErrorReason(target.path, error)
        << '\n';
    return true;
}

// Writes every file beside its target before any is renamed over its
// target, so a failure on the way leaves all of them as they were.
bool WriteAll(std::vector<SetTarget>& targets, const std::vector<std::string>& texts, std::ostream& err)
{
    for (std::size_t n = 0; n < targets.size(); ++n) {
        TargetWriter& writer = *targets[n].writer;
        if (Failed(targets[n], writer.Open(), err))
            return false;
        if (Failed(targets[n], targets[n].files->Write(writer.Handle(), texts[n].data(), texts[n].size()), err))
            return false;
    }
    for (SetTarget& target : targets)
        if (Failed(target, target.writer->Finish(), err))
            return false;
    return true;
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
    std::vector<SetTarget> targets;
    targets.push_back(TargetFor(o.setFile, "-o"));
    if (o.heldOutFile)
        targets.push_back(TargetFor(*o.heldOutFile, "--held-out"));
    std::vector<std::string> texts;
    for (const TrainingSet& part : parts)
        texts.push_back(TrainingFileText(part));
    if (!WriteAll(targets, texts, err))
        return ExitDataError;
    if (!options.quiet) {
        // With the set on standard output, nothing else may go there.
        std::ostream& progress = IsStandardStream(o.setFile) ? err : out;
        for (std::size_t n = 0; n < parts.size(); ++n)
            progress << Summary(targets[n].path, parts[n]) << (n == 0 && !made.note.empty() ? "; " + made.note : "")
                     << ".\n";
        const bool drawn = o.splitPercent || (o.make && (o.make->kind == MakeSpec::Clouds ||
                                                         (o.make->kind == MakeSpec::Letters && o.make->letters.noise > 0)));
        if (drawn && !seeded)
            progress << "--seed " << seed << " makes the same again.\n";
    }
    return ExitOk;
}

}  // namespace vantorelle::cli
