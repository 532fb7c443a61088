#include "core/scoring/tie_break.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>

namespace rondaxa {

namespace {

// A value of a step: "//" for no result, else three digits (or more).
char *PutValue(char *out, int value) {
    if (value < 0) {
        out[0] = '/';
        out[1] = '/';
        return out + 2;
    }
    if (value < 1000)
        return PutThreeDigits(out, value);
    KeyBuffer wide;
    wide.Padded(value, 3);
    const std::string_view text = wide.View();
    return std::copy(text.begin(), text.end(), out);
}

// The average of tie method 7, by the club's average method.
std::string AverageContribution(const ClubRec &club, const CountedResults &counted, const TRijder &rider,
                                int n) {
    switch (club.AverageMethod) {
    case 0:
        return FormatAverage(rider.CalcTotal, counted.AboveZero);
    case 1:
        return FormatAverage(rider.CalcTotal, counted.Results);
    case 2:
        return FormatAverage(rider.CalcNet, n);
    case 3:
        return FormatAverage(rider.CalcTotal, counted.Taken);
    default:
        return FormatAverage(-1, 0);
    }
}

// Appends the sorted values [from, to) to key: a piece of their text, or,
// when a value has more than three digits, value by value.
void AppendRun(KeyBuffer &key, const CountedResults &sorted, int from, int to) {
    if (from >= to)
        return;
    if (sorted.HasText) {
        // The results come first (three characters each), then the values
        // of no result (two).
        auto offset = [results = sorted.Results](int i) {
            return static_cast<std::size_t>(3 * std::min(i, results) + 2 * std::max(i - results, 0));
        };
        key.Text(std::string_view(sorted.Text.data() + offset(from), offset(to) - offset(from)));
        return;
    }
    char *out = key.End();
    for (int i = from; i < to; ++i)
        out = PutValue(out, sorted.Values[static_cast<std::size_t>(i)]);
    key.SetEnd(out);
}

// k values of no result: "//" each.
void AppendNoResults(KeyBuffer &key, int k) {
    static constexpr std::string_view kSlashes = "///////////////////////////////////////////////////////////"
                                                 "/////////////////////////////////////////";
    static_assert(kSlashes.size() == 2 * kMaxResults);
    key.Text(kSlashes.substr(0, static_cast<std::size_t>(2 * std::clamp(k, 0, kMaxResults))));
}

// The number of sorted values above points: they come first.
int CountAbove(const CountedResults &sorted, int points) {
    int count = 0;
    while (count < sorted.Taken && sorted.Values[static_cast<std::size_t>(count)] > points)
        ++count;
    return count;
}

void AppendContribution(KeyBuffer &key, const ClubRec &club, const CountingBasis &basis, int s,
                        const TieStep &step, const CountedResults &sorted, const TRijder &rider, int n,
                        bool net) {
    switch (step.Method) {
    case TieBestResults:
        AppendRun(key, sorted, 0, sorted.Taken);
        break;
    case TiePlaceCounts: {
        // The values above the points of the place after Param; the others
        // are written as no result.
        const int above = CountAbove(sorted, basis.PlacePointsOfStep(s));
        AppendRun(key, sorted, 0, above);
        AppendNoResults(key, sorted.Taken - above);
        break;
    }
    case TieDropped:
        if (net)
            AppendRun(key, sorted, std::max(n, 0), sorted.Taken);
        break;
    case TieLastResult:
        key.SetEnd(PutValue(key.End(), sorted.LastColumnValue));
        break;
    case TieLastObtained:
        key.Padded3(sorted.LastObtained);
        break;
    case TieGrossPoints:
        if (net)
            key.Padded(rider.CalcTotal, 5);
        break;
    case TieAverage:
        key.Text(AverageContribution(club, sorted, rider, n));
        break;
    case TieMostResults:
        key.Padded3(sorted.Results);
        break;
    case TieFewestResults:
        key.Padded3(250 - sorted.Results);
        break;
    default:
        break;
    }
}

} // namespace

CountedResults CollectCountingResults(const CountingBasis &basis, const TRijder &rider) {
    CountedResults counted;
    const int taken = basis.SlotCount();
    constexpr auto kOutside = static_cast<unsigned>(kMaxResultValue + 2);
    constexpr unsigned kOtherStored = CountingBasis::kStoredIndexes;
    counted.FirstWith.fill(CountedResults::kEndOfList);
    int sum = 0;
    int highest = basis.HighestPoints();
    // From the last slot to the first, so that every list is put together
    // in column order.
    for (int i = taken - 1; i >= 0; --i) {
        const int stored = rider.Results[static_cast<std::size_t>(basis.Slot(i))];
        auto index = static_cast<unsigned>(stored + 1);
        int value = 0;
        unsigned countAt = 0;
        if (index < CountingBasis::kStoredIndexes) {
            value = basis.TablePoints(index);
            countAt = basis.CountIndex(index);
            sum += basis.TableGain(index);
        } else {
            value = basis.Points(stored);
            countAt = std::min(static_cast<unsigned>(value + 1), kOutside);
            sum += std::max(value, 0);
            highest = std::max(highest, value);
            index = kOtherStored;
        }
        counted.Values[static_cast<std::size_t>(i)] = value;
        ++counted.Count[countAt];
        uint8_t &first = counted.FirstWith[index];
        counted.NextWith[static_cast<std::size_t>(i)] = first;
        first = static_cast<uint8_t>(i);
    }
    counted.Taken = taken;
    counted.Sum = sum;
    counted.Highest = highest;
    if (counted.Count[kOutside] == 0) {
        counted.Results = taken - counted.Count[0];
        counted.AboveZero = counted.Results - counted.Count[1];
    } else {
        for (int i = 0; i < taken; ++i) {
            const int value = counted.Values[static_cast<std::size_t>(i)];
            counted.Results += value >= 0 ? 1 : 0;
            counted.AboveZero += value > 0 ? 1 : 0;
        }
    }
    if (taken > 0)
        counted.LastColumnValue = counted.Values[static_cast<std::size_t>(taken - 1)];
    for (int i = taken - 1; i >= 0; --i) {
        if (counted.Values[static_cast<std::size_t>(i)] >= 0) {
            counted.LastObtained = counted.Values[static_cast<std::size_t>(i)];
            break;
        }
    }
    return counted;
}

void SortBestFirst(CountedResults &counted) {
    // Equal numbers cannot be told apart, so any correct sort gives the
    // order of the Shell sort. Values of -1..250 (nearly all) have been
    // counted, and are written back best first without a comparison, their
    // text along with them.
    int *values = counted.Values.data();
    const int taken = counted.Taken;
    counted.HasText = counted.Count[kMaxResultValue + 2] == 0;
    if (!counted.HasText) {
        std::sort(values, values + taken, std::greater<>());
        return;
    }
    int *out = values;
    char *text = counted.Text.data();
    for (int value = std::min(counted.Highest, kMaxResultValue); value >= 0; --value) {
        int k = counted.Count[static_cast<std::size_t>(value + 1)];
        if (k == 0)
            continue;
        // The value's digits are taken once, for every copy of it.
        char digits[4];
        PutThreeDigits(digits, value);
        do {
            *out++ = value;
            std::memcpy(text, digits, 4);
            text += 3;
        } while (--k > 0);
    }
    const int noResults = counted.Count[0];
    std::fill_n(out, noResults, -1);
    std::memset(text, '/', static_cast<std::size_t>(2 * noResults));
}

std::size_t AppendTieBreak(KeyBuffer &key, const ClubRec &club, const CountingBasis &basis,
                           const CountedResults &sorted, const TRijder &rider, int n, bool net) {
    std::size_t head = std::string::npos;
    for (int s = 1; s <= kTieStepCount; ++s) {
        const TieStep &step = club.TieSteps[static_cast<std::size_t>(s)];
        if (step.Method == TieNothing)
            break;
        if (s == club.TieNotify)
            head = key.Size();
        AppendContribution(key, club, basis, s, step, sorted, rider, n, net);
    }
    return head == std::string::npos ? key.Size() : head;
}

void ReportTies(const std::vector<TieRow> &rows, bool daily, const TKlasse &klasse, ProblemList &problems) {
    bool open = false;
    std::size_t first = 0;
    bool fullyEqual = false;
    auto head = [&](std::size_t i) { return rows[i].Key.substr(0, rows[i].HeadLength); };
    auto report = [&](std::size_t last) {
        if (last <= first || (daily && !fullyEqual))
            return;
        std::string text = klasse.Name.str() + "\tPlaats " + IntText(static_cast<long long>(first) + 1) +
                           " t/m " + IntText(static_cast<long long>(last) + 1);
        if (fullyEqual)
            text += " <!>";
        problems.AddProblem(std::move(text), klasse.ClassIndex, static_cast<int>(last) + 1);
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (open && head(i) != head(first)) {
            report(i - 1);
            open = false;
        }
        if (!open) {
            if (rows[i].CalcNet > 0) {
                open = true;
                first = i;
                fullyEqual = false;
            }
        } else if (!fullyEqual && rows[i].Key == rows[first].Key) {
            fullyEqual = true;
        }
    }
    if (open && first + 1 < rows.size())
        report(rows.size() - 1);
}

} // namespace rondaxa
