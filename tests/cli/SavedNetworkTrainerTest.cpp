// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer's --save and --load: a run continued from a saved network is
// the run that never stopped, and a bad saved network is refused before
// anything is trained or written.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "ReportTestSupport.h"
#include "SavedNetwork.h"
#include "SystemTexts.h"
#include "Trainer.h"

using namespace vantorelle::cli;
using vantorelle::testing::ReadBytes;
using vantorelle::testing::ScratchFolder;
using vantorelle::testing::WriteBytes;

namespace {

std::string Example(const std::string& name) { return std::string(VANTORELLE_EXAMPLES) + "/" + name; }

// One moment and the C locale, so that two reports differ only in what was trained.
struct FixedTexts : vantorelle::SystemTexts {
    vantorelle::NumberLocale Numbers() const override { return {}; }
    std::string Date() const override { return "9 Dec 2026"; }
    std::string Time() const override { return "12:00:00"; }
};

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome Train(const std::vector<std::string>& args)
{
    ParseResult parsed = ParseOptions(args);
    if (!parsed.error.empty())
        return {ExitUsageError, "", parsed.error};
    std::ostringstream out, err;
    const FixedTexts texts;
    const int code = RunTrainer(parsed.options, out, err, nullptr, &texts);
    return {code, out.str(), err.str()};
}

}  // namespace

// --- continuing ---

TEST(SavedNetworkTrainer, ContinuingFromASavedNetworkGivesTheUninterruptedRunsReportUnderEachRule)
{
    ScratchFolder folder;
    for (const char* rule : {"Delta", "Gradient", "Tarvik"}) {
        SCOPED_TRACE(rule);
        // The print interval does not divide the first run, so its end
        // record, the history and the shuffles all have to carry over.
        const std::vector<std::string> settings = {Example("letters.net"), "--rule", rule, "--seed", "77",
                                                   "--epochs", "60", "--print-every", "7", "--no-hit-stop", "-q"};
        auto with = [&](std::vector<std::string> more) {
            std::vector<std::string> args = settings;
            args.insert(args.end(), more.begin(), more.end());
            return args;
        };
        const std::string whole = folder.Path("whole.txt");
        const std::string saved = folder.Path("half.vnet");
        const std::string continued = folder.Path("continued.txt");
        ASSERT_EQ(Train(with({"--continue", "45", "--report", whole, "--sections", "all"})).code, ExitOk);
        ASSERT_EQ(Train(with({"--save", saved})).code, ExitOk);
        const Outcome again = Train({"--load", saved, "--continue", "45", "--report", continued, "--sections", "all", "-q"});
        ASSERT_EQ(again.code, ExitOk) << again.err;
        EXPECT_EQ(ReadBytes(continued), ReadBytes(whole));
    }
}

TEST(SavedNetworkTrainer, ALoadedNetworkSavedAgainIsTheSameFileAndCanBeTestedAndReported)
{
    ScratchFolder folder;
    const std::string first = folder.Path("first.vnet");
    const std::string second = folder.Path("second.vnet");
    ASSERT_EQ(Train({Example("and.net"), "--seed", "3", "--epochs", "20", "--save", first, "-q"}).code, ExitOk);
    const Outcome loaded = Train({"--load", first, "--save", second, "--test", Example("or.net"), "--report",
                                  folder.Path("r.txt")});
    ASSERT_EQ(loaded.code, ExitOk) << loaded.err;
    EXPECT_EQ(ReadBytes(second), ReadBytes(first));
    EXPECT_NE(loaded.out.find("Test file: "), std::string::npos);
    EXPECT_NE(ReadBytes(folder.Path("r.txt")).find("or.net"), std::string::npos);
}

// --- refusals ---

TEST(SavedNetworkTrainer, SettingsAndATrainingFileCannotGoWithLoad)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--load", "a.vnet", "--rate", "0.2"},
             {"--load", "a.vnet", "--seed", "4"},
             {"--load", "a.vnet", Example("and.net")},
             {"--load", "-"},
             {Example("and.net"), "--save", "-"}}) {
        const ParseResult parsed = ParseOptions(args);
        EXPECT_FALSE(parsed.error.empty()) << args[2];
    }
    EXPECT_NE(ParseOptions({"--load", "a.vnet", "--rate", "0.2"}).error.find("--rate cannot go with --load"),
              std::string::npos);
}

TEST(SavedNetworkTrainer, ABadSavedNetworkOrAPlaceThatCannotTakeOneIsNamedAndNothingIsWritten)
{
    ScratchFolder folder;
    const std::string good = folder.Path("good.vnet");
    ASSERT_EQ(Train({Example("and.net"), "--seed", "3", "--epochs", "20", "--save", good, "-q"}).code, ExitOk);
    const std::string text = ReadBytes(good);
    const std::string bad = folder.Path("bad.vnet");
    const std::string report = folder.Path("r.txt");
    // The message names the fault; the core's tests go through every kind.
    WriteBytes(bad, text.substr(0, text.size() / 2));
    const Outcome r = Train({"--load", bad, "--continue", "5", "--report", report});
    EXPECT_EQ(r.code, ExitDataError);
    EXPECT_NE(r.err.find("\"bad.vnet\" cannot be opened as a saved network: it is not JSON text, or it is cut short"),
              std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(std::filesystem::exists(report));
    const Outcome nowhere = Train({Example("and.net"), "--save", folder.Path("no/such/folder/a.vnet")});
    EXPECT_EQ(nowhere.code, ExitDataError);
    EXPECT_EQ(nowhere.out, "");  // refused before training
    EXPECT_NE(nowhere.err.find("--save \""), std::string::npos) << nowhere.err;
    const Outcome missing = Train({"--load", folder.Path("none.vnet")});
    EXPECT_EQ(missing.code, ExitDataError);
    EXPECT_NE(missing.err.find("the saved network does not exist"), std::string::npos) << missing.err;
}
