#include "core/results/result_columns.h"

#include "core/model/display_settings.h"

#include <algorithm>
#include <vector>

namespace rondaxa {

namespace {

void ClearSlots(TKlasse &klasse, int from, int to) {
    for (int r = 1; r < klasse.Grid.RowCount(); ++r)
        if (TRijder *rider = klasse.Rider(r))
            for (int k = from; k <= to; ++k)
                rider->Results[static_cast<std::size_t>(k)] = kNoResult;
}

// Every rider's results after the deleted range move left by count; the top
// count slots become empty.
void ShiftSlotsLeft(TKlasse &klasse, int from, int count) {
    for (int r = 1; r < klasse.Grid.RowCount(); ++r) {
        TRijder *rider = klasse.Rider(r);
        if (!rider)
            continue;
        auto first = rider->Results.begin() + from;
        std::move(first + count, rider->Results.end(), first);
        std::fill(rider->Results.end() - count, rider->Results.end(), kNoResult);
    }
}

// A block keeps exactly the columns of its range that survive the deletion
// of from .. to, renumbered; false when none survives.
bool KeepRemainingColumns(ResultInfo &info, int from, int to) {
    const int count = to - from + 1;
    const int first = info.FromCol, last = info.ToCol;
    if (last < from)
        return true; // wholly before the range
    if (first > to) {
        info.FromCol = first - count;
        info.ToCol = last - count;
        return true;
    }
    if (first >= from && last <= to)
        return false; // every column of it is deleted
    info.FromCol = first < from ? first : from;
    info.ToCol = last > to ? last - count : from - 1;
    return true;
}

void DeleteColumns(Competition &comp, TKlasse &klasse, int from, int to) {
    const int count = to - from + 1;
    ShiftSlotsLeft(klasse, from, count);

    if (klasse.Grid.ColCount() - count <= 3 && (comp.Club.Options & OptFixedColumns)) {
        SetFixedColsAll(comp, 1);
        comp.Club.Options &= ~OptFixedColumns;
    }

    ClassGrid &grid = klasse.Grid;
    for (int c = klasse.FirstResultCol; c < grid.ColCount(); ++c) {
        TColData *data = grid.ColData(c);
        if (data && data->Info && !KeepRemainingColumns(*data->Info, from, to))
            data->Info.reset();
    }

    // Lays the columns out again: the last count result columns go and every
    // block moves to the column of its (new) first result number.
    klasse.ResultCount -= count;
    RebuildFixedColumns(klasse, comp.Club);
    grid.CurCol = std::clamp(grid.CurCol, std::min(grid.FixedCols, grid.ColCount() - 1), grid.ColCount() - 1);
    grid.LeftCol =
        std::clamp(grid.LeftCol, std::min(grid.FixedCols, grid.ColCount() - 1), grid.ColCount() - 1);
}

} // namespace

void ClearResultColumns(Competition &comp, int tab, int from, bool deleteColumns, bool all, int to) {
    comp.Modified |= ModifiedData;
    if (tab < 0 || tab >= comp.ClassCount() || !comp.Classes[static_cast<std::size_t>(tab)])
        return;
    TKlasse &klasse = *comp.Classes[static_cast<std::size_t>(tab)];
    CountColumns(klasse);
    const int resultCount = std::min(klasse.ResultCount, kMaxResults);
    if (all) {
        from = 1;
        to = resultCount;
    }
    from = std::max(from, 1);
    to = std::max(to, from);
    if (resultCount < from)
        return;
    to = std::min(to, resultCount);

    ClearSlots(klasse, from, to);
    if (deleteColumns)
        DeleteColumns(comp, klasse, from, to);
}

} // namespace rondaxa
