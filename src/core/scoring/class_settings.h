// The class list and points table as the club settings dialog edits them,
// and how the edited class list is applied to the competition.
#pragma once

#include "model/model.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rondaxa {

// The list value of a class added while the dialog is open; existing classes
// carry their ClassIndex 1..20.
inline constexpr int kNewClassValue = 21;

struct ClassLine {
    std::string Name;
    int Value = kNewClassValue;
};

// The dialog's class list: lines that keep their class when they are moved,
// and the classes deleted so far, in the order of deletion.
class ClassListEdit {
public:
    // Numbers the classes (ClassIndex = position + 1) and lists them.
    explicit ClassListEdit(Competition &comp);

    const std::vector<ClassLine> &Lines() const { return lines_; }
    const std::vector<int> &Deleted() const { return deleted_; }
    int Count() const { return static_cast<int>(lines_.size()); }

    // Appends a new class; refused for an empty name or a full list.
    bool Add(std::string_view name);
    void Rename(int line, std::string_view name);
    // Removes the line; returns the line to be edited next (the one now at
    // the same place, or the new last line), or -1 when the list is empty.
    int Remove(int line);
    // Exchanges the line with its neighbour; returns the line's new index.
    int MoveUp(int line);
    int MoveDown(int line);

private:
    bool Valid(int line) const { return line >= 0 && line < Count(); }

    std::vector<ClassLine> lines_;
    std::vector<int> deleted_;
    std::vector<int> existing_; // ClassIndex values present at opening
};

// Applies the edited list: deleted classes go, the others follow the list's
// order under the lines' names, new classes are made with one empty rider
// row. Classes keep their riders and columns; the first class becomes the
// active one. Nothing is applied to an empty list; returns whether applied.
bool ApplyClassList(Competition &comp, const ClassListEdit &edit);

// ---- points table editing -------------------------------------------------

// The points row of the dialog: texts of positions 1..10 (index 0 unused).
using PointsCells = std::array<std::string, kPointsTableSize + 1>;

PointsCells PointsCellsFor(const ClubRec &club);

struct PointsCellCheck {
    int Message = 0;     // 0, or the message to show (50..53)
    bool Reopen = false; // the value is refused; the editor reopens on the cell
};

// Checks and stores the text typed for position `col` (1..10). A value out
// of range or no number is refused (messages 50, 51); a value that breaks the
// descending order is stored with a warning (52, 53), except that lowering
// position 1 by a multiple of 10 shifts the later positions down with it.
PointsCellCheck EditPointsCell(PointsCells &cells, int col, std::string_view text);

// "Aftrek punten na plaats " and the number of filled positions (at least 1).
std::string DeductionCaption(const PointsCells &cells);

} // namespace rondaxa
