// SPDX-License-Identifier: GPL-3.0-or-later
// The matrix's copies, moves and borrowed views: a borrowed matrix reads its
// source's elements where they are, and so does every copy of it; an owned
// matrix's copy is its own; a large one (in huge pages) behaves the same.

#include <gtest/gtest.h>

#include <utility>

#include "NetworkState.h"

using namespace vantorelle;

TEST(Matrix, CopiesOwnTheirElementsAndBorrowedViewsReadTheSource)
{
    for (long rows : {3L, 400L}) {  // 400 x 700 doubles: past a huge page
        SCOPED_TRACE(rows);
        Matrix source(rows, 700);
        source(2, 5) = 1.5;

        Matrix copy = source;
        copy(2, 5) = 2.5;
        EXPECT_EQ(source(2, 5), 1.5);

        const Matrix view = Matrix::Borrowing(source);
        EXPECT_EQ(view.Rows(), rows);
        EXPECT_EQ(view.Cols(), 700);
        EXPECT_EQ(view.Row(2), source.Row(2));
        Matrix viewCopy = view;  // still a view: no copy of the elements
        EXPECT_EQ(viewCopy.Row(2), source.Row(2));
        source(2, 5) = 3.5;
        EXPECT_EQ(view(2, 5), 3.5);

        viewCopy.Resize(2, 2);  // resized, it owns its elements again
        EXPECT_NE(viewCopy.Row(1), source.Row(1));
        EXPECT_EQ(viewCopy(1, 1), 0.0);

        Matrix moved = std::move(copy);
        EXPECT_EQ(moved(2, 5), 2.5);
        EXPECT_TRUE(copy.Empty());  // NOLINT(bugprone-use-after-move): the moved-from state is specified
        EXPECT_EQ(copy.Rows(), 0);
        copy = moved;
        EXPECT_EQ(copy(2, 5), 2.5);
        EXPECT_NE(copy.Row(2), moved.Row(2));
    }
    EXPECT_TRUE(Matrix().Empty());
}

// The copy a run's second thread sweeps reads the network's patterns where
// they are and owns everything else; the network keeps its patterns.
TEST(Matrix, ACopyBorrowingThePatternsLeavesTheNetworkAsItWas)
{
    NetworkState net;
    net.NumPatterns = 3;
    net.NumInputs = 2;
    net.NumOutputs = 2;
    net.InputPatterns.Resize(3, 2);
    net.InputPatterns(3, 2) = 0.75;
    SizeUnitsAndWeights(net);
    net.Weights(1, 1) = 0.5;
    const double* patterns = net.InputPatterns.Row(1);

    NetworkState copy = CopyBorrowingPatterns(net);
    EXPECT_EQ(net.InputPatterns.Row(1), patterns);
    EXPECT_EQ(net.InputPatterns(3, 2), 0.75);
    EXPECT_EQ(copy.InputPatterns.Row(1), patterns);
    EXPECT_EQ(copy.NumPatterns, 3);
    copy.Weights(1, 1) = 2;
    EXPECT_EQ(net.Weights(1, 1), 0.5);
}
