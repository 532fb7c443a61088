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

constexpr int N = kNoResult;

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
        Write(comp);
    }

    void Write(Competition &comp) {
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

TEST_F(ResultsCliTest, AddsANewColumnAndSavesWithABackup) {
    const std::string before = ReadAll(file_);
    const test::CliRun run = AddResults({"--class", "MX1"}, "12\r\n7*0\n99\tMol\tOss\n3\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(ReadAll(dir_.Path("season.BAK")), before);
    auto comp = Load();
    ASSERT_TRUE(comp);
    TKlasse &mx1 = *comp->Classes[0];
    EXPECT_EQ(CountColumns(mx1), 3);
    EXPECT_EQ(GetResult(*mx1.Rider(2), 3), 1); // 12
    EXPECT_EQ(GetResult(*mx1.Rider(1), 3), 0); // 7 with the zero marker
    ASSERT_EQ(mx1.Grid.RowCount(), 5);
    EXPECT_EQ(mx1.Rider(4)->Name, "Mol");
}

TEST_F(ResultsCliTest, ChangesAColumnFromAFileIgnoringUnknownNumbers) {
    test::WriteAll(dir_.Path("order.txt"), "3\n99\n7\n");
    const test::CliRun run = AddResults(
        {"--class", "#1", "--column", "2", "--ignore-unknown", "--order", dir_.Path("order.txt")}, "");
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    auto comp = Load();
    TKlasse &mx1 = *comp->Classes[0];
    EXPECT_EQ(CountColumns(mx1), 2);
    EXPECT_EQ(mx1.Grid.RowCount(), 4);
    EXPECT_EQ(GetResult(*mx1.Rider(3), 2), 1);
    EXPECT_EQ(GetResult(*mx1.Rider(1), 2), 2);
    EXPECT_EQ(GetResult(*mx1.Rider(2), 2), N);
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
        {{"--column", "3"}, "7\n", "Ongeldige uitslagnummer opgegeven!\n"},
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

// Order files saved by other programs are read as the core reads text files
// (there every encoding is checked): here a UTF-16 file and standard input
// with a byte-order mark.
TEST_F(ResultsCliTest, OrderFilesAndStandardInputAreReadAsTextFiles) {
    using namespace std::string_literals;
    const std::string original = ReadAll(file_);
    test::WriteAll(dir_.Path("order.txt"), "\xFF\xFE"
                                           "3\0\r\0\n\0"
                                           "4\0"
                                           "0\0\t\0"
                                           "M\0\xFC\0l\0l\0"
                                           "e\0r\0\r\0\n\0"s);
    ASSERT_EQ(AddResults({"--order", dir_.Path("order.txt")}, "").ExitCode, 0);
    auto comp = Load();
    const TKlasse &mx1 = *comp->Classes[0];
    EXPECT_EQ(test::RiderNames(mx1),
              (std::vector<std::string>{"Jansen, Piet", "Bakker, Kees", "Vos, Tim", "M\xFCller"}));
    EXPECT_EQ(GetResult(*mx1.Rider(3), 3), 1);
    EXPECT_EQ(GetResult(*mx1.Rider(4), 3), 2);

    test::WriteAll(file_, original);
    EXPECT_EQ(AddResults({}, "\xEF\xBB\xBF"
                             "12\n7\n")
                  .ExitCode,
              0);
    comp = Load();
    EXPECT_EQ(comp->Classes[0]->Grid.RowCount(), 4);
    EXPECT_EQ(GetResult(*comp->Classes[0]->Rider(2), 3), 1);
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
