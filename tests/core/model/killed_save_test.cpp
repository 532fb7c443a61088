// A save that is killed at any moment: a child process saves a large
// competition over and over and is killed with SIGKILL at random moments;
// what it leaves must be the complete old or new file under the name and a
// complete earlier version as the backup.
#include "core/model/dates.h"
#include "core/model/kzb_file.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#ifndef _WIN32

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace rondaxa {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kVersionAt = 8; // ClubRec.NextRiderId: the version of each save

// Ten classes of 150 riders with 20 results: about 400 kB.
Competition LargeCompetition() {
    std::vector<std::string> names;
    for (int i = 1; i <= 10; ++i)
        names.push_back("Klasse " + std::to_string(i));
    Competition comp = test::MakeCompetition(names);
    std::vector<int> results(20);
    for (auto &klasse : comp.Classes)
        for (int r = 1; r <= 150; ++r) {
            for (std::size_t n = 0; n < results.size(); ++n)
                results[n] = static_cast<int>((r * 7 + n * 3) % 25);
            test::AddRider(comp, *klasse, "Rijder " + std::to_string(r), std::to_string(r), results);
        }
    return comp;
}

int32_t VersionOf(const Bytes &bytes) {
    int32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | bytes[kVersionAt + static_cast<std::size_t>(i)];
    return v;
}

// Whether the bytes are exactly some saved version: the expected file with
// its version field as found.
bool IsCompleteVersion(const Bytes &bytes, const Bytes &expected) {
    if (bytes.size() != expected.size())
        return false;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if ((i < kVersionAt || i >= kVersionAt + 4) && bytes[i] != expected[i])
            return false;
    return ParseCompetition(bytes) != nullptr;
}

int TemporaryFilesIn(const fs::path &folder) {
    int count = 0;
    for (const auto &entry : fs::directory_iterator(folder))
        count += entry.path().filename().string().find(".~tmp") != std::string::npos ? 1 : 0;
    return count;
}

// Saves version after version until killed.
[[noreturn]] void SaveForever(Competition &comp, const std::string &file, int32_t first) {
    for (int32_t version = first;; ++version) {
        comp.Club.NextRiderId = version;
        try {
            SaveCompetition(comp, file);
        } catch (const IoError &) {
            _exit(2);
        }
    }
}

TEST(KilledSave, LeavesTheCompleteOldOrNewFileAndAnEarlierBackup) {
    test::TempDir dir;
    test::FixedClock clock{EncodeDosStamp({2026, 12, 6, 23, 0, 0})};
    Competition comp = LargeCompetition();
    const std::string file = dir.Path("seizoen.kzb");
    const std::string backup = dir.Path("seizoen.BAK");

    comp.Club.NextRiderId = 1;
    SaveCompetition(comp, file);
    const Bytes expected = SerializeCompetition(comp);
    // How long a save takes: kills land anywhere from the start of a save to
    // well after its end.
    const auto started = std::chrono::steady_clock::now();
    for (int32_t version = 2; version <= 4; ++version) {
        comp.Club.NextRiderId = version;
        SaveCompetition(comp, file);
    }
    const auto saveTime = (std::chrono::steady_clock::now() - started) / 3;
    auto span = std::chrono::duration_cast<std::chrono::microseconds>(saveTime * 5 / 2).count() + 1;

    std::mt19937 random(20261206);
    int32_t last = VersionOf(ReadFileBytes(file));
    ASSERT_EQ(last, 4);
    int kills = 0, oldFiles = 0, newFiles = 0;
    // A few hundred kills, bounded in time for a slow or busy machine.
    const auto start = std::chrono::steady_clock::now();
    auto enough = [&] {
        const auto spent = std::chrono::steady_clock::now() - start;
        return kills >= 300 || spent > std::chrono::seconds(30);
    };
    while (!enough()) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            SaveForever(comp, file, last + 1);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % span));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself";
        ++kills;

        const Bytes now = ReadFileBytes(file);
        ASSERT_TRUE(IsCompleteVersion(now, expected)) << "kill " << kills;
        const int32_t version = VersionOf(now);
        ASSERT_GE(version, last);
        // The range of the kills follows the machine's speed: it grows after
        // a kill that stopped the first save, and shrinks after one that did not.
        if (version == last) {
            ++oldFiles;
            span += span / 10 + 1;
        } else {
            ++newFiles;
            span -= span / 10;
        }
        if (version > 1) {
            // The backup is the version before, or already the file itself
            // when the save was stopped between its two renames.
            const Bytes previous = ReadFileBytes(backup);
            ASSERT_TRUE(IsCompleteVersion(previous, expected)) << "kill " << kills;
            EXPECT_GE(VersionOf(previous), version - 1);
            EXPECT_LE(VersionOf(previous), version);
        }
        last = version;
    }
    EXPECT_GE(kills, 20);
    EXPECT_GT(oldFiles, 0);
    EXPECT_GT(newFiles, 0);

    Competition loaded;
    EXPECT_EQ(LoadCompetition(loaded, file), LoadResult::Loaded);
    EXPECT_EQ(loaded.Club.NextRiderId, last);

    // The next save that completes clears what the stopped ones left.
    loaded.Club.NextRiderId = last + 1;
    SaveCompetition(loaded, file);
    EXPECT_EQ(TemporaryFilesIn(dir.Root()), 0);
}

} // namespace
} // namespace rondaxa

#endif
