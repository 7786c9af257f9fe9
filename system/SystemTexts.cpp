// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemTexts.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace vantorelle {

NumberLocale QtSystemTexts::Numbers() const
{
    const QLocale locale = QLocale::system();
    return NumberLocale{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

std::string QtSystemTexts::Date() const
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string QtSystemTexts::Time() const
{
    return QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat).toStdString();
}

NumberLocale SystemNumberLocale() { return QtSystemTexts().Numbers(); }

}  // namespace vantorelle
