// Conversion between the model's single-byte text (cp1252) and QString. Every
// widget that shows or edits model text goes through these two functions.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace rondaxa {

QString FromModelText(std::string_view cp1252);
std::string ToModelText(const QString &text);

} // namespace rondaxa
