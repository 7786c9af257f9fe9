// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A training set from a CSV file, as spreadsheets and other programs write
// them: any one-character delimiter, quoted cells, a header row or none,
// decimal points or decimal commas. The user chooses which columns are
// inputs and which are desired outputs; a class column (text or numbers)
// becomes one output per class, 1 for the row's class and 0 for the others.
// A file that cannot be used is refused with one message that names the row
// and column at fault, and nothing of it is kept.

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "TrainingSet.h"

namespace vantorelle {

enum class HeaderRow { Guess, Present, Absent };
enum class DecimalMark { Point, Comma };

struct CsvOptions {
    // 0: the most frequent of , ; tab | in the first row (not "," with
    // decimal commas), "," when none is there.
    char delimiter = 0;
    // Guess: the first row is a header when a cell of an input or output
    // column is no number in either decimal form.
    HeaderRow header = HeaderRow::Guess;
    DecimalMark decimal = DecimalMark::Point;
    // Column numbers from 1, in the order the set takes them.
    std::vector<long> inputs;
    std::vector<long> outputs;           // desired outputs as they stand
    std::optional<long> classColumn;     // one-hot outputs after those
};

struct CsvImport {
    bool ok = false;
    std::string message;  // why the file was refused; empty on success
    TrainingSet set;
    char delimiter = ',';
    bool headerRow = false;
    // The class column's values in the order they first appear: output
    // (outputs.size() + n + 1) stands for classNames[n].
    std::vector<std::string> classNames;
    // Refused for a cell that is a number in the other decimal form ("1,5"
    // with decimal points chosen): a front end can name its own switch.
    bool otherDecimalMark = false;
};

// Reads the CSV text from `source`, naming it `name` in messages ("The CSV
// file \"iris.csv\" cannot be used: row 7, column 2, \"n/a\", is not a number.").
CsvImport ImportCsv(std::istream& source, const std::string& name, const CsvOptions& options);

// The same from the file at `path`, named as given.
CsvImport ImportCsvFile(const std::string& path, const CsvOptions& options);

// The first rows of a CSV file as cells, for a person to choose the columns
// from: the same delimiter guess and quoting as ImportCsv, nothing checked
// beyond that. Rows may differ in width here; the import refuses that.
struct CsvPreview {
    char delimiter = ',';
    std::vector<std::vector<std::string>> rows;  // an empty cell is ""
    long widest = 0;                              // cells in the widest row shown
    std::string problem;  // why the rows stop early (a stray quote); empty when they do not
};

// Up to `maxRows` rows from the start of `source` (0 as the delimiter: guessed).
CsvPreview PreviewCsv(std::istream& source, char delimiter, DecimalMark decimal, long maxRows);

// Whether a first-row cell in a number column makes the row a header: it is
// no number with a decimal point nor with a decimal comma.
bool IsHeaderCell(const std::string& cell);

// A list of column numbers as people write them: "1-4", "5", "1,3,6-8"
// (blanks allowed around the parts); nothing when it is not such a list.
std::optional<std::vector<long>> ParseColumnList(const std::string& text);

}  // namespace vantorelle
