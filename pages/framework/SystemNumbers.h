#pragma once
// The number separators the user's system asks for, for the pages that read
// and write numbers in boxes. Qt's QLocale::system() reads LC_ALL, LC_NUMERIC
// and LANG itself.

#include <string>
#include <string_view>

#include "NumberFormat.h"

namespace vantorelle {

NumberLocale SystemNumberLocale();

// A number written the C way ("0.50") in the locale's form ("0,50" where the
// decimal separator is a comma). Box texts that the program puts in a box
// itself go through this, so that reading them back gives the same number.
std::string InLocaleForm(std::string_view cNumber, const NumberLocale& locale);

}  // namespace vantorelle
