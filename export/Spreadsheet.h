// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the spreadsheet summary needs of a spreadsheet: a workbook whose
// active sheet takes values cell by cell, ranges of it take formats and
// widths, and workbook-level names point at ranges. The summary and its label
// routines talk to this interface only; XlsxWorkbook is the one implementation.
//
// Rows and columns are numbered from 1 (row 1, column 1 is cell A1). A call
// the workbook cannot carry out (a cell beyond the sheet's last row or
// column) throws SpreadsheetError with a description for the user.

#include <stdexcept>
#include <string>

namespace vantorelle {

struct CellRef {
    long row = 1;
    long col = 1;
};

// The rectangle between two corner cells, both included.
struct CellRange {
    CellRef first;
    CellRef last;
};

enum class HorizontalAlign { General, Centre, Right };

// A date (year, month, day) or a time of day (hour, minute, second).
struct CalendarDate {
    int year = 1900;
    int month = 1;
    int day = 1;
};
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class SpreadsheetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Spreadsheet {
public:
    virtual ~Spreadsheet() = default;

    // Adds a worksheet just before the active one; the new sheet becomes the
    // active sheet (so sheets added one after another end up in reverse order).
    virtual void AddSheet() = 0;
    virtual void RenameActiveSheet(const std::string& name) = 0;
    // Adds a worksheet after the last one and makes it the active sheet.
    virtual void AppendSheet() = 0;
    // Makes the sheet of that name the active one; throws SpreadsheetError
    // when there is none.
    virtual void ActivateSheet(const std::string& name) = 0;

    // Values of cells of the active sheet. An empty text leaves the cell blank.
    virtual void SetText(CellRef cell, const std::string& text) = 0;
    virtual void SetNumber(CellRef cell, double value) = 0;
    virtual void SetInteger(CellRef cell, long long value) = 0;
    virtual void SetDate(CellRef cell, CalendarDate date) = 0;
    virtual void SetTime(CellRef cell, TimeOfDay time) = 0;

    // Gives a range of the active sheet a workbook-level name; a name that
    // already exists moves to the new range.
    virtual void NameRange(const std::string& name, CellRange range) = 0;
    // The range a name points at; throws SpreadsheetError for an unknown name
    // or one that points at another sheet than the active one.
    virtual CellRange NamedRange(const std::string& name) const = 0;

    // Formats of every cell of a range of the active sheet, empty ones too.
    // Each call sets one property and leaves the others as they were.
    virtual void SetNumberFormat(CellRange range, const std::string& format) = 0;
    virtual void SetAlignment(CellRange range, HorizontalAlign align) = 0;
    virtual void SetBold(CellRange range, bool bold) = 0;
    // Widths of the range's columns, in characters.
    virtual void SetColumnWidth(CellRange range, double characters) = 0;
};

}  // namespace vantorelle
