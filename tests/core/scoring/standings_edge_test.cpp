// Corner cases of the standings: several hors-concours riders, adjustments that find no place, drop marks
// searched by their points, the fixed sentences and the tie report's groups.
#include "core/scoring/final_standings.h"
#include "core/scoring/standings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;
using test::RiderNames;
using test::StoredResults;

class HorsConcoursTest : public ::testing::Test {
protected:
    HorsConcoursTest() : comp(MakeCompetition({"MX1"})), klasse(*comp.Classes[0]) {}
    void Calculate(int choice) {
        CalcOptions options;
        options.SetHorsConcoursChoice(choice);
        options.Set(CalcOptions::AllClasses, false);
        CalculateFinalStandings(comp, options, 0, DefaultNetCount(comp.Club, klasse), nullptr);
    }
    TRijder &Find(const std::string &name) {
        for (int r = 1; r < klasse.Grid.RowCount(); ++r)
            if (klasse.Rider(r)->Name.str() == name)
                return *klasse.Rider(r);
        throw std::runtime_error("no rider " + name);
    }
    Competition comp;
    TKlasse &klasse;
};

TEST_F(HorsConcoursTest, LaterHorsConcoursRiderIsMovedUpByAnEarlierOne) {
    // Positions stored: H1 won, H2 second, A third. H1 (first in row order)
    // moves H2 to 1 and A to 2; then H2 moves A to 1.
    AddRider(comp, klasse, "H1", "1", {1}).Flags = RiderHorsConcours;
    AddRider(comp, klasse, "H2", "2", {2}).Flags = RiderHorsConcours;
    AddRider(comp, klasse, "A", "3", {3});
    Calculate(3);
    EXPECT_EQ(StoredResults(Find("A"), 1), std::vector<int>{1});
    EXPECT_EQ(StoredResults(Find("H1"), 1), std::vector<int>{-1});
    EXPECT_EQ(StoredResults(Find("H2"), 1), std::vector<int>{-1});
    EXPECT_EQ(klasse.Grid.RowAt(1).Label, "1");
    EXPECT_EQ(klasse.Rider(1)->Name.str(), "A");

    RemoveAllStandings(comp);
    EXPECT_EQ(StoredResults(Find("A"), 1), std::vector<int>{3});
    EXPECT_EQ(StoredResults(Find("H1"), 1), std::vector<int>{1});
    EXPECT_EQ(StoredResults(Find("H2"), 1), std::vector<int>{2});
}

TEST_F(HorsConcoursTest, PointsMissingFromTheTableFindNoPlace) {
    comp.Club.Options &= ~(OptStoreFinishOrder | OptPositionsAsPoints);
    AddRider(comp, klasse, "H", "1", {50}).Flags = RiderHorsConcours;
    AddRider(comp, klasse, "A", "2", {48}); // not in the points table
    AddRider(comp, klasse, "B", "3", {45}); // third place: becomes second
    Calculate(3);
    EXPECT_EQ(StoredResults(Find("A"), 1), std::vector<int>{-1});
    EXPECT_EQ(StoredResults(Find("B"), 1), std::vector<int>{47});
    RemoveAllStandings(comp);
    EXPECT_EQ(StoredResults(Find("A"), 1), std::vector<int>{48});
    EXPECT_EQ(StoredResults(Find("B"), 1), std::vector<int>{45});
}

TEST(DropMarks, PositionsAreSearchedByThePositionOfTheirPoints) {
    // With "at least 1 point" positions 45 and 46 are both worth 1 point; the
    // search goes for position 45 (the first that scores 1), so the 46 in
    // column 2 stays unmarked and the 45 in column 3 is marked once.
    Competition comp = MakeCompetition({"MX1"});
    comp.Club.CalcFlags = CalcMinOnePoint;
    comp.Club.ViewFlags = ViewMarkDropped;
    TKlasse &klasse = *comp.Classes[0];
    TRijder &rider = AddRider(comp, klasse, "R", "1", {1, 46, 45});
    CalculateStandings(comp.Club, klasse, ModeNet, 1, kDescending, 3);
    EXPECT_EQ(rider.CalcNet, 50);
    EXPECT_EQ(rider.CalcTotal, 52);
    EXPECT_EQ(StoredResults(rider, 3), (std::vector<int>{1, 46, 1045}));
}

TEST(Sentences, AverageDescriptionsAndLabels) {
    Competition comp = MakeCompetition({"MX1"});
    TKlasse &klasse = *comp.Classes[0];
    AddRider(comp, klasse, "R", "1", {1, 2});
    CalcOptions options;
    options.Set(CalcOptions::GrossNet, false);
    const char *descriptions[] = {"Gemiddelde berekend van uitslagen met meer dan nul punten.",
                                  "Gemiddelde berekend van uitslagen met nul of meer punten.",
                                  "Gemiddelde berekend van de #N beste uitslagen.",
                                  "Gemiddelde berekend van #T uitslagen (incl. nul en geen punten)."};
    const char *labels[] = {"Gemid. van uitslagen met > 0 punten", "Gemid. van uitslagen met >= 0 punten",
                            "Gemid. van Netto uitslagen", "Gemid. van alle uitslagen"};
    for (int method = 0; method < 4; ++method) {
        comp.Club.AverageMethod = method;
        CalculateFinalStandings(comp, options, 0, 1, nullptr);
        EXPECT_EQ(StandingsDescription(comp.Club, klasse), descriptions[method]) << method;
        EXPECT_EQ(AverageLabel(comp.Club), labels[method]) << method;
    }
    EXPECT_EQ(klasse.CalcInfo, "");
    comp.Club.AverageMethod = 2;
    options.Set(CalcOptions::AllClasses, false);
    CalculateFinalStandings(comp, options, 0, 1, nullptr);
    EXPECT_EQ(klasse.CalcInfo, "Netto totaal berekend over de 1 beste uitslagen.");
    EXPECT_EQ(ExpandPlaceholders(StandingsDescription(comp.Club, klasse), comp.Club, klasse),
              "Gemiddelde berekend van de 1 beste uitslagen.");
}

class TieGroupTest : public ::testing::Test {
protected:
    TieGroupTest() : comp(MakeCompetition({"MX1"})), klasse(*comp.Classes[0]) {
        comp.Club.Options &= ~(OptStoreFinishOrder | OptPositionsAsPoints);
        for (auto &step : comp.Club.TieSteps)
            step = TieStep{};
        comp.Club.TieSteps[1] = {8, 0}; // "Meeste uitslagen"
        comp.Club.TieSteps[2] = {5, 0}; // "Laatst behaalde uitslag"
        comp.Club.TieNotify = 2;
    }
    std::vector<std::string> Report(int choice = 1) {
        CalcOptions options;
        options.SetHorsConcoursChoice(choice);
        ProblemList problems;
        CalculateFinalStandings(comp, options, 0, 2, &problems);
        std::vector<std::string> texts;
        for (const Problem &problem : problems.Entries())
            texts.push_back(problem.Text);
        return texts;
    }
    Competition comp;
    TKlasse &klasse;
};

TEST_F(TieGroupTest, OneFullyEqualPairMarksTheWholeGroup) {
    AddRider(comp, klasse, "A", "", {50, 45});
    AddRider(comp, klasse, "B", "", {50, 45}); // fully equal to A
    AddRider(comp, klasse, "C", "", {52, 43}); // equal head, lower last result
    AddRider(comp, klasse, "D", "", {40, 40});
    EXPECT_EQ(Report(), std::vector<std::string>{"MX1\tPlaats 1 t/m 3 <!>"});
    EXPECT_EQ(klasse.Rider(3)->Name.str(), "C");
}

TEST_F(TieGroupTest, FullEqualityIsJudgedAgainstTheGroupsFirstRow) {
    AddRider(comp, klasse, "A", "", {50, 45});
    AddRider(comp, klasse, "B", "", {50, 45});
    AddRider(comp, klasse, "C", "", {48, 47}); // same head, better last result: first
    EXPECT_EQ(Report(), std::vector<std::string>{"MX1\tPlaats 1 t/m 3"});
    EXPECT_EQ(klasse.Rider(1)->Name.str(), "C");
}

TEST_F(TieGroupTest, HorsConcoursRowsCountAsRows) {
    AddRider(comp, klasse, "A", "", {40, 40});
    AddRider(comp, klasse, "H", "", {50, 47}).Flags = RiderHorsConcours;
    AddRider(comp, klasse, "B", "", {50, 47});
    EXPECT_EQ(Report(1), std::vector<std::string>{"MX1\tPlaats 1 t/m 2 <!>"});
    EXPECT_EQ(klasse.Grid.RowAt(1).Label == "BM" || klasse.Grid.RowAt(2).Label == "BM", true);
    EXPECT_EQ(klasse.Grid.RowAt(3).Label, "2");
    // Without points a rider opens no group, even when others equal him.
    AddRider(comp, klasse, "Z", "", {0, 0});
    AddRider(comp, klasse, "Y", "", {0, 0});
    EXPECT_EQ(Report(1).size(), 1u);
}

TEST(Places, RiderlessRowGetsNoPlace) {
    Competition comp = MakeCompetition({"MX1"});
    TKlasse &klasse = *comp.Classes[0];
    klasse.ResultCount = 1;
    RebuildFixedColumns(klasse, comp.Club);
    CalculateFinalStandings(comp, CalcOptions{}, 0, 1, nullptr);
    ASSERT_EQ(klasse.Grid.RowCount(), 2);
    EXPECT_EQ(klasse.Grid.RowAt(1).Label, "");
    EXPECT_EQ(RiderNames(klasse), std::vector<std::string>{""});
}

} // namespace
} // namespace rondaxa
