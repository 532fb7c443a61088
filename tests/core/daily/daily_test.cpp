#include "core/daily/daily.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

int FixedWidth(std::string_view text) {
    return static_cast<int>(text.size()) * 7;
}

// Points table 50, 47, 45, 43, 41; positions stored unless the test says
// otherwise.
class DailyTest : public ::testing::Test {
protected:
    DailyTest() : comp(MakeCompetition({"MX1"})), klasse(*comp.Classes[0]) {}

    DailyTable Classify(int from, int to, bool hcNoPoints = false) {
        return MakeDailyClassification(comp.Club, klasse, from, to, hcNoPoints, FixedWidth);
    }

    // Names of the daily rows from the top.
    std::vector<std::string> Order(const DailyTable &table) {
        std::vector<std::string> names;
        for (int r = 1; r < table.RowCount(); ++r)
            names.push_back(table.Rider(klasse, r) ? table.Rider(klasse, r)->Name.str() : "-");
        return names;
    }
    std::vector<int> Replacement(const DailyTable &table) {
        std::vector<int> points;
        for (int r = 1; r < table.RowCount(); ++r)
            points.push_back(table.Rider(klasse, r)->CalcTotal);
        return points;
    }

    Competition comp;
    TKlasse &klasse;
};

TEST_F(DailyTest, RidersWithoutPointsFollowAndGetNoneOrZero) {
    AddRider(comp, klasse, "Nothing", "1", {-1, -1, 1});
    AddRider(comp, klasse, "Zeros", "2", {0, 0});
    AddRider(comp, klasse, "Scorer", "3", {5, -1});
    const DailyTable table = Classify(1, 2);
    EXPECT_EQ(Order(table), (std::vector<std::string>{"Scorer", "Zeros", "Nothing"}));
    EXPECT_EQ(Replacement(table), (std::vector<int>{50, 0, -1}));
    EXPECT_EQ(table.Rider(klasse, 3)->CalcNet, -1);
    EXPECT_EQ(CellText(comp.Club, *table.Rider(klasse, 3), KindNet, 1), "");
}

TEST_F(DailyTest, HorsConcoursRiderKeepsHisPlaceWithoutPointsWhenChosen) {
    AddRider(comp, klasse, "First", "1", {1});
    AddRider(comp, klasse, "Guest", "2", {2}).Flags = RiderHorsConcours;
    AddRider(comp, klasse, "Third", "3", {3});
    EXPECT_EQ(Replacement(Classify(1, 1, true)), (std::vector<int>{50, -1, 47}));
    const DailyTable normal = Classify(1, 1, false);
    EXPECT_EQ(Order(normal), (std::vector<std::string>{"First", "Guest", "Third"}));
    EXPECT_EQ(Replacement(normal), (std::vector<int>{50, 47, 45}));
}

// Equal keys end where the Shell sort puts them, which is not where a
// stable sort would: the later tied rider comes first here.
TEST_F(DailyTest, EqualKeysEndInTheShellSortsOrder) {
    AddRider(comp, klasse, "Early", "1", {3});
    AddRider(comp, klasse, "Late", "2", {3});
    AddRider(comp, klasse, "Winner", "3", {1});
    EXPECT_EQ(Order(Classify(1, 1)), (std::vector<std::string>{"Winner", "Late", "Early"}));
}

TEST_F(DailyTest, ManyRidersEndInDescendingKeyOrder) {
    for (int i = 0; i < 40; ++i)
        AddRider(comp, klasse, "R" + std::to_string(i), std::to_string(i), {(i * 7) % 13 + 1, (i * 5) % 11});
    const DailyTable table = Classify(1, 2);
    for (int r = 2; r < table.RowCount(); ++r)
        EXPECT_GE(table.Rider(klasse, r - 1)->SortKey, table.Rider(klasse, r)->SortKey) << "row " << r;
}

TEST_F(DailyTest, DraggingRecomputesTheReplacementPoints) {
    AddRider(comp, klasse, "A", "1", {1});
    AddRider(comp, klasse, "B", "2", {2});
    AddRider(comp, klasse, "C", "3", {3});
    AddRider(comp, klasse, "D", "4", {-1});
    DailyTable table = Classify(1, 1);
    MoveDailyRow(comp.Club, klasse, table, 3, 1);
    EXPECT_EQ(Order(table), (std::vector<std::string>{"C", "A", "B", "D"}));
    EXPECT_EQ(Replacement(table), (std::vector<int>{50, 47, 45, -1}));
    // A rider without a total dragged to the top takes no points.
    MoveDailyRow(comp.Club, klasse, table, 4, 1);
    EXPECT_EQ(Replacement(table), (std::vector<int>{-1, 50, 47, 45}));
    MoveDailyRow(comp.Club, klasse, table, 0, 2); // the heading row does not move
    EXPECT_EQ(Order(table), (std::vector<std::string>{"D", "C", "A", "B"}));
}

TEST_F(DailyTest, TheGridTakesTheClassGridsLayout) {
    AddRider(comp, klasse, "A", "1", {1, 2, 3, 4});
    comp.Club.ViewFlags |= ViewStartNoFirst;
    RebuildFixedColumns(klasse, comp.Club);
    klasse.Grid.Col(0).Width = 30;
    klasse.Grid.Col(klasse.FirstResultCol).Width = 25;
    const DailyTable table = BuildDailyTable(klasse, 2, 4, false, FixedWidth);
    std::vector<std::string> headings;
    std::vector<int> kinds, widths;
    for (const DailyColumn &column : table.Columns) {
        headings.push_back(column.Heading);
        kinds.push_back(column.Kind);
        widths.push_back(column.Width);
    }
    EXPECT_EQ(headings[0], "PL");
    EXPECT_EQ(kinds, (std::vector<int>{KindRowNumber, KindStartNo, KindName, 3, 3, 3, KindNet, KindGross}));
    EXPECT_EQ(std::vector<std::string>(headings.begin() + 3, headings.end()),
              (std::vector<std::string>{"2", "3", "4", "Totaal", "Vervang"}));
    EXPECT_EQ(widths[0], 30);
    EXPECT_EQ(widths[3], 25);
    EXPECT_EQ(widths[6], 6 * 7 + 4);
    EXPECT_EQ(widths[7], 7 * 7 + 4);
    EXPECT_EQ(table.Columns[5].Number, 4);
}

TEST_F(DailyTest, AClassWithoutResultColumnsGivesAnEmptyClassification) {
    TRijder &rider = AddRider(comp, klasse, "A", "1");
    rider.CalcNet = 80; // left over from an earlier calculation
    const DailyTable table = Classify(0, 0);
    EXPECT_EQ(table.ColCount(), 5);
    EXPECT_EQ(rider.CalcNet, -1);
    EXPECT_EQ(rider.CalcTotal, -1);
}

// Column 1 of every class row after "&Toepassen" over from..to.
std::vector<int> AppliedColumn(Competition &comp, int from, int to, bool hcNoPoints = false) {
    TKlasse &klasse = *comp.Classes[0];
    const DailyTable table = MakeDailyClassification(comp.Club, klasse, from, to, hcNoPoints, FixedWidth);
    ApplyDailyClassification(comp, 0, table);
    std::vector<int> column;
    for (int r = 1; r < klasse.Grid.RowCount(); ++r)
        column.push_back(klasse.Rider(r)->Results[static_cast<std::size_t>(from)]);
    return column;
}

TEST(DailyApply, TheDayIsClassifiedAndReplacesItsHeatsInBothStorageMethods) {
    for (bool points : {false, true}) {
        SCOPED_TRACE(points ? "points stored" : "positions stored");
        Competition comp = MakeCompetition({"MX1"});
        TKlasse &klasse = *comp.Classes[0];
        if (points) {
            comp.Club.Options &= ~OptStoreFinishOrder;
            AddRider(comp, klasse, "A", "1", {50, 45, 41});
            AddRider(comp, klasse, "B", "2", {47, 47, 43});
            AddRider(comp, klasse, "C", "3", {45, 50, -1});
            AddRider(comp, klasse, "Zeros", "4", {0, 0, -1});
            AddRider(comp, klasse, "None", "5", {-1, -1, 50});
        } else {
            AddRider(comp, klasse, "A", "1", {1, 3, 5});
            AddRider(comp, klasse, "B", "2", {2, 2, 4});
            AddRider(comp, klasse, "C", "3", {3, 1, -1});
            AddRider(comp, klasse, "Zeros", "4", {0, 0, -1});
            AddRider(comp, klasse, "None", "5", {-1, -1, 1});
        }
        test::AddResultInfo(klasse, 1, 2, 0, "Zandbaan");
        // A and C tie on 95: C wins by the last heat.
        const DailyTable table = MakeDailyClassification(comp.Club, klasse, 1, 2, false, FixedWidth);
        std::vector<std::string> order;
        std::vector<int> totals, replacement;
        for (int r = 1; r < table.RowCount(); ++r) {
            order.push_back(table.Rider(klasse, r)->Name.str());
            totals.push_back(table.Rider(klasse, r)->CalcNet);
            replacement.push_back(table.Rider(klasse, r)->CalcTotal);
        }
        EXPECT_EQ(order, (std::vector<std::string>{"C", "A", "B", "Zeros", "None"}));
        EXPECT_EQ(totals, (std::vector<int>{95, 95, 94, 0, -1}));
        EXPECT_EQ(replacement, (std::vector<int>{50, 47, 45, 0, -1}));
        EXPECT_EQ(table.Rider(klasse, 1)->SortKey, "00095050");
        // A zero total is stored as 0 points, but as a position it is none.
        const std::vector<int> expected =
            points ? std::vector<int>{47, 45, 50, 0, -1} : std::vector<int>{2, 3, 1, -1, -1};
        EXPECT_EQ(ReplaceQuestion(1, 2), "Uitslagen van de kolommen 1 t/m 2 vervangen met Dagklassement ?");
        EXPECT_EQ(AppliedColumn(comp, 1, 2), expected);
        EXPECT_EQ(klasse.ResultCount, 2);
        EXPECT_EQ(klasse.Rider(1)->Results[2], points ? 41 : 5); // race 3 moved left
        EXPECT_EQ(klasse.Rider(5)->Results[3], -1);
        EXPECT_EQ(klasse.ColData(klasse.ResultColumn(1))->Info->ToCol, 1);
    }
}

TEST(DailyApply, OneColumnIsOverwrittenAndAGuestWithoutPointsLosesHisResult) {
    Competition comp = MakeCompetition({"MX1"});
    TKlasse &klasse = *comp.Classes[0];
    AddRider(comp, klasse, "A", "1", {-1, -1, 1});
    AddRider(comp, klasse, "Guest", "2", {-1, -1, 2}).Flags = RiderHorsConcours;
    AddRider(comp, klasse, "C", "3", {-1, -1, 3});
    EXPECT_EQ(ReplaceQuestion(3, 3), "De uitslagen van kolom 3 vervangen met Dagklassement ?");
    EXPECT_EQ(AppliedColumn(comp, 3, 3, true), (std::vector<int>{1, -1, 2}));
    EXPECT_EQ(klasse.ResultCount, 3);
}

// With positions stored, a place whose points cannot lead back to it (0
// points below the table's end, or the one point every later place gets)
// keeps the place itself instead of losing the result or sharing a place.
TEST(DailyApply, PlacesBelowTheTableKeepTheirPosition) {
    for (bool minOnePoint : {false, true}) {
        SCOPED_TRACE(minOnePoint ? "at least one point" : "down to zero points");
        Competition comp = MakeCompetition({"MX1"});
        comp.Club.PointsCount = 3;
        comp.Club.Points = {0, 10, 9, 8, 0, 0, 0, 0, 0, 0, 0};
        comp.Club.Deduction = 4;
        if (minOnePoint)
            comp.Club.CalcFlags |= CalcMinOnePoint;
        // Heat 2 in the reverse order: day order R3, R4, R2, R5, R1.
        for (int i = 1; i <= 5; ++i)
            AddRider(comp, *comp.Classes[0], "R" + std::to_string(i), std::to_string(i), {i, 6 - i});
        EXPECT_EQ(AppliedColumn(comp, 1, 2), (std::vector<int>{5, 3, 1, 2, 4}));
    }
}

} // namespace
} // namespace rondaxa
