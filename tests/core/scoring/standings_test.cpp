#include "core/scoring/final_standings.h"
#include "core/scoring/standings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddResultInfo;
using test::AddRider;
using test::MakeCompetition;
using test::RiderNames;
using test::RowLabels;
using test::StoredResults;

using test::CommaLocale;

// Results stored as points, so the values below are the points themselves.
Competition PointsCompetition() {
    Competition comp = MakeCompetition({"MX1"});
    comp.Club.Options &= ~(OptStoreFinishOrder | OptPositionsAsPoints);
    return comp;
}

TEST(CountingResultNumber, PercentageRoundingAndFallbacks) {
    Competition comp = PointsCompetition();
    TKlasse &klasse = *comp.Classes[0];
    ClubRec &club = comp.Club;
    auto withColumns = [&](int c) {
        klasse.ResultCount = c;
        RebuildFixedColumns(klasse, club);
        return CountingResultNumber(club, &klasse);
    };
    EXPECT_EQ(withColumns(5), 4);
    EXPECT_EQ(withColumns(4), 3);
    EXPECT_EQ(withColumns(1), 2); // lowered to C only by the calculation
    EXPECT_EQ(withColumns(0), 0);
    EXPECT_EQ(withColumns(7), 5);
    club.CalcFlags = CalcRoundDown;
    EXPECT_EQ(withColumns(5), 3);
    EXPECT_EQ(withColumns(7), 4);
    club.CountPercent = 30;
    EXPECT_EQ(withColumns(10), 4);
    club.CalcFlags = 0;
    EXPECT_EQ(withColumns(10), 4); // a whole number is not rounded up
    club.CountPercent = 33;
    club.CountPlus = 0;
    EXPECT_EQ(withColumns(10), 4);
    club.CalcFlags = CalcRoundDown;
    EXPECT_EQ(withColumns(10), 3);

    club.CalcFlags = CalcDropMode;
    club.DropCount = 2;
    EXPECT_EQ(withColumns(2), 2); // nothing left after dropping: all count
    EXPECT_EQ(withColumns(6), 4);
    EXPECT_EQ(withColumns(0), 0);
    EXPECT_EQ(CountingResultNumber(club, nullptr), 0);

    withColumns(6);
    AddResultInfo(klasse, 2, 3, InfoNotCounting); // two non-counting columns
    EXPECT_EQ(CountingResultNumber(club, &klasse), 2);
}

// The order of the percentage arithmetic matters where C x percentage / 100
// and C / 100 x percentage round differently.
TEST(CountingResultNumber, PercentageIsWorkedOutAsCOver100TimesThePercentage) {
    Competition comp = MakeCompetition({"MX1"});
    TKlasse &klasse = *comp.Classes[0];
    ClubRec &club = comp.Club;
    club.CountPlus = 0;
    auto withColumns = [&](int c, int percent) {
        klasse.ResultCount = c;
        RebuildFixedColumns(klasse, club);
        club.CountPercent = percent;
        return CountingResultNumber(club, &klasse);
    };
    // 7 / 100 x 43 is a little above 3.01: its fraction counts as more than
    // 0.01, so rounding up gives 4 (7 x 43 / 100 would give 3).
    EXPECT_EQ(withColumns(7, 43), 4);
    // 21 / 100 x 81 is a little below 17.01: not rounded up (21 x 81 / 100
    // would give 18).
    EXPECT_EQ(withColumns(21, 81), 17);
    club.CalcFlags = CalcRoundDown;
    EXPECT_EQ(withColumns(7, 43), 3);
    EXPECT_EQ(withColumns(21, 81), 17);
}

TEST(KeyFormatting, PadNumberAndItsNumericForm) {
    EXPECT_EQ(PadNumber("7", 5), "00007");
    EXPECT_EQ(PadNumber("-1", 3), "-001");
    EXPECT_EQ(PadNumber("12A", 5), "00012A");
    EXPECT_EQ(PadNumber(" 1 2", 5), "00012");
    EXPECT_EQ(PadNumber("A3", 5), "A3");
    EXPECT_EQ(PadNumber("-", 3), "-");
    EXPECT_EQ(PadNumber("-A", 3), "-A");
    EXPECT_EQ(PadNumber("+5", 3), "+5");
    EXPECT_EQ(PadNumber("", 3), "");
    EXPECT_EQ(PadNumber("123456", 5), "123456");
    EXPECT_EQ(PadNumber("7,5", 5), "00007,5");
    for (int value : {-100, -12, -1, 0, 5, 42, 250, 99999, 123456})
        for (int width : {3, 5, 10}) {
            std::string key;
            AppendPadded(key, value, width);
            EXPECT_EQ(key, PadNumber(IntText(value), width)) << value << " width " << width;
        }
}

TEST(KeyFormatting, FormatAverageRoundsHalvesToEven) {
    CommaLocale comma;
    EXPECT_EQ(FormatAverage(29, 4), "0007,2");   // 72.5 -> 72
    EXPECT_EQ(FormatAverage(147, 20), "0007,4"); // 73.5 -> 74
    EXPECT_EQ(FormatAverage(47, 3), "0015,7");
    EXPECT_EQ(FormatAverage(5, 0), "0000,0");
    EXPECT_EQ(FormatAverage(-1, 4), "0000,0");
    EXPECT_EQ(FormatAverage(2500, 1), "2500,0");
}

class NetKeyTest : public ::testing::Test {
protected:
    NetKeyTest() : comp(PointsCompetition()), klasse(*comp.Classes[0]) {}
    TRijder &Rider(const std::vector<int> &results) { return AddRider(comp, klasse, "R", "1", results); }
    std::size_t Build(TRijder &rider, int n, int c, KeyVariant variant = KeyVariant::Net,
                      int hc = HcNoPlace) {
        return BuildStandingKey(comp.Club, CountingBasis(comp.Club, CountingFlagsOf(klasse), c), rider, n,
                                variant, hc);
    }
    Competition comp;
    TKlasse &klasse;
};

TEST_F(NetKeyTest, WorkedExampleKey) {
    TRijder &rider = Rider({50, -1, 47, 45});
    const std::size_t head = Build(rider, 2, 4);
    // 1 | net 00097 | 050 047 045 | // | 045
    EXPECT_EQ(rider.SortKey, "100097050047045//045");
    EXPECT_EQ(rider.CalcNet, 97);
    EXPECT_EQ(rider.CalcTotal, 142);
    EXPECT_EQ(head, std::string("100097050047045//").size()); // TieNotify 2: without step 2

    Build(rider, 2, 4, KeyVariant::Gross);
    EXPECT_EQ(rider.SortKey, "100142050047045//045");
    Build(rider, 2, 4, KeyVariant::Daily);
    EXPECT_EQ(rider.SortKey, "100142045");
    EXPECT_EQ(rider.CalcNet, 50); // the first two columns in column order
}

TEST_F(NetKeyTest, DroppedResultsAreMarkedButNeverAMissingOne) {
    comp.Club.ViewFlags = ViewMarkDropped;
    TRijder &rider = Rider({50, -1, 47, 0, 45});
    Build(rider, 3, 5);
    EXPECT_EQ(rider.CalcTotal, 142);
    EXPECT_EQ(rider.CalcNet, 142);
    EXPECT_EQ(StoredResults(rider, 5), (std::vector<int>{50, -1, 47, 1000, 45}));

    RemoveStandings(klasse);
    Build(rider, 2, 5);
    EXPECT_EQ(rider.CalcNet, 97);
    EXPECT_EQ(StoredResults(rider, 5), (std::vector<int>{50, -1, 47, 1000, 1045}));

    RemoveStandings(klasse);
    comp.Club.Options |= OptZeroAsEmpty; // a zero shown empty is not marked
    Build(rider, 2, 5);
    EXPECT_EQ(StoredResults(rider, 5), (std::vector<int>{50, -1, 47, 0, 1045}));

    RemoveStandings(klasse);
    comp.Club.ViewFlags = 0;
    Build(rider, 2, 5);
    EXPECT_EQ(StoredResults(rider, 5), (std::vector<int>{50, -1, 47, 0, 45}));
}

TEST_F(NetKeyTest, DroppedPositionsAreFoundByTheirPoints) {
    comp.Club.Options |= OptStoreFinishOrder | OptPositionsAsPoints;
    comp.Club.ViewFlags = ViewMarkDropped;
    TRijder &rider = Rider({1, 3, 2, 3});
    Build(rider, 2, 4);
    EXPECT_EQ(rider.CalcNet, 97);
    EXPECT_EQ(StoredResults(rider, 4), (std::vector<int>{1, 1003, 2, 1003}));
}

TEST_F(NetKeyTest, NonCountingColumnsAreSkipped) {
    TRijder &rider = Rider({50, 47, 45, 43});
    AddResultInfo(klasse, 2, 3, InfoNotCounting);
    Build(rider, 2, CountColumns(klasse));
    EXPECT_EQ(rider.CalcTotal, 93);
    EXPECT_EQ(rider.SortKey, "100093050043043");
}

TEST(AverageKey, MethodsCountDifferentResults) {
    CommaLocale comma;
    Competition comp = PointsCompetition();
    TKlasse &klasse = *comp.Classes[0];
    TRijder &rider = AddRider(comp, klasse, "R", "1", {10, 0, -1, 19});
    const CountingFlags counting = CountingFlagsOf(klasse);
    struct Case {
        int Method;
        int Total;
        int Count;
        const char *Key;
    };
    for (const Case &c : {Case{0, 29, 2, "0014,5002"}, Case{1, 29, 3, "0009,7003"},
                          Case{2, 29, 2, "0014,5002"}, Case{3, 29, 4, "0007,2004"}}) {
        comp.Club.AverageMethod = c.Method;
        AverageKey(comp.Club, CountingBasis(comp.Club, counting, 4), rider, 2, HcNoPlace);
        EXPECT_EQ(rider.CalcTotal, c.Total) << c.Method;
        EXPECT_EQ(rider.CalcNet, c.Count) << c.Method;
        EXPECT_EQ(rider.SortKey, c.Key) << c.Method;
    }
    rider.Flags = RiderHorsConcours;
    comp.Club.AverageMethod = 2;
    AverageKey(comp.Club, CountingBasis(comp.Club, counting, 4), rider, 2, HcNoPoints);
    EXPECT_EQ(rider.CalcTotal, -1);
    EXPECT_EQ(rider.CalcNet, -1);
    comp.Club.AverageMethod = 0;
    AverageKey(comp.Club, CountingBasis(comp.Club, counting, 4), rider, 2,
               HcNoPoints); // as "Geen eindklassing"
    EXPECT_EQ(rider.CalcTotal, 29);
}

class ClassStandingsTest : public ::testing::Test {
protected:
    ClassStandingsTest() : comp(PointsCompetition()), klasse(*comp.Classes[0]) {}
    void Calculate(int hc = 1, ProblemList *problems = nullptr) {
        CalcOptions options;
        options.SetHorsConcoursChoice(hc);
        options.Set(CalcOptions::AllClasses, false);
        CalculateFinalStandings(comp, options, 0, DefaultNetCount(comp.Club, klasse), problems);
    }
    Competition comp;
    TKlasse &klasse;
};

TEST_F(ClassStandingsTest, EqualRidersGetConsecutivePlacesAndHorsConcoursBM) {
    AddRider(comp, klasse, "A", "1", {50, 47});
    AddRider(comp, klasse, "B", "2", {47, 50});
    AddRider(comp, klasse, "H", "3", {45, 45}).Flags = RiderHorsConcours;
    AddRider(comp, klasse, "Z", "4", {41, -1});
    Calculate(1);
    EXPECT_EQ(RowLabels(klasse), (std::vector<std::string>{"1", "2", "BM", "3"}));
    EXPECT_EQ(klasse.Grid.Col(0).Heading, "PL");
    Calculate(0);
    EXPECT_EQ(RowLabels(klasse), (std::vector<std::string>{"1", "2", "3", "4"}));
    Calculate(2); // no points: below every rider with points
    EXPECT_EQ(RiderNames(klasse).back(), "H");
    EXPECT_EQ(klasse.Rider(4)->CalcTotal, -1);
    EXPECT_EQ(RowLabels(klasse), (std::vector<std::string>{"1", "2", "3", "BM"}));
}

TEST_F(ClassStandingsTest, HorsConcoursWithoutResultsMovesOthersUpAndIsUndone) {
    comp.Club.Options |= OptStoreFinishOrder | OptPositionsAsPoints;
    AddRider(comp, klasse, "A", "1", {1, 3});
    AddRider(comp, klasse, "H", "2", {2, 1}).Flags = RiderHorsConcours;
    AddRider(comp, klasse, "B", "3", {3, 4});
    AddRider(comp, klasse, "C", "4", {-1, 2});
    Calculate(3);
    EXPECT_EQ(RiderNames(klasse), (std::vector<std::string>{"A", "B", "C", "H"}));
    EXPECT_EQ(RowLabels(klasse), (std::vector<std::string>{"1", "2", "3", "BM"}));
    EXPECT_EQ(StoredResults(*klasse.Rider(1), 2), (std::vector<int>{1, 2}));
    EXPECT_EQ(StoredResults(*klasse.Rider(2), 2), (std::vector<int>{2, 3}));
    EXPECT_EQ(StoredResults(*klasse.Rider(3), 2), (std::vector<int>{-1, 1}));
    EXPECT_EQ(StoredResults(*klasse.Rider(4), 2), (std::vector<int>{-1, -1}));
    EXPECT_EQ(klasse.Rider(4)->SortKey, "");

    Calculate(3); // a second run gives the same standings
    EXPECT_EQ(StoredResults(*klasse.Rider(2), 2), (std::vector<int>{2, 3}));

    RemoveAllStandings(comp);
    EXPECT_EQ(StoredResults(*klasse.Rider(4), 2), (std::vector<int>{2, 1})); // his own results back
    EXPECT_EQ(StoredResults(*klasse.Rider(2), 2), (std::vector<int>{3, 4}));
    EXPECT_EQ(RowLabels(klasse), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(klasse.Grid.Col(0).Heading, " ");
    EXPECT_EQ(klasse.Grid.ColCount(), klasse.FirstResultCol + 2);
    EXPECT_FALSE(HasAnyStandings(comp));
}

TEST_F(ClassStandingsTest, HorsConcoursWithoutResultsWithPointsStored) {
    AddRider(comp, klasse, "A", "1", {47});
    AddRider(comp, klasse, "H", "2", {50}).Flags = RiderHorsConcours;
    AddRider(comp, klasse, "B", "3", {39}); // position 7
    Calculate(3);
    EXPECT_EQ(klasse.Rider(1)->Results[1], 50);
    EXPECT_EQ(klasse.Rider(2)->Results[1], 40);
    RemoveAllStandings(comp);
    EXPECT_EQ(StoredResults(*klasse.Rider(1), 1), std::vector<int>{47});
    EXPECT_EQ(StoredResults(*klasse.Rider(2), 1), std::vector<int>{39});
    EXPECT_EQ(StoredResults(*klasse.Rider(3), 1), std::vector<int>{50});
}

TEST_F(ClassStandingsTest, LaterHorsConcoursRiderIsMovedUpByAnEarlierOne) {
    // Positions stored: H1 won, H2 second, A third. H1 (first in row order)
    // moves H2 to 1 and A to 2; then H2 moves A to 1.
    comp.Club.Options |= OptStoreFinishOrder | OptPositionsAsPoints;
    AddRider(comp, klasse, "H1", "1", {1}).Flags = RiderHorsConcours;
    AddRider(comp, klasse, "H2", "2", {2}).Flags = RiderHorsConcours;
    AddRider(comp, klasse, "A", "3", {3});
    Calculate(3);
    EXPECT_EQ(RiderNames(klasse), (std::vector<std::string>{"A", "H1", "H2"}));
    EXPECT_EQ(RowLabels(klasse)[0], "1");
    EXPECT_EQ(StoredResults(*klasse.Rider(1), 1), std::vector<int>{1});
    EXPECT_EQ(StoredResults(*klasse.Rider(2), 1), std::vector<int>{-1});
    EXPECT_EQ(StoredResults(*klasse.Rider(3), 1), std::vector<int>{-1});
    RemoveAllStandings(comp);
    EXPECT_EQ(StoredResults(*klasse.Rider(1), 1), std::vector<int>{3});
    EXPECT_EQ(StoredResults(*klasse.Rider(2), 1), std::vector<int>{1});
    EXPECT_EQ(StoredResults(*klasse.Rider(3), 1), std::vector<int>{2});
}

TEST_F(ClassStandingsTest, PointsMissingFromTheTableFindNoPlace) {
    AddRider(comp, klasse, "H", "1", {50}).Flags = RiderHorsConcours;
    AddRider(comp, klasse, "A", "2", {48}); // not in the points table
    AddRider(comp, klasse, "B", "3", {45}); // third place: becomes second
    Calculate(3);
    EXPECT_EQ(RiderNames(klasse), (std::vector<std::string>{"B", "A", "H"}));
    EXPECT_EQ(StoredResults(*klasse.Rider(1), 1), std::vector<int>{47});
    EXPECT_EQ(StoredResults(*klasse.Rider(2), 1), std::vector<int>{-1});
    RemoveAllStandings(comp);
    EXPECT_EQ(StoredResults(*klasse.Rider(1), 1), std::vector<int>{45});
    EXPECT_EQ(StoredResults(*klasse.Rider(2), 1), std::vector<int>{48});
}

TEST_F(ClassStandingsTest, HorsConcoursInAveragesAndCountBelowOne) {
    comp.Club.AverageMethod = 2;
    AddRider(comp, klasse, "A", "1", {50, 40, 30});
    AddRider(comp, klasse, "H", "2", {47, 47, 47}).Flags = RiderHorsConcours;
    CalcOptions options;
    options.Set(CalcOptions::GrossNet, false);
    options.Set(CalcOptions::AllClasses, false);
    options.SetHorsConcoursChoice(2);                      // no points: both totals of the net average -1
    CalculateFinalStandings(comp, options, 0, 0, nullptr); // a count below 1 means C
    EXPECT_EQ(klasse.ColData(klasse.Grid.ColCount() - 1)->Number, 3);
    EXPECT_EQ(RiderNames(klasse), (std::vector<std::string>{"A", "H"}));
    EXPECT_EQ(klasse.Rider(1)->CalcTotal, 120);
    EXPECT_EQ(klasse.Rider(2)->CalcTotal, -1);
    EXPECT_EQ(klasse.Rider(2)->CalcNet, -1);
    EXPECT_EQ(RowLabels(klasse), (std::vector<std::string>{"1", "BM"}));

    options.SetHorsConcoursChoice(3); // without results he has no average at all
    comp.Club.AverageMethod = 1;
    CalculateFinalStandings(comp, options, 0, 2, nullptr);
    EXPECT_EQ(klasse.Rider(2)->Name.str(), "H");
    EXPECT_EQ(klasse.Rider(2)->CalcTotal, -1);
    EXPECT_EQ(CellText(comp.Club, *klasse.Rider(2), KindAverage, 0), "");
    RemoveAllStandings(comp);
    EXPECT_EQ(StoredResults(*klasse.Rider(2), 3), (std::vector<int>{47, 47, 47}));
}

TEST(CalcInfo, SentencesByCountingRule) {
    ClubRec club;
    EXPECT_EQ(CalcInfoText(club, ModeNet, 4, 6), "Netto totaal berekend over de 4 beste uitslagen.");
    EXPECT_EQ(CalcInfoText(club, ModeNet, 6, 6), "Netto totaal berekend over alle uitslagen.");
    EXPECT_EQ(CalcInfoText(club, ModeGross, 4, 6), "");
    EXPECT_EQ(CalcInfoText(club, ModeAverage, 4, 6), "");
    club.AverageMethod = 2;
    club.CalcFlags = CalcDropMode;
    EXPECT_EQ(CalcInfoText(club, ModeAverage, 4, 6), "Netto totaal berekend  met 2 schrapresultaten.");
    EXPECT_EQ(CalcInfoText(club, ModeNet, 6, 6), "Netto totaal berekend zonder uitslagen te schrappen.");
    EXPECT_EQ(CalcInfoText(club, ModeDaily, 6, 6), "Berekend als dagklassement.");
}

TEST(StandingsDescription, SentenceByColumnsAndPlaceholders) {
    Competition comp = MakeCompetition({"MX #T"});
    comp.Club.ClubName = "MC";
    TKlasse &klasse = *comp.Classes[0];
    AddRider(comp, klasse, "A", "1", {1, 2, 3, 4, 5, 6});
    AddResultInfo(klasse, 6, 6, InfoNotCounting);
    EXPECT_EQ(StandingsDescription(comp.Club, klasse), "");

    CalcOptions options;
    CalculateFinalStandings(comp, options, 0, 0, nullptr); // N by the club rule: 3 of 5
    const std::string sentence = StandingsDescription(comp.Club, klasse);
    EXPECT_EQ(ExpandPlaceholders(sentence, comp.Club, klasse),
              "Er zijn 5 uitslagen. Hiervan zijn de 4 beste uitslagen tellend voor de eindstand");
    EXPECT_EQ(ExpandPlaceholders("#K/#C/#A/#T/#N/#G/#T", comp.Club, klasse), "MX #T/MC/6/5/4/1/#T");

    comp.Club.CalcFlags = CalcDropMode;
    EXPECT_EQ(StandingsDescription(comp.Club, klasse),
              "Er zijn #T uitslagen. De eindstand is berekend met #G schrapresultaten.");
    options.SetNet(false);
    CalculateFinalStandings(comp, options, 0, 0, nullptr);
    EXPECT_EQ(StandingsDescription(comp.Club, klasse),
              "Er zijn #T uitslagen. Er zijn geen uitslagen geschrapt.");
    EXPECT_EQ(ExpandPlaceholders("#N#G.", comp.Club, klasse), "."); // no net column

    options.Set(CalcOptions::GrossNet, false);
    comp.Club.AverageMethod = 2;
    CalculateFinalStandings(comp, options, 0, 0, nullptr);
    EXPECT_EQ(StandingsDescription(comp.Club, klasse),
              "Gemiddelde berekend waarbij #G uitslagen zijn geschrapt.");
    comp.Club.CalcFlags = 0;
    comp.Club.AverageMethod = 3;
    EXPECT_EQ(StandingsDescription(comp.Club, klasse),
              "Gemiddelde berekend van #T uitslagen (incl. nul en geen punten).");
}

TEST(RangeTotal, SumAndLastSlotKey) {
    Competition comp = PointsCompetition();
    TRijder &rider = AddRider(comp, *comp.Classes[0], "R", "1", {10, -1, 1005, 7});
    RangeTotal(comp.Club, rider, 1, 3);
    EXPECT_EQ(rider.CalcNet, 15);
    EXPECT_EQ(rider.CalcTotal, -1);
    EXPECT_EQ(rider.SortKey, "00015005");
    RangeTotal(comp.Club, rider, 2, 2);
    EXPECT_EQ(rider.SortKey, "-00001-001");
    RangeTotal(comp.Club, rider, 4, 3);
    EXPECT_EQ(rider.SortKey, "-00001-001");
}

} // namespace
} // namespace rondaxa
