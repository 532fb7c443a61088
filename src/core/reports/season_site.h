// The season as a small static web site: an index page, one page per class
// (standings, race days and the season chart) and one stylesheet, all UTF-8
// HTML5 that reads well on a phone, ready to upload as it is.
#pragma once

#include "core/model/model.h"
#include "core/reports/season_chart.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rondaxa {

struct SitePage {
    std::string FileName; // in the site's folder
    std::string Content;  // UTF-8
};

struct SiteChoices {
    int ChartTop = kDefaultChartTop;
    // Tab positions of the classes to publish; empty: every class.
    std::vector<int> Classes;
};

inline constexpr const char *kSiteIndexPage = "index.html";
inline constexpr const char *kSiteStylesheet = "style.css";

// A copy of the competition with its standings calculated by the club's
// rules, as "&Eindstanden..." calculates them by default: all classes, or
// only the class at tab position onlyClass. The competition itself is not
// touched (its grids may show standings of their own).
std::unique_ptr<Competition> CalculatedCopy(const Competition &comp, int onlyClass = -1);

// A name that any web server serves as it is: lower-case ASCII letters and
// digits, accented letters by their plain letter, everything else as one
// "-"; never empty.
std::string PageSlug(std::string_view cp1252);

// The page file names of the given classes, in their order: their slugs,
// made unique with "-2", "-3", ..., never the name of the index or the
// stylesheet or a name some systems keep for devices.
std::vector<std::string> ClassPageNames(const Competition &comp, const std::vector<int> &classes);

// Every file of the site for the competition as it stands (the standings
// as calculated): index, stylesheet and the class pages. The time of
// publication is the current clock's.
std::vector<SitePage> BuildSeasonSite(const Competition &comp, const SiteChoices &choices);

// Writes the pages into folder (made when missing): each new file is
// complete on the disk before any old one is replaced; files of the folder
// that are not pages of the site stay untouched. Throws IoError naming the
// file that could not be written; the old pages then all stay.
void WriteSite(const std::string &folder, const std::vector<SitePage> &pages);

} // namespace rondaxa
