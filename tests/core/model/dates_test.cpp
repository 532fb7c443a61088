#include "core/model/dates.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rondaxa {
namespace {

// A date's parts as one value, year first.
template <typename D> std::tuple<int, int, int> Ymd(const D &date) {
    return {date.Year, date.Month, date.Day};
}

TEST(StoredDates, LongAndShortForms) {
    EXPECT_EQ(FormatStoredDate("19990501", 8, true), "01 mei 1999");
    EXPECT_EQ(FormatStoredDate("19990501", 8, false), "01 mei");
    EXPECT_EQ(FormatStoredDate("19990501", 0, true), "01-05-1999");
    EXPECT_EQ(FormatStoredDate("19990501", 1, true), "05-01-1999");
    EXPECT_EQ(FormatStoredDate("19990501", 10, true), "1999 mei 01");
    EXPECT_EQ(FormatStoredDate("20261224", 8, true), "24 dec 2026");
}

TEST(StoredDates, OldSixCharacterFormAndMissingParts) {
    EXPECT_EQ(FormatStoredDate("990501", 8, true), "01 mei 1999");
    EXPECT_EQ(FormatStoredDate("990501", 0, true), "01-05-1999");
    EXPECT_EQ(FormatStoredDate("99051", 8, false), " 1 mei"); // a one-character part gets a blank
    EXPECT_EQ(Ymd(SplitStoredDate("990501")), std::tuple(1999, 5, 1));
    // Missing parts.
    EXPECT_EQ(Ymd(SplitStoredDate("2026xx00")), std::tuple(2026, 0, 0));
    EXPECT_EQ(FormatStoredDate("", 8, true), "");
}

TEST(TypedDates, OrderAndYearRules) {
    EXPECT_EQ(Ymd(ParseDateText("1-5-99", 0)), std::tuple(1999, 5, 1));
    EXPECT_EQ(Ymd(ParseDateText("5-1-7", 1)), std::tuple(2007, 5, 1));
    EXPECT_EQ(Ymd(ParseDateText("2026-12-24", 2)), std::tuple(2026, 12, 24));
    EXPECT_EQ(ParseDateText("1-5-00", 0).Year, 2000);
    EXPECT_EQ(ParseDateText("1-5-x", 0).Year, 0); // reads as 0 without a digit 0: missing
    EXPECT_EQ(ParseDateText("1-5", 0).Year, 0);
    EXPECT_EQ(ParseDateText("1-5-20", 0).Year, 20);
}

TEST(Stamps, DosStampsAndTheirText) {
    const int32_t stamp = EncodeDosStamp({2026, 12, 6, 9, 5, 30});
    const DateTime back = DecodeDosStamp(stamp);
    EXPECT_EQ(Ymd(back), std::tuple(2026, 12, 6));
    EXPECT_EQ(std::tuple(back.Hour, back.Minute, back.Second), std::tuple(9, 5, 30));
    EXPECT_EQ(FormatStamp(stamp, 0, false), "06-12-2026");
    EXPECT_EQ(FormatStamp(stamp, 1, false), "12-06-2026");
    EXPECT_EQ(FormatStamp(stamp, 2, true), "2026-12-06  09:05");
    EXPECT_EQ(FormatStamp(0, 0, true), "");
    EXPECT_EQ(FormatStamp(-5, 0, true), "");
}

} // namespace
} // namespace rondaxa
