#pragma once
// What the trainer takes from the system: the number separators and the
// date and time texts a report carries.

#include <string>

#include "NumberFormat.h"

namespace vantorelle::cli {

class SystemTexts {
public:
    virtual ~SystemTexts() = default;
    virtual NumberLocale Numbers() const = 0;
    virtual std::string Date() const = 0;  // today in the short date form
    virtual std::string Time() const = 0;  // now in the long time form
};

// The system's, from Qt's QLocale::system(), which reads LC_ALL, LC_NUMERIC,
// LC_TIME and LANG itself and knows every locale whether or not the C library
// has it generated. Texts come out in the local 8-bit encoding.
class QtSystemTexts : public SystemTexts {
public:
    NumberLocale Numbers() const override;
    std::string Date() const override;
    std::string Time() const override;
};

}  // namespace vantorelle::cli
