#include "core/results/results_check.h"

#include <algorithm>
#include <array>

namespace rondaxa {

namespace {

constexpr int kHighestChecked = 100;

using Counters = std::array<int, kHighestChecked + 1>; // [1..100]

struct ColumnCheck {
    const ClubRec &Club;
    int Column;
    std::string Label;
    bool ShowsPoints; // values in findings are points
    ProblemList &Problems;

    void Add(const std::string &finding) const {
        Problems.AddProblem("Kolom: " + IntText(Column) + "\t" + finding, Column);
    }
    int Shown(int position) const { return ShowsPoints ? PointsForPosition(Club, position) : position; }
};

// The position a stored value stands for, counted when it lies in 1..100.
// With points stored, a value the table cannot produce is reported.
void CountResult(const ColumnCheck &check, int value, Counters &counters, int &counted) {
    const ClubRec &club = check.Club;
    if (!(club.Options & OptStoreFinishOrder)) {
        const int position = PositionForPoints(club, value);
        if (PointsForPosition(club, position) != value) {
            check.Add("Ongeldige uitslag waarde " + IntText(value) + " !");
            value = 0;
        } else {
            value = position;
        }
    }
    const int minimum = (club.CalcFlags & CalcMinOnePoint) ? 2 : 1;
    if ((club.Options & OptPositionsAsPoints) && PointsForPosition(club, value) < minimum)
        value = 0;
    if (value >= 1 && value <= kHighestChecked) {
        ++counters[static_cast<std::size_t>(value)];
        ++counted;
    }
}

// Walks the places 1..counted. A run of missing places is reported once,
// its last place first (for positions the range reads from high to low).
void ReportPlaces(const ColumnCheck &check, const Counters &counters, int counted) {
    int gapEnd = 0; // the last place of the last gap reported
    for (int p = 1; p <= std::min(counted, kHighestChecked); ++p) {
        const int count = counters[static_cast<std::size_t>(p)];
        const int a = check.Shown(p);
        if (count > 1) {
            if (a >= 1)
                check.Add(check.Label + IntText(a) + " komt " + IntText(count) + " maal voor.");
            continue;
        }
        if (count != 0 || p <= gapEnd)
            continue;
        int q = p + 1;
        while (q < kHighestChecked && counters[static_cast<std::size_t>(q)] == 0)
            ++q;
        const bool range = q < kHighestChecked && p < q - 1;
        gapEnd = q < kHighestChecked ? q - 1 : kHighestChecked;
        if (a < 1)
            continue;
        if (range)
            check.Add(check.Label + IntText(check.Shown(gapEnd)) + " t/m " + IntText(a) +
                      " komen niet voor.");
        else
            check.Add(check.Label + IntText(a) + " komt niet voor.");
    }
}

} // namespace

bool WordedAsPositions(const ClubRec &club) {
    return (club.Options & OptStoreFinishOrder) && !(club.Options & OptPositionsAsPoints);
}

CheckRange CheckRangeFor(bool all, int from, int to, int resultCount) {
    if (all)
        return {1, resultCount};
    return {from, std::max(from, to)};
}

void CheckResults(const ClubRec &club, const TKlasse &klasse, int first, int last, ProblemList &problems) {
    if (first < 1 || first > last || last > klasse.ResultCount)
        return;
    const bool showsPoints = (club.Options & OptPositionsAsPoints) || !(club.Options & OptStoreFinishOrder);
    const std::string label = WordedAsPositions(club) ? "Plaats " : "Uitslag waarde ";
    for (int c = first; c <= last; ++c) {
        const ColumnCheck check{club, c, label, showsPoints, problems};
        Counters counters{};
        int counted = 0;
        for (int row = 1; row < klasse.Grid.RowCount(); ++row)
            if (const TRijder *rider = klasse.Rider(row))
                CountResult(check, GetResult(*rider, c), counters, counted);
        ReportPlaces(check, counters, counted);
    }
}

} // namespace rondaxa
