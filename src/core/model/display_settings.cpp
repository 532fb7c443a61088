#include "core/model/display_settings.h"

#include <algorithm>

namespace rondaxa {

DisplayChoices CurrentDisplayChoices(const ClubRec &club) {
    DisplayChoices c;
    c.SwapNames = !(club.Options & OptNamesAsStored);
    c.HideZero = (club.Options & OptZeroAsEmpty) != 0;
    c.FixedColumns = (club.Options & OptFixedColumns) != 0;
    c.ShowYear = (club.ViewFlags & ViewShowYear) != 0;
    c.MarkDropped = (club.ViewFlags & ViewMarkDropped) != 0;
    c.MarkColour = !(club.ViewFlags & ViewNoMarkColour);
    c.StrikeDropped = (club.ViewFlags & ViewStrikeDropped) != 0;
    c.UseInfoColours = !(club.ViewFlags & ViewNoInfoColours);
    // With points stored there is nothing to convert: the choice shows points.
    c.ShowAsPoints = !(club.Options & OptStoreFinishOrder) || (club.Options & OptPositionsAsPoints);
    c.InfoColor1 = club.InfoColor1;
    c.InfoColor2 = club.InfoColor2;
    c.MarkColor = club.MarkColor;
    c.ShowExtra = {(club.ViewFlags & ViewExtra1) != 0, (club.ViewFlags & ViewExtra2) != 0,
                   (club.ViewFlags & ViewExtra3) != 0};
    c.StartNoFirst = (club.ViewFlags & ViewStartNoFirst) != 0;
    c.StatusField = club.Options & OptStatusFieldMask;
    return c;
}

bool SetFixedColsAll(Competition &comp, int n) {
    bool changed = false;
    for (auto &klasse : comp.Classes) {
        ClassGrid &grid = klasse->Grid;
        if (grid.ColCount() > n) {
            grid.FixedCols = n;
            grid.CurCol = std::max(grid.CurCol, n);
            grid.LeftCol = std::max(grid.LeftCol, n);
            changed = true;
        }
    }
    return changed;
}

namespace {

int32_t ViewFlagsFor(const DisplayChoices &c) {
    int32_t flags = 0;
    if (c.StartNoFirst)
        flags |= ViewStartNoFirst;
    if (c.ShowExtra[0])
        flags |= ViewExtra1;
    if (c.ShowExtra[1])
        flags |= ViewExtra2;
    if (c.ShowExtra[2])
        flags |= ViewExtra3;
    if (c.ShowYear)
        flags |= ViewShowYear;
    if (c.MarkDropped)
        flags |= ViewMarkDropped;
    if (!c.UseInfoColours)
        flags |= ViewNoInfoColours;
    if (!c.MarkColour)
        flags |= ViewNoMarkColour;
    if (c.StrikeDropped)
        flags |= ViewStrikeDropped;
    return flags;
}

} // namespace

bool ApplyDisplayChoices(Competition &comp, const DisplayChoices &c) {
    ClubRec &club = comp.Club;
    bool changed = false;
    club.Options &= ~(OptNamesAsStored | OptPositionsAsPoints | OptZeroAsEmpty | OptFixedColumns);
    if (!c.SwapNames)
        club.Options |= OptNamesAsStored;
    if (c.HideZero)
        club.Options |= OptZeroAsEmpty;
    if (!c.FixedColumns) {
        changed |= SetFixedColsAll(comp, 1);
    } else if (SetFixedColsAll(comp, 3)) {
        club.Options |= OptFixedColumns;
        changed = true;
    }
    if (c.ShowAsPoints && (club.Options & OptStoreFinishOrder))
        club.Options |= OptPositionsAsPoints;
    club.InfoColor1 = c.InfoColor1;
    club.InfoColor2 = c.InfoColor2;
    club.MarkColor = c.MarkColor;
    club.Options =
        (club.Options & ~OptStatusFieldMask) | (std::clamp(c.StatusField, 0, 5) & OptStatusFieldMask);
    const int32_t flags = ViewFlagsFor(c);
    if (flags != club.ViewFlags) {
        club.ViewFlags = flags;
        for (auto &klasse : comp.Classes) {
            CountColumns(*klasse);
            RebuildFixedColumns(*klasse, club);
        }
        changed = true;
    }
    return changed;
}

void ApplyGridFont(Competition &comp, const GridFont &font) {
    for (auto &klasse : comp.Classes)
        klasse->Grid.Font = font;
    comp.Club.FontName = font.Name;
    comp.Club.FontSize = font.Size;
    comp.Club.FontColor = font.Color;
    comp.Club.FontStyle = font.Style;
}

} // namespace rondaxa
