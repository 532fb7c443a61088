#include "core/scoring/final_standings.h"
#include "core/scoring/tie_break.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

// A class of riders with points stored, steps chosen per test.
class TieBreakTest : public ::testing::Test {
protected:
    TieBreakTest() : comp(MakeCompetition({"MX1"})), klasse(*comp.Classes[0]) {
        comp.Club.Options &= ~(OptStoreFinishOrder | OptPositionsAsPoints);
    }

    void Steps(std::initializer_list<TieStep> steps, int notify) {
        for (auto &step : comp.Club.TieSteps)
            step = TieStep{};
        int s = 1;
        for (const TieStep &step : steps)
            comp.Club.TieSteps[static_cast<std::size_t>(s++)] = step;
        comp.Club.TieNotify = static_cast<uint8_t>(notify);
    }

    TRijder &Rider(const std::string &name, const std::vector<int> &results) {
        return AddRider(comp, klasse, name, "", results);
    }

    // Net (or gross, or daily) standings with N results; returns the tie report.
    std::vector<std::string> Standings(int n, bool net = true, bool daily = false) {
        CalcOptions options;
        options.Set(CalcOptions::AllClasses, false);
        if (!net)
            options.SetNet(false);
        options.Set(CalcOptions::Daily, daily);
        ProblemList problems;
        CalculateFinalStandings(comp, options, 0, n, &problems);
        std::vector<std::string> texts;
        for (const Problem &problem : problems.Entries())
            texts.push_back(problem.Text);
        return texts;
    }

    std::string First() const { return klasse.Rider(1)->Name.str(); }

    Competition comp;
    TKlasse &klasse;
};

TEST_F(TieBreakTest, BestResultsDecideAtTheFirstDifferentValue) {
    Steps({{TieBestResults, 0}, {TieLastObtained, 0}}, 2);
    Rider("A", {50, 47, 45});
    Rider("B", {50, 47, 47});
    EXPECT_TRUE(Standings(2).empty()); // decided by step 1
    EXPECT_EQ(First(), "B");
    comp.Club.TieNotify = 1;
    EXPECT_EQ(Standings(2), std::vector<std::string>{"MX1\tPlaats 1 t/m 2"});
    comp.Club.TieNotify = 0;
    EXPECT_TRUE(Standings(2).empty());
}

// Two riders equal on the total, one step: who comes first, or the tie
// reported where the step cannot tell them apart.
TEST_F(TieBreakTest, EachStepComparesItsOwnValues) {
    const std::string tied = "MX1\tPlaats 1 t/m 2 <!>";
    struct Case {
        const char *What;
        TieStep Step;
        std::vector<int> A, B;
        int N;
        const char *First;
        std::string Report;
    };
    const Case cases[] = {
        {"a missing result loses against 0", {TieBestResults, 0}, {50, 47, -1}, {50, 47, 0}, 2, "B", ""},
        {"most results", {TieMostResults, 0}, {50, -1, -1}, {25, 25, -1}, 3, "B", ""},
        {"fewest results", {TieFewestResults, 0}, {50, -1, -1}, {25, 25, -1}, 3, "A", ""},
        {"dropped results", {TieDropped, 0}, {50, 47, 20}, {50, 47, 30}, 2, "B", ""},
        {"gross points", {TieGrossPoints, 0}, {50, 47, 20}, {50, 47, 30}, 2, "B", ""},
        {"both lack the last result", {TieLastResult, 0}, {50, 40, -1}, {40, 50, -1}, 2, "A", tied},
        {"last result obtained", {TieLastObtained, 0}, {50, 40, -1}, {40, 50, -1}, 2, "B", ""},
        {"average of gross over results", {TieAverage, 0}, {30, 30, 30}, {50, 40, -1}, 3, "B", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.What);
        klasse.Grid.SetRowCount(1);
        Rider("A", c.A);
        Rider("B", c.B);
        Steps({c.Step}, 0);
        const std::vector<std::string> report = Standings(c.N);
        EXPECT_EQ(report, c.Report.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.Report});
        EXPECT_EQ(First(), c.First);
    }
}

TEST_F(TieBreakTest, PlaceCountsWithParameterThree) {
    Steps({{TiePlaceCounts, 3}}, 0);
    Rider("Seconds", {47, 47, 47, 0});
    Rider("Winner", {50, 43, 43, 5});
    Standings(4); // nets 141 and 141
    EXPECT_EQ(First(), "Winner");
    EXPECT_EQ(klasse.Rider(1)->CalcNet, klasse.Rider(2)->CalcNet);

    // Results worth 43 points or less (4th place and lower) are ignored.
    Rider("Fourths", {45, 43, 43, 0});
    Rider("Fifths", {45, 41, 41, 4});
    comp.Club.TieNotify = 0;
    ASSERT_EQ(Standings(4), std::vector<std::string>{"MX1\tPlaats 3 t/m 4 <!>"});
}

TEST_F(TieBreakTest, StepsEndAtTheFirstNothing) {
    Steps({{TieNothing, 0}, {TieBestResults, 0}}, 0);
    Rider("A", {50, 40});
    Rider("B", {40, 50});
    EXPECT_EQ(Standings(2), std::vector<std::string>{"MX1\tPlaats 1 t/m 2 <!>"});
}

TEST_F(TieBreakTest, ReportGroupsRowsAndRidersWithoutPoints) {
    Steps({{TieBestResults, 0}}, 0);
    Rider("A", {50, 50});
    Rider("B", {47, 45});
    Rider("C", {45, 47}); // rows 2 and 3 fully equal
    Rider("D", {41, 40});
    Rider("E", {40, 41}); // rows 4 and 5 fully equal
    Rider("F", {-1, -1});
    Rider("G", {-1, -1}); // no points: never reported
    EXPECT_EQ(Standings(2), (std::vector<std::string>{"MX1\tPlaats 2 t/m 3 <!>", "MX1\tPlaats 4 t/m 5 <!>"}));

    ProblemList problems;
    CalcOptions options;
    CalculateFinalStandings(comp, options, 0, 2, &problems);
    ASSERT_EQ(problems.Entries().size(), 2u);
    EXPECT_EQ(problems.Entries()[1].Tag, 0); // the class's position
    EXPECT_EQ(problems.Entries()[1].Row, 5);
}

TEST_F(TieBreakTest, GroupEndingInTheLastRowIsReported) {
    Steps({{TieBestResults, 0}, {TieLastObtained, 0}}, 2);
    Rider("A", {50, 47});
    Rider("B", {47, 45});
    Rider("C", {45, 47});
    EXPECT_EQ(Standings(2), std::vector<std::string>{"MX1\tPlaats 2 t/m 3"});
}

// Groups by "Meeste uitslagen", then "Laatst behaalde uitslag", reported from step 2 on.
TEST_F(TieBreakTest, OneFullyEqualPairMarksTheWholeGroup) {
    Steps({{TieMostResults, 0}, {TieLastObtained, 0}}, 2);
    Rider("A", {50, 45});
    Rider("B", {50, 45}); // fully equal to A
    Rider("C", {52, 43}); // equal head, lower last result
    Rider("D", {40, 40});
    EXPECT_EQ(Standings(2), std::vector<std::string>{"MX1\tPlaats 1 t/m 3 <!>"});
    EXPECT_EQ(klasse.Rider(3)->Name.str(), "C");
}

TEST_F(TieBreakTest, FullEqualityIsJudgedAgainstTheGroupsFirstRow) {
    Steps({{TieMostResults, 0}, {TieLastObtained, 0}}, 2);
    Rider("A", {50, 45});
    Rider("B", {50, 45});
    Rider("C", {48, 47}); // same head, better last result: first
    EXPECT_EQ(Standings(2), std::vector<std::string>{"MX1\tPlaats 1 t/m 3"});
    EXPECT_EQ(First(), "C");
}

TEST_F(TieBreakTest, HorsConcoursRowsCountAsRows) {
    Steps({{TieMostResults, 0}, {TieLastObtained, 0}}, 2);
    Rider("A", {40, 40});
    Rider("H", {50, 47}).Flags = RiderHorsConcours;
    Rider("B", {50, 47});
    EXPECT_EQ(Standings(2), std::vector<std::string>{"MX1\tPlaats 1 t/m 2 <!>"});
    EXPECT_EQ(klasse.Grid.RowAt(1).Label == "BM" || klasse.Grid.RowAt(2).Label == "BM", true);
    EXPECT_EQ(klasse.Grid.RowAt(3).Label, "2");
    // Without points a rider opens no group, even when others equal him.
    Rider("Z", {0, 0});
    Rider("Y", {0, 0});
    EXPECT_EQ(Standings(2).size(), 1u);
}

TEST_F(TieBreakTest, DailyReportsOnlyFullyEqualGroups) {
    Rider("A", {20, 30});
    Rider("B", {30, 20});
    Rider("C", {30, 30});
    Rider("D", {30, 30});
    const auto report = Standings(2, false, true);
    EXPECT_EQ(klasse.ColData(klasse.Grid.ColCount() - 1)->Kind, KindDailyGross);
    EXPECT_EQ(klasse.CalcInfo, "Berekend als dagklassement.");
    EXPECT_EQ(klasse.Rider(3)->Name.str(), "A"); // equal totals ordered by the last counting result
    // A and B are equal on total but decided: not reported in this mode.
    EXPECT_EQ(report, std::vector<std::string>{"MX1\tPlaats 1 t/m 2 <!>"});
}

} // namespace
} // namespace rondaxa
