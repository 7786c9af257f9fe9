#include "SystemNumbers.h"

#include <QLocale>

namespace vantorelle {

NumberLocale SystemNumberLocale()
{
    const QLocale locale = QLocale::system();
    return NumberLocale{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

}  // namespace vantorelle
