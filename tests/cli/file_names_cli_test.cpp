// rondaxa-cli on files whose names no single-byte code page can spell, and a
// save that the platform refuses.
#include "core/model/kzb_file.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace rondaxa {
namespace {

namespace fs = std::filesystem;
using test::FsPath;
using test::ReadAll;
using test::RunCli;

class FileNamesCli : public ::testing::Test {
protected:
    FileNamesCli() {
        fs::create_directories(FsPath(folder_));
        Competition comp = test::MakeCompetition({"MX1"});
        test::AddRider(comp, *comp.Classes[0], "Jansen, Piet", "7", {1});
        test::AddRider(comp, *comp.Classes[0], "Vos, Tim", "3", {2});
        const Bytes bytes = SerializeCompetition(comp);
        test::WriteAll(file_, std::string(bytes.begin(), bytes.end()));
    }

    test::CliRun AddResults(const std::string &order) {
        return RunCli({"add-results", file_, "--class", "MX1"}, order);
    }
    std::set<std::string> FolderContent() const {
        std::set<std::string> names;
        for (const auto &entry : fs::directory_iterator(FsPath(folder_))) {
            const std::u8string name = entry.path().filename().u8string();
            names.emplace(name.begin(), name.end());
        }
        return names;
    }

    test::TempDir dir_;
    // "Zoë's club/Łódź 2026.kzb": the Ł is in no Western code page.
    const std::string folder_ = dir_.Path("Zo\xC3\xAB's club");
    const std::string name_ = "\xC5\x81\xC3\xB3"
                              "d\xC5\xBA 2026";
    const std::string file_ = folder_ + "/" + name_ + ".kzb";
    const std::string backup_ = folder_ + "/" + name_ + ".BAK";
};

TEST_F(FileNamesCli, ACompetitionOpensSavesAndKeepsItsBackup) {
    const test::CliRun info = RunCli({"info", file_});
    EXPECT_EQ(info.ExitCode, 0) << info.Err;
    EXPECT_NE(info.Out.find("Klassen: 1\nRijders: 2\n"), std::string::npos) << info.Out;

    const std::string before = ReadAll(file_);
    const test::CliRun added = AddResults("3\r\n7\r\n");
    EXPECT_EQ(added.ExitCode, 0) << added.Err;
    EXPECT_EQ(ReadAll(backup_), before);
    const std::string saved = ReadAll(file_);
    const auto comp = ParseCompetition(Bytes(saved.begin(), saved.end()));
    ASSERT_TRUE(comp);
    EXPECT_EQ(GetResult(*comp->Classes[0]->Rider(1), 2), 2); // 7, second
    EXPECT_EQ(GetResult(*comp->Classes[0]->Rider(2), 2), 1); // 3, first

    const std::string out = folder_ + "/stand " + name_ + ".txt";
    const test::CliRun standings = RunCli({"standings", file_, "--out", out});
    EXPECT_EQ(standings.ExitCode, 0) << standings.Err;
    EXPECT_NE(ReadAll(out).find("1\tTim Vos\t3\t"), std::string::npos);
    EXPECT_EQ(FolderContent(),
              (std::set<std::string>{name_ + ".kzb", name_ + ".BAK", "stand " + name_ + ".txt"}));
}

// Windows refuses to replace or rename a file that another program holds
// open without sharing its deletion (an editor, a virus scanner, a backup
// tool); a POSIX system replaces the name and the other program keeps the
// old content, so there the save simply succeeds.
#ifdef _WIN32
TEST_F(FileNamesCli, AFileHeldOpenElsewhereIsNotSavedAndKeepsFileAndBackup) {
    ASSERT_EQ(AddResults("3\n7\n").ExitCode, 0);
    const std::string saved = ReadAll(file_);
    const std::string backup = ReadAll(backup_);

    const HANDLE held = CreateFileW(FsPath(file_).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const test::CliRun refused = AddResults("7\n3\n");
    CloseHandle(held);

    EXPECT_EQ(refused.ExitCode, 3);
    // The program's message, then the system's reason.
    EXPECT_EQ(refused.Err.rfind("Bestand niet kunnen bewaren!!!\n", 0), 0u) << refused.Err;
    EXPECT_EQ(ReadAll(file_), saved);
    EXPECT_EQ(ReadAll(backup_), backup);
    EXPECT_EQ(FolderContent(), (std::set<std::string>{name_ + ".kzb", name_ + ".BAK"}));
}
#endif

} // namespace
} // namespace rondaxa
