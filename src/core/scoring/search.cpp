#include "core/scoring/search.h"

#include <algorithm>

namespace rondaxa {

namespace {

// The stored fields the extended search compares, in the order of its boxes.
std::array<std::string_view, 5> SearchedFields(const TRijder &rider) {
    return {rider.Name, rider.StartNo, rider.Extra1, rider.Extra2, rider.Extra3};
}

bool RiderMatches(const TRijder &rider, const std::array<std::string, 5> &texts, int asked,
                  const RiderQuery &query) {
    const auto fields = SearchedFields(rider);
    int matching = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].empty())
            continue;
        const std::string field = query.CaseSensitive ? std::string(fields[i]) : UpperCase1252(fields[i]);
        if (FieldMatches(field, texts[i], query.Contains))
            ++matching;
    }
    return query.MatchAll ? matching == asked : matching > 0;
}

} // namespace

bool FieldMatches(std::string_view field, std::string_view text, bool contains) {
    return contains ? field.find(text) != std::string_view::npos : field.substr(0, text.size()) == text;
}

QuickSearchResult QuickSearch(const ClubRec &club, const TKlasse &klasse, std::string_view text,
                              bool byStartNo, bool contains, int startRow) {
    const int last = klasse.Grid.RowCount() - 1;
    if (last < 2 || text.empty())
        return {};
    if (startRow < 1 || startRow > last)
        startRow = 1;
    const std::string wanted = UpperCase1252(text);
    const int kind = byStartNo ? KindStartNo : KindName;
    for (int row = startRow; row <= last; ++row) {
        const TRijder *rider = klasse.Rider(row);
        if (rider && FieldMatches(UpperCase1252(CellText(club, *rider, kind, 0)), wanted, contains))
            return {SearchOutcome::Found, row};
    }
    return {SearchOutcome::NotFound, 0};
}

bool HasSearchText(const RiderQuery &query) {
    for (const std::string &text : query.Texts)
        if (!text.empty())
            return true;
    return false;
}

std::optional<RiderFind> FindRider(const Competition &comp, const RiderQuery &query, bool again) {
    const int current = comp.ActiveClass;
    if (!HasSearchText(query) || current < 0 || current >= comp.ClassCount())
        return std::nullopt;
    std::array<std::string, 5> texts = query.Texts;
    int asked = 0;
    for (std::string &text : texts) {
        if (!text.empty())
            ++asked;
        if (!query.CaseSensitive)
            text = UpperCase1252(text);
    }
    const int firstClass = query.AllClasses && !again ? 0 : current;
    const int lastClass = query.AllClasses ? comp.ClassCount() - 1 : current;
    for (int index = firstClass; index <= lastClass; ++index) {
        const TKlasse &klasse = *comp.Classes[static_cast<std::size_t>(index)];
        const int startRow = again && index == firstClass ? klasse.Grid.CurRow + 1 : 1;
        for (int row = std::max(startRow, 1); row < klasse.Grid.RowCount(); ++row) {
            const TRijder *rider = klasse.Rider(row);
            if (rider && RiderMatches(*rider, texts, asked, query))
                return RiderFind{index, row};
        }
    }
    return std::nullopt;
}

} // namespace rondaxa
