// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program takes from the user's system: the number separators, and
// the date and time texts a report carries. One adapter for the pages and the
// trainer, so both read and write numbers alike. Texts come out in UTF-8.

#include <string>

#include "NumberFormat.h"

namespace vantorelle {

class SystemTexts {
public:
    virtual ~SystemTexts() = default;
    virtual NumberLocale Numbers() const = 0;
    virtual std::string Date() const = 0;  // today in the short date form
    virtual std::string Time() const = 0;  // now in the long time form
};

// The system's, from Qt's QLocale::system(), which reads LC_ALL, LC_NUMERIC,
// LC_TIME and LANG itself and knows every locale whether or not the C library
// has it generated.
class QtSystemTexts : public SystemTexts {
public:
    NumberLocale Numbers() const override;
    std::string Date() const override;
    std::string Time() const override;
};

// The system's number separators, for code that needs nothing else.
NumberLocale SystemNumberLocale();

}  // namespace vantorelle
