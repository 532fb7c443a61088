#include "support/test_files.h"

#include <gtest/gtest.h>

#include <regex>

namespace rondaxa {
namespace {

// The version has one home, the project version in CMakeLists.txt; the
// command-line tool must say the same (the package and the information
// dialog are built from it too).
TEST(CliVersion, SaysTheProjectVersion) {
    const std::string lists = test::ReadAll(RONDAXA_SOURCE_DIR "/CMakeLists.txt");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(lists, match, std::regex(R"(project\(rondaxa VERSION ([0-9.]+))")));
    const auto run = test::RunCli({"--version"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Out, "rondaxa-cli " + match[1].str() + "\n");
    EXPECT_NE(test::RunCli({"--help"}).Out.find("rondaxa-cli --version"), std::string::npos);
}

} // namespace
} // namespace rondaxa
