// Colours as the competition file stores them.
#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace rondaxa {

// A platform colour value (0x00BBGGRR or 0x800000nn for a system colour) as
// a QColor; an invalid QColor for 0 (no colour).
QColor PlatformColour(uint32_t value, const QPalette &palette);

} // namespace rondaxa
