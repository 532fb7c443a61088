// Where a click on a problem-list entry leads: the grid row of the rider a
// results-check finding is about, and the last row of a tied group.
#pragma once

#include "core/model/model.h"
#include "core/scoring/problem_list.h"

#include <string_view>

namespace rondaxa {

// The whole number right after word and one blank in text (0 when there is
// none). The last occurrence of word counts, so a class name holding the
// word does not mislead.
int NumberAfter(std::string_view text, std::string_view word);

// The grid row a results-check entry of result column c leads to: the first
// rider holding the reported value (an invalid value or a duplicate), or the
// first rider after a gap. Row 1 when the entry carries no number; -1 when
// no rider matches (the cursor row then stays).
int CheckEntryRow(const ClubRec &club, const TKlasse &klasse, std::string_view text, int c);

// The last grid row of a tied group reported by the standings calculation.
int TieEntryRow(const Problem &entry);

} // namespace rondaxa
