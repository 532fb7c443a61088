#include "core/reports/season_site.h"

#include "core/model/dates.h"
#include "core/model/document.h"
#include "core/platform/files.h"
#include "core/platform/platform.h"
#include "core/reports/web_text.h"
#include "core/scoring/final_standings.h"
#include "core/scoring/standings.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>

namespace rondaxa {

namespace fs = std::filesystem;

namespace {

// ---- page names ---------------------------------------------------------------

// The plain letters of cp1252's letters 0xC0..0xFF ("" for the two signs).
constexpr std::array<const char *, 64> kPlainLetters{
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// The plain letters of an upper-case cp1252 letter outside ASCII; empty for
// every other character.
std::string_view PlainLetters(unsigned char c) {
    switch (c) {
    case 0x8A:
    case 0x9A:
        return "s";
    case 0x8C:
    case 0x9C:
        return "oe";
    case 0x8E:
    case 0x9E:
        return "z";
    case 0x9F:
        return "y";
    default:
        return c >= 0xC0 ? kPlainLetters[c - 0xC0] : "";
    }
}

constexpr std::size_t kLongestSlug = 40;

bool IsReservedName(std::string_view slug) {
    static const std::set<std::string, std::less<>> reserved{
        "index", "style", "con",  "prn",  "aux",  "nul",  "com1", "com2", "com3", "com4", "com5", "com6",
        "com7",  "com8",  "com9", "lpt1", "lpt2", "lpt3", "lpt4", "lpt5", "lpt6", "lpt7", "lpt8", "lpt9"};
    return reserved.count(slug) > 0;
}

// ---- texts --------------------------------------------------------------------

std::string LongDate(const ResultInfo &info) {
    return FormatStoredDate(info.Date, kLongDateStyle, true);
}

// A race day's heading: its date (or its results) and its remark.
std::string DayHeading(const RaceDay &day) {
    std::string heading;
    if (day.Info && !day.Info->Date.empty())
        heading = WebText(LongDate(*day.Info));
    else if (day.FromResult == day.ToResult)
        heading = "Uitslag " + IntText(day.FromResult);
    else
        heading = "Uitslag " + IntText(day.FromResult) + " t/m " + IntText(day.ToResult);
    if (day.Info && !day.Info->Remark.empty())
        heading += " &middot; " + WebText(day.Info->Remark);
    return heading;
}

struct Stamp {
    std::string Text;     // dd-mm-yyyy hh:nn
    std::string DateTime; // yyyy-mm-ddThh:nn
};

std::string Two(int value) {
    return value < 10 ? "0" + IntText(value) : IntText(value);
}

Stamp PublicationStamp() {
    const DateTime now = DecodeDosStamp(CurrentClock().NowStamp());
    Stamp stamp;
    stamp.Text = Two(now.Day) + "-" + Two(now.Month) + "-" + IntText(now.Year) + " " + Two(now.Hour) + ":" +
                 Two(now.Minute);
    stamp.DateTime = IntText(now.Year) + "-" + Two(now.Month) + "-" + Two(now.Day) + "T" + Two(now.Hour) +
                     ":" + Two(now.Minute);
    return stamp;
}

std::string ClubTitle(const ClubRec &club) {
    return club.ClubName.empty() ? std::string("Seizoen") : WebText(club.ClubName);
}

// ---- the frame of a page -------------------------------------------------------------

void AppendHead(std::string &out, const std::string &title) {
    out += "<!DOCTYPE html>\n<html lang=\"nl\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<meta name=\"generator\" content=\"Rondaxa\">\n<title>";
    out += title;
    out += "</title>\n<link rel=\"stylesheet\" href=\"";
    out += kSiteStylesheet;
    out += "\">\n</head>\n<body>\n";
}

void AppendFoot(std::string &out, const Stamp &stamp) {
    out += "<footer>\n<p>Bijgewerkt op <time datetime=\"" + stamp.DateTime + "\">" + stamp.Text +
           "</time> met Rondaxa.</p>\n</footer>\n</body>\n</html>\n";
}

// ---- what a class page shows ---------------------------------------------------------

struct PublishedClass {
    const TKlasse *Klasse = nullptr;
    std::string Page;
    std::vector<RaceDay> Days;
    int Riders = 0;
    int InfoDays = 0; // race days with result information
};

int RidersOf(const TKlasse &klasse) {
    int riders = 0;
    for (int r = 1; r < klasse.Grid.RowCount(); ++r)
        if (const TRijder *rider = klasse.Rider(r); rider && !IsEmptyRider(*rider))
            ++riders;
    return riders;
}

// The text of each stored result as the grid shows it, made once per value.
class ResultTexts {
public:
    explicit ResultTexts(const ClubRec &club) : club_(club) {}
    const std::string &Of(const TRijder &rider, int n) {
        const int value = GetResult(rider, n);
        if (value < -1 || value > kMaxResultValue) {
            other_ = CellText(club_, rider, KindResult, n);
            return other_;
        }
        std::optional<std::string> &text = texts_[static_cast<std::size_t>(value + 1)];
        if (!text) {
            TRijder scratch;
            scratch.Results[1] = static_cast<int16_t>(value);
            text = WebText(CellText(club_, scratch, KindResult, 1));
        }
        return *text;
    }

private:
    const ClubRec &club_;
    std::array<std::optional<std::string>, kMaxResultValue + 2> texts_;
    std::string other_;
};

void AppendCell(std::string &out, const char *open, std::string_view text) {
    out += open;
    out += text;
}

class ClassPageWriter {
public:
    ClassPageWriter(const Competition &comp, const std::vector<PublishedClass> &published, std::size_t index,
                    const SiteChoices &choices, const Stamp &stamp)
        : club_(comp.Club), published_(published), page_(published[index]), klasse_(*page_.Klasse),
          choices_(choices), stamp_(stamp), texts_(comp.Club) {
        for (int r = 1; r < klasse_.Grid.RowCount(); ++r)
            if (const TRijder *rider = klasse_.Rider(r); rider && !IsEmptyRider(*rider))
                rows_.push_back(r);
        names_.resize(static_cast<std::size_t>(klasse_.Grid.RowCount()));
        for (const int r : rows_)
            names_[static_cast<std::size_t>(r)] = WebText(CellText(club_, *klasse_.Rider(r), KindName, 0));
    }

    std::string Write() {
        const std::string className = WebText(klasse_.Name);
        AppendHead(out_, className + " &ndash; " + ClubTitle(club_));
        out_ += "<header>\n<p class=\"club\"><a href=\"" + std::string(kSiteIndexPage) + "\">" +
                ClubTitle(club_) + "</a></p>\n<h1>" + className + "</h1>\n";
        AppendNavigation();
        out_ += "</header>\n<main>\n";
        AppendStandings();
        AppendChart();
        AppendRaceDays();
        out_ += "</main>\n";
        AppendFoot(out_, stamp_);
        return std::move(out_);
    }

private:
    void AppendNavigation() {
        out_ += "<nav aria-label=\"Klassen\">\n<ul>\n";
        for (const PublishedClass &other : published_) {
            out_ += "<li><a href=\"" + other.Page + "\"";
            if (&other == &page_)
                out_ += " aria-current=\"page\"";
            out_ += ">" + WebText(other.Klasse->Name) + "</a></li>\n";
        }
        out_ += "</ul>\n</nav>\n";
    }

    // The grid's columns of the given kinds, in grid order.
    std::vector<int> ColumnsOfKinds(int first, int last) const {
        std::vector<int> columns;
        for (int c = 0; c < klasse_.Grid.ColCount(); ++c)
            if (const TColData *data = klasse_.ColData(c); data && data->Kind >= first && data->Kind <= last)
                columns.push_back(c);
        return columns;
    }

    // A heading without the label's closing colon ("Woonplaats :").
    std::string HeadingOf(int c) const {
        std::string heading = klasse_.Grid.Col(c).Heading;
        while (!heading.empty() && (heading.back() == ':' || heading.back() == ' '))
            heading.pop_back();
        return WebText(heading);
    }

    void AppendStandings() {
        const int results = std::clamp(klasse_.ResultCount, 0, kMaxResults);
        const std::vector<int> extras = ColumnsOfKinds(KindExtra1, KindExtra3); // as the grid shows them
        const std::vector<int> calculated = ColumnsOfKinds(KindNet, KindDailyGross);
        const bool markDropped = (club_.ViewFlags & ViewMarkDropped) != 0;
        const char *droppedCell =
            (club_.ViewFlags & ViewStrikeDropped) ? "<td class=\"drop strike\">" : "<td class=\"drop\">";
        out_ += "<section id=\"stand\" aria-labelledby=\"stand-kop\">\n<h2 id=\"stand-kop\">";
        out_ += klasse_.CalcState > 0 ? "Eindstand" : "Rijders";
        out_ += "</h2>\n";
        if (!klasse_.CalcInfo.empty())
            out_ += "<p class=\"note\">" + WebText(klasse_.CalcInfo) + "</p>\n";
        out_ += "<div class=\"scroll\" tabindex=\"0\" role=\"region\" aria-labelledby=\"stand-kop\">\n"
                "<table class=\"standings\">\n<thead>\n<tr><th scope=\"col\" class=\"pl\">";
        out_ += klasse_.CalcState > 0 ? "PL" : "#";
        out_ += "</th><th scope=\"col\" class=\"nm\">Naam</th><th scope=\"col\">Nr.</th>";
        for (const int c : extras)
            out_ += "<th scope=\"col\" class=\"extra\">" + HeadingOf(c) + "</th>";
        for (int k = 1; k <= results; ++k)
            out_ += "<th scope=\"col\">" + IntText(k) + "</th>";
        for (const int c : calculated)
            out_ += "<th scope=\"col\" class=\"total\">" + HeadingOf(c) + "</th>";
        out_ += "</tr>\n</thead>\n<tbody>\n";
        // The rows leave out the end tags that HTML makes optional: the
        // pages of a large season are so about half the size.
        for (const int r : rows_) {
            const TRijder &rider = *klasse_.Rider(r);
            AppendCell(out_, "<tr><td class=\"pl\">", WebText(klasse_.Grid.RowAt(r).Label));
            AppendCell(out_, "<th scope=\"row\" class=\"nm\">", names_[static_cast<std::size_t>(r)]);
            AppendCell(out_, "<td>", WebText(rider.StartNo));
            for (const int c : extras)
                AppendCell(out_, "<td class=\"extra\">",
                           WebText(CellText(club_, rider, klasse_.ColData(c)->Kind, 0)));
            for (int k = 1; k <= results; ++k)
                AppendCell(out_, markDropped && IsDropped(rider, k) ? droppedCell : "<td>",
                           texts_.Of(rider, k));
            for (const int c : calculated) {
                const TColData &data = *klasse_.ColData(c);
                AppendCell(out_, "<td class=\"total\">",
                           WebText(CellText(club_, rider, data.Kind, data.Number)));
            }
            out_ += '\n';
        }
        out_ += "</tbody>\n</table>\n</div>\n</section>\n";
    }

    void AppendChart() {
        out_ += "<section id=\"verloop\" aria-labelledby=\"verloop-kop\">\n<h2 id=\"verloop-kop\">"
                "Seizoensverloop</h2>\n<figure class=\"chart\">\n<div class=\"chart-scroll\">\n";
        out_ += SeasonChartSvg(SeasonChartOf(club_, klasse_, choices_.ChartTop));
        out_ += "</div>\n<figcaption>Opgetelde punten per wedstrijddag van de eerste " +
                IntText(std::clamp(choices_.ChartTop, 0, kMaxChartTop)) +
                " rijders, geteld zoals de eindstand telt.</figcaption>\n</figure>\n</section>\n";
    }

    // The day's points of a rider: the points of his results in the day's
    // columns.
    int DayPoints(const TRijder &rider, const RaceDay &day) const {
        int points = 0;
        for (int k = day.FromResult; k <= day.ToResult; ++k)
            points += std::max(ResultPoints(club_, GetResult(rider, k)), 0);
        return points;
    }

    void AppendRaceDay(const RaceDay &day, int number) {
        struct Entry {
            int Row;
            int Points;
        };
        std::vector<Entry> entries;
        for (const int r : rows_) {
            const TRijder &rider = *klasse_.Rider(r);
            bool rode = false;
            for (int k = day.FromResult; k <= day.ToResult && !rode; ++k)
                rode = GetResult(rider, k) >= 0;
            if (rode)
                entries.push_back(Entry{r, DayPoints(rider, day)});
        }
        // Most points first; equal points in the order of the standings.
        std::stable_sort(entries.begin(), entries.end(),
                         [](const Entry &a, const Entry &b) { return a.Points > b.Points; });

        const std::string id = "dag-" + IntText(number);
        out_ += "<section class=\"day\" aria-labelledby=\"" + id + "\">\n<h3 id=\"" + id + "\">" +
                DayHeading(day) + "</h3>\n";
        if (day.Info && day.Info->NotCounting())
            out_ += "<p class=\"note\">Deze uitslagen tellen niet mee voor de eindstand.</p>\n";
        if (entries.empty()) {
            out_ += "<p class=\"note\">Geen uitslagen.</p>\n</section>\n";
            return;
        }
        out_ += "<div class=\"scroll\" tabindex=\"0\" role=\"region\" aria-labelledby=\"" + id +
                "\">\n<table class=\"day\">\n<thead>\n<tr><th scope=\"col\" class=\"nm\">Naam</th><th "
                "scope=\"col\">Nr.</th>";
        for (int k = day.FromResult; k <= day.ToResult; ++k)
            out_ += "<th scope=\"col\">Uitslag " + IntText(k) + "</th>";
        out_ += "<th scope=\"col\">Punten</th></tr>\n</thead>\n<tbody>\n";
        for (const Entry &entry : entries) {
            const TRijder &rider = *klasse_.Rider(entry.Row);
            AppendCell(out_, "<tr><th>", names_[static_cast<std::size_t>(entry.Row)]);
            AppendCell(out_, "<td>", WebText(rider.StartNo));
            for (int k = day.FromResult; k <= day.ToResult; ++k)
                AppendCell(out_, "<td>", texts_.Of(rider, k));
            AppendCell(out_, "<td>", IntText(entry.Points));
            out_ += '\n';
        }
        out_ += "</tbody>\n</table>\n</div>\n</section>\n";
    }

    void AppendRaceDays() {
        out_ += "<section id=\"dagen\" aria-labelledby=\"dagen-kop\">\n<h2 "
                "id=\"dagen-kop\">Wedstrijddagen</h2>\n";
        int number = 0;
        for (const RaceDay &day : page_.Days)
            if (day.Info)
                AppendRaceDay(day, ++number);
        if (number == 0)
            out_ += "<p class=\"note\">Er is nog geen informatie over de wedstrijddagen.</p>\n";
        out_ += "</section>\n";
    }

    const ClubRec &club_;
    const std::vector<PublishedClass> &published_;
    const PublishedClass &page_;
    const TKlasse &klasse_;
    const SiteChoices &choices_;
    const Stamp &stamp_;
    ResultTexts texts_;
    std::vector<int> rows_;          // the rows with a rider, in grid order
    std::vector<std::string> names_; // by row, as web text
    std::string out_;
};

// ---- the index ------------------------------------------------------------------

// The race day with the latest date among the published classes.
const ResultInfo *LatestRaceDay(const std::vector<PublishedClass> &published) {
    const ResultInfo *latest = nullptr;
    for (const PublishedClass &page : published)
        for (const RaceDay &day : page.Days)
            if (day.Info && day.Info->Date.size() == 8 &&
                (!latest || day.Info->Date.str() > latest->Date.str()))
                latest = day.Info;
    return latest;
}

std::string IndexPage(const Competition &comp, const std::vector<PublishedClass> &published,
                      const Stamp &stamp) {
    std::string out;
    const std::string club = ClubTitle(comp.Club);
    AppendHead(out, club + " &ndash; stand van het seizoen");
    out += "<header>\n<h1>" + club + "</h1>\n</header>\n<main>\n";
    if (const ResultInfo *latest = LatestRaceDay(published)) {
        out +=
            "<p class=\"latest\">Laatste wedstrijddag: <strong>" + WebText(LongDate(*latest)) + "</strong>";
        if (!latest->Remark.empty())
            out += " &middot; " + WebText(latest->Remark);
        out += "</p>\n";
    }
    out += "<section aria-labelledby=\"klassen-kop\">\n<h2 id=\"klassen-kop\">Klassen</h2>\n"
           "<div class=\"scroll\" tabindex=\"0\" role=\"region\" aria-labelledby=\"klassen-kop\">\n"
           "<table class=\"classes\">\n<thead>\n<tr><th scope=\"col\" class=\"nm\">Klasse</th>"
           "<th scope=\"col\">Rijders</th><th scope=\"col\">Dagen</th><th scope=\"col\">Uitslagen</th>"
           "</tr>\n</thead>\n<tbody>\n";
    for (const PublishedClass &page : published) {
        out += "<tr><th scope=\"row\" class=\"nm\"><a href=\"" + page.Page + "\">" +
               WebText(page.Klasse->Name) + "</a></th><td>" + IntText(page.Riders) + "</td><td>" +
               IntText(page.InfoDays) + "</td><td>" +
               IntText(std::clamp(page.Klasse->ResultCount, 0, kMaxResults)) + "</td></tr>\n";
    }
    out += "</tbody>\n</table>\n</div>\n</section>\n</main>\n";
    AppendFoot(out, stamp);
    return out;
}

constexpr const char *kStylesheet = R"(/* Rondaxa season site */
*, *::before, *::after { box-sizing: border-box; }
html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }
body {
  margin: 0;
  font-family: system-ui, -apple-system, "Segoe UI", Roboto, "DejaVu Sans", Arial, sans-serif;
  line-height: 1.45;
  color: #1a1a1a;
  background: #ffffff;
}
header, main, footer { max-width: 72rem; margin: 0 auto; padding: 0 1rem; }
header { padding-top: 1rem; border-bottom: 3px solid #0b5394; }
h1 { font-size: 1.6rem; margin: 0.2rem 0 0.5rem; overflow-wrap: anywhere; }
h2 { font-size: 1.3rem; margin: 1.6rem 0 0.5rem; }
h3 { font-size: 1.05rem; margin: 1.4rem 0 0.4rem; overflow-wrap: anywhere; }
a { color: #0b5394; }
.club { margin: 0; font-size: 0.95rem; }
nav ul { list-style: none; margin: 0.4rem 0 0.8rem; padding: 0; display: flex; flex-wrap: wrap; gap: 0.3rem 1rem; }
nav a { display: inline-block; padding: 0.2rem 0; }
nav a[aria-current] { font-weight: bold; color: #1a1a1a; text-decoration: none; }
.note, .latest { margin: 0.4rem 0; overflow-wrap: anywhere; }
.note { color: #444444; font-size: 0.95rem; }
.scroll { overflow-x: auto; max-width: 100%; }
.scroll:focus { outline: 2px solid #0b5394; }
table { border-collapse: separate; border-spacing: 0; font-variant-numeric: tabular-nums; }
th, td { padding: 0.3rem 0.5rem; border-bottom: 1px solid #d9d9d9; text-align: right; white-space: nowrap; background: #ffffff; }
thead th { background: #e8eef6; font-weight: bold; }
tbody tr:nth-child(even) > * { background: #f6f6f6; }
th.nm, tbody th { text-align: left; font-weight: normal; white-space: normal; min-width: 8rem; max-width: 14rem;
  position: sticky; left: 0; z-index: 1; }
thead th.nm { font-weight: bold; }
.classes tbody th { min-width: 0; }
.standings .pl { position: sticky; left: 0; z-index: 1; width: 2.8rem; min-width: 2.8rem; max-width: 2.8rem; }
.standings .nm { left: 2.8rem; box-shadow: 1px 0 0 #d9d9d9; }
.total, table.day td:last-child { font-weight: bold; }
.extra { text-align: left; }
.drop { color: #767676; font-style: italic; }
.strike { text-decoration: line-through; }
figure { margin: 0; }
.chart-scroll { overflow-x: auto; max-width: 100%; }
.chart svg { display: block; width: 100%; min-width: 36rem; max-width: 60rem; height: auto; }
figcaption { color: #444444; font-size: 0.9rem; margin-top: 0.3rem; }
footer { margin-top: 2rem; padding-bottom: 1rem; color: #555555; font-size: 0.9rem; border-top: 1px solid #d9d9d9; }
@media (max-width: 30rem) {
  header, main, footer { padding: 0 0.6rem; }
  th, td { padding: 0.25rem 0.35rem; }
  h1 { font-size: 1.35rem; }
}
@media print {
  nav, .club { display: none; }
  body { font-size: 10pt; }
  header { border-bottom: 1px solid #000000; }
  .scroll, .chart-scroll { overflow: visible; }
  th.nm, tbody th, .standings .pl { position: static; box-shadow: none; }
  th, td { padding: 1px 4px; background: none; }
  tbody tr:nth-child(even) > * { background: none; }
  .chart svg { min-width: 0; max-width: 100%; }
  h2, h3 { break-after: avoid; }
  figure { break-inside: avoid; }
  a { color: inherit; text-decoration: none; }
}
)";

} // namespace

std::unique_ptr<Competition> CalculatedCopy(const Competition &comp, int onlyClass) {
    auto copy = std::make_unique<Competition>();
    copy->Club = comp.Club;
    copy->Print = comp.Print;
    copy->FileName = comp.FileName;
    for (const auto &klasse : comp.Classes)
        copy->Classes.push_back(CloneClass(*klasse));
    RemoveAllStandings(*copy); // the results as stored
    CalcOptions options;
    options.Set(CalcOptions::AllClasses, onlyClass < 0);
    copy->ActiveClass = onlyClass < 0 ? (copy->Classes.empty() ? -1 : 0) : onlyClass;
    const int netCount = copy->Active() ? DefaultNetCount(copy->Club, *copy->Active()) : 0;
    CalculateFinalStandings(*copy, options, copy->ActiveClass, netCount, nullptr);
    return copy;
}

std::string PageSlug(std::string_view cp1252) {
    std::string slug;
    bool separated = false;
    for (const char ch : cp1252) {
        const auto c = static_cast<unsigned char>(UpperChar1252(static_cast<unsigned char>(ch)));
        std::string_view letters;
        char plain = 0;
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            plain = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        else
            letters = PlainLetters(c);
        if (!plain && letters.empty()) {
            separated = !slug.empty();
            continue;
        }
        if (separated)
            slug += '-';
        separated = false;
        if (plain)
            slug += plain;
        else
            slug += letters;
    }
    if (slug.size() > kLongestSlug) {
        slug.resize(kLongestSlug);
        while (!slug.empty() && slug.back() == '-')
            slug.pop_back();
    }
    return slug.empty() ? std::string("klasse") : slug;
}

std::vector<std::string> ClassPageNames(const Competition &comp, const std::vector<int> &classes) {
    std::set<std::string> used;
    std::vector<std::string> names;
    for (const int index : classes) {
        std::string slug = PageSlug(comp.Classes.at(static_cast<std::size_t>(index))->Name);
        if (IsReservedName(slug))
            slug += "-klasse";
        std::string name = slug;
        for (int n = 2; used.count(name) > 0; ++n)
            name = slug + "-" + IntText(n);
        used.insert(name);
        names.push_back(name + ".html");
    }
    return names;
}

std::vector<SitePage> BuildSeasonSite(const Competition &comp, const SiteChoices &choices) {
    std::vector<int> classes = choices.Classes;
    if (classes.empty())
        for (int i = 0; i < comp.ClassCount(); ++i)
            classes.push_back(i);
    const std::vector<std::string> names = ClassPageNames(comp, classes);

    std::vector<PublishedClass> published;
    for (std::size_t i = 0; i < classes.size(); ++i) {
        PublishedClass page;
        page.Klasse = comp.Classes.at(static_cast<std::size_t>(classes[i])).get();
        page.Page = names[i];
        page.Days = RaceDaysOf(*page.Klasse);
        page.Riders = RidersOf(*page.Klasse);
        page.InfoDays = static_cast<int>(
            std::count_if(page.Days.begin(), page.Days.end(), [](const RaceDay &day) { return day.Info; }));
        published.push_back(std::move(page));
    }

    const Stamp stamp = PublicationStamp();
    std::vector<SitePage> pages;
    pages.push_back(SitePage{kSiteIndexPage, IndexPage(comp, published, stamp)});
    pages.push_back(SitePage{kSiteStylesheet, kStylesheet});
    for (std::size_t i = 0; i < published.size(); ++i)
        pages.push_back(
            SitePage{published[i].Page, ClassPageWriter(comp, published, i, choices, stamp).Write()});
    return pages;
}

// ---- writing ----------------------------------------------------------------------

// Every page is written completely beside its old version first; only when all
// are complete do they replace the old ones, so a failure leaves the old site.
void WriteSite(const std::string &folder, const std::vector<SitePage> &pages) {
    std::error_code ec;
    const fs::path dir = NativePath(folder);
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir, ec))
        throw IoError("Kan map niet maken: " + folder);

    std::vector<std::unique_ptr<SafeWriter>> writers;
    for (const SitePage &page : pages) {
        writers.push_back(std::make_unique<SafeWriter>(Utf8Path(dir / NativePath(page.FileName))));
        writers.back()->Write(page.Content);
        writers.back()->Finish();
    }
    for (const auto &writer : writers)
        writer->Commit();
}

} // namespace rondaxa
