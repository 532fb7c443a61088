// rondaxa-cli publish and chart on the demo competition and small generated
// ones.
#include "core/model/kzb_file.h"
#include "support/test_files.h"
#include "support/xml_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace rondaxa {
namespace {

using test::ReadAll;
using test::RunCli;
using test::TempDir;

class PublishCliTest : public ::testing::Test {
protected:
    PublishCliTest() { EXPECT_EQ(RunCli({"demo", demo_}).ExitCode, 0); }

    TempDir dir_;
    std::string demo_ = dir_.Path("demo.kzb");
    std::string site_ = dir_.Path("site");
};

// The pages are the core's; here the command's choices reach them, and the
// class page leads with the winner that "standings" names.
TEST_F(PublishCliTest, TheSiteHasOnePagePerClassAndKeepsOtherFiles) {
    std::filesystem::create_directories(site_);
    test::WriteAll(site_ + "/logo.png", "logo");
    test::WriteAll(site_ + "/mx1.html", "old");
    const test::CliRun run = RunCli({"publish", demo_, "--out", site_});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out, "");
    std::vector<std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(site_))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"index.html", "jeugd-85cc.html", "logo.png", "mx1.html",
                                               "mx2.html", "style.css", "veteranen.html"}));
    EXPECT_EQ(ReadAll(site_ + "/logo.png"), "logo");
    const std::string mx1 = ReadAll(site_ + "/mx1.html");
    std::istringstream standings(
        RunCli({"standings", demo_, "--class", "MX1", "--no-club", "--no-results", "--no-startno"}).Out);
    std::string winner;
    for (int line = 0; line < 4; ++line)
        std::getline(standings, winner); // the class, the sentence, the headings, the winner
    winner = winner.substr(2, winner.find('\t', 2) - 2);
    EXPECT_NE(mx1.find("<tr><td class=\"pl\">1<th scope=\"row\" class=\"nm\">" + winner + "<td>"),
              std::string::npos)
        << winner;

    ASSERT_EQ(RunCli({"publish", demo_, "--out", site_, "--class", "MX2"}).ExitCode, 0);
    const std::string index = ReadAll(site_ + "/index.html");
    EXPECT_NE(index.find("href=\"mx2.html\""), std::string::npos);
    EXPECT_EQ(index.find("href=\"mx1.html\""), std::string::npos);
}

TEST_F(PublishCliTest, UsageAndFileErrors) {
    struct Case {
        std::vector<std::string> Args;
        int Exit;
        std::string Err;
    };
    test::WriteAll(dir_.Path("plain"), "x");
    for (const Case &c : {
             Case{{"publish", demo_}, 2, "rondaxa-cli publish: publish needs --out DIR\n"},
             Case{{"publish", demo_, "--out", site_, "--top", "21"},
                  2,
                  "rondaxa-cli publish: option --top takes 1..20\n"},
             Case{{"publish", dir_.Path("missing.kzb"), "--out", site_},
                  3,
                  "Kan bestand niet openen: " + dir_.Path("missing.kzb") + " ("}, // then the system's reason
             Case{{"publish", demo_, "--out", dir_.Path("plain")},
                  3,
                  "Kan map niet maken: " + dir_.Path("plain") + "\n"},
             Case{{"chart", demo_, "--out", dir_.Path("c.svg")},
                  2,
                  "rondaxa-cli chart: chart needs --class NAME|#N\n"},
             Case{{"chart", demo_, "--class", "MX1"}, 2, "rondaxa-cli chart: chart needs --out PATH.svg\n"},
             Case{{"chart", demo_, "--class", "#9", "--out", dir_.Path("c.svg")},
                  2,
                  "rondaxa-cli chart: no class #9 (the file has 4 classes)\n"},
         }) {
        const test::CliRun run = RunCli(c.Args);
        EXPECT_EQ(run.ExitCode, c.Exit) << c.Args.back();
        EXPECT_TRUE(run.Err.starts_with(c.Err)) << run.Err;
        EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir_.Path("c.svg")));
}

TEST_F(PublishCliTest, ChartWritesTheClassesChartAsSvg) {
    const std::string svg = dir_.Path("out/veteranen.svg");
    const test::CliRun run = RunCli({"chart", demo_, "--class", "Veteranen", "--top", "5", "--out", svg});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    const std::string text = ReadAll(svg);
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg", 0), 0u);
    const test::XmlCheck check = test::CheckXml(text);
    ASSERT_EQ(check.Error, "");
    EXPECT_EQ(check.Elements.at("polyline"), 5);
    // The same picture as on the class page.
    ASSERT_EQ(RunCli({"publish", demo_, "--out", site_, "--top", "5"}).ExitCode, 0);
    const std::string page = ReadAll(site_ + "/veteranen.html");
    EXPECT_NE(page.find(text.substr(text.find("<svg"))), std::string::npos);
}

} // namespace
} // namespace rondaxa
