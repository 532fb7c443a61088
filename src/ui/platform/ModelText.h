// Conversion between the model's single-byte text (cp1252) and QString. Every
// widget that shows or edits model text goes through these two functions.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace rondaxa {

QString FromModelText(std::string_view cp1252);
std::string ToModelText(const QString &text);

// Model text of several lines (ended by CR LF) as a text box shows it (ended
// by a line feed), and back.
QString FromModelLines(std::string_view cp1252);
std::string ToModelLines(const QString &text);

// Model text (a class name, the label of an extra field) as the caption of a
// tab, button, check box or field label: an "&" in it shows as itself
// instead of marking an Alt key.
QString CaptionText(std::string_view cp1252);

} // namespace rondaxa
