// The printed table of a class: the option bits of PrintSettings, the column
// records and the kind of the joined results column. The table operations
// themselves are members of TPrintObject (print_object.h).
#pragma once

#include <cstdint>

namespace rondaxa {

// ---- PrintSettings.PrintFlags ---------------------------------------------
inline constexpr uint16_t PfResultInfo = 0x0001; // result-information list after a class
inline constexpr uint16_t PfClassName = 0x0004;  // class name above the table
inline constexpr uint16_t PfHeadingRow = 0x0008; // the heading row ("verklarende tekst")
inline constexpr uint16_t PfVerticalRules = 0x0010;
inline constexpr uint16_t PfHorizontalRules = 0x0020;
inline constexpr uint16_t PfGridColours = 0x0040;
inline constexpr uint16_t PfNewPagePerClass = 0x0080;
inline constexpr uint16_t PfCentre = 0x0100;
inline constexpr uint16_t PfEmptyResultText = 0x0400;
inline constexpr uint16_t PfJoinResults = 0x0800;
inline constexpr uint16_t PfHeaderDate = 0x1000;
inline constexpr uint16_t PfHeaderPages = 0x2000;
inline constexpr uint16_t PfHeaderClub = 0x4000;
inline constexpr uint16_t PfHeaderOwnText = 0x8000;
inline constexpr uint16_t PfPageHeaderAny = PfHeaderDate | PfHeaderPages | PfHeaderClub | PfHeaderOwnText;

// ---- PrintSettings.PrintFlags2 --------------------------------------------
inline constexpr uint16_t Pf2RidersWithResults = 0x0001; // "Met nul of meer punten"
inline constexpr uint16_t Pf2AllRiders = 0x0002;
inline constexpr uint16_t Pf2FirstRiders = 0x0004;
inline constexpr uint16_t Pf2Portrait = 0x0008;
inline constexpr uint16_t Pf2AutoFieldSpacing = 0x0010;
inline constexpr uint16_t Pf2AutoFontSize = 0x0020;
inline constexpr uint16_t Pf2HeaderText = 0x0040;
inline constexpr uint16_t Pf2StandardHeader = 0x0080;
inline constexpr uint16_t Pf2EndText = 0x0100;
inline constexpr uint16_t Pf2EndTextLastOnly = 0x0200;

// The column kind of all results joined in one column.
inline constexpr int KindJoinedResults = 30;

inline constexpr int kMaxPrintColumns = 60;
inline constexpr int kSmallestFontSize = 5;
inline constexpr int kStartFontSize = 12;
// A measured width of 0 is printed as this many pixels.
inline constexpr int kEmptyColumnWidth = 30;

struct PrintColumn {
    int Left = 0;  // x relative to the left margin
    int Width = 0; // text width
    int GridCol = 0;
    int Kind = 0;
    int Number = 0;    // result number of a result column
    int WidestRow = 0; // 0 not measured, -1 the heading, else the rider row that gave the width
};

} // namespace rondaxa
