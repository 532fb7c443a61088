// The demonstration competition that ships with the program.
#pragma once

#include "core/model/model.h"

#include <memory>

namespace rondaxa {

// A realistic season: four classes, riders with start numbers and extra
// fields, race days with result information, zero and missing results and
// hors-concours riders. Always the same competition, stamps included.
std::unique_ptr<Competition> MakeDemoCompetition();

} // namespace rondaxa
