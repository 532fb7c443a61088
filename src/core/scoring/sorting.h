// Sorting the riders of a class: by input order, name, start number, a
// result column, an extra field, or a calculated column. Every sort runs
// through CalculateStandings (standings.h), so plain sorts and standings
// share one key format, one comparison and one (unstable) Shell sort.
#pragma once

#include "core/model/model.h"
#include "core/scoring/standings.h"

#include <optional>
#include <string>

namespace rondaxa {

// The sort key of a rider for the plain modes 0..6 (resultNo: the result
// number of ModeResult) and for the average-table modes 17..19. Names and
// extra fields are upper-cased; numbers are zero-padded (PadNumber). An
// empty cell gives an empty key.
std::string SortKeyFor(const ClubRec &club, const TRijder &rider, int mode, int resultNo);

// The sort a click on the heading of grid column col asks for.
struct HeadingSort {
    int Mode = 0;
    int N = 0;
    int Direction = kAscending;
    int C = 0;
};

// The heading-click rule: mode = the column's Kind (17, 18, 19 for the
// columns 7, 8, 9 of an average table), N = its Number, direction = its
// SortDir, which this flips; C = the class's counting columns for the total
// columns (modes 7, 8, 10). Nothing when the column has no column object.
std::optional<HeadingSort> TakeHeadingSort(TKlasse &klasse, int col);

// A left click on the heading of column col: sorts the class as the rule
// above says. A class with fewer than two data rows, or a column without a
// column object, is left alone (returns false).
bool SortByHeading(const ClubRec &club, TKlasse &klasse, int col, int horsConcours);

// The sort dialog's OK: sorts by mode (0..6; resultNo for ModeResult) in
// direction. With swapNames names are keyed in their swapped form
// ("&Wissel naam"), otherwise as stored; Options is restored afterwards.
void SortClass(ClubRec &club, TKlasse &klasse, int mode, int resultNo, int direction, bool swapNames,
               int horsConcours);

} // namespace rondaxa
