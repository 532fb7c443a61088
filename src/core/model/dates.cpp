#include "core/model/dates.h"

#include "core/model/model.h"
#include "core/model/text.h"

#include <array>
#include <cstdio>
#include <vector>

namespace rondaxa {
namespace {

constexpr std::array<const char *, 12> kMonthAbbreviations = {"jan", "feb", "mrt", "apr", "mei", "jun",
                                                              "jul", "aug", "sep", "okt", "nov", "dec"};

// A number part of a stored date: 0 when it is not a number.
int PartNumber(std::string_view part) {
    if (part.empty())
        return 0;
    int value = 0;
    for (char c : part) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string PadTo2(std::string text) {
    while (text.size() < 2)
        text.insert(text.begin(), ' ');
    return text;
}

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

} // namespace

StoredDateParts SplitStoredDate(std::string_view date) {
    StoredDateParts parts;
    if (date.size() == 8) {
        parts.YearText = std::string(date.substr(0, 4));
        parts.MonthText = std::string(date.substr(4, 2));
        parts.DayText = std::string(date.substr(6, 2));
    } else {
        auto piece = [&](std::size_t index) {
            return index * 2 < date.size() ? std::string(date.substr(index * 2, 2)) : std::string();
        };
        parts.YearText = piece(0);
        parts.MonthText = piece(1);
        parts.DayText = piece(2);
        const int shortYear = PartNumber(parts.YearText);
        if (parts.YearText.size() == 2 && shortYear >= 21 && shortYear <= 99)
            parts.YearText = "19" + parts.YearText;
    }
    parts.Year = PartNumber(parts.YearText);
    parts.Month = PartNumber(parts.MonthText);
    parts.Day = PartNumber(parts.DayText);
    if (parts.Year == 0)
        parts.YearText.clear();
    if (parts.Month == 0)
        parts.MonthText.clear();
    if (parts.Day == 0)
        parts.DayText.clear();
    return parts;
}

std::string FormatStoredDate(std::string_view date, int style, bool showYear) {
    if (date.empty())
        return {}; // no date
    const bool longForm = style >= 8;
    const int order = longForm ? style - 8 : style;
    const StoredDateParts parts = SplitStoredDate(date);

    std::string month = parts.MonthText;
    if (longForm && parts.Month >= 1 && parts.Month <= 12)
        month = kMonthAbbreviations[static_cast<std::size_t>(parts.Month - 1)];

    std::vector<std::string> ordered;
    auto add = [&](const std::string &text, bool isYear) {
        if (!isYear || showYear)
            ordered.push_back(PadTo2(text));
    };
    switch (order) {
    case 1:
        add(month, false);
        add(parts.DayText, false);
        add(parts.YearText, true);
        break;
    case 2:
        add(parts.YearText, true);
        add(month, false);
        add(parts.DayText, false);
        break;
    default:
        add(parts.DayText, false);
        add(month, false);
        add(parts.YearText, true);
        break;
    }
    const std::string joiner = longForm ? " " : "-";
    std::string text;
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        if (i > 0)
            text += joiner;
        text += ordered[i];
    }
    return text;
}

TypedDate ParseDateText(std::string_view text, int formatIndex) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (pieces.size() < 3) {
        const std::size_t dash = text.find('-', start);
        if (dash == std::string_view::npos) {
            pieces.push_back(text.substr(start));
            break;
        }
        pieces.push_back(text.substr(start, dash - start));
        start = dash + 1;
    }
    auto piece = [&](std::size_t i) { return i < pieces.size() ? pieces[i] : std::string_view(); };

    std::string_view day, month, year;
    switch (formatIndex) {
    case 1:
        month = piece(0), day = piece(1), year = piece(2);
        break;
    case 2:
        year = piece(0), month = piece(1), day = piece(2);
        break;
    default:
        day = piece(0), month = piece(1), year = piece(2);
        break;
    }

    TypedDate result;
    result.Day = LenientStrToInt(day);
    result.Month = LenientStrToInt(month);
    int y = LenientStrToInt(year);
    if (y >= 21 && y <= 99)
        y += 1900;
    else if (y >= 1 && y <= 19)
        y += 2000;
    else if (y == 0)
        y = year.find('0') != std::string_view::npos ? 2000 : 0;
    result.Year = y;
    return result;
}

int32_t EncodeDosStamp(const DateTime &dt) {
    const uint32_t date = (static_cast<uint32_t>(dt.Year - 1980) << 9) |
                          (static_cast<uint32_t>(dt.Month) << 5) | static_cast<uint32_t>(dt.Day);
    const uint32_t time = (static_cast<uint32_t>(dt.Hour) << 11) | (static_cast<uint32_t>(dt.Minute) << 5) |
                          static_cast<uint32_t>(dt.Second / 2);
    return static_cast<int32_t>((date << 16) | time);
}

DateTime DecodeDosStamp(int32_t stamp) {
    const auto value = static_cast<uint32_t>(stamp);
    const uint32_t date = value >> 16;
    const uint32_t time = value & 0xFFFF;
    DateTime dt;
    dt.Year = static_cast<int>((date >> 9) & 0x7F) + 1980;
    dt.Month = static_cast<int>((date >> 5) & 0x0F);
    dt.Day = static_cast<int>(date & 0x1F);
    dt.Hour = static_cast<int>((time >> 11) & 0x1F);
    dt.Minute = static_cast<int>((time >> 5) & 0x3F);
    dt.Second = static_cast<int>(time & 0x1F) * 2;
    return dt;
}

std::string FormatStamp(int32_t stamp, int formatIndex, bool withTime) {
    if (stamp < 1)
        return {};
    const DateTime dt = DecodeDosStamp(stamp);
    const std::string dd = TwoDigits(dt.Day), mm = TwoDigits(dt.Month), yyyy = IntText(dt.Year);
    std::string text;
    switch (formatIndex) {
    case 1:
        text = mm + "-" + dd + "-" + yyyy;
        break;
    case 2:
        text = yyyy + "-" + mm + "-" + dd;
        break;
    default:
        text = dd + "-" + mm + "-" + yyyy;
        break;
    }
    if (withTime)
        text += "  " + TwoDigits(dt.Hour) + ":" + TwoDigits(dt.Minute);
    return text;
}

} // namespace rondaxa
