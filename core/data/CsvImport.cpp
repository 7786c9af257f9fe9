// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvImport.h"

#include <csv.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>

#include "NumberFormat.h"
#include "TrainingFile.h"

namespace vantorelle {

namespace {

// libcsv grows one buffer for the cell it is reading. Refusing to grow it
// past this keeps a file with one endless cell from taking the memory; no
// number or class name comes near it.
constexpr std::size_t MaxCellBytes = 1 << 20;

void* LimitedRealloc(void* block, std::size_t size)
{
    return size > MaxCellBytes ? nullptr : std::realloc(block, size);
}

const NumberLocale PointNumbers{".", ""};
const NumberLocale CommaNumbers{",", ""};

bool IsNumber(const std::string& text, const NumberLocale& locale)
{
    return ParseNumberText(text, locale).has_value();
}

// What a column is for, and where its value goes.
struct ColumnUse {
    enum Kind { Unused, Input, Output, Class } kind = Unused;
    long slot = 0;  // which input or output, from 0
};

constexpr char DelimiterCandidates[] = {',', ';', '\t', '|'};

// The delimiter of a first row: the candidate found most often outside
// quotes, the earlier one of the list on a tie.
char GuessDelimiter(const std::string& firstRow, DecimalMark decimal)
{
    char best = decimal == DecimalMark::Comma ? ';' : ',';
    long bestCount = 0;
    for (char candidate : DelimiterCandidates) {
        if (candidate == ',' && decimal == DecimalMark::Comma)
            continue;
        long count = 0;
        bool quoted = false;
        for (char c : firstRow) {
            if (c == '"')
                quoted = !quoted;
            else if (c == candidate && !quoted)
                ++count;
        }
        if (count > bestCount) {
            best = candidate;
            bestCount = count;
        }
    }
    return best;
}

// The first line of the text that holds anything.
std::string FirstLine(const std::string& start)
{
    const auto firstText = start.find_first_not_of("\r\n");
    if (firstText == std::string::npos)
        return {};
    return start.substr(firstText, start.find_first_of("\r\n", firstText) - firstText);
}

std::string Shortened(const std::string& text)
{
    return text.size() > 40 ? text.substr(0, 40) + "..." : text;
}

class CsvReader {
public:
    CsvReader(const std::string& name, const CsvOptions& options) : options(options), subject("The CSV file \"" + name + "\"")
    {
    }

    CsvImport Read(std::istream& source);

private:
    bool PlanColumns();
    void Feed(const char* data, std::size_t size);
    void FieldEnded(const char* text, std::size_t size);
    void RowEnded();
    bool IsHeader() const;
    void StoreRow();
    bool Number(const std::string* cell, long column, double& value);
    void Fail(const std::string& why)
    {
        if (result.message.empty())
            result.message = subject + " cannot be used: " + why;
    }
    bool Refuse(const std::string& why)
    {
        Fail(why);
        return false;
    }
    bool Failed() const { return !result.message.empty(); }
    std::string Cell(long column) const { return "row " + std::to_string(rowLine) + ", column " + std::to_string(column); }
    CsvImport Finish();

    static void OnField(void* text, std::size_t size, void* self)
    {
        static_cast<CsvReader*>(self)->FieldEnded(static_cast<const char*>(text), size);
    }
    static void OnRow(int, void* self) { static_cast<CsvReader*>(self)->RowEnded(); }

    const CsvOptions& options;
    std::string subject;
    CsvImport result;
    std::vector<ColumnUse> uses;  // by column number; index 0 unused
    long classSlot = -1;
    csv_parser parser{};

    long line = 1;          // of the bytes being fed
    long rowLine = 0;       // of the row being read (where its first cell ended)
    long fieldCount = 0;    // cells of the row being read so far
    long rowWidth = 0;      // cells of the first row; every row must have as many
    long firstRowLine = 0;
    bool firstRow = true;
    // The chosen cells of the row being read; nullopt for an empty one.
    std::vector<std::optional<std::string>> cells;

    long dataRows = 0;
    std::vector<double> inputValues;   // row by row
    std::vector<double> outputValues;  // row by row
    std::vector<long> classOf;         // per row, an index into classNames
    std::map<std::string, long> classIndex;
};

bool CsvReader::PlanColumns()
{
    const auto& o = options;
    if (o.inputs.empty())
        return Refuse("no input columns are chosen.");
    if (o.outputs.empty() && !o.classColumn)
        return Refuse("no output columns and no class column are chosen.");
    auto use = [&](long column, ColumnUse::Kind kind, long slot) {
        if (column < 1)
            return Refuse("column " + std::to_string(column) + " does not exist; columns are numbered from 1.");
        if (static_cast<std::size_t>(column) >= uses.size())
            uses.resize(static_cast<std::size_t>(column) + 1);
        if (uses[static_cast<std::size_t>(column)].kind != ColumnUse::Unused)
            return Refuse("column " + std::to_string(column) + " is chosen twice.");
        uses[static_cast<std::size_t>(column)] = {kind, slot};
        return true;
    };
    uses.resize(1);
    for (std::size_t n = 0; n < o.inputs.size(); ++n)
        if (!use(o.inputs[n], ColumnUse::Input, static_cast<long>(n)))
            return false;
    for (std::size_t n = 0; n < o.outputs.size(); ++n)
        if (!use(o.outputs[n], ColumnUse::Output, static_cast<long>(n)))
            return false;
    if (o.classColumn && !use(*o.classColumn, ColumnUse::Class, 0))
        return false;
    // Sizes beyond the training file's limits are refused before a row is read.
    const FileHeader widths{std::max(1L, static_cast<long>(o.outputs.size())), static_cast<long>(o.inputs.size()), 1};
    if (std::string problem = SizeLimitProblem(widths); !problem.empty())
        return Refuse(problem);
    cells.resize(uses.size());
    return true;
}

void CsvReader::FieldEnded(const char* text, std::size_t size)
{
    if (Failed())
        return;
    if (fieldCount == 0)
        rowLine = line;
    const long column = ++fieldCount;
    if (static_cast<std::size_t>(column) < uses.size() && uses[static_cast<std::size_t>(column)].kind != ColumnUse::Unused) {
        if (text)
            cells[static_cast<std::size_t>(column)] = std::string(text, size);
        else
            cells[static_cast<std::size_t>(column)].reset();
    }
}

void CsvReader::RowEnded()
{
    if (Failed())
        return;
    const long width = fieldCount;
    fieldCount = 0;
    if (firstRow) {
        rowWidth = width;
        firstRowLine = rowLine;
        const long highest = static_cast<long>(uses.size()) - 1;
        if (highest > width) {
            Fail("column " + std::to_string(highest) + " is chosen, but row " + std::to_string(rowLine) + " has only " +
                 std::to_string(width) + (width == 1 ? " column." : " columns."));
            return;
        }
    } else if (width != rowWidth) {
        Fail("row " + std::to_string(rowLine) + " has " + std::to_string(width) + (width == 1 ? " column" : " columns") +
             ", but row " + std::to_string(firstRowLine) + " has " + std::to_string(rowWidth) + ".");
        return;
    }
    const bool header = firstRow && IsHeader();
    firstRow = false;
    result.headerRow = result.headerRow || header;
    if (!header)
        StoreRow();
}

bool CsvReader::IsHeader() const
{
    if (options.header != HeaderRow::Guess)
        return options.header == HeaderRow::Present;
    for (std::size_t column = 1; column < uses.size(); ++column) {
        const auto kind = uses[column].kind;
        if (kind != ColumnUse::Input && kind != ColumnUse::Output)
            continue;
        const auto& cell = cells[column];
        if (cell && IsHeaderCell(*cell))
            return true;
    }
    return false;
}

bool CsvReader::Number(const std::string* cell, long column, double& value)
{
    if (!cell) {
        Fail(Cell(column) + " is empty.");
        return false;
    }
    const bool comma = options.decimal == DecimalMark::Comma;
    if (auto number = ParseNumberText(*cell, comma ? CommaNumbers : PointNumbers)) {
        value = *number;
        return true;
    }
    std::string why = Cell(column) + ", \"" + Shortened(*cell) + "\", is not a number";
    result.otherDecimalMark = IsNumber(*cell, comma ? PointNumbers : CommaNumbers);
    if (result.otherDecimalMark)
        why += comma ? " with a decimal comma; it has a decimal point, but decimal commas were chosen"
                     : " with a decimal point; it has a decimal comma, but decimal points were chosen";
    Fail(why + ".");
    return false;
}

void CsvReader::StoreRow()
{
    ++dataRows;
    // Past the patterns' limit only the rows are counted, so the message can
    // say how many there are without keeping them.
    if (dataRows > MaxSizeValue)
        return;
    const FileHeader sizes{std::max(1L, static_cast<long>(options.outputs.size())),
                           static_cast<long>(options.inputs.size()), dataRows};
    if (std::string problem = SizeLimitProblem(sizes); !problem.empty())
        return Fail(problem);
    const std::size_t inputBase = inputValues.size();
    const std::size_t outputBase = outputValues.size();
    inputValues.resize(inputBase + options.inputs.size());
    outputValues.resize(outputBase + options.outputs.size());
    for (std::size_t column = 1; column < uses.size(); ++column) {
        const ColumnUse use = uses[column];
        const auto& cell = cells[column];
        const long number = static_cast<long>(column);
        if (use.kind == ColumnUse::Input && !Number(cell ? &*cell : nullptr, number, inputValues[inputBase + use.slot]))
            return;
        if (use.kind == ColumnUse::Output && !Number(cell ? &*cell : nullptr, number, outputValues[outputBase + use.slot]))
            return;
        if (use.kind == ColumnUse::Class) {
            if (!cell)
                return Fail(Cell(number) + " is empty.");
            const auto [at, added] = classIndex.emplace(*cell, static_cast<long>(result.classNames.size()));
            if (added)
                result.classNames.push_back(*cell);
            classOf.push_back(at->second);
        }
    }
}

void CsvReader::Feed(const char* data, std::size_t size)
{
    if (csv_parse(&parser, data, size, OnField, OnRow, this) != size && !Failed()) {
        if (csv_error(&parser) == CSV_ENOMEM)
            Fail("row " + std::to_string(line) + " holds a cell longer than " + std::to_string(MaxCellBytes) +
                 " bytes.");
        else
            Fail("row " + std::to_string(line) +
                 " has a quote (\") inside a cell that does not begin with one, or after a quoted cell's end.");
    }
}

CsvImport CsvReader::Read(std::istream& source)
{
    if (!PlanColumns())
        return result;
    constexpr std::size_t BlockSize = 64 * 1024;
    auto block = std::make_unique<char[]>(BlockSize);
    bool firstBlock = true;
    bool pendingCR = false;  // the last piece ended in CR: a line ends unless LF follows
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_EMPTY_IS_NULL);
    csv_set_realloc_func(&parser, LimitedRealloc);
    while (!Failed() && source) {
        source.read(block.get(), BlockSize);
        const std::size_t filled = static_cast<std::size_t>(source.gcount());
        if (source.bad()) {
            result.message = subject + " cannot be read.";
            break;
        }
        std::size_t next = 0;
        if (firstBlock) {
            if (filled >= 3 && std::memcmp(block.get(), "\xEF\xBB\xBF", 3) == 0)
                next = 3;
            const std::string firstLine = FirstLine(std::string(block.get() + next, filled - next));
            result.delimiter = options.delimiter ? options.delimiter : GuessDelimiter(firstLine, options.decimal);
            csv_set_delim(&parser, static_cast<unsigned char>(result.delimiter));
            firstBlock = false;
        }
        // Fed a line at a time, so that the line number is known whenever
        // libcsv ends a cell or a row.
        while (next < filled && !Failed()) {
            if (pendingCR && block[next] != '\n')
                ++line;
            pendingCR = false;
            std::size_t end = next;
            while (end < filled && block[end] != '\n' && block[end] != '\r')
                ++end;
            const bool lineEnd = end < filled;
            if (lineEnd)
                ++end;
            Feed(block.get() + next, end - next);
            if (lineEnd && block[end - 1] == '\n')
                ++line;
            else if (lineEnd)
                pendingCR = true;
            next = end;
        }
    }
    if (!Failed() && csv_fini(&parser, OnField, OnRow, this) != 0 && !Failed())
        Fail("the file ends inside a quoted cell (a quote that is never closed).");
    csv_free(&parser);
    return Finish();
}

CsvImport CsvReader::Finish()
{
    if (Failed())
        return result;
    if (dataRows == 0) {
        Fail(result.headerRow ? "it holds only a header row." : "it holds no rows.");
        return result;
    }
    if (dataRows > MaxSizeValue) {
        Fail(SizeRangeProblem("the number of patterns", std::to_string(dataRows)));
        return result;
    }
    const long inputs = static_cast<long>(options.inputs.size());
    const long numeric = static_cast<long>(options.outputs.size());
    const long classes = static_cast<long>(result.classNames.size());
    if (std::string problem = SizeLimitProblem({numeric + classes, inputs, dataRows}); !problem.empty()) {
        Fail(problem);
        return result;
    }
    TrainingSet set(dataRows, inputs, numeric + classes);
    for (long p = 1; p <= dataRows; ++p) {
        const std::size_t row = static_cast<std::size_t>(p - 1);
        for (long i = 1; i <= inputs; ++i)
            set.InputPatterns(p, i) = inputValues[row * static_cast<std::size_t>(inputs) + static_cast<std::size_t>(i - 1)];
        for (long k = 1; k <= numeric; ++k)
            set.DesiredOutputs(p, k) = outputValues[row * static_cast<std::size_t>(numeric) + static_cast<std::size_t>(k - 1)];
        if (classes > 0)
            set.DesiredOutputs(p, numeric + 1 + classOf[row]) = 1.0;
    }
    result.set = std::move(set);
    result.ok = true;
    return result;
}

}  // namespace

CsvImport ImportCsv(std::istream& source, const std::string& name, const CsvOptions& options)
{
    CsvReader reader(name, options);
    return reader.Read(source);
}

CsvImport ImportCsvFile(const std::string& path, const CsvOptions& options)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        CsvImport result;
        const int error = errno;
        result.message = "The CSV file \"" + path + "\" cannot be opened: " +
                         (error ? std::strerror(error) : "unknown error") + ".";
        return result;
    }
    return ImportCsv(file, path, options);
}

bool IsHeaderCell(const std::string& cell)
{
    return !IsNumber(cell, PointNumbers) && !IsNumber(cell, CommaNumbers);
}

namespace {

struct PreviewRows {
    CsvPreview& preview;
    long maxRows;
    std::vector<std::string> row;

    static void OnField(void* text, std::size_t size, void* self)
    {
        auto& rows = *static_cast<PreviewRows*>(self);
        rows.row.emplace_back(text ? static_cast<const char*>(text) : "", size);
    }
    static void OnRow(int, void* self)
    {
        auto& rows = *static_cast<PreviewRows*>(self);
        if (static_cast<long>(rows.preview.rows.size()) < rows.maxRows) {
            rows.preview.widest = std::max(rows.preview.widest, static_cast<long>(rows.row.size()));
            rows.preview.rows.push_back(std::move(rows.row));
        }
        rows.row.clear();
    }
};

}  // namespace

CsvPreview PreviewCsv(std::istream& source, char delimiter, DecimalMark decimal, long maxRows)
{
    // A preview of a few rows needs only the start of the file; rows longer
    // than this are shown cut short.
    constexpr std::size_t PreviewBytes = 256 * 1024;
    std::string text(PreviewBytes, '\0');
    source.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(source.gcount()));
    const bool whole = text.size() < PreviewBytes;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);

    CsvPreview preview;
    preview.delimiter = delimiter ? delimiter : GuessDelimiter(FirstLine(text), decimal);
    PreviewRows rows{preview, maxRows, {}};
    csv_parser parser{};
    csv_init(&parser, CSV_STRICT);
    csv_set_realloc_func(&parser, LimitedRealloc);
    csv_set_delim(&parser, static_cast<unsigned char>(preview.delimiter));
    // Row by row, so that parsing stops once enough rows are in.
    std::size_t next = 0;
    while (next < text.size() && static_cast<long>(preview.rows.size()) < maxRows) {
        std::size_t end = text.find('\n', next);
        end = end == std::string::npos ? text.size() : end + 1;
        if (csv_parse(&parser, text.data() + next, end - next, PreviewRows::OnField, PreviewRows::OnRow, &rows) !=
            end - next) {
            preview.problem = "Row " + std::to_string(preview.rows.size() + 1) +
                              " has a quote (\") inside a cell that does not begin with one, or after a quoted cell's end.";
            break;
        }
        next = end;
    }
    if (whole && preview.problem.empty())
        csv_fini(&parser, PreviewRows::OnField, PreviewRows::OnRow, &rows);
    csv_free(&parser);
    return preview;
}

std::optional<std::vector<long>> ParseColumnList(const std::string& text)
{
    // No list names more columns than a training file can have inputs.
    constexpr long MaxColumns = MaxSizeValue;
    std::vector<long> columns;
    std::size_t pos = 0;
    auto blanks = [&] {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
            ++pos;
    };
    auto number = [&]() -> std::optional<long> {
        blanks();
        const std::size_t start = pos;
        long value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 9)
            value = value * 10 + (text[pos++] - '0');
        if (pos == start || (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') || value < 1)
            return std::nullopt;
        blanks();
        return value;
    };
    while (true) {
        const auto first = number();
        if (!first)
            return std::nullopt;
        long last = *first;
        if (pos < text.size() && text[pos] == '-') {
            ++pos;
            const auto second = number();
            if (!second || *second < *first)
                return std::nullopt;
            last = *second;
        }
        if (last - *first + 1 > MaxColumns - static_cast<long>(columns.size()))
            return std::nullopt;
        for (long c = *first; c <= last; ++c)
            columns.push_back(c);
        if (pos == text.size())
            return columns;
        if (text[pos] != ',')
            return std::nullopt;
        ++pos;
    }
}

}  // namespace vantorelle
