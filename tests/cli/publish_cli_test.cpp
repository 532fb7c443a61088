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

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string &line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    if (!line.empty() && line.back() == '\t')
        fields.emplace_back();
    return fields;
}

class PublishCliTest : public ::testing::Test {
protected:
    PublishCliTest() { EXPECT_EQ(RunCli({"demo", demo_}).ExitCode, 0); }

    TempDir dir_;
    std::string demo_ = dir_.Path("demo.kzb");
    std::string site_ = dir_.Path("site");
};

// The page of a class, found through the index's link.
std::string ClassPage(const std::string &site, const std::string &className) {
    const std::string index = ReadAll(site + "/index.html");
    const std::size_t link = index.find("\">" + className + "</a>");
    if (link == std::string::npos)
        return {};
    const std::size_t href = index.rfind("href=\"", link) + 6;
    return ReadAll(site + "/" + index.substr(href, link - href));
}

// Every rider's row on the class page starts with his place and ends in the
// totals that "standings" gives, in the same order.
TEST_F(PublishCliTest, ClassPagesHoldTheStandingsOfTheStandingsCommand) {
    const test::CliRun run = RunCli({"publish", demo_, "--out", site_});
    ASSERT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out, "");
    const test::CliRun standings = RunCli({"standings", demo_, "--no-club", "--no-results", "--no-startno"});
    std::string page;
    std::size_t from = 0;
    int rows = 0;
    bool classStarts = true;
    for (const std::string &line : Lines(standings.Out)) {
        if (line.empty()) {
            classStarts = true;
            continue;
        }
        if (classStarts) {
            page = ClassPage(site_, line);
            ASSERT_FALSE(page.empty()) << line;
            from = 0;
            classStarts = false;
            continue;
        }
        const std::vector<std::string> fields = Fields(line);
        if (fields.size() != 5 || fields[0] == "PL")
            continue;
        const std::size_t at = page.find("class=\"nm\">" + fields[1] + "<td>", from);
        ASSERT_NE(at, std::string::npos) << line;
        const std::string place = "<tr><td class=\"pl\">" + fields[0] + "<th";
        EXPECT_EQ(page.substr(page.rfind("<tr>", at), place.size()), place) << line;
        const std::size_t end = page.find('\n', at);
        // The extra field the club shows, and the totals at the row's end.
        const std::string extra = "<td class=\"extra\">" + fields[2] + "<td";
        EXPECT_LT(page.find(extra, at), end) << line;
        const std::string totals = "<td class=\"total\">" + fields[3] + "<td class=\"total\">" + fields[4];
        EXPECT_EQ(page.substr(end - totals.size(), totals.size()), totals) << line;
        from = end;
        ++rows;
    }
    EXPECT_EQ(rows, 93);
    EXPECT_NE(page.find("<th scope=\"col\" class=\"extra\">Woonplaats</th>"), std::string::npos);
}

TEST_F(PublishCliTest, TheSiteHasOnePagePerClassAndKeepsOtherFiles) {
    std::filesystem::create_directories(site_);
    test::WriteAll(site_ + "/logo.png", "logo");
    test::WriteAll(site_ + "/mx1.html", "old");
    ASSERT_EQ(RunCli({"publish", demo_, "--out", site_, "--top", "3"}).ExitCode, 0);
    std::vector<std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(site_))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"index.html", "jeugd-85cc.html", "logo.png", "mx1.html",
                                               "mx2.html", "style.css", "veteranen.html"}));
    EXPECT_EQ(ReadAll(site_ + "/logo.png"), "logo");
    const std::string mx1 = ReadAll(site_ + "/mx1.html");
    EXPECT_EQ(test::CheckXml(mx1.substr(mx1.find("<svg"), mx1.find("</svg>") + 6 - mx1.find("<svg")))
                  .Elements.at("polyline"),
              3);

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
    test::WriteAll(dir_.Path("broken.kzb"), "not a competition");
    for (const Case &c : {
             Case{{"publish", demo_}, 2, "rondaxa-cli publish: publish needs --out DIR\n"},
             Case{{"publish", demo_, "--out", site_, "--top", "21"},
                  2,
                  "rondaxa-cli publish: option --top takes 1..20\n"},
             Case{{"publish", demo_, "--out", site_, "--html"},
                  2,
                  "rondaxa-cli publish: unknown option --html\n"},
             Case{{"publish", dir_.Path("missing.kzb"), "--out", site_},
                  3,
                  "Kan bestand niet openen: " + dir_.Path("missing.kzb") + " ("}, // then the system's reason
             Case{{"publish", dir_.Path("broken.kzb"), "--out", site_},
                  3,
                  "Versie incorrect of bestand is beschadigd!\n"},
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
