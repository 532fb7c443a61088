// The season chart of a class: the cumulative points of its leading riders
// race day by race day, counted as the standings count them, and its
// picture as SVG text (the same picture on the web site, from the command
// line and in the window).
#pragma once

#include "core/model/model.h"

#include <array>
#include <string>
#include <vector>

namespace rondaxa {

inline constexpr int kDefaultChartTop = 10;
inline constexpr int kMaxChartTop = 20;

// One race day of the chart: the result columns of an information block, or
// a single result column that no block covers.
struct RaceDay {
    int FromResult = 0; // result numbers, 1-based
    int ToResult = 0;
    const ResultInfo *Info = nullptr; // the block, when one covers the day
    std::string Label;                // cp1252: the date (day-month), else the result number(s)
};

// The class's result columns grouped into race days, left to right.
std::vector<RaceDay> RaceDaysOf(const TKlasse &klasse);

// How the class's standings count a rider's results: the best N of the
// counting results (net), or all counting results.
struct CountingRule {
    bool Net = false;
    int N = 0;
};

// The rule of the standings the class shows: net over the count of its net
// column (or of an average by the net results), otherwise every counting
// result (gross, daily, averages, or no standings at all).
CountingRule CountingRuleOf(const ClubRec &club, const TKlasse &klasse);

// Per result number 1..50: whether the result adds to the rider's total
// under rule (a counting result that is not dropped). Which equal results
// are dropped is decided as the standings decide it.
using AddingResults = std::array<bool, kMaxResults + 1>;
AddingResults AddingResultsOf(const ClubRec &club, const TKlasse &klasse, const TRijder &rider,
                              const CountingRule &rule);

struct ChartLine {
    std::string Name;        // cp1252, as the grid shows it
    std::vector<int> Points; // cumulative, one per race day
};

struct SeasonChart {
    std::string ClassName; // cp1252
    std::vector<RaceDay> Days;
    std::vector<ChartLine> Lines; // in standings order
};

// The chart of the first top riders of the class in its present order (the
// standings, when calculated). A rider whose standings show no total (a
// hors-concours rider without points) keeps a line at 0.
SeasonChart SeasonChartOf(const ClubRec &club, const TKlasse &klasse, int top);

// The chart as an SVG element (UTF-8), without an XML declaration, so that
// a web page can hold it as it is.
std::string SeasonChartSvg(const SeasonChart &chart);

// The chart as a stand-alone SVG file's content.
std::string SeasonChartSvgFile(const SeasonChart &chart);

} // namespace rondaxa
