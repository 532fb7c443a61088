#include "core/results/problem_clicks.h"

#include "core/results/results_check.h"

#include <cctype>

namespace rondaxa {

namespace {

int FirstRiderWith(const TKlasse &klasse, int c, int value) {
    for (int row = 1; row < klasse.Grid.RowCount(); ++row)
        if (const TRijder *rider = klasse.Rider(row); rider && GetResult(*rider, c) == value)
            return row;
    return -1;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

} // namespace

int NumberAfter(std::string_view text, std::string_view word) {
    const std::size_t at = text.rfind(word);
    if (at == std::string_view::npos)
        return 0;
    std::size_t end = at + word.size() + 1;
    if (end > text.size())
        return 0;
    const std::size_t start = end;
    if (end < text.size() && (text[end] == '-' || text[end] == '+'))
        ++end;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end])))
        ++end;
    return LenientStrToInt(text.substr(start, end - start));
}

int CheckEntryRow(const ClubRec &club, const TKlasse &klasse, std::string_view text, int c) {
    const bool storesPoints = !(club.Options & OptStoreFinishOrder);
    const bool showsPoints = (club.Options & OptPositionsAsPoints) != 0;
    int x = NumberAfter(text, WordedAsPositions(club) ? "Plaats" : "waarde");
    if (x < 1 || c < 1)
        return 1;
    if (EndsWith(text, " !")) // an invalid stored value
        return FirstRiderWith(klasse, c, x);
    if (text.find("niet") == std::string_view::npos) { // a value given more than once
        if (!storesPoints && showsPoints)
            x = PositionForPoints(club, x);
        return FirstRiderWith(klasse, c, x);
    }
    // A gap: the first rider after it.
    if (showsPoints || storesPoints)
        x = PositionForPoints(club, x);
    ++x;
    if (storesPoints)
        x = PointsForPosition(club, x);
    return FirstRiderWith(klasse, c, x);
}

int TieEntryRow(const Problem &entry) {
    return entry.Row > 0 ? entry.Row : NumberAfter(entry.Text, "t/m");
}

} // namespace rondaxa
