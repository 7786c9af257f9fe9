// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberFormat.h"

#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace vantorelle {

namespace {

// A finite nonzero magnitude as 15 significant digits d0.d1...d14 x 10^exponent.
struct Decimal15 {
    std::string digits;  // 15 characters '0'..'9', digits[0] != '0'
    int exponent = 0;
};

Decimal15 ToDecimal15(double magnitude)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
    Decimal15 d;
    d.digits.reserve(15);
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digits.push_back(*p);
    d.exponent = std::atoi(p + 1);
    return d;
}

// Adds one to a string of decimal digits; may grow it by one digit.
void IncrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// |value| rounded half away from zero to `decimals` places, as integer and
// fraction digit strings. The integer part is empty when it is 0.
struct Fixed {
    std::string integer;
    std::string fraction;
};

Fixed ToFixed(double magnitude, int decimals)
{
    std::string scaled;  // round(magnitude * 10^decimals) as digits
    if (magnitude != 0) {
        const Decimal15 d = ToDecimal15(magnitude);
        const int keep = d.exponent + decimals + 1;  // digits left of the cut
        if (keep > 15) {
            scaled = d.digits + std::string(static_cast<std::size_t>(keep - 15), '0');
        } else if (keep > 0) {
            scaled = d.digits.substr(0, static_cast<std::size_t>(keep));
            if (keep < 15 && d.digits[static_cast<std::size_t>(keep)] >= '5')
                IncrementDigits(scaled);
        } else if (keep == 0 && d.digits[0] >= '5') {
            scaled = "1";
        }
    }
    while (scaled.size() > 1 && scaled[0] == '0')
        scaled.erase(0, 1);
    if (scaled.size() < static_cast<std::size_t>(decimals))
        scaled.insert(0, static_cast<std::size_t>(decimals) - scaled.size(), '0');
    Fixed f;
    const std::size_t split = scaled.size() - static_cast<std::size_t>(decimals);
    f.integer = scaled.substr(0, split);
    f.fraction = scaled.substr(split);
    if (f.integer.find_first_not_of('0') == std::string::npos)
        f.integer.clear();
    return f;
}

std::optional<std::string> NonFinite(double value)
{
    if (std::isnan(value))
        return std::string("NaN");
    if (std::isinf(value))
        return std::string(value < 0 ? "-Infinity" : "Infinity");
    return std::nullopt;
}

std::string Grouped(const std::string& integer, const std::string& group)
{
    std::string out;
    const std::size_t n = integer.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += group;
        out += integer[i];
    }
    return out;
}

std::string ExponentText(int exponent)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return buffer;
}

}  // namespace

std::string FormatStandard(double value, const NumberLocale& locale)
{
    if (auto text = NonFinite(value))
        return *text;
    const Fixed f = ToFixed(std::fabs(value), 2);
    const std::string integer = f.integer.empty() ? "0" : Grouped(f.integer, locale.group);
    return (value < 0 ? "-" : "") + integer + locale.decimal + f.fraction;
}

std::string FormatSigned2(double value, const NumberLocale& locale)
{
    if (auto text = NonFinite(value))
        return *text;
    const Fixed f = ToFixed(std::fabs(value), 2);
    return (value < 0 ? "-" : "+") + f.integer + locale.decimal + f.fraction;
}

std::string FormatScientific(double value, const NumberLocale& locale)
{
    if (auto text = NonFinite(value))
        return *text;
    if (value == 0)
        return "0" + locale.decimal + "00" + ExponentText(0);
    const Decimal15 d = ToDecimal15(std::fabs(value));
    std::string kept = d.digits.substr(0, 3);
    int exponent = d.exponent;
    if (d.digits[3] >= '5')
        IncrementDigits(kept);
    if (kept.size() > 3) {  // 9.995 -> 10.0 -> 1.00E+01
        kept.pop_back();
        ++exponent;
    }
    return (value < 0 ? "-" : "") + kept.substr(0, 1) + locale.decimal + kept.substr(1) + ExponentText(exponent);
}

std::string FormatGeneral(double value, const NumberLocale& locale)
{
    if (auto text = NonFinite(value))
        return *text;
    if (value == 0)
        return "0";
    const Decimal15 d = ToDecimal15(std::fabs(value));
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const std::string sign = value < 0 ? "-" : "";
    const int e = d.exponent;
    if (e < -4 || e >= 15) {
        std::string mantissa = digits.substr(0, 1);
        if (digits.size() > 1)
            mantissa += locale.decimal + digits.substr(1);
        return sign + mantissa + ExponentText(e);
    }
    if (e < 0)
        return sign + "0" + locale.decimal + std::string(static_cast<std::size_t>(-e - 1), '0') + digits;
    const std::size_t integerDigits = static_cast<std::size_t>(e) + 1;
    if (digits.size() <= integerDigits)
        return sign + digits + std::string(integerDigits - digits.size(), '0');
    return sign + digits.substr(0, integerDigits) + locale.decimal + digits.substr(integerDigits);
}

std::string FormatWhole(long long value) { return std::to_string(value); }

std::string InLocaleForm(std::string_view cNumber, const NumberLocale& locale)
{
    std::string text;
    for (char c : cNumber) {
        if (c == '.')
            text += locale.decimal;
        else if (c != ',')
            text += c;
    }
    return text;
}

std::optional<double> ParseNumberText(std::string_view text, const NumberLocale& locale)
{
    // Rebuild the number in the C form ("-1234.5e3") while checking its grammar.
    std::string plain;
    std::size_t pos = 0;
    auto startsWith = [&](const std::string& s) { return !s.empty() && text.substr(pos, s.size()) == s; };
    auto isDigit = [&](std::size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; };
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // The whole part: digits, or digits grouped in threes after a first group
    // of one to three. A separator anywhere else makes the text no number, so
    // that in a locale whose group separator is "." a typed "0.3" is refused
    // rather than read as 3.
    int digits = 0;
    int groupDigits = 0;
    bool grouped = false;
    while (pos < text.size()) {
        if (isDigit(pos)) {
            plain += text[pos++];
            ++digits;
            ++groupDigits;
        } else if (digits > 0 && startsWith(locale.group)) {
            if ((grouped && groupDigits != 3) || (!grouped && groupDigits > 3))
                return std::nullopt;
            grouped = true;
            groupDigits = 0;
            pos += locale.group.size();
        } else {
            break;
        }
    }
    if (grouped && groupDigits != 3)
        return std::nullopt;
    if (startsWith(locale.decimal)) {
        pos += locale.decimal.size();
        plain += '.';
        while (isDigit(pos)) {
            plain += text[pos++];
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        plain += 'e';
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            plain += text[pos++];
        if (!isDigit(pos))
            return std::nullopt;
        while (isDigit(pos))
            plain += text[pos++];
    }
    if (pos != text.size())
        return std::nullopt;

#if defined(__EMSCRIPTEN__)
    // The browser build's C++ library has no floating-point from_chars. Its C
    // library's strtod rounds correctly as well, and a page never changes the
    // "C" locale; the text is a checked number by now.
    const double value = std::strtod(plain.c_str(), nullptr);  // underflow gives 0 or a subnormal
    if (std::isinf(value))
        return std::nullopt;
#else
    double value = 0;
    auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        value = std::strtod(plain.c_str(), nullptr);  // underflow gives 0 or a subnormal
        if (std::isinf(value))
            return std::nullopt;
    } else if (ec != std::errc() || end != plain.data() + plain.size()) {
        return std::nullopt;
    }
#endif
    return negative ? -value : value;
}

std::optional<double> ParseBoxNumber(std::string_view text, const NumberLocale& locale)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return ParseNumberText(text, locale);
}

std::optional<long> RoundToWhole(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value);  // default rounding: halves to even
    if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<long>(rounded);
}

}  // namespace vantorelle
