#include "core/daily/daily_export.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

// "MC Zand", class "MX1": a race day of heats 1 and 2 and a third race;
// positions stored, shown as points.
class DailyExportTest : public ::testing::Test {
protected:
    DailyExportTest() : comp(MakeCompetition({"MX1"})), klasse(*comp.Classes[0]) {
        comp.Club.ClubName = "MC Zand";
        AddRider(comp, klasse, "Jansen, Piet", "7", {2, 2, 1}).Extra1 = "Ede";
        AddRider(comp, klasse, "Bakker & Zn", "", {1, 3, -1}).Extra3 = "<nieuw>";
        AddRider(comp, klasse, "Vos, Tim", "3", {-1, -1, 2});
        AddRider(comp, klasse, "Smit, Jan", "9", {0, 0, 3});
    }

    DailyTable Classify() { return MakeDailyClassification(comp.Club, klasse, 1, 2, false, {}); }
    DailyExportChoices Choices() { return OpenDailyExportChoices(comp, klasse, DailyExportMemory{}); }

    void AddInfo(int from, int to, const char *date, const char *remark) {
        test::AddResultInfo(klasse, from, to, 0, remark, date);
    }

    Competition comp;
    TKlasse &klasse;
};

TEST_F(DailyExportTest, DefaultTextLeavesOutReplacementPointsAndRidersWithoutPoints) {
    const DailyExportChoices choices = Choices();
    EXPECT_FALSE(choices.ExtraEnabled);
    EXPECT_EQ(choices.Target, DailyTarget::Printer);
    EXPECT_EQ(DailyTextFile(comp.Club, klasse, Classify(), choices), "MC Zand - MX1\r\n"
                                                                     "PL\tNaam\tStartnr\t1\t2\tTotaal\r\n"
                                                                     "1\tBakker & Zn\t\t50\t45\t95\r\n"
                                                                     "2\tPiet Jansen\t7\t47\t47\t94\r\n"
                                                                     "3\tJan Smit\t9\t0\t0\t0\r\n");
}

TEST_F(DailyExportTest, EveryChoiceTicked) {
    comp.Club.ViewFlags |= ViewExtra1 | ViewExtra3;
    RebuildFixedColumns(klasse, comp.Club);
    AddInfo(1, 2, "20260501", "Zandbaan");
    DailyExportChoices choices = Choices();
    ASSERT_TRUE(choices.ExtraEnabled);
    choices.Info = choices.Replacement = choices.AllRiders = choices.Extra = true;
    choices.StartNo = false;
    EXPECT_EQ(DailyTextFile(comp.Club, klasse, Classify(), choices),
              "MC Zand - MX1\r\n"
              "Info uitslag, 1+2: 01-05 Zandbaan\r\n"
              "PL\tNaam\tWoonplaats :\tOpmerking :\t1\t2\tTotaal\tVervang\r\n"
              "1\tBakker & Zn\t\t<nieuw>\t50\t45\t95\t50\r\n"
              "2\tPiet Jansen\tEde\t\t47\t47\t94\t47\r\n"
              "3\tJan Smit\t\t\t0\t0\t0\t0\r\n"
              "4\tTim Vos\t\t\t\t\t\t\r\n");
}

TEST_F(DailyExportTest, HtmlPageEscapesCompetitionTextAndWritesEmptyCells) {
    comp.Club.ClubName = "MC <Zand>";
    AddInfo(1, 1, "", "R&R");
    DailyExportChoices choices = Choices();
    choices.Info = true;
    choices.Replacement = true;
    const std::string html = DailyHtmlFile(comp.Club, klasse, Classify(), choices);
    auto row = [](const char *place, const char *name, const char *startNo, const char *r1, const char *r2,
                  const char *total, const char *replacement) {
        auto cell = [](const char *align, const char *text) {
            return *text ? std::string("<td") + align + ">" + text + "</td>\r\n"
                         : std::string("<td>&nbsp</td>\r\n");
        };
        return "<tr>\r\n" + cell("", place) + cell("", name) + cell(" align=center", startNo) +
               cell(" align=center", r1) + cell(" align=center", r2) + cell(" align=right", total) +
               cell(" align=right", replacement) + "</tr>\r\n";
    };
    EXPECT_EQ(html, "<html>\r\n<head>\r\n"
                    "<META http-equiv=\"Content-Type\" content=\"text/html; "
                    "charset=windows-1252\">\r\n<title>MC &lt;Zand&gt; - MX1 dagklassement</title>\r\n"
                    "<META name=\"generator\" content=\"Rondaxa voor Windows\">\r\n</head>\r\n\r\n<body>\r\n"
                    "<p>Dagklassement: MC &lt;Zand&gt; - MX1<br>\r\n"
                    "Info uitslag, 1:  R&amp;R</p>\r\n"
                    "<table border=1 cellspacing=0 cellpadding=2>\r\n<tr bgcolor=\"silver\">\r\n"
                    "<td>PL</td>\r\n<td>Naam</td>\r\n<td>Startnr</td>\r\n<td align=center>1</td>\r\n"
                    "<td align=center>2</td>\r\n<td>Totaal</td>\r\n<td>Vervang</td>\r\n</tr>\r\n" +
                        row("1", "Bakker &amp; Zn", "", "50", "45", "95", "50") +
                        row("2", "Piet Jansen", "7", "47", "47", "94", "47") +
                        row("3", "Jan Smit", "9", "0", "0", "0", "0") + "</table>\r\n</body>\r\n</html>\r\n");
}

TEST_F(DailyExportTest, InformationLineNamesEachBlockOfTheDayOnce) {
    comp.Club.ViewFlags |= ViewShowYear;
    AddInfo(1, 2, "20260501", "Zandbaan");
    AddInfo(3, 3, "", "Regen");
    const DailyTable day = MakeDailyClassification(comp.Club, klasse, 1, 3, false, {});
    EXPECT_EQ(ResultInfoLine(comp.Club, klasse, day), "Info uitslag, 1+2: 01-05-2026 Zandbaan, 3:  Regen");
    // A block that starts before the range is not told.
    const DailyTable later = MakeDailyClassification(comp.Club, klasse, 2, 3, false, {});
    EXPECT_EQ(ResultInfoLine(comp.Club, klasse, later), "Info uitslag, 3:  Regen");
}

TEST_F(DailyExportTest, LastRowWithPointsCountsZeroUnlessZeroIsShownEmpty) {
    const DailyTable table = Classify();
    EXPECT_EQ(LastRowWithPoints(comp.Club, klasse, table), 3);
    comp.Club.Options |= OptZeroAsEmpty;
    EXPECT_EQ(LastRowWithPoints(comp.Club, klasse, table), 2);
    const DailyTable none = MakeDailyClassification(comp.Club, klasse, 3, 3, false, {});
    comp.Club.Options &= ~OptZeroAsEmpty;
    for (int r = 1; r < none.RowCount(); ++r)
        none.Rider(klasse, r)->CalcNet = none.Rider(klasse, r)->CalcTotal = -1;
    EXPECT_EQ(LastRowWithPoints(comp.Club, klasse, none), 0);
}

TEST(DailyCell, AlignmentAndTheEmptyCell) {
    EXPECT_EQ(WriteDailyCell("12", kDailyCentre), "<td align=center>12</td>");
    EXPECT_EQ(WriteDailyCell("95", kDailyRight), "<td align=right>95</td>");
    EXPECT_EQ(WriteDailyCell("A&B", kDailyLeft), "<td>A&amp;B</td>");
    EXPECT_EQ(WriteDailyCell("", kDailyRight), "<td>&nbsp</td>");
    EXPECT_EQ(WriteDailyCell(" ", kDailyCentre), "<td>&nbsp</td>");
}

TEST_F(DailyExportTest, ChoicesAreRememberedForTheNextExport) {
    comp.Print.FontName = "";
    klasse.Grid.Font = GridFont{"Courier", 9, 255, 1};
    DailyExportChoices first = Choices();
    EXPECT_EQ(first.FontName, "Courier");
    EXPECT_EQ(first.FontColor, 0);
    EXPECT_EQ(first.FontSize, 11);
    comp.Print.FontName = "Arial";
    comp.Print.FontColor = 128;
    EXPECT_EQ(Choices().FontName, "Arial");
    EXPECT_EQ(Choices().FontColor, 128);

    comp.Club.ViewFlags |= ViewExtra2;
    first = Choices();
    first.Target = DailyTarget::HtmlFile;
    first.Extra = first.Replacement = first.AllRiders = true;
    first.StartNo = false;
    first.FontName = std::string(40, 'F');
    DailyExportMemory memory;
    StoreDailyExportChoices(first, memory);
    DailyExportChoices second = OpenDailyExportChoices(comp, klasse, memory);
    EXPECT_EQ(second.Target, DailyTarget::HtmlFile);
    EXPECT_TRUE(second.Extra && second.Replacement && second.AllRiders);
    EXPECT_FALSE(second.StartNo);
    EXPECT_EQ(second.FontName, std::string(31, 'F'));
    // With no extra field shown the box is not restored ticked.
    comp.Club.ViewFlags &= ~ViewExtra2;
    second = OpenDailyExportChoices(comp, klasse, memory);
    EXPECT_FALSE(second.Extra);
    EXPECT_FALSE(second.ExtraEnabled);
}

} // namespace
} // namespace rondaxa
