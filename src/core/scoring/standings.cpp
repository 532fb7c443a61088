#include "core/scoring/standings.h"

#include "core/scoring/sorting.h"
#include "core/scoring/tie_break.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace rondaxa {

namespace {

constexpr int kTotalWidth = 5;
constexpr int kValueWidth = 3;
constexpr int kAverageWidth = 6;

// The key of a rider that has none: three characters that sort after every
// other key in the direction of the sort.
std::string EmptyKeyReplacement(int direction) {
    return std::string(3, direction == kAscending ? '\xFF' : '\x01');
}

// Marks a dropped value as MarkDropped does: the first counting slot that
// still holds it. The walked slots are found through their lists by value
// (which marking uses up); a value that can be no result, or that no walked
// slot holds any more, is looked for in the slots after them.
void MarkDroppedValue(const CountingBasis &basis, CountedResults &walked, TRijder &rider, int value) {
    if (value < 0 || value > kMaxResultValue) {
        MarkDropped(basis.Counting(), rider, value);
        return;
    }
    uint8_t &first = walked.FirstWith[static_cast<std::size_t>(value + 1)];
    int i = first;
    if (first != CountedResults::kEndOfList) {
        first = walked.NextWith[static_cast<std::size_t>(i)];
    } else {
        for (i = basis.SlotCount(); i < basis.CountingSlotCount(); ++i)
            if (rider.Results[static_cast<std::size_t>(basis.Slot(i))] == value)
                break;
        if (i == basis.CountingSlotCount())
            return;
    }
    int16_t &stored = rider.Results[static_cast<std::size_t>(basis.Slot(i))];
    stored = static_cast<int16_t>(stored + kDropMark);
}

// Keeps the stored results in SavedResults (once) and applies the
// hors-concours option 48 in row order.
void ApplyHorsConcoursOption(const ClubRec &club, TKlasse &klasse) {
    ClassGrid &grid = klasse.Grid;
    for (int r = 1; r < grid.RowCount(); ++r) {
        TRijder *rider = grid.Rider(r);
        if (rider && !(rider->CalcMarks & MarkSavedResults)) {
            rider->SavedResults = rider->Results;
            rider->CalcMarks |= MarkSavedResults;
        }
    }
    for (int r = 1; r < grid.RowCount(); ++r)
        if (const TRijder *rider = grid.Rider(r); rider && rider->HorsConcours())
            ApplyHorsConcours(club, klasse, r);
}

// Keys written one after the other into one block of memory, each in place.
class KeyStore {
public:
    // Room for the next key.
    char *Room() {
        if (capacity_ - size_ < KeyBuffer::kRoomNeeded)
            Grow(size_ + KeyBuffer::kRoomNeeded);
        return data_.get() + size_;
    }
    // The key written into Room() has length bytes; where it starts.
    std::size_t Add(std::size_t length) {
        size_ += length;
        return size_ - length;
    }
    // After the first key: room for count more keys of about its length, at
    // once (later calls change nothing).
    void ExpectMore(int count) {
        if (estimated_)
            return;
        estimated_ = true;
        Grow(size_ + static_cast<std::size_t>(std::max(count, 0)) * (size_ + 16) + KeyBuffer::kRoomNeeded);
    }
    std::string_view At(std::size_t at, std::size_t length) const { return {data_.get() + at, length}; }

private:
    void Grow(std::size_t needed) {
        const std::size_t capacity = std::max(needed, 2 * capacity_);
        auto data = std::make_unique_for_overwrite<char[]>(capacity);
        if (size_ > 0)
            std::memcpy(data.get(), data_.get(), size_);
        data_ = std::move(data);
        capacity_ = capacity;
    }

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    bool estimated_ = false;
};

// The first eight bytes of a key as one number (zeros after a shorter key),
// so that most comparisons of two keys are one comparison of two numbers:
// where these differ, they order the keys as the whole keys do.
uint64_t KeyPrefix(std::string_view key) {
    unsigned char bytes[8] = {};
    if (!key.empty())
        std::memcpy(bytes, key.data(), std::min<std::size_t>(key.size(), 8));
    uint64_t prefix = 0;
    for (unsigned char byte : bytes)
        prefix = (prefix << 8) | byte;
    return prefix;
}

// The Shell sort of the rows: only the rows move, and equal keys end where
// this procedure leaves them (it is not stable). order[0..R-1] holds row
// indices; keys is indexed by row.
void ShellSortRows(std::vector<int> &order, const std::vector<std::string_view> &keys, int direction) {
    const int count = static_cast<int>(order.size());
    std::vector<uint64_t> prefixes(keys.size());
    for (std::size_t r = 0; r < keys.size(); ++r)
        prefixes[r] = KeyPrefix(keys[r]);
    auto compare = [&](int a, int b) {
        const uint64_t pa = prefixes[static_cast<std::size_t>(a)];
        const uint64_t pb = prefixes[static_cast<std::size_t>(b)];
        if (pa != pb)
            return pa < pb ? -1 : 1;
        return keys[static_cast<std::size_t>(a)].compare(keys[static_cast<std::size_t>(b)]);
    };
    for (int gap = count / 2; gap > 0; gap /= 2) {
        for (int i = gap; i < count; ++i) {
            for (int j = i - gap; j >= 0; j -= gap) {
                const int cmp =
                    compare(order[static_cast<std::size_t>(j)], order[static_cast<std::size_t>(j + gap)]);
                const bool exchange = direction == kAscending ? cmp > 0 : cmp < 0;
                if (!exchange)
                    break;
                std::swap(order[static_cast<std::size_t>(j)], order[static_cast<std::size_t>(j + gap)]);
            }
        }
    }
}

// Puts the riders in the sorted order. The row labels stay where they are:
// a plain sort keeps "1".."n", so a row's label is its position; standings
// number their rows afterwards.
void ReorderRows(ClassGrid &grid, const std::vector<int> &order) {
    std::vector<std::unique_ptr<TRijder>> riders;
    riders.reserve(order.size());
    for (int r : order)
        riders.push_back(std::move(grid.RowAt(r).Rider));
    for (std::size_t i = 0; i < riders.size(); ++i)
        grid.RowAt(static_cast<int>(i) + 1).Rider = std::move(riders[i]);
}

// label = the decimal text of number, without a text in between.
void AssignNumber(std::string &label, int number) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    label.assign(digits, end);
}

// Place numbers in row order; hors-concours riders get "BM" under every
// option but 0 and use no number.
void NumberPlaces(ClassGrid &grid, int horsConcours) {
    int place = 0;
    for (int r = 1; r < grid.RowCount(); ++r) {
        const TRijder *rider = grid.Rider(r);
        std::string &label = grid.RowAt(r).Label;
        if (!rider)
            label.clear();
        else if (rider->HorsConcours() && horsConcours != HcNormal)
            label = "BM";
        else
            AssignNumber(label, ++place);
    }
}

} // namespace

CountingFlags CountingFlagsOf(const TKlasse &klasse) {
    CountingFlags counting;
    counting.fill(true);
    counting[0] = false;
    const ClassGrid &grid = klasse.Grid;
    for (int c = 0; c < grid.ColCount(); ++c) {
        const TColData *data = grid.ColData(c);
        if (!data || data->Kind != KindResult || !data->Info || !data->Info->NotCounting())
            continue;
        const int from = std::max(data->Info->FromCol, 1);
        const int to = std::min(data->Info->ToCol, kMaxResults);
        for (int n = from; n <= to; ++n)
            counting[static_cast<std::size_t>(n)] = false;
    }
    return counting;
}

int ResultPoints(const ClubRec &club, int stored) {
    if ((club.Options & OptStoreFinishOrder) && stored >= 1)
        return PointsForPosition(club, stored);
    return stored;
}

CountingBasis::CountingBasis(const ClubRec &club, const CountingFlags &counting, int c)
    : club_(&club), counting_(counting) {
    for (int slot = 1; slot <= kMaxResults; ++slot)
        if (counting[static_cast<std::size_t>(slot)])
            slots_[static_cast<std::size_t>(countingSlotCount_++)] = static_cast<uint8_t>(slot);
    slotCount_ = std::clamp(c, 0, countingSlotCount_);
    for (int stored = -1; stored <= kMaxResultValue; ++stored) {
        const int points = ResultPoints(club, stored);
        const auto index = static_cast<std::size_t>(stored + 1);
        points_[index] = static_cast<int16_t>(points);
        gain_[index] = static_cast<int16_t>(std::max(points, 0));
        countIndex_[index] = static_cast<uint8_t>(std::min(static_cast<unsigned>(points + 1), kCountOutside));
        highestPoints_ = std::max(highestPoints_, points);
    }
    for (int step = 1; step <= kTieStepCount; ++step)
        placePoints_[static_cast<std::size_t>(step)] =
            PointsForPosition(club, club.TieSteps[static_cast<std::size_t>(step)].Param + 1);
    positions_.fill(kNotWorkedOut);
}

int CountingResultNumber(const ClubRec &club, TKlasse *klasse) {
    if (!klasse)
        return 0;
    const int c = CountColumns(*klasse);
    if (c == 0)
        return 0;
    int n = 0;
    if (club.CalcFlags & CalcDropMode) {
        n = c - club.DropCount;
    } else {
        const double x = static_cast<double>(c) / 100.0 * club.CountPercent;
        int t = static_cast<int>(x);
        if (!(club.CalcFlags & CalcRoundDown) && x - t > 0.01)
            ++t;
        n = t + club.CountPlus;
    }
    return n < 1 ? c : n;
}

namespace {

// The totals of a rider's values: of all values of 0 or more, and of those
// among the first n (-1 when there are none).
struct Totals {
    int Total = -1;
    int Net = -1;
};

// All values of 0 and more make the total, those among the first n the net
// total. The values after the first n are few (the dropped ones), so the net
// total is the total less theirs.
Totals SumValues(const CountedResults &counted, int n) {
    int restSum = 0;
    int restResults = 0;
    const int first = std::clamp(n, 0, counted.Taken);
    for (int i = first; i < counted.Taken; ++i) {
        const int value = counted.Values[static_cast<std::size_t>(i)];
        restSum += value < 0 ? 0 : value;
        restResults += value < 0 ? 0 : 1;
    }
    Totals totals;
    if (counted.Results > 0)
        totals.Total = counted.Sum;
    if (counted.Results > restResults)
        totals.Net = counted.Sum - restSum;
    return totals;
}

// Marks the dropped values of a net key (the sorted values from n on) in the
// rider's counting slots, one after the other; with finish positions stored,
// by their position.
void MarkDroppedOfKey(const ClubRec &club, const CountingBasis &basis, CountedResults &sorted, TRijder &rider,
                      int n) {
    const bool storedAsPositions = (club.Options & OptStoreFinishOrder) != 0;
    const bool zeroAsEmpty = (club.Options & OptZeroAsEmpty) != 0;
    // Sorted, the results come first: the values after them are no results.
    for (int i = std::max(n, 0); i < sorted.Results; ++i) {
        const int value = sorted.Values[static_cast<std::size_t>(i)];
        if (value == 0 && zeroAsEmpty)
            continue;
        MarkDroppedValue(basis, sorted, rider,
                         storedAsPositions && value >= 1 ? basis.PositionFor(value) : value);
    }
}

} // namespace

std::size_t BuildStandingKey(const ClubRec &club, const CountingBasis &basis, TRijder &rider, int n,
                             KeyVariant variant, int horsConcours) {
    KeyBuffer key;
    const std::size_t head = WriteStandingKey(club, basis, rider, n, variant, horsConcours, key);
    rider.SortKey.assign(key.View());
    return head;
}

std::size_t WriteStandingKey(const ClubRec &club, const CountingBasis &basis, TRijder &rider, int n,
                             KeyVariant variant, int horsConcours, KeyBuffer &key) {
    CountedResults counted = CollectCountingResults(basis, rider);
    if (variant != KeyVariant::Daily)
        SortBestFirst(counted);

    Totals totals = SumValues(counted, n);
    if (horsConcours == HcNoPoints && rider.HorsConcours())
        totals = Totals{};
    rider.CalcTotal = totals.Total;
    rider.CalcNet = totals.Net;

    key.Char((rider.CalcMarks & MarkNotClassified) ? '0' : '1');
    key.Padded(variant == KeyVariant::Net ? totals.Net : totals.Total, kTotalWidth);
    std::size_t head = key.Size();
    if (variant == KeyVariant::Daily) {
        if (counted.LastColumnValue < 0)
            key.Text("//");
        else
            key.Padded(counted.LastColumnValue, kValueWidth);
    } else {
        head = AppendTieBreak(key, club, basis, counted, rider, n, variant == KeyVariant::Net);
    }

    if (variant == KeyVariant::Net && (club.ViewFlags & ViewMarkDropped))
        MarkDroppedOfKey(club, basis, counted, rider, n);
    return head;
}

void AverageKey(const ClubRec &club, const CountingBasis &basis, TRijder &rider, int n, int horsConcours) {
    if (club.AverageMethod == 2) {
        BuildStandingKey(club, basis, rider, n, KeyVariant::Net, horsConcours);
        const bool noPoints = horsConcours == HcNoPoints && rider.HorsConcours();
        rider.CalcTotal = rider.CalcNet;
        rider.CalcNet = noPoints ? -1 : n;
    } else {
        const CountedResults counted = CollectCountingResults(basis, rider);
        const bool withZero = club.AverageMethod == 1;
        int total = -1;
        for (int i = 0; i < counted.Taken; ++i) {
            const int value = counted.Values[static_cast<std::size_t>(i)];
            if (value > 0 || (withZero && value == 0))
                total = std::max(total, 0) + value;
        }
        rider.CalcTotal = total;
        rider.CalcNet = club.AverageMethod == 0   ? counted.AboveZero
                        : club.AverageMethod == 1 ? counted.Results
                                                  : counted.Taken;
    }
    rider.SortKey = FormatAverage(rider.CalcTotal, rider.CalcNet);
    AppendPadded(rider.SortKey, rider.CalcNet, kValueWidth);
}

std::string FormatAverage(int sum, int count) {
    std::string text = AverageText(std::max(sum, 0), count);
    if (text.size() < kAverageWidth)
        text.insert(0, kAverageWidth - text.size(), '0');
    return text;
}

std::string PadNumber(std::string_view input, int width) {
    std::string text;
    text.reserve(input.size());
    for (char ch : input)
        if (ch != ' ')
            text += ch;
    auto isDigit = [](char ch) { return ch >= '0' && ch <= '9'; };
    const bool negative = !text.empty() && text[0] == '-';
    const std::size_t digitsFrom = negative ? 1 : 0;
    if (text.size() <= digitsFrom || !isDigit(text[digitsFrom]))
        return text;
    std::size_t numberLength = digitsFrom;
    while (numberLength < text.size() && isDigit(text[numberLength]))
        ++numberLength;
    const auto w = static_cast<std::size_t>(std::max(width, 0));
    if (w <= text.size())
        return text;
    std::string padded;
    if (negative) {
        padded = "-";
        padded.append(w - numberLength + 1, '0');
        padded.append(text, 1);
    } else {
        padded.append(w - numberLength, '0');
        padded += text;
    }
    return padded;
}

void KeyBuffer::Padded(int value, int width) {
    width = std::min(width, kMaxWidth);
    char *out = chars_ + size_;
    if (value >= 0 && value < 1000 && width >= 3) {
        for (int i = 3; i < width; ++i)
            *out++ = '0';
        SetEnd(PutThreeDigits(out, value));
        return;
    }
    char digits[16];
    int length = 0;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits[length++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const int textLength = length + (value < 0 ? 1 : 0);
    if (value < 0) {
        *out++ = '-';
        if (width > textLength)
            for (int i = 0; i < width - textLength + 1; ++i)
                *out++ = '0';
    } else if (width > textLength) {
        for (int i = 0; i < width - textLength; ++i)
            *out++ = '0';
    }
    while (length > 0)
        *out++ = digits[--length];
    size_ = static_cast<std::size_t>(out - chars_);
}

void AppendPadded(std::string &key, int value, int width) {
    KeyBuffer buffer;
    buffer.Padded(value, width);
    key += buffer.View();
}

void RangeTotal(const ClubRec &club, TRijder &rider, int from, int to) {
    int total = -1;
    for (int slot = std::max(from, 1); slot <= std::min(to, kMaxResults); ++slot) {
        const int value = ResultPoints(club, GetResult(rider, slot));
        if (value >= 0)
            total = std::max(total, 0) + value;
    }
    const int last = (from <= to) ? ResultPoints(club, GetResult(rider, to)) : -1;
    rider.CalcNet = total;
    rider.CalcTotal = -1;
    rider.SortKey.clear();
    AppendPadded(rider.SortKey, total, kTotalWidth);
    AppendPadded(rider.SortKey, last, kValueWidth);
}

void ApplyHorsConcours(const ClubRec &club, TKlasse &klasse, int row) {
    ClassGrid &grid = klasse.Grid;
    TRijder *hc = grid.Rider(row);
    if (!hc)
        return;
    const bool positions = (club.Options & OptStoreFinishOrder) != 0;
    const int columns = std::clamp(klasse.ResultCount, 0, kMaxResults);
    for (int r = 1; r < grid.RowCount(); ++r) {
        TRijder *other = grid.Rider(r);
        if (r == row || !other || (other->CalcMarks & MarkNotClassified))
            continue;
        for (int k = 1; k <= columns; ++k) {
            const int mine = hc->Results[static_cast<std::size_t>(k)];
            int16_t &theirs = other->Results[static_cast<std::size_t>(k)];
            if (mine <= 0 || theirs <= 0)
                continue;
            if (positions && theirs > mine)
                theirs = static_cast<int16_t>(theirs - 1);
            else if (!positions && theirs < mine)
                theirs = static_cast<int16_t>(PointsForPosition(club, PositionForPoints(club, theirs) - 1));
        }
    }
    // Marked as not classified while keeping the copy, so that removing the
    // standings gives him his own results back.
    hc->CalcMarks |= MarkNotClassified;
    for (int k = 1; k <= kMaxResults; ++k)
        hc->Results[static_cast<std::size_t>(k)] = kNoResult;
}

void MarkDropped(const CountingFlags &counting, TRijder &rider, int value) {
    for (int slot = 1; slot <= kMaxResults; ++slot) {
        int16_t &stored = rider.Results[static_cast<std::size_t>(slot)];
        if (counting[static_cast<std::size_t>(slot)] && stored == value) {
            stored = static_cast<int16_t>(stored + kDropMark);
            return;
        }
    }
}

std::string CalcInfoText(const ClubRec &club, int mode, int n, int c) {
    if (mode == ModeDaily)
        return "Berekend als dagklassement.";
    if (mode != ModeNet && !(mode == ModeAverage && club.AverageMethod == 2))
        return {};
    if (club.CalcFlags & CalcDropMode) {
        std::string text = "Netto totaal berekend ";
        if (n < c)
            return text + " met " + IntText(c - n) + " schrapresultaten.";
        return text + "zonder uitslagen te schrappen.";
    }
    std::string text = "Netto totaal berekend over ";
    if (n < c)
        return text + "de " + IntText(n) + " beste uitslagen.";
    return text + "alle uitslagen.";
}

void CalculateStandings(const ClubRec &club, TKlasse &klasse, int mode, int n, int direction, int c,
                        const StandingsRun &run) {
    ClassGrid &grid = klasse.Grid;
    const bool standings = mode > ModeExtra3;
    CountingFlags counting;
    counting.fill(true);
    if (standings) {
        n = std::min(n, c);
        if (run.HorsConcours == HcNoResults)
            ApplyHorsConcoursOption(club, klasse);
        counting = CountingFlagsOf(klasse);
    }
    const CountingBasis basis(club, counting, c);
    klasse.CalcInfo = CalcInfoText(club, mode, n, c);

    const int rowCount = grid.RowCount() - 1;
    // The keys of the standings are written one after the other into one
    // block, the others stay in the riders' SortKey (which keeps its room
    // from one calculation to the next); the sort looks at them through views.
    const std::string replacement = EmptyKeyReplacement(direction);
    std::vector<std::string_view> keys(static_cast<std::size_t>(std::max(grid.RowCount(), 1)), replacement);
    std::vector<std::size_t> heads(keys.size(), replacement.size());
    KeyStore store;
    struct Piece {
        std::size_t At = std::string::npos;
        std::size_t Length = 0;
    };
    std::vector<Piece> stored(keys.size());
    for (int r = 1; r <= rowCount; ++r) {
        TRijder *rider = grid.Rider(r);
        if (!rider)
            continue;
        std::size_t head = 0;
        if (standings && !run.MarksCleared)
            ClearDropMarks(*rider);
        switch (mode) {
        case ModeNet:
        case ModeGross:
        case ModeDaily: {
            const KeyVariant variant = mode == ModeNet     ? KeyVariant::Net
                                       : mode == ModeGross ? KeyVariant::Gross
                                                           : KeyVariant::Daily;
            KeyBuffer key(store.Room());
            head = WriteStandingKey(club, basis, *rider, n, variant, run.HorsConcours, key);
            stored[static_cast<std::size_t>(r)] = Piece{store.Add(key.Size()), key.Size()};
            store.ExpectMore(rowCount - r);
            heads[static_cast<std::size_t>(r)] = head;
            continue;
        }
        case ModeAverage:
            AverageKey(club, basis, *rider, n, run.HorsConcours);
            break;
        default:
            rider->SortKey.assign(SortKeyFor(club, *rider, mode, n));
            break;
        }
        if (rider->SortKey.empty())
            rider->SortKey = replacement;
        keys[static_cast<std::size_t>(r)] = rider->SortKey;
        heads[static_cast<std::size_t>(r)] = head;
    }
    for (std::size_t r = 0; r < keys.size(); ++r)
        if (stored[r].At != std::string::npos)
            keys[r] = store.At(stored[r].At, stored[r].Length);

    std::vector<int> order(static_cast<std::size_t>(std::max(rowCount, 0)));
    for (int r = 1; r <= rowCount; ++r)
        order[static_cast<std::size_t>(r - 1)] = r;
    ShellSortRows(order, keys, direction);
    ReorderRows(grid, order);
    if (run.Keys)
        for (int r : order)
            run.Keys->emplace_back(keys[static_cast<std::size_t>(r)]);
    if (klasse.CalcState == 0)
        return;

    NumberPlaces(grid, run.HorsConcours);
    const bool reportTies = run.Problems && (mode == ModeNet || mode == ModeGross || mode == ModeDaily);
    if (reportTies) {
        std::vector<TieRow> rows;
        rows.reserve(order.size());
        for (int r = 1; r <= rowCount; ++r) {
            const auto from = static_cast<std::size_t>(order[static_cast<std::size_t>(r - 1)]);
            const TRijder *rider = grid.Rider(r);
            rows.push_back(TieRow{keys[from], heads[from], rider ? rider->CalcNet : -1});
        }
        ReportTies(rows, mode == ModeDaily, klasse, *run.Problems);
    }
    for (int r = 1; r <= rowCount; ++r)
        if (TRijder *rider = grid.Rider(r))
            rider->SortKey.clear();
}

std::string StandingsDescription(const ClubRec &club, const TKlasse &klasse) {
    int sentence = 0;
    switch (klasse.CalcState) {
    case 1: {
        const TColData *last = klasse.ColData(klasse.Grid.ColCount() - 1);
        sentence = (last && last->Kind == KindNet) ? 1 : 2;
        break;
    }
    case 2:
        sentence = 1;
        break;
    case 3:
        if (club.AverageMethod >= 0 && club.AverageMethod <= 3)
            sentence = 5 + club.AverageMethod;
        break;
    default:
        break;
    }
    if (club.CalcFlags & CalcDropMode) {
        if (sentence == 1)
            sentence = 3;
        else if (sentence == 7)
            sentence = 9;
    }
    switch (sentence) {
    case 1:
        return "Er zijn #T uitslagen. Hiervan zijn de #N beste uitslagen tellend voor de eindstand";
    case 2:
        return "Er zijn #T uitslagen. Er zijn geen uitslagen geschrapt.";
    case 3:
        return "Er zijn #T uitslagen. De eindstand is berekend met #G schrapresultaten.";
    case 5:
        return "Gemiddelde berekend van uitslagen met meer dan nul punten.";
    case 6:
        return "Gemiddelde berekend van uitslagen met nul of meer punten.";
    case 7:
        return "Gemiddelde berekend van de #N beste uitslagen.";
    case 8:
        return "Gemiddelde berekend van #T uitslagen (incl. nul en geen punten).";
    case 9:
        return "Gemiddelde berekend waarbij #G uitslagen zijn geschrapt.";
    default:
        return {};
    }
}

std::string ExpandPlaceholders(std::string_view text, const ClubRec &club, TKlasse &klasse) {
    const int counting = CountColumns(klasse);
    const TColData *net = nullptr;
    for (int c = klasse.Grid.ColCount() - 1; c >= 0 && !net; --c)
        if (const TColData *data = klasse.ColData(c); data && data->Kind == KindNet)
            net = data;

    struct Placeholder {
        const char *Name;
        std::string Value;
    };
    const Placeholder placeholders[] = {
        {"#K", klasse.Name.str()},
        {"#C", club.ClubName.str()},
        {"#A", IntText(klasse.ResultCount)},
        {"#T", IntText(counting)},
        {"#N", net ? IntText(net->Number) : std::string()},
        {"#G", net ? IntText(counting - net->Number) : std::string()},
    };

    // The text as pieces: template pieces may still hold placeholders,
    // inserted values never do.
    struct Piece {
        std::string Text;
        bool Template;
    };
    std::vector<Piece> pieces{{std::string(text), true}};
    for (const Placeholder &placeholder : placeholders) {
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (!pieces[i].Template)
                continue;
            const std::size_t at = pieces[i].Text.find(placeholder.Name);
            if (at == std::string::npos)
                continue;
            Piece after{pieces[i].Text.substr(at + 2), true};
            pieces[i].Text.resize(at);
            pieces.insert(pieces.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                          {Piece{placeholder.Value, false}, std::move(after)});
            break;
        }
    }
    std::string result;
    for (const Piece &piece : pieces)
        result += piece.Text;
    return result;
}

std::string AverageLabel(const ClubRec &club) {
    return AverageMethodLabel(club);
}

} // namespace rondaxa
