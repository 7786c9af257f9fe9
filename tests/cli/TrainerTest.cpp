#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "Trainer.h"

using namespace vantorelle::cli;

namespace {

std::string Example(const std::string& name) { return std::string(VANTORELLE_EXAMPLES) + "/" + name; }

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome Train(std::vector<std::string> args)
{
    ParseResult parsed = ParseOptions(args);
    EXPECT_TRUE(parsed.error.empty()) << parsed.error;
    std::ostringstream out, err;
    int code = RunTrainer(parsed.options, out, err);
    return {code, out.str(), err.str()};
}

// Runs the real program through the shell; answers its exit code and output.
Outcome Shell(const std::string& commandLine)
{
    std::string command = commandLine + " 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    std::array<char, 4096> buffer;
    while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe.get()))
        output.append(buffer.data(), n);
    int status = pclose(pipe.release());
    return {WEXITSTATUS(status), output, ""};
}

Outcome Program(const std::string& arguments) { return Shell(std::string(VANTORELLE_TRAIN) + " " + arguments); }

}  // namespace

TEST(Trainer, TrainsAndWithTheStatusLinesOfThePage)
{
    Outcome r = Train({Example("and.net"), "--seed", "1", "--print-every", "1", "--no-hit-stop", "--epochs", "3"});
    EXPECT_EQ(r.code, ExitOk);
    EXPECT_EQ(r.err, "");
    // Epoch 1 has no change line; later blocks do; the final block always comes.
    EXPECT_EQ(r.out.find("Epochs: 1\nTotal SSE: "), 0u) << r.out;
    EXPECT_NE(r.out.find("\n  Hits: "), std::string::npos);
    EXPECT_NE(r.out.find("Epochs: 2\nTotal SSE: "), std::string::npos);
    EXPECT_NE(r.out.find("Change in SSE: "), std::string::npos);
    std::size_t blocks = 0;
    for (std::size_t at = r.out.find("Epochs: 3\n"); at != std::string::npos; at = r.out.find("Epochs: 3\n", at + 1))
        ++blocks;
    EXPECT_EQ(blocks, 2u);  // the display at epoch 3 and the final block
}

TEST(Trainer, SameSeedSameOutputAndQuietPrintsOnlyTheFinalBlock)
{
    Outcome a = Train({Example("letters.net"), "--seed", "5", "--rule", "Gradient", "--epochs", "200"});
    Outcome b = Train({Example("letters.net"), "--seed", "5", "--rule", "Gradient", "--epochs", "200"});
    EXPECT_EQ(a.out, b.out);
    Outcome q = Train({Example("letters.net"), "--seed", "5", "--rule", "Gradient", "--epochs", "200", "--quiet"});
    EXPECT_EQ(q.out.find("Epochs: "), q.out.rfind("Epochs: "));
    EXPECT_EQ(a.out.substr(a.out.size() - q.out.size()), q.out);
}

TEST(Trainer, ContinueAndTestFile)
{
    Outcome r = Train({Example("and.net"), "--seed", "2", "--no-hit-stop", "--epochs", "30", "--continue", "20",
                   "--print-every", "1000", "--test", Example("or.net")});
    EXPECT_EQ(r.code, ExitOk) << r.err;
    EXPECT_NE(r.out.find("Epochs: 30\n"), std::string::npos);
    EXPECT_NE(r.out.find("Epochs: 50\n"), std::string::npos);
    EXPECT_NE(r.out.find("Test file: "), std::string::npos);

    Outcome mismatch = Train({Example("and.net"), "--epochs", "5", "--test", Example("letters.net")});
    EXPECT_EQ(mismatch.code, ExitDataError);
    EXPECT_NE(mismatch.err.find("35 inputs"), std::string::npos);
}

TEST(Trainer, WarningsAreTheTrainingPagesAndExitTwo)
{
    Outcome epochs = Train({Example("and.net"), "--epochs", "0"});
    EXPECT_EQ(epochs.code, ExitUsageError);
    EXPECT_EQ(epochs.err, "Maximum Epochs: Maximum number of training epochs must be greater than zero.\n");
    Outcome stops = Train({Example("and.net"), "--no-epoch-limit", "--no-hit-stop"});
    EXPECT_EQ(stops.code, ExitUsageError);
    EXPECT_EQ(stops.err, "No stopping method set: At least one box for method of ending training must be checked.\n");
    Outcome rate = Train({Example("and.net"), "--rate", "-1"});
    EXPECT_EQ(rate.code, ExitUsageError);
    EXPECT_EQ(rate.err, "Learning Rate: Learning rate cannot be negative\n");
    Outcome word = Train({Example("and.net"), "--rate", "fast"});
    EXPECT_EQ(word.code, ExitUsageError);
    EXPECT_NE(word.err.find("\"fast\""), std::string::npos);
}

TEST(Trainer, ProgramExitCodes)
{
    EXPECT_EQ(Program("--help").code, 0);
    EXPECT_EQ(Program("--version").code, 0);
    Outcome usage = Program("--frobnicate");
    EXPECT_EQ(usage.code, 2);
    EXPECT_NE(usage.out.find("--frobnicate"), std::string::npos);
    Outcome missing = Program("/nonexistent/file.net");
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.out.find("\"file.net\" cannot be opened"), std::string::npos);
    Outcome bad = Program(std::string(VANTORELLE_TEST_DATA) + "/other_program_header.net");
    EXPECT_EQ(bad.code, 1);
    EXPECT_NE(bad.out.find("\"SNNS\", is not a number"), std::string::npos);
    Outcome ok = Program(Example("and.net") + " --seed 3");
    EXPECT_EQ(ok.code, 0);
    EXPECT_NE(ok.out.find("Misses: "), std::string::npos);
}

TEST(Trainer, CtrlCEndsARunawayRunWithTheFinalBlock)
{
    // XOR with only the all-hits stop never ends by itself.
    Outcome r = Shell("timeout --preserve-status -s INT 0.5 " + std::string(VANTORELLE_TRAIN) + " " +
                      Example("xor.net") + " --no-epoch-limit --quiet");
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(r.out.find("Epochs: "), 0u) << r.out;
    EXPECT_EQ(r.out.find("Epochs: "), r.out.rfind("Epochs: "));  // quiet: the final block only
    EXPECT_NE(r.out.find("Misses: "), std::string::npos);
}
