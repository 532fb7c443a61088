#include "core/daily/daily.h"

#include "core/model/class_grid.h"
#include "core/results/result_columns.h"
#include "core/results/result_info.h"
#include "core/scoring/standings.h"

#include <algorithm>
#include <utility>

namespace rondaxa {

TRijder *DailyTable::Rider(const TKlasse &klasse, int r) const {
    if (r < 1 || r >= RowCount())
        return nullptr;
    return klasse.Rider(Links[static_cast<std::size_t>(r)]);
}

DailyRange DefaultDailyRange(const TKlasse &klasse) {
    const int k = std::clamp(klasse.ResultCount, 0, kMaxResults);
    if (k == 0)
        return {0, 0};
    const int cursor = klasse.Grid.CurCol;
    const TColData *data = klasse.ColData(cursor);
    DailyRange range;
    if (data && data->Kind == KindResult)
        range.From = range.To = std::clamp(data->Number, 1, k);
    const int owner = FindInfoBlock(klasse, klasse.ResultColumn(range.From));
    if (const TColData *block = klasse.ColData(owner); block && block->Info) {
        range.From = std::clamp(block->Info->FromCol, 1, k);
        range.To = std::clamp(block->Info->ToCol, range.From, k);
    }
    return range;
}

void ComputeDayTotals(const ClubRec &club, TKlasse &klasse, int from, int to) {
    for (int r = 1; r < klasse.Grid.RowCount(); ++r)
        if (TRijder *rider = klasse.Rider(r))
            RangeTotal(club, *rider, from, to);
}

namespace {

DailyColumn ClassColumn(const TKlasse &klasse, int col) {
    DailyColumn column;
    if (col >= klasse.Grid.ColCount())
        return column;
    column.Heading = klasse.Grid.Col(col).Heading;
    column.Width = klasse.Grid.Col(col).Width;
    if (const TColData *data = klasse.ColData(col))
        column.Kind = data->Kind;
    return column;
}

} // namespace

DailyTable BuildDailyTable(const TKlasse &klasse, int from, int to, bool hcNoPoints,
                           const TextWidthFn &width) {
    DailyTable table;
    table.From = from;
    table.To = to;
    table.HcNoPoints = hcNoPoints;

    DailyColumn place = ClassColumn(klasse, 0);
    place.Heading = "PL";
    place.Kind = KindRowNumber;
    table.Columns.push_back(place);
    table.Columns.push_back(ClassColumn(klasse, 1));
    table.Columns.push_back(ClassColumn(klasse, 2));
    const int resultWidth =
        klasse.FirstResultCol < klasse.Grid.ColCount() ? klasse.Grid.Col(klasse.FirstResultCol).Width : 64;
    for (int n = std::max(from, 1); n <= to; ++n)
        table.Columns.push_back(DailyColumn{IntText(n), KindResult, n, resultWidth});
    for (auto [heading, kind] : {std::pair{"Totaal", KindNet}, std::pair{"Vervang", KindGross}})
        table.Columns.push_back(DailyColumn{heading, kind, 0, (width ? width(heading) : 60) + 4});

    table.Links.resize(static_cast<std::size_t>(std::max(klasse.Grid.RowCount(), 1)));
    for (std::size_t r = 0; r < table.Links.size(); ++r)
        table.Links[r] = static_cast<int>(r);
    return table;
}

void SortDailyRows(const TKlasse &klasse, DailyTable &table) {
    static const std::string kNoKey;
    std::vector<int> &links = table.Links;
    auto key = [&](int r) -> const std::string & {
        const TRijder *rider = klasse.Rider(links[static_cast<std::size_t>(r)]);
        return rider ? rider->SortKey : kNoKey;
    };
    const int n = table.RowCount() - 1;
    // A Shell sort whose first gap is the row count with the heading row;
    // it is not stable, and equal keys must end where it puts them.
    for (int gap = table.RowCount(); gap > 0; gap /= 2) {
        for (int i = gap + 1; i <= n; ++i) {
            for (int j = i - gap; j > 0; j -= gap) {
                if (!(key(j) < key(j + gap)))
                    break;
                std::swap(links[static_cast<std::size_t>(j)], links[static_cast<std::size_t>(j + gap)]);
            }
        }
    }
}

bool TakesReplacementPoints(const TRijder &rider, bool hcNoPoints) {
    return rider.CalcNet > 0 && !(hcNoPoints && rider.HorsConcours());
}

void AssignReplacementPoints(const ClubRec &club, const TKlasse &klasse, const DailyTable &table) {
    int place = 1;
    for (int r = 1; r < table.RowCount(); ++r) {
        TRijder *rider = table.Rider(klasse, r);
        if (!rider)
            continue;
        rider->CalcTotal = -1;
        if (TakesReplacementPoints(*rider, table.HcNoPoints))
            rider->CalcTotal = PointsForPosition(club, place++);
        else if (rider->CalcNet == 0)
            rider->CalcTotal = 0;
    }
}

void MoveDailyRow(const ClubRec &club, const TKlasse &klasse, DailyTable &table, int fromRow, int toRow) {
    const int rows = table.RowCount();
    if (fromRow < 1 || fromRow >= rows || toRow < 1 || toRow >= rows || fromRow == toRow)
        return;
    std::vector<int> &links = table.Links;
    const int moving = links[static_cast<std::size_t>(fromRow)];
    links.erase(links.begin() + fromRow);
    links.insert(links.begin() + toRow, moving);
    AssignReplacementPoints(club, klasse, table);
}

DailyTable MakeDailyClassification(const ClubRec &club, TKlasse &klasse, int from, int to, bool hcNoPoints,
                                   const TextWidthFn &width) {
    // A class without result columns has an empty range: no rider has a total.
    ComputeDayTotals(club, klasse, std::max(from, 1), to);
    DailyTable table = BuildDailyTable(klasse, from, to, hcNoPoints, width);
    SortDailyRows(klasse, table);
    AssignReplacementPoints(club, klasse, table);
    return table;
}

void ClearDailySortKeys(TKlasse &klasse) {
    for (int r = 1; r < klasse.Grid.RowCount(); ++r)
        if (TRijder *rider = klasse.Rider(r))
            rider->SortKey.clear();
}

std::string ReplaceQuestion(int from, int to) {
    if (to != from)
        return "Uitslagen van de kolommen " + IntText(from) + " t/m " + IntText(to) +
               " vervangen met Dagklassement ?";
    return "De uitslagen van kolom " + IntText(from) + " vervangen met Dagklassement ?";
}

void ApplyDailyClassification(Competition &comp, int tab, const DailyTable &table) {
    if (tab < 0 || tab >= comp.ClassCount() || table.From < 1)
        return;
    TKlasse &klasse = *comp.Classes[static_cast<std::size_t>(tab)];
    RemoveStandings(klasse);
    if (table.To > table.From)
        ClearResultColumns(comp, tab, table.From + 1, true, false, table.To);
    const bool positions = (comp.Club.Options & OptStoreFinishOrder) != 0;
    for (int r = 1; r < klasse.Grid.RowCount(); ++r)
        if (TRijder *rider = klasse.Rider(r))
            rider->Results[static_cast<std::size_t>(table.From)] = kNoResult;
    // The places are counted as the replacement points were given. With
    // finish positions stored the place itself is kept: the points of a
    // place below the table's end may be 0 or shared by several places, and
    // then they would not lead back to it.
    int place = 1;
    for (int r = 1; r < table.RowCount(); ++r) {
        TRijder *rider = table.Rider(klasse, r);
        if (!rider)
            continue;
        const bool placed = TakesReplacementPoints(*rider, table.HcNoPoints);
        const int thisPlace = placed ? place++ : 0;
        if (rider->CalcTotal < 0)
            continue;
        int stored = positions ? PositionForPoints(comp.Club, rider->CalcTotal) : rider->CalcTotal;
        if (positions && placed && thisPlace <= kMaxResultValue)
            stored = thisPlace;
        rider->Results[static_cast<std::size_t>(table.From)] = static_cast<int16_t>(stored);
    }
    ColourInfoColumns(klasse, comp.Club);
}

} // namespace rondaxa
