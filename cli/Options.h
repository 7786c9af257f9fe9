#pragma once
// Command-line options of vantorelle-train. Everything the command line can
// get wrong is found here, before any file is read or any epoch is run.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ResultsReport.h"

namespace vantorelle::cli {

struct StartRange {
    double min = 0;
    double max = 0;
    std::string sign = "Both";
};

struct Options {
    std::string trainingFile;
    std::string rule = "Delta";
    std::optional<std::string> rate;  // box text; the rule's default when absent
    std::string epochs = "1000";
    bool epochLimit = true;
    bool hitStop = true;
    std::string printEvery = "100";
    std::string minError = "0.01";
    bool fileOrder = false;
    bool freezeThresholds = false;
    StartRange weights{0, 0.1, "Both"};
    StartRange thresholds{0, 0, "Both"};
    std::optional<std::uint64_t> seed;
    std::optional<std::string> continueEpochs;
    std::optional<std::string> testFile;
    std::optional<std::string> reportFile;
    std::optional<std::string> workbookFile;  // --xlsx: the spreadsheet summary
    ReportSections sections = DefaultReportSections;
    bool quiet = false;
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

// The learning-rate box text a rule starts with: "0.50", or "0.10" for Tarvik.
std::string DefaultRate(const std::string& rule);

// Reads a --sections list: names from general, responses, errors, weights,
// inputs, outputs, history separated by commas (blanks around them allowed),
// or all, or none.
std::optional<ReportSections> ParseSections(const std::string& list);

std::string UsageText();

}  // namespace vantorelle::cli
