// SPDX-License-Identifier: GPL-3.0-or-later
// CSV files become training sets: delimiters, quotes, header rows, decimal
// commas, the column choice and the class column; and every kind of bad file
// gets one message naming its row and column.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>

#include "CsvImport.h"
#include "TrainingFile.h"

using namespace vantorelle;

namespace {

CsvOptions Columns(std::vector<long> inputs, std::vector<long> outputs, std::optional<long> classColumn = {})
{
    CsvOptions options;
    options.inputs = std::move(inputs);
    options.outputs = std::move(outputs);
    options.classColumn = classColumn;
    return options;
}

CsvImport Import(const std::string& text, const CsvOptions& options)
{
    std::istringstream in(text);
    return ImportCsv(in, "data.csv", options);
}

// The refusal's reason, after the part that names the file.
std::string Why(const CsvImport& result)
{
    const std::string start = "The CSV file \"data.csv\" cannot be used: ";
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.rfind(start, 0), 0u) << result.message;
    return result.message.substr(std::min(start.size(), result.message.size()));
}

// The set's values as rows of text, for compact comparisons.
std::string Rows(const TrainingSet& set)
{
    std::ostringstream out;
    for (long p = 1; p <= set.NumPatterns(); ++p) {
        for (long i = 1; i <= set.NumInputs(); ++i)
            out << set.InputPatterns(p, i) << ' ';
        out << '|';
        for (long k = 1; k <= set.NumOutputs(); ++k)
            out << ' ' << set.DesiredOutputs(p, k);
        out << '\n';
    }
    return out.str();
}

}  // namespace

// delimiters, quotes and line ends
TEST(CsvImport, CommaSeparatedWithHeaderTakesTheChosenColumnsInTheirOrder)
{
    const CsvImport r = Import("a,b,c,d\n1,2,3,4\n5,6,7,8\n", Columns({3, 1}, {4}));
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(r.headerRow);
    EXPECT_EQ(r.delimiter, ',');
    EXPECT_EQ(Rows(r.set), "3 1 | 4\n7 5 | 8\n");
}

TEST(CsvImport, DelimitersAreGuessedFromTheFirstRow)
{
    for (const char* text : {"1;2;3\n4;5;6\n", "1\t2\t3\n4\t5\t6\n", "1|2|3\n4|5|6\n", "1, 2, 3\r\n4 ,5, 6\r\n"}) {
        const CsvImport r = Import(text, Columns({1, 2}, {3}));
        ASSERT_TRUE(r.ok) << text << r.message;
        EXPECT_FALSE(r.headerRow);
        EXPECT_EQ(Rows(r.set), "1 2 | 3\n4 5 | 6\n") << text;
    }
}

TEST(CsvImport, QuotedCellsBlankLinesByteOrderMarkAndNoFinalLineBreak)
{
    const CsvImport r = Import("\xEF\xBB\xBF\"x\",\"y, z\",class\n\n\"1\",2,\"Iris \"\"setosa\"\"\"\n\r\n3,4,other",
                               Columns({1, 2}, {}, 3));
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(r.headerRow);
    EXPECT_EQ(Rows(r.set), "1 2 | 1 0\n3 4 | 0 1\n");
    ASSERT_EQ(r.classNames.size(), 2u);
    EXPECT_EQ(r.classNames[0], "Iris \"setosa\"");
}

TEST(CsvImport, DecimalCommasWithSemicolonsAsSpreadsheetsInManyLanguagesWrite)
{
    CsvOptions options = Columns({1, 2}, {3});
    options.decimal = DecimalMark::Comma;
    const CsvImport r = Import("Länge;Breite;Ziel\n1,5;-2,25;1\n0,5;3e-1;0\n", options);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.delimiter, ';');
    EXPECT_EQ(Rows(r.set), "1.5 -2.25 | 1\n0.5 0.3 | 0\n");
}

TEST(CsvImport, HeaderRowCanBeForcedEitherWay)
{
    CsvOptions options = Columns({1}, {2});
    options.header = HeaderRow::Present;
    CsvImport r = Import("1,2\n3,4\n", options);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Rows(r.set), "3 | 4\n");
    options.header = HeaderRow::Absent;
    r = Import("x,y\n3,4\n", options);
    EXPECT_EQ(Why(r), "row 1, column 1, \"x\", is not a number.");
}

TEST(CsvImport, ClassColumnBecomesOneHotOutputsAfterTheNumericOnes)
{
    const CsvImport r = Import("1,b,0.5\n2,a,0.25\n3,b,1\n4,c,0\n", Columns({1}, {3}, 2));
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(Rows(r.set), "1 | 0.5 1 0 0\n2 | 0.25 0 1 0\n3 | 1 1 0 0\n4 | 0 0 0 1\n");
    EXPECT_EQ(r.classNames, (std::vector<std::string>{"b", "a", "c"}));
}

TEST(CsvImport, AnExplicitDelimiterIsTakenAsGiven)
{
    CsvOptions options = Columns({1}, {2});
    options.delimiter = ':';
    const CsvImport r = Import("1:2\n3:4\n", options);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(Rows(r.set), "1 | 2\n3 | 4\n");
}

// round trip: CSV -> training file -> reader
TEST(CsvImport, WhatIsImportedIsWhatTheTrainingFileReadsBack)
{
    const CsvImport r = Import("0.1,1e-300,-0,7\n123456.789,2.5e+10,3,1\n", Columns({1, 2, 3}, {4}));
    ASSERT_TRUE(r.ok) << r.message;
    const std::string text = TrainingFileText(r.set);
    std::istringstream in(text);
    NetworkState net;
    ASSERT_TRUE(ReadTrainingFile(net, in, "data.net", text.size()).ok);
    EXPECT_EQ(std::memcmp(net.InputPatterns.Row(1), r.set.InputPatterns.Row(1), 4 * sizeof(double)), 0);
    EXPECT_EQ(std::memcmp(net.InputPatterns.Row(2), r.set.InputPatterns.Row(2), 4 * sizeof(double)), 0);
    EXPECT_TRUE(std::signbit(net.InputPatterns(1, 3)));
    EXPECT_EQ(net.InputPatterns(1, 1), 0.1);
    EXPECT_EQ(net.DesiredOutputs(2, 1), 1.0);
}

// bad files: one message naming the row and the column
TEST(CsvImport, EveryKindOfBadFileIsNamedByRowAndColumn)
{
    const CsvOptions two = Columns({1, 2}, {3});
    struct Case {
        const char* file;
        const char* why;
    };
    const Case cases[] = {
        {"", "it holds no rows."},
        {"\n\r\n\n", "it holds no rows."},
        {"x,y,z\n", "it holds only a header row."},
        {"1,2,3\n4,5\n6,7,8\n", "row 2 has 2 columns, but row 1 has 3."},
        {"x,y,z\n\n1,2,3,4\n", "row 3 has 4 columns, but row 1 has 3."},
        {"1,2,3\n4,five,6\n", "row 2, column 2, \"five\", is not a number."},
        {"1;2;3\n4;\"1,5\";6\n", "row 2, column 2, \"1,5\", is not a number with a decimal point; it has a decimal "
                                 "comma, but decimal points were chosen."},
        {"1,2,3\n4,,6\n", "row 2, column 2 is empty."},
        {"1,2,3\n4,nan,6\n", "row 2, column 2, \"nan\", is not a number."},
        {"1,2,3\n4,1e400,6\n", "row 2, column 2, \"1e400\", is not a number."},
        {"1,2\n", "column 3 is chosen, but row 1 has only 2 columns."},
        {"1,2,3\n4,5\"x\",6\n", "row 2 has a quote (\") inside a cell that does not begin with one, or after a "
                                "quoted cell's end."},
        {"1,2,3\n4,\"5,6\n", "the file ends inside a quoted cell (a quote that is never closed)."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Why(Import(c.file, two)), c.why) << c.file;

    EXPECT_TRUE(Import("1;2;3\n4;\"1,5\";6\n", two).otherDecimalMark);
    EXPECT_FALSE(Import("1,2,3\n4,five,6\n", two).otherDecimalMark);
    CsvOptions comma = two;
    comma.decimal = DecimalMark::Comma;
    EXPECT_EQ(Why(Import("1;2;3\n4;1.5;6\n", comma)),
              "row 2, column 2, \"1.5\", is not a number with a decimal comma; it has a decimal point, but decimal "
              "commas were chosen.");
    EXPECT_EQ(Why(Import("1,2,a\n3,4,\n", Columns({1, 2}, {}, 3))), "row 2, column 3 is empty.");
}

TEST(CsvImport, ColumnChoicesThatCannotWorkAreRefusedBeforeReading)
{
    EXPECT_EQ(Why(Import("1,2\n", Columns({}, {2}))), "no input columns are chosen.");
    EXPECT_EQ(Why(Import("1,2\n", Columns({1}, {}))), "no output columns and no class column are chosen.");
    EXPECT_EQ(Why(Import("1,2\n", Columns({1, 2}, {2}))), "column 2 is chosen twice.");
    EXPECT_EQ(Why(Import("1,2\n", Columns({1}, {2}, 1))), "column 1 is chosen twice.");
}

TEST(CsvImport, SetsBeyondTheTrainingFileLimitsGetTheReadersMessage)
{
    std::string rows;
    for (int n = 0; n < 32768; ++n)
        rows += "1,0\n";
    EXPECT_EQ(Why(Import(rows, Columns({1}, {2}))), "the number of patterns must be from 1 to 32767, not 32768.");
    // Two outputs: too many responses, found while reading.
    std::string three;
    for (int n = 0; n < 20000; ++n)
        three += "1,0,1\n";
    EXPECT_EQ(Why(Import(three, Columns({1}, {2, 3}))),
              "2 outputs times 16384 patterns make 32768 responses; at most 32767 are allowed.");
    // A class column with as many classes as rows: too many one-hot outputs.
    std::string classes;
    for (int n = 0; n < 200; ++n)
        classes += "1," + std::to_string(n) + "\n";
    EXPECT_EQ(Why(Import(classes, Columns({1}, {}, 2))),
              "200 outputs times 200 patterns make 40000 responses; at most 32767 are allowed.");
}

TEST(CsvImport, AnEndlessCellIsRefusedWithoutTakingTheMemory)
{
    const std::string file = "1,2,3\n4," + std::string(2 << 20, '7') + ",6\n";
    EXPECT_EQ(Why(Import(file, Columns({1, 2}, {3}))), "row 2 holds a cell longer than 1048576 bytes.");
}

// column lists
// the preview a person chooses the columns from
TEST(CsvPreview, ShowsTheFirstRowsWithTheImportsDelimiterGuessAndQuoting)
{
    std::istringstream in("\xEF\xBB\xBF" "a;b;\"c;d\"\r\n1,5;2;x\r\n\r\n3;4;\"y\"\"z\"\n5;6;7\n");
    const CsvPreview preview = PreviewCsv(in, 0, DecimalMark::Comma, 3);
    EXPECT_EQ(preview.delimiter, ';');
    ASSERT_EQ(preview.rows.size(), 3u);  // the blank line is no row, and the fourth is past the limit
    EXPECT_EQ(preview.rows[0], (std::vector<std::string>{"a", "b", "c;d"}));
    EXPECT_EQ(preview.rows[1], (std::vector<std::string>{"1,5", "2", "x"}));
    EXPECT_EQ(preview.rows[2], (std::vector<std::string>{"3", "4", "y\"z"}));
    EXPECT_EQ(preview.widest, 3);
    EXPECT_TRUE(preview.problem.empty());
    // The same text with the delimiter given, ragged rows and a last row without a line break.
    std::istringstream ragged("1|2\n3|4|5\n6");
    const CsvPreview given = PreviewCsv(ragged, '|', DecimalMark::Point, 20);
    ASSERT_EQ(given.rows.size(), 3u);
    EXPECT_EQ(given.widest, 3);
    EXPECT_EQ(given.rows[2], (std::vector<std::string>{"6"}));
}

TEST(CsvPreview, AStrayQuoteEndsThePreviewWithTheRowNamed)
{
    std::istringstream in("1,2\n3,4\"x\n5,6\n");
    const CsvPreview preview = PreviewCsv(in, 0, DecimalMark::Point, 20);
    EXPECT_EQ(preview.rows.size(), 1u);
    EXPECT_NE(preview.problem.find("Row 2 has a quote"), std::string::npos) << preview.problem;
    std::istringstream empty("");
    EXPECT_TRUE(PreviewCsv(empty, 0, DecimalMark::Point, 20).rows.empty());
}

TEST(CsvPreview, HeaderCellsAreThoseNoDecimalFormReadsAsANumber)
{
    for (const char* number : {"1", "-2.5", "2,5", "1e-3"})
        EXPECT_FALSE(IsHeaderCell(number)) << number;
    for (const char* word : {"sepal length", "n/a", "", "1.5.2"})
        EXPECT_TRUE(IsHeaderCell(word)) << word;
}

TEST(ColumnList, TakesNumbersAndRangesAndRefusesTheRest)
{
    EXPECT_EQ(ParseColumnList("1-4"), (std::vector<long>{1, 2, 3, 4}));
    EXPECT_EQ(ParseColumnList(" 5 , 1-2,9"), (std::vector<long>{5, 1, 2, 9}));
    EXPECT_EQ(ParseColumnList("3-3"), (std::vector<long>{3}));
    for (const char* bad : {"", "0", "4-2", "1,,2", "a", "1-", "-3", "1.5", "1-99999999", "1 2"})
        EXPECT_FALSE(ParseColumnList(bad)) << bad;
}
