#include "core/results/result_columns.h"

#include "core/model/display_settings.h"
#include "core/model/messages.h"
#include "core/model/text.h"

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

std::string ClearQuestion(const ClearChoice &choice) {
    std::string text = choice.Delete ? "Verwijder" : "Wis";
    if (choice.AllResults) {
        text += " alle uitslagen";
    } else {
        text += " de uitslagen van kolom " + IntText(choice.First);
        if (choice.Through && choice.Last > choice.First)
            text += " t/m " + IntText(choice.Last);
    }
    text += choice.AllClasses ? " van alle klassen ?" : " in de active klasse ?";
    return text;
}

void ClearChosenColumns(Competition &comp, const ClearChoice &choice) {
    const int to = choice.Through ? choice.Last : choice.First;
    if (choice.AllClasses) {
        for (int tab = 0; tab < comp.ClassCount(); ++tab)
            ClearResultColumns(comp, tab, choice.First, choice.Delete, choice.AllResults, to);
    } else if (comp.ActiveClass >= 0) {
        ClearResultColumns(comp, comp.ActiveClass, choice.First, choice.Delete, choice.AllResults, to);
    }
}

namespace {

// Moves results and blocks from result column at (grid column atCol) on
// right by add; the inserted columns are empty and carry no block.
void MakeRoomAt(TKlasse &klasse, int at, int atCol, int add, int resultCount) {
    for (int r = 1; r < klasse.Grid.RowCount(); ++r) {
        TRijder *rider = klasse.Rider(r);
        if (!rider)
            continue;
        auto &results = rider->Results;
        for (int k = resultCount + add; k >= at + add; --k)
            results[static_cast<std::size_t>(k)] = results[static_cast<std::size_t>(k - add)];
        for (int k = at; k < at + add; ++k)
            results[static_cast<std::size_t>(k)] = kNoResult;
    }
    ClassGrid &grid = klasse.Grid;
    for (int c = grid.ColCount() - 1; c >= atCol + add; --c)
        grid.ColData(c)->Info = std::move(grid.ColData(c - add)->Info);
    for (int c = atCol; c < atCol + add; ++c)
        grid.ColData(c)->Info.reset();
}

// Numbers every result column by its position and gives each block the
// number of its column; a block reaching over the insert point grows.
void RenumberAfterInsert(TKlasse &klasse, int at, int add) {
    ClassGrid &grid = klasse.Grid;
    for (int c = klasse.FirstResultCol; c < grid.ColCount(); ++c) {
        TColData *data = grid.ColData(c);
        data->Number = c - klasse.FirstResultCol + 1;
        ResultInfo *info = data->Info.get();
        if (!info || info->FromCol <= 0)
            continue;
        const int shift = data->Number - info->FromCol;
        info->FromCol = data->Number;
        info->ToCol += shift;
        if (shift == 0 && info->FromCol < at && info->ToCol >= at)
            info->ToCol += add;
        info->ToCol = std::max(info->ToCol, info->FromCol);
    }
}

} // namespace

int AddResultColumns(Competition & /*comp*/, TKlasse &klasse, int count, bool insert) {
    CountColumns(klasse);
    const int resultCount = std::min(klasse.ResultCount, kMaxResults);
    const int add = std::min(count, kMaxResults - resultCount);
    if (add <= 0)
        return 0;
    ClassGrid &grid = klasse.Grid;
    const TColData *cursor = grid.ColData(grid.CurCol);
    const bool inResults = cursor && cursor->Kind == KindResult && grid.CurCol >= klasse.FirstResultCol;
    const int at = grid.CurCol - klasse.FirstResultCol + 1;
    const int atCol = grid.CurCol;

    const int oldColumns = grid.ColCount();
    grid.SetColCount(oldColumns + add);
    AddColumnObjects(klasse, oldColumns, oldColumns + add - 1, 0, KindResult);
    klasse.ResultCount = resultCount + add;

    if (insert && inResults) {
        MakeRoomAt(klasse, at, atCol, add, resultCount);
        RenumberAfterInsert(klasse, at, add);
    }
    return add;
}

int ColumnsLeftToAdd(const Competition &comp) {
    const TKlasse *klasse = comp.Active();
    return klasse ? std::max(kMaxResults - klasse->ResultCount, 0) : kMaxResults;
}

bool AddColumnsToClasses(Competition &comp, int count, bool allClasses, bool insert, Prompts &prompts) {
    if (count < 1)
        return false;
    if (allClasses) {
        for (auto &klasse : comp.Classes)
            AddResultColumns(comp, *klasse, count, false);
        return true;
    }
    TKlasse *klasse = comp.Active();
    if (!klasse)
        return false;
    CountColumns(*klasse);
    if (count + klasse->ResultCount > kMaxResults) {
        ShowError(prompts, 60);
        return false;
    }
    AddResultColumns(comp, *klasse, count, insert);
    return true;
}

} // namespace rondaxa
