// rondaxa-cli add-results and check on generated competitions.
#include "core/model/kzb_file.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;
using test::ReadAll;
using test::RunCli;
using test::TempDir;

class ResultsCliTest : public ::testing::Test {
protected:
    ResultsCliTest() {
        Competition comp = MakeCompetition({"MX1", "Quad"});
        TKlasse &mx1 = *comp.Classes[0];
        comp.Club.Options = OptStoreFinishOrder;
        AddRider(comp, mx1, "Jansen, Piet", "7", {1, 1});
        AddRider(comp, mx1, "Bakker, Kees", "12", {2, 1});
        AddRider(comp, mx1, "Vos, Tim", "3", {3, 3});
        TKlasse &quad = *comp.Classes[1];
        for (int i = 0; i < 6; ++i)
            AddRider(comp, quad, "Quad " + std::to_string(i), i == 0 ? "1" : "");
        const Bytes bytes = SerializeCompetition(comp);
        test::WriteAll(file_, std::string(bytes.begin(), bytes.end()));
    }

    std::unique_ptr<Competition> Load() {
        const std::string bytes = ReadAll(file_);
        return ParseCompetition(Bytes(bytes.begin(), bytes.end()));
    }
    test::CliRun AddResults(const std::vector<std::string> &args, const std::string &input) {
        std::vector<std::string> all{"add-results", file_};
        all.insert(all.end(), args.begin(), args.end());
        return RunCli(all, input);
    }
    test::CliRun Check(const std::vector<std::string> &args = {}) {
        std::vector<std::string> all{"check", file_};
        all.insert(all.end(), args.begin(), args.end());
        return RunCli(all);
    }

    TempDir dir_;
    std::string file_ = dir_.Path("season.kzb");
};

// The lines are the core's to read; here the order on standard input, in
// UTF-8 as a terminal gives it, fills a new column and the unknown start
// number becomes a rider.
TEST_F(ResultsCliTest, AddsANewColumnFromStandardInput) {
    const test::CliRun run = AddResults({"--class", "MX1"}, "12\r\n99\tM\xC3\xBCller\n7\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    auto comp = Load();
    ASSERT_TRUE(comp);
    TKlasse &mx1 = *comp->Classes[0];
    EXPECT_EQ(CountColumns(mx1), 3);
    EXPECT_EQ(test::RiderNames(mx1),
              (std::vector<std::string>{"Jansen, Piet", "Bakker, Kees", "Vos, Tim", "M\xFCller"}));
    EXPECT_EQ(GetResult(*mx1.Rider(2), 3), 1); // 12
    EXPECT_EQ(GetResult(*mx1.Rider(4), 3), 2); // 99
    EXPECT_EQ(GetResult(*mx1.Rider(1), 3), 3); // 7
}

// An order file as another program saves it, in UTF-16 (the core reads text
// files of every encoding), changes column 2 without the unknown 99.
TEST_F(ResultsCliTest, ChangesAColumnFromAFileIgnoringUnknownNumbers) {
    std::string order = "\xFF\xFE";
    for (const char c : std::string("3\r\n99\r\n7\r\n"))
        order += {c, '\0'};
    test::WriteAll(dir_.Path("order.txt"), order);
    const test::CliRun run = AddResults(
        {"--class", "#1", "--column", "2", "--ignore-unknown", "--order", dir_.Path("order.txt")}, "");
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    auto comp = Load();
    TKlasse &mx1 = *comp->Classes[0];
    EXPECT_EQ(CountColumns(mx1), 2);
    EXPECT_EQ(mx1.Grid.RowCount(), 4);
    EXPECT_EQ(GetResult(*mx1.Rider(3), 2), 1);
    EXPECT_EQ(GetResult(*mx1.Rider(1), 2), 2);
    EXPECT_EQ(GetResult(*mx1.Rider(2), 2), kNoResult);
}

TEST_F(ResultsCliTest, RefusalsExit4AndLeaveTheFileAsItWas) {
    struct Case {
        std::vector<std::string> Args;
        std::string Input;
        std::string Message;
    };
    const Case cases[] = {
        {{"--class", "Quad"},
         "1\n",
         "Minder dan een derde van de rijders heeft een startnummer.\nVoor deze functie zijn startnummers "
         "nodig!\n"},
        {{}, "7\n7\n", "Er komen dubbele startnummers voor! (startnummer 7)\n"},
        {{}, "", "Geen startnummers opgeven!\n"}, // an empty list says so too
    };
    const std::string before = ReadAll(file_);
    for (const Case &c : cases) {
        const test::CliRun run = AddResults(c.Args, c.Input);
        EXPECT_EQ(run.ExitCode, 4) << c.Input;
        EXPECT_EQ(run.Err, c.Message);
        EXPECT_EQ(ReadAll(file_), before);
    }
    EXPECT_FALSE(std::filesystem::exists(dir_.Path("season.BAK")));
}

TEST_F(ResultsCliTest, UsageErrors) {
    EXPECT_EQ(AddResults({"--column", "0"}, "7\n").ExitCode, 2);
    EXPECT_EQ(AddResults({"--class", "#9"}, "7\n").ExitCode, 2);
    EXPECT_EQ(AddResults({"--order"}, "").ExitCode, 2);
    EXPECT_EQ(AddResults({"--order", dir_.Path("none.txt")}, "").ExitCode, 3);
    EXPECT_EQ(Check({"--from", "1"}).ExitCode, 2);
    EXPECT_EQ(Check({"--from", "1", "--to", "3"}).ExitCode, 2); // the class has 2 columns
}

TEST_F(ResultsCliTest, CheckPrintsTheFindingsOrNoErrors) {
    test::CliRun run = Check();
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Out, "Kolom: 2\tPlaats 1 komt 2 maal voor.\n"
                       "Kolom: 2\tPlaats 2 komt niet voor.\n");
    run = Check({"--from", "1", "--to", "1"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "Geen fouten gevonden.\n");
    run = Check({"--class", "Quad"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "Geen fouten gevonden.\n");
}

} // namespace
} // namespace rondaxa
