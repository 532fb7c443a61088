#include "core/results/problem_clicks.h"
#include "core/results/results_check.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

constexpr int N = kNoResult;

// One class whose columns hold the given values, one rider per row.
Competition ClassWithRows(const std::vector<std::vector<int>> &rows, int32_t options) {
    Competition comp = MakeCompetition({"MX1"});
    comp.Club.Options = options;
    for (std::size_t i = 0; i < rows.size(); ++i)
        AddRider(comp, *comp.Classes[0], "Rijder " + std::to_string(i + 1), std::to_string(i + 1), rows[i]);
    CountColumns(*comp.Classes[0]);
    return comp;
}

Competition ClassWithColumn(const std::vector<int> &values, int32_t options) {
    std::vector<std::vector<int>> rows;
    for (int v : values)
        rows.push_back({v});
    return ClassWithRows(rows, options);
}

std::vector<std::string> Findings(const Competition &comp, int first = 1, int last = 1) {
    ProblemList problems;
    CheckResults(comp.Club, *comp.Classes[0], first, last, problems);
    std::vector<std::string> texts;
    for (const Problem &problem : problems.Entries())
        texts.push_back(problem.Text);
    return texts;
}

using Texts = std::vector<std::string>;

TEST(CheckResults, DoublesAndGapsOfFinishPositions) {
    const Competition comp = ClassWithColumn({1, 2, 2, 4, 6}, OptStoreFinishOrder);
    EXPECT_EQ(Findings(comp),
              (Texts{"Kolom: 1\tPlaats 2 komt 2 maal voor.", "Kolom: 1\tPlaats 3 komt niet voor.",
                     "Kolom: 1\tPlaats 5 komt niet voor."}));
}

TEST(CheckResults, ARunOfMissingPlacesIsOneFindingReadFromHighToLow) {
    const Competition comp = ClassWithRows({{N, N, 1}, {N, N, 5}, {N, N, 6}}, OptStoreFinishOrder);
    const Texts found = Findings(comp, 3, 3);
    EXPECT_EQ(found, (Texts{"Kolom: 3\tPlaats 4 t/m 2 komen niet voor."}));
    // Its click leads to the rider after the gap.
    EXPECT_EQ(CheckEntryRow(comp.Club, *comp.Classes[0], found[0], 3), 2);
    // A run that ends before the last place counted is told once too.
    EXPECT_EQ(Findings(ClassWithColumn({1, 4, 5, 6, 7}, OptStoreFinishOrder)),
              (Texts{"Kolom: 1\tPlaats 3 t/m 2 komen niet voor."}));
}

TEST(CheckResults, PointsStoredReportValuesTheTableCannotGive) {
    const Competition comp = ClassWithColumn({50, 46, 47, 0, N}, 0);
    const Texts found = Findings(comp);
    EXPECT_EQ(found,
              (Texts{"Kolom: 1\tOngeldige uitslag waarde 46 !", "Kolom: 1\tOngeldige uitslag waarde 0 !"}));
    EXPECT_EQ(CheckEntryRow(comp.Club, *comp.Classes[0], found[0], 1), 2);
    EXPECT_EQ(CheckEntryRow(comp.Club, *comp.Classes[0], found[1], 1), 1);
}

TEST(CheckResults, PositionsShownAsPointsAreWordedAsPoints) {
    const int32_t shown = OptStoreFinishOrder | OptPositionsAsPoints;
    EXPECT_EQ(Findings(ClassWithColumn({1, 2, 2, 4}, shown)),
              (Texts{"Kolom: 1\tUitslag waarde 47 komt 2 maal voor.",
                     "Kolom: 1\tUitslag waarde 45 komt niet voor."}));
    EXPECT_EQ(Findings(ClassWithColumn({1, 5, 6}, shown)),
              (Texts{"Kolom: 1\tUitslag waarde 43 t/m 47 komen niet voor."}));
    // A second gap further down is reported as the first.
    EXPECT_EQ(Findings(ClassWithColumn({1, 3, 5, 6, 8}, shown)),
              (Texts{"Kolom: 1\tUitslag waarde 47 komt niet voor.",
                     "Kolom: 1\tUitslag waarde 43 komt niet voor."}));
    // The same gaps with points stored.
    EXPECT_EQ(Findings(ClassWithColumn({50, 45, 41, 40}, 0)),
              (Texts{"Kolom: 1\tUitslag waarde 47 komt niet voor.",
                     "Kolom: 1\tUitslag waarde 43 komt niet voor."}));
}

TEST(CheckResults, PlacesAboveTheCountAndValuesAbove100AreNotExamined) {
    EXPECT_TRUE(Findings(ClassWithColumn({1, 2, 150, 0}, OptStoreFinishOrder)).empty());
    // Places that earn no points are not checked while positions show as points.
    Competition table = ClassWithColumn({1, 2, 3, 4, 5, 60, 70}, OptStoreFinishOrder | OptPositionsAsPoints);
    table.Club.Deduction = 1;
    EXPECT_TRUE(Findings(table).empty());
    // With at least one point for every place, the places that share that
    // one point are not checked either: only 1..4 earn points of their own.
    Competition minimum = ClassWithColumn({1, 2, 3, 4, 6, 6}, OptStoreFinishOrder | OptPositionsAsPoints);
    minimum.Club.PointsCount = 3;
    minimum.Club.Points = {0, 10, 9, 8, 0, 0, 0, 0, 0, 0, 0};
    minimum.Club.Deduction = 4;
    minimum.Club.CalcFlags |= CalcMinOnePoint;
    EXPECT_TRUE(Findings(minimum).empty());
}

TEST(CheckResults, AHundredPlacesWithTheLastOneMissingEndsTheWalk) {
    // Places 1..99 and 101: place 100 is missing and no place after it is
    // looked at beyond the counters.
    std::vector<int> values;
    for (int p = 1; p <= 99; ++p)
        values.push_back(p);
    values.push_back(101);
    values.push_back(1);
    EXPECT_EQ(Findings(ClassWithColumn(values, OptStoreFinishOrder)),
              (Texts{"Kolom: 1\tPlaats 1 komt 2 maal voor.", "Kolom: 1\tPlaats 100 komt niet voor."}));
}

TEST(CheckResults, RangeAndEmptyColumns) {
    const Competition comp = ClassWithRows({{1, N, 1}, {1, N, 2}}, OptStoreFinishOrder);
    EXPECT_EQ(Findings(comp, 1, 3),
              (Texts{"Kolom: 1\tPlaats 1 komt 2 maal voor.", "Kolom: 1\tPlaats 2 komt niet voor."}));
    EXPECT_TRUE(Findings(comp, 2, 3).empty());
    EXPECT_TRUE(Findings(comp, 3, 4).empty()); // beyond the class's columns: nothing checked
    EXPECT_TRUE(Findings(comp, 0, 1).empty());

    const CheckRange all = CheckRangeFor(true, 2, 1, 7);
    EXPECT_EQ(all.First, 1);
    EXPECT_EQ(all.Last, 7);
    const CheckRange upward = CheckRangeFor(false, 5, 2, 7);
    EXPECT_EQ(upward.First, 5);
    EXPECT_EQ(upward.Last, 5);
}

int RowOf(const Competition &comp, const std::string &text) {
    return CheckEntryRow(comp.Club, *comp.Classes[0], text, 1);
}

TEST(CheckEntryRow, PositionsLeadToTheDuplicateAndToTheRiderAfterAGap) {
    const Competition comp = ClassWithColumn({N, 6, 2, 1, 5, 2}, OptStoreFinishOrder);
    EXPECT_EQ(RowOf(comp, "Kolom: 1\tPlaats 2 komt 2 maal voor."), 3);
    EXPECT_EQ(RowOf(comp, "Kolom: 1\tPlaats 4 t/m 3 komen niet voor."), 5); // the range's high end first
    EXPECT_EQ(RowOf(comp, "Kolom: 1\tPlaats 6 komt niet voor."), -1);       // nobody after it: row stays
    EXPECT_EQ(RowOf(comp, "Kolom: 1\tPlaats 12 komt 3 maal voor."), -1);
}

TEST(CheckEntryRow, PointsShownOrStoredAreTurnedIntoStoredValues) {
    // Positions stored, shown as points: 47 is position 2, 43 is position 4.
    const Competition shown = ClassWithColumn({1, 5, 2, 2}, OptStoreFinishOrder | OptPositionsAsPoints);
    EXPECT_EQ(RowOf(shown, "Kolom: 1\tUitslag waarde 47 komt 2 maal voor."), 3);
    EXPECT_EQ(RowOf(shown, "Kolom: 1\tUitslag waarde 43 t/m 45 komen niet voor."), 2);

    // Points stored: a gap is stepped over as a position and found as points.
    const Competition stored = ClassWithColumn({50, 46, 41, 0, 47}, 1);
    EXPECT_EQ(RowOf(stored, "Kolom: 1\tUitslag waarde 43 t/m 45 komen niet voor."), 3);
    EXPECT_EQ(RowOf(stored, "Kolom: 1\tOngeldige uitslag waarde 46 !"), 2);
    EXPECT_EQ(RowOf(stored, "Kolom: 1\tOngeldige uitslag waarde 0 !"), 1); // no number to look for: row 1
}

TEST(NumberAfter, ReadsTheWholeNumberAfterTheLastOccurrence) {
    EXPECT_EQ(NumberAfter("Kolom: 3\tPlaats 4 t/m 2 komen niet voor.", "Plaats"), 4);
    EXPECT_EQ(NumberAfter("MX2\tPlaats 3 t/m 123 <!>", "t/m"), 123);
    EXPECT_EQ(NumberAfter("8 t/m 12 jaar\tPlaats 2 t/m 5", "t/m"), 5);
    EXPECT_EQ(NumberAfter("Plaats", "Plaats"), 0);
    EXPECT_EQ(NumberAfter("geen", "Plaats"), 0);
    EXPECT_EQ(TieEntryRow(Problem{"MX2\tPlaats 3 t/m 12", 1, 0}), 12);
    EXPECT_EQ(TieEntryRow(Problem{"8 t/m 12 jaar\tPlaats 2 t/m 5", 1, 5}), 5);
}

} // namespace
} // namespace rondaxa
