#include "SystemNumbers.h"

#include <QLocale>

namespace vantorelle {

NumberLocale SystemNumberLocale()
{
    const QLocale locale = QLocale::system();
    return NumberLocale{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

std::string InLocaleForm(std::string_view cNumber, const NumberLocale& locale)
{
    std::string text;
    for (char c : cNumber) {
        if (c == '.')
            text += locale.decimal;
        else
            text += c;
    }
    return text;
}

}  // namespace vantorelle
