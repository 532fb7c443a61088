// rondaxa-cli import-dos on generated DOS installations, the result checked
// with info (the conversion itself is the core's, see dos_import_test).
#include "support/dos_files.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

namespace fs = std::filesystem;
using test::RunCli;

class ImportDosCli : public ::testing::Test {
protected:
    ImportDosCli() {
        // Set 1 keeps its class files in DATA\OOST (stored with a backslash,
        // on disk in lower case); set 2 in the installation folder but has none.
        test::WriteDosFile(
            dir.Root() / "KZBINFO.BRQ",
            test::DosInfoBytes(
                {{"MC Oost", {"MX1", "Nieuwelingen", "Veteranen"}, {20, 17, 15}, "DATA\\OOST", true},
                 {"MC West", {"MX1"}, {}, "", false}}));
        const fs::path data = dir.Root() / "data" / "oost";
        test::WriteDosFile(data / "kzbkl001.aaa",
                           test::DosClassBytes({{"M\x81ller, Hans", {"20", "17", "15"}},
                                                {"Jansen, Piet", {"17", "20", "0"}},
                                                {"Vos, Tim", {"15", "", "20"}}}));
        test::WriteDosFile(data / "KZBKL001.CCC", test::DosClassBytes({{"Oud, Jan", {"12"}}}));
    }

    test::TempDir dir;
    std::string out = dir.Path("oost.kzb");
};

// The set's own class folder, then one given on the command line, which wins.
TEST_F(ImportDosCli, ConvertsASetThatInfoThenReads) {
    auto run = RunCli({"import-dos", dir.Root().string(), "--set", "1", "--out", out});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    auto info = RunCli({"info", out});
    ASSERT_EQ(info.ExitCode, 0) << info.Err;
    EXPECT_NE(info.Out.find("Club: MC Oost\n"), std::string::npos) << info.Out;
    EXPECT_NE(info.Out.find("Versie: 2\nAangemaakt"), std::string::npos);
    EXPECT_NE(info.Out.find("Klassen: 2\nRijders: 4\nMX1\t3\t3\nVeteranen\t1\t1\n"), std::string::npos)
        << info.Out;

    test::WriteDosFile(dir.Root() / "elders" / "KZBKL002.AAA", test::DosClassBytes({{"Kees", {"5"}}}));
    run = RunCli({"import-dos", dir.Root().string(), "--set", "2", "--class-dir",
                  (dir.Root() / "elders").string(), "--out", out});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    info = RunCli({"info", out});
    EXPECT_NE(info.Out.find("Club: MC West\n"), std::string::npos) << info.Out;
}

TEST_F(ImportDosCli, RefusalsAndMistakesHaveTheirExitCodes) {
    const std::string root = dir.Root().string();
    for (const std::string set : {"0", "4", "x"})
        EXPECT_EQ(RunCli({"import-dos", root, "--set", set, "--out", out}).ExitCode, 2) << set;
    EXPECT_EQ(RunCli({"import-dos", root, "--out", out}).ExitCode, 2);
    EXPECT_EQ(RunCli({"import-dos", root, "--set", "1"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"import-dos", "--set", "1", "--out", out}).ExitCode, 2);

    for (const std::string set : {"2", "3"}) { // no class file; not in use
        const auto refused = RunCli({"import-dos", root, "--set", set, "--out", out});
        EXPECT_EQ(refused.ExitCode, 4) << set;
        EXPECT_EQ(refused.Err, "Gegevensbestanden niet gevonden !\n");
    }
    EXPECT_FALSE(fs::exists(out));

    EXPECT_EQ(RunCli({"import-dos", (dir.Root() / "data").string(), "--set", "1", "--out", out}).ExitCode, 3);
    test::WriteDosFile(dir.Root() / "kort" / "kzbinfo.brq", test::DosBytes(1000, 0));
    const auto shortInfo = RunCli({"import-dos", (dir.Root() / "kort").string(), "--set", "1", "--out", out});
    EXPECT_EQ(shortInfo.ExitCode, 3);
    EXPECT_EQ(shortInfo.Err, "Versie incorrect of bestand is beschadigd!\n");
    EXPECT_FALSE(fs::exists(out));
}

} // namespace
} // namespace rondaxa
