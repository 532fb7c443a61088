// The marks of dropped results in HTML cells, the calculated columns each
// tick box brings, separators and heading lines.
#include "core/reports/text_export.h"
#include "core/scoring/final_standings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

bool Contains(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

// "MX1": Bakker 47, 50, 0 and Jansen 50, none, 47 (positions stored); with
// N = 2 of 3 Bakker's 0 in column 3 is dropped.
class ExportCellsTest : public ::testing::Test {
protected:
    ExportCellsTest() : comp(MakeCompetition({"MX1"})), klasse(*comp.Classes[0]) {
        comp.Club.ClubName = "MC & Zn";
        AddRider(comp, klasse, "Bakker", "12", {2, 1, 0});
        AddRider(comp, klasse, "Jansen", "7", {1, -1, 2});
        comp.Club.CountPlus = 0;
    }

    void Calculate(CalcOptions options = {}) { CalculateFinalStandings(comp, options, 0, 0, nullptr); }

    ExportChoices Html() {
        ExportChoices choices = OpenExportChoices(comp, ExportMemory{});
        choices.FileType = ExportFileType::Html;
        return choices;
    }

    Competition comp;
    TKlasse &klasse;
};

TEST_F(ExportCellsTest, DroppedResultMarksFollowTheDisplaySettings) {
    comp.Club.ViewFlags = ViewMarkDropped;
    Calculate();
    ASSERT_EQ(klasse.Rider(1)->Name.str(), "Bakker");
    ASSERT_TRUE(IsDropped(*klasse.Rider(1), 3));
    struct Case {
        int32_t ViewFlags;
        uint32_t MarkColor;
        bool Info;
        const char *Cell;
    };
    const Case cases[] = {
        {ViewMarkDropped, kClTeal, false, "<td bgcolor=\"#008080\"; align=center>0</td>"},
        {ViewMarkDropped | ViewStrikeDropped, kClTeal, false,
         "<td bgcolor=\"#008080\"; align=center><s>0</s></td>"},
        {ViewMarkDropped | ViewNoMarkColour, kClTeal, false, "<td align=center>0</td>"},
        // Struck out on the column's result-information colour.
        {ViewMarkDropped | ViewNoMarkColour | ViewStrikeDropped, kClTeal, true,
         "<td bgcolor=\"#FFFFE1\"; align=center><s>0</s></td>"},
        // The mark colour beats the result-information colour.
        {ViewMarkDropped, 0x00FF0000, true, "<td bgcolor=\"#0000FF\"; align=center>0</td>"},
        // Colour 0 is no colour at all.
        {ViewMarkDropped, 0, false, "<td align=center>0</td>"},
        // Marks not shown: a plain cell, although the result is marked.
        {ViewStrikeDropped, kClTeal, false, "<td align=center>0</td>"},
    };
    test::AddResultInfo(klasse, 1, 3, 0, "");
    for (const Case &c : cases) {
        comp.Club.ViewFlags = c.ViewFlags;
        comp.Club.MarkColor = c.MarkColor;
        ExportChoices choices = Html();
        choices.Info = c.Info;
        const std::string html = ExportStandings(comp, choices);
        const std::string bakkerRow = html.substr(html.find("Bakker"));
        // Bakker's third result: the fourth line after the one with his name.
        std::size_t at = 0;
        for (int line = 0; line < 4; ++line)
            at = bakkerRow.find("\r\n", at) + 2;
        EXPECT_EQ(bakkerRow.substr(at, bakkerRow.find("\r\n", at) - at), c.Cell) << c.ViewFlags;
    }
}

TEST_F(ExportCellsTest, AverageColumnsEachByTheirOwnBox) {
    CalcOptions options;
    options.Set(CalcOptions::GrossNet, false);
    Calculate(options);
    ExportChoices choices = OpenExportChoices(comp, ExportMemory{});
    ASSERT_TRUE(choices.Total && choices.Count && choices.Average);
    EXPECT_FALSE(choices.Enabled.Net || choices.Enabled.Gross);
    choices.Count = false;
    choices.Results = false;
    choices.ClubName = false;
    std::string text;
    {
        test::CommaLocale comma;
        text = ExportStandings(comp, choices);
    }
    EXPECT_EQ(text, "MX1\r\n"
                    "Gemiddelde berekend van uitslagen met nul of meer punten.\r\n"
                    "PL\tNaam\tStartnr\tTotaal\tGemiddeld\r\n"
                    "1\tJansen\t7\t97\t48,5\r\n"
                    "2\tBakker\t12\t97\t32,3\r\n"
                    "\r\n");
}

TEST_F(ExportCellsTest, DailyGrossColumnComesWithBruto) {
    CalcOptions options;
    options.SetNet(false);
    options.Set(CalcOptions::Daily, true);
    Calculate(options);
    ExportChoices choices = OpenExportChoices(comp, ExportMemory{});
    EXPECT_TRUE(choices.Gross);
    EXPECT_FALSE(choices.Enabled.Net);
    choices.Separator = ExportSeparator::Semicolon;
    choices.StartNo = false;
    const std::string text = ExportStandings(comp, choices);
    EXPECT_EQ(text, "MC & Zn - MX1\r\n"
                    "Er zijn 3 uitslagen. Er zijn geen uitslagen geschrapt.\r\n"
                    "PL;Naam;1;2;3;Bruto\r\n"
                    "1;Jansen;50;;47;97\r\n" // equal totals: the last result decides
                    "2;Bakker;47;50;0;97\r\n"
                    "\r\n");
    choices.Gross = false;
    EXPECT_FALSE(Contains(ExportStandings(comp, choices), "Bruto"));
}

TEST_F(ExportCellsTest, HtmlHeadingWithTheClassNameOnly) {
    ExportChoices choices = Html();
    choices.ClubName = false;
    const std::string html = ExportStandings(comp, choices);
    EXPECT_TRUE(Contains(html, "<title>MC &amp; Zn wedstrijduitslagen</title>\r\n"));
    EXPECT_TRUE(Contains(html, "\r\n<p>MX1<br>\r\n<table border=1 cellspacing=0 cellpadding=2>\r\n"));
    choices.ClassName = false;
    EXPECT_TRUE(Contains(ExportStandings(comp, choices), "<body>\r\n<table "));
}

} // namespace
} // namespace rondaxa
