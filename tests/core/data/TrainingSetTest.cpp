// SPDX-License-Identifier: GPL-3.0-or-later
// A set written as a training file reads back to the same doubles, bit for
// bit; sets beyond the reader's limits are refused in the reader's words; a
// split keeps every pattern exactly once.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <set>
#include <sstream>

#include "SameSet.h"
#include "TrainingFile.h"
#include "TrainingSet.h"

using namespace vantorelle;
using vantorelle::testing::ExpectSameSet;

namespace {

// Reads the text as the program reads a ".net" file.
TrainingSet ReadBack(const std::string& text, ReadResult& result)
{
    std::istringstream in(text);
    NetworkState net;
    result = ReadTrainingFile(net, in, "set.net", text.size());
    return SetOf(net);
}


// A uniform-ish spread of doubles over many magnitudes, from a fixed sequence.
double Awkward(unsigned n)
{
    const double mantissa = 1.0 + static_cast<double>((n * 2654435761u) % 1000003u) / 1000003.0;
    const int exponent = static_cast<int>(n % 601) - 300;
    return (n % 2 ? -1 : 1) * std::ldexp(mantissa, exponent);
}

}  // namespace

// round trips
TEST(TrainingSetText, EdgeValuesReadBackToTheSameBits)
{
    const double values[] = {0.0, -0.0, 0.1, 1.0 / 3, -2.5e-310 /* subnormal */, DBL_MIN, DBL_MAX, -DBL_MAX,
                             std::numeric_limits<double>::denorm_min(), 123456789012345678.0, 1e22, 5e-324,
                             0.30000000000000004, std::nextafter(1.0, 2.0)};
    const long count = static_cast<long>(std::size(values));
    TrainingSet set(count, 1, 1);
    for (long p = 1; p <= count; ++p) {
        set.InputPatterns(p, 1) = values[p - 1];
        set.DesiredOutputs(p, 1) = -values[p - 1];
    }
    ASSERT_EQ(SetProblem(set), "");
    ReadResult result;
    const TrainingSet back = ReadBack(TrainingFileText(set), result);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_FALSE(result.valuesLeftOver);
    EXPECT_EQ(result.emptyFields, 0);
    ExpectSameSet(set, back);
}

TEST(TrainingSetText, ManyMagnitudesReadBackToTheSameBits)
{
    TrainingSet set(500, 7, 3);
    unsigned n = 1;
    for (long p = 1; p <= 500; ++p) {
        for (long i = 1; i <= 7; ++i)
            set.InputPatterns(p, i) = Awkward(n++);
        for (long k = 1; k <= 3; ++k)
            set.DesiredOutputs(p, k) = Awkward(n++);
    }
    ReadResult result;
    const TrainingSet back = ReadBack(TrainingFileText(set), result);
    ASSERT_TRUE(result.ok) << result.message;
    ExpectSameSet(set, back);
}

TEST(TrainingSetText, LooksLikeTheHandWrittenExamples)
{
    TrainingSet set(2, 2, 1);
    set.InputPatterns(1, 1) = 0;
    set.InputPatterns(1, 2) = 0.5;
    set.InputPatterns(2, 1) = 1;
    set.InputPatterns(2, 2) = -1e-5;
    set.DesiredOutputs(2, 1) = 1;
    EXPECT_EQ(TrainingFileText(set), "1, 0, 2, 2\n0, 0.5\n1, -1e-05\n0\n1\n");
}

// limits, in the reader's words
TEST(TrainingSetLimits, SizesBeyondTheReadersLimitsAreRefusedWithItsMessage)
{
    EXPECT_EQ(SetProblem(TrainingSet(32768, 1, 1)), "the number of patterns must be from 1 to 32767, not 32768.");
    EXPECT_EQ(SetProblem(TrainingSet(0, 2, 1)), "the number of patterns must be from 1 to 32767, not 0.");
    EXPECT_EQ(SetProblem(TrainingSet(3, 32768, 1)), "the number of inputs must be from 1 to 32767, not 32768.");
    EXPECT_EQ(SetProblem(TrainingSet(16384, 1, 2)),
              "2 outputs times 16384 patterns make 32768 responses; at most 32767 are allowed.");
    EXPECT_EQ(SetProblem(TrainingSet(32767, 1, 1)), "");

    // The reader says the same of a file with those sizes.
    NetworkState net;
    std::istringstream file("2, 0, 1, 16384\n");
    const ReadResult read = ReadTrainingFile(net, file, "big.net", static_cast<std::uintmax_t>(-1));
    EXPECT_EQ(read.message, "The training file \"big.net\" cannot be used: " + SetProblem(TrainingSet(16384, 1, 2)));
}

TEST(TrainingSetLimits, ValuesThatAreNotFiniteAreNamed)
{
    TrainingSet set(3, 2, 1);
    set.InputPatterns(2, 2) = std::numeric_limits<double>::infinity();
    EXPECT_EQ(SetProblem(set), "input 2 of pattern 2 is not a finite number.");
    set.InputPatterns(2, 2) = 0;
    set.DesiredOutputs(3, 1) = std::nan("");
    EXPECT_EQ(SetProblem(set), "desired output 1 of pattern 3 is not a finite number.");
}

// split

TEST(TrainingSetSplit, EveryPatternLandsInExactlyOnePartInItsOrder)
{
    TrainingSet set(40, 2, 1);
    for (long p = 1; p <= 40; ++p) {
        set.InputPatterns(p, 1) = static_cast<double>(p);  // the pattern's own number
        set.InputPatterns(p, 2) = -static_cast<double>(p);
        set.DesiredOutputs(p, 1) = static_cast<double>(p % 2);
    }
    MersenneRandom random(7);
    const SplitSets parts = SplitSet(set, HeldOutCount(40, 25), random);
    ASSERT_EQ(parts.heldOut.NumPatterns(), 10);
    ASSERT_EQ(parts.kept.NumPatterns(), 30);
    std::set<double> seen;
    for (const TrainingSet* part : {&parts.kept, &parts.heldOut}) {
        double previous = 0;
        for (long p = 1; p <= part->NumPatterns(); ++p) {
            const double number = part->InputPatterns(p, 1);
            EXPECT_GT(number, previous);  // the set's own order
            previous = number;
            EXPECT_EQ(part->InputPatterns(p, 2), -number);
            EXPECT_EQ(part->DesiredOutputs(p, 1), static_cast<double>(static_cast<long>(number) % 2));
            EXPECT_TRUE(seen.insert(number).second) << number;
        }
    }
    EXPECT_EQ(seen.size(), 40u);
    // Not simply the last ten or the first ten.
    EXPECT_NE(parts.heldOut.InputPatterns(1, 1), 1.0);
    EXPECT_NE(parts.heldOut.InputPatterns(10, 1) - parts.heldOut.InputPatterns(1, 1), 9.0);
}

TEST(TrainingSetSplit, TheSameSeedHoldsOutTheSamePatternsAndAnotherOthers)
{
    TrainingSet set(100, 1, 1);
    for (long p = 1; p <= 100; ++p)
        set.InputPatterns(p, 1) = static_cast<double>(p);
    MersenneRandom a(3), b(3), c(4);
    const std::string first = TrainingFileText(SplitSet(set, 20, a).heldOut);
    EXPECT_EQ(first, TrainingFileText(SplitSet(set, 20, b).heldOut));
    EXPECT_NE(first, TrainingFileText(SplitSet(set, 20, c).heldOut));
}

TEST(TrainingSetSplit, PercentagesRoundToTheNearestPattern)
{
    EXPECT_EQ(HeldOutCount(4, 25), 1);
    EXPECT_EQ(HeldOutCount(4, 10), 0);   // 0.4
    EXPECT_EQ(HeldOutCount(4, 12.5), 1);  // 0.5 rounds up
    EXPECT_EQ(HeldOutCount(150, 20), 30);
    EXPECT_EQ(HeldOutCount(3, 99), 3);
}
