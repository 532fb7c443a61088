// Corner cases of the standings: drop marks searched by their points, the fixed sentences and a row
// without a rider.
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
