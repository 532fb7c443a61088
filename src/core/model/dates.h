// Date texts: stored race dates (yyyymmdd), typed dates and DOS date-time stamps.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rondaxa {

// A stored race date taken apart. The texts are the parts as stored (a
// two-digit year 21..99 reads as 19xx); a number is 0 when its part is
// missing (not a number, or 0).
struct StoredDateParts {
    std::string YearText, MonthText, DayText;
    int Year = 0, Month = 0, Day = 0;
};

StoredDateParts SplitStoredDate(std::string_view date);

// style = format index (0 day-month-year, 1 month-day-year, 2 year-month-day)
// plus 8 for the long form ("01 mei 1999"); the short form joins with "-".
std::string FormatStoredDate(std::string_view date, int style, bool showYear);

// The long form of order 0 that grids and reports use.
inline constexpr int kLongDateStyle = 8;

struct TypedDate {
    int Day = 0, Month = 0, Year = 0;
};

// A typed date "d-m-y" in the order of the format index.
TypedDate ParseDateText(std::string_view text, int formatIndex);

// "dd-mm-yyyy", "mm-dd-yyyy" or "yyyy-mm-dd" (format index 0..2), followed
// by "  hh:nn" when withTime; empty for a stamp < 1.
std::string FormatStamp(int32_t stamp, int formatIndex, bool withTime);

struct DateTime {
    int Year = 1980, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0;
};

// DOS date-time stamps (date in the high word, time in the low word).
int32_t EncodeDosStamp(const DateTime &dt);
DateTime DecodeDosStamp(int32_t stamp);

} // namespace rondaxa
