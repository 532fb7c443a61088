#include "core/model/model.h"

#include "core/platform/platform.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

namespace rondaxa {

// ---- ClassGrid --------------------------------------------------------------

void ClassGrid::SetColCount(int count) {
    columns_.resize(static_cast<std::size_t>(std::max(count, 0)));
}

void ClassGrid::SetRowCount(int count) {
    rows_.resize(static_cast<std::size_t>(std::max(count, 0)));
}

TColData *ClassGrid::ColData(int c) const {
    if (c < 0 || c >= ColCount())
        return nullptr;
    return columns_[static_cast<std::size_t>(c)].Data.get();
}

void ClassGrid::InsertColumn(int at) {
    at = std::clamp(at, 0, ColCount());
    columns_.insert(columns_.begin() + at, Column{});
}

void ClassGrid::DeleteColumn(int c) {
    if (c >= 0 && c < ColCount())
        columns_.erase(columns_.begin() + c);
}

void ClassGrid::InsertRow(int at) {
    at = std::clamp(at, 0, RowCount());
    rows_.insert(rows_.begin() + at, Row{});
}

void ClassGrid::DeleteRow(int r) {
    if (r >= 0 && r < RowCount())
        rows_.erase(rows_.begin() + r);
}

void ClassGrid::MoveRow(int from, int to) {
    if (from < 0 || from >= RowCount() || to < 0 || to >= RowCount() || from == to)
        return;
    Row moving = std::move(rows_[static_cast<std::size_t>(from)]);
    rows_.erase(rows_.begin() + from);
    rows_.insert(rows_.begin() + to, std::move(moving));
}

TKlasse *Competition::Active() const {
    if (ActiveClass < 0 || ActiveClass >= ClassCount())
        return nullptr;
    return Classes[static_cast<std::size_t>(ActiveClass)].get();
}

// ---- classes ------------------------------------------------------------------

std::unique_ptr<TKlasse> CreateClass(const ClubRec &club, std::string_view name) {
    auto klasse = std::make_unique<TKlasse>();
    klasse->Name = name;
    ClassGrid &grid = klasse->Grid;
    grid.SetColCount(3);
    grid.SetRowCount(2);
    grid.Col(0).Heading = " ";
    grid.Col(1).Heading = "Naam";
    grid.Col(2).Heading = "Startnr";
    grid.FixedCols = 1;
    grid.CurCol = 1;
    grid.CurRow = 1;
    if (!club.FontName.empty())
        grid.Font = GridFont{club.FontName.str(), club.FontSize, club.FontColor, club.FontStyle};
    klasse->FirstResultCol = 3;
    AddColumnObjects(*klasse, 0, 2, 0, 0);
    for (int c = 0; c < 3; ++c)
        grid.ColData(c)->Kind = c;
    return klasse;
}

void ClearDropMarks(TRijder &rider) {
    // Branch-free, and the first 48 slots in a loop of a fixed length that
    // the compiler does eight slots at a time; the last three after it.
    auto clear = [](int16_t &v) { v = static_cast<int16_t>(v - (v > kDropMarkThreshold ? kDropMark : 0)); };
    constexpr std::size_t kVectorPart = 48;
    static_assert(std::tuple_size_v<decltype(rider.Results)> >= kVectorPart);
    for (std::size_t i = 0; i < kVectorPart; ++i)
        clear(rider.Results[i]);
    for (std::size_t i = kVectorPart; i < rider.Results.size(); ++i)
        clear(rider.Results[i]);
}

void RemoveStandings(TKlasse &klasse) {
    ClassGrid &grid = klasse.Grid;
    if (klasse.CalcState > 0) {
        grid.CurCol = std::min(grid.FixedCols, grid.ColCount() - 1);
        while (grid.ColCount() > 1) {
            const TColData *data = grid.ColData(grid.ColCount() - 1);
            if (!data || data->Kind < KindNet || data->Kind > KindDailyGross)
                break;
            grid.SetColCount(grid.ColCount() - 1);
        }
        grid.CurCol = std::min(grid.CurCol, grid.ColCount() - 1);
        klasse.CalcState = 0;
    }
    klasse.CalcInfo.clear();
    for (int r = 1; r < grid.RowCount(); ++r) {
        TRijder *rider = grid.Rider(r);
        if (!rider)
            continue;
        if (rider->CalcMarks & MarkSavedResults)
            rider->Results = rider->SavedResults;
        rider->CalcMarks = 0;
        ClearDropMarks(*rider);
    }
}

void RemoveClassStandings(TKlasse &klasse) {
    RemoveStandings(klasse);
    CountColumns(klasse);
    RenumberRows(klasse);
}

void RenumberRows(TKlasse &klasse) {
    ClassGrid &grid = klasse.Grid;
    for (int r = 1; r < grid.RowCount(); ++r)
        grid.RowAt(r).Label = grid.Rider(r) ? IntText(r) : std::string();
    if (grid.ColCount() > 0)
        grid.Col(0).Heading = " ";
}

void AddColumnObjects(TKlasse &klasse, int fromCol, int toCol, int number, int kind) {
    ClassGrid &grid = klasse.Grid;
    for (int c = std::max(fromCol, 0); c <= toCol && c < grid.ColCount(); ++c) {
        auto data = std::make_unique<TColData>();
        data->Kind = kind;
        if (kind == KindResult) {
            data->Number = c - klasse.FirstResultCol + 1;
            grid.Col(c).Heading = IntText(data->Number);
        } else {
            data->Number = number;
        }
        grid.Col(c).Data = std::move(data);
    }
}

void RebuildFixedColumns(TKlasse &klasse, const ClubRec &club) {
    ClassGrid &grid = klasse.Grid;
    if (grid.ColCount() < 3)
        grid.SetColCount(3);
    for (int c = 0; c < 3; ++c)
        if (!grid.ColData(c))
            grid.Col(c).Data = std::make_unique<TColData>();

    // Result information travels with its range, not with a grid column:
    // take every block off before the columns are laid out again.
    std::vector<std::unique_ptr<ResultInfo>> blocks;
    for (int c = 0; c < grid.ColCount(); ++c)
        if (TColData *data = grid.ColData(c); data && data->Info)
            blocks.push_back(std::move(data->Info));

    const bool startNoFirst = (club.ViewFlags & ViewStartNoFirst) != 0;
    grid.Col(1).Heading = startNoFirst ? "Startnr" : "Naam";
    grid.Col(2).Heading = startNoFirst ? "Naam" : "Startnr";
    grid.ColData(1)->Kind = startNoFirst ? KindStartNo : KindName;
    grid.ColData(2)->Kind = startNoFirst ? KindName : KindStartNo;

    const std::string *labels[3] = {&club.ExtraLabel1.str(), &club.ExtraLabel2.str(),
                                    &club.ExtraLabel3.str()};
    klasse.FirstResultCol = 3;
    for (int field = 1; field <= 3; ++field) {
        if ((club.ViewFlags & (1 << (field - 1))) == 0)
            continue;
        const int c = klasse.FirstResultCol;
        if (grid.ColCount() <= c)
            grid.SetColCount(c + 1);
        grid.Col(c).Heading = *labels[field - 1];
        if (!grid.ColData(c))
            grid.Col(c).Data = std::make_unique<TColData>();
        grid.ColData(c)->Kind = KindResult + field;
        grid.ColData(c)->Number = 0;
        ++klasse.FirstResultCol;
    }

    const int resultCount = std::clamp(klasse.ResultCount, 0, kMaxResults);
    grid.SetColCount(klasse.FirstResultCol + resultCount);
    for (int c = klasse.FirstResultCol; c < grid.ColCount(); ++c) {
        if (!grid.ColData(c))
            grid.Col(c).Data = std::make_unique<TColData>();
        TColData *data = grid.ColData(c);
        data->Kind = KindResult;
        data->Number = c - klasse.FirstResultCol + 1;
        grid.Col(c).Heading = IntText(data->Number);
    }

    for (auto &block : blocks) {
        if (block->FromCol < 1 || block->FromCol > resultCount)
            continue;
        grid.ColData(klasse.ResultColumn(block->FromCol))->Info = std::move(block);
    }
}

int CountColumns(TKlasse &klasse) {
    ClassGrid &grid = klasse.Grid;
    klasse.RiderCount = std::max(grid.RowCount() - 1, 0);
    klasse.InfoCount = 0;
    klasse.ResultCount = 0;
    klasse.FirstResultCol = grid.ColCount();
    int notCounting = 0;
    for (int c = 0; c < grid.ColCount(); ++c) {
        const TColData *data = grid.ColData(c);
        if (!data || data->Kind != KindResult)
            continue;
        if (klasse.ResultCount == 0)
            klasse.FirstResultCol = c;
        ++klasse.ResultCount;
    }
    for (int c = 0; c < grid.ColCount(); ++c) {
        const TColData *data = grid.ColData(c);
        if (!data || data->Kind != KindResult || !data->Info)
            continue;
        ++klasse.InfoCount;
        const ResultInfo &info = *data->Info;
        if (info.NotCounting()) {
            // A range reaching past the last result column counts only its
            // columns that exist.
            const int to = std::min(info.ToCol, klasse.ResultCount);
            notCounting += std::max(to - info.FromCol + 1, 0);
        }
    }
    return klasse.ResultCount - notCounting;
}

int NewRiderRow(TKlasse &klasse, ClubRec &club) {
    ClassGrid &grid = klasse.Grid;
    const int last = grid.RowCount() - 1;
    if (last >= 1) {
        if (const TRijder *first = grid.Rider(1); first && IsEmptyRider(*first))
            return 1;
        if (const TRijder *lastRider = grid.Rider(last); lastRider && IsEmptyRider(*lastRider))
            return last;
    }
    // The riderless row of a new grid takes the new rider instead of
    // staying behind as an empty row above it.
    int row = -1;
    if (last >= 1 && !grid.Rider(last)) {
        row = last;
    } else if (grid.RowCount() - 1 < kMaxRiders) {
        grid.SetRowCount(grid.RowCount() + 1);
        row = grid.RowCount() - 1;
    } else {
        return -1;
    }
    grid.RowAt(row).Label = IntText(row);
    auto rider = std::make_unique<TRijder>();
    rider->Id = club.NextRiderId++;
    grid.RowAt(row).Rider = std::move(rider);
    grid.CurRow = row;
    return row;
}

bool IsEmptyRider(const TRijder &rider) {
    if (!rider.Name.empty() || !rider.StartNo.empty() || !rider.Extra1.empty() || !rider.Extra2.empty() ||
        !rider.Extra3.empty())
        return false;
    for (int n = 1; n <= kMaxResults; ++n)
        if (rider.Results[static_cast<std::size_t>(n)] != kNoResult)
            return false;
    return true;
}

bool HasAnyResult(const TRijder &rider) {
    for (int n = 1; n <= kMaxResults; ++n)
        if (GetResult(rider, n) >= 0)
            return true;
    return false;
}

int GetResult(const TRijder &rider, int n) {
    if (n < 1 || n > kMaxResults)
        return kNoResult;
    const int v = rider.Results[static_cast<std::size_t>(n)];
    return v > kDropMarkThreshold ? v - kDropMark : v;
}

bool IsDropped(const TRijder &rider, int n) {
    return n >= 1 && n <= kMaxResults && rider.Results[static_cast<std::size_t>(n)] > kDropMarkThreshold;
}

// ---- texts ------------------------------------------------------------------

std::string NumberText(const ClubRec &club, int value) {
    if (value < 0 || (value == 0 && (club.Options & OptZeroAsEmpty)))
        return {};
    return IntText(value);
}

std::string AverageText(int total, int count) {
    if (total < 0)
        return {};
    double tenths = 0;
    if (count >= 1)
        tenths = std::nearbyint(static_cast<double>(total) / count * 10.0); // halves to even
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", tenths / 10.0);
    std::string text = buffer;
    const char separator = CurrentLocale().DecimalSeparator();
    for (char &c : text)
        if (c == '.')
            c = separator;
    return text;
}

std::string CellText(const ClubRec &club, const TRijder &rider, int kind, int n) {
    switch (kind) {
    case KindName:
        return (club.Options & OptNamesAsStored) ? rider.Name.str() : NameDisplay(rider.Name);
    case KindStartNo:
        return rider.StartNo;
    case KindResult: {
        if (n < 1 || n > kMaxResults)
            return {};
        int v = GetResult(rider, n);
        if (v < 0)
            v = -1;
        else if ((club.Options & OptPositionsAsPoints) && v >= 1)
            v = PointsForPosition(club, v);
        return NumberText(club, v);
    }
    case KindExtra1:
        return rider.Extra1;
    case KindExtra2:
        return rider.Extra2;
    case KindExtra3:
        return rider.Extra3;
    case KindNet:
        return NumberText(club, rider.CalcNet);
    case KindGross:
    case KindDailyGross:
        return NumberText(club, rider.CalcTotal);
    case KindAverage:
        return AverageText(rider.CalcTotal, rider.CalcNet);
    default:
        return {};
    }
}

void SetCellText(const ClubRec &club, TRijder &rider, std::string_view text, int kind, int n) {
    switch (kind) {
    case KindName:
        rider.Name = text;
        break;
    case KindStartNo:
        rider.StartNo = text;
        break;
    case KindExtra1:
        rider.Extra1 = text;
        break;
    case KindExtra2:
        rider.Extra2 = text;
        break;
    case KindExtra3:
        rider.Extra3 = text;
        break;
    case KindResult: {
        if (n < 1 || n > kMaxResults)
            return;
        int stored = kNoResult;
        if (!text.empty()) {
            const int v = LenientStrToInt(text);
            stored = ((club.Options & OptPositionsAsPoints) && v >= 1) ? PositionForPoints(club, v) : v;
        }
        rider.Results[static_cast<std::size_t>(n)] = static_cast<int16_t>(std::clamp(stored, -32768, 32767));
        break;
    }
    default:
        break;
    }
}

std::string NameDisplay(std::string_view name) {
    const std::size_t comma = name.find(',');
    if (comma == std::string_view::npos)
        return std::string(name);
    const std::string_view surname = name.substr(0, comma);
    std::string_view rest = name.substr(comma + 1);
    while (!rest.empty() &&
           (rest.front() == ' ' || rest.front() == ',' || rest.front() == ':' || rest.front() == ';'))
        rest.remove_prefix(1);
    std::string shown(rest);
    shown += ' ';
    shown += surname;
    return shown;
}

namespace {

// Position of the first character at which a decimal integer with one
// optional leading sign fails to parse (also where it would overflow), or
// npos when the whole text parses.
std::size_t FirstBadChar(const std::string &text, long long &value) {
    value = 0;
    std::size_t i = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        i = 1;
    }
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return i;
        const long long next = value * 10 + (c - '0');
        if (next > static_cast<long long>(INT_MAX) + (negative ? 1 : 0))
            return i;
        value = next;
    }
    if (negative)
        value = -value;
    return std::string::npos;
}

} // namespace

int LenientStrToInt(std::string_view text) {
    std::string rest(text);
    long long value = 0;
    for (std::size_t bad = FirstBadChar(rest, value); bad != std::string::npos;
         bad = FirstBadChar(rest, value))
        rest.erase(bad, 1);
    return static_cast<int>(value);
}

int PointsForPosition(const ClubRec &club, int p) {
    if (p < 0)
        return -1;
    if (p == 0)
        return 0;
    const int count = std::clamp<int>(club.PointsCount, 1, kPointsTableSize);
    if (p <= count)
        return club.Points[static_cast<std::size_t>(p)];
    const int points = club.Points[static_cast<std::size_t>(count)] - (p - count) * club.Deduction;
    if (club.CalcFlags & CalcMinOnePoint)
        return std::max(points, 1);
    return std::max(points, 0);
}

int PositionForPoints(const ClubRec &club, int v) {
    if (v < 1)
        return -1;
    const int count = std::clamp<int>(club.PointsCount, 1, kPointsTableSize);
    const int lowest = club.Points[static_cast<std::size_t>(count)];
    if (v >= lowest) {
        for (int p = 1; p <= count; ++p)
            if (club.Points[static_cast<std::size_t>(p)] == v)
                return p;
        return -1;
    }
    return (lowest - v) / std::max<int>(club.Deduction, 1) + count;
}

StorageMethod StorageOf(const ClubRec &club) {
    return (club.Options & OptStoreFinishOrder) ? StorageMethod::Positions : StorageMethod::Points;
}

int16_t ConvertedResult(const ClubRec &club, int16_t value, StorageMethod to) {
    if (value <= 0)
        return value;
    return static_cast<int16_t>(to == StorageMethod::Positions ? PositionForPoints(club, value)
                                                               : PointsForPosition(club, value));
}

void ConvertRiderResults(const ClubRec &club, TRijder &rider, StorageMethod to) {
    for (int n = 1; n <= kMaxResults; ++n) {
        int16_t &value = rider.Results[static_cast<std::size_t>(n)];
        value = ConvertedResult(club, value, to);
    }
}

std::string AverageMethodLabel(const ClubRec &club) {
    switch (club.AverageMethod) {
    case 0:
        return "Gemid. van uitslagen met > 0 punten";
    case 1:
        return "Gemid. van uitslagen met >= 0 punten";
    case 2:
        return "Gemid. van Netto uitslagen";
    case 3:
        return "Gemid. van alle uitslagen";
    default:
        return {};
    }
}

// ---- settings -----------------------------------------------------------------

void SetDefaults(Competition &comp) {
    comp.Club = ClubRec{};
    comp.Print = PrintSettings{};
    const int32_t now = CurrentClock().NowStamp();
    comp.Club.DateCreated = now;
    comp.Club.DateStarted = now;
    SetSimpleTieMethod(comp.Club, 0);
}

void SetSimpleTieMethod(ClubRec &club, int tag) {
    if (tag < 0 || tag > 2)
        return;
    for (auto &step : club.TieSteps)
        step = TieStep{};
    auto set = [&](int i, uint8_t method, uint8_t param = 0) {
        club.TieSteps[static_cast<std::size_t>(i)] = TieStep{method, param};
    };
    switch (tag) {
    case 0:
        set(1, 1);
        set(2, 5);
        club.TieNotify = 2;
        break;
    case 1:
        set(1, 3);
        set(2, 1);
        set(3, 5);
        club.TieNotify = 3;
        break;
    case 2:
        set(1, 2, 3);
        set(2, 4);
        set(3, 1);
        set(4, 5);
        club.TieNotify = 3;
        break;
    default:
        break;
    }
}

uint32_t SetBit(uint32_t set, int bit, bool on) {
    const uint32_t mask = 1u << (bit & 31);
    return on ? (set | mask) : (set & ~mask);
}

bool TestBit(uint32_t set, int bit) {
    return (set & (1u << (bit & 31))) != 0;
}

} // namespace rondaxa
