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
