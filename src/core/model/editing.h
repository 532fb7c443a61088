// The rules of typing into a class grid: what the editing field starts with,
// how long a value may be, which results may be entered, the duplicate check
// of names and start numbers, storing an edit and where the cursor goes next.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"

#include <functional>
#include <string>
#include <string_view>

namespace rondaxa {

// Width in pixels of a single-byte text in the grid's font.
using TextWidthFn = std::function<int(std::string_view)>;

inline constexpr int kDuplicateNameCode = 250;    // "Deze naam komt al voor op positie: "
inline constexpr int kDuplicateStartNoCode = 251; // "Dit startnummer komt al voor op positie: "
inline constexpr int kInvalidResultCode = 51;     // "Geen geldige uitslag waarde!"

// Kinds that can be typed into: name, start number, result, extra fields.
bool IsEditableKind(int kind);

// Longest text the editing field takes for a kind (0 for other kinds).
int MaxEditLength(int kind);

// The text the editing field starts with: the name as stored (not in its
// display form), the start number, the result as shown, an extra field.
std::string EditText(const ClubRec &club, const TRijder &rider, int kind, int n);

// Whether a typed result may be stored. Positions shown as points can only
// take a points value that some position earns: on the deduction ladder
// below the table, or one of the table's entries above its last one.
bool IsAttainablePoints(const ClubRec &club, int v);

// The first rider row (1..) other than exceptRow whose value of this kind
// (names as stored, results as stored) equals text ignoring letter case;
// 0 when there is none or text is empty.
int FindDuplicateRow(const ClubRec &club, const TKlasse &klasse, std::string_view text, int kind,
                     int exceptRow);

// True when no other row has this value; otherwise shows message 250 (name)
// or 251 (start number) with that row and returns false.
bool CheckDuplicate(const ClubRec &club, const TKlasse &klasse, std::string_view text, int kind,
                    int exceptRow, Prompts &prompts);

// Widens the first column of that kind before the result columns to fit the
// text of the given row (+ 4 pixels). Columns never shrink here.
void WidenColumnFor(TKlasse &klasse, const ClubRec &club, int kind, int row, const TextWidthFn &width);

// What became of a changed edit.
enum class EditOutcome {
    Stored,  // the value is in the rider
    Refused, // duplicate start number: nothing stored, the field stays open
    Restart, // not a valid result: nothing stored, editing starts again
};

// Stores the changed text of cell (row, col) into its rider with the checks
// of its kind: a duplicate name is stored and reported, a duplicate start
// number is refused, a result must be attainable. The document marks the
// competition modified.
EditOutcome StoreCellEdit(Competition &comp, TKlasse &klasse, int row, int col, std::string_view text,
                          Prompts &prompts, const TextWidthFn &width);

// Cursor moves after a stored edit. Enter: one cell right, from the last
// column to the leftmost scrollable column shown of the next row (not past
// the last row). Up and Down wrap around between row 1 and the last row.
void MoveAfterEnter(ClassGrid &grid);
void MoveUp(ClassGrid &grid);
void MoveDown(ClassGrid &grid);

} // namespace rondaxa
