// rondaxa-cli daily on a generated competition: the choices reach the
// classification, and the file as saved after --apply.
#include "core/model/kzb_file.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;
using test::ReadAll;
using test::TempDir;

// MX1: a race day of heats 1 and 2 (dated, with a remark) and race 3.
class DailyCliTest : public ::testing::Test {
protected:
    DailyCliTest() {
        Competition comp = MakeCompetition({"MX1", "MX2"});
        comp.Club.ClubName = "MC Zand";
        TKlasse &mx1 = *comp.Classes[0];
        AddRider(comp, mx1, "Jansen, Piet", "7", {1, 3, 2});
        AddRider(comp, mx1, "Bakker, Kees", "12", {2, 2, 1});
        AddRider(comp, mx1, "Vos, Tim", "3", {3, 1, -1}).Flags = RiderHorsConcours;
        AddRider(comp, mx1, "Smit, Jan", "9", {-1, -1, 3});
        auto info = std::make_unique<ResultInfo>();
        info->FromCol = 1;
        info->ToCol = 2;
        info->Date = "20260501";
        info->Remark = "Zandbaan";
        mx1.ColData(mx1.ResultColumn(1))->Info = std::move(info);
        AddRider(comp, *comp.Classes[1], "Alleen, Ad", "1");
        const Bytes bytes = SerializeCompetition(comp);
        test::WriteAll(file_, std::string(bytes.begin(), bytes.end()));
    }

    test::CliRun Run(const std::vector<std::string> &args) {
        std::vector<std::string> all{"daily", file_};
        all.insert(all.end(), args.begin(), args.end());
        return test::RunCli(all);
    }

    TempDir dir_;
    std::string file_ = dir_.Path("season.kzb");
};

// The pages are the core's; here each choice is seen to reach them.
TEST_F(DailyCliTest, TextOnStandardOutputOrInAFileWithEveryChoiceAndHtml) {
    test::CliRun run = Run({"--class", "MX1", "--from", "1", "--to", "2"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.Out, "MC Zand - MX1\nPL\tNaam\tStartnr\t1\t2\tTotaal\n1\tTim Vos\t3\t45\t50\t95\n"
                       "2\tPiet Jansen\t7\t50\t45\t95\n3\tKees Bakker\t12\t47\t47\t94\n");

    const std::string out = dir_.Path("dag.txt");
    run = Run({"--class", "#1", "--from", "2", "--to", "1", "--info", "--replacement", "--all-riders",
               "--no-startno", "--hc-no-points", "--extra", "--out", out});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "");
    // No extra field is shown in the grid, so --extra adds nothing.
    const std::string page = ReadAll(out);
    for (const char *part :
         {"MC Zand - MX1\r\nInfo uitslag, 1+2: 01-05 Zandbaan\r\nPL\tNaam\t1\t2\tTotaal\tVervang\r\n",
          "1\tTim Vos\t45\t50\t95\t\r\n2\tPiet Jansen\t50\t45\t95\t50\r\n", "4\tJan Smit\t\t\t\t\r\n"})
        EXPECT_NE(page.find(part), std::string::npos) << part << page;

    run = Run({"--class", "MX1", "--from", "3", "--to", "3", "--html", "--replacement", "--out", out});
    EXPECT_EQ(run.ExitCode, 0);
    const std::string html = ReadAll(out);
    EXPECT_NE(html.find("<title>MC Zand - MX1 dagklassement</title>"), std::string::npos) << html;
    EXPECT_NE(html.find("<td>1</td>\r\n<td>Kees Bakker</td>\r\n<td align=center>12</td>\r\n"
                        "<td align=center>50</td>\r\n<td align=right>50</td>\r\n<td align=right>50</td>"),
              std::string::npos);
}

// The replacement itself is the core's; here that --apply makes it and saves.
TEST_F(DailyCliTest, ApplyReplacesTheHeatsAndSaves) {
    const test::CliRun run = Run({"--class", "MX1", "--from", "1", "--to", "2", "--apply"});
    EXPECT_EQ(run.ExitCode, 0);
    // The export shows the day as it was before the replacement.
    EXPECT_NE(run.Out.find("1\tTim Vos\t3\t45\t50\t95\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir_.Path("season.BAK")));
    const auto saved = ParseCompetition(ReadFileBytes(file_));
    ASSERT_TRUE(saved);
    const TKlasse &mx1 = *saved->Classes[0];
    EXPECT_EQ(mx1.ResultCount, 2);
    // Vos: the day's winner in column 1, no race 3 of his moved to column 2.
    EXPECT_EQ(test::StoredResults(*mx1.Rider(3), 2), (std::vector<int>{1, -1}));
    EXPECT_EQ(saved->Classes[1]->Rider(1)->Name, "Alleen, Ad");
}

TEST_F(DailyCliTest, UsageErrorsLeaveTheFileAlone) {
    const std::string before = ReadAll(file_);
    for (const std::vector<std::string> &args : {std::vector<std::string>{"--class", "MX1", "--from", "1"},
                                                 {"--class", "MX1", "--from", "1", "--to", "4", "--apply"},
                                                 {"--class", "MX1", "--from", "0", "--to", "1"},
                                                 {"--class", "MX2", "--from", "1", "--to", "1", "--apply"},
                                                 {"--class", "#3", "--from", "1", "--to", "1"},
                                                 {"--class", "MX1", "--from", "1", "--to", "1", "--bogus"}}) {
        const test::CliRun run = Run(args);
        EXPECT_EQ(run.ExitCode, 2) << args[1] << " " << args.back();
        EXPECT_NE(run.Err.find("rondaxa-cli daily: "), std::string::npos) << run.Err;
        EXPECT_EQ(run.Out, "");
    }
    EXPECT_EQ(ReadAll(file_), before);
    EXPECT_NE(Run({"--class", "MX2", "--from", "1", "--to", "1"}).Err.find("the class has no result columns"),
              std::string::npos);
    test::WriteAll(file_, "not a competition");
    EXPECT_EQ(Run({"--class", "MX1", "--from", "1", "--to", "1"}).ExitCode, 3);
}

} // namespace
} // namespace rondaxa
