// The club settings as the club settings dialog edits them (the class list
// and the scoring fields), and how they are applied to the competition.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"
#include "core/scoring/club_rules.h"

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

// The other fields of the club settings dialog, as typed.
struct ClubSettingsForm {
    std::string ClubName;
    PointsRow Points;
    int Deduction = 1;
    int TieMethod = 0; // 0 best results, 1 remaining results, 2 places, 3 advanced
    int DropCount = 2;
    int CountPercent = 50;
    int CountPlus = 1;
    bool DropMode = false; // "&Schrapresultaten :" instead of counting results
    int Rounding = 0;      // 0 up, 1 down
    bool MinOnePoint = false;
    int AverageMethod = 1;
    std::array<std::string, 3> ExtraLabels;
    StorageMethod Storage = StorageMethod::Positions;
    int StatusField = 1;
};

// The form filled from the settings. "Gefinisht = &minimaal 1 punt" is only
// ticked with finish positions stored.
ClubSettingsForm ClubSettingsFormFor(const ClubRec &club);

// OK of the club settings dialog: nothing at all is applied when the class
// list is empty. Otherwise the club name, the class list, the points table,
// deduction, tie method, counting rule, average method, rounding and flags
// and extra-field names are stored in that order; then the storage method
// is converted when it changed (after asking) and the status-line field
// stored. Returns whether applied.
bool ApplyClubSettings(Competition &comp, const ClassListEdit &classes, const ClubSettingsForm &form,
                       Prompts &prompts);

} // namespace rondaxa
