#include "core/results/problem_clicks.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

constexpr int N = kNoResult;

// One class whose column 1 holds the given values, one rider per value.
Competition ClassWithColumn(const std::vector<int> &values, int32_t options) {
    Competition comp = MakeCompetition({"MX1"});
    comp.Club.Options = options;
    for (std::size_t i = 0; i < values.size(); ++i)
        AddRider(comp, *comp.Classes[0], "Rijder " + std::to_string(i + 1), std::to_string(i + 1),
                 {values[i]});
    return comp;
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
