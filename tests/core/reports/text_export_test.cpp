#include "core/reports/text_export.h"
#include "core/scoring/final_standings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

// "MC Test", class "MX1" with two riders and three results (positions stored,
// shown as points).
class ExportTest : public ::testing::Test {
protected:
    ExportTest() : comp(MakeCompetition({"MX1", "MX2"})), klasse(*comp.Classes[0]) {
        comp.Club.ClubName = "MC Test";
        AddRider(comp, klasse, "Jansen, Piet", "7", {1, -1, 2});
        AddRider(comp, klasse, "Bakker & Zn <x>", "12", {2, 1, 0});
        AddRider(comp, *comp.Classes[1], "Other", "3", {1});
    }

    ExportChoices Choices() { return OpenExportChoices(comp, ExportMemory{}); }

    void Calculate() {
        comp.Club.CountPlus = 0; // N = 2 of 3
        CalculateFinalStandings(comp, CalcOptions{}, 0, 0, nullptr);
    }

    void AddInfo(int from, int to, const char *date, const char *remark) {
        test::AddResultInfo(klasse, from, to, 0, remark, date);
    }

    Competition comp;
    TKlasse &klasse;
};

TEST_F(ExportTest, TextWithTabsIsTheGridAsShown) {
    EXPECT_EQ(ExportStandings(comp, Choices()), "MC Test - MX1\r\n"
                                                " \tNaam\tStartnr\t1\t2\t3\r\n"
                                                "1\tPiet Jansen\t7\t50\t\t47\r\n"
                                                "2\tBakker & Zn <x>\t12\t47\t50\t0\r\n"
                                                "\r\n");
}

TEST_F(ExportTest, TextOptionsShapeTheFields) {
    ExportChoices choices = Choices();
    choices.Separator = ExportSeparator::Character;
    choices.SeparatorText = " | ";
    choices.StartNo = false;
    choices.SwapNames = false;
    choices.ZeroEmpty = true; // only for the export
    choices.ClubName = false;
    choices.Classes = ExportClassChoice::All;
    klasse.Grid.RowAt(1).Label.clear(); // the name becomes the first field
    EXPECT_EQ(ExportStandings(comp, choices), "MX1\r\n"
                                              "  | Naam | 1 | 2 | 3\r\n"
                                              "Jansen, Piet | 50 |  | 47\r\n"
                                              "2 | Bakker & Zn <x> | 47 | 50 | \r\n"
                                              "\r\n"
                                              "MX2\r\n"
                                              "  | Naam | 1\r\n"
                                              "1 | Other | 50\r\n"
                                              "\r\n");
    EXPECT_EQ(comp.Club.Options, 97);
    EXPECT_EQ(CellText(comp.Club, *klasse.Rider(2), KindResult, 3), "0");
}

TEST_F(ExportTest, EachFieldOnItsOwnLine) {
    ExportChoices choices = Choices();
    choices.Separator = ExportSeparator::NewLine;
    choices.StartNo = false;
    choices.ClubName = choices.ClassName = false;
    const std::string plain = ExportStandings(comp, choices);
    EXPECT_EQ(plain.substr(0, plain.find("1\r\nPiet")), " \r\nNaam\r\n\r\n1\r\n2\r\n3\r\n");

    choices.JoinResults = true;
    EXPECT_EQ(ExportStandings(comp, choices), " \r\nNaam\r\n\r\n 1- 2- 3\r\n"
                                              "1\r\nPiet Jansen\r\n\r\n50-  -47\r\n"
                                              "2\r\nBakker & Zn <x>\r\n\r\n47-50- 0\r\n"
                                              "\r\n");
}

TEST_F(ExportTest, JoinedResults) {
    comp.Club.Options &= ~(OptStoreFinishOrder | OptPositionsAsPoints);
    klasse.Rider(1)->Results[1] = 50;
    klasse.Rider(1)->Results[3] = 7;
    ExportChoices choices = Choices();
    EXPECT_EQ(JoinResults(comp.Club, klasse, choices, 0), " 1- 2- 3");
    EXPECT_EQ(JoinResults(comp.Club, klasse, choices, 1), "50-  - 7");
    choices.EmptyResult = true;
    EXPECT_EQ(JoinResults(comp.Club, klasse, choices, 1), "50---- 7");
    EXPECT_EQ(PadLeft("100", 2), "100");
    EXPECT_EQ(PadLeft("", 2), "  ");
}

// The page says which code page its bytes are in, ahead of the first text
// that may hold a character beyond ASCII.
TEST_F(ExportTest, HtmlNamesTheCodePageItIsWrittenIn) {
    comp.Club.ClubName = "MC Br\xFCggen";
    ExportChoices choices = Choices();
    choices.FileType = ExportFileType::Html;
    const std::string html = ExportStandings(comp, choices);
    const std::size_t charset =
        html.find("<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">");
    ASSERT_NE(charset, std::string::npos);
    EXPECT_LT(charset, html.find("<title>"));
    EXPECT_NE(html.find("<title>MC Br\xFCggen wedstrijduitslagen</title>"), std::string::npos);
}

TEST_F(ExportTest, HtmlOfStandingsWithDroppedResultAndEscapedNames) {
    comp.Club.ViewFlags = ViewMarkDropped | ViewStrikeDropped;
    Calculate();
    ExportChoices choices = Choices();
    choices.FileType = ExportFileType::Html;
    EXPECT_TRUE(choices.Net && choices.Gross && !choices.Average);
    // The page as a whole is held byte for byte by the golden output; here
    // the struck-out mark, the escaped name and the order of the standings.
    const std::string page = ExportStandings(comp, choices);
    EXPECT_NE(page.find("<td align=center>Bruto</td>\r\n<td align=center>Netto</td>\r\n</tr>\r\n"
                        "<tr>\r\n<td>1</td>\r\n<td>Bakker &amp; Zn &lt;x&gt;</td>\r\n"),
              std::string::npos);
    EXPECT_NE(page.find("<td bgcolor=\"#008080\"; align=center><s>0</s></td>\r\n"
                        "<td align=right>97</td>\r\n<td align=right>97</td>\r\n</tr>\r\n"
                        "<tr>\r\n<td>2</td>\r\n<td>Piet Jansen</td>\r\n<td align=center>7</td>\r\n"
                        "<td align=center>50</td>\r\n<td>&nbsp</td>\r\n"),
              std::string::npos);

    choices.Gross = false;
    choices.ClassName = choices.ClubName = false;
    const std::string html = ExportStandings(comp, choices);
    EXPECT_EQ(html.find("Bruto"), std::string::npos);
    EXPECT_NE(
        html.find("<p>Er zijn 3 uitslagen. Hiervan zijn de 2 beste uitslagen tellend voor de eindstand</p>"),
        std::string::npos);
}

TEST_F(ExportTest, ResultInformationLinesAndColours) {
    AddInfo(1, 2, "20260412", "Oss & co");
    AddInfo(3, 3, "", "");
    EXPECT_EQ(ResultInfoLines(comp.Club, klasse), (std::vector<std::string>{"1-2 = 12-04 Oss & co", "3 = "}));
    comp.Club.ViewFlags = ViewShowYear;
    EXPECT_EQ(ResultInfoLines(comp.Club, klasse)[0], "1-2 = 12-04-2026 Oss & co");

    ExportChoices choices = Choices();
    choices.Info = true;
    choices.ClubName = choices.ClassName = false;
    const std::string text = ExportStandings(comp, choices);
    EXPECT_NE(text.find("\r\nInformatie uitslagen:\r\n1-2 = 12-04-2026 Oss & co\r\n3 = \r\n\r\n"),
              std::string::npos);

    choices.FileType = ExportFileType::Html;
    const std::string html = ExportStandings(comp, choices);
    EXPECT_NE(html.find("<td bgcolor=\"#FFFFE1\"; align=center>50</td>"), std::string::npos);
    EXPECT_NE(html.find("<td bgcolor=\"#E3E3E3\"; align=center>47</td>"), std::string::npos); // second colour
    EXPECT_NE(html.find("<td bgcolor=\"#FFFFE1\";>&nbsp</td>"), std::string::npos);
    EXPECT_NE(
        html.find(
            "<p>Informatie uitslagen:<br>\r\n1-2 = 12-04-2026 Oss &amp; co<br>\r\n3 = <br>\r\n<p>&nbsp;"),
        std::string::npos);
    choices.Info = false; // the colours come only with the information
    EXPECT_EQ(ExportStandings(comp, choices).find("bgcolor=\"#FFFFE1\""), std::string::npos);
}

TEST_F(ExportTest, NoClassSelected) {
    ExportChoices choices = Choices();
    choices.Classes = ExportClassChoice::Selection;
    EXPECT_EQ(ExportStandings(comp, choices), "");
    choices.FileType = ExportFileType::Html;
    const std::string frame = ExportStandings(comp, choices);
    EXPECT_EQ(frame.substr(frame.find("<body>")), "<body>\r\n</body>\r\n</html>\r\n");
    choices.Selected[1] = true;
    EXPECT_NE(ExportStandings(comp, choices).find("Other"), std::string::npos);
}

TEST_F(ExportTest, MemoryKeepsChoicesAndCutsTexts) {
    ExportMemory memory;
    ExportChoices choices = Choices();
    EXPECT_FALSE(choices.Net || choices.Gross || choices.Total || choices.Count || choices.Average);
    EXPECT_TRUE(choices.SwapNames);
    choices.SeparatorText = std::string(20, ';');
    choices.Info = true;
    choices.Net = true; // not available: not kept as ticked
    StoreExportChoices(choices, memory);
    EXPECT_EQ(memory.Choices.SeparatorText.size(), kExportTextMemory);

    Calculate();
    const ExportChoices reopened = OpenExportChoices(comp, memory);
    EXPECT_TRUE(reopened.Info);
    EXPECT_TRUE(reopened.Net);
    EXPECT_FALSE(reopened.Gross); // remembered clear
    EXPECT_FALSE(reopened.Enabled.Average);
    EXPECT_EQ(reopened.Selected, std::vector<bool>(2, false));
}

TEST(ExportFiles, NamesAndColours) {
    EXPECT_EQ(ExportFileName("c:\\uit\\stand.htm", ExportFileType::Html), "c:\\uit\\stand.html");
    EXPECT_EQ(ExportFileName("stand", ExportFileType::Text), "stand.txt");
    EXPECT_EQ(ExportFileName("map.d/stand", ExportFileType::Text), "map.d/stand.txt");

    EXPECT_EQ(ColorToHtml(kClTeal), "008080");
    EXPECT_EQ(ColorToHtml(0x000000FF), "FF0000");
    EXPECT_EQ(ColorToHtml(kClWindow), "FFFFFF");
    EXPECT_EQ(ColorToHtml(0x01000000), "FFFFFF");
    EXPECT_EQ(ColorToHtml(0x8000001E), "F0F0F0"); // the last system colour
    EXPECT_EQ(ColorToHtml(0x8000001F), "FFFFFF"); // past the system colours: white
    EXPECT_EQ(WriteHtmlCell(kCellRight, kClTeal, ""), "<td bgcolor=\"#008080\";>&nbsp</td>");
    EXPECT_EQ(WriteHtmlCell(kCellCentre | kCellStrike, 0, " "), "<td>&nbsp</td>");
    EXPECT_EQ(WriteHtmlCell(kCellRight, 0, "7,5"), "<td align=right>7,5</td>");
    EXPECT_EQ(HtmlEscape("a&b<c>\"d\""), "a&amp;b&lt;c&gt;&quot;d&quot;");

    test::TempDir dir;
    Competition comp = MakeCompetition({"A"});
    EXPECT_THROW(WriteExportFile(comp, ExportChoices{}, dir.Path("missing/x.txt")), IoError);
    WriteExportFile(comp, ExportChoices{}, dir.Path("x.txt"));
    EXPECT_EQ(test::ReadAll(dir.Path("x.txt")),
              "A\r\n \tNaam\tStartnr\r\n\r\n\r\n"); // the riderless row: empty cells

    // A riderless row before a rider without a result: only the rider's cell
    // gets the empty-result text.
    TKlasse &klasse = *comp.Classes[0];
    klasse.ResultCount = 1;
    RebuildFixedColumns(klasse, comp.Club);
    klasse.Grid.SetRowCount(3);
    klasse.Grid.RowAt(2).Rider = std::make_unique<TRijder>();
    ExportChoices choices;
    choices.FileType = ExportFileType::Html;
    choices.EmptyResult = true;
    choices.EmptyText = "<>";
    const std::string html = ExportStandings(comp, choices);
    EXPECT_NE(
        html.find("<tr>\r\n<td>&nbsp</td>\r\n<td>&nbsp</td>\r\n<td>&nbsp</td>\r\n<td>&nbsp</td>\r\n</tr>"),
        std::string::npos);
    EXPECT_NE(html.find("<td align=center>&lt;&gt;</td>"), std::string::npos);
}

// Every competition text reaches the page escaped, whatever its length and
// wherever the character that needs the escape stands.
TEST(ExportHtmlText, EveryCharacterAtEveryPlaceIsEscapedAsHtmlEscapeDoes) {
    for (std::size_t length = 1; length <= FixedString<30>::Room; ++length) {
        Competition comp = MakeCompetition({"A"});
        TKlasse &klasse = *comp.Classes[0];
        std::vector<std::string> names;
        for (char special : {'&', '<', '>', '"'})
            for (std::size_t at = 0; at < length; ++at) {
                names.emplace_back(length, 'a');
                names.back()[at] = special;
            }
        for (int byte = 0; byte < 256; ++byte) {
            names.emplace_back(length, 'b');
            names.back()[static_cast<std::size_t>(byte) % length] = static_cast<char>(byte);
        }
        for (const std::string &name : names)
            AddRider(comp, klasse, name, "1");
        ExportChoices choices = OpenExportChoices(comp, ExportMemory{});
        choices.FileType = ExportFileType::Html;
        choices.SwapNames = false; // the names as stored
        const std::string html = ExportStandings(comp, choices);
        for (const std::string &name : names) {
            const std::string cell = name == " " ? "<td>&nbsp</td>" : "<td>" + HtmlEscape(name) + "</td>";
            EXPECT_NE(html.find("\r\n" + cell + "\r\n"), std::string::npos) << "length " << length;
        }
    }
}

// Results a damaged file may hold, a result column with a number outside
// the results, rows without a rider and an empty-result text too long for
// the room a result cell is usually copied in: each cell as the rules make
// it.
TEST(ExportHtmlResults, UnusualValuesAndLongCellsAreWrittenInFull) {
    Competition comp = MakeCompetition({"A"});
    comp.Club.Options &= ~OptPositionsAsPoints; // the values as stored
    comp.Club.ViewFlags = ViewMarkDropped;
    TKlasse &klasse = *comp.Classes[0];
    TRijder &rider = AddRider(comp, klasse, "Rijder", "1", {300, 1300, -5, 32767, 999, 5});
    klasse.Grid.InsertRow(1); // a row without a rider above the rider
    klasse.ColData(klasse.ResultColumn(6))->Number = kMaxResults + 1;
    ASSERT_EQ(rider.Results[2], 1300);

    ExportChoices choices = OpenExportChoices(comp, ExportMemory{});
    choices.FileType = ExportFileType::Html;
    choices.EmptyResult = true;
    choices.EmptyText = std::string(70, 'x') + "&";
    const std::string empty = "<td align=center>" + std::string(70, 'x') + "&amp;</td>\r\n";
    const std::string mark = "<td bgcolor=\"#008080\"; align=center>";
    const std::string html = ExportStandings(comp, choices);
    EXPECT_NE(html.find("<tr>\r\n<td>&nbsp</td>\r\n<td>&nbsp</td>\r\n<td>&nbsp</td>\r\n" +
                        std::string("<td>&nbsp</td>\r\n<td>&nbsp</td>\r\n<td>&nbsp</td>\r\n") +
                        "<td>&nbsp</td>\r\n<td>&nbsp</td>\r\n<td>&nbsp</td>\r\n</tr>\r\n"),
              std::string::npos);
    EXPECT_NE(html.find("<td align=center>1</td>\r\n"
                        "<td align=center>300</td>\r\n" +
                        mark + "300</td>\r\n" + empty + mark + "31767</td>\r\n" + mark +
                        std::string(70, 'x') + "&amp;</td>\r\n" + empty + "</tr>\r\n"),
              std::string::npos)
        << html;
}

// The same in the text export, with a separator longer than a result: the
// text of each value is made once and then copied, so a value seen twice,
// a value no text is kept for and long texts must all come out as the
// rules make them.
TEST(ExportTextResults, UnusualValuesAndLongTextsAreWrittenInFull) {
    Competition comp = MakeCompetition({"A"});
    comp.Club.Options &= ~OptPositionsAsPoints; // the values as stored
    TKlasse &klasse = *comp.Classes[0];
    AddRider(comp, klasse, "Rijder", "1", {300, 1300, -5, 32767, 300, 5});
    klasse.Grid.InsertRow(1); // a row without a rider above the rider
    klasse.ColData(klasse.ResultColumn(6))->Number = kMaxResults + 1;

    ExportChoices choices = OpenExportChoices(comp, ExportMemory{});
    choices.ClubName = choices.ClassName = false;
    choices.Separator = ExportSeparator::Character;
    choices.SeparatorText = " <tussen de velden> ";
    choices.EmptyResult = true;
    choices.EmptyText = std::string(20, 'x');
    const std::string sep = choices.SeparatorText;
    const std::string empty = choices.EmptyText;
    EXPECT_EQ(ExportStandings(comp, choices),
              " " + sep + "Naam" + sep + "Startnr" + sep + "1" + sep + "2" + sep + "3" + sep + "4" + sep +
                  "5" + sep + "6\r\n" + "\r\n" + // the row without a rider: only empty fields, no separators
                  "1" + sep + "Rijder" + sep + "1" + sep + "300" + sep + "300" + sep + empty + sep + "31767" +
                  sep + "300" + sep + empty + "\r\n\r\n");
}

// An export larger than the pieces it is written in: the file holds the
// same bytes as the export made in memory.
TEST(ExportFiles, ALargeExportIsWrittenWhole) {
    Competition comp = MakeCompetition({"A", "B"});
    for (auto &klasse : comp.Classes) {
        for (int r = 0; r < kMaxRiders; ++r) {
            std::vector<int> results;
            for (int n = 0; n < kMaxResults; ++n)
                results.push_back((r * 7 + n * 3) % 40 - 1);
            AddRider(comp, *klasse, "Rijder " + std::to_string(r) + ", Voornaam", std::to_string(r + 1),
                     results);
        }
    }
    CalculateFinalStandings(comp, CalcOptions{}, 0, 0, nullptr);
    test::TempDir dir;
    ExportChoices choices = OpenExportChoices(comp, ExportMemory{});
    choices.Classes = ExportClassChoice::All;
    for (ExportFileType type : {ExportFileType::Text, ExportFileType::Html}) {
        choices.FileType = type;
        const std::string inMemory = ExportStandings(comp, choices);
        WriteExportFile(comp, choices, dir.Path("x"));
        EXPECT_EQ(test::ReadAll(dir.Path("x")), inMemory);
        EXPECT_GT(inMemory.size(), type == ExportFileType::Html ? 1000000u : 100000u);
    }
    // A disk that fills up during the export: the failure ends it, and the
    // previous file stays whole.
    const std::string previous = test::ReadAll(dir.Path("x"));
    test::FailingStep full(FileStep::Write, ".~tmp", 3, std::errc::no_space_on_device);
    EXPECT_THROW(WriteExportFile(comp, choices, dir.Path("x")), IoError);
    EXPECT_EQ(test::ReadAll(dir.Path("x")), previous);
    EXPECT_EQ(test::EntriesIn(dir.Root()), 1);
}

} // namespace
} // namespace rondaxa
