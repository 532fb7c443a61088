#include "core/model/editing.h"

#include "core/model/messages.h"

#include <algorithm>

namespace rondaxa {

bool IsEditableKind(int kind) {
    return kind >= KindName && kind <= KindExtra3;
}

int MaxEditLength(int kind) {
    switch (kind) {
    case KindName:
        return 30;
    case KindStartNo:
        return 5;
    case KindResult:
        return 2;
    case KindExtra1:
    case KindExtra2:
    case KindExtra3:
        return 40;
    default:
        return 0;
    }
}

std::string EditText(const ClubRec &club, const TRijder &rider, int kind, int n) {
    if (kind == KindName)
        return rider.Name;
    return CellText(club, rider, kind, n);
}

bool IsAttainablePoints(const ClubRec &club, int v) {
    if (v <= 0 || (club.Options & OptPositionsAsPoints) == 0)
        return true;
    const int count = std::clamp<int>(club.PointsCount, 1, kPointsTableSize);
    if (v <= club.Points[static_cast<std::size_t>(count)])
        return PointsForPosition(club, PositionForPoints(club, v)) == v;
    for (int p = 1; p < count; ++p)
        if (club.Points[static_cast<std::size_t>(p)] == v)
            return true;
    return false;
}

int FindDuplicateRow(const ClubRec &club, const TKlasse &klasse, std::string_view text, int kind,
                     int exceptRow) {
    if (text.empty())
        return 0;
    // Compare values as stored: no name swap, no points display.
    ClubRec plain = club;
    plain.Options = (plain.Options | OptNamesAsStored) & ~OptPositionsAsPoints;
    const std::string wanted = UpperCase1252(text);
    const ClassGrid &grid = klasse.Grid;
    for (int r = 1; r < grid.RowCount(); ++r) {
        const TRijder *rider = grid.Rider(r);
        if (r == exceptRow || !rider)
            continue;
        if (UpperCase1252(CellText(plain, *rider, kind, 1)) == wanted)
            return r;
    }
    return 0;
}

bool CheckDuplicate(const ClubRec &club, const TKlasse &klasse, std::string_view text, int kind,
                    int exceptRow, Prompts &prompts) {
    const int row = FindDuplicateRow(club, klasse, text, kind, exceptRow);
    if (row == 0)
        return true;
    ShowError(prompts, WithPosition(kind + 249, row));
    return false;
}

void WidenColumnFor(TKlasse &klasse, const ClubRec &club, int kind, int row, const TextWidthFn &width) {
    ClassGrid &grid = klasse.Grid;
    const TRijder *rider = grid.Rider(row);
    if (!rider || !width)
        return;
    const int end = std::min(klasse.FirstResultCol, grid.ColCount());
    for (int c = 0; c < end; ++c) {
        const TColData *data = grid.ColData(c);
        if (!data || data->Kind != kind)
            continue;
        const int needed = width(CellText(club, *rider, kind, 1)) + 4;
        if (needed > grid.Col(c).Width)
            grid.Col(c).Width = needed;
        return;
    }
}

EditOutcome StoreCellEdit(Competition &comp, TKlasse &klasse, int row, int col, std::string_view text,
                          Prompts &prompts, const TextWidthFn &width) {
    TRijder *rider = klasse.Rider(row);
    const TColData *data = klasse.ColData(col);
    if (!rider || !data || !IsEditableKind(data->Kind))
        return EditOutcome::Refused;
    const ClubRec &club = comp.Club;
    const int kind = data->Kind;
    EditOutcome outcome = EditOutcome::Stored;
    switch (kind) {
    case KindName:
        SetCellText(club, *rider, text, kind, 0);
        WidenColumnFor(klasse, club, kind, row, width);
        CheckDuplicate(club, klasse, text, kind, row, prompts); // reported, the name stays
        break;
    case KindStartNo:
        if (!CheckDuplicate(club, klasse, text, kind, row, prompts)) {
            outcome = EditOutcome::Refused;
            break;
        }
        SetCellText(club, *rider, text, kind, 0);
        WidenColumnFor(klasse, club, kind, row, width);
        break;
    case KindResult:
        if (!IsAttainablePoints(club, LenientStrToInt(text))) {
            ShowError(prompts, kInvalidResultCode);
            outcome = EditOutcome::Restart;
            break;
        }
        SetCellText(club, *rider, text, kind, data->Number);
        break;
    default:
        SetCellText(club, *rider, text, kind, 0);
        WidenColumnFor(klasse, club, kind, row, width);
        break;
    }
    return outcome;
}

void MoveAfterEnter(ClassGrid &grid) {
    if (grid.CurCol < grid.ColCount() - 1) {
        ++grid.CurCol;
    } else if (grid.CurRow < grid.RowCount() - 1) {
        ++grid.CurRow;
        grid.CurCol = std::max(grid.LeftCol, grid.FixedCols);
    }
}

void MoveUp(ClassGrid &grid) {
    const int last = grid.RowCount() - 1;
    if (last < 1)
        return;
    grid.CurRow = grid.CurRow <= 1 ? last : grid.CurRow - 1;
}

void MoveDown(ClassGrid &grid) {
    const int last = grid.RowCount() - 1;
    if (last < 1)
        return;
    grid.CurRow = grid.CurRow >= last ? 1 : grid.CurRow + 1;
}

} // namespace rondaxa
