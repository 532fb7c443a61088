#include "core/model/dates.h"
#include "core/reports/season_site.h"
#include "core/scoring/final_standings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace rondaxa {
namespace {

using test::AddResultInfo;
using test::AddRider;
using test::MakeCompetition;

const SitePage &Page(const std::vector<SitePage> &pages, const std::string &name) {
    for (const SitePage &page : pages)
        if (page.FileName == name)
            return page;
    throw std::runtime_error("no page " + name);
}

std::vector<std::string> FileNames(const std::vector<SitePage> &pages) {
    std::vector<std::string> names;
    for (const SitePage &page : pages)
        names.push_back(page.FileName);
    return names;
}

TEST(PageSlugTest, NamesBecomeSafeAsciiNames) {
    EXPECT_EQ(PageSlug("MX 1"), "mx-1");
    EXPECT_EQ(PageSlug("  Veteranen 40+ "), "veteranen-40");
    EXPECT_EQ(PageSlug("Jeugd \xC9\xE0 Stra\xDF"
                       "e"),
              "jeugd-ea-strasse");
    EXPECT_EQ(PageSlug("\x8A"
                       "koda/\x9Cuvre"),
              "skoda-oeuvre");
    EXPECT_EQ(PageSlug("../../etc"), "etc");
    EXPECT_EQ(PageSlug(""), "klasse");
    EXPECT_EQ(PageSlug("***"), "klasse");
    EXPECT_EQ(PageSlug(std::string(30, 'a') + " " + std::string(30, 'b')).size(), 40u);
    EXPECT_EQ(PageSlug(std::string(39, 'a') + " b"), std::string(39, 'a'));
}

TEST(PageSlugTest, ClassPagesGetUniqueNamesThatNoServerKeeps) {
    Competition comp = MakeCompetition({"MX1", "mx1", "MX-1", "Index", "CON", "style", "mx1 2"});
    EXPECT_EQ(ClassPageNames(comp, {0, 1, 2, 3, 4, 5, 6}),
              (std::vector<std::string>{"mx1.html", "mx1-2.html", "mx-1.html", "index-klasse.html",
                                        "con-klasse.html", "style-klasse.html", "mx1-2-2.html"}));
}

// Two classes with results, race days and a rider whose name needs escaping.
class SeasonSiteTest : public ::testing::Test {
protected:
    SeasonSiteTest() : comp(MakeCompetition({"MX1", "Veteranen 40+"})), mx1(*comp.Classes[0]) {
        comp.Club.ClubName = "MC De Zandhaas";
        AddRider(comp, mx1, "Bakker & Zn <x>", "12", {2, 1, 1, 3});
        AddRider(comp, mx1, "Aarts, Jan", "7", {1, 2, 3, 1});
        AddRider(comp, mx1, "Claes", "3", {3, 3, -1, -1});
        AddResultInfo(mx1, 1, 2, 0, "Lommel", "20260412");
        AddResultInfo(mx1, 3, 4, InfoNotCounting, "Oefenrit", "20260503");
        TKlasse &veterans = *comp.Classes[1];
        AddRider(comp, veterans, "Dirks", "40", {1});
        AddResultInfo(veterans, 1, 1, 0, "Mill", "20260426");
        CalculateFinalStandings(comp, CalcOptions{}, 0, 0, nullptr);
    }

    std::vector<SitePage> Build(SiteChoices choices = {}) { return BuildSeasonSite(comp, choices); }

    test::FixedClock clock{EncodeDosStamp(DateTime{2026, 5, 4, 21, 7, 0})};
    Competition comp;
    TKlasse &mx1;
};

TEST_F(SeasonSiteTest, TheSiteIsAnIndexAStylesheetAndOnePagePerClass) {
    const std::vector<SitePage> pages = Build();
    EXPECT_EQ(FileNames(pages),
              (std::vector<std::string>{"index.html", "style.css", "mx1.html", "veteranen-40.html"}));
    for (const SitePage &page : pages) {
        EXPECT_EQ(page.Content.find("<script"), std::string::npos) << page.FileName;
        for (std::size_t at = page.Content.find("http"); at != std::string::npos;
             at = page.Content.find("http", at + 1)) // nothing from outside but the SVG namespace's name
            EXPECT_EQ(page.Content.compare(at, 26, "http://www.w3.org/2000/svg"), 0) << page.FileName;
        EXPECT_EQ(page.Content.find("\r"), std::string::npos) << page.FileName;
        if (page.FileName.ends_with(".html")) {
            EXPECT_EQ(page.Content.rfind(
                          "<!DOCTYPE html>\n<html lang=\"nl\">\n<head>\n<meta charset=\"utf-8\">", 0),
                      0u);
            EXPECT_NE(page.Content.find("name=\"viewport\""), std::string::npos);
            EXPECT_NE(page.Content.find("<link rel=\"stylesheet\" href=\"style.css\">"), std::string::npos);
        }
    }
    // On paper the rows lose their shading.
    const std::string &css = Page(pages, "style.css").Content;
    const std::size_t print = css.find("@media print");
    ASSERT_NE(print, std::string::npos);
    EXPECT_NE(css.find("tbody tr:nth-child(even) > * { background: none; }", print), std::string::npos);
}

TEST_F(SeasonSiteTest, TheIndexListsTheClassesAndTheLastRaceDay) {
    const std::string index = Page(Build(), "index.html").Content;
    EXPECT_NE(index.find("<h1>MC De Zandhaas</h1>"), std::string::npos);
    EXPECT_NE(index.find("<a href=\"mx1.html\">MX1</a></th><td>3</td><td>2</td><td>4</td>"),
              std::string::npos);
    EXPECT_NE(
        index.find("<a href=\"veteranen-40.html\">Veteranen 40+</a></th><td>1</td><td>1</td><td>1</td>"),
        std::string::npos);
    EXPECT_NE(index.find("Laatste wedstrijddag: <strong>03 mei 2026</strong> &middot; Oefenrit"),
              std::string::npos);
    EXPECT_NE(index.find("<time datetime=\"2026-05-04T21:07\">04-05-2026 21:07</time>"), std::string::npos);
}

TEST_F(SeasonSiteTest, TheClassPageShowsTheStandingsInTheirOrder) {
    const std::string page = Page(Build(), "mx1.html").Content;
    // Net over 50% + 1 of the two counting results: Aarts 97, Bakker 97
    // (tie broken by the club's steps), Claes 45.
    std::vector<std::size_t> at;
    for (int r = 1; r <= 3; ++r) {
        const std::string name = mx1.Rider(r)->Name.str() == "Bakker & Zn <x>"
                                     ? "Bakker &amp; Zn &lt;x&gt;"
                                     : NameDisplay(mx1.Rider(r)->Name);
        at.push_back(page.find("class=\"nm\">" + name + "<td>"));
        ASSERT_NE(at.back(), std::string::npos) << name;
    }
    EXPECT_LT(at[0], at[1]);
    EXPECT_LT(at[1], at[2]);
    EXPECT_LT(at[2], page.find("id=\"verloop\"")); // the standings come first
    EXPECT_NE(
        page.find("<th scope=\"col\" class=\"total\">Bruto</th><th scope=\"col\" class=\"total\">Netto</th>"),
        std::string::npos);
    EXPECT_NE(page.find("<tr><td class=\"pl\">3<th scope=\"row\" class=\"nm\">Claes<td>3<td>45<td>45<td><td>"
                        "<td class=\"total\">90<td class=\"total\">90\n"),
              std::string::npos);
    EXPECT_NE(page.find("<nav aria-label=\"Klassen\">"), std::string::npos);
    EXPECT_NE(page.find("<a href=\"mx1.html\" aria-current=\"page\">MX1</a>"), std::string::npos);
    EXPECT_NE(page.find("<a href=\"veteranen-40.html\">Veteranen 40+</a>"), std::string::npos);
    EXPECT_NE(page.find("<a href=\"index.html\">MC De Zandhaas</a>"), std::string::npos);
}

TEST_F(SeasonSiteTest, DroppedResultsAreMarkedAsTheClubShowsThem) {
    comp.Club.CalcFlags |= CalcDropMode;
    comp.Club.DropCount = 1;
    CalculateFinalStandings(comp, CalcOptions{}, 0, 0, nullptr);
    EXPECT_EQ(Page(Build(), "mx1.html").Content.find("class=\"drop"), std::string::npos);
    comp.Club.ViewFlags |= ViewMarkDropped | ViewStrikeDropped;
    CalculateFinalStandings(comp, CalcOptions{}, 0, 0, nullptr);
    EXPECT_NE(Page(Build(), "mx1.html").Content.find("<td class=\"drop strike\">47<"), std::string::npos);
}

TEST_F(SeasonSiteTest, RaceDaysListEveryRiderOfTheirHeats) {
    const std::string page = Page(Build(), "mx1.html").Content;
    const std::size_t first = page.find("<h3 id=\"dag-1\">12 apr 2026 &middot; Lommel</h3>");
    const std::size_t second = page.find("<h3 id=\"dag-2\">03 mei 2026 &middot; Oefenrit</h3>");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    const std::string day1 = page.substr(first, second - first);
    // Most points of the day first: Aarts and Bakker 97 each (in standings
    // order), Claes 90.
    EXPECT_NE(day1.find("<th scope=\"col\">Uitslag 1</th><th scope=\"col\">Uitslag 2</th>"),
              std::string::npos);
    EXPECT_NE(day1.find("<tr><th>Claes<td>3<td>45<td>45<td>90\n"), std::string::npos);
    EXPECT_LT(day1.find("Bakker"), day1.find("Claes"));
    EXPECT_LT(day1.find("Jan Aarts"), day1.find("Claes"));
    const std::string day2 = page.substr(second);
    EXPECT_NE(day2.find("tellen niet mee"), std::string::npos);
    EXPECT_EQ(day2.find("Claes"), std::string::npos); // no results that day
    EXPECT_NE(page.find("<svg xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
}

TEST_F(SeasonSiteTest, ChosenClassesOnlyAndAClassWithoutInformation) {
    comp.Classes[1]->ColData(comp.Classes[1]->ResultColumn(1))->Info.reset();
    const std::vector<SitePage> pages = Build(SiteChoices{5, {1}});
    EXPECT_EQ(FileNames(pages), (std::vector<std::string>{"index.html", "style.css", "veteranen-40.html"}));
    EXPECT_EQ(Page(pages, "index.html").Content.find("Laatste wedstrijddag"), std::string::npos);
    EXPECT_NE(Page(pages, "veteranen-40.html").Content.find("nog geen informatie over de wedstrijddagen"),
              std::string::npos);
}

TEST_F(SeasonSiteTest, TheCalculatedCopyLeavesTheCompetitionAsItIs) {
    mx1.Rider(3)->Flags |= RiderHorsConcours; // under choice 3 the others' results change
    CalcOptions averages;
    averages.Set(CalcOptions::GrossNet, false);
    averages.SetHorsConcoursChoice(3);
    CalculateFinalStandings(comp, averages, 0, 0, nullptr);
    const std::vector<std::string> names = test::RiderNames(mx1);
    std::vector<std::vector<int>> results;
    for (int r = 1; r <= 3; ++r)
        results.push_back(test::StoredResults(*mx1.Rider(r), 4));
    const int columns = mx1.Grid.ColCount();

    const auto copy = CalculatedCopy(comp);
    EXPECT_EQ(test::RiderNames(mx1), names);
    EXPECT_EQ(mx1.Grid.ColCount(), columns);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(test::StoredResults(*mx1.Rider(r), 4), results[static_cast<std::size_t>(r - 1)]);

    // The copy holds net standings by the club's rules over the stored results.
    const TKlasse &copied = *copy->Classes[0];
    EXPECT_EQ(copied.Grid.Col(copied.Grid.ColCount() - 1).Heading, "Netto");
    EXPECT_EQ(copied.Rider(3)->Name, "Claes");
    EXPECT_EQ(test::StoredResults(*copied.Rider(3), 4), (std::vector<int>{3, 3, -1, -1}));
    EXPECT_EQ(copied.Rider(3)->CalcNet, 90);

    const auto one = CalculatedCopy(comp, 1);
    EXPECT_EQ(one->Classes[0]->CalcState, 0);
    EXPECT_EQ(one->Classes[1]->CalcState, 2);
}

// ---- writing ----

TEST(WriteSiteTest, ReplacesItsPagesAndLeavesOtherFilesAlone) {
    test::TempDir dir;
    const std::string folder = dir.Path("site/deeper");
    WriteSite(folder, {{"index.html", "one"}, {"a.html", "A1"}});
    test::WriteAll(folder + "/own.html", "the club's own page");
    WriteSite(folder, {{"index.html", "two"}, {"b.html", "B"}});
    EXPECT_EQ(test::ReadAll(folder + "/index.html"), "two");
    EXPECT_EQ(test::ReadAll(folder + "/a.html"), "A1");
    EXPECT_EQ(test::ReadAll(folder + "/b.html"), "B");
    EXPECT_EQ(test::ReadAll(folder + "/own.html"), "the club's own page");
    EXPECT_EQ(test::EntriesIn(folder), 4); // no temporary file left
}

TEST(WriteSiteTest, AFailedPageLeavesEveryOldPage) {
    test::TempDir dir;
    const std::string folder = dir.Path("site");
    WriteSite(folder, {{"index.html", "old index"}, {"b.html", "old b"}});
    try {
        test::FailingStep failing(FileStep::Write, "b.html.~tmp"); // the new b cannot be written
        WriteSite(folder, {{"index.html", "new index"}, {"b.html", "new b"}});
        FAIL() << "no error";
    } catch (const IoError &error) {
        EXPECT_NE(std::string(error.what()).find("b.html"), std::string::npos);
    }
    EXPECT_EQ(test::ReadAll(folder + "/index.html"), "old index");
    EXPECT_EQ(test::ReadAll(folder + "/b.html"), "old b");
    EXPECT_FALSE(std::filesystem::exists(folder + "/index.html.~tmp"));

    test::WriteAll(dir.Path("plain-file"), "x");
    EXPECT_THROW(WriteSite(dir.Path("plain-file"), {{"index.html", "x"}}), IoError);
}

} // namespace
} // namespace rondaxa
