#include "SystemTexts.h"

#include <QDate>
#include <QLocale>
#include <QTime>

namespace vantorelle::cli {

namespace {
std::string Local8Bit(const QString& text) { return text.toLocal8Bit().toStdString(); }
}  // namespace

NumberLocale QtSystemTexts::Numbers() const
{
    const QLocale locale = QLocale::system();
    return NumberLocale{Local8Bit(locale.decimalPoint()), Local8Bit(locale.groupSeparator())};
}

std::string QtSystemTexts::Date() const
{
    return Local8Bit(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

std::string QtSystemTexts::Time() const
{
    return Local8Bit(QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat));
}

}  // namespace vantorelle::cli
