// Tie-break steps: how each of the nine methods extends a rider's standing
// key, and the report of riders whose order only a late step, or no step,
// could decide.
#pragma once

#include "core/model/model.h"
#include "core/scoring/problem_list.h"
#include "core/scoring/standings.h"

#include <array>
#include <string>
#include <vector>

namespace rondaxa {

enum TieMethodNumber : int {
    TieNothing = 0,      // "<niets>": ends the step list
    TieBestResults = 1,  // every counting value, best first
    TiePlaceCounts = 2,  // values better than the points of place parameter + 1
    TieDropped = 3,      // the dropped values (net standings only)
    TieLastResult = 4,   // the value in the last counting column
    TieLastObtained = 5, // the last result obtained
    TieGrossPoints = 6,  // the gross total (net standings only)
    TieAverage = 7,      // the average by AverageMethod
    TieMostResults = 8,  // more results win
    TieFewestResults = 9 // fewer results win
};

// The item texts of the step lists, by method number.
inline constexpr std::array<const char *, 10> kTieMethodNames = {"<niets>",
                                                                 "Beste uitslagen",
                                                                 "Aantal 1e, 2e, ... plaatsen",
                                                                 "Geschrapte uitslagen",
                                                                 "Laatste uitslag",
                                                                 "Laatst behaalde uitslag",
                                                                 "Bruto punten",
                                                                 "Gemiddelde",
                                                                 "Meeste uitslagen",
                                                                 "Minste uitslagen"};

// A rider's values in the counting columns, in column order (or sorted
// best first), with what the keys need besides.
struct CountedResults {
    std::array<int, kMaxResults> Values; // points (-1 for no result), the first Taken of them
    int Taken = 0;                       // number of counting columns walked (C)
    int Results = 0;                     // values of 0 or more
    int AboveZero = 0;                   // values above 0
    int Sum = 0;                         // the sum of the values of 0 or more
    int LastObtained = -1;               // the last value of 0 or more in column order
    int LastColumnValue = -1;            // the value in the last counting column
    // How often each value of -1..250 occurs (by value + 1), for the sort;
    // the last entry counts the values outside that range.
    std::array<uint8_t, kMaxResultValue + 3> Count{};
    int Highest = -1; // no value is higher
    // After SortBestFirst, when every value is -1..250: the sorted values as
    // a key writes them, one after the other ("//" for no result, else three
    // digits), so that a step writing a run of them copies a piece of it.
    bool HasText = false;
    std::array<char, 3 * kMaxResults + 1> Text; // + the spare byte of a four-byte copy
    // The walked slots by stored value, for marking dropped results:
    // FirstWith[s + 1] is the first index (into the walked slots) whose slot
    // holds s (-1..250), NextWith[i] the next index holding the same value as
    // index i, and kEndOfList ends a list. The last list gathers the other
    // stored values.
    static constexpr uint8_t kEndOfList = 0xFF;
    std::array<uint8_t, kMaxResultValue + 3> FirstWith;
    std::array<uint8_t, kMaxResults> NextWith;
};

// The rider's values in the slots the calculation walks.
CountedResults CollectCountingResults(const CountingBasis &basis, const TRijder &rider);

// Sorts the values best first (the same order as the Shell sort of the rows
// gives), and writes their Text.
void SortBestFirst(CountedResults &counted);

// Appends the contributions of the club's steps (from step 1 up to the first
// "<niets>") to key; sorted holds the values best first, the rider his
// totals already. Returns the length of the key before the contribution of
// step TieNotify (the whole key when TieNotify is 0 or beyond the steps).
std::size_t AppendTieBreak(KeyBuffer &key, const ClubRec &club, const CountingBasis &basis,
                           const CountedResults &sorted, const TRijder &rider, int n, bool net);

// One sorted row as the tie report sees it.
struct TieRow {
    std::string_view Key;
    std::size_t HeadLength = 0;
    int CalcNet = -1;
};

// The tie report of a sorted class (rows[0] is grid row 1): each group of
// two or more consecutive rows with equal heads, opened by a rider with net
// points above 0, becomes one entry "<class>\tPlaats g t/m l", with " <!>"
// when a row's whole key equals the group's first key. In daily mode only
// such fully equal groups are reported.
void ReportTies(const std::vector<TieRow> &rows, bool daily, const TKlasse &klasse, ProblemList &problems);

} // namespace rondaxa
