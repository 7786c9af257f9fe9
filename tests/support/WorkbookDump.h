// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads a written workbook back through dump_workbook.py (openpyxl, a reader
// independent of libxlsxwriter) into maps a test can look things up in.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace vantorelle::testing {

struct DumpedCell {
    std::string type;  // str, int, float, datetime, time, blank
    std::string value;
    std::string numberFormat;
    bool bold = false;
    std::string align;  // general, center, right
};

struct WorkbookDump {
    std::vector<std::string> sheets;
    std::string active;
    std::map<std::string, std::string> names;                      // name -> destination
    std::map<std::pair<std::string, std::string>, double> widths;  // (sheet, column) -> width
    std::map<std::pair<std::string, std::string>, DumpedCell> cells;

    // The cell, or a cell of type "none" when the reader listed nothing there.
    DumpedCell Cell(const std::string& sheet, const std::string& ref) const
    {
        auto found = cells.find({sheet, ref});
        if (found == cells.end())
            return DumpedCell{"none", "", "General", false, "general"};
        return found->second;
    }
    double Number(const std::string& sheet, const std::string& ref) const
    {
        return std::stod(Cell(sheet, ref).value);
    }
    // How many listed cells a sheet has.
    std::size_t CellCount(const std::string& sheet) const
    {
        std::size_t count = 0;
        for (const auto& [key, cell] : cells)
            count += key.first == sheet ? 1 : 0;
        return count;
    }
};

inline std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t'))
        fields.push_back(field);
    if (!line.empty() && line.back() == '\t')
        fields.emplace_back();
    return fields;
}

inline WorkbookDump DumpWorkbook(const std::string& path)
{
    WorkbookDump dump;
    const std::string command = std::string(VANTORELLE_PYTHON) + " " + VANTORELLE_DUMP_WORKBOOK + " '" + path + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return dump;
    }
    std::string output;
    char buffer[65536];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    const int status = ::pclose(pipe);
    EXPECT_EQ(status, 0) << "the reader failed on " << path;

    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const auto f = SplitTabs(line);
        if (f.empty())
            continue;
        if (f[0] == "sheets")
            dump.sheets.assign(f.begin() + 1, f.end());
        else if (f[0] == "active" && f.size() > 1)
            dump.active = f[1];
        else if (f[0] == "name" && f.size() > 2)
            dump.names[f[1]] = f[2];
        else if (f[0] == "width" && f.size() > 3)
            dump.widths[{f[1], f[2]}] = std::stod(f[3]);
        else if (f[0] == "cell" && f.size() > 7)
            dump.cells[{f[1], f[2]}] = DumpedCell{f[3], f[4], f[5], f[6] == "1", f[7]};
    }
    return dump;
}

}  // namespace vantorelle::testing
