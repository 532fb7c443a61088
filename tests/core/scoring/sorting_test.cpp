#include "core/scoring/final_standings.h"
#include "core/scoring/sorting.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;
using test::RiderNames;
using test::RowLabels;

class SortingTest : public ::testing::Test {
protected:
    SortingTest() : comp(MakeCompetition({"MX1"})), klasse(*comp.Classes[0]) {}
    Competition comp;
    TKlasse &klasse;
};

TEST_F(SortingTest, NamesSwappedOrAsStored) {
    AddRider(comp, klasse, "de Vries, Jan", "1");
    AddRider(comp, klasse, "Bakker, Piet", "2");
    SortClass(comp.Club, klasse, ModeName, 0, kAscending, true, HcNoPlace);
    EXPECT_EQ(RiderNames(klasse), (std::vector<std::string>{"de Vries, Jan", "Bakker, Piet"}));
    EXPECT_EQ(klasse.Rider(1)->SortKey, "JAN DE VRIES");
    SortClass(comp.Club, klasse, ModeName, 0, kAscending, false, HcNoPlace);
    EXPECT_EQ(RiderNames(klasse), (std::vector<std::string>{"Bakker, Piet", "de Vries, Jan"}));
    EXPECT_EQ(comp.Club.Options, 97); // put back after the sort
}

TEST_F(SortingTest, StartNumbersNumericThenTextThenEmpty) {
    for (const char *startNo : {"A3", "", "12A", "12", "7"})
        AddRider(comp, klasse, std::string("R") + startNo, startNo);
    CalculateStandings(comp.Club, klasse, ModeStartNo, 0, kAscending, 0);
    EXPECT_EQ(RiderNames(klasse), (std::vector<std::string>{"R7", "R12", "R12A", "RA3", "R"}));
    CalculateStandings(comp.Club, klasse, ModeStartNo, 0, kDescending, 0);
    EXPECT_EQ(RiderNames(klasse), (std::vector<std::string>{"RA3", "R12A", "R12", "R7", "R"}));
}

TEST_F(SortingTest, ResultColumnKeepsRidersWithoutResultLast) {
    comp.Club.Options &= ~OptPositionsAsPoints; // positions shown as positions
    AddRider(comp, klasse, "none", "1", {1, -1});
    AddRider(comp, klasse, "third", "2", {2, 3});
    AddRider(comp, klasse, "first", "3", {3, 1});
    AddRider(comp, klasse, "second", "4", {4, 2});
    CalculateStandings(comp.Club, klasse, ModeResult, 2, kAscending, 0);
    EXPECT_EQ(RiderNames(klasse), (std::vector<std::string>{"first", "second", "third", "none"}));
    CalculateStandings(comp.Club, klasse, ModeResult, 2, kDescending, 0);
    EXPECT_EQ(RiderNames(klasse), (std::vector<std::string>{"third", "second", "first", "none"}));
}

TEST_F(SortingTest, HeadingClicksAlternateAndRenumberPlaces) {
    AddRider(comp, klasse, "A", "1", {1, 1});
    AddRider(comp, klasse, "B", "2", {2, 2});
    AddRider(comp, klasse, "C", "3", {3, 3});
    CalcOptions options;
    CalculateFinalStandings(comp, options, 0, 0, nullptr);
    const int netCol = klasse.Grid.ColCount() - 1;
    ASSERT_EQ(klasse.ColData(netCol)->Kind, KindNet);
    ASSERT_TRUE(SortByHeading(comp.Club, klasse, netCol, options.HorsConcours()));
    EXPECT_EQ(RiderNames(klasse), (std::vector<std::string>{"C", "B", "A"})); // lowest net first
    EXPECT_EQ(RowLabels(klasse), (std::vector<std::string>{"1", "2", "3"}));
    ASSERT_TRUE(SortByHeading(comp.Club, klasse, netCol, options.HorsConcours()));
    EXPECT_EQ(RiderNames(klasse), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_FALSE(klasse.CalcInfo.empty());

    ASSERT_TRUE(SortByHeading(comp.Club, klasse, 1, options.HorsConcours())); // by name
    EXPECT_TRUE(klasse.CalcInfo.empty());
    EXPECT_EQ(RowLabels(klasse), (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(SortingTest, AverageTableColumnsUseTheirOwnModes) {
    AddRider(comp, klasse, "A", "1", {1, -1, -1});
    AddRider(comp, klasse, "B", "2", {2, 2, 2});
    CalcOptions options;
    options.Set(CalcOptions::GrossNet, false);
    CalculateFinalStandings(comp, options, 0, 0, nullptr);
    ASSERT_EQ(klasse.CalcState, 3);
    const int first = klasse.Grid.ColCount() - 3;
    auto sort = TakeHeadingSort(klasse, first + 1); // "Uitslagen"
    ASSERT_TRUE(sort);
    EXPECT_EQ(sort->Mode, ModeAverageCount);
    EXPECT_EQ(sort->Direction, kAscending);
    EXPECT_EQ(TakeHeadingSort(klasse, first + 1)->Direction, kDescending);
    EXPECT_EQ(TakeHeadingSort(klasse, first)->Mode, ModeAverageTotal);
    EXPECT_EQ(TakeHeadingSort(klasse, first + 2)->Mode, ModeAverageValue);
    EXPECT_EQ(SortKeyFor(comp.Club, *klasse.Rider(1), ModeAverageValue, 0), "00050.0");

    ASSERT_TRUE(SortByHeading(comp.Club, klasse, first + 1, HcNoPlace)); // ascending: fewer results first
    EXPECT_EQ(RiderNames(klasse), (std::vector<std::string>{"A", "B"}));
    ASSERT_TRUE(SortByHeading(comp.Club, klasse, first + 1, HcNoPlace));
    EXPECT_EQ(RiderNames(klasse), (std::vector<std::string>{"B", "A"}));
}

TEST_F(SortingTest, FewerThanTwoRidersIgnoreHeadingClicks) {
    AddRider(comp, klasse, "A", "1", {1});
    EXPECT_FALSE(SortByHeading(comp.Club, klasse, 1, HcNoPlace));
    EXPECT_EQ(klasse.ColData(1)->SortDir, 0);
}

TEST(CalcOptions, AtLeastOneTotalStaysTicked) {
    CalcOptions options;
    EXPECT_EQ(options.Value, 87u);
    EXPECT_EQ(options.HorsConcours(), HcNoPlace);
    options.SetNet(false);
    EXPECT_TRUE(options.Has(CalcOptions::Gross));
    EXPECT_TRUE(options.DailyEnabled());
    options.SetGross(false);
    EXPECT_TRUE(options.Has(CalcOptions::Net));
    EXPECT_FALSE(options.DailyEnabled());
    options.SetHorsConcoursChoice(3);
    EXPECT_EQ(options.HorsConcours(), HcNoResults);
}

TEST(FinalStandings, ColumnsAndNumbersByChoice) {
    Competition comp = MakeCompetition({"MX1", "Leeg"});
    TKlasse &klasse = *comp.Classes[0];
    for (int i = 0; i < 3; ++i)
        AddRider(comp, klasse, "R" + std::to_string(i), "1", {1, 2, 3, 4, 5, 6});
    test::ScriptedPrompts prompts;
    EXPECT_FALSE(CheckCountingColumns(comp.Classes[1].get(), prompts));
    EXPECT_EQ(prompts.Messages,
              std::vector<std::string>{"Er zijn geen tellende uitslagen voor berekeningen."});
    EXPECT_TRUE(CheckCountingColumns(&klasse, prompts));

    CalcOptions options; // all classes, both totals
    CalculateFinalStandings(comp, options, 0, 0, nullptr);
    const ClassGrid &grid = klasse.Grid;
    ASSERT_EQ(grid.ColCount(), klasse.FirstResultCol + 8);
    EXPECT_EQ(grid.Col(grid.ColCount() - 2).Heading, "Bruto");
    EXPECT_EQ(grid.Col(grid.ColCount() - 1).Heading, "Netto");
    EXPECT_EQ(klasse.ColData(grid.ColCount() - 2)->Kind, KindGross);
    EXPECT_EQ(klasse.ColData(grid.ColCount() - 1)->Number, 4);
    EXPECT_EQ(klasse.CalcState, 2);
    EXPECT_EQ(comp.Classes[1]->Grid.Col(0).Heading, "PL"); // a class without results still gets its columns

    options.Set(CalcOptions::AllClasses, false);
    EXPECT_EQ(DefaultNetCount(comp.Club, klasse), 4);
    CalculateFinalStandings(comp, options, 0, 4, nullptr);
    EXPECT_EQ(klasse.CalcInfo, "Netto totaal berekend over de 4 beste uitslagen.");
    CalculateFinalStandings(comp, options, 0, 6, nullptr);
    EXPECT_EQ(klasse.CalcInfo, "Netto totaal berekend over alle uitslagen.");
    CalculateFinalStandings(comp, options, 0, 9, nullptr); // recorded as chosen, calculated with C
    EXPECT_EQ(klasse.ColData(grid.ColCount() - 1)->Number, 9);
    EXPECT_EQ(klasse.Rider(1)->CalcNet, klasse.Rider(1)->CalcTotal);

    options.Set(CalcOptions::GrossNet, false);
    comp.Club.AverageMethod = 0;
    EXPECT_FALSE(NetCountNeeded(options, comp.Club));
    CalculateFinalStandings(comp, options, 0, 2, nullptr);
    EXPECT_EQ(klasse.CalcState, 3);
    EXPECT_EQ(grid.Col(grid.ColCount() - 3).Heading, "Totaal");
    EXPECT_EQ(grid.Col(grid.ColCount() - 2).Heading, "Uitslagen");
    EXPECT_EQ(grid.Col(grid.ColCount() - 1).Heading, "Gemiddeld");
    EXPECT_EQ(klasse.ColData(grid.ColCount() - 1)->Number, 6); // N = C
    comp.Club.AverageMethod = 2;
    EXPECT_TRUE(NetCountNeeded(options, comp.Club));

    EXPECT_EQ(CountingColumnsText(1), "Er is 1 tellende uitslag.");
    EXPECT_EQ(CountingColumnsText(6), "Er zijn 6 tellende uitslagen.");
    EXPECT_EQ(NetRuleText(comp.Club), "Netto bereken met 50% van de ingevoerde uitslagen + 1.");
    comp.Club.CalcFlags = CalcDropMode;
    EXPECT_EQ(NetRuleText(comp.Club), "Schrapresultaten = 2");
}

} // namespace
} // namespace rondaxa
