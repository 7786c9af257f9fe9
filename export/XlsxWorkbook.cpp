// SPDX-License-Identifier: GPL-3.0-or-later
#include "XlsxWorkbook.h"

#include <xlsxwriter.h>

#include "ReportFiles.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>

namespace vantorelle {

namespace {

enum CellKind : std::uint8_t { TextCell, NumberCell, DateCell, TimeCell };
enum Property : std::uint8_t { BoldProperty, AlignProperty, NumberFormatProperty };

// A date format that follows the reader's locale (Excel's built-in 14) and
// a 24-hour time (built-in 21): the file says "date" and "time", the
// spreadsheet program shows them the user's way.
constexpr int BuiltinShortDate = 14;
constexpr int BuiltinTime = 21;

struct Cell {
    std::int32_t row;
    std::int32_t col;
    CellKind kind;
    std::uint32_t text;  // index into the texts, for text cells
    double number;       // the value; dates as yyyymmdd, times as seconds of the day
};

struct FormatOp {
    CellRange range;
    Property property;
    int value;  // bold 0/1, a HorizontalAlign, or an index into the number formats
};

struct Width {
    CellRange range;
    double characters;
};

bool Contains(const CellRange& range, long row, long col)
{
    return range.first.row <= row && row <= range.last.row && range.first.col <= col && col <= range.last.col;
}

// A sheet name as a reference writes it: quoted when it holds anything but
// letters, digits and underscores ("'SSE Data'", "Inputs").
std::string QuotedSheet(const std::string& name)
{
    const bool plain = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
    if (plain)
        return name;
    std::string quoted = "'";
    for (char c : name) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted + "'";
}

std::string AbsoluteCell(CellRef cell) { return "$" + ColumnLetters(cell.col) + "$" + std::to_string(cell.row); }

// Writes one workbook file; every method answers false once the library has
// reported an error, which `error` then describes.
class Writer {
public:
    Writer(const std::string& path, const std::vector<std::string>& texts,
           const std::vector<std::string>& numberFormats)
        : texts(texts), numberFormats(numberFormats)
    {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        book = workbook_new_opt(path.c_str(), &options);
        if (!book)
            error = "The workbook could not be started (out of memory or no room for temporary files).";
    }
    ~Writer()
    {
        if (book)
            (void)workbook_close(book);
    }

    lxw_worksheet* AddSheet(const std::string& name)
    {
        lxw_worksheet* sheet = workbook_add_worksheet(book, name.c_str());
        if (!sheet)
            error = "The sheet \"" + name + "\" could not be added.";
        return sheet;
    }

    bool Check(lxw_error result)
    {
        if (result != LXW_NO_ERROR && error.empty())
            error = lxw_strerror(result);
        return error.empty();
    }

    // The format of a cell under the range formats that cover it.
    lxw_format* FormatFor(const std::vector<const FormatOp*>& ops, long row, long col, CellKind kind)
    {
        bool bold = false;
        int align = static_cast<int>(HorizontalAlign::General);
        int number = -1;
        for (const FormatOp* op : ops) {
            if (!Contains(op->range, row, col))
                continue;
            switch (op->property) {
            case BoldProperty: bold = op->value != 0; break;
            case AlignProperty: align = op->value; break;
            case NumberFormatProperty: number = op->value; break;
            }
        }
        int builtin = 0;
        if (number < 0 && kind == DateCell)
            builtin = BuiltinShortDate;
        if (number < 0 && kind == TimeCell)
            builtin = BuiltinTime;
        if (!bold && align == static_cast<int>(HorizontalAlign::General) && number < 0 && builtin == 0)
            return nullptr;

        const long long key = (((static_cast<long long>(number) + 1) * 64 + builtin) * 4 + align) * 2 + (bold ? 1 : 0);
        auto found = formats.find(key);
        if (found != formats.end())
            return found->second;
        lxw_format* format = workbook_add_format(book);
        if (bold)
            format_set_bold(format);
        if (align == static_cast<int>(HorizontalAlign::Centre))
            format_set_align(format, LXW_ALIGN_CENTER);
        if (align == static_cast<int>(HorizontalAlign::Right))
            format_set_align(format, LXW_ALIGN_RIGHT);
        if (number >= 0)
            format_set_num_format(format, numberFormats[static_cast<std::size_t>(number)].c_str());
        else if (builtin != 0)
            format_set_num_format_index(format, static_cast<uint8_t>(builtin));
        formats.emplace(key, format);
        return format;
    }

    bool WriteCell(lxw_worksheet* sheet, const Cell& cell, lxw_format* format)
    {
        const lxw_row_t row = static_cast<lxw_row_t>(cell.row - 1);
        const lxw_col_t col = static_cast<lxw_col_t>(cell.col - 1);
        switch (cell.kind) {
        case TextCell: return Check(worksheet_write_string(sheet, row, col, texts[cell.text].c_str(), format));
        case NumberCell:
            // A workbook file has no infinite or not-a-number values: written
            // as numbers they make a file that spreadsheet programs refuse to
            // open. A run whose weights overflowed still exports, with the
            // words the report uses for them.
            if (!std::isfinite(cell.number))
                return Check(worksheet_write_string(sheet, row, col,
                                                    std::isnan(cell.number) ? "NaN"
                                                    : cell.number < 0       ? "-Infinity"
                                                                            : "Infinity",
                                                    format));
            return Check(worksheet_write_number(sheet, row, col, cell.number, format));
        case DateCell: {
            const long ymd = static_cast<long>(cell.number);
            lxw_datetime when{static_cast<int>(ymd / 10000), static_cast<int>(ymd / 100 % 100),
                              static_cast<int>(ymd % 100), 0, 0, 0};
            return Check(worksheet_write_datetime(sheet, row, col, &when, format));
        }
        case TimeCell: {
            const long seconds = static_cast<long>(cell.number);
            lxw_datetime when{0, 0, 0, static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
                              static_cast<double>(seconds % 60)};
            return Check(worksheet_write_datetime(sheet, row, col, &when, format));
        }
        }
        return true;
    }

    bool WriteBlank(lxw_worksheet* sheet, long row, long col, lxw_format* format)
    {
        if (!format)
            return true;
        return Check(worksheet_write_blank(sheet, static_cast<lxw_row_t>(row - 1), static_cast<lxw_col_t>(col - 1),
                                           format));
    }

    lxw_error Close()
    {
        const lxw_error result = workbook_close(book);
        book = nullptr;
        return result;
    }

    lxw_workbook* book = nullptr;
    std::string error;

private:
    const std::vector<std::string>& texts;
    const std::vector<std::string>& numberFormats;
    std::map<long long, lxw_format*> formats;
};

}  // namespace

struct XlsxWorkbook::Sheet {
    std::string name;
    std::vector<Cell> cells;
    std::vector<FormatOp> formats;
    std::vector<Width> widths;
};

std::string ColumnLetters(long col)
{
    std::string letters;
    while (col > 0) {
        const long digit = (col - 1) % 26;
        letters.insert(letters.begin(), static_cast<char>('A' + digit));
        col = (col - 1) / 26;
    }
    return letters;
}

XlsxWorkbook::XlsxWorkbook()
{
    sheets.push_back(std::make_unique<Sheet>());
    sheets.back()->name = "Sheet1";
}

XlsxWorkbook::~XlsxWorkbook() = default;

std::unique_ptr<XlsxWorkbook::Sheet> XlsxWorkbook::NewSheet() const
{
    // A name no other sheet has, until the caller renames it.
    std::string name;
    for (std::size_t n = sheets.size() + 1;; ++n) {
        name = "Sheet" + std::to_string(n);
        if (std::none_of(sheets.begin(), sheets.end(), [&](const auto& s) { return s->name == name; }))
            break;
    }
    auto sheet = std::make_unique<Sheet>();
    sheet->name = name;
    return sheet;
}

void XlsxWorkbook::AddSheet()
{
    sheets.insert(sheets.begin() + static_cast<std::ptrdiff_t>(active), NewSheet());
}

void XlsxWorkbook::AppendSheet()
{
    sheets.push_back(NewSheet());
    active = sheets.size() - 1;
}

void XlsxWorkbook::ActivateSheet(const std::string& name)
{
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        if (sheets[s]->name == name) {
            active = s;
            return;
        }
    }
    throw SpreadsheetError("There is no sheet \"" + name + "\".");
}

void XlsxWorkbook::RenameActiveSheet(const std::string& name)
{
    if (name.empty() || name.size() > 31 || name.find_first_of("[]:*?/\\") != std::string::npos)
        throw SpreadsheetError("\"" + name + "\" cannot be the name of a sheet.");
    for (std::size_t s = 0; s < sheets.size(); ++s)
        if (s != active && sheets[s]->name == name)
            throw SpreadsheetError("The workbook already has a sheet called \"" + name + "\".");
    ActiveSheet().name = name;
}

void XlsxWorkbook::CheckRange(const CellRange& range) const
{
    for (const CellRef& cell : {range.first, range.last}) {
        if (cell.row < 1 || cell.col < 1)
            throw SpreadsheetError("A cell before the first row or column was asked for.");
        if (cell.row > SheetMaxRows)
            throw SpreadsheetError("The sheet \"" + sheets[active]->name + "\" would need row " +
                                   std::to_string(cell.row) + ", but a sheet has only " +
                                   std::to_string(SheetMaxRows) + " rows.");
        if (cell.col > SheetMaxColumns)
            throw SpreadsheetError("The sheet \"" + sheets[active]->name + "\" would need column " +
                                   std::to_string(cell.col) + ", but a sheet has only " +
                                   std::to_string(SheetMaxColumns) + " columns.");
    }
}

void XlsxWorkbook::Store(CellRef cell, int kind, double number, std::uint32_t text)
{
    CheckRange({cell, cell});
    ActiveSheet().cells.push_back(Cell{static_cast<std::int32_t>(cell.row), static_cast<std::int32_t>(cell.col),
                                       static_cast<CellKind>(kind), text, number});
}

void XlsxWorkbook::SetText(CellRef cell, const std::string& text)
{
    if (text.empty()) {
        // A blank cell: drop any earlier value of this cell.
        CheckRange({cell, cell});
        auto& cells = ActiveSheet().cells;
        std::erase_if(cells, [&](const Cell& c) { return c.row == cell.row && c.col == cell.col; });
        return;
    }
    texts.push_back(text);
    Store(cell, TextCell, 0, static_cast<std::uint32_t>(texts.size() - 1));
}

void XlsxWorkbook::SetNumber(CellRef cell, double value) { Store(cell, NumberCell, value, 0); }

void XlsxWorkbook::SetInteger(CellRef cell, long long value) { Store(cell, NumberCell, static_cast<double>(value), 0); }

void XlsxWorkbook::SetDate(CellRef cell, CalendarDate date)
{
    Store(cell, DateCell, date.year * 10000.0 + date.month * 100 + date.day, 0);
}

void XlsxWorkbook::SetTime(CellRef cell, TimeOfDay time)
{
    Store(cell, TimeCell, time.hour * 3600.0 + time.minute * 60 + time.second, 0);
}

void XlsxWorkbook::NameRange(const std::string& name, CellRange range)
{
    CheckRange(range);
    names[name] = Name{sheets[active].get(), range};
}

CellRange XlsxWorkbook::NamedRange(const std::string& name) const
{
    auto found = names.find(name);
    if (found == names.end() || found->second.sheet != sheets[active].get())
        throw SpreadsheetError("The range \"" + name + "\" is not on the sheet \"" + sheets[active]->name + "\".");
    return found->second.range;
}

void XlsxWorkbook::SetNumberFormat(CellRange range, const std::string& format)
{
    CheckRange(range);
    auto known = std::find(numberFormats.begin(), numberFormats.end(), format);
    if (known == numberFormats.end())
        known = numberFormats.insert(numberFormats.end(), format);
    ActiveSheet().formats.push_back(
        FormatOp{range, NumberFormatProperty, static_cast<int>(known - numberFormats.begin())});
}

void XlsxWorkbook::SetAlignment(CellRange range, HorizontalAlign align)
{
    CheckRange(range);
    ActiveSheet().formats.push_back(FormatOp{range, AlignProperty, static_cast<int>(align)});
}

void XlsxWorkbook::SetBold(CellRange range, bool bold)
{
    CheckRange(range);
    ActiveSheet().formats.push_back(FormatOp{range, BoldProperty, bold ? 1 : 0});
}

void XlsxWorkbook::SetColumnWidth(CellRange range, double characters)
{
    CheckRange(range);
    ActiveSheet().widths.push_back(Width{range, characters});
}

namespace {

// Writes a sheet row by row: in each row the cells that hold values and the
// empty cells a range format covers, left to right.
bool WriteSheet(Writer& out, lxw_worksheet* target, std::vector<Cell> cells, const std::vector<FormatOp>& formats)
{
    // Later values of a cell replace earlier ones.
    std::stable_sort(cells.begin(), cells.end(),
                     [](const Cell& a, const Cell& b) { return a.row != b.row ? a.row < b.row : a.col < b.col; });
    long lastRow = cells.empty() ? 0 : cells.back().row;
    for (const FormatOp& op : formats)
        lastRow = std::max(lastRow, op.range.last.row);

    std::size_t next = 0;
    std::vector<const FormatOp*> covering;
    std::vector<std::pair<long, long>> spans;
    for (long row = 1; row <= lastRow; ++row) {
        covering.clear();
        spans.clear();
        for (const FormatOp& op : formats)
            if (op.range.first.row <= row && row <= op.range.last.row) {
                covering.push_back(&op);
                spans.emplace_back(op.range.first.col, op.range.last.col);
            }
        std::sort(spans.begin(), spans.end());

        std::size_t span = 0;
        long done = 0;  // the last column written in this row
        while (true) {
            while (next < cells.size() && cells[next].row == row && cells[next].col <= done)
                ++next;
            // The last of several values stored for one cell wins.
            while (next + 1 < cells.size() && cells[next + 1].row == row && cells[next + 1].col == cells[next].col)
                ++next;
            const long cellCol = next < cells.size() && cells[next].row == row ? cells[next].col : LONG_MAX;
            while (span < spans.size() && spans[span].second <= done)
                ++span;
            const long spanCol = span < spans.size() ? std::max(spans[span].first, done + 1) : LONG_MAX;
            const long col = std::min(cellCol, spanCol);
            if (col == LONG_MAX)
                break;
            const bool hasValue = col == cellCol;
            lxw_format* format = out.FormatFor(covering, row, col, hasValue ? cells[next].kind : TextCell);
            if (!(hasValue ? out.WriteCell(target, cells[next], format) : out.WriteBlank(target, row, col, format)))
                return false;
            done = col;
        }
    }
    return true;
}

}  // namespace

std::string XlsxWorkbook::Save(const std::string& path) const
{
    Writer out(path, texts, numberFormats);
    if (!out.book)
        return out.error;

    std::map<const Sheet*, lxw_worksheet*> written;
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        const Sheet& sheet = *sheets[s];
        lxw_worksheet* target = out.AddSheet(sheet.name);
        if (!target)
            return out.error;
        written[&sheet] = target;
        for (const Width& width : sheet.widths)
            if (!out.Check(worksheet_set_column(target, static_cast<lxw_col_t>(width.range.first.col - 1),
                                                static_cast<lxw_col_t>(width.range.last.col - 1), width.characters,
                                                nullptr)))
                return out.error;
        if (s == active)
            worksheet_activate(target);
        if (!WriteSheet(out, target, sheet.cells, sheet.formats))
            return out.error;
    }

    for (const auto& [name, where] : names) {
        const std::string formula = "=" + QuotedSheet(where.sheet->name) + "!" + AbsoluteCell(where.range.first) +
                                    ":" + AbsoluteCell(where.range.last);
        if (!out.Check(workbook_define_name(out.book, name.c_str(), formula.c_str())))
            return "The name \"" + name + "\" could not be defined: " + out.error;
    }

    errno = 0;
    const lxw_error result = out.Close();
    const int failure = errno;
    // The library gives one generic text for every failed file operation
    // ("Zip generic error ZIP_ERRNO ..."); the system's reason, such as a
    // full disk, tells the user what to do.
    if ((result == LXW_ERROR_ZIP_FILE_OPERATION || result == LXW_ERROR_CREATING_XLSX_FILE ||
         result == LXW_ERROR_CREATING_TMPFILE || result == LXW_ERROR_READING_TMPFILE) &&
        failure != 0)
        return FileErrorReason(path, failure);
    if (result != LXW_NO_ERROR)
        return lxw_strerror(result);
    return {};
}

}  // namespace vantorelle
