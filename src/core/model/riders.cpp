#include "core/model/riders.h"

#include "core/model/display_settings.h"
#include "core/model/text.h"
#include "core/platform/platform.h"

#include <algorithm>

namespace rondaxa {

namespace {

int16_t &Slot(TRijder &rider, int n) {
    return rider.Results[static_cast<std::size_t>(n)];
}

// The result a rider gets when the rider ahead of him is taken out of the
// race; the result itself when it cannot move up.
int MovedUpResult(const ClubRec &club, int result, int deletedResult) {
    if (club.Options & OptStoreFinishOrder)
        return result > deletedResult ? result - 1 : result;
    if (result >= deletedResult)
        return result;
    // Points that belong to no place, or to the first place, have no better
    // place to move to; they stay rather than being lost.
    const int position = PositionForPoints(club, result);
    if (position <= 1)
        return result;
    return PointsForPosition(club, position - 1);
}

void EmptyRider(TRijder &rider) {
    rider.Name.clear();
    rider.StartNo.clear();
    rider.Extra1.clear();
    rider.Extra2.clear();
    rider.Extra3.clear();
    rider.Results.fill(kNoResult);
    // An emptied row is no hors-concours rider any more; keeping the mark
    // would leave a row that every hors-concours deletion finds again.
    rider.Flags &= ~RiderHorsConcours;
}

void DropResultColumns(TKlasse &klasse) {
    ClassGrid &grid = klasse.Grid;
    grid.SetColCount(std::min(grid.ColCount(), klasse.FirstResultCol));
    grid.CurCol = std::clamp(grid.CurCol, std::min(grid.FixedCols, grid.ColCount() - 1), grid.ColCount() - 1);
    klasse.ResultCount = 0;
    klasse.InfoCount = 0;
}

} // namespace

void AdjustResultsForDeletion(TKlasse &klasse, const ClubRec &club, int row) {
    const TRijder *deleted = klasse.Rider(row);
    if (!deleted)
        return;
    const int resultCount = std::clamp(klasse.ResultCount, 0, kMaxResults);
    for (int r = 1; r < klasse.Grid.RowCount(); ++r) {
        TRijder *other = klasse.Rider(r);
        if (r == row || !other || (other->CalcMarks & MarkNotClassified))
            continue;
        for (int n = 1; n <= resultCount; ++n) {
            const int gone = GetResult(*deleted, n);
            const int result = GetResult(*other, n);
            if (gone <= 0 || result <= 0)
                continue;
            const int moved = MovedUpResult(club, result, gone);
            if (moved != result)
                Slot(*other, n) = static_cast<int16_t>(IsDropped(*other, n) ? moved + kDropMark : moved);
        }
    }
}

void DeleteRiderRow(TKlasse &klasse, const ClubRec &club, int row, bool adjustResults) {
    ClassGrid &grid = klasse.Grid;
    if (row < 1 || row >= grid.RowCount())
        return;
    if (grid.RowCount() - 1 <= 1) {
        if (TRijder *rider = grid.Rider(row))
            EmptyRider(*rider);
        DropResultColumns(klasse);
        return;
    }
    if (adjustResults)
        AdjustResultsForDeletion(klasse, club, row);
    grid.DeleteRow(row);
    for (int r = row; r < grid.RowCount(); ++r)
        grid.RowAt(r).Label = IntText(r);
    grid.CurRow = std::clamp(grid.CurRow, 1, grid.RowCount() - 1);
    klasse.RiderCount = grid.RowCount() - 1;
}

int DeleteHorsConcoursRiders(TKlasse &klasse, const ClubRec &club, bool adjustResults) {
    int count = 0;
    int row = 1;
    while (row < klasse.Grid.RowCount()) {
        const TRijder *rider = klasse.Rider(row);
        if (rider && rider->HorsConcours()) {
            DeleteRiderRow(klasse, club, row, adjustResults);
            ++count;
        } else {
            ++row;
        }
    }
    return count;
}

int DeleteHorsConcours(Competition &comp, bool allClasses, bool adjustResults, Prompts &prompts) {
    int count = 0;
    for (int i = 0; i < comp.ClassCount(); ++i) {
        TKlasse &klasse = *comp.Classes[static_cast<std::size_t>(i)];
        if (allClasses || i == comp.ActiveClass)
            count += DeleteHorsConcoursRiders(klasse, comp.Club, adjustResults);
    }
    if (count >= 1) {
        prompts.Message(IntText(count) + " rijders verwijderd!", MessageIcon::Information);
    } else {
        prompts.Message("Geen rijders verwijderd.", MessageIcon::Information);
    }
    return count;
}

bool PasteRiderRecord(Competition &comp, TKlasse &klasse, int row, const TRijder &record, bool withResults) {
    TRijder *rider = klasse.Rider(row);
    if (!rider)
        return false;
    rider->Name = record.Name;
    rider->StartNo = record.StartNo;
    rider->Extra1 = record.Extra1;
    rider->Extra2 = record.Extra2;
    rider->Extra3 = record.Extra3;
    rider->Flags = (rider->Flags & ~RiderHorsConcours) | (record.Flags & RiderHorsConcours);
    if (withResults)
        rider->Results = record.Results;
    if (rider->Id == 0)
        rider->Id = comp.Club.NextRiderId++;
    return true;
}

void ResetCompetition(Competition &comp, bool removeRiders) {
    SetFixedColsAll(comp, 1);
    comp.Club.Options &= ~OptFixedColumns;
    for (auto &klasse : comp.Classes) {
        ClassGrid &grid = klasse->Grid;
        if (removeRiders) {
            grid.SetRowCount(1);
            NewRiderRow(*klasse, comp.Club);
        } else {
            for (int r = 1; r < grid.RowCount(); ++r)
                if (TRijder *rider = grid.Rider(r))
                    rider->Results.fill(kNoResult);
        }
        DropResultColumns(*klasse);
        grid.CurRow = 1;
        klasse->RiderCount = grid.RowCount() - 1;
    }
    const int32_t now = CurrentClock().NowStamp();
    comp.Club.DateCreated = now;
    comp.Club.DateStarted = now;
    comp.Club.DateSaved = 0;
    comp.FileName.clear();
}

} // namespace rondaxa
