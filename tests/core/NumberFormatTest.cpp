// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "NumberFormat.h"

using namespace vantorelle;

namespace {
const NumberLocale enUS{".", ","};
const NumberLocale deDE{",", "."};
}  // namespace

TEST(Format, Standard)
{
    EXPECT_EQ(FormatStandard(1234.5, enUS), "1,234.50");
    EXPECT_EQ(FormatStandard(5, enUS), "5.00");
    EXPECT_EQ(FormatStandard(0, enUS), "0.00");
    EXPECT_EQ(FormatStandard(1500, enUS), "1,500.00");
    EXPECT_EQ(FormatStandard(1234567.891, enUS), "1,234,567.89");
    EXPECT_EQ(FormatStandard(12.345, enUS), "12.35");  // the stored value is 12.34499...
    EXPECT_EQ(FormatStandard(0.005, enUS), "0.01");
    EXPECT_EQ(FormatStandard(999.995, enUS), "1,000.00");
    EXPECT_EQ(FormatStandard(-1234.5, enUS), "-1,234.50");
    EXPECT_EQ(FormatStandard(-0.0, enUS), "0.00");
    EXPECT_EQ(FormatStandard(1234.5, deDE), "1.234,50");
}

TEST(Format, Scientific)
{
    EXPECT_EQ(FormatScientific(0.0123, enUS), "1.23E-02");
    EXPECT_EQ(FormatScientific(0, enUS), "0.00E+00");
    EXPECT_EQ(FormatScientific(12.5, enUS), "1.25E+01");
    EXPECT_EQ(FormatScientific(0.000123, enUS), "1.23E-04");
    EXPECT_EQ(FormatScientific(9.995, enUS), "1.00E+01");
    EXPECT_EQ(FormatScientific(-0.5, enUS), "-5.00E-01");
    EXPECT_EQ(FormatScientific(1e-300, enUS), "1.00E-300");
    EXPECT_EQ(FormatScientific(1.2345, deDE), "1,23E+00");
}

TEST(Format, SignedTwo)
{
    EXPECT_EQ(FormatSigned2(0.5, enUS), "+.50");
    EXPECT_EQ(FormatSigned2(1, enUS), "+1.00");
    EXPECT_EQ(FormatSigned2(0, enUS), "+.00");
    EXPECT_EQ(FormatSigned2(-0.25, enUS), "-.25");
    EXPECT_EQ(FormatSigned2(12.345, enUS), "+12.35");
    EXPECT_EQ(FormatSigned2(1234.5, enUS), "+1234.50");
    EXPECT_EQ(FormatSigned2(0.004, enUS), "+.00");
    EXPECT_EQ(FormatSigned2(-0.004, enUS), "-.00");  // a negative value keeps its sign
    EXPECT_EQ(FormatSigned2(-0.0, enUS), "+.00");    // negative zero is not negative
    EXPECT_EQ(FormatSigned2(-12.5, enUS), "-12.50");
    EXPECT_EQ(FormatSigned2(100, enUS), "+100.00");
    EXPECT_EQ(FormatSigned2(0.995, enUS), "+1.00");
}

TEST(Format, General)
{
    EXPECT_EQ(FormatGeneral(0.5, enUS), "0.5");
    EXPECT_EQ(FormatGeneral(0.1, enUS), "0.1");
    EXPECT_EQ(FormatGeneral(0.07, enUS), "0.07");
    EXPECT_EQ(FormatGeneral(2, enUS), "2");
    EXPECT_EQ(FormatGeneral(0, enUS), "0");
    EXPECT_EQ(FormatGeneral(-0.0, enUS), "0");
    EXPECT_EQ(FormatGeneral(1e-5, enUS), "1E-05");
    EXPECT_EQ(FormatGeneral(0.0001, enUS), "0.0001");
    EXPECT_EQ(FormatGeneral(1.5e15, enUS), "1.5E+15");
    EXPECT_EQ(FormatGeneral(123456789012345.0, enUS), "123456789012345");
    EXPECT_EQ(FormatGeneral(1.0 / 3, enUS), "0.333333333333333");
    EXPECT_EQ(FormatGeneral(2.0 / 3, enUS), "0.666666666666667");
    EXPECT_EQ(FormatGeneral(-1234.5, enUS), "-1234.5");
    EXPECT_EQ(FormatGeneral(1e100, enUS), "1E+100");
    EXPECT_EQ(FormatGeneral(0.07 * 100 / 100, enUS), "0.07");
    EXPECT_EQ(FormatGeneral(0.5, deDE), "0,5");
}

TEST(Format, NonFiniteValuesAreNamed)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatStandard(std::nan(""), enUS), "NaN");
    EXPECT_EQ(FormatScientific(inf, enUS), "Infinity");
    EXPECT_EQ(FormatSigned2(-inf, enUS), "-Infinity");
    EXPECT_EQ(FormatGeneral(inf, enUS), "Infinity");
    EXPECT_EQ(FormatWhole(-42), "-42");
}

TEST(Parse, BoxNumbers)
{
    EXPECT_EQ(ParseBoxNumber("0.50", enUS), 0.5);
    EXPECT_EQ(ParseBoxNumber(" 1,000 ", enUS), 1000);
    EXPECT_EQ(ParseBoxNumber("-.5", enUS), -0.5);
    EXPECT_EQ(ParseBoxNumber("+2E3", enUS), 2000);
    EXPECT_EQ(ParseBoxNumber("1e-400", enUS), 0);
    EXPECT_EQ(ParseBoxNumber("0,5", deDE), 0.5);
    for (const char* bad : {"", " ", "abc", "1..2", "nan", "inf", "0x10", "1e", "1e400", "1,", ",5", "5-"})
        EXPECT_FALSE(ParseBoxNumber(bad, enUS).has_value()) << bad;
}

// A group separator is taken only between groups of three digits in the whole
// part; anywhere else the text is no number, never a different number.
TEST(Parse, MisplacedGroupSeparatorsMakeNoNumber)
{
    EXPECT_EQ(ParseBoxNumber("1.000,5", deDE), 1000.5);
    EXPECT_EQ(ParseBoxNumber("12.345.678", deDE), 12345678);
    for (const char* bad : {"0.3", "0.30", "1.5", "1.0000", "1234.567", "1,000.5", "1.000.00"})
        EXPECT_FALSE(ParseBoxNumber(bad, deDE).has_value()) << bad;
    EXPECT_FALSE(ParseBoxNumber("1,00", enUS).has_value());
    EXPECT_FALSE(ParseBoxNumber("1,000.5,5", enUS).has_value());

    // Separators longer than one byte, as UTF-8 writes the narrow no-break
    // space of French grouping and the Arabic decimal separator.
    const NumberLocale frFR{",", "\u202f"};
    EXPECT_EQ(ParseBoxNumber("1\u202f234,5", frFR), 1234.5);
    EXPECT_FALSE(ParseBoxNumber("12\u202f34", frFR).has_value());
    const NumberLocale arabic{"\u066b", "\u066c"};
    EXPECT_EQ(ParseBoxNumber("1\u066c000\u066b25", arabic), 1000.25);
    EXPECT_EQ(ParseBoxNumber(InLocaleForm("1,234.5", arabic), arabic), 1234.5);
    EXPECT_EQ(FormatStandard(1234.5, frFR), "1\u202f234,50");
}

TEST(Parse, RoundToWholeHalvesToEven)
{
    EXPECT_EQ(RoundToWhole(2.5), 2);
    EXPECT_EQ(RoundToWhole(3.5), 4);
    EXPECT_EQ(RoundToWhole(-0.5), 0);
    EXPECT_EQ(RoundToWhole(0.4), 0);
    EXPECT_EQ(RoundToWhole(2147483647.0), 2147483647);
    EXPECT_FALSE(RoundToWhole(2147483648.0).has_value());
    EXPECT_FALSE(RoundToWhole(std::nan("")).has_value());
}

TEST(Parse, TextsInLocaleFormReadBackAsTheSameNumber)
{
    EXPECT_EQ(InLocaleForm("0.10", deDE), "0,10");
    EXPECT_EQ(InLocaleForm("1,000.5", deDE), "1000,5");
    EXPECT_EQ(InLocaleForm("1", deDE), "1");
    for (const char* c : {"0.50", "0.10", "1", "2.5e-3", "-12.345"})
        for (const NumberLocale& locale : {enUS, deDE})
            EXPECT_EQ(ParseBoxNumber(InLocaleForm(c, locale), locale), ParseBoxNumber(c, NumberLocale{})) << c;
}
