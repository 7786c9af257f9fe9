// SPDX-License-Identifier: GPL-3.0-or-later
#include "Options.h"

#include <algorithm>
#include <charconv>
#include <cctype>

#include "NumberFormat.h"
#include "SettingsCheck.h"
#include "SettingsProblems.h"
#include "StartRanges.h"

namespace vantorelle::cli {

namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string Trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string Quoted(const std::string& value) { return "\"" + value + "\""; }

// Matches an identifier case-insensitively against the allowed spellings.
std::optional<std::string> Canonical(const std::string& value, const std::vector<std::string>& allowed)
{
    for (const auto& name : allowed)
        if (Lower(name) == Lower(value))
            return name;
    return std::nullopt;
}

// Numbers on the command line are written the C way ("0.5").
std::optional<double> Number(const std::string& text) { return ParseBoxNumber(text, NumberLocale{}); }

// An option's value that is itself an option ("--report --quiet") is a value
// forgotten; a file of such a name can still be given as "./--quiet" or as
// "--report=--quiet".
bool LooksLikeOption(const std::string& value)
{
    for (const char* shortForm : {"-h", "-V", "-q", "-o"})
        if (value == shortForm)
            return true;
    return value.size() > 2 && value.compare(0, 2, "--") == 0 && std::isalpha(static_cast<unsigned char>(value[2]));
}

// What a handler says about a value it refuses (empty when it takes it); the
// caller puts the option and the value in front.
using Why = std::string;

// `Out` is a NumberOption, or a std::optional of one for an option without a default.
template <typename Out>
Why BoxNumber(const std::string& value, Out& out)
{
    const auto number = Number(value);
    if (!number)
        return "not a number";
    out = NumberOption{*number, value};
    return {};
}

// The epoch counts and the display interval are rounded to whole numbers;
// one that rounds beyond them can never be trained.
template <typename Out>
Why WholeBoxNumber(const std::string& value, Out& out)
{
    const auto number = Number(value);
    if (!number)
        return "not a number";
    if (!RoundToWhole(*number))
        return "too large";
    out = NumberOption{*number, value};
    return {};
}

Why Range(const std::string& text, StartRange& range, const StartRangeKind& kind)
{
    const auto first = text.find(',');
    const auto second = first == std::string::npos ? first : text.find(',', first + 1);
    if (second == std::string::npos)
        return "not MIN,MAX,SIGN";
    const auto min = Number(Trimmed(text.substr(0, first)));
    const auto max = Number(Trimmed(text.substr(first + 1, second - first - 1)));
    const auto sign = Canonical(Trimmed(text.substr(second + 1)),
                                {SignName(StartSign::Pos), SignName(StartSign::Neg), SignName(StartSign::Both)});
    if (!min || !max || !sign)
        return "not MIN,MAX,SIGN with SIGN one of Pos, Neg, Both";
    if (const StartRangeFault fault = CheckStartRange(*min, *max); fault != StartRangeFault::None)
        return StartRangeMessage(kind, fault);
    range = {*min, *max, StartSignFromName(*sign)};
    return {};
}

// Whether the file exists is for the trainer to say, with the file system at hand.
Why FileName(const std::string& value, std::optional<std::string>& out)
{
    if (value.empty())
        return "no file name";
    out = value;
    return {};
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

// One option: its names, what its value is called (nothing for a switch),
// and what it does with the value.
struct OptionEntry {
    const char* name;
    const char* alias;
    const char* value;
    Why (*apply)(Options& o, const std::string& value);
};

const OptionEntry OptionTable[] = {
    {"--help", "-h", nullptr, [](Options& o, const std::string&) { o.help = true; return Why{}; }},
    {"--version", "-V", nullptr, [](Options& o, const std::string&) { o.version = true; return Why{}; }},
    {"--quiet", "-q", nullptr, [](Options& o, const std::string&) { o.quiet = true; return Why{}; }},
    {"--confusion", nullptr, nullptr, [](Options& o, const std::string&) { o.confusion = true; return Why{}; }},
    {"--no-epoch-limit", nullptr, nullptr, [](Options& o, const std::string&) { o.epochLimit = false; return Why{}; }},
    {"--no-hit-stop", nullptr, nullptr, [](Options& o, const std::string&) { o.hitStop = false; return Why{}; }},
    {"--file-order", nullptr, nullptr, [](Options& o, const std::string&) { o.fileOrder = true; return Why{}; }},
    {"--freeze-thresholds", nullptr, nullptr,
     [](Options& o, const std::string&) { o.freezeThresholds = true; return Why{}; }},
    {"--rule", nullptr, "a rule: Delta, Gradient or Tarvik",
     [](Options& o, const std::string& v) {
         const auto rule =
             Canonical(v, {RuleName(RuleKind::Delta), RuleName(RuleKind::Gradient), RuleName(RuleKind::Tarvik)});
         if (!rule)
             return Why("not one of Delta, Gradient, Tarvik");
         o.rule = RuleKindFromName(*rule);
         return Why{};
     }},
    {"--rate", nullptr, "a number", [](Options& o, const std::string& v) { return BoxNumber(v, o.rate); }},
    {"--epochs", nullptr, "a number", [](Options& o, const std::string& v) { return WholeBoxNumber(v, o.epochs); }},
    {"--print-every", nullptr, "a number",
     [](Options& o, const std::string& v) { return WholeBoxNumber(v, o.printEvery); }},
    {"--min-error", nullptr, "a number", [](Options& o, const std::string& v) { return BoxNumber(v, o.minError); }},
    {"--weights", nullptr, "MIN,MAX,SIGN",
     [](Options& o, const std::string& v) { return Range(v, o.weights, WeightRange); }},
    {"--thresholds", nullptr, "MIN,MAX,SIGN",
     [](Options& o, const std::string& v) { return Range(v, o.thresholds, ThresholdRange); }},
    {"--seed", nullptr, "a whole number",
     [](Options& o, const std::string& v) {
         // Every seed the window's box takes: the generator's whole 64-bit range.
         std::uint64_t seed = 0;
         const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), seed);
         if (v.empty() || error != std::errc() || end != v.data() + v.size())
             return Why("not a whole number from 0 to 18446744073709551615");
         o.seed = seed;
         return Why{};
     }},
    {"--continue", nullptr, "a number of epochs",
     [](Options& o, const std::string& v) { return WholeBoxNumber(v, o.continueEpochs); }},
    {"--test", nullptr, "a training file", [](Options& o, const std::string& v) { return FileName(v, o.testFile); }},
    {"--report", "-o", "a file name", [](Options& o, const std::string& v) { return FileName(v, o.reportFile); }},
    {"--xlsx", nullptr, "a file name", [](Options& o, const std::string& v) { return FileName(v, o.workbookFile); }},
    {"--save", nullptr, "a file name", [](Options& o, const std::string& v) { return FileName(v, o.saveFile); }},
    {"--load", nullptr, "a saved network", [](Options& o, const std::string& v) { return FileName(v, o.loadFile); }},
    {"--sections", nullptr, "a list",
     [](Options& o, const std::string& v) {
         const auto sections = ParseSections(v);
         if (!sections)
             return Why("not a list of ") + SectionListText;
         o.sections = *sections;
         return Why{};
     }},
    // The same run from many seeds.
    {"--seeds", nullptr, "a range of seeds",
     [](Options& o, const std::string& v) {
         const std::size_t dash = v.find('-');
         std::uint64_t first = 0, last = 0;
         auto whole = [](std::string_view text, std::uint64_t& n) {
             const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
             return !text.empty() && error == std::errc() && end == text.data() + text.size();
         };
         if (dash == std::string::npos || !whole(std::string_view(v).substr(0, dash), first) ||
             !whole(std::string_view(v).substr(dash + 1), last))
             return Why("not a range of seeds such as 1-100");
         if (last < first || last - first >= MostSeeds)
             return Why("not a range of 1 to " + std::to_string(MostSeeds) + " seeds, the first no larger than the last");
         o.seeds = SeedRange{first, last};
         return Why{};
     }},
    {"--seeds-csv", nullptr, "a file name", [](Options& o, const std::string& v) { return FileName(v, o.seedsCsv); }},
    {"--threads", nullptr, "a number of threads",
     [](Options& o, const std::string& v) {
         unsigned n = 0;
         const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), n);
         if (v.empty() || error != std::errc() || end != v.data() + v.size() || n < 1 || n > 256)
             return Why("not a whole number from 1 to 256");
         o.threads = n;
         return Why{};
     }},
    // Making a training set instead of training.
    {"--make", nullptr, "a set", [](Options& o, const std::string& v) { return ParseMakeRecipe(v, o.set.make); }},
    {"--import", nullptr, "a CSV file", [](Options& o, const std::string& v) { return FileName(v, o.set.importFile); }},
    {"--inputs", nullptr, "a column list", [](Options& o, const std::string& v) { return ParseColumns(v, o.set.csv.inputs); }},
    {"--outputs", nullptr, "a column list",
     [](Options& o, const std::string& v) { return ParseColumns(v, o.set.csv.outputs); }},
    {"--class", nullptr, "a column", [](Options& o, const std::string& v) { return ParseClassColumn(v, o.set.csv.classColumn); }},
    {"--delimiter", nullptr, "a character",
     [](Options& o, const std::string& v) { return ParseDelimiter(v, o.set.csv.delimiter); }},
    {"--header", nullptr, nullptr, [](Options& o, const std::string&) { o.set.csv.header = HeaderRow::Present; return Why{}; }},
    {"--no-header", nullptr, nullptr, [](Options& o, const std::string&) { o.set.csv.header = HeaderRow::Absent; return Why{}; }},
    {"--decimal", nullptr, "point or comma", [](Options& o, const std::string& v) { return ParseDecimal(v, o.set.csv.decimal); }},
    {"--split", nullptr, "a percentage", [](Options& o, const std::string& v) { return ParseSplit(v, o.set.splitPercent); }},
    {"--held-out", nullptr, "a file name", [](Options& o, const std::string& v) { return FileName(v, o.set.heldOutFile); }},
};

// What a saved network brings with it: with --load these would contradict it.
constexpr const char* SavedSettingOptions[] = {
    "--rule", "--rate", "--epochs", "--no-epoch-limit", "--no-hit-stop", "--print-every", "--min-error",
    "--file-order", "--freeze-thresholds", "--weights", "--thresholds", "--seed",
};

bool IsSavedSetting(const std::string& name)
{
    return std::any_of(std::begin(SavedSettingOptions), std::end(SavedSettingOptions),
                       [&](const char* saved) { return name == saved; });
}

const OptionEntry* FindOption(const std::string& arg)
{
    for (const OptionEntry& entry : OptionTable)
        if (arg == entry.name || (entry.alias && arg == entry.alias))
            return &entry;
    return nullptr;
}

}  // namespace

std::optional<ReportSections> ParseSections(const std::string& list)
{
    const std::string lower = Lower(Trimmed(list));
    if (lower == "all")
        return ReportSections{true, true, true, true, true, true, true};
    if (lower == "none")
        return ReportSections{};
    ReportSections sections{};
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = lower.find(',', start);
        const std::string item =
            Trimmed(lower.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
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

namespace {

// A long option with its value attached ("--epochs=50"): the name and the
// value; the whole argument and no value otherwise.
std::pair<std::string, std::optional<std::string>> SplitAttached(const std::string& arg)
{
    const auto equals = arg.find('=');
    if (arg.compare(0, 2, "--") != 0 || equals == std::string::npos)
        return {arg, std::nullopt};
    return {arg.substr(0, equals), arg.substr(equals + 1)};
}

// The value an option takes: attached to it, or the next argument (which
// `n` then steps over). Empty `why` when there is one.
std::optional<std::string> ValueOf(const OptionEntry& entry, const std::string& name,
                                   const std::optional<std::string>& attached, const std::vector<std::string>& args,
                                   std::size_t& n, std::string& why)
{
    if (attached)
        return attached;
    if (n + 1 >= args.size()) {
        why = name + " needs " + entry.value;
        return std::nullopt;
    }
    const std::string& value = args[++n];
    if (LooksLikeOption(value)) {
        why = name + " needs " + entry.value + ", but " + Quoted(value) + " is an option";
        return std::nullopt;
    }
    return value;
}

// What --seeds and --seeds-csv need, and what they cannot go with:
// the runs are summed up in a table, one line a seed.
std::string SeedsRefusal(const Options& o, const std::vector<std::string>& given)
{
    if (!o.seeds) {
        for (const char* name : {"--seeds-csv"})
            if (std::find(given.begin(), given.end(), name) != given.end())
                return std::string(name) + " needs --seeds FIRST-LAST";
        return {};
    }
    static const char* const oneRunOnly[] = {"--seed", "--load", "--save", "--continue", "--test",
                                             "--report", "-o", "--xlsx", "--sections", "--confusion"};
    for (const std::string& name : given)
        for (const char* single : oneRunOnly)
            if (name == single)
                return name + " cannot go with --seeds: the runs are summed up in a table, one line a seed" +
                       " (--seeds-csv FILE keeps it)";
    if (o.seedsCsv && *o.seedsCsv == "-")
        return "--seeds-csv \"-\": the table goes to standard output anyway";
    return {};
}

}  // namespace

ParseResult ParseOptions(const std::vector<std::string>& args)
{
    ParseResult result;
    Options& o = result.options;
    auto fail = [&](const std::string& why) {
        result.error = why;
        return result;
    };
    bool sectionsGiven = false;
    std::optional<std::string> savedSettingGiven;
    bool optionsEnded = false;
    std::vector<std::string> given;  // the options as typed, for the set options' checks
    for (std::size_t n = 0; n < args.size(); ++n) {
        const std::string& arg = args[n];
        const auto [name, attached] = optionsEnded ? std::pair{std::string(), std::optional<std::string>()}
                                                   : SplitAttached(arg);
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (const OptionEntry* entry = optionsEnded ? nullptr : FindOption(name)) {
            if (!entry->value && attached)
                return fail(name + " takes no value, but was given " + Quoted(*attached));
            std::string why;
            const std::optional<std::string> value =
                entry->value ? ValueOf(*entry, name, attached, args, n, why) : std::string();
            if (!value)
                return fail(why);
            if (Why refused = entry->apply(o, *value); !refused.empty())
                return fail(name + " " + Quoted(*value) + ": " + refused);
            sectionsGiven = sectionsGiven || entry->name == std::string("--sections");
            given.push_back(name);
            if (IsSavedSetting(entry->name) && !savedSettingGiven)
                savedSettingGiven = entry->name;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-' && !Number(arg)) {
            return fail("unknown option " + name);
        } else if (o.trainingFile.empty()) {
            o.trainingFile = arg;
        } else {
            return fail("more than one training file: " + o.trainingFile + " and " + arg);
        }
    }
    if (o.help || o.version)
        return result;
    if (std::string refusal = SetOptionsRefusal(o, given); !refusal.empty() || o.set.Making())
        return fail(refusal);
    if (std::string refusal = SeedsRefusal(o, given); !refusal.empty())
        return fail(refusal);
    if (o.loadFile) {
        // The saved network brings its patterns, settings and generator.
        if (!o.trainingFile.empty())
            return fail("--load takes the patterns from the saved network: no training file (" + o.trainingFile +
                        ") goes with it");
        if (savedSettingGiven)
            return fail(*savedSettingGiven + " cannot go with --load: the saved network's settings are used");
        if (*o.loadFile == "-")
            return fail("--load \"-\": only the training file can be read from standard input");
    } else if (o.trainingFile.empty()) {
        return fail("no training file given");
    }
    if (sectionsGiven && !o.reportFile)
        return fail("--sections needs --report FILE");
    // Standard input is read once, for training; a workbook is no text for a terminal.
    if (o.testFile == "-")
        return fail("--test \"-\": only the training file can be read from standard input");
    if (o.workbookFile == "-")
        return fail("--xlsx \"-\": the workbook cannot be written to standard output");
    if (o.saveFile == "-")
        return fail("--save \"-\": the saved network cannot be written to standard output");
    return fail(SettingsRefusal(o));
}

NumberOption RateOf(const Options& options)
{
    if (options.rate)
        return *options.rate;
    return {defaults::Rate(options.rule), defaults::RateText(options.rule)};
}

std::string UsageText()
{
    std::string usage = R"(Usage: vantorelle-train TRAINING.net [options]
       vantorelle-train --make SET [--split P --held-out FILE.net] -o FILE.net
       vantorelle-train --import FILE.csv --inputs LIST --outputs LIST -o FILE.net
       vantorelle-train --load SAVED.vnet [options]

Trains a one-layer perceptron on a ".net" training file and prints its progress.

  --rule Delta|Gradient|Tarvik  learning rule (default {rule})
  --rate R                      learning rate ({rate}; {tarvikRate} for Tarvik)
  --epochs N                    maximum number of epochs ({epochs})
  --no-epoch-limit              no epoch-limit stop (needs the all-hits stop)
  --no-hit-stop                 no all-hits stop
  --print-every N               display and history interval ({printEvery})
  --min-error E                 hit criterion: squared error below E ({minError})
  --file-order                  present patterns in file order (default shuffled)
  --freeze-thresholds           hold thresholds at their start values
  --weights MIN,MAX,SIGN        start-weight range and sign Pos|Neg|Both ({weights})
  --thresholds MIN,MAX,SIGN     start-threshold range and sign ({thresholds})
  --seed N                      seed the random numbers instead of the clock
  --continue N                  then continue training for N further epochs
  --test FILE.net               then measure the network on a second file with
                                the same numbers of inputs and outputs
  -o, --report FILE             then write the results report to FILE (replacing
                                it only once it is complete); with -, to standard
                                output, and the progress to standard error
  --sections LIST               what the report holds: a comma list of general,
                                responses, errors, weights, inputs, outputs,
                                history; or all; or none (header only)
                                (general,responses,errors,weights)
  --xlsx FILE                   then write the spreadsheet summary workbook to
                                FILE (replacing it only once it is complete)
  --save FILE.vnet              after training, save the network with its
                                patterns, settings and random state to FILE
  --load FILE.vnet              start from a saved network instead of a training
                                file, with its settings (then --continue, --test,
                                --report, --xlsx, --save work on it)
  --confusion                   then print each output unit's hits and misses
                                and, for one-hot outputs, the class-by-class
                                table and the accuracy (after --test, for the
                                test file too)
  -q, --quiet                   print only the final status block
  -h, --help                    show this help
  -V, --version                 show the version and the licence
  --                            what follows is the training file, even if it
                                begins with "-"

Making a training set instead of training (written to -o FILE.net, - for
standard output; nothing trains):
  --make SET                    and, or, nand, xor, parity (KEY inputs: 2, 3
                                for parity), clouds (classes {classes}, points {points} per
                                class, spread {spread}, noise {noise}, separable yes) or
                                letters (letters A-Z, copies {copies}, noise {noise}), with
                                :KEY=VALUE,... (clouds:classes=3,noise=0.1)
  --import FILE.csv             read the patterns from a CSV file (- for
                                standard input)
  --inputs LIST                 its input columns (1-4 or 1,3,5-7)
  --outputs LIST                its desired-output columns
  --class COLUMN                a class column: one output per class (1 for
                                the row's class, 0 for the others)
  --delimiter C                 the CSV delimiter, one character or tab
                                (guessed from the first row: , ; tab |)
  --header, --no-header         whether row 1 is a header (guessed: it is when
                                a chosen cell there is not a number)
  --decimal point|comma         the CSV numbers' decimal mark (point)
  --split PERCENT               hold that share of the patterns (drawn with
                                --seed) out of FILE.net ...
  --held-out FILE.net           ... and write them to this file, for --test

The same run from many seeds, on every core (a table, one line a seed, then
the median epochs to all hits; not with --seed, --load, --save, --continue,
--test, --report, --xlsx):
  --seeds FIRST-LAST            train once from each seed of the range (at most
                                100000 seeds); each line is the run --seed gives
  --seeds-csv FILE              also write the table as CSV, numbers exact
  --threads N                   how many threads: with --seeds, runs at once;
                                else a large run's shares of its outputs
                                (chosen from the work and the cores)

An option's value may follow it as the next argument or after "=" ("--epochs
50" or "--epochs=50"). TRAINING.net may be - for standard input.

Numbers, the report's date and time follow the system's locale (LC_ALL, LANG);
numbers on the command line are written with a "." decimal point.
Every option, the settings and the files named are checked before training.
A hit criterion of 0 or less, which no response can meet, is warned about, and
refused with --no-epoch-limit (the run would never end).

A report or workbook named by a symbolic link replaces the file the link leads
to; a named pipe or a device (/dev/stdout) is written into directly, a pipe
only while a program reads it; a folder, socket or disk device is refused.

Ctrl-C (SIGINT) or SIGTERM ends the run after the current epoch with the final
status block, then tests and writes the report as asked (but does not
continue); a second one ends the program at once.

Exit status (when more than one applies, the lowest):
  0    done: none of the below
  1    a file that cannot be used: a training, test or saved-network file
       that cannot be read or does not fit, or a report, workbook or saved
       network that cannot be written (found before training where it can
       be, as a missing folder is); a CSV file that cannot be imported, a
       set file that cannot be written
  2    a bad command line or settings; nothing was trained or written
  3    standard output could not be written (a closed pipe, a full disk);
       the run went on to its end and wrote its files
  130  ended by Ctrl-C (SIGINT); 143 by SIGTERM (128 + the signal's number)
)";
    auto number = [](double value) { return FormatGeneral(value, NumberLocale{}); };
    auto range = [&](double min, double max, StartSign sign) {
        return number(min) + "," + number(max) + "," + SignName(sign);
    };
    const std::pair<const char*, std::string> fields[] = {
        {"{rule}", RuleName(defaults::Rule)},
        {"{rate}", number(defaults::Rate(RuleKind::Delta))},
        {"{tarvikRate}", number(defaults::Rate(RuleKind::Tarvik))},
        {"{epochs}", defaults::EpochsText},
        {"{printEvery}", defaults::PrintSweepsText},
        {"{minError}", defaults::MinErrorText},
        {"{weights}", range(defaults::WeightMin, defaults::WeightMax, defaults::WeightSign)},
        {"{thresholds}", range(defaults::ThresholdMin, defaults::ThresholdMax, defaults::ThresholdSign)},
    };
    for (const auto& [field, value] : fields)
        usage.replace(usage.find(field), std::string(field).size(), value);
    // The generators' own defaults, for --make.
    const CloudParams clouds;
    const std::pair<const char*, std::string> setFields[] = {
        {"{classes}", std::to_string(clouds.classes)}, {"{points}", std::to_string(clouds.perClass)},
        {"{spread}", number(clouds.spread)},           {"{noise}", number(clouds.noise)},
        {"{copies}", std::to_string(LetterParams{}.copies)}, {"{noise}", number(LetterParams{}.noise)},
    };
    for (const auto& [field, value] : setFields)
        usage.replace(usage.find(field), std::string(field).size(), value);
    return usage;
}

}  // namespace vantorelle::cli
