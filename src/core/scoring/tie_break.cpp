#include "core/scoring/tie_break.h"

#include <algorithm>
#include <array>
#include <functional>

namespace rondaxa {

namespace {

void AppendValue(KeyBuffer &key, int value) {
    if (value < 0) {
        key.Char('/');
        key.Char('/');
    } else {
        key.Padded3(value);
    }
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

void AppendContribution(KeyBuffer &key, const ClubRec &club, const TieStep &step,
                        const CountedResults &sorted, const TRijder &rider, int n, bool net) {
    const int taken = sorted.Taken;
    switch (step.Method) {
    case TieBestResults:
        for (int i = 0; i < taken; ++i)
            AppendValue(key, sorted.Values[static_cast<std::size_t>(i)]);
        break;
    case TiePlaceCounts: {
        const int better = PointsForPosition(club, step.Param + 1);
        for (int i = 0; i < taken; ++i) {
            const int value = sorted.Values[static_cast<std::size_t>(i)];
            AppendValue(key, value > better ? value : -1);
        }
        break;
    }
    case TieDropped:
        if (net)
            for (int i = std::max(n, 0); i < taken; ++i)
                AppendValue(key, sorted.Values[static_cast<std::size_t>(i)]);
        break;
    case TieLastResult:
        AppendValue(key, sorted.LastColumnValue);
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

CountedResults CollectCountingResults(const CountingFlags &counting, const ResultPointsTable &points,
                                      const TRijder &rider, int c) {
    CountedResults counted;
    for (int slot = 1; slot <= kMaxResults && counted.Taken < c; ++slot) {
        if (!counting[static_cast<std::size_t>(slot)])
            continue;
        const int value = points(rider.Results[static_cast<std::size_t>(slot)]);
        counted.Values[static_cast<std::size_t>(counted.Taken++)] = value;
        // Counted without branches: missing and zero results come anywhere.
        const bool result = value >= 0;
        counted.Results += result ? 1 : 0;
        counted.AboveZero += value > 0 ? 1 : 0;
        counted.LastObtained = result ? value : counted.LastObtained;
        counted.LastColumnValue = value;
    }
    return counted;
}

void SortBestFirst(CountedResults &counted) {
    // Equal numbers cannot be told apart, so any correct sort gives the
    // order of the Shell sort; the values are counted into place (without
    // a comparison or a branch per value).
    int *begin = counted.Values.data();
    int *end = begin + counted.Taken;
    if (begin == end)
        return;
    const auto [low, high] = std::minmax_element(begin, end);
    const int lowest = *low;
    const int span = *high - lowest + 1;
    if (span > kMaxResultValue + 2) {
        std::sort(begin, end, std::greater<>());
        return;
    }
    // Where each value's run starts, best first; then every value is put in
    // its place.
    std::array<uint8_t, kMaxResultValue + 2> start;
    std::fill_n(start.begin(), span, uint8_t{0});
    for (const int *v = begin; v != end; ++v)
        ++start[static_cast<std::size_t>(*v - lowest)];
    int placed = 0;
    for (int i = span - 1; i >= 0; --i) {
        const int count = start[static_cast<std::size_t>(i)];
        start[static_cast<std::size_t>(i)] = static_cast<uint8_t>(placed);
        placed += count;
    }
    std::array<int, kMaxResults> sorted;
    for (const int *v = begin; v != end; ++v)
        sorted[start[static_cast<std::size_t>(*v - lowest)]++] = *v;
    std::copy(sorted.begin(), sorted.begin() + counted.Taken, begin);
}

std::size_t AppendTieBreak(KeyBuffer &key, const ClubRec &club, const CountedResults &sorted,
                           const TRijder &rider, int n, bool net) {
    std::size_t head = std::string::npos;
    for (int s = 1; s <= kTieStepCount; ++s) {
        const TieStep &step = club.TieSteps[static_cast<std::size_t>(s)];
        if (step.Method == TieNothing)
            break;
        if (s == club.TieNotify)
            head = key.Size();
        AppendContribution(key, club, step, sorted, rider, n, net);
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
