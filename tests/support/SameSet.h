// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two training sets compared value for value, bit for bit: -0 is not 0 here,
// since a set read back from its file must be the very set written.

#include <gtest/gtest.h>

#include <cstring>

#include "TrainingSet.h"

namespace vantorelle::testing {

inline bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

inline void ExpectSameSet(const TrainingSet& got, const TrainingSet& want)
{
    ASSERT_EQ(got.NumPatterns(), want.NumPatterns());
    ASSERT_EQ(got.NumInputs(), want.NumInputs());
    ASSERT_EQ(got.NumOutputs(), want.NumOutputs());
    for (long p = 1; p <= want.NumPatterns(); ++p) {
        for (long i = 1; i <= want.NumInputs(); ++i)
            EXPECT_TRUE(SameBits(got.InputPatterns(p, i), want.InputPatterns(p, i))) << "pattern " << p << " input " << i;
        for (long o = 1; o <= want.NumOutputs(); ++o)
            EXPECT_TRUE(SameBits(got.DesiredOutputs(p, o), want.DesiredOutputs(p, o)))
                << "pattern " << p << " output " << o;
    }
}

}  // namespace vantorelle::testing
