#include "core/platform/file_lock.h"
#include "core/platform/files.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

namespace rondaxa {
namespace {

namespace fs = std::filesystem;

// Today's date as a lock names it: dd-mm-yyyy.
std::string Today() {
    const std::time_t now = std::time(nullptr);
    char text[16];
    std::strftime(text, sizeof text, "%d-%m-%Y", std::localtime(&now));
    return text;
}

// One holder at a time, in this process as in others; the refusal names the
// holder; the lock file goes with its holder, and one that no running
// program holds (left by a crash) is taken over.
TEST(FileLock, ASecondWriterIsRefusedWithWhoHoldsTheFileAndAnAbandonedLockIsTakenOver) {
    const std::string today = Today();
    test::TempDir dir;
    const std::string file = dir.Path("club.kzb");
    {
        FileLock first(file, "Rondaxa");
        EXPECT_TRUE(fs::exists(LockFileName(file)));
        try {
            FileLock second(file, "rondaxa-cli");
            ADD_FAILURE() << "taken twice";
        } catch (const FileInUse &refusal) {
            EXPECT_EQ(refusal.Holder().Program, "Rondaxa");
            EXPECT_FALSE(refusal.Holder().Host.empty());
            EXPECT_EQ(refusal.Holder().Since.size(), std::string("07-12-2026 18:03").size());
            const std::string since = refusal.Holder().Since.substr(0, 10);
            EXPECT_TRUE(since == today || since == Today()) << since; // taken just now
            EXPECT_EQ(std::string(refusal.what()),
                      "Het bestand club.kzb is in gebruik door Rondaxa op computer " + refusal.Holder().Host +
                          " sinds " + refusal.Holder().Since + ".");
        }
    }
    EXPECT_FALSE(fs::exists(LockFileName(file)));
#ifdef __linux__
    // Taken and given up over a long session: nothing is kept open.
    const int open = test::EntriesIn("/proc/self/fd");
    for (int i = 0; i < 10; ++i)
        FileLock(file, "Rondaxa");
    EXPECT_EQ(test::EntriesIn("/proc/self/fd"), open);
#endif
    test::WriteAll(LockFileName(file), "Rondaxa\nandere-pc\n01-01-2026 10:00\n");
    FileLock again(file, "rondaxa-cli");
    EXPECT_EQ(test::ReadAll(LockFileName(file)).rfind("rondaxa-cli\n", 0), 0u);
    EXPECT_THROW(FileLock(dir.Path("weg/club.kzb"), "Rondaxa"), IoError);
    EXPECT_EQ(FileInUseMessage("/a/b/seizoen.kzb", {}),
              "Het bestand seizoen.kzb is in gebruik door ? op computer ? sinds ?.");
}

} // namespace
} // namespace rondaxa
