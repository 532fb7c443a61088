// Finding a rider: the quick search (the current class, by name or start
// number, while typing) and the extended search (up to five fields, one
// class or all). Both only say where the rider is; they change nothing.
// Letter case is compared with the program's own cp1252 upper-casing, so
// every machine finds the same rider.
#pragma once

#include "core/model/model.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace rondaxa {

// Whether text occurs in field: at its start, or anywhere when contains.
bool FieldMatches(std::string_view field, std::string_view text, bool contains);

// What a quick search found.
enum class SearchOutcome { Ignored, NotFound, Found };
struct QuickSearchResult {
    SearchOutcome Outcome = SearchOutcome::Ignored;
    int Row = 0;
};

// The quick search in the class: the first row from startRow down (a start
// row past the last rider becomes 1) whose name as the grid shows it, or
// start number (byStartNo), holds text, both upper-cased. It does not wrap
// around. A class of fewer than two riders or an empty text is ignored.
QuickSearchResult QuickSearch(const ClubRec &club, const TKlasse &klasse, std::string_view text,
                              bool byStartNo, bool contains, int startRow);

// The extended search's question: texts for the name, start number and the
// three extra fields (empty = not asked), as the dialog holds them.
struct RiderQuery {
    std::array<std::string, 5> Texts;
    bool MatchAll = false;      // "&Alle ingevulde velden"; else one of them
    bool AllClasses = true;     // "Zoek in alle &klassen"
    bool CaseSensitive = false; // "H&oofdletter gevoelig"
    bool Contains = true;       // "&Resultaat bevat zoek tekst"
};

struct RiderFind {
    int ClassIndex = 0;
    int Row = 0;
};

// The extended search. From the start ("&Zoek"): the first class (or the
// current one) from row 1; again ("&Nogmaals"): the current class from the
// row after the current one. With all classes the search goes on through
// the following classes from their row 1; it never wraps around. Nothing
// when no text is given or nothing matches.
std::optional<RiderFind> FindRider(const Competition &comp, const RiderQuery &query, bool again);
// Whether the query asks anything (some text is non-empty).
bool HasSearchText(const RiderQuery &query);

} // namespace rondaxa
