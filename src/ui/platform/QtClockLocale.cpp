#include "ui/platform/QtClockLocale.h"

#include "core/model/dates.h"

#include <QDateTime>
#include <QLocale>

namespace rondaxa {

int32_t QtClock::NowStamp() const {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return EncodeDosStamp(
        DateTime{date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()});
}

CalendarDate QtClock::Today() const {
    const QDate today = QDate::currentDate();
    return CalendarDate{today.year(), today.month(), today.day()};
}

char DecimalSeparatorOf(const QLocale &locale) {
    const QString point = locale.decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() > 0x20 && point.at(0).unicode() < 0x7F)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

char QtLocale::DecimalSeparator() const {
    return DecimalSeparatorOf(QLocale());
}

void InstallQtClockAndLocale() {
    static const QtClock clock;
    static const QtLocale locale;
    InstallClock(&clock);
    InstallLocale(&locale);
}

} // namespace rondaxa
