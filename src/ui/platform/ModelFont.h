// A font of the model (name, point size, style bits) as a QFont.
#pragma once

#include <QFont>

#include <cstdint>
#include <string_view>

namespace rondaxa {

// base with the model's font applied: the family when a name is given, the
// size (fallbackSize when it is not above 0), and the style bits 1 bold,
// 2 italic, 4 underline, 8 strike-out.
QFont ModelFont(QFont base, std::string_view name, int size, uint8_t style, int fallbackSize);

} // namespace rondaxa
