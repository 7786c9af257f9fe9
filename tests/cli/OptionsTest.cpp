// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Options.h"

using namespace vantorelle::cli;
using vantorelle::RuleKind;
using vantorelle::StartSign;

TEST(Options, DefaultsAndEveryOption)
{
    ParseResult d = ParseOptions({"and.net"});
    ASSERT_TRUE(d.error.empty()) << d.error;
    EXPECT_EQ(d.options.rule, RuleKind::Delta);
    EXPECT_EQ(d.options.epochs.text, "1000");
    EXPECT_EQ(d.options.printEvery.text, "100");
    EXPECT_TRUE(d.options.epochLimit && d.options.hitStop);
    EXPECT_FALSE(d.options.seed.has_value());

    ParseResult r = ParseOptions({"--rule", "tarvik", "x.net", "--rate", "0.2", "--epochs", "50", "--no-hit-stop",
                                  "--print-every", "5", "--min-error", "0.1", "--file-order", "--freeze-thresholds",
                                  "--weights", "0.2, 1 ,pos", "--thresholds", "0.1,0.2,NEG", "--seed", "17",
                                  "--continue", "20", "--test", "y.net", "--quiet"});
    ASSERT_TRUE(r.error.empty()) << r.error;
    const Options& o = r.options;
    EXPECT_EQ(o.trainingFile, "x.net");
    EXPECT_EQ(o.rule, RuleKind::Tarvik);
    EXPECT_EQ(o.rate->text, "0.2");
    EXPECT_EQ(o.epochs.text, "50");
    EXPECT_EQ(o.epochs.value, 50);  // read once, here
    EXPECT_EQ(o.rate->value, 0.2);
    EXPECT_FALSE(o.hitStop);
    EXPECT_EQ(o.printEvery.text, "5");
    EXPECT_EQ(o.minError.text, "0.1");
    EXPECT_TRUE(o.fileOrder && o.freezeThresholds && o.quiet);
    EXPECT_EQ(o.weights.min, 0.2);
    EXPECT_EQ(o.weights.sign, StartSign::Pos);
    EXPECT_EQ(o.thresholds.max, 0.2);
    EXPECT_EQ(o.thresholds.sign, StartSign::Neg);
    EXPECT_EQ(*o.seed, 17u);
    EXPECT_EQ(o.continueEpochs->text, "20");
    EXPECT_EQ(*o.testFile, "y.net");
}

// Every refusal is one line naming the option and its value, made before
// anything is read or trained.
TEST(Options, EveryRefusalIsOneLineNamingTheOptionAndItsValue)
{
    struct Case {
        std::vector<std::string> args;
        std::string expected;
    };
    for (const Case& c : std::vector<Case>{
             {{}, "no training file given"},
             {{"a.net", "--rule", "Hebb"}, "--rule \"Hebb\": not one of Delta, Gradient, Tarvik"},
             {{"a.net", "--rate"}, "--rate needs a number"},
             {{"a.net", "--rate", "fast"}, "--rate \"fast\": not a number"},
             {{"a.net", "--epochs", "many"}, "--epochs \"many\": not a number"},
             {{"a.net", "--epochs", "1e30"}, "--epochs \"1e30\": too large"},
             {{"a.net", "--print-every", "often"}, "--print-every \"often\": not a number"},
             {{"a.net", "--min-error", "0,01"}, "--min-error \"0,01\": not a number"},
             {{"a.net", "--continue", "more"}, "--continue \"more\": not a number"},
             {{"a.net", "--continue", "abc"}, "--continue \"abc\": not a number"},
             {{"a.net", "--weights", "0,1"}, "--weights \"0,1\": not MIN,MAX,SIGN"},
             {{"a.net", "--weights", "0,x,Both"}, "--weights \"0,x,Both\": not MIN,MAX,SIGN with SIGN one of"},
             {{"a.net", "--thresholds", "0,1,Up"}, "--thresholds \"0,1,Up\": not MIN,MAX,SIGN with SIGN one of"},
             {{"a.net", "--seed", "-3"}, "--seed \"-3\": not a whole number"},
             // A forgotten value: the next option is not taken for it.
             {{"a.net", "--report", "--quiet"}, "--report needs a file name, but \"--quiet\" is an option"},
             {{"a.net", "--test", "-h"}, "--test needs a training file, but \"-h\" is an option"},
             {{"a.net", "--report", ""}, "--report \"\": no file name"},
             {{"a.net", "--bogus"}, "unknown option --bogus"},
             {{"a.net", "b.net"}, "more than one training file: a.net and b.net"},
             // The training page's settings check, told as the option it is about.
             {{"a.net", "--epochs", "0"}, "--epochs \"0\": Maximum number of training epochs must be greater than zero."},
             {{"a.net", "--epochs", "0.4"},
              "--epochs \"0.4\": Maximum number of training epochs must be greater than zero."},
             {{"a.net", "--no-epoch-limit", "--no-hit-stop"},
              "--no-epoch-limit with --no-hit-stop: At least one box for method of ending training must be checked."},
             {{"a.net", "--rate", "-1"}, "--rate \"-1\": Learning rate cannot be negative"},
             {{"a.net", "--print-every", "0"},
              "--print-every \"0\": The number of epochs between progress displays must be at least one."},
             // --continue is checked with the rest, not after the first run.
             {{"a.net", "--continue", "0"},
              "--continue \"0\": Maximum number of training epochs must be greater than zero."},
             {{"a.net", "--no-epoch-limit", "--continue", "-5"},
              "--continue \"-5\": Maximum number of training epochs must be greater than zero."},
         }) {
        ParseResult r = ParseOptions(c.args);
        EXPECT_EQ(r.error.substr(0, c.expected.size()), c.expected);
        EXPECT_EQ(r.error.find('\n'), std::string::npos) << r.error;
    }
    EXPECT_TRUE(ParseOptions({"--help"}).error.empty());
    // A negative number is a value, not an option.
    ParseResult negative = ParseOptions({"a.net", "--min-error", "-0.5"});
    EXPECT_EQ(negative.error, "");
    EXPECT_EQ(negative.options.minError.text, "-0.5");
}

// The start pages' range check, with their texts.
TEST(Options, StartRangesAreCheckedAsOnTheStartPages)
{
    EXPECT_EQ(ParseOptions({"a.net", "--weights", "0.5,0.2,Pos"}).error,
              "--weights \"0.5,0.2,Pos\": The minimum weight cannot be greater than the maximum weight.");
    EXPECT_EQ(ParseOptions({"a.net", "--weights", "-0.2,0.5,Both"}).error,
              "--weights \"-0.2,0.5,Both\": Minimum cannot be less than 0.  (It is an absolute value.)");
    EXPECT_EQ(ParseOptions({"a.net", "--thresholds", "0.3,0,Neg"}).error,
              "--thresholds \"0.3,0,Neg\": The minimum threshold start cannot be greater than the maximum "
              "threshold start.");
    EXPECT_EQ(ParseOptions({"a.net", "--thresholds", "-1,1,Pos"}).error,
              "--thresholds \"-1,1,Pos\": The entry for minimum bias cannot be less than zero.  (It is an "
              "absolute value)");
    ParseResult equal = ParseOptions({"a.net", "--weights", "0.3,0.3,Neg", "--thresholds", "0,2,Pos"});
    ASSERT_EQ(equal.error, "");
    EXPECT_EQ(equal.options.weights.min, 0.3);
    EXPECT_EQ(equal.options.weights.max, 0.3);
    EXPECT_EQ(equal.options.thresholds.max, 2);
}

TEST(Options, ReportAndSections)
{
    using vantorelle::ReportSections;
    ParseResult d = ParseOptions({"a.net", "--report", "out/r.txt"});
    ASSERT_TRUE(d.error.empty()) << d.error;
    EXPECT_EQ(*d.options.reportFile, "out/r.txt");
    // The boxes checked when the save-results page opens: Check1(1) to (4).
    EXPECT_EQ(d.options.sections, (ReportSections{false, true, true, true, true, false, false}));
    EXPECT_FALSE(ParseOptions({"a.net"}).options.reportFile.has_value());

    // Each name sets its own box, indexed as the page's Check1 array.
    EXPECT_EQ(*ParseSections("inputs"), (ReportSections{true, false, false, false, false, false, false}));
    EXPECT_EQ(*ParseSections("general"), (ReportSections{false, true, false, false, false, false, false}));
    EXPECT_EQ(*ParseSections("responses"), (ReportSections{false, false, true, false, false, false, false}));
    EXPECT_EQ(*ParseSections("errors"), (ReportSections{false, false, false, true, false, false, false}));
    EXPECT_EQ(*ParseSections("weights"), (ReportSections{false, false, false, false, true, false, false}));
    EXPECT_EQ(*ParseSections("outputs"), (ReportSections{false, false, false, false, false, true, false}));
    EXPECT_EQ(*ParseSections("history"), (ReportSections{false, false, false, false, false, false, true}));
    EXPECT_EQ(*ParseSections("History,INPUTS,history"), (ReportSections{true, false, false, false, false, false, true}));
    EXPECT_EQ(*ParseSections("all"), (ReportSections{true, true, true, true, true, true, true}));
    EXPECT_EQ(*ParseSections("None"), ReportSections{});
    for (const char* bad : {"", ",", "general,", ",general", "all,general", "none,errors", "general errors", "colours"})
        EXPECT_FALSE(ParseSections(bad).has_value()) << bad;
    // Blanks after the commas, as people write lists.
    EXPECT_EQ(*ParseSections("general, weights"), (ReportSections{false, true, false, false, true, false, false}));
    EXPECT_EQ(*ParseSections(" errors ,\thistory "), (ReportSections{false, false, false, true, false, false, true}));

    ParseResult s = ParseOptions({"a.net", "--sections", "errors,weights", "--report", "r.txt"});
    ASSERT_TRUE(s.error.empty()) << s.error;
    EXPECT_EQ(s.options.sections, (ReportSections{false, false, false, true, true, false, false}));

    EXPECT_NE(ParseOptions({"a.net", "--sections", "all"}).error.find("--sections needs --report"), std::string::npos);
    EXPECT_NE(ParseOptions({"a.net", "--report", "r", "--sections", "bias"}).error.find("--sections \"bias\": not a list"),
              std::string::npos);
    EXPECT_NE(ParseOptions({"a.net", "--report", "r", "--sections"}).error.find("--sections needs a list"),
              std::string::npos);
    EXPECT_NE(ParseOptions({"a.net", "--report"}).error.find("--report needs a file name"), std::string::npos);
}

// The forms people type from other programs: an attached value, the short
// switches, and "--" before a file whose name begins with "-".
TEST(Options, AttachedValuesShortFormsAndTheEndOfOptions)
{
    ParseResult attached = ParseOptions({"a.net", "--epochs=50", "--weights=0.1,0.2,Pos", "--report=--odd name",
                                         "--rule=tarvik", "-q", "--sections=all"});
    ASSERT_EQ(attached.error, "");
    EXPECT_EQ(attached.options.epochs.text, "50");
    EXPECT_EQ(attached.options.weights.max, 0.2);
    EXPECT_EQ(*attached.options.reportFile, "--odd name");  // attached, so plainly a value
    EXPECT_EQ(attached.options.rule, RuleKind::Tarvik);
    EXPECT_TRUE(attached.options.quiet);
    EXPECT_EQ(attached.options.sections, (vantorelle::ReportSections{true, true, true, true, true, true, true}));

    ParseResult shortReport = ParseOptions({"-o", "r.txt", "a.net", "--sections", "general"});
    ASSERT_EQ(shortReport.error, "");
    EXPECT_EQ(*shortReport.options.reportFile, "r.txt");
    EXPECT_TRUE(ParseOptions({"-V"}).options.version);
    EXPECT_TRUE(ParseOptions({"-h"}).options.help);

    ParseResult ended = ParseOptions({"--quiet", "--", "-odd.net"});
    ASSERT_EQ(ended.error, "");
    EXPECT_EQ(ended.options.trainingFile, "-odd.net");
    EXPECT_EQ(ParseOptions({"--", "a.net", "--quiet"}).error, "more than one training file: a.net and --quiet");
    EXPECT_EQ(ParseOptions({"-"}).options.trainingFile, "-");

    EXPECT_EQ(ParseOptions({"a.net", "--epochs="}).error, "--epochs \"\": not a number");
    EXPECT_EQ(ParseOptions({"a.net", "--rate=fast"}).error, "--rate \"fast\": not a number");
    EXPECT_EQ(ParseOptions({"a.net", "--quiet=yes"}).error, "--quiet takes no value, but was given \"yes\"");
    EXPECT_EQ(ParseOptions({"a.net", "--bogus=1"}).error, "unknown option --bogus");
    EXPECT_EQ(ParseOptions({"a.net", "-o"}).error, "-o needs a file name");
    EXPECT_EQ(ParseOptions({"a.net", "--test", "-q"}).error, "--test needs a training file, but \"-q\" is an option");
    EXPECT_EQ(ParseOptions({"a.net", "--sections=all"}).error, "--sections needs --report FILE");
    EXPECT_EQ(ParseOptions({"-", "--test", "-"}).error,
              "--test \"-\": only the training file can be read from standard input");
    EXPECT_EQ(ParseOptions({"a.net", "--xlsx", "-"}).error,
              "--xlsx \"-\": the workbook cannot be written to standard output");
}

// Every option the parser knows is in --help, with its short form where it has one.
TEST(Options, HelpListsEveryFormTheParserTakes)
{
    const std::string usage = UsageText();
    for (const char* form : {"-h, --help", "-V, --version", "-q, --quiet", "-o, --report FILE", "--xlsx FILE",
                             "--sections LIST", "--continue N", "--seed N", "--test FILE", "--", "--epochs=50",
                             "--make SET", "--import FILE.csv", "--inputs LIST", "--outputs LIST", "--class COLUMN",
                             "--delimiter C", "--header, --no-header", "--decimal point|comma", "--split PERCENT",
                             "--held-out FILE.net"})
        EXPECT_NE(usage.find(form), std::string::npos) << form;
}
