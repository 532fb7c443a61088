// The results check: the result columns of a class are checked for places
// given twice, places nobody got and (with points stored) values the points
// table cannot produce. Findings go into a problem list.
#pragma once

#include "core/model/model.h"
#include "core/scoring/problem_list.h"

namespace rondaxa {

inline constexpr int kNoProblemsCode = 510; // "Geen fouten gevonden."

// Whether findings speak of finish positions ("Plaats") rather than of
// stored or shown point values ("Uitslag waarde"): positions are stored and
// shown as positions.
bool WordedAsPositions(const ClubRec &club);

// The columns a check covers: all of 1..K, or from `from` to the larger of
// from and to.
struct CheckRange {
    int First = 0;
    int Last = 0;
};
CheckRange CheckRangeFor(bool all, int from, int to, int resultCount);

// Checks result columns first..last of the class (nothing unless
// 1 <= first <= last <= the class's result columns). Per column, the places
// 1..n (n = the number of results checked, at most 100) must each occur
// once: a place held twice or more is reported, a run of missing places as
// one finding. Positions that earn no points (or only the guaranteed
// minimum) while positions show as points are not checked. Each finding is
// tagged with its column.
void CheckResults(const ClubRec &club, const TKlasse &klasse, int first, int last, ProblemList &problems);

} // namespace rondaxa
