#pragma once
// The number separators the user's system asks for, for the pages that read
// and write numbers in boxes. Qt's QLocale::system() reads LC_ALL, LC_NUMERIC
// and LANG itself.

#include <string>
#include <string_view>

#include "NumberFormat.h"

namespace vantorelle {

NumberLocale SystemNumberLocale();

}  // namespace vantorelle
