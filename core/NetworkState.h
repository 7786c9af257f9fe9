// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The network state: the network, its settings and its runs' results, one
// record of everything the program knows about the current network.
// Every array is numbered from 1; index 0 exists and is never used.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "LargeTable.h"
#include "TrainingSettings.h"

namespace vantorelle {

// A dense matrix of doubles stored row by row, rows and columns numbered from 1
// (row 0 and column 0 exist and stay unused so indices match the user's numbering).
class Matrix {
public:
    Matrix() = default;
    Matrix(long rows, long cols) { Resize(rows, cols); }

    // A matrix that reads source's elements where they are, without a
    // copy: the shares of a run's outputs read the run's patterns so. The
    // source must outlive it unchanged, and it is never written through.
    static Matrix Borrowing(const Matrix& source)
    {
        Matrix view;
        view.numRows = source.numRows;
        view.numCols = source.numCols;
        view.stride = source.stride;
        view.first = source.first;
        view.borrowed = true;
        return view;
    }

    Matrix(const Matrix& other) { *this = other; }
    Matrix(Matrix&& other) noexcept { *this = std::move(other); }
    Matrix& operator=(const Matrix& other)
    {
        if (this != &other) {
            values = other.values;
            TakeShape(other);
        }
        return *this;
    }
    Matrix& operator=(Matrix&& other) noexcept
    {
        if (this != &other) {
            values = std::move(other.values);
            TakeShape(other);
            other.values.clear();
            other.numRows = 0;
            other.numCols = 0;
            other.stride = 1;
            other.first = nullptr;
            other.borrowed = false;
        }
        return *this;
    }

    void Resize(long rows, long cols)
    {
        numRows = rows;
        numCols = cols;
        stride = static_cast<std::size_t>(cols) + 1;
        values.assign((static_cast<std::size_t>(rows) + 1) * stride, 0.0);
        first = values.data();
        borrowed = false;
    }
    double& operator()(long r, long c) { return first[static_cast<std::size_t>(r) * stride + static_cast<std::size_t>(c)]; }
    double operator()(long r, long c) const { return first[static_cast<std::size_t>(r) * stride + static_cast<std::size_t>(c)]; }
    // Pointer to element (r, 0); element (r, c) is Row(r)[c].
    double* Row(long r) { return first + static_cast<std::size_t>(r) * stride; }
    const double* Row(long r) const { return first + static_cast<std::size_t>(r) * stride; }
    long Rows() const { return numRows; }
    long Cols() const { return numCols; }
    bool Empty() const { return first == nullptr; }

private:
    // The shape of other, and its elements: this matrix's own copy of them
    // (already in values), or the ones other borrows.
    void TakeShape(const Matrix& other)
    {
        numRows = other.numRows;
        numCols = other.numCols;
        stride = other.stride;
        borrowed = other.borrowed;
        first = borrowed ? other.first : values.data();
    }

    long numRows = 0;
    long numCols = 0;
    std::size_t stride = 1;
    LargeTable<double> values;  // the pattern tables run to tens of megabytes
    double* first = nullptr;    // element (0, 0): in values, or borrowed
    bool borrowed = false;
};

// Activation kind of an output unit. None until the first training epoch sets it.
enum class UnitKind { None, Binary, IntDev, Value };

// Identifier strings of unit kinds: "Binary", "IntDev", "Value" (empty for None).
const char* UnitKindName(UnitKind kind);

struct Unit {
    UnitKind UnitType = UnitKind::None;
    double NetInput = 0;
    double Threshold = 0;
    double Activation = 0;
    double Target = 0;
    double Error = 0;
};

struct HistoryRow {
    double Epochs = 0;
    double SSE = 0;
};

inline constexpr long MaxSizeValue = 32767;     // limit of every size and of NumResponses
inline constexpr int MaxHistoryRows = 2000;

// What a network is: its sizes, the training patterns it learns from, and
// its units, weights and thresholds. Written by ReadTrainingFile and
// SizeUnitsAndWeights; the rules change the weights and thresholds.
struct Network {
    long NumOutputs = 0;
    long NumInputs = 0;
    long NumPatterns = 0;
    long NumResponses = 0;  // NumPatterns * NumOutputs
    Matrix InputPatterns;   // pattern x input
    Matrix DesiredOutputs;  // pattern x output
    // The order the last epoch presented the patterns in.
    std::vector<long> PatternOrder;
    std::string TrainingFileName;

    std::vector<Unit> InputUnits;
    std::vector<Unit> OutputUnits;
    Matrix Weights;  // input x output
};

// What runs produced: the epochs trained, the totals of the last response to
// every pattern and the error history; and whether the next run starts anew.
struct RunResults {
    bool FreshStart = false;
    long EpochCount = 0;
    double TotalSSE = 0;
    long Hits = 0;
    std::array<HistoryRow, MaxHistoryRows + 1> SSEHistory{};
    int SSERecordCount = 0;
    // Records made after the history was full, and so not kept: the views say
    // how many points the history would hold. Never written to a report or workbook.
    long SSERecordsDropped = 0;
};

// Everything the program knows about the current network: the network, what
// its runs are set to and what they produced. Free routines in the other core
// headers read and write it; those that need only one part take only that.
struct NetworkState : Network, TrainingSettings, RunResults {};

// Sizes the input units, output units and weights anew from the current sizes,
// every field zero or empty.
void SizeUnitsAndWeights(Network& net);

// A copy of net that reads net's patterns where they are (Matrix::Borrowing),
// for a run's second thread: net must outlive it with its patterns as they
// are. Net is the same afterwards, even when the copy fails.
NetworkState CopyBorrowingPatterns(NetworkState& net);

}  // namespace vantorelle
