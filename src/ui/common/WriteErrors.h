// The desktop's boundary for writes: a failed save or export is told with
// the program's message and leaves the program as it was.
#pragma once

#include "core/platform/platform.h"

#include <functional>

namespace rondaxa {

// Runs a write of the window (a save, an export); an IoError becomes message
// 1. Whether the write succeeded.
bool WriteReportingErrors(Prompts &prompts, const std::function<void()> &write);

} // namespace rondaxa
