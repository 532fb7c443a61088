#include "core/reports/season_chart.h"

#include "core/model/dates.h"
#include "core/reports/web_text.h"
#include "core/scoring/standings.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace rondaxa {

namespace {

int ResultColumnsOf(const TKlasse &klasse) {
    return std::clamp(klasse.ResultCount, 0, kMaxResults);
}

// The counting result columns of the class (its columns outside the blocks
// marked as not counting).
int CountingColumnsOf(const TKlasse &klasse, const CountingFlags &counting) {
    int c = 0;
    for (int k = 1; k <= ResultColumnsOf(klasse); ++k)
        c += counting[static_cast<std::size_t>(k)] ? 1 : 0;
    return c;
}

const ResultInfo *BlockOwnedBy(const TKlasse &klasse, int result) {
    const TColData *data = klasse.ColData(klasse.ResultColumn(result));
    if (!data || data->Kind != KindResult || !data->Info)
        return nullptr;
    return data->Info.get();
}

std::string DayLabel(const RaceDay &day) {
    if (day.Info && !day.Info->Date.empty())
        return FormatStoredDate(day.Info->Date, 0, false);
    if (day.FromResult == day.ToResult)
        return IntText(day.FromResult);
    return IntText(day.FromResult) + "-" + IntText(day.ToResult);
}

} // namespace

std::vector<RaceDay> RaceDaysOf(const TKlasse &klasse) {
    std::vector<RaceDay> days;
    const int results = ResultColumnsOf(klasse);
    for (int k = 1; k <= results;) {
        RaceDay day;
        day.FromResult = k;
        day.ToResult = k;
        day.Info = BlockOwnedBy(klasse, k);
        if (day.Info)
            day.ToResult = std::clamp(day.Info->ToCol, k, results);
        day.Label = DayLabel(day);
        k = day.ToResult + 1;
        days.push_back(std::move(day));
    }
    return days;
}

CountingRule CountingRuleOf(const ClubRec &club, const TKlasse &klasse) {
    const TColData *netColumn = nullptr;
    bool averages = false;
    for (int c = 0; c < klasse.Grid.ColCount(); ++c) {
        const TColData *data = klasse.ColData(c);
        if (data && data->Kind == KindNet)
            netColumn = data;
        if (data && data->Kind == KindAverage)
            averages = true;
    }
    CountingRule rule;
    rule.Net = netColumn && (!averages || club.AverageMethod == 2);
    if (rule.Net) {
        const int c = CountingColumnsOf(klasse, CountingFlagsOf(klasse));
        rule.N = (netColumn->Number < 1 || netColumn->Number > c) ? c : netColumn->Number;
    }
    return rule;
}

AddingResults AddingResultsOf(const ClubRec &club, const TKlasse &klasse, const TRijder &rider,
                              const CountingRule &rule) {
    const CountingFlags counting = CountingFlagsOf(klasse);
    TRijder marked = rider;
    ClearDropMarks(marked);
    if (rule.Net) {
        // The standings' own marking of dropped results, on a copy.
        ClubRec marking = club;
        marking.ViewFlags |= ViewMarkDropped;
        const CountingBasis basis(marking, counting, CountingColumnsOf(klasse, counting));
        BuildStandingKey(marking, basis, marked, rule.N, KeyVariant::Net, HcNormal);
    }
    AddingResults adds{};
    for (int k = 1; k <= ResultColumnsOf(klasse); ++k)
        adds[static_cast<std::size_t>(k)] =
            counting[static_cast<std::size_t>(k)] && GetResult(marked, k) >= 0 && !IsDropped(marked, k);
    return adds;
}

SeasonChart SeasonChartOf(const ClubRec &club, const TKlasse &klasse, int top) {
    SeasonChart chart;
    chart.ClassName = klasse.Name.str();
    chart.Days = RaceDaysOf(klasse);
    const CountingRule rule = CountingRuleOf(club, klasse);
    const int wanted = std::clamp(top, 0, kMaxChartTop);
    for (int r = 1; r < klasse.Grid.RowCount() && static_cast<int>(chart.Lines.size()) < wanted; ++r) {
        const TRijder *rider = klasse.Rider(r);
        if (!rider || IsEmptyRider(*rider))
            continue;
        ChartLine line;
        line.Name = CellText(club, *rider, KindName, 0);
        const bool noTotal = klasse.CalcState > 0 && rider->CalcNet < 0 && rider->CalcTotal < 0;
        const AddingResults adds = AddingResultsOf(club, klasse, *rider, rule);
        int sum = 0;
        for (const RaceDay &day : chart.Days) {
            for (int k = day.FromResult; k <= day.ToResult && !noTotal; ++k)
                if (adds[static_cast<std::size_t>(k)])
                    sum += std::max(ResultPoints(club, GetResult(*rider, k)), 0);
            line.Points.push_back(sum);
        }
        chart.Lines.push_back(std::move(line));
    }
    return chart;
}

// ---- the picture ------------------------------------------------------------------

namespace {

// The picture's size in user units and the plot area inside it: room on the
// left for the points, on the right for the riders' names, below for the
// race days.
constexpr double kWidth = 760;
constexpr double kHeight = 440;
constexpr double kLeft = 48;
constexpr double kRight = kWidth - 200;
constexpr double kTop = 20;
constexpr double kBottom = kHeight - 70;
constexpr double kLabelGap = 13; // the least distance between two names
constexpr double kMarkerSize = 3.5;
// The longest name at a line's end that fits the room on the right (the
// line's title holds the whole name).
constexpr std::size_t kLongestLabel = 24;
// Day labels stand upright up to this many days, slanted beyond.
constexpr std::size_t kUprightDayLabels = 8;

// Colours that readers with any common colour-vision deficiency tell apart
// (without yellow, too light on white); lines differ in dashes and markers
// as well, so that a grey print keeps them apart.
constexpr std::array<const char *, 7> kColours{"#000000", "#e69f00", "#56b4e9", "#009e73",
                                               "#0072b2", "#d55e00", "#cc79a7"};
constexpr std::array<const char *, 4> kDashes{"", "8 4", "2 3", "10 3 2 3"};
enum class Marker { Circle, Square, Triangle, Diamond, Cross };
constexpr std::array<Marker, 5> kMarkers{Marker::Circle, Marker::Square, Marker::Triangle, Marker::Diamond,
                                         Marker::Cross};

// A coordinate with one decimal, written without the locale.
void AppendNumber(std::string &out, double value) {
    long long tenths = std::llround(value * 10);
    if (tenths < 0) {
        out += '-';
        tenths = -tenths;
    }
    out += IntText(tenths / 10);
    if (tenths % 10 != 0) {
        out += '.';
        out += static_cast<char>('0' + tenths % 10);
    }
}

std::string Number(double value) {
    std::string text;
    AppendNumber(text, value);
    return text;
}

// A step of 1, 2 or 5 times a power of ten that divides 0..highest into at
// most about five parts.
int TickStep(int highest) {
    int step = 1;
    for (int power = 1;; power *= 10) {
        for (const int factor : {1, 2, 5}) {
            step = factor * power;
            if (highest / step <= 5)
                return step;
        }
    }
}

struct Scale {
    int Top = 1; // the points at the top of the plot
    int Step = 1;
    std::size_t Positions = 1; // the start and one position per day

    double X(std::size_t position) const {
        return kLeft + (kRight - kLeft) * static_cast<double>(position) /
                           static_cast<double>(std::max<std::size_t>(Positions - 1, 1));
    }
    double Y(int points) const { return kBottom - (kBottom - kTop) * points / Top; }
};

Scale ScaleOf(const SeasonChart &chart) {
    int highest = 0;
    for (const ChartLine &line : chart.Lines)
        for (const int points : line.Points)
            highest = std::max(highest, points);
    Scale scale;
    scale.Step = TickStep(std::max(highest, 1));
    scale.Top = std::max((highest + scale.Step - 1) / scale.Step, 1) * scale.Step;
    scale.Positions = chart.Days.size() + 1;
    return scale;
}

void AppendMarker(std::string &d, Marker marker, double x, double y) {
    const double s = kMarkerSize;
    auto move = [&d](double px, double py) {
        d += 'M';
        AppendNumber(d, px);
        d += ' ';
        AppendNumber(d, py);
    };
    auto line = [&d](double px, double py) {
        d += 'L';
        AppendNumber(d, px);
        d += ' ';
        AppendNumber(d, py);
    };
    switch (marker) {
    case Marker::Circle:
        move(x - s, y);
        d += "a" + Number(s) + " " + Number(s) + " 0 1 0 " + Number(2 * s) + " 0a" + Number(s) + " " +
             Number(s) + " 0 1 0 " + Number(-2 * s) + " 0Z";
        break;
    case Marker::Square:
        move(x - s, y - s);
        line(x + s, y - s);
        line(x + s, y + s);
        line(x - s, y + s);
        d += 'Z';
        break;
    case Marker::Triangle:
        move(x, y - s * 1.2);
        line(x + s * 1.2, y + s);
        line(x - s * 1.2, y + s);
        d += 'Z';
        break;
    case Marker::Diamond:
        move(x, y - s * 1.3);
        line(x + s * 1.3, y);
        line(x, y + s * 1.3);
        line(x - s * 1.3, y);
        d += 'Z';
        break;
    case Marker::Cross:
        move(x - s, y - s);
        line(x + s, y + s);
        move(x - s, y + s);
        line(x + s, y - s);
        break;
    }
}

// The heights of the names at the lines' ends, moved apart where lines end
// close together (names in the order of their lines' ends, the standings
// order among equal ends), and kept inside the picture.
std::vector<double> NameHeights(const std::vector<double> &ends) {
    std::vector<std::size_t> order(ends.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&ends](std::size_t a, std::size_t b) { return ends[a] < ends[b]; });
    std::vector<double> heights(ends.size());
    double previous = kTop - kLabelGap;
    for (const std::size_t i : order) {
        heights[i] = std::max(ends[i], previous + kLabelGap);
        previous = heights[i];
    }
    double next = kHeight - 8 + kLabelGap;
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        heights[*it] = std::min(heights[*it], next - kLabelGap);
        next = heights[*it];
    }
    return heights;
}

void AppendGrid(std::string &svg, const Scale &scale) {
    svg += "<g class=\"grid\" stroke=\"#d0d0d0\" stroke-width=\"1\">\n";
    for (int points = 0; points <= scale.Top; points += scale.Step)
        svg += "<line x1=\"" + Number(kLeft) + "\" y1=\"" + Number(scale.Y(points)) + "\" x2=\"" +
               Number(kRight) + "\" y2=\"" + Number(scale.Y(points)) + "\"/>\n";
    svg += "</g>\n<g class=\"axis\" font-size=\"11\" fill=\"#333333\" text-anchor=\"end\">\n";
    for (int points = 0; points <= scale.Top; points += scale.Step)
        svg += "<text x=\"" + Number(kLeft - 6) + "\" y=\"" + Number(scale.Y(points) + 4) + "\">" +
               IntText(points) + "</text>\n";
    svg += "<text x=\"" + Number(kLeft - 6) + "\" y=\"" + Number(kTop - 8) + "\">Punten</text>\n</g>\n";
    svg += "<line stroke=\"#333333\" x1=\"" + Number(kLeft) + "\" y1=\"" + Number(kBottom) + "\" x2=\"" +
           Number(kRight) + "\" y2=\"" + Number(kBottom) + "\"/>\n";
}

void AppendDayLabels(std::string &svg, const SeasonChart &chart, const Scale &scale) {
    const bool upright = chart.Days.size() <= kUprightDayLabels;
    // Slanted labels need about 14 units each; the others are left out.
    const std::size_t every = upright
                                  ? 1
                                  : std::max<std::size_t>(1, (chart.Days.size() * 14 + 519) /
                                                                 static_cast<std::size_t>(kRight - kLeft));
    svg += std::string("<g class=\"days\" font-size=\"11\" fill=\"#333333\" text-anchor=\"") +
           (upright ? "middle" : "end") + "\">\n";
    for (std::size_t i = 0; i < chart.Days.size(); ++i) {
        if (i % every != 0 && i + 1 != chart.Days.size())
            continue;
        const double x = scale.X(i + 1);
        const double y = kBottom + 16;
        svg += "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\"";
        if (!upright)
            svg += " transform=\"rotate(-45 " + Number(x + 4) + " " + Number(y - 4) + ")\"";
        svg += ">" + WebText(chart.Days[i].Label) + "</text>\n";
    }
    svg += "</g>\n";
}

void AppendLines(std::string &svg, const SeasonChart &chart, const Scale &scale) {
    std::vector<double> ends;
    for (const ChartLine &line : chart.Lines)
        ends.push_back(scale.Y(line.Points.empty() ? 0 : line.Points.back()));
    const std::vector<double> heights = NameHeights(ends);
    for (std::size_t i = 0; i < chart.Lines.size(); ++i) {
        const ChartLine &line = chart.Lines[i];
        const char *colour = kColours[i % kColours.size()];
        const char *dash = kDashes[i % kDashes.size()];
        const Marker marker = kMarkers[i % kMarkers.size()];
        std::string points = Number(scale.X(0)) + "," + Number(scale.Y(0));
        std::string markers;
        for (std::size_t d = 0; d < line.Points.size(); ++d) {
            const double x = scale.X(d + 1);
            const double y = scale.Y(line.Points[d]);
            points += " " + Number(x) + "," + Number(y);
            AppendMarker(markers, marker, x, y);
        }
        const std::string name = WebText(line.Name);
        const std::string label =
            line.Name.size() > kLongestLabel
                ? WebText(line.Name.substr(0, kLongestLabel - 1)) + "\xE2\x80\xA6" // U+2026
                : name;
        svg += "<g class=\"rider\" stroke=\"" + std::string(colour) + "\">\n<title>" + name + "</title>\n";
        svg += "<polyline fill=\"none\" stroke-width=\"2\"";
        if (*dash)
            svg += " stroke-dasharray=\"" + std::string(dash) + "\"";
        svg += " points=\"" + points + "\"/>\n";
        if (!markers.empty())
            svg += "<path fill=\"" + std::string(marker == Marker::Cross ? "none" : colour) +
                   "\" stroke-width=\"1.5\" d=\"" + markers + "\"/>\n";
        const double endX = scale.X(line.Points.size());
        svg += "<line stroke-width=\"1\" x1=\"" + Number(endX + 5) + "\" y1=\"" + Number(ends[i]) +
               "\" x2=\"" + Number(kRight + 14) + "\" y2=\"" + Number(heights[i]) + "\"/>\n";
        svg += "<text stroke=\"none\" fill=\"#1a1a1a\" font-size=\"11\" x=\"" + Number(kRight + 18) +
               "\" y=\"" + Number(heights[i] + 4) + "\">" + label + " (" +
               IntText(line.Points.empty() ? 0 : line.Points.back()) + ")</text>\n</g>\n";
    }
}

} // namespace

std::string SeasonChartSvg(const SeasonChart &chart) {
    const Scale scale = ScaleOf(chart);
    const std::string title = "Seizoensverloop " + WebText(chart.ClassName);
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + Number(kWidth) + " " +
                      Number(kHeight) + "\" width=\"" + Number(kWidth) + "\" height=\"" + Number(kHeight) +
                      "\" role=\"img\" aria-label=\"" + title +
                      "\" font-family=\"DejaVu Sans, Verdana, Arial, sans-serif\">\n";
    svg += "<title>" + title + "</title>\n";
    svg += "<rect width=\"" + Number(kWidth) + "\" height=\"" + Number(kHeight) + "\" fill=\"#ffffff\"/>\n";
    AppendGrid(svg, scale);
    AppendDayLabels(svg, chart, scale);
    if (chart.Lines.empty() || chart.Days.empty())
        svg += "<text x=\"" + Number((kLeft + kRight) / 2) + "\" y=\"" + Number((kTop + kBottom) / 2) +
               "\" font-size=\"14\" fill=\"#333333\" text-anchor=\"middle\">Nog geen uitslagen</text>\n";
    else
        AppendLines(svg, chart, scale);
    svg += "</svg>\n";
    return svg;
}

std::string SeasonChartSvgFile(const SeasonChart &chart) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + SeasonChartSvg(chart);
}

} // namespace rondaxa
