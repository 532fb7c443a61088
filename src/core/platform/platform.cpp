#include "core/platform/platform.h"

#include "core/model/dates.h"

#include <ctime>

namespace rondaxa {
namespace {

const Clock *installedClock = nullptr;
const Locale *installedLocale = nullptr;

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

} // namespace

int32_t SystemClock::NowStamp() const {
    const std::tm t = LocalNow();
    return EncodeDosStamp({t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec});
}

CalendarDate SystemClock::Today() const {
    const std::tm t = LocalNow();
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday};
}

const Clock &CurrentClock() {
    static const SystemClock systemClock;
    return installedClock ? *installedClock : systemClock;
}

void InstallClock(const Clock *clock) {
    installedClock = clock;
}

const Locale &CurrentLocale() {
    static const FixedLocale dotLocale('.');
    return installedLocale ? *installedLocale : dotLocale;
}

void InstallLocale(const Locale *locale) {
    installedLocale = locale;
}

} // namespace rondaxa
