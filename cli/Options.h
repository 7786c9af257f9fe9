// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Command-line options of vantorelle-train. Everything the command line can
// get wrong is found here, before any file is read or any epoch is run.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "NetworkState.h"
#include "ResultsReport.h"
#include "SetOptions.h"

namespace vantorelle::cli {

struct StartRange {
    double min = 0;
    double max = 0;
    StartSign sign = StartSign::Both;
};

// A number option: its value, read once, and the text as typed, which
// messages about it quote.
struct NumberOption {
    double value = 0;
    std::string text;
};

// --seeds FIRST-LAST: the same run from each seed of a range.
struct SeedRange {
    std::uint64_t first = 0;
    std::uint64_t last = 0;
};
inline constexpr std::uint64_t MostSeeds = 100000;

struct Options {
    std::string trainingFile;
    RuleKind rule = defaults::Rule;
    std::optional<NumberOption> rate;  // the rule's default when absent
    NumberOption epochs{static_cast<double>(defaults::Epochs), defaults::EpochsText};
    bool epochLimit = true;
    bool hitStop = true;
    NumberOption printEvery{static_cast<double>(defaults::PrintSweeps), defaults::PrintSweepsText};
    NumberOption minError{defaults::MinError, defaults::MinErrorText};
    bool fileOrder = !defaults::RandomizeOrder;
    bool freezeThresholds = defaults::FreezeThresholds;
    StartRange weights{defaults::WeightMin, defaults::WeightMax, defaults::WeightSign};
    StartRange thresholds{defaults::ThresholdMin, defaults::ThresholdMax, defaults::ThresholdSign};
    std::optional<std::uint64_t> seed;
    std::optional<NumberOption> continueEpochs;
    std::optional<std::string> testFile;
    std::optional<std::string> reportFile;
    std::optional<std::string> workbookFile;  // --xlsx: the spreadsheet summary
    std::optional<std::string> saveFile;      // --save: the saved network, after the run
    std::optional<std::string> loadFile;      // --load: a saved network in place of a training file
    bool confusion = false;                   // --confusion: hits by unit, and the class table
    std::optional<SeedRange> seeds;           // --seeds: a table of runs, one a seed
    std::optional<std::string> seedsCsv;      // --seeds-csv: that table as CSV
    std::optional<unsigned> threads;          // --threads: runs at once, or one run's threads
    ReportSections sections = DefaultReportSections;
    bool quiet = false;
    SetOptions set;  // --make, --import: a training set is made instead of trained on
    bool help = false;
    bool version = false;
};

struct ParseResult {
    Options options;
    // Empty when the command line was understood; otherwise one line naming
    // the option and the value at fault.
    std::string error;
};

ParseResult ParseOptions(const std::vector<std::string>& args);

// Reads a --sections list: names from general, responses, errors, weights,
// inputs, outputs, history separated by commas (blanks around them allowed),
// or all, or none.
std::optional<ReportSections> ParseSections(const std::string& list);

std::string UsageText();

// The learning rate a run uses: --rate, or the rule's default.
NumberOption RateOf(const Options& options);

}  // namespace vantorelle::cli
