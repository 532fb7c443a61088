// rondaxa-cli standings on generated competitions: the choices reach the
// export, and the refusals and usage errors.
#include "core/model/kzb_file.h"
#include "core/reports/text_export.h"
#include "core/scoring/final_standings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

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

// The pages are the core's export; here each choice is seen to reach it:
// every class by default with the tie report on standard error, a count of
// one's own, the daily order without the net total, averages of one class as
// HTML.
TEST_F(StandingsCliTest, ChoicesReachTheExportAndTheTieReportGoesToStandardError) {
    struct Case {
        std::vector<std::string> Args;
        std::string Err;
        std::vector<std::string> Parts;
    };
    const std::string out = dir_.Path("stand.txt");
    const Case cases[] = {
        {{"--out", out},
         "Stand niet kunnen bepalen van:\nMX1\tPlaats 2 t/m 3\n",
         {"MC Zand - MX1\r\nEr zijn 3 uitslagen. Hiervan zijn de 3 beste uitslagen tellend voor de "
          "eindstand\r\n"
          "PL\tNaam\tStartnr\t1\t2\t3\tBruto\tNetto\r\n1\tTim Vos\t3\t45\t45\t50\t140\t140\r\n",
          "\r\n\r\nMC Zand - Cl\xE9\r\n", "1\tAnna \xC9\xE9n\t5\t\t\r\n\r\n"}},
        {{"--class", "MX1", "--count", "1", "--no-gross", "--out", out},
         "Stand niet kunnen bepalen van:\nMX1\tPlaats 1 t/m 2\n",
         {"Hiervan zijn de 1 beste uitslagen",
          "Startnr\t1\t2\t3\tNetto\r\n1\tKees Bakker\t12\t47\t50\t\t50\r\n"}},
        // Jansen and Bakker: equal totals, both without the last result.
        {{"--class", "MX1", "--no-net", "--daily", "--no-club"},
         "Stand niet kunnen bepalen van:\nMX1\tPlaats 2 t/m 3 <!>\n",
         {"MX1\nEr zijn 3 uitslagen. Er zijn geen uitslagen geschrapt.\nPL\tNaam\tStartnr\t1\t2\t3\tBruto\n",
          "2\tPiet Jansen\t7\t50\t47\t\t97\n3\tKees Bakker\t12\t47\t50\t\t97\n\n"}},
        {{"--class", "#1", "--average", "--html", "--no-club", "--decimal", ",", "--hc", "0"},
         "",
         {"<title>MC Zand wedstrijduitslagen</title>\n",
          "<p>MX1<br>\nGemiddelde berekend van uitslagen met nul of meer punten.<br>\n",
          "<td align=center>Gemiddeld</td>\n</tr>\n<tr>\n<td>1</td>\n<td>Piet Jansen</td>",
          "<td align=right>140</td>\n<td align=right>3</td>\n<td align=right>46,7</td>"}},
    };
    for (const Case &c : cases) {
        std::filesystem::remove(out);
        const test::CliRun run = Run(c.Args);
        EXPECT_EQ(run.ExitCode, 0);
        EXPECT_EQ(run.Err, c.Err);
        const bool toFile = c.Args.front() == "--out" || c.Args[c.Args.size() - 2] == "--out";
        const std::string page = toFile ? ReadAll(out) : run.Out;
        EXPECT_EQ(toFile ? run.Out : std::string(), "");
        for (const std::string &part : c.Parts)
            EXPECT_NE(page.find(part), std::string::npos) << part << "\n" << page;
    }
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
                                                 {"--hc", "-1"},
                                                 {"--count", "2"},
                                                 {"--count", "0", "--class", "#1"},
                                                 {"--class", "#1", "--count", "4"},
                                                 {"--class", "MX9"},
                                                 {"--class", "#3"},
                                                 {"--bogus"},
                                                 {"--separator", "comma"},
                                                 {"--decimal"},
                                                 {"--out"}}) {
        const test::CliRun run = Run(args);
        EXPECT_EQ(run.ExitCode, 2) << args[0] << " " << args.back();
        EXPECT_NE(run.Err.find("rondaxa-cli standings: "), std::string::npos) << args[0];
        EXPECT_EQ(run.Out, "");
    }

    test::WriteAll(file_, "not a competition");
    EXPECT_EQ(Run({}).ExitCode, 3);
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
