#include "core/reports/season_chart.h"
#include "core/scoring/final_standings.h"
#include "support/test_files.h"
#include "support/xml_check.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace rondaxa {
namespace {

using test::AddResultInfo;
using test::AddRider;
using test::MakeCompetition;

std::vector<int> PointsOf(const SeasonChart &chart, std::size_t line) {
    return chart.Lines.at(line).Points;
}

std::vector<std::string> LabelsOf(const SeasonChart &chart) {
    std::vector<std::string> labels;
    for (const RaceDay &day : chart.Days)
        labels.push_back(day.Label);
    return labels;
}

// Finish positions stored (50, 47, 45, 43, 41 points), the net total over
// all results but one.
class SeasonChartTest : public ::testing::Test {
protected:
    SeasonChartTest() : comp(MakeCompetition({"MX1"})), klasse(*comp.Classes[0]) {
        comp.Club.CalcFlags |= CalcDropMode;
        comp.Club.DropCount = 1;
    }

    void Calculate(CalcOptions options = CalcOptions{}) {
        CalculateFinalStandings(comp, options, 0, 0, nullptr);
    }

    Competition comp;
    TKlasse &klasse;
};

TEST_F(SeasonChartTest, CumulativePointsLeaveOutTheDroppedResult) {
    AddRider(comp, klasse, "Bakker", "2", {2, 1, -1, 2}); // 47 50 -- 47: three results, none dropped
    AddRider(comp, klasse, "Aarts", "1", {1, 3, 2, 1});   // 50 45 47 50: the 45 is dropped
    // Without standings every counting result adds, in row order.
    EXPECT_EQ(PointsOf(SeasonChartOf(comp.Club, klasse, 10), 1), (std::vector<int>{50, 95, 142, 192}));
    Calculate();
    const SeasonChart chart = SeasonChartOf(comp.Club, klasse, 10);
    EXPECT_EQ(LabelsOf(chart), (std::vector<std::string>{"1", "2", "3", "4"}));
    ASSERT_EQ(chart.Lines.size(), 2u);
    EXPECT_EQ(chart.Lines[0].Name, "Aarts"); // standings order
    EXPECT_EQ(PointsOf(chart, 0), (std::vector<int>{50, 50, 97, 147}));
    EXPECT_EQ(PointsOf(chart, 1), (std::vector<int>{47, 97, 97, 144}));
}

TEST_F(SeasonChartTest, EqualResultsAreDroppedWhereTheStandingsDropThem) {
    comp.Club.ViewFlags |= ViewMarkDropped; // so that the standings mark them in the grid
    comp.Club.DropCount = 2;
    AddRider(comp, klasse, "Claes", "3", {2, 1, 2, 2, 3}); // 47 50 47 47 45: a 45 and one of three 47s go
    Calculate();
    const TRijder &rider = *klasse.Rider(1);
    const AddingResults adds = AddingResultsOf(comp.Club, klasse, rider, CountingRuleOf(comp.Club, klasse));
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(adds[static_cast<std::size_t>(k)], !IsDropped(rider, k)) << "result " << k;
    EXPECT_EQ(SeasonChartOf(comp.Club, klasse, 10).Lines[0].Points.back(), rider.CalcNet);
}

TEST_F(SeasonChartTest, InformationBlocksMakeTheRaceDays) {
    AddRider(comp, klasse, "Aarts", "1", {1, 2, 1, 1, 3});
    AddResultInfo(klasse, 1, 2, 0, "Zandbaan", "20260501");
    AddResultInfo(klasse, 4, 5, InfoNotCounting, "Training", "");
    Calculate(); // counting: 1, 2, 3 (50 47 50), the 47 dropped
    const SeasonChart chart = SeasonChartOf(comp.Club, klasse, 10);
    EXPECT_EQ(LabelsOf(chart), (std::vector<std::string>{"01-05", "3", "4-5"}));
    ASSERT_EQ(chart.Days.size(), 3u);
    EXPECT_EQ(chart.Days[0].ToResult, 2);
    EXPECT_EQ(chart.Days[2].Info->Remark, "Training");
    EXPECT_EQ(PointsOf(chart, 0), (std::vector<int>{50, 100, 100}));
    EXPECT_EQ(klasse.Rider(1)->CalcNet, 100);
}

TEST_F(SeasonChartTest, TiesKeepTheStandingsOrderAndRidersWithoutResultsStayAtZero) {
    AddRider(comp, klasse, "Zonder", "9");
    AddRider(comp, klasse, "Bakker", "2", {2, 1});
    AddRider(comp, klasse, "Aarts", "1", {1, 2});
    AddRider(comp, klasse, "", "").Name.clear(); // an empty row is no rider
    Calculate();
    const SeasonChart chart = SeasonChartOf(comp.Club, klasse, 10);
    ASSERT_EQ(chart.Lines.size(), 3u);
    // 50 each (the other result dropped), reached on different days.
    EXPECT_EQ(chart.Lines[0].Points.back(), 50);
    EXPECT_EQ(chart.Lines[1].Points.back(), 50);
    EXPECT_EQ(klasse.Rider(1)->Name, chart.Lines[0].Name);
    EXPECT_EQ(chart.Lines[2].Name, "Zonder");
    EXPECT_EQ(PointsOf(chart, 2), (std::vector<int>{0, 0}));
}

TEST_F(SeasonChartTest, TopLimitsTheLines) {
    for (int i = 0; i < 25; ++i)
        AddRider(comp, klasse, "R" + std::to_string(i), std::to_string(i), {i % 5 + 1});
    Calculate();
    EXPECT_EQ(SeasonChartOf(comp.Club, klasse, 3).Lines.size(), 3u);
    EXPECT_EQ(SeasonChartOf(comp.Club, klasse, 99).Lines.size(), static_cast<std::size_t>(kMaxChartTop));
    EXPECT_EQ(SeasonChartOf(comp.Club, klasse, 1).Lines[0].Points, (std::vector<int>{50}));
}

// Over fifty columns and every kind of standings the line ends at the total
// the standings show.
TEST_F(SeasonChartTest, LinesEndAtTheStandingsTotal) {
    comp.Club.CalcFlags = 0; // 50% + 1 of the results count
    for (int i = 0; i < 12; ++i) {
        std::vector<int> results;
        for (int k = 0; k < kMaxResults; ++k)
            results.push_back((i * 7 + k * 3) % 9 == 0 ? -1 : (i + k * k) % 6 + 1);
        TRijder &rider = AddRider(comp, klasse, "R" + std::to_string(i), std::to_string(i), results);
        if (i == 1)
            rider.Flags |= RiderHorsConcours;
    }
    AddResultInfo(klasse, 10, 12, InfoNotCounting, "", "20260601");
    struct Case {
        const char *What;
        CalcOptions Options;
        int AverageMethod;
    };
    CalcOptions gross;
    gross.SetNet(false);
    CalcOptions averages;
    averages.Set(CalcOptions::GrossNet, false);
    CalcOptions noPoints;
    noPoints.SetHorsConcoursChoice(2);
    CalcOptions noResults;
    noResults.SetHorsConcoursChoice(3);
    for (const Case &c : {Case{"net", CalcOptions{}, 1}, Case{"gross", gross, 1},
                          Case{"average of the net results", averages, 2},
                          Case{"hors concours 2", noPoints, 1}, Case{"hors concours 3", noResults, 1}}) {
        comp.Club.AverageMethod = c.AverageMethod;
        Calculate(c.Options);
        const CountingRule rule = CountingRuleOf(comp.Club, klasse);
        const SeasonChart chart = SeasonChartOf(comp.Club, klasse, kMaxChartTop);
        ASSERT_EQ(chart.Days.size(), 48u) << c.What;
        ASSERT_EQ(chart.Lines.size(), 12u) << c.What;
        for (std::size_t i = 0; i < chart.Lines.size(); ++i) {
            const TRijder &rider = *klasse.Rider(static_cast<int>(i) + 1);
            const int total = rule.Net && c.AverageMethod != 2 ? rider.CalcNet : rider.CalcTotal;
            EXPECT_EQ(chart.Lines[i].Points.back(), std::max(total, 0)) << c.What << " row " << i + 1;
            EXPECT_TRUE(std::is_sorted(chart.Lines[i].Points.begin(), chart.Lines[i].Points.end()));
        }
    }
}

// ---- the picture ----

std::vector<double> NameHeightsIn(const std::string &svg) {
    std::vector<double> heights;
    const std::regex label("<text stroke=\"none\"[^>]* y=\"([0-9.]+)\"");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), label); it != std::sregex_iterator(); ++it)
        heights.push_back(std::stod((*it)[1]));
    return heights;
}

TEST_F(SeasonChartTest, SvgIsWellFormedWithOneLinePerRider) {
    AddRider(comp, klasse, "Bakker & Zn <x>", "2", {2, 1, 1});
    AddRider(comp, klasse, std::string("Ctrl\x01") + "\x81" + "\xE9", "3", {3, 2, 2});
    AddRider(comp, klasse, "Aarts", "1", {1, 3, 3});
    AddResultInfo(klasse, 1, 2, 0, "", "20260501");
    Calculate();
    const std::string svg = SeasonChartSvgFile(SeasonChartOf(comp.Club, klasse, 10));
    const test::XmlCheck check = test::CheckXml(svg);
    ASSERT_EQ(check.Error, "") << svg;
    EXPECT_EQ(check.Elements.at("polyline"), 3);
    EXPECT_NE(svg.find("Bakker &amp; Zn &lt;x&gt;"), std::string::npos);
    EXPECT_NE(svg.find("Ctrl\xEF\xBF\xBD\xEF\xBF\xBD\xC3\xA9"),
              std::string::npos); // controls replaced, é in UTF-8
    EXPECT_EQ(svg.find("nan"), std::string::npos);

    // A long name is cut at the line's end and kept whole in its title.
    klasse.Rider(1)->Name = "Abcdefghij Klmnopqrst Uvwxyz Abc";
    const std::string cut = SeasonChartSvg(SeasonChartOf(comp.Club, klasse, 10));
    EXPECT_NE(cut.find(">Abcdefghij Klmnopqrst U\u2026 ("), std::string::npos) << cut;
    EXPECT_NE(cut.find("<title>" + CellText(comp.Club, *klasse.Rider(1), KindName, 0) + "</title>"),
              std::string::npos);
}

TEST_F(SeasonChartTest, TwentyLinesDifferInColourAndDashAndTheirNamesDoNotOverlap) {
    for (int i = 0; i < 20; ++i)
        AddRider(comp, klasse, "Rijder " + std::to_string(i), std::to_string(i), {1}); // all level
    Calculate();
    const std::string svg = SeasonChartSvg(SeasonChartOf(comp.Club, klasse, 20));
    ASSERT_EQ(test::CheckXml(svg).Error, "");
    const std::regex style("<g class=\"rider\" stroke=\"(#[0-9a-f]+)\">\\n<title>[^<]*</title>\\n"
                           "<polyline fill=\"none\" stroke-width=\"2\"( stroke-dasharray=\"[0-9 ]+\")?");
    std::set<std::string> styles;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), style); it != std::sregex_iterator(); ++it)
        styles.insert((*it)[1].str() + (*it)[2].str());
    EXPECT_EQ(styles.size(), 20u);

    auto expectApartAndInside = [](std::vector<double> heights) {
        ASSERT_EQ(heights.size(), 20u);
        std::sort(heights.begin(), heights.end());
        for (std::size_t i = 1; i < heights.size(); ++i)
            EXPECT_GE(heights[i] - heights[i - 1], 12.9);
        EXPECT_GE(heights.front(), 0.0);
        EXPECT_LE(heights.back(), 440.0);
    };
    expectApartAndInside(NameHeightsIn(svg)); // all level at the top

    // Nineteen at the bottom: their names move up from the picture's edge.
    for (int r = 2; r <= 20; ++r)
        klasse.Rider(r)->Results[1] = kNoResult;
    expectApartAndInside(NameHeightsIn(SeasonChartSvg(SeasonChartOf(comp.Club, klasse, 20))));
}

TEST_F(SeasonChartTest, AClassWithoutResultsSaysSo) {
    AddRider(comp, klasse, "Aarts", "1");
    const std::string svg = SeasonChartSvg(SeasonChartOf(comp.Club, klasse, 10));
    EXPECT_EQ(test::CheckXml(svg).Error, "");
    EXPECT_NE(svg.find("Nog geen uitslagen"), std::string::npos);
    EXPECT_EQ(svg.find("<polyline"), std::string::npos);
}

TEST_F(SeasonChartTest, OneRaceDayIsALineFromTheStart) {
    AddRider(comp, klasse, "Aarts", "1", {1});
    Calculate();
    const std::string svg = SeasonChartSvg(SeasonChartOf(comp.Club, klasse, 10));
    std::smatch points;
    ASSERT_TRUE(std::regex_search(svg, points, std::regex("points=\"([^\"]*)\"")));
    EXPECT_EQ(points[1].str(), "48,370 560,20"); // from 0 at the start to 50 at the top
}

} // namespace
} // namespace rondaxa
