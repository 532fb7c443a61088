// rondaxa-cli print: the demonstration competition printed to a PDF file,
// checked with the PDF tools (page count and extracted text).
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <cstdio>
#include <sstream>

namespace rondaxa {
namespace {

using test::TempDir;

// Standard output of a shell command.
std::string Capture(const std::string &command) {
    std::string out;
    if (FILE *pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

bool HavePdfTools() {
    return Capture("command -v pdfinfo && command -v pdftotext").find("pdftotext") != std::string::npos;
}

int AnnouncedPages(const std::string &err) {
    if (err.rfind("Er is 1 pagina te printen.", 0) == 0)
        return 1;
    int pages = 0;
    return std::sscanf(err.c_str(), "Er zijn %d pagina's te printen.", &pages) == 1 ? pages : -1;
}

// The names of the first class in the order of the standings (the text export).
std::vector<std::string> StandingsNames(const std::string &export_text) {
    std::vector<std::string> names;
    std::istringstream lines(export_text);
    std::string line;
    std::getline(lines, line); // club and class
    std::getline(lines, line); // the calculation sentence
    std::getline(lines, line); // the headings
    while (std::getline(lines, line) && !line.empty()) {
        const std::size_t first = line.find('\t');
        const std::size_t second = line.find('\t', first + 1);
        names.push_back(line.substr(first + 1, second - first - 1));
    }
    return names;
}

// pdffonts lists a font a line after two heading lines; the fifth column
// from the end tells whether it is embedded.
bool EveryFontEmbedded(const std::string &fonts) {
    std::istringstream lines(fonts);
    std::string line;
    int listed = 0;
    for (int n = 0; std::getline(lines, line); ++n) {
        if (n < 2 || line.empty())
            continue;
        std::istringstream words(line);
        std::vector<std::string> columns;
        for (std::string word; words >> word;)
            columns.push_back(word);
        if (columns.size() < 5 || columns[columns.size() - 5] != "yes")
            return false;
        ++listed;
    }
    return listed > 0;
}

class PrintCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HavePdfTools())
            GTEST_SKIP() << "pdfinfo and pdftotext are not installed";
        ASSERT_EQ(test::RunCli({"demo", demo_}).ExitCode, 0);
    }

    TempDir dir_;
    std::string demo_ = dir_.Path("demo.kzb");
    std::string pdf_ = dir_.Path("stand.pdf");
};

TEST_F(PrintCliTest, DemoToPdfHasTheAnnouncedPagesAndTheRidersInOrder) {
    const test::CliRun run = test::RunCli({"print", demo_, "--pdf", pdf_, "--all"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const int announced = AnnouncedPages(run.Err);
    ASSERT_GT(announced, 0) << run.Err;
    EXPECT_NE(run.Err.find(" Uitslagen printen ?\n"), std::string::npos);
    const std::string info = Capture("pdfinfo '" + pdf_ + "'");
    EXPECT_NE(info.find("Pages:           " + std::to_string(announced) + "\n"), std::string::npos) << info;
    EXPECT_TRUE(EveryFontEmbedded(Capture("pdffonts '" + pdf_ + "'")));

    const std::string text = Capture("pdftotext '" + pdf_ + "' -");
    const std::vector<std::string> names =
        StandingsNames(test::RunCli({"standings", demo_, "--no-startno", "--no-results"}).Out);
    ASSERT_GT(names.size(), 10u);
    std::size_t at = 0;
    for (const std::string &name : names) {
        const std::size_t found = text.find(name, at);
        ASSERT_NE(found, std::string::npos) << name;
        at = found + name.size();
    }
}

// One class, and a PDF is written under a temporary name and replaces the
// previous one only when complete: a previous PDF that may not be replaced
// stays as it was, and nothing is left beside it.
TEST_F(PrintCliTest, OneClassReplacesAPreviousPdfOnlyWhenComplete) {
    namespace fs = std::filesystem;
    ASSERT_EQ(test::RunCli({"print", demo_, "--pdf", pdf_, "--class", "#1"}).ExitCode, 0);
    const std::string first = test::ReadAll(pdf_);
    fs::permissions(pdf_, fs::perms::owner_read);
    EXPECT_EQ(test::RunCli({"print", demo_, "--pdf", pdf_, "--class", "#2"}).ExitCode, 3);
    EXPECT_TRUE(test::ReadAll(pdf_) == first);
    fs::permissions(pdf_, fs::perms::owner_read | fs::perms::owner_write);
    const test::CliRun run = test::RunCli({"print", demo_, "--pdf", pdf_, "--class", "#2"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::string text = Capture("pdftotext '" + pdf_ + "' -");
    EXPECT_NE(text.find("MX2"), std::string::npos);
    EXPECT_EQ(text.find("MX1"), std::string::npos);
    EXPECT_NE(Capture("pdfinfo '" + pdf_ + "'").find("Title:           Rondaxa - MC De Zandhazen - MX2\n"),
              std::string::npos);
    for (const auto &entry : fs::directory_iterator(dir_.Root()))
        EXPECT_EQ(entry.path().filename().string().find(".~tmp"), std::string::npos) << entry.path();

    EXPECT_EQ(test::RunCli({"print", demo_}).ExitCode, 2);
    EXPECT_EQ(test::RunCli({"print", demo_, "--pdf", pdf_, "--all", "--class", "#1"}).ExitCode, 2);
    EXPECT_EQ(test::RunCli({"print", dir_.Path("missing.kzb"), "--pdf", pdf_}).ExitCode, 3);
    EXPECT_EQ(test::RunCli({"print", demo_, "--pdf", dir_.Path("no/such/folder/x.pdf")}).ExitCode, 3);
}

} // namespace
} // namespace rondaxa
