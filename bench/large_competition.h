// The largest competition the program holds, for the benchmarks:
// 20 classes x 500 riders x 50 results, result information on every column
// and five tie-break steps.
#pragma once

#include "model/model.h"

#include <memory>

namespace rondaxa::bench {

std::unique_ptr<Competition> MakeLargeCompetition();

} // namespace rondaxa::bench
