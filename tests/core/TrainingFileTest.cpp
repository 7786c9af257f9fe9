// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "TrainingFile.h"

using namespace vantorelle;

namespace {

std::string Data(const std::string& name) { return std::string(VANTORELLE_TEST_DATA) + "/" + name; }

// A state that already holds something, to prove a refused file leaves it alone.
NetworkState Previous()
{
    NetworkState net;
    EXPECT_TRUE(ReadTrainingFile(net, std::string(VANTORELLE_EXAMPLES) + "/xor.net").ok);
    net.TrainingFileName = "xor.net";
    return net;
}

void ExpectAndPatterns(const NetworkState& net)
{
    EXPECT_EQ(net.NumOutputs, 1);
    EXPECT_EQ(net.NumInputs, 2);
    EXPECT_EQ(net.NumPatterns, 4);
    EXPECT_EQ(net.NumResponses, 4);
    const double inputs[4][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
    const double outputs[4] = {0, 0, 0, 1};
    for (long p = 1; p <= 4; ++p) {
        EXPECT_EQ(net.InputPatterns(p, 1), inputs[p - 1][0]) << p;
        EXPECT_EQ(net.InputPatterns(p, 2), inputs[p - 1][1]) << p;
        EXPECT_EQ(net.DesiredOutputs(p, 1), outputs[p - 1]) << p;
    }
    EXPECT_EQ(net.PatternOrder.size(), 5u);
}

}  // namespace

// --- good files ---

TEST(TrainingFile, SeparatorsInAnyMixReadTheSame)
{
    for (const char* name : {"line_breaks_only.net", "commas_only_no_final_newline.net", "commas_blanks_mixed.net",
                             "ignored_value_and_trailing_numbers.net", "byte_order_mark_and_crlf.net"}) {
        NetworkState net;
        ReadResult r = ReadTrainingFile(net, Data(name));
        ASSERT_TRUE(r.ok) << name << ": " << r.message;
        SCOPED_TRACE(name);
        ExpectAndPatterns(net);
    }
}

TEST(TrainingFile, SignsDecimalsAndExponents)
{
    NetworkState net;
    ReadResult r = ReadTrainingFile(net, Data("signs_and_exponents.net"));
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(net.InputPatterns(1, 1), 0.5);
    EXPECT_EQ(net.InputPatterns(1, 2), -0.001);
    EXPECT_EQ(net.InputPatterns(2, 1), 0.25);
    EXPECT_EQ(net.InputPatterns(2, 2), 1.0);
    EXPECT_EQ(net.InputPatterns(3, 2), 200.0);
    EXPECT_EQ(net.InputPatterns(4, 1), 0.0);  // too small for a double: zero
}

TEST(TrainingFile, ExamplesAllRead)
{
    for (const char* name : {"and.net", "or.net", "xor.net", "letters.net", "clusters.net"}) {
        NetworkState net;
        ReadResult r = ReadTrainingFile(net, std::string(VANTORELLE_EXAMPLES) + "/" + name);
        EXPECT_TRUE(r.ok) << name << ": " << r.message;
        EXPECT_EQ(net.NumResponses, net.NumOutputs * net.NumPatterns);
    }
    NetworkState letters;
    ReadTrainingFile(letters, std::string(VANTORELLE_EXAMPLES) + "/letters.net");
    EXPECT_EQ(letters.NumInputs, 35);
    EXPECT_EQ(letters.NumOutputs, 26);
    EXPECT_EQ(letters.NumPatterns, 26);
}

TEST(TrainingFile, ReadingLeavesUnitsWeightsSettingsAndResultsAlone)
{
    NetworkState net = Previous();
    SizeUnitsAndWeights(net);
    net.Weights(1, 1) = 0.25;
    net.LearningRule = RuleKind::Gradient;
    net.EpochCount = 17;
    ASSERT_TRUE(ReadTrainingFile(net, Data("line_breaks_only.net")).ok);
    EXPECT_EQ(net.Weights(1, 1), 0.25);
    EXPECT_EQ(net.LearningRule, RuleKind::Gradient);
    EXPECT_EQ(net.EpochCount, 17);
    EXPECT_EQ(net.TrainingFileName, "xor.net");  // the caller names the file
}

// --- bad files: a message naming the file and the fault, the old state kept ---

struct BadFile {
    const char* name;
    const char* expectedText;  // part of the message
};

class BadTrainingFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadTrainingFile, IsRefusedWithAClearMessageAndLeavesTheStateAlone)
{
    const BadFile& bad = GetParam();
    NetworkState net = Previous();
    const double before = net.DesiredOutputs(2, 1);
    ReadResult r = ReadTrainingFile(net, Data(bad.name));
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find(bad.name), std::string::npos) << r.message;
    EXPECT_NE(r.message.find(bad.expectedText), std::string::npos) << r.message;
    EXPECT_EQ(net.NumPatterns, 4);
    EXPECT_EQ(net.DesiredOutputs(2, 1), before);
    EXPECT_EQ(net.InputPatterns.Rows(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BadTrainingFile,
    ::testing::Values(BadFile{"does_not_exist.net", "cannot be opened"},
                      BadFile{"empty.net", "cannot be used: the file ends before the number of outputs."},
                      BadFile{"ends_inside_header.net", "the file ends before the number of patterns."},
                      BadFile{"ends_inside_patterns.net", "ends before"},
                      BadFile{"ends_inside_outputs.net", "ends before all desired outputs"},
                      BadFile{"word_in_patterns.net", "value 8 (line 3, column 4), \"abc\", is not a number"},
                      BadFile{"nan_in_patterns.net", "\"nan\", is not a number"},
                      BadFile{"inf_in_patterns.net", "\"inf\", is not a number"},
                      BadFile{"hex_in_patterns.net", "\"0x1p3\", is not a number"},
                      BadFile{"overflowing_value.net", "\"1e400\", is not a number"},
                      BadFile{"zero_outputs.net", ": the number of outputs must be from 1 to 32767, not 0"},
                      BadFile{"negative_inputs.net", "number of inputs must be from 1 to 32767, not -2"},
                      BadFile{"fractional_patterns.net", "number of patterns must be a whole number, not 4.5"},
                      BadFile{"inputs_beyond_limit.net", "not 32768"},
                      BadFile{"responses_beyond_limit.net", "40000 responses"},
                      BadFile{"needs_too_much_memory.net", "more memory"},
                      BadFile{"header_promises_more_than_file.net", "ends before all"},
                      BadFile{"other_program_header.net", "value 1 (line 1, column 1), \"SNNS\", is not a number"}),
    [](const ::testing::TestParamInfo<BadFile>& info) {
        std::string n = info.param.name;
        return n.substr(0, n.size() - 4);
    });

TEST(TrainingFile, NumberGrammar)
{
    auto parse = [](const std::string& s) {
        double v = -99;
        bool ok = ParseFileNumber(s.data(), s.data() + s.size(), v);
        return ok ? v : -99.0;
    };
    EXPECT_EQ(parse("12"), 12);
    EXPECT_EQ(parse("+1.5E2"), 150);
    EXPECT_EQ(parse("-.5"), -0.5);
    EXPECT_EQ(parse("5."), 5);
    for (const char* bad : {"", "+", ".", "e5", "1e", "1e+", "1.2.3", "--1", "nan", "inf", "infinity", "0x10",
                            "1e400", "-1e309", "1,5", "1d0", "12a"})
        EXPECT_EQ(parse(bad), -99.0) << bad;
}

// --- files read, but not as their author may have meant ---

// A file written with decimal commas reads as twice as many values, shifted;
// the header's count is all that is used, as always, but the reader says so.
TEST(TrainingFile, ValuesLeftOverAndEmptyFieldsAreToldNotRefused)
{
    struct Case {
        const char* text;
        bool leftOver;
        long emptyFields;
    };
    for (const Case& c : std::vector<Case>{
             {"1 0 2 2\n0 0\n1 1\n0\n1\n", false, 0},
             {"1 0 2 2\n0 0\n1 1\n0\n1\n \r\n", false, 0},  // blank lines at the end are no values
             {"1,0,2,2\n0,5 0,25\n0,75 1\n1\n0\n", true, 0},
             {"1 0 2 2\n0 0\n1 1\n0\n1\nx", true, 0},
             {"1,0,2,1\n0,,1\n1\n", false, 1},
             {"1, 0 ,\t, 2 ,1\n0 , , ,1,\n1\n", false, 3},
             {"1,0,2,1,\n,0,1,\n1,\n", false, 0},  // a comma at a line's end and the next one's start
         }) {
        SCOPED_TRACE(c.text);
        std::istringstream source(c.text);
        NetworkState net;
        const ReadResult r = ReadTrainingFile(net, source, "x.net", std::string(c.text).size());
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(r.valuesLeftOver, c.leftOver);
        EXPECT_EQ(r.emptyFields, c.emptyFields);
    }
    NetworkState net;
    EXPECT_TRUE(ReadTrainingFile(net, Data("ignored_value_and_trailing_numbers.net")).valuesLeftOver);
    EXPECT_EQ(net.InputPatterns(1, 1), 0);  // and read as before
}
