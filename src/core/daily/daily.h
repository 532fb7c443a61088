// The daily classification ("Dagklassement"): the riders of one class ranked
// by their points over a range of result columns (the heats of one race
// day), each ranked rider given the points of his place in the day, and the
// range replaced by one column holding those points.
//
// While it runs it uses the riders' working fields: CalcNet is the day
// total (-1 without any result in the range), CalcTotal the replacement
// points (-1 = none) and SortKey the day's key (RangeTotal, standings.h).
#pragma once

#include "core/model/editing.h"
#include "core/model/model.h"

#include <string>
#include <vector>

namespace rondaxa {

// One column of the daily grid: "PL", name and start number (in the class
// grid's order), the result numbers from..to, "Totaal" (kind 7) and
// "Vervang" (kind 8).
struct DailyColumn {
    std::string Heading;
    int Kind = KindRowNumber;
    int Number = 0; // the result number of a result column
    int Width = 64;
};

// The daily grid. It holds no rider data: row r (1..) shows the rider of
// class row Links[r]; Links[0] belongs to the heading row.
struct DailyTable {
    int From = 0;
    int To = 0;
    bool HcNoPoints = false; // hors-concours riders get no replacement points
    std::vector<DailyColumn> Columns;
    std::vector<int> Links;

    int RowCount() const { return static_cast<int>(Links.size()); } // heading row included
    int ColCount() const { return static_cast<int>(Columns.size()); }
    int FirstResultColumn() const { return 3; }
    int TotalColumn() const { return ColCount() - 2; }
    // The rider of daily row r, or none (the heading row, a riderless row).
    TRijder *Rider(const TKlasse &klasse, int r) const;
};

inline constexpr int kDailyFixedCols = 3;

// The range "&Uitslag" .. "&t/m" the range dialog starts with: the
// result-information block under the grid's cursor, else the cursor's
// result column alone (result 1 when the cursor is elsewhere), within 1..K.
struct DailyRange {
    int From = 1;
    int To = 1;
};

DailyRange DefaultDailyRange(const TKlasse &klasse);

// The day total and key of every rider of the class over from..to.
void ComputeDayTotals(const ClubRec &club, TKlasse &klasse, int from, int to);

// The daily grid of the class for from..to, rows in class order. width
// measures texts in the grid's font ("Totaal" and "Vervang" get their
// text width + 4).
DailyTable BuildDailyTable(const TKlasse &klasse, int from, int to, bool hcNoPoints,
                           const TextWidthFn &width);

// Orders the rows so that the day keys descend: the highest total first,
// equal totals by the points in the range's last column, totals of 0 after
// every positive one, riders without a total last. Equal keys end in the
// order this exact Shell sort gives, as the club has always seen it.
void SortDailyRows(const TKlasse &klasse, DailyTable &table);

// Whether the rider of a row takes the next place's replacement points: a
// positive day total, and not a hors-concours rider when those get none.
bool TakesReplacementPoints(const TRijder &rider, bool hcNoPoints);

// "Vervang" from the top down: each rider that takes replacement points
// gets the points of the next place of the table, a day total of 0 gets 0,
// every other rider none.
void AssignReplacementPoints(const ClubRec &club, const TKlasse &klasse, const DailyTable &table);

// A row dragged from one place to another (the rows between shift by one),
// with the replacement points worked out again.
void MoveDailyRow(const ClubRec &club, const TKlasse &klasse, DailyTable &table, int fromRow, int toRow);

// The whole classification as the window first shows it: totals, the
// table, the order and the replacement points.
DailyTable MakeDailyClassification(const ClubRec &club, TKlasse &klasse, int from, int to, bool hcNoPoints,
                                   const TextWidthFn &width);

// The day keys are cleared when the window closes.
void ClearDailySortKeys(TKlasse &klasse);

// The question before the range is replaced.
std::string ReplaceQuestion(int from, int to);

// "&Toepassen" answered Yes, on the class at tab position tab whose table
// it is: the standings removed, the result columns From + 1 .. To deleted,
// and column From holding each rider's replacement points (as the place
// that earns them when finish positions are stored); the information
// colours laid out again.
void ApplyDailyClassification(Competition &comp, int tab, const DailyTable &table);

} // namespace rondaxa
