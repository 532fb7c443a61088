// rondaxa-cli and the files around it: the lock of a file it saves, outputs
// that replace a file only when complete, and write errors on standard
// output.
#include "core/model/kzb_file.h"
#include "core/platform/file_lock.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#ifndef _WIN32

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace rondaxa {
namespace {

namespace fs = std::filesystem;
using test::ReadAll;
using test::RunCli;

// A shell command's exit status.
int Shell(const std::string &command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class FileSafetyCliTest : public ::testing::Test {
protected:
    FileSafetyCliTest() {
        Competition comp = test::MakeCompetition({"MX1"});
        for (int i = 1; i <= 5; ++i)
            test::AddRider(comp, *comp.Classes[0], "Rijder " + std::to_string(i), std::to_string(i), {i});
        const Bytes bytes = SerializeCompetition(comp);
        test::WriteAll(file_, std::string(bytes.begin(), bytes.end()));
        test::WriteAll(order_, "3\n1\n2\n");
    }
    int ResultColumns(const std::string &path) const {
        const std::string bytes = ReadAll(path);
        const auto comp = ParseCompetition(Bytes(bytes.begin(), bytes.end()));
        return comp ? comp->Classes[0]->ResultCount : -1;
    }

    test::TempDir dir_;
    std::string file_ = dir_.Path("seizoen.kzb");
    std::string order_ = dir_.Path("volgorde.txt");
    std::string cli_ = RONDAXA_CLI_PATH;
};

// A file held by another program is refused with who holds it, exit 4 and
// nothing changed; commands that only read it go on. (The lock itself, and
// the take-over of one whose program is gone, is the core's.)
TEST_F(FileSafetyCliTest, ASavingCommandRespectsTheLockOfAnotherProgram) {
    const std::string before = ReadAll(file_);
    FileLock held(file_, "Rondaxa");
    const test::CliRun refused = RunCli({"add-results", file_, "--class", "MX1", "--order", order_});
    EXPECT_EQ(refused.ExitCode, 4);
    EXPECT_NE(refused.Err.find("Het bestand seizoen.kzb is in gebruik door Rondaxa op computer "),
              std::string::npos)
        << refused.Err;
    EXPECT_NE(refused.Err.find(" sinds "), std::string::npos);
    EXPECT_EQ(RunCli({"daily", file_, "--class", "MX1", "--from", "1", "--to", "1", "--apply"}).ExitCode, 4);
    EXPECT_EQ(ReadAll(file_), before);
    EXPECT_FALSE(fs::exists(dir_.Path("seizoen.BAK")));
    EXPECT_EQ(RunCli({"standings", file_}).ExitCode, 0);
    EXPECT_EQ(RunCli({"check", file_}).ExitCode, 0);
}

// Two runs at the same moment: each round either keeps both new columns or
// refuses one run with exit 4; never are both told they succeeded while one
// column is lost.
TEST_F(FileSafetyCliTest, TwoRunsAtOnceKeepBothColumnsOrRefuseOne) {
    constexpr int kRounds = 50;
    std::string script = "cd '" + dir_.Root().string() + "'\nfor i in $(seq 1 " + std::to_string(kRounds) +
                         "); do\n  cp seizoen.kzb r$i.kzb\n";
    for (const char *run : {"a", "b"})
        script += "  ( '" + cli_ + "' add-results r$i.kzb --class MX1 --order volgorde.txt 2>e${i}" + run +
                  "; echo $? >c${i}" + run + " ) &\n";
    script += "  wait\ndone\n";
    test::WriteAll(dir_.Path("rounds.sh"), script);
    ASSERT_EQ(Shell("sh '" + dir_.Path("rounds.sh") + "'"), 0);
    int refusals = 0;
    for (int i = 1; i <= kRounds; ++i) {
        SCOPED_TRACE(i);
        const std::string codes = ReadAll(dir_.Path("c" + std::to_string(i) + "a")) +
                                  ReadAll(dir_.Path("c" + std::to_string(i) + "b"));
        const int columns = ResultColumns(dir_.Path("r" + std::to_string(i) + ".kzb"));
        if (codes == "0\n0\n") {
            EXPECT_EQ(columns, 3);
        } else {
            EXPECT_TRUE(codes == "0\n4\n" || codes == "4\n0\n")
                << codes << ReadAll(dir_.Path("e" + std::to_string(i) + "a"))
                << ReadAll(dir_.Path("e" + std::to_string(i) + "b"));
            EXPECT_EQ(columns, 2);
            ++refusals;
        }
        EXPECT_FALSE(fs::exists(LockFileName(dir_.Path("r" + std::to_string(i) + ".kzb"))));
    }
    std::printf("%d of %d rounds refused one run\n", refusals, kRounds);
}

// A full disk on standard output is an error with the system's reason, for
// every command that writes there.
TEST_F(FileSafetyCliTest, AFullStandardOutputExitsThree) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    const std::string err = dir_.Path("err");
    // The demo's pages are larger than one buffer of standard output.
    const std::string demo = dir_.Path("demo.kzb");
    ASSERT_EQ(RunCli({"demo", demo}).ExitCode, 0);
    const std::string quoted = "'" + file_ + "'";
    for (const std::string &args :
         std::vector<std::string>{"standings " + quoted, "info " + quoted, "check " + quoted,
                                  "daily " + quoted + " --class MX1 --from 1 --to 1",
                                  "standings '" + demo + "' --html", "--help", "--version"}) {
        SCOPED_TRACE(args);
        EXPECT_EQ(Shell("'" + cli_ + "' " + args + " >/dev/full 2>'" + err + "'"), 3);
        EXPECT_NE(ReadAll(err).find("No space left on device"), std::string::npos) << ReadAll(err);
    }
}

// --out replaces the previous file only with a complete new one; where it
// cannot, the previous file stays and the reason is given.
TEST_F(FileSafetyCliTest, OutReplacesThePreviousFileOnlyWhenItCan) {
    const std::string page = dir_.Path("stand.html");
    test::WriteAll(page, "vorige pagina");
    fs::permissions(page, fs::perms::owner_read);
    const test::CliRun refused = RunCli({"standings", file_, "--html", "--out", page});
    EXPECT_EQ(refused.ExitCode, 3);
    EXPECT_NE(refused.Err.find("Permission denied"), std::string::npos) << refused.Err;
    EXPECT_EQ(ReadAll(page), "vorige pagina");

    fs::permissions(page, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(RunCli({"standings", file_, "--html", "--out", page}).ExitCode, 0);
    EXPECT_GT(ReadAll(page).size(), 200u);
    EXPECT_EQ(fs::status(page).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(test::EntriesIn(dir_.Root()), 3); // the file, the order, the page: no temporary left
    EXPECT_EQ(RunCli({"demo", dir_.Path("geen/map/demo.kzb")}).ExitCode, 3);
    // Standard output by name is written directly, never replaced.
    const test::CliRun named = RunCli({"standings", file_, "--out", "/dev/stdout"});
    EXPECT_EQ(named.ExitCode, 0) << named.Err;
    EXPECT_NE(named.Out.find("Rijder 5"), std::string::npos);
}

} // namespace
} // namespace rondaxa

#endif
