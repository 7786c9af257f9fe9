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

    void Resize(long rows, long cols)
    {
        numRows = rows;
        numCols = cols;
        stride = static_cast<std::size_t>(cols) + 1;
        values.assign((static_cast<std::size_t>(rows) + 1) * stride, 0.0);
    }
    double& operator()(long r, long c) { return values[static_cast<std::size_t>(r) * stride + static_cast<std::size_t>(c)]; }
    double operator()(long r, long c) const { return values[static_cast<std::size_t>(r) * stride + static_cast<std::size_t>(c)]; }
    // Pointer to element (r, 0); element (r, c) is Row(r)[c].
    double* Row(long r) { return values.data() + static_cast<std::size_t>(r) * stride; }
    const double* Row(long r) const { return values.data() + static_cast<std::size_t>(r) * stride; }
    long Rows() const { return numRows; }
    long Cols() const { return numCols; }
    bool Empty() const { return values.empty(); }

private:
    long numRows = 0;
    long numCols = 0;
    std::size_t stride = 1;
    LargeTable<double> values;  // the pattern tables run to tens of megabytes
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

}  // namespace vantorelle
