// The option table of rondaxa-cli's commands, on one made-up command: what
// it reads and every usage error it gives.
#include "cli/cli_common.h"
#include "cli/options.h"

#include <gtest/gtest.h>

namespace rondaxa::cli {
namespace {

// What a command with a flag, a text, a number and a needed option reads
// from args, or its usage error.
std::string Read(const std::vector<std::string> &args) {
    std::string read;
    try {
        const OptionTable options = {
            Flag("--html", [&] { read += " html"; }),
            Text("--out", [&](const std::string &value) { read += " out=" + value; }),
            Number("--top", 1, 20, [&](int n) { read += " top=" + std::to_string(n); }),
            Needed("--pdf OUT", Text("--pdf", [&](const std::string &value) { read += " pdf=" + value; })),
        };
        return ReadOptions(args, "cmd", kFileOperand, options) + read;
    } catch (const CliExit &exit) {
        EXPECT_EQ(exit.Code, kExitUsage);
        return exit.what();
    }
}

TEST(CliOptions, ReadByTheTable) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"f", "--html", "--top", "20", "--pdf", "p"}, "f html top=20 pdf=p"},
        // A value is the next argument, whatever it looks like.
        {{"--out", "--html", "--pdf", "-", "f"}, "f out=--html pdf=-"},
        {{"--pdf", "--", "--top", "1", "f"}, "f pdf=-- top=1"},
        {{"f", "g", "--pdf", "p"}, "cmd takes one file"},
        {{"--pdf", "p"}, "cmd needs a file"},
        {{"f"}, "cmd needs --pdf OUT"},
        {{"f", "--pdf", ""}, "cmd needs --pdf OUT"},
        {{"f", "--pdf"}, "option --pdf needs a value"},
        {{"f", "--pdf", "p", "-b"}, "unknown option -b"},
        {{"--top", "21"}, "option --top takes 1..20"},
        {{"--top", "0"}, "option --top takes 1..20"},
        {{"--top", "99999999999"}, "option --top takes 1..20"},
        {{"--top", "1x"}, "option --top needs a whole number, not '1x'"},
        {{"--top", ""}, "option --top needs a whole number, not ''"},
    };
    for (const auto &[args, expected] : cases)
        EXPECT_EQ(Read(args), expected) << args[0] << " " << args[1];
}

} // namespace
} // namespace rondaxa::cli
