#include "core/model/class_grid.h"
#include "core/model/startup.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddResultInfo;
using test::AddRider;
using test::MakeCompetition;

TEST(ClassGrid, InfoRangesAlternateColours) {
    Competition comp = MakeCompetition({"MX1"});
    TKlasse &klasse = *comp.Classes[0];
    AddRider(comp, klasse, "A", "1", {1, 2, 3, 4, 5});
    AddResultInfo(klasse, 1, 2, 0, "Oss", "20260501");
    AddResultInfo(klasse, 3, 3, 0, "Oss", "20260508");
    AddResultInfo(klasse, 5, 5, 0, "Oss", "20260515");
    comp.Club.InfoColor1 = 0x111111;
    comp.Club.InfoColor2 = 0x222222;
    auto colours = [&] {
        ColourInfoColumns(klasse, comp.Club);
        std::vector<uint32_t> found;
        for (int n = 1; n <= 5; ++n)
            found.push_back(klasse.ColData(klasse.ResultColumn(n))->Color);
        return found;
    };
    EXPECT_EQ(colours(), (std::vector<uint32_t>{0x111111, 0x111111, 0x222222, kClWindow, 0x111111}));
    comp.Club.ViewFlags |= ViewNoInfoColours;
    EXPECT_EQ(colours(), std::vector<uint32_t>(5, kClWindow));
}

TEST(ClassGrid, StatusPanelsDescribeTheSelectedCell) {
    Competition comp = MakeCompetition({"MX1"});
    TKlasse &klasse = *comp.Classes[0];
    TRijder &rider = AddRider(comp, klasse, "Jansen, Piet", "12", {1, 2});
    rider.Flags = RiderHorsConcours;
    AddResultInfo(klasse, 1, 1, InfoNotCounting, "Oss", "19990501");
    EXPECT_EQ(RiderPanelText(comp.Club, rider), "Piet Jansen (Buitenmededinging)");
    EXPECT_EQ(ColumnPanelText(comp.Club, klasse, klasse.ResultColumn(1), 1), "01 mei Oss (niet tellend)");
    EXPECT_EQ(ColumnPanelText(comp.Club, klasse, klasse.ResultColumn(2), 1), "");
    // A dropped result while standings are shown.
    rider.Results[1] += kDropMark;
    klasse.CalcState = 1;
    EXPECT_EQ(ColumnPanelText(comp.Club, klasse, klasse.ResultColumn(1), 1), "Geschrapte uitslag");
    EXPECT_EQ(ResultModeText(comp.Club), "Punten");
    comp.Club.Options &= ~OptPositionsAsPoints;
    EXPECT_EQ(ResultModeText(comp.Club), "Finish volgorde");
}

TEST(ClassGrid, RowLabelsAfterStandingsSkipHorsConcours) {
    Competition comp = MakeCompetition({"MX1"});
    TKlasse &klasse = *comp.Classes[0];
    AddRider(comp, klasse, "A", "1");
    AddRider(comp, klasse, "B", "2").Flags = RiderHorsConcours;
    AddRider(comp, klasse, "C", "3");
    klasse.CalcState = 1;
    NumberRowsByPlace(klasse);
    EXPECT_EQ(test::RowLabels(klasse), (std::vector<std::string>{"1", "BM", "2"}));
    klasse.CalcState = 0;
    NumberRowsByPlace(klasse);
    EXPECT_EQ(test::RowLabels(klasse), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(ClassGrid, CaptionCutsClubAndWhole) {
    const std::string c30(30, 'C'), c40(40, 'C'), k30(30, 'K'), k50(50, 'K');
    const struct {
        std::string club, klasse, caption;
    } cases[] = {
        {"MCC", "Jeugd", "MCC - Jeugd"},
        {c30, k30, c30 + " - " + k30},                                     // the stored maxima just fit
        {std::string(31, 'C'), "Jeugd", std::string(31, 'C') + " -Jeugd"}, // " - " cut at 33
        {c40, "Jeugd", std::string(33, 'C') + "Jeugd"},                    // the club part cut at 33
        {"MCC", k50 + k50, "MCC - " + std::string(57, 'K')},               // the whole cut at 63
        {c40, k50, std::string(33, 'C') + std::string(30, 'K')},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ClassCaption(c.club, c.klasse), c.caption) << c.club << " / " << c.klasse;
    Competition comp = MakeCompetition({k30});
    comp.Club.ClubName = c30;
    EXPECT_EQ(ClassCaption(comp.Club, *comp.Classes[0]), c30 + " - " + k30);
}

TEST(ClassGrid, AutoSizeFitsTexts) {
    Competition comp = MakeCompetition({"MX1"});
    TKlasse &klasse = *comp.Classes[0];
    AddRider(comp, klasse, "Jansen, Piet", "12", {1});
    auto width = [](std::string_view text) { return static_cast<int>(text.size()) * 10; };
    AutoSizeColumns(klasse, comp.Club, width, 14);
    EXPECT_EQ(klasse.Grid.DefaultRowHeight, 16);
    EXPECT_EQ(klasse.Grid.Col(0).Width, 34);                      // "Pos"
    EXPECT_EQ(klasse.Grid.Col(1).Width, 114);                     // "Piet Jansen"
    EXPECT_EQ(klasse.Grid.Col(2).Width, 74);                      // "Startnr"
    EXPECT_EQ(klasse.Grid.Col(klasse.ResultColumn(1)).Width, 30); // "188"
}

TEST(Startup, CommandLineFileName) {
    EXPECT_EQ(CommandLineFileName(R"("C:\Program Files\KZB\Rondaxa.exe" "C:\Mijn club\seizoen 2026.kzb")",
                                  {"C:\\Mijn club\\seizoen 2026.kzb"}),
              "C:\\Mijn club\\seizoen 2026.kzb");
    EXPECT_EQ(CommandLineFileName("", {"/home/club/mijn", "seizoen.kzb"}), "/home/club/mijn seizoen.kzb");
    EXPECT_EQ(CommandLineFileName("", {"  \"demo.kzb\" "}), "demo.kzb");
    EXPECT_EQ(CommandLineFileName("rondaxa", {}), "");
}

TEST(Startup, PlacementRule) {
    FormSet placement{100, 100, 500, 700, 0};
    EXPECT_EQ(PlacementActionFor(placement), PlacementAction::Apply);
    placement.Left = 700;
    EXPECT_EQ(PlacementActionFor(placement), PlacementAction::None);
    placement.WindowState = 2;
    EXPECT_EQ(PlacementActionFor(placement), PlacementAction::Maximise);
    EXPECT_EQ(PlacementActionFor(FormSet{10, 10, 75, 400, 0}), PlacementAction::None);
    EXPECT_EQ(PlacementActionFor(FormSet{10, 10, 400, 400, 1}), PlacementAction::None);
}

TEST(Startup, SaveAsName) {
    EXPECT_EQ(SaveAsFileName("/data/uitslag"), "/data/uitslag.kzb");
    EXPECT_EQ(SaveAsFileName("/data/uitslag.KZB"), "/data/uitslag.kzb");
    EXPECT_EQ(SaveAsFileName("/data/uitslag.txt"), std::nullopt);
}

} // namespace
} // namespace rondaxa
