// SPDX-License-Identifier: GPL-3.0-or-later
// Each generator makes the set it claims: its shape, its values, and whether
// a line parts its classes (the step rule gets every pattern right on the
// separable sets and never on XOR or parity). The step rule here is written
// out on its own, apart from the engine.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "SetGenerators.h"
#include "TrainingFile.h"

using namespace vantorelle;

namespace {

// The delta rule with step units, patterns in set order, rate 0.5, from
// zero weights: answers whether an epoch got every output of every pattern
// right within `epochs` epochs.
bool StepRuleLearns(const TrainingSet& set, long epochs)
{
    const long inputs = set.NumInputs();
    const long outputs = set.NumOutputs();
    std::vector<double> weights(static_cast<std::size_t>((inputs + 1) * outputs), 0.0);  // threshold last
    auto w = [&](long i, long k) -> double& { return weights[static_cast<std::size_t>((k - 1) * (inputs + 1) + i - 1)]; };
    for (long epoch = 1; epoch <= epochs; ++epoch) {
        bool allRight = true;
        for (long p = 1; p <= set.NumPatterns(); ++p) {
            for (long k = 1; k <= outputs; ++k) {
                double net = w(inputs + 1, k);
                for (long i = 1; i <= inputs; ++i)
                    net += w(i, k) * set.InputPatterns(p, i);
                const double error = set.DesiredOutputs(p, k) - (net >= 0 ? 1.0 : 0.0);
                if (error == 0)
                    continue;
                allRight = false;
                for (long i = 1; i <= inputs; ++i)
                    w(i, k) += 0.5 * error * set.InputPatterns(p, i);
                w(inputs + 1, k) += 0.5 * error;
            }
        }
        if (allRight)
            return true;
    }
    return false;
}

long ClassOf(const TrainingSet& set, long p)
{
    if (set.NumOutputs() == 1)
        return static_cast<long>(set.DesiredOutputs(p, 1));
    for (long k = 1; k <= set.NumOutputs(); ++k)
        if (set.DesiredOutputs(p, k) == 1)
            return k - 1;
    return -1;
}

}  // namespace

// logic functions
TEST(LogicSets, AndMatchesTheExampleFile)
{
    NetworkState net;
    ASSERT_TRUE(ReadTrainingFile(net, std::string(VANTORELLE_EXAMPLES) + "/and.net").ok);
    const TrainingSet made = LogicSet(LogicFunction::And, 2);
    EXPECT_EQ(TrainingFileText(made), TrainingFileText(SetOf(net)));
}

TEST(LogicSets, EachFunctionGivesItsTruthTable)
{
    struct Case {
        LogicFunction function;
        const char* outputs;  // for 00, 01, 10, 11
    };
    for (const Case& c : {Case{LogicFunction::And, "0001"}, Case{LogicFunction::Or, "0111"},
                          Case{LogicFunction::Nand, "1110"}, Case{LogicFunction::Xor, "0110"}}) {
        const TrainingSet set = LogicSet(c.function, 2);
        ASSERT_EQ(set.NumPatterns(), 4);
        for (long p = 1; p <= 4; ++p)
            EXPECT_EQ(set.DesiredOutputs(p, 1), c.outputs[p - 1] == '1' ? 1.0 : 0.0) << c.outputs << " " << p;
    }
}

TEST(LogicSets, ParityOfFourInputsCountsTheOnes)
{
    const TrainingSet set = LogicSet(LogicFunction::Xor, 4);
    ASSERT_EQ(set.NumPatterns(), 16);
    ASSERT_EQ(set.NumInputs(), 4);
    for (long p = 1; p <= 16; ++p) {
        double ones = 0;
        for (long i = 1; i <= 4; ++i) {
            EXPECT_EQ(set.InputPatterns(p, i), static_cast<double>(((p - 1) >> (4 - i)) & 1));
            ones += set.InputPatterns(p, i);
        }
        EXPECT_EQ(set.DesiredOutputs(p, 1), std::fmod(ones, 2.0));
    }
}

TEST(LogicSets, StepRuleLearnsAndOrNandButNeverXorOrParity)
{
    EXPECT_TRUE(StepRuleLearns(LogicSet(LogicFunction::And, 2), 1000));
    EXPECT_TRUE(StepRuleLearns(LogicSet(LogicFunction::Or, 5), 1000));
    EXPECT_TRUE(StepRuleLearns(LogicSet(LogicFunction::Nand, 3), 1000));
    EXPECT_FALSE(StepRuleLearns(LogicSet(LogicFunction::Xor, 2), 1000));
    EXPECT_FALSE(StepRuleLearns(LogicSet(LogicFunction::Xor, 3), 1000));
}

TEST(LogicSets, TooManyInputsAreRefusedAsTheReaderWould)
{
    EXPECT_EQ(LogicProblem(14), "");
    EXPECT_EQ(LogicProblem(15), "the number of patterns must be from 1 to 32767, not 32768.");
    EXPECT_EQ(LogicProblem(0), "the number of inputs must be from 1 to 16.");
}

// clouds
TEST(CloudSets, HaveTheirShapeAndTakeTheClassesInTurn)
{
    MersenneRandom random(5);
    const TrainingSet two = CloudSet({2, 30, 0.3, 0, true}, random);
    EXPECT_EQ(two.NumPatterns(), 60);
    EXPECT_EQ(two.NumInputs(), 2);
    EXPECT_EQ(two.NumOutputs(), 1);
    const TrainingSet four = CloudSet({4, 10, 0.1, 0, true}, random);
    EXPECT_EQ(four.NumPatterns(), 40);
    EXPECT_EQ(four.NumOutputs(), 4);
    for (long p = 1; p <= 40; ++p) {
        EXPECT_EQ(ClassOf(four, p), (p - 1) % 4);
        double sum = 0;
        for (long k = 1; k <= 4; ++k)
            sum += four.DesiredOutputs(p, k);
        EXPECT_EQ(sum, 1.0);  // one-hot
    }
}

TEST(CloudSets, SeparableCloudsLieWithinTheirCutOffAndALinePartsEach)
{
    for (long classes : {2L, 3L, 5L}) {
        MersenneRandom random(static_cast<std::uint64_t>(classes));
        const TrainingSet set = CloudSet({classes, 100, 0.5, 0, true}, random);
        // Each class beyond the line halfway between its centre's projection
        // and the others', along its centre's direction.
        const double between = std::cos(2 * std::numbers::pi / static_cast<double>(classes));
        for (long p = 1; p <= set.NumPatterns(); ++p) {
            const long cls = ClassOf(set, p);
            const double angle = 2 * std::numbers::pi * static_cast<double>(cls) / static_cast<double>(classes);
            const double dx = set.InputPatterns(p, 1) - std::cos(angle);
            const double dy = set.InputPatterns(p, 2) - std::sin(angle);
            EXPECT_LT(std::hypot(dx, dy), CloudCutOff(classes));
            for (long j = 0; j < classes; ++j) {
                const double a = 2 * std::numbers::pi * static_cast<double>(j) / static_cast<double>(classes);
                const double along = set.InputPatterns(p, 1) * std::cos(a) + set.InputPatterns(p, 2) * std::sin(a);
                if (j == cls)
                    EXPECT_GT(along, (1 + between) / 2);
                else
                    EXPECT_LT(along, (1 + between) / 2);
            }
        }
        EXPECT_TRUE(StepRuleLearns(set, 5000)) << classes << " classes";
    }
}

TEST(CloudSets, OverlappingCloudsAndNoisyOnesAreNotLearnedByTheStepRule)
{
    MersenneRandom random(11);
    EXPECT_FALSE(StepRuleLearns(CloudSet({2, 50, 0.5, 0, false}, random), 2000));
    // Separable clouds with every tenth label flipped.
    const TrainingSet noisy = CloudSet({2, 50, 0.3, 0.1, true}, random);
    long wrongSide = 0;
    for (long p = 1; p <= noisy.NumPatterns(); ++p)
        wrongSide += (noisy.InputPatterns(p, 1) > 0) != (ClassOf(noisy, p) == 0);
    EXPECT_EQ(wrongSide, 10);
    EXPECT_FALSE(StepRuleLearns(noisy, 2000));
}

TEST(CloudSets, TheSameSeedMakesTheSameSet)
{
    MersenneRandom a(42), b(42), c(43);
    const CloudParams params{3, 20, 0.2, 0.05, true};
    const std::string first = TrainingFileText(CloudSet(params, a));
    EXPECT_EQ(first, TrainingFileText(CloudSet(params, b)));
    EXPECT_NE(first, TrainingFileText(CloudSet(params, c)));
}

TEST(CloudSets, ParametersOutsideTheirRangeAreRefused)
{
    EXPECT_EQ(CloudProblem({1, 10, 0.3, 0, true}), "the number of classes must be from 2 to 26.");
    EXPECT_EQ(CloudProblem({2, 0, 0.3, 0, true}), "the number of points per class must be from 1 to 32767.");
    EXPECT_EQ(CloudProblem({2, 10, 0, 0, true}), "the spread must be above 0 and at most 10.");
    EXPECT_EQ(CloudProblem({2, 10, std::nan(""), 0, true}), "the spread must be above 0 and at most 10.");
    EXPECT_EQ(CloudProblem({2, 10, 0.3, 1.5, true}), "the noise must be a share from 0 to 1.");
    EXPECT_EQ(CloudProblem({3, 20000, 0.3, 0, true}), "the number of patterns must be from 1 to 32767, not 60000.");
    EXPECT_EQ(CloudProblem({3, 5000, 0.3, 0, true}),
              "3 outputs times 15000 patterns make 45000 responses; at most 32767 are allowed.");
}

// letters
TEST(LetterSets, WithoutNoiseAllLettersAreTheExampleFile)
{
    NetworkState net;
    ASSERT_TRUE(ReadTrainingFile(net, std::string(VANTORELLE_EXAMPLES) + "/letters.net").ok);
    MersenneRandom random(1);
    EXPECT_EQ(TrainingFileText(LetterSet(LetterParams{}, random)), TrainingFileText(SetOf(net)));
}

TEST(LetterSets, NoiseFlipsAboutItsShareOfThePixelsOfEachCopy)
{
    MersenneRandom clean(1), noisy(2);
    const TrainingSet letters = LetterSet({"IL", 1, 0}, clean);
    const TrainingSet copies = LetterSet({"IL", 200, 0.1}, noisy);
    ASSERT_EQ(copies.NumPatterns(), 400);
    ASSERT_EQ(copies.NumInputs(), 35);
    ASSERT_EQ(copies.NumOutputs(), 2);
    long flipped = 0;
    for (long p = 1; p <= 400; ++p) {
        const long letter = (p - 1) % 2 + 1;
        EXPECT_EQ(copies.DesiredOutputs(p, letter), 1.0);
        EXPECT_EQ(copies.DesiredOutputs(p, 3 - letter), 0.0);
        for (long i = 1; i <= 35; ++i)
            flipped += copies.InputPatterns(p, i) != letters.InputPatterns(letter, i);
    }
    // 14000 pixels, each flipped with probability 0.1: 1400, sd about 35.
    EXPECT_GT(flipped, 1250);
    EXPECT_LT(flipped, 1550);
}

TEST(LetterSets, BadLettersAreRefused)
{
    EXPECT_EQ(LetterProblem({"AbC", 1, 0}), "the letters must be capitals from A to Z, not \"b\".");
    EXPECT_EQ(LetterProblem({"ABA", 1, 0}), "the letter A is given twice.");
    EXPECT_EQ(LetterProblem({"", 1, 0}), "no letters given.");
    EXPECT_EQ(LetterProblem({"AB", 20000, 0}), "the number of patterns must be from 1 to 32767, not 40000.");
}
