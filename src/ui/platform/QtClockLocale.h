// The clock and the locale of the desktop program, read through Qt.
#pragma once

#include "core/platform/platform.h"

class QLocale;

namespace rondaxa {

// Local time of the machine.
class QtClock : public Clock {
public:
    int32_t NowStamp() const override;
    CalendarDate Today() const override;
};

// The decimal separator of the user's locale (the default QLocale, which is
// the system's unless the program sets another).
class QtLocale : public Locale {
public:
    char DecimalSeparator() const override;
};

// The single-byte separator of a locale: '.' when it has none that fits in
// one byte.
char DecimalSeparatorOf(const QLocale &locale);

// Makes the core use these two for the rest of the run.
void InstallQtClockAndLocale();

} // namespace rondaxa
