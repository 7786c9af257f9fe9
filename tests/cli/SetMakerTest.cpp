// SPDX-License-Identifier: GPL-3.0-or-later
// vantorelle-train --make / --import: the options, the files written (or,
// on any fault, not written), and a made set the trainer then trains and
// tests on.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "InProcessTrainer.h"
#include "ReportTestSupport.h"
#include "SetMaker.h"
#include "ShellCommand.h"
#include "Trainer.h"
#include "TrainingFile.h"
#include "TrainingSet.h"

using namespace vantorelle;
using namespace vantorelle::cli;
using vantorelle::testing::Outcome;
using vantorelle::testing::ReadBytes;
using vantorelle::testing::ScratchFolder;

namespace {

Outcome Make(std::vector<std::string> args)
{
    ParseResult parsed = ParseOptions(args);
    EXPECT_TRUE(parsed.error.empty()) << parsed.error;
    EXPECT_TRUE(parsed.options.set.Making());
    std::ostringstream out, err;
    const int code = RunSetMaker(parsed.options, out, err);
    return {code, out.str(), err.str()};
}

void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

TrainingSet ReadSet(const std::string& path)
{
    NetworkState net;
    const ReadResult read = ReadTrainingFile(net, path);
    EXPECT_TRUE(read.ok) << read.message;
    return SetOf(net);
}

std::string Program(const std::string& arguments)
{
    return std::string(VANTORELLE_TRAIN) + " " + arguments;
}

}  // namespace

// options
TEST(SetOptions, MakeRecipesAndCsvChoicesAreRead)
{
    ParseResult r = ParseOptions({"--make", "Clouds:classes=3,points=10,spread=0.2,noise=0.1,separable=no", "-o",
                                  "c.net", "--seed", "4"});
    ASSERT_EQ(r.error, "");
    ASSERT_TRUE(r.options.set.make);
    const CloudParams& clouds = r.options.set.make->clouds;
    EXPECT_EQ(r.options.set.make->kind, MakeRecipe::Clouds);
    EXPECT_EQ(clouds.classes, 3);
    EXPECT_EQ(clouds.perClass, 10);
    EXPECT_EQ(clouds.spread, 0.2);
    EXPECT_EQ(clouds.noise, 0.1);
    EXPECT_FALSE(clouds.separable);
    EXPECT_EQ(r.options.set.setFile, "c.net");
    EXPECT_FALSE(r.options.reportFile);  // -o named the set, not a report

    r = ParseOptions({"--import=d.csv", "--inputs", "1-3,5", "--class=4", "--delimiter", "tab", "--no-header",
                      "--decimal", "comma", "--split", "25", "--held-out", "t.net", "-o", "s.net"});
    ASSERT_EQ(r.error, "");
    const CsvOptions& csv = r.options.set.csv;
    EXPECT_EQ(csv.inputs, (std::vector<long>{1, 2, 3, 5}));
    EXPECT_EQ(csv.classColumn, 4);
    EXPECT_EQ(csv.delimiter, '\t');
    EXPECT_EQ(csv.header, HeaderRow::Absent);
    EXPECT_EQ(csv.decimal, DecimalMark::Comma);
    EXPECT_EQ(r.options.set.splitPercent, 25.0);

    r = ParseOptions({"--make", "parity", "-o", "p.net"});
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.options.set.make->function, LogicFunction::Xor);
    EXPECT_EQ(r.options.set.make->inputs, 3);
}

TEST(SetOptions, EveryRefusalIsOneLineNamingTheOptionAndItsValue)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--make", "circles", "-o", "x.net"}, "--make \"circles\": not one of and, or, nand, xor, parity, clouds, letters"},
        {{"--make", "xor:size=3", "-o", "x.net"}, "--make \"xor:size=3\": unknown key size (inputs)"},
        {{"--make", "clouds:points", "-o", "x.net"}, "--make \"clouds:points\": \"points\" is not KEY=VALUE"},
        {{"--make", "clouds:points=2.5", "-o", "x.net"}, "--make \"clouds:points=2.5\": points must be a whole number"},
        {{"--make", "clouds:separable=maybe", "-o", "x.net"},
         "--make \"clouds:separable=maybe\": separable must be yes or no"},
        {{"--make", "and:inputs=15", "-o", "x.net"},
         "--make \"and:inputs=15\": the number of patterns must be from 1 to 32767, not 32768"},
        {{"--make", "letters:letters=A1", "-o", "x.net"},
         "--make \"letters:letters=A1\": the letters must be capitals from A to Z, not \"1\""},
        {{"--make", "xor"}, "--make needs -o FILE.net (- for standard output)"},
        {{"--make", "xor", "--import", "a.csv", "-o", "x.net"}, "--make and --import: a set is either made or imported"},
        {{"--make", "xor", "-o", "x.net", "--epochs", "5"}, "--epochs: making a training set trains nothing"},
        {{"--make", "xor", "--report", "x.net"}, "--report: a made set has no report; name its file with -o"},
        {{"and.net", "--make", "xor", "-o", "x.net"}, "\"and.net\": making a training set reads no training file"},
        {{"and.net", "--inputs", "1"}, "--inputs needs --import FILE.csv"},
        {{"--import", "a.csv", "--outputs", "2", "-o", "x.net"}, "--import needs --inputs LIST"},
        {{"--import", "a.csv", "--inputs", "1", "-o", "x.net"}, "--import needs --outputs LIST or --class COLUMN"},
        {{"--import", "a.csv", "--inputs", "2-1"}, "--inputs \"2-1\": not a list of column numbers such as 1-4 or 1,3,5-7"},
        {{"--import", "a.csv", "--class", "1,2"}, "--class \"1,2\": not one column number"},
        {{"--import", "a.csv", "--delimiter", "\""}, "--delimiter \"\"\": not one character (or tab) other than a quote"},
        {{"--import", "a.csv", "--decimal", "dot"}, "--decimal \"dot\": not point or comma"},
        {{"--make", "xor", "--split", "100"}, "--split \"100\": not a percentage above 0 and below 100"},
        {{"--make", "xor", "--split", "20", "-o", "x.net"}, "--split needs --held-out FILE.net"},
        {{"--make", "xor", "--held-out", "t.net", "-o", "x.net"}, "--held-out needs --split PERCENT"},
        {{"and.net", "--split", "20", "--held-out", "t.net"}, "--split needs --make or --import"},
        {{"--make", "xor", "--split", "20", "--held-out", "x.net", "-o", "x.net"},
         "--held-out \"x.net\": the same file as -o"},
    };
    for (const auto& [args, error] : cases)
        EXPECT_EQ(ParseOptions(args).error, error) << args[0] << " " << args[1];
}

// files written
TEST(SetMaker, XorIsTheExampleFileAndTellsWhatItWrote)
{
    ScratchFolder scratch;
    const Outcome r = Make({"--make", "xor", "-o", scratch.Path("xor.net")});
    EXPECT_EQ(r.code, ExitOk) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "Wrote \"" + scratch.Path("xor.net") + "\": 4 patterns of 2 inputs and 1 output.\n");
    EXPECT_EQ(TrainingFileText(ReadSet(scratch.Path("xor.net"))),
              TrainingFileText(ReadSet(std::string(VANTORELLE_EXAMPLES) + "/xor.net")));
}

TEST(SetMaker, TheSeedItPrintsMakesTheSameSetAgain)
{
    ScratchFolder scratch;
    const Outcome first = Make({"--make", "clouds:points=20,noise=0.1", "-o", scratch.Path("a.net")});
    ASSERT_EQ(first.code, ExitOk) << first.err;
    std::smatch seed;
    ASSERT_TRUE(std::regex_search(first.out, seed, std::regex("--seed ([0-9]+) makes the same again.\n"))) << first.out;
    const Outcome again = Make({"--make", "clouds:points=20,noise=0.1", "--seed", seed[1], "-o", scratch.Path("b.net")});
    ASSERT_EQ(again.code, ExitOk) << again.err;
    EXPECT_EQ(again.out.find("--seed"), std::string::npos);  // given, so not told
    EXPECT_EQ(ReadBytes(scratch.Path("a.net")), ReadBytes(scratch.Path("b.net")));
}

TEST(SetMaker, SplitHoldsOutItsShareAndTheTrainerTestsOnIt)
{
    ScratchFolder scratch;
    const Outcome r = Make({"--make", "clouds:points=50", "--seed", "3", "--split", "20", "--held-out",
                            scratch.Path("test.net"), "-o", scratch.Path("train.net")});
    ASSERT_EQ(r.code, ExitOk) << r.err;
    const TrainingSet train = ReadSet(scratch.Path("train.net"));
    const TrainingSet test = ReadSet(scratch.Path("test.net"));
    EXPECT_EQ(train.NumPatterns(), 80);
    EXPECT_EQ(test.NumPatterns(), 20);

    const auto run = vantorelle::testing::RunThroughShell(Program(scratch.Path("train.net") + " --seed 1 -q --test " +
                                                                  scratch.Path("test.net")));
    EXPECT_EQ(run.code, 0) << run.output;
    EXPECT_NE(run.output.find("Test file: " + scratch.Path("test.net") + "\n"), std::string::npos) << run.output;
}

TEST(SetMaker, ImportedClassesAreListedAndTheSetReadsBack)
{
    ScratchFolder scratch;
    Write(scratch.Path("iris.csv"), "sl;sw;species\n5,1;3,5;setosa\n7,0;3,2;versicolor\n6,3;3,3;virginica\n");
    const Outcome r = Make({"--import", scratch.Path("iris.csv"), "--inputs", "1-2", "--class", "3", "--decimal",
                            "comma", "-o", scratch.Path("iris.net")});
    ASSERT_EQ(r.code, ExitOk) << r.err;
    EXPECT_NE(r.out.find("3 patterns of 2 inputs and 3 outputs; the first row read as a header; outputs 1 to 3 stand for "
                         "the classes \"setosa\", \"versicolor\", \"virginica\"."),
              std::string::npos)
        << r.out;
    EXPECT_EQ(ReadBytes(scratch.Path("iris.net")), "3, 0, 2, 3\n5.1, 3.5\n7, 3.2\n6.3, 3.3\n1, 0, 0\n0, 1, 0\n0, 0, 1\n");
}

TEST(SetMaker, ABadCsvFileWritesNothingAndNamesTheDecimalSwitch)
{
    ScratchFolder scratch;
    Write(scratch.Path("m.csv"), "a;b\n1,5;1\n");
    Write(scratch.Path("old.net"), "earlier");
    Write(scratch.Path("held.net"), "earlier too");
    const Outcome r = Make({"--import", scratch.Path("m.csv"), "--inputs", "1", "--outputs", "2", "--split", "50",
                            "--held-out", scratch.Path("held.net"), "-o", scratch.Path("old.net")});
    EXPECT_EQ(r.code, ExitDataError);
    EXPECT_EQ(r.err, "vantorelle-train: The CSV file \"" + scratch.Path("m.csv") +
                         "\" cannot be used: row 2, column 1, \"1,5\", is not a number with a decimal point; it has a "
                         "decimal comma, but decimal points were chosen. (--decimal comma)\n");
    EXPECT_EQ(ReadBytes(scratch.Path("old.net")), "earlier");
    EXPECT_EQ(ReadBytes(scratch.Path("held.net")), "earlier too");
    EXPECT_EQ(scratch.Names(), (std::vector<std::string>{"held.net", "m.csv", "old.net"}));
}

TEST(SetMaker, AMissingFileOrFolderIsFoundBeforeAnythingIsWritten)
{
    ScratchFolder scratch;
    Outcome r = Make({"--import", scratch.Path("none.csv"), "--inputs", "1", "--outputs", "2", "-o",
                      scratch.Path("x.net")});
    EXPECT_EQ(r.code, ExitDataError);
    EXPECT_EQ(r.err, "vantorelle-train: --import \"" + scratch.Path("none.csv") + "\": the CSV file does not exist\n");
    r = Make({"--make", "xor", "--split", "25", "--held-out", scratch.Path("no/t.net"), "-o", scratch.Path("x.net")});
    EXPECT_EQ(r.code, ExitDataError);
    EXPECT_EQ(r.err, "vantorelle-train: --held-out \"" + scratch.Path("no/t.net") + "\": the folder \"" +
                         scratch.Path("no") + "\" does not exist\n");
    r = Make({"--make", "xor", "--split", "10", "--held-out", scratch.Path("t.net"), "-o", scratch.Path("x.net")});
    EXPECT_EQ(r.code, ExitUsageError);
    EXPECT_EQ(r.err, "vantorelle-train: --split: 10% of 4 patterns leaves none to hold out\n");
    EXPECT_TRUE(scratch.Names().empty());
}

TEST(SetMaker, StandardInputAndOutputInAPipeline)
{
    ScratchFolder scratch;
    const auto r = vantorelle::testing::RunThroughShell(
        "printf 'x,y\\n1,0\\n0,1\\n' | " + Program("--import - --inputs 1 --outputs 2 -o - 2>" + scratch.Path("err")) +
        " | " + Program("- --seed 1 -q --file-order"));
    EXPECT_EQ(r.code, 0) << r.output;
    EXPECT_NE(r.output.find("Epochs: "), std::string::npos) << r.output;
    EXPECT_EQ(ReadBytes(scratch.Path("err")), "Wrote standard output: 2 patterns of 1 input and 1 output; the first "
                                              "row read as a header.\n");
}
