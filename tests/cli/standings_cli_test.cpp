// rondaxa-cli standings on generated competitions: whole outputs compared.
#include "core/model/kzb_file.h"
#include "core/reports/text_export.h"
#include "core/scoring/final_standings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;
using test::ReadAll;
using test::TempDir;

class StandingsCliTest : public ::testing::Test {
protected:
    StandingsCliTest() {
        Competition comp = MakeCompetition({"MX1", "Cl\xE9"});
        comp.Club.ClubName = "MC Zand";
        TKlasse &mx1 = *comp.Classes[0];
        AddRider(comp, mx1, "Jansen, Piet", "7", {1, 2, -1});
        AddRider(comp, mx1, "Bakker, Kees", "12", {2, 1, -1});
        AddRider(comp, mx1, "Vos, Tim", "3", {3, 3, 1});
        AddRider(comp, *comp.Classes[1], "\xC9\xE9n, Anna", "5");
        const Bytes bytes = SerializeCompetition(comp);
        test::WriteAll(file_, std::string(bytes.begin(), bytes.end()));
    }

    test::CliRun Run(const std::vector<std::string> &args) {
        std::vector<std::string> all{"standings", file_};
        all.insert(all.end(), args.begin(), args.end());
        return test::RunCli(all);
    }

    TempDir dir_;
    std::string file_ = dir_.Path("season.kzb");
};

TEST_F(StandingsCliTest, AllClassesAsTextWithTheTieReport) {
    const std::string out = dir_.Path("stand.txt");
    const test::CliRun run = Run({"--out", out});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "Stand niet kunnen bepalen van:\nMX1\tPlaats 2 t/m 3\n");
    EXPECT_EQ(ReadAll(out),
              "MC Zand - MX1\r\n"
              "Er zijn 3 uitslagen. Hiervan zijn de 3 beste uitslagen tellend voor de eindstand\r\n"
              "PL\tNaam\tStartnr\t1\t2\t3\tBruto\tNetto\r\n"
              "1\tTim Vos\t3\t45\t45\t50\t140\t140\r\n"
              "2\tKees Bakker\t12\t47\t50\t\t97\t97\r\n"
              "3\tPiet Jansen\t7\t50\t47\t\t97\t97\r\n"
              "\r\n"
              "MC Zand - Cl\xE9\r\n"
              "Er zijn 0 uitslagen. Hiervan zijn de 0 beste uitslagen tellend voor de eindstand\r\n"
              "PL\tNaam\tStartnr\tBruto\tNetto\r\n"
              "1\tAnna \xC9\xE9n\t5\t\t\r\n"
              "\r\n");
}

// The page is the core's export; here each option is seen to reach it.
TEST_F(StandingsCliTest, AveragesOfOneClassAsHtmlOnStandardOutput) {
    const test::CliRun run =
        Run({"--class", "#1", "--average", "--html", "--no-club", "--decimal", ",", "--hc", "0"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "");
    EXPECT_TRUE(run.Out.starts_with(
        "<html>\n<head>\n<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n"
        "<title>MC Zand wedstrijduitslagen</title>\n"))
        << run.Out;
    for (const char *part : {"<p>MX1<br>\nGemiddelde berekend van uitslagen met nul of meer punten.<br>\n",
                             "<td align=center>Totaal</td>\n<td align=center>Uitslagen</td>\n"
                             "<td align=center>Gemiddeld</td>\n</tr>\n<tr>\n<td>1</td>\n<td>Piet Jansen</td>",
                             "<td align=right>140</td>\n<td align=right>3</td>\n<td align=right>46,7</td>"})
        EXPECT_NE(run.Out.find(part), std::string::npos) << part;
}

TEST_F(StandingsCliTest, GridAsItIsWithJoinedResults) {
    const test::CliRun run = Run({"--no-calc", "--class", "Cl\xC3\xA9", "--join-results", "-", "--empty-text",
                                  "--", "--separator", "char:;;", "--no-swap-names", "--no-class-name"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "MC Zand\n ;;Naam;;Startnr\n1;;\xC3\x89\xC3\xA9n, Anna;;5\n\n");
}

TEST_F(StandingsCliTest, RefusalsAndUsageErrors) {
    const test::CliRun refused = Run({"--class", "#2"});
    EXPECT_EQ(refused.ExitCode, 4);
    EXPECT_EQ(refused.Err, "Er zijn geen tellende uitslagen voor berekeningen.\n");
    EXPECT_EQ(refused.Out, "");

    for (const std::vector<std::string> &args : {std::vector<std::string>{"--daily"},
                                                 {"--hc", "4"},
                                                 {"--count", "2"},
                                                 {"--bogus"},
                                                 {"--separator", "comma"},
                                                 {"--class", "#1", "--count", "4"},
                                                 {"--decimal"}}) {
        const test::CliRun run = Run(args);
        EXPECT_EQ(run.ExitCode, 2) << args[0];
        EXPECT_NE(run.Err.find("rondaxa-cli standings: "), std::string::npos) << args[0];
    }

    test::WriteAll(file_, "not a competition");
    EXPECT_EQ(Run({}).ExitCode, 3);
}

TEST_F(StandingsCliTest, CountOverrulesTheClubRuleForOneClass) {
    const std::string out = dir_.Path("stand.txt");
    ASSERT_EQ(Run({"--class", "MX1", "--count", "1", "--no-gross", "--out", out}).ExitCode, 0);
    EXPECT_EQ(ReadAll(out),
              "MC Zand - MX1\r\n"
              "Er zijn 3 uitslagen. Hiervan zijn de 1 beste uitslagen tellend voor de eindstand\r\n"
              "PL\tNaam\tStartnr\t1\t2\t3\tNetto\r\n"
              "1\tKees Bakker\t12\t47\t50\t\t50\r\n"
              "2\tPiet Jansen\t7\t50\t47\t\t50\r\n"
              "3\tTim Vos\t3\t45\t45\t50\t50\r\n"
              "\r\n");
}

TEST_F(StandingsCliTest, DailyClassificationOrdersEqualTotalsByTheLastResult) {
    const test::CliRun run = Run({"--class", "MX1", "--no-net", "--daily", "--no-club"});
    EXPECT_EQ(run.ExitCode, 0);
    // Jansen and Bakker: equal totals, both without the last result.
    EXPECT_EQ(run.Err, "Stand niet kunnen bepalen van:\nMX1\tPlaats 2 t/m 3 <!>\n");
    EXPECT_EQ(run.Out, "MX1\n"
                       "Er zijn 3 uitslagen. Er zijn geen uitslagen geschrapt.\n"
                       "PL\tNaam\tStartnr\t1\t2\t3\tBruto\n"
                       "1\tTim Vos\t3\t45\t45\t50\t140\n"
                       "2\tPiet Jansen\t7\t50\t47\t\t97\n"
                       "3\tKees Bakker\t12\t47\t50\t\t97\n"
                       "\n");
}

TEST_F(StandingsCliTest, UnknownClassesAndMissingValuesAreUsageErrors) {
    for (const std::vector<std::string> &args : {std::vector<std::string>{"--class", "MX9"},
                                                 {"--class", "#3"},
                                                 {"--out"},
                                                 {"--hc", "-1"},
                                                 {"--count", "0", "--class", "#1"}}) {
        const test::CliRun run = Run(args);
        EXPECT_EQ(run.ExitCode, 2) << args[0] << " " << args.back();
        EXPECT_EQ(run.Out, "");
    }
}

// A competition large enough that the command prepares its memory for it:
// the page it writes is the one the core makes of the same file.
TEST(StandingsCliLarge, TheHtmlOfALargeCompetitionIsTheCoresExport) {
    Competition comp = MakeCompetition({});
    for (int c = 0; c < 9; ++c) {
        comp.Classes.push_back(CreateClass(comp.Club, "Klasse " + std::to_string(c + 1)));
        for (int r = 0; r < kMaxRiders; ++r) {
            std::vector<int> results;
            for (int n = 0; n < kMaxResults; ++n)
                results.push_back((r * 13 + n * 7 + c) % 45 - 1);
            AddRider(comp, *comp.Classes.back(), "Rijder " + std::to_string(r) + ", Piet",
                     std::to_string(r + 1), results);
        }
    }
    TempDir dir;
    const std::string file = dir.Path("groot.kzb");
    const Bytes bytes = SerializeCompetition(comp);
    ASSERT_GT(bytes.size(), 1u << 20);
    test::WriteAll(file, std::string(bytes.begin(), bytes.end()));
    const std::string out = dir.Path("stand.html");
    const test::CliRun run = test::RunCli({"standings", file, "--html", "--out", out});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;

    auto loaded = ParseCompetition(bytes);
    ASSERT_NE(loaded, nullptr);
    CalcOptions options;
    options.Set(CalcOptions::AllClasses, true);
    CalculateFinalStandings(*loaded, options, 0, 0, nullptr);
    ExportChoices choices = OpenExportChoices(*loaded, ExportMemory{});
    choices.FileType = ExportFileType::Html;
    choices.Classes = ExportClassChoice::All;
    EXPECT_TRUE(ReadAll(out) == ExportStandings(*loaded, choices));
}

} // namespace
} // namespace rondaxa
