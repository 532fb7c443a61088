#include "core/scoring/sorting.h"

namespace rondaxa {

namespace {

constexpr int kIdWidth = 10;
constexpr int kStartNoWidth = 5;
constexpr int kResultWidth = 3;
constexpr int kColumnWidth = 5;

} // namespace

std::string SortKeyFor(const ClubRec &club, const TRijder &rider, int mode, int resultNo) {
    switch (mode) {
    case ModeInputOrder:
        return PadNumber(IntText(rider.Id), kIdWidth);
    case ModeName:
        return UpperCase1252(CellText(club, rider, KindName, 0));
    case ModeStartNo:
        return PadNumber(rider.StartNo.str(), kStartNoWidth);
    case ModeResult:
        return PadNumber(CellText(club, rider, KindResult, resultNo), kResultWidth);
    case ModeExtra1:
    case ModeExtra2:
    case ModeExtra3:
        return UpperCase1252(CellText(club, rider, KindExtra1 + (mode - ModeExtra1), 0));
    case ModeAverageCount:
        return PadNumber(CellText(club, rider, KindNet, 0), kColumnWidth) +
               PadNumber(CellText(club, rider, KindAverage, 0), kColumnWidth);
    case ModeAverageTotal:
        return PadNumber(CellText(club, rider, KindGross, 0), kColumnWidth);
    case ModeAverageValue:
        return PadNumber(CellText(club, rider, KindAverage, 0), kColumnWidth);
    default:
        return {};
    }
}

std::optional<HeadingSort> TakeHeadingSort(TKlasse &klasse, int col) {
    TColData *data = klasse.ColData(col);
    if (!data)
        return std::nullopt;
    HeadingSort sort;
    sort.Mode = data->Kind;
    sort.N = data->Number;
    sort.Direction = data->SortDir;
    data->SortDir = data->SortDir == 0 ? 1 : 0;
    if (klasse.CalcState == 3 && sort.Mode >= KindNet && sort.Mode <= KindAverage)
        sort.Mode += static_cast<int>(ModeAverageCount) - static_cast<int>(KindNet);
    if (sort.Mode == ModeNet || sort.Mode == ModeGross || sort.Mode == ModeDaily)
        sort.C = CountColumns(klasse);
    return sort;
}

bool SortByHeading(const ClubRec &club, TKlasse &klasse, int col, int horsConcours) {
    if (klasse.Grid.RowCount() - 1 < 2)
        return false;
    const auto sort = TakeHeadingSort(klasse, col);
    if (!sort)
        return false;
    CalculateStandings(club, klasse, sort->Mode, sort->N, sort->Direction, sort->C,
                       StandingsRun{horsConcours});
    return true;
}

void SortClass(ClubRec &club, TKlasse &klasse, int mode, int resultNo, int direction, bool swapNames,
               int horsConcours) {
    const int32_t saved = club.Options;
    if (swapNames)
        club.Options &= ~OptNamesAsStored;
    else
        club.Options |= OptNamesAsStored;
    CalculateStandings(club, klasse, mode, resultNo, direction, 0, StandingsRun{horsConcours});
    club.Options = saved;
}

} // namespace rondaxa
