// Scoring rules of the club settings that are not dialog: the storage method
// of results and its conversion, the points table as the dialog's points row
// edits it and stores it, and the ranges of the counting settings.
//
// The club settings dialog (TClubData) calls these; they know nothing of
// widgets. Texts are cp1252 like the rest of the model.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"

#include <array>
#include <string>
#include <string_view>

namespace rondaxa {

// Changes the storage method of all results. Asks "Opslag methode van de
// uitslagen wijzigen ?" (Yes/No); anything but Yes changes nothing and
// returns false. On Yes every result slot 1..50 above 0 of every rider of
// every class becomes ConvertedResult(value); 0 and -1 stay. Then Options bits 32
// and 64 are both set (positions) or both cleared (points). Uses the points
// table and deduction as they stand in comp.Club, so store those first.
bool ConvertStorage(Competition &comp, StorageMethod to, Prompts &prompts);

// The points row of the dialog: cell i (0..9) is the text shown for finish
// position i + 1; an empty text is an empty cell.
using PointsRow = std::array<std::string, kPointsTableSize>;

// The row as the dialog shows a stored table: Points[i] as text, or empty
// when it is 0.
PointsRow PointsRowOf(const ClubRec &club);

// Number of non-empty cells, or 1 when all are empty: the place after which
// the deduction applies ("Aftrek punten na plaats ").
int DeductionStartPlace(const PointsRow &row);

enum class PointsCellOutcome {
    Stored, // the text is in the cell (possibly after a warning, 52 or 53)
    Reopen, // refused with message 50 or 51: the editor reopens on the cell
};

// Closing the editor of points cell index (0..9) with text, when the text
// was changed. An empty text counts as 0. Refuses a non-number (message 51)
// and a value outside 0..250 (message 50). A value greater than the
// non-empty cell to its left warns with message 52; otherwise a value smaller
// than the non-empty cell to its right warns with message 53, except that a
// new first cell lower than the old one by a multiple of 10 (at least 10)
// shifts every later non-empty cell down by that difference instead (a cell
// is lowered only while it is greater than the cell before it, as that now
// stands, and stays above 0). Warned values are stored all the same.
PointsCellOutcome EditPointsCell(PointsRow &row, int index, std::string_view text, Prompts &prompts);

// Stores the points row: cells left to right, empty or non-number cells
// skipped, values outside 0..250 counting as 0, every non-zero value
// appended to Points; PointsCount is the number appended, the rest is 0.
// So gaps close up and zeros drop out.
void ApplyPointsTable(ClubRec &club, const PointsRow &row);

// Deduction as stored: 0 or above 10 (or below 0) becomes 1.
uint16_t DeductionInRange(int value);

// A count setting as stored: a value outside 0..max becomes 0
// (DropCount and CountPlus 0..20, CountPercent 0..100).
int32_t CountInRange(int value, int max);

} // namespace rondaxa
