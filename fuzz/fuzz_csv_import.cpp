// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the CSV import: whatever the bytes and whichever of the usual
// choices the first bytes pick, it either gives a set the training-file
// writer can write and the reader reads back unchanged, or refuses with one
// message naming the file. The preview of the same bytes keeps its limits,
// and shows every row the import read, as long as it did not stop early.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include "CsvImport.h"
#include "FuzzFile.h"
#include "TrainingFile.h"

using namespace vantorelle;

namespace {

// The first two bytes choose the delimiter, header, decimal mark and columns,
// so that one input exercises one combination and the rest is the file.
CsvOptions OptionsFrom(uint8_t a, uint8_t b)
{
    static const char delimiters[] = {0, ',', ';', '\t', '|', ' ', ':', 'x'};
    CsvOptions options;
    options.delimiter = delimiters[a & 7];
    options.header = static_cast<HeaderRow>((a >> 3) % 3);
    options.decimal = (a & 0x20) ? DecimalMark::Comma : DecimalMark::Point;
    const long inputs = 1 + (b & 3);
    for (long c = 1; c <= inputs; ++c)
        options.inputs.push_back(c);
    if (b & 4)
        options.outputs.push_back(inputs + 1);
    if ((b & 8) || options.outputs.empty())
        options.classColumn = inputs + 1 + static_cast<long>(options.outputs.size());
    if (b & 0x10)
        options.inputs.push_back(1);  // chosen twice: must be refused
    return options;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const CsvOptions options = OptionsFrom(data[0], data[1]);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 2, size - 2));
    const CsvImport result = ImportCsv(in, "fuzz.csv", options);

    constexpr long PreviewRows = 20;
    std::istringstream again(std::string(reinterpret_cast<const char*>(data) + 2, size - 2));
    const CsvPreview preview = PreviewCsv(again, options.delimiter, options.decimal, PreviewRows);
    FUZZ_CHECK(static_cast<long>(preview.rows.size()) <= PreviewRows);
    FUZZ_CHECK(options.delimiter == 0 || preview.delimiter == options.delimiter);
    long widest = 0;
    for (const auto& row : preview.rows)
        widest = std::max(widest, static_cast<long>(row.size()));
    FUZZ_CHECK(widest == preview.widest);
    // The same delimiter as the import's, and (short of a stray quote, or a
    // file longer than the preview reads) a row for every pattern read.
    if (result.ok) {
        FUZZ_CHECK(preview.delimiter == result.delimiter);
        const long shown = std::min(PreviewRows, result.set.NumPatterns() + (result.headerRow ? 1 : 0));
        FUZZ_CHECK(!preview.problem.empty() || size > 256 * 1024 || static_cast<long>(preview.rows.size()) == shown);
    }

    if (!result.ok) {
        FUZZ_CHECK(result.message.rfind("The CSV file \"fuzz.csv\" cannot be used: ", 0) == 0 ||
                   result.message == "The CSV file \"fuzz.csv\" cannot be read.");
        FUZZ_CHECK(result.set.NumPatterns() == 0);
        return 0;
    }
    const TrainingSet& set = result.set;
    FUZZ_CHECK(result.message.empty());
    FUZZ_CHECK(SetProblem(set).empty());
    FUZZ_CHECK(set.NumInputs() == static_cast<long>(options.inputs.size()));
    FUZZ_CHECK(set.NumOutputs() ==
               static_cast<long>(options.outputs.size() + result.classNames.size()));
    // Every row has exactly one class output set.
    if (options.classColumn) {
        for (long p = 1; p <= set.NumPatterns(); ++p) {
            double sum = 0;
            for (long k = static_cast<long>(options.outputs.size()) + 1; k <= set.NumOutputs(); ++k)
                sum += set.DesiredOutputs(p, k);
            FUZZ_CHECK(sum == 1);
        }
    }
    // Written and read back, the set is the same, bit for bit.
    const std::string text = TrainingFileText(set);
    std::istringstream file(text);
    static NetworkState net;  // large (the history table): kept off the stack
    const ReadResult back = ReadTrainingFile(net, file, "fuzz.net", text.size());
    FUZZ_CHECK(back.ok && !back.valuesLeftOver && back.emptyFields == 0);
    FUZZ_CHECK(net.NumPatterns == set.NumPatterns() && net.NumInputs == set.NumInputs() &&
               net.NumOutputs == set.NumOutputs());
    for (long p = 1; p <= set.NumPatterns(); ++p) {
        FUZZ_CHECK(std::memcmp(net.InputPatterns.Row(p) + 1, set.InputPatterns.Row(p) + 1,
                               sizeof(double) * static_cast<size_t>(set.NumInputs())) == 0);
        FUZZ_CHECK(std::memcmp(net.DesiredOutputs.Row(p) + 1, set.DesiredOutputs.Row(p) + 1,
                               sizeof(double) * static_cast<size_t>(set.NumOutputs())) == 0);
    }
    return 0;
}
