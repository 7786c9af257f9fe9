#include "Options.h"

#include <algorithm>
#include <cctype>

#include "NumberFormat.h"

namespace vantorelle::cli {

namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// Matches an identifier case-insensitively against the allowed spellings.
std::optional<std::string> Canonical(const std::string& value, const std::vector<std::string>& allowed)
{
    for (const auto& name : allowed)
        if (Lower(name) == Lower(value))
            return name;
    return std::nullopt;
}

bool ParseRange(const std::string& text, StartRange& range)
{
    const auto first = text.find(',');
    const auto second = first == std::string::npos ? first : text.find(',', first + 1);
    if (second == std::string::npos)
        return false;
    const NumberLocale c;
    auto min = ParseBoxNumber(text.substr(0, first), c);
    auto max = ParseBoxNumber(text.substr(first + 1, second - first - 1), c);
    auto sign = Canonical(text.substr(second + 1), {"Pos", "Neg", "Both"});
    if (!min || !max || !sign)
        return false;
    range = {*min, *max, *sign};
    return true;
}

bool IsWhole(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// The --sections names and the box each one stands for.
constexpr const char* SectionListText =
    "general, responses, errors, weights, inputs, outputs, history (comma separated), all or none";

struct SectionName {
    const char* name;
    ReportSection box;
};
constexpr SectionName SectionNames[] = {
    {"general", GeneralSection}, {"responses", ResponsesSection}, {"errors", ErrorsSection},
    {"weights", WeightsSection}, {"inputs", InputPatternsSection}, {"outputs", OutputPatternsSection},
    {"history", HistorySection},
};

}  // namespace

std::optional<ReportSections> ParseSections(const std::string& list)
{
    const std::string lower = Lower(list);
    if (lower == "all")
        return ReportSections{true, true, true, true, true, true, true};
    if (lower == "none")
        return ReportSections{};
    ReportSections sections{};
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = lower.find(',', start);
        const std::string item = lower.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        bool known = false;
        for (const SectionName& s : SectionNames)
            if (item == s.name) {
                sections[s.box] = true;
                known = true;
            }
        if (!known)
            return std::nullopt;
        if (comma == std::string::npos)
            return sections;
        start = comma + 1;
    }
}

std::string DefaultRate(const std::string& rule) { return rule == "Tarvik" ? "0.10" : "0.50"; }

ParseResult ParseOptions(const std::vector<std::string>& args)
{
    ParseResult result;
    Options& o = result.options;
    auto fail = [&](const std::string& why) {
        result.error = why;
        return result;
    };
    bool sectionsGiven = false;
    for (std::size_t n = 0; n < args.size(); ++n) {
        const std::string& arg = args[n];
        auto value = [&](std::string& out) {
            if (n + 1 >= args.size())
                return false;
            out = args[++n];
            return true;
        };
        std::string v;
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (arg == "--quiet") {
            o.quiet = true;
        } else if (arg == "--no-epoch-limit") {
            o.epochLimit = false;
        } else if (arg == "--no-hit-stop") {
            o.hitStop = false;
        } else if (arg == "--file-order") {
            o.fileOrder = true;
        } else if (arg == "--freeze-thresholds") {
            o.freezeThresholds = true;
        } else if (arg == "--rule") {
            if (!value(v))
                return fail("--rule needs a value: Delta, Gradient or Tarvik");
            auto rule = Canonical(v, {"Delta", "Gradient", "Tarvik"});
            if (!rule)
                return fail("--rule: \"" + v + "\" is not one of Delta, Gradient, Tarvik");
            o.rule = *rule;
        } else if (arg == "--rate") {
            if (!value(v))
                return fail("--rate needs a number");
            o.rate = v;
        } else if (arg == "--epochs") {
            if (!value(o.epochs))
                return fail("--epochs needs a number");
        } else if (arg == "--print-every") {
            if (!value(o.printEvery))
                return fail("--print-every needs a number");
        } else if (arg == "--min-error") {
            if (!value(o.minError))
                return fail("--min-error needs a number");
        } else if (arg == "--weights" || arg == "--thresholds") {
            StartRange& range = arg == "--weights" ? o.weights : o.thresholds;
            if (!value(v) || !ParseRange(v, range))
                return fail(arg + " needs MIN,MAX,SIGN with SIGN one of Pos, Neg, Both");
        } else if (arg == "--seed") {
            if (!value(v) || !IsWhole(v) || v.size() > 19)
                return fail("--seed needs a whole number");
            o.seed = std::stoull(v);
        } else if (arg == "--continue") {
            if (!value(v))
                return fail("--continue needs a number of epochs");
            o.continueEpochs = v;
        } else if (arg == "--test") {
            if (!value(v))
                return fail("--test needs a training file");
            o.testFile = v;
        } else if (arg == "--report") {
            if (!value(v) || v.empty())
                return fail("--report needs a file name");
            o.reportFile = v;
        } else if (arg == "--sections") {
            if (!value(v))
                return fail("--sections needs a list: " + std::string(SectionListText));
            auto sections = ParseSections(v);
            if (!sections)
                return fail("--sections: \"" + v + "\" is not a list of " + SectionListText);
            o.sections = *sections;
            sectionsGiven = true;
        } else if (arg.size() > 1 && arg[0] == '-' && !ParseBoxNumber(arg, NumberLocale{})) {
            return fail("unknown option " + arg);
        } else if (o.trainingFile.empty()) {
            o.trainingFile = arg;
        } else {
            return fail("more than one training file: " + o.trainingFile + " and " + arg);
        }
    }
    if (!o.help && !o.version && o.trainingFile.empty())
        return fail("no training file given");
    if (sectionsGiven && !o.reportFile)
        return fail("--sections needs --report FILE");
    return result;
}

std::string UsageText()
{
    return R"(Usage: vantorelle-train TRAINING.net [options]

Trains a one-layer perceptron on a ".net" training file and prints its progress.

  --rule Delta|Gradient|Tarvik  learning rule (default Delta)
  --rate R                      learning rate (0.5; 0.1 for Tarvik)
  --epochs N                    maximum number of epochs (1000)
  --no-epoch-limit              no epoch-limit stop (needs the all-hits stop)
  --no-hit-stop                 no all-hits stop
  --print-every N               display and history interval (100)
  --min-error E                 hit criterion: squared error below E (0.01)
  --file-order                  present patterns in file order (default shuffled)
  --freeze-thresholds           hold thresholds at their start values
  --weights MIN,MAX,SIGN        start-weight range and sign Pos|Neg|Both (0,0.1,Both)
  --thresholds MIN,MAX,SIGN     start-threshold range and sign (0,0,Both)
  --seed N                      seed the random numbers instead of the clock
  --continue N                  then continue training for N further epochs
  --test FILE.net               then measure the network on a second file with
                                the same numbers of inputs and outputs
  --report FILE                 then write the results report to FILE (replacing
                                it only once it is complete)
  --sections LIST               what the report holds: a comma list of general,
                                responses, errors, weights, inputs, outputs,
                                history; or all; or none (header only)
                                (general,responses,errors,weights)
  --quiet                       print only the final status block
  --help, --version

Numbers, the report's date and time follow the system's locale (LC_ALL, LANG);
numbers on the command line are written with a "." decimal point.
Exit status: 0 done, 1 a bad training file or a report that could not be
written, 2 bad command line or settings.
Ctrl-C ends a run cleanly with the final status block (and the report).
)";
}

}  // namespace vantorelle::cli
