#include "core/model/messages.h"
#include "core/model/model.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

TEST(CellText, ResultsFollowStorageAndDisplayBits) {
    ClubRec club; // defaults: positions stored and shown as points
    TRijder rider;
    rider.Results[1] = 1;
    rider.Results[2] = 6;
    rider.Results[3] = 0;
    rider.Results[4] = 1003; // position 3, marked as dropped
    EXPECT_EQ(CellText(club, rider, KindResult, 1), "50");
    EXPECT_EQ(CellText(club, rider, KindResult, 2), "40");
    EXPECT_EQ(CellText(club, rider, KindResult, 3), "0"); // a stored 0 is never converted
    EXPECT_EQ(CellText(club, rider, KindResult, 4), "45");
    EXPECT_EQ(CellText(club, rider, KindResult, 5), "");
    EXPECT_EQ(CellText(club, rider, KindResult, 0), "");
    EXPECT_EQ(CellText(club, rider, KindResult, 51), "");

    club.Options |= OptZeroAsEmpty;
    EXPECT_EQ(CellText(club, rider, KindResult, 3), "");
    club.Options &= ~OptPositionsAsPoints;
    EXPECT_EQ(CellText(club, rider, KindResult, 2), "6");
    EXPECT_EQ(CellText(club, rider, KindResult, 4), "3");
    club.Options = OptPositionsAsPoints; // points stored: the display bit still converts
    EXPECT_EQ(CellText(club, rider, KindResult, 2), "40");
}

TEST(CellText, NamesFieldsAndCalculatedColumns) {
    test::CommaLocale comma;
    ClubRec club;
    TRijder rider;
    rider.Name = "Jansen,  Piet";
    rider.StartNo = "12";
    rider.Extra2 = "KTM";
    rider.CalcTotal = 47;
    rider.CalcNet = 3;
    EXPECT_EQ(CellText(club, rider, KindName, 0), "Piet Jansen");
    EXPECT_EQ(CellText(club, rider, KindStartNo, 0), "12");
    EXPECT_EQ(CellText(club, rider, KindExtra2, 0), "KTM");
    EXPECT_EQ(CellText(club, rider, KindAverage, 0), "15,7");
    EXPECT_EQ(CellText(club, rider, KindGross, 0), "47");
    EXPECT_EQ(CellText(club, rider, KindDailyGross, 0), "47");
    EXPECT_EQ(CellText(club, rider, KindNet, 0), "3");
    rider.CalcNet = 0;
    EXPECT_EQ(CellText(club, rider, KindAverage, 0), "0,0");
    rider.CalcTotal = -1;
    EXPECT_EQ(CellText(club, rider, KindAverage, 0), "");
    EXPECT_EQ(CellText(club, rider, KindGross, 0), "");
    club.Options |= OptNamesAsStored;
    EXPECT_EQ(CellText(club, rider, KindName, 0), "Jansen,  Piet");
    EXPECT_EQ(CellText(club, rider, 11, 0), "");
}

TEST(CellText, AverageRoundsHalvesToEven) {
    EXPECT_EQ(AverageText(145, 20), "7.2"); // 72.5 tenths -> 72
    EXPECT_EQ(AverageText(147, 20), "7.4"); // 73.5 tenths -> 74
    EXPECT_EQ(AverageText(100, 3), "33.3");
}

TEST(SetCellText, StoresResultsThroughThePointsTable) {
    ClubRec club;
    TRijder rider;
    SetCellText(club, rider, "47", KindResult, 1);
    EXPECT_EQ(rider.Results[1], 2);
    SetCellText(club, rider, "40", KindResult, 2);
    EXPECT_EQ(rider.Results[2], 6);
    SetCellText(club, rider, "46", KindResult, 3); // no position earns 46
    EXPECT_EQ(rider.Results[3], -1);
    SetCellText(club, rider, "0", KindResult, 4);
    EXPECT_EQ(rider.Results[4], 0);
    SetCellText(club, rider, "", KindResult, 1);
    EXPECT_EQ(rider.Results[1], -1);
    club.Options &= ~OptPositionsAsPoints;
    SetCellText(club, rider, "12a", KindResult, 5);
    EXPECT_EQ(rider.Results[5], 12);
    SetCellText(club, rider, "40000", KindResult, 5); // beyond what a result holds: the largest
    EXPECT_EQ(rider.Results[5], 32767);
    SetCellText(club, rider, "7", KindResult, 51); // outside 1..50: nothing
    SetCellText(club, rider, "A very long name that does not fit in thirty", KindName, 0);
    EXPECT_EQ(rider.Name.str(), "A very long name that does not");
    SetCellText(club, rider, "1234567", KindStartNo, 0);
    EXPECT_EQ(rider.StartNo.str(), "12345");
}

TEST(NameDisplay, SwapsSurnameAtTheFirstComma) {
    EXPECT_EQ(NameDisplay("Jansen,  Piet"), "Piet Jansen");
    EXPECT_EQ(NameDisplay("Piet Jansen"), "Piet Jansen");
    EXPECT_EQ(NameDisplay("Jansen,"), " Jansen");
    EXPECT_EQ(NameDisplay("Berg, van den,;: Kees"), "van den,;: Kees Berg");
    EXPECT_EQ(NameDisplay("Vries,:; Jan"), "Jan Vries");
}

TEST(LenientStrToInt, DropsCharactersUntilTheTextParses) {
    EXPECT_EQ(LenientStrToInt(""), 0);
    EXPECT_EQ(LenientStrToInt("12a"), 12);
    EXPECT_EQ(LenientStrToInt("a1b2"), 12);
    EXPECT_EQ(LenientStrToInt("-7"), -7);
    EXPECT_EQ(LenientStrToInt("+7"), 7);
    EXPECT_EQ(LenientStrToInt("-"), 0);
    EXPECT_EQ(LenientStrToInt("--5"), -5);
    EXPECT_EQ(LenientStrToInt("5-"), 5);
    EXPECT_EQ(LenientStrToInt("abc"), 0);
    EXPECT_EQ(LenientStrToInt("99999999999"), 999999999); // the digit that overflows goes
}

TEST(PointsTable, PositionsAndPointsBothWays) {
    ClubRec club; // 50 47 45 43 41, deduction 1
    EXPECT_EQ(PointsForPosition(club, -1), -1);
    EXPECT_EQ(PointsForPosition(club, 0), 0);
    for (auto [position, points] : {std::pair{1, 50}, {5, 41}, {6, 40}, {45, 1}}) {
        EXPECT_EQ(PointsForPosition(club, position), points) << position;
        EXPECT_EQ(PositionForPoints(club, points), position) << points;
    }
    EXPECT_EQ(PointsForPosition(club, 46), 0);
    EXPECT_EQ(PointsForPosition(club, 200), 0);
    club.CalcFlags |= CalcMinOnePoint;
    EXPECT_EQ(PointsForPosition(club, 46), 1);
    EXPECT_EQ(PointsForPosition(club, 200), 1);

    EXPECT_EQ(PositionForPoints(club, 0), -1);
    EXPECT_EQ(PositionForPoints(club, 48), -1);

    club.Deduction = 3;
    EXPECT_EQ(PointsForPosition(club, 7), 35);
    EXPECT_EQ(PositionForPoints(club, 35), 7);
    EXPECT_EQ(PositionForPoints(club, 36), 6); // integer division
}

TEST(Results, DropMarkAndEmptiness) {
    TRijder rider;
    EXPECT_TRUE(IsEmptyRider(rider));
    EXPECT_FALSE(HasAnyResult(rider));
    rider.Results[3] = 1003;
    rider.Results[4] = 500;
    EXPECT_EQ(GetResult(rider, 3), 3);
    EXPECT_TRUE(IsDropped(rider, 3));
    EXPECT_EQ(GetResult(rider, 4), 500);
    EXPECT_FALSE(IsDropped(rider, 4));
    EXPECT_TRUE(HasAnyResult(rider));
    EXPECT_FALSE(IsEmptyRider(rider));
    TRijder named;
    named.Extra3 = "x";
    EXPECT_FALSE(IsEmptyRider(named));
    TRijder firstOnly;
    firstOnly.Results[1] = 0; // a zero in the first column is a result too
    EXPECT_FALSE(IsEmptyRider(firstOnly));
}

TEST(NewRiderRow, ReusesEmptyRowsAndStopsAt500) {
    Competition comp = test::MakeCompetition({"MX1"});
    TKlasse &klasse = *comp.Classes[0];
    EXPECT_EQ(klasse.Grid.RowCount(), 2);
    EXPECT_EQ(klasse.Rider(1), nullptr);
    EXPECT_EQ(CountColumns(klasse), 0); // no result columns yet
    EXPECT_EQ(klasse.FirstResultCol, 3);
    EXPECT_EQ(klasse.RiderCount, 1);

    const int first = NewRiderRow(klasse, comp.Club);
    EXPECT_EQ(first, 1); // the new grid's riderless row takes the rider
    EXPECT_EQ(klasse.Rider(1)->Id, 0);
    EXPECT_EQ(comp.Club.NextRiderId, 1);
    EXPECT_EQ(NewRiderRow(klasse, comp.Club), 1); // row 1 still empty: reused
    klasse.Rider(1)->Name = "A";
    EXPECT_EQ(NewRiderRow(klasse, comp.Club), 2);
    EXPECT_EQ(klasse.Grid.RowAt(2).Label, "2");
    EXPECT_EQ(klasse.Rider(2)->Id, 1);
    EXPECT_EQ(klasse.Grid.CurRow, 2);
    EXPECT_EQ(NewRiderRow(klasse, comp.Club), 2); // last row empty: reused

    for (int i = 0; i < 600; ++i) {
        const int row = NewRiderRow(klasse, comp.Club);
        if (row < 0)
            break;
        klasse.Rider(row)->Name = "R";
    }
    EXPECT_EQ(klasse.Grid.RowCount() - 1, kMaxRiders);
    EXPECT_EQ(NewRiderRow(klasse, comp.Club), -1);
}

TEST(Columns, RebuildKeepsResultInformationWithItsRange) {
    Competition comp = test::MakeCompetition({"MX1"});
    TKlasse &klasse = *comp.Classes[0];
    test::AddRider(comp, klasse, "A", "1", {1, 2, 3, 4});
    test::AddResultInfo(klasse, 3, 4, InfoNotCounting);
    EXPECT_EQ(CountColumns(klasse), 2);

    comp.Club.ViewFlags = ViewExtra1 | ViewExtra3 | ViewStartNoFirst;
    RebuildFixedColumns(klasse, comp.Club);
    EXPECT_EQ(klasse.FirstResultCol, 5);
    EXPECT_EQ(klasse.Grid.ColCount(), 9);
    EXPECT_EQ(klasse.Grid.Col(1).Heading, "Startnr");
    EXPECT_EQ(klasse.ColData(1)->Kind, KindStartNo);
    EXPECT_EQ(klasse.Grid.Col(3).Heading, "Woonplaats :");
    EXPECT_EQ(klasse.ColData(4)->Kind, KindExtra3);
    EXPECT_EQ(klasse.Grid.Col(5).Heading, "1");
    ASSERT_NE(klasse.ColData(klasse.ResultColumn(3))->Info, nullptr);
    EXPECT_EQ(klasse.ColData(klasse.ResultColumn(3))->Number, 3);

    comp.Club.ViewFlags = 0;
    RebuildFixedColumns(klasse, comp.Club);
    EXPECT_EQ(klasse.FirstResultCol, 3);
    EXPECT_EQ(klasse.Grid.ColCount(), 7);
    ASSERT_NE(klasse.ColData(5)->Info, nullptr);
    EXPECT_EQ(CountColumns(klasse), 2);
    EXPECT_EQ(klasse.InfoCount, 1);
}

TEST(RemoveStandings, RestoresResultsAndDropsCalculatedColumns) {
    Competition comp = test::MakeCompetition({"MX1"});
    TKlasse &klasse = *comp.Classes[0];
    TRijder &rider = test::AddRider(comp, klasse, "A", "1", {1, 2});
    // What a calculation leaves behind: two computed columns, a copy of the
    // results, an adjusted result and a drop mark.
    klasse.Grid.SetColCount(klasse.Grid.ColCount() + 2);
    AddColumnObjects(klasse, 5, 5, 0, KindGross);
    AddColumnObjects(klasse, 6, 6, 0, KindNet);
    klasse.CalcState = 2;
    klasse.CalcInfo = "Netto";
    rider.SavedResults = rider.Results;
    rider.CalcMarks = MarkSavedResults | MarkNotClassified;
    rider.Results[1] = 7;
    rider.Results[2] = 1002;

    RemoveClassStandings(klasse);
    EXPECT_EQ(klasse.Grid.ColCount(), 5);
    EXPECT_EQ(klasse.CalcState, 0);
    EXPECT_TRUE(klasse.CalcInfo.empty());
    EXPECT_EQ(rider.Results[1], 1);
    EXPECT_EQ(rider.Results[2], 2);
    EXPECT_EQ(rider.CalcMarks, 0);
    EXPECT_EQ(klasse.Grid.Col(0).Heading, " ");

    rider.Results[2] = 1002; // without standings only the marks go
    RemoveStandings(klasse);
    EXPECT_EQ(rider.Results[2], 2);
}

TEST(TieMethods, SimplePresetsAndDefaults) {
    ClubRec club;
    SetSimpleTieMethod(club, 2);
    EXPECT_EQ(club.TieSteps[1].Method, 2);
    EXPECT_EQ(club.TieSteps[1].Param, 3);
    EXPECT_EQ(club.TieSteps[2].Method, 4);
    EXPECT_EQ(club.TieSteps[3].Method, 1);
    EXPECT_EQ(club.TieSteps[4].Method, 5);
    EXPECT_EQ(club.TieSteps[5].Method, 0);
    EXPECT_EQ(club.TieNotify, 3);
    SetSimpleTieMethod(club, 3); // advanced: untouched
    EXPECT_EQ(club.TieSteps[1].Method, 2);
    SetSimpleTieMethod(club, 0);
    EXPECT_EQ(club.TieSteps[1].Method, 1);
    EXPECT_EQ(club.TieSteps[2].Method, 5);
    EXPECT_EQ(club.TieSteps[3].Method, 0);
    EXPECT_EQ(club.TieNotify, 2);

    test::FixedClock clock(0x5A214B2C);
    Competition comp;
    comp.Club.ClubName = "x";
    SetDefaults(comp);
    EXPECT_TRUE(comp.Club.ClubName.empty());
    EXPECT_EQ(comp.Club.DateCreated, 0x5A214B2C);
    EXPECT_EQ(comp.Club.DateStarted, 0x5A214B2C);
    EXPECT_EQ(comp.Club.Options, 97);
    EXPECT_EQ(comp.Club.TieSteps[1].Method, 1);
    EXPECT_EQ(AverageMethodLabel(comp.Club), "Gemid. van uitslagen met >= 0 punten");
    comp.Club.AverageMethod = 4;
    EXPECT_EQ(AverageMethodLabel(comp.Club), "");
}

TEST(Messages, TextsPositionsAndIcons) {
    const ErrorMessage name = ErrorMessageFor(WithPosition(250, 7));
    EXPECT_EQ(name.Text, "Deze naam komt al voor op positie: 7");
    EXPECT_EQ(name.Icon, MessageIcon::Exclamation);
    EXPECT_EQ(ErrorMessageFor(251 + 12 * 65536).Text, "Dit startnummer komt al voor op positie: 12");
    EXPECT_EQ(ErrorMessageFor(510).Icon, MessageIcon::Information);
    EXPECT_EQ(ErrorMessageFor(525).Icon, MessageIcon::Information);
    EXPECT_EQ(ErrorMessageFor(4).Text, "Fout nr.: 4");
    EXPECT_EQ(ErrorMessageFor(4).Icon, MessageIcon::Exclamation);
    EXPECT_EQ(ErrorMessageFor(99).Text, "Opslag methode uitslagen niet als \"Finish volgorde\" ingesteld!");

    test::ScriptedPrompts prompts;
    ShowError(prompts, 2);
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(prompts.Messages[0], "Versie incorrect of bestand is beschadigd!");
}

TEST(Bits, SetAndTest) {
    uint32_t set = 0;
    set = SetBit(set, 4, true);
    EXPECT_EQ(set, 16u);
    EXPECT_TRUE(TestBit(set, 4));
    set = SetBit(set, 4, false);
    EXPECT_FALSE(TestBit(set, 4));
    EXPECT_EQ(SetBit(0, 31, true), 0x80000000u);
}

TEST(Text, Cp1252AndUpperCase) {
    const std::string bytes = "Ren\xE9 \x80 \x9A";
    const std::string utf8 = Cp1252ToUtf8(bytes);
    EXPECT_EQ(utf8, "Ren\xC3\xA9 \xE2\x82\xAC \xC5\xA1");
    EXPECT_EQ(Utf8ToCp1252(utf8), bytes);
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?"); // not in the code page
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");         // cut short
    EXPECT_EQ(UpperCase1252("ren\xE9 \x9A\xFF\xF7"), "REN\xC9 \x8A\x9F\xF7");
}

} // namespace
} // namespace rondaxa
