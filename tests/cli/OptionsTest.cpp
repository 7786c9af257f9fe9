#include <gtest/gtest.h>

#include "Options.h"

using namespace vantorelle::cli;

TEST(Options, DefaultsAndEveryOption)
{
    ParseResult d = ParseOptions({"and.net"});
    ASSERT_TRUE(d.error.empty()) << d.error;
    EXPECT_EQ(d.options.rule, "Delta");
    EXPECT_EQ(d.options.epochs, "1000");
    EXPECT_EQ(d.options.printEvery, "100");
    EXPECT_TRUE(d.options.epochLimit && d.options.hitStop);
    EXPECT_FALSE(d.options.seed.has_value());

    ParseResult r = ParseOptions({"--rule", "tarvik", "x.net", "--rate", "0.2", "--epochs", "50", "--no-hit-stop",
                                  "--print-every", "5", "--min-error", "0.1", "--file-order", "--freeze-thresholds",
                                  "--weights", "-1,1,pos", "--thresholds", "0.1,0.2,NEG", "--seed", "17",
                                  "--continue", "20", "--test", "y.net", "--quiet"});
    ASSERT_TRUE(r.error.empty()) << r.error;
    const Options& o = r.options;
    EXPECT_EQ(o.trainingFile, "x.net");
    EXPECT_EQ(o.rule, "Tarvik");
    EXPECT_EQ(*o.rate, "0.2");
    EXPECT_EQ(o.epochs, "50");
    EXPECT_FALSE(o.hitStop);
    EXPECT_EQ(o.printEvery, "5");
    EXPECT_EQ(o.minError, "0.1");
    EXPECT_TRUE(o.fileOrder && o.freezeThresholds && o.quiet);
    EXPECT_EQ(o.weights.min, -1);
    EXPECT_EQ(o.weights.sign, "Pos");
    EXPECT_EQ(o.thresholds.max, 0.2);
    EXPECT_EQ(o.thresholds.sign, "Neg");
    EXPECT_EQ(*o.seed, 17u);
    EXPECT_EQ(*o.continueEpochs, "20");
    EXPECT_EQ(*o.testFile, "y.net");
    EXPECT_EQ(DefaultRate("Tarvik"), "0.10");
    EXPECT_EQ(DefaultRate("Gradient"), "0.50");
}

TEST(Options, UsageErrorsNameTheOption)
{
    struct Case {
        std::vector<std::string> args;
        std::string expected;
    };
    for (const Case& c : std::vector<Case>{{{}, "no training file"},
                                           {{"a.net", "--rule", "Hebb"}, "--rule"},
                                           {{"a.net", "--rate"}, "--rate"},
                                           {{"a.net", "--weights", "0,1"}, "--weights"},
                                           {{"a.net", "--weights", "0,x,Both"}, "--weights"},
                                           {{"a.net", "--thresholds", "0,1,Up"}, "--thresholds"},
                                           {{"a.net", "--seed", "-3"}, "--seed"},
                                           {{"a.net", "--bogus"}, "unknown option --bogus"},
                                           {{"a.net", "b.net"}, "more than one training file"}}) {
        ParseResult r = ParseOptions(c.args);
        EXPECT_NE(r.error.find(c.expected), std::string::npos) << r.error;
    }
    EXPECT_TRUE(ParseOptions({"--help"}).error.empty());
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

    ParseResult s = ParseOptions({"a.net", "--sections", "errors,weights", "--report", "r.txt"});
    ASSERT_TRUE(s.error.empty()) << s.error;
    EXPECT_EQ(s.options.sections, (ReportSections{false, false, false, true, true, false, false}));

    EXPECT_NE(ParseOptions({"a.net", "--sections", "all"}).error.find("--sections needs --report"), std::string::npos);
    EXPECT_NE(ParseOptions({"a.net", "--report", "r", "--sections", "bias"}).error.find("--sections: \"bias\""),
              std::string::npos);
    EXPECT_NE(ParseOptions({"a.net", "--report", "r", "--sections"}).error.find("--sections needs a list"),
              std::string::npos);
    EXPECT_NE(ParseOptions({"a.net", "--report"}).error.find("--report needs a file name"), std::string::npos);
    EXPECT_NE(ParseOptions({"a.net", "--report", ""}).error.find("--report needs a file name"), std::string::npos);
}
