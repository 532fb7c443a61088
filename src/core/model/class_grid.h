// What a class grid shows besides the cell texts: column widths, the colours
// of result-information ranges, row labels, the window caption and the texts
// of the status bar.
#pragma once

#include "core/model/editing.h"
#include "core/model/model.h"

#include <string>
#include <string_view>

namespace rondaxa {

// Column widths and row height from the texts in the grid's font: column 0
// fits "Pos", result columns "188" ("1888" when the table gives 100 points
// or more), every other column its heading and each rider's text (+ 4).
void AutoSizeColumns(TKlasse &klasse, const ClubRec &club, const TextWidthFn &width, int textHeight);

// Background colours of the result columns: each result-information range
// gets InfoColor1 or InfoColor2, alternating; everything else the window
// colour. With ViewFlags bit 5 no range is coloured.
void ColourInfoColumns(TKlasse &klasse, const ClubRec &club);

// The row labels after a click on a fixed column: with standings shown,
// hors-concours riders read "BM" and the others are numbered 1, 2, 3, ...
// without gaps; otherwise every row shows its row number.
void NumberRowsByPlace(TKlasse &klasse);

// The window caption for a class: club name and " - " as far as 33
// characters reach, then the class name, the whole at most 63 characters.
std::string ClassCaption(const ClubRec &club, const TKlasse &klasse);
// The same for any two names (the stored names are shorter than the cuts).
std::string ClassCaption(std::string_view clubName, std::string_view className);

// Status panel 1: the result display mode.
std::string ResultModeText(const ClubRec &club);

// Status panel 2: the rider field chosen by Options bits 0..3, with
// " (Buitenmededinging)" for a hors-concours rider. Empty choice: nothing.
bool HasRiderPanel(const ClubRec &club);
std::string RiderPanelText(const ClubRec &club, const TRijder &rider);

// The result information whose range covers result number n: the first
// result column, left to right, carrying a block with n in FromCol..ToCol.
const ResultInfo *InfoCovering(const TKlasse &klasse, int n);

// Status panel 3: what the selected column tells about the selected row.
std::string ColumnPanelText(const ClubRec &club, const TKlasse &klasse, int col, int row);

} // namespace rondaxa
