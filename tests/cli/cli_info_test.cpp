#include "core/model/kzb_file.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <regex>

namespace rondaxa {
namespace {

using test::RunCli;

TEST(CliDemo, WritesTheShippedDemo) {
    test::TempDir dir;
    const auto run = RunCli({"demo", dir.Path("demo.kzb")});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(test::ReadAll(dir.Path("demo.kzb")), test::ReadAll(RONDAXA_SOURCE_DIR "/examples/demo.kzb"));
}

TEST(CliInfo, DescribesTheCompetition) {
    const auto run = RunCli({"info", RONDAXA_SOURCE_DIR "/examples/demo.kzb"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out, "Club: MC De Zandhazen\n"
                       "Versie: 2\n"
                       "Aangemaakt op: 01-03-2026  20:15\n"
                       "Laatste bewerkt: 20-09-2026  22:40\n"
                       "Klassen: 4\n"
                       "Rijders: 93\n"
                       "MX1\t28\t12\n"
                       "MX2\t35\t14\n"
                       "Veteranen\t18\t10\n"
                       "Jeugd 85cc\t12\t10\n");
    EXPECT_EQ(run.Err, "");
}

TEST(CliInfo, NamesAreWrittenAsUtf8AndFileProblemsExitThree) {
    test::TempDir dir;
    Competition comp = test::MakeCompetition({"Jeugd \xE9\xE9n"});
    comp.Club.ClubName = "MC K\xF6ln";
    const Bytes bytes = SerializeCompetition(comp);
    test::WriteAll(dir.Path("c.kzb"), std::string(bytes.begin(), bytes.end()));
    const auto run = RunCli({"info", dir.Path("c.kzb")});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_NE(run.Out.find("Club: MC K\xC3\xB6ln\n"), std::string::npos);
    EXPECT_NE(run.Out.find("Jeugd \xC3\xA9\xC3\xA9n\t0\t0\n"), std::string::npos);

    test::WriteAll(dir.Path("kapot.kzb"), std::string(300, '\x07'));
    const auto damaged = RunCli({"info", dir.Path("kapot.kzb")});
    EXPECT_EQ(damaged.ExitCode, 3);
    EXPECT_EQ(damaged.Err, "Versie incorrect of bestand is beschadigd!\n");
    EXPECT_EQ(damaged.Out, "");
    EXPECT_EQ(RunCli({"info", dir.Path("weg.kzb")}).ExitCode, 3);
}

// The version has one home, the project version in CMakeLists.txt; the
// command-line tool says the same (the package and the information dialog
// are built from it too).
TEST(CliUsage, MistakesExitTwoHelpAndVersionExitZero) {
    EXPECT_EQ(RunCli({}).ExitCode, 2);
    EXPECT_EQ(RunCli({"bestaat-niet"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"info"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"info", "a.kzb", "--wat"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"demo"}).ExitCode, 2);
    const auto help = RunCli({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_NE(help.Out.find("rondaxa-cli info FILE"), std::string::npos);
    const auto infoHelp = RunCli({"info", "--help"});
    EXPECT_EQ(infoHelp.ExitCode, 0);
    EXPECT_EQ(infoHelp.Out, "usage: rondaxa-cli info FILE\n");
    EXPECT_NE(help.Out.find("rondaxa-cli --version"), std::string::npos);

    const std::string lists = test::ReadAll(RONDAXA_SOURCE_DIR "/CMakeLists.txt");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(lists, match, std::regex(R"(project\(rondaxa VERSION ([0-9.]+))")));
    const auto version = RunCli({"--version"});
    EXPECT_EQ(version.ExitCode, 0);
    EXPECT_EQ(version.Out, "rondaxa-cli " + match[1].str() + "\n");
}

} // namespace
} // namespace rondaxa
