// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A workbook kept in memory and written as an .xlsx file with libxlsxwriter.
//
// libxlsxwriter writes sheets in the order they were added and takes each
// cell's format when the cell is written, while the summary adds every sheet
// before the active one and formats ranges after filling them. So the
// workbook records cells, formats, widths and names compactly and writes the
// file in one pass at the end, sheets in tab order, rows in order (which lets
// the library stream each row to disk instead of holding a second copy).

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Spreadsheet.h"

namespace vantorelle {

// The largest sheet a workbook file can hold.
inline constexpr long SheetMaxRows = 1048576;
inline constexpr long SheetMaxColumns = 16384;

class XlsxWorkbook : public Spreadsheet {
public:
    // A new workbook holds one blank sheet, "Sheet1", which is active.
    XlsxWorkbook();
    ~XlsxWorkbook() override;

    void AddSheet() override;
    void RenameActiveSheet(const std::string& name) override;
    void AppendSheet() override;
    void ActivateSheet(const std::string& name) override;
    void SetText(CellRef cell, const std::string& text) override;
    void SetNumber(CellRef cell, double value) override;
    void SetInteger(CellRef cell, long long value) override;
    void SetDate(CellRef cell, CalendarDate date) override;
    void SetTime(CellRef cell, TimeOfDay time) override;
    void NameRange(const std::string& name, CellRange range) override;
    CellRange NamedRange(const std::string& name) const override;
    void SetNumberFormat(CellRange range, const std::string& format) override;
    void SetAlignment(CellRange range, HorizontalAlign align) override;
    void SetBold(CellRange range, bool bold) override;
    void SetColumnWidth(CellRange range, double characters) override;

    // Writes the workbook to path (replacing a file there) with the active
    // sheet shown first. Answers an empty text on success, else what failed.
    std::string Save(const std::string& path) const;

private:
    struct Sheet;
    std::unique_ptr<Sheet> NewSheet() const;
    void CheckRange(const CellRange& range) const;
    Sheet& ActiveSheet() { return *sheets[active]; }
    void Store(CellRef cell, int kind, double number, std::uint32_t text);

    std::vector<std::unique_ptr<Sheet>> sheets;  // in tab order
    std::size_t active = 0;
    std::vector<std::string> texts;          // the texts of text cells
    std::vector<std::string> numberFormats;  // the formats ranges were given
    struct Name {
        const Sheet* sheet;
        CellRange range;
    };
    std::map<std::string, Name> names;
};

// "A", "B", ... "Z", "AA", ... for column 1, 2, ...
std::string ColumnLetters(long col);

}  // namespace vantorelle
