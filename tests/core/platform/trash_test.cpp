#include "core/model/demo.h"
#include "core/model/kzb_file.h"
#include "core/platform/trash.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#if defined(__unix__) && !defined(__APPLE__)

#include <cstdlib>
#include <filesystem>

namespace rondaxa {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable while it lives.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const char *value) : name_(name) {
        if (const char *old = std::getenv(name))
            old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char *name_;
    std::optional<std::string> old_;
};

// Saves over a season: each old backup lands in the trash made where it was
// missing, listed under its own name and path; the folder the program runs
// in gets nothing.
TEST(HomeTrash, OldBackupsGoToATrashMadeWhereItWasMissingAndStayWithoutAHome) {
    test::TempDir dir;
    fs::create_directory(dir.Root() / "werkmap");
    fs::create_directory(dir.Root() / "club map");
    const fs::path started = fs::current_path();
    fs::current_path(dir.Root() / "werkmap");
    const std::string data = dir.Path("nieuw/share");
    ScopedEnv xdg("XDG_DATA_HOME", data.c_str());

    auto demo = MakeDemoCompetition();
    const std::string file = dir.Path("club map/club.kzb");
    const int open = test::EntriesIn("/proc/self/fd");
    for (int i = 0; i < 4; ++i)
        SaveCompetition(*demo, file, nullptr, MoveToHomeTrash);
    fs::current_path(started);
    EXPECT_EQ(test::EntriesIn("/proc/self/fd"), open) << "a descriptor is left open";

    EXPECT_EQ(test::EntriesIn(dir.Root() / "werkmap"), 0);
    EXPECT_EQ(test::EntriesIn(dir.Root() / "club map"), 2);
    const fs::path trash = fs::path(data) / "Trash";
    EXPECT_EQ(fs::status(trash).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_TRUE(fs::exists(trash / "files/club.BAK"));
    EXPECT_TRUE(fs::exists(trash / "files/club.BAK.2"));
    const std::string info = test::ReadAll((trash / "info/club.BAK.2.trashinfo").string());
    EXPECT_EQ(
        info.rfind("[Trash Info]\nPath=" + dir.Root().string() + "/club%20map/club.BAK\nDeletionDate=", 0),
        0u)
        << info;

    // Without a home folder the file stays.
    ScopedEnv noData("XDG_DATA_HOME", nullptr);
    ScopedEnv home("HOME", nullptr);
    test::WriteAll(dir.Path("club.BAK"), "x");
    EXPECT_FALSE(MoveToHomeTrash(dir.Path("club.BAK"), dir.Path("club.BAK")));
    EXPECT_EQ(test::ReadAll(dir.Path("club.BAK")), "x");
}

} // namespace
} // namespace rondaxa

#endif
