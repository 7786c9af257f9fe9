// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every number format the program shows or writes, in one place. Locale
// separators come in as parameters; nothing here reads the environment.
//
// The fixed-decimal formats round the value's 15-significant-digit decimal
// form half away from zero, so 12.345 (stored as 12.3449999...) shows as 12.35.

#include <optional>
#include <string>
#include <string_view>

namespace vantorelle {

struct NumberLocale {
    std::string decimal = ".";
    std::string group = ",";
};

// "Standard": thousands grouping and exactly two decimals (1,234.50; 5.00).
std::string FormatStandard(double value, const NumberLocale& locale);

// "Scientific": d.ddE+xx (1.23E-02; 0.00E+00).
std::string FormatScientific(double value, const NumberLocale& locale);

// "+###.00;-###.00": a sign always, no digit before the point when the
// integer part is 0, two decimals (+.50, -12.35, +1234.50).
std::string FormatSigned2(double value, const NumberLocale& locale);

// Shortest form with up to 15 significant digits and no trailing zeros:
// 0.5, 2, 1E-05, 1.5E+15. Negative zero is written 0.
std::string FormatGeneral(double value, const NumberLocale& locale);

// A whole number as plain digits with a leading minus for negatives.
std::string FormatWhole(long long value);

// A number written the C way ("0.50", "1,000.5") in the locale's form: the
// decimal point becomes the locale's separator and C grouping commas go.
// Texts the program puts into a box itself go through this, so that reading
// them back in the locale gives the same number.
std::string InLocaleForm(std::string_view cNumber, const NumberLocale& locale);

// The program's one number grammar: an optional sign, digits (in the whole
// part optionally grouped in threes by the locale's group separator), the
// locale's decimal separator, an optional exponent. Empty text, words, nan,
// inf, misplaced group separators and values beyond a double's range give
// nothing. Training files use it with "." and no grouping.
std::optional<double> ParseNumberText(std::string_view text, const NumberLocale& locale);

// A number typed into a box: the grammar above between optional blanks.
std::optional<double> ParseBoxNumber(std::string_view text, const NumberLocale& locale);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4); nothing when the result does not fit a 32-bit whole number.
std::optional<long> RoundToWhole(double value);

}  // namespace vantorelle
