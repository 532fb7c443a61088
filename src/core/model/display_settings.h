// The display choices of the competition (how the class grids show it), as
// the display settings dialog edits them, and the fixed-columns rule.
#pragma once

#include "core/model/model.h"

#include <array>
#include <cstdint>

namespace rondaxa {

struct DisplayChoices {
    bool SwapNames = true;      // names shown as "first names surname"
    bool HideZero = false;      // a result or count of 0 shown as an empty cell
    bool FixedColumns = false;  // row number, name and start number stay fixed
    bool ShowYear = false;      // the year with result dates
    bool MarkDropped = false;   // dropped results are marked ...
    bool MarkColour = true;     // ... in their colour
    bool StrikeDropped = false; // ... and/or struck out
    bool UseInfoColours = true; // result information colours
    bool ShowAsPoints = true;   // stored finish positions shown as points
    uint32_t InfoColor1 = kClInfoBk;
    uint32_t InfoColor2 = kCl3DLight;
    uint32_t MarkColor = kClTeal;
    std::array<bool, 3> ShowExtra{}; // extra fields 1..3 as grid columns
    bool StartNoFirst = false;       // start number column before the name
    int StatusField = 1;             // 0 nothing, 1 name, 2 start number, 3..5 extra field
};

// The choices as the competition holds them now.
DisplayChoices CurrentDisplayChoices(const ClubRec &club);

// Gives every class grid with more than n columns n fixed columns; returns
// whether any grid had that many columns.
bool SetFixedColsAll(Competition &comp, int n);

// Stores the choices in Options and ViewFlags, fixes the columns and lays
// the columns of every class out again when the shown fields changed.
// Returns whether the grids must be shown anew.
bool ApplyDisplayChoices(Competition &comp, const DisplayChoices &choices);

// Gives every class grid the font (and keeps it as the competition's font).
void ApplyGridFont(Competition &comp, const GridFont &font);

} // namespace rondaxa
