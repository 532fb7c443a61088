// Text of the competition for web pages and SVG pictures: UTF-8, escaped.
#pragma once

#include <string>
#include <string_view>

namespace rondaxa {

// A cp1252 text of the model as UTF-8 character data for HTML and XML: & < >
// " and ' escaped, and control characters (which neither may hold, and which
// only a damaged file can put in a name) replaced by U+FFFD.
std::string WebText(std::string_view cp1252);

// Appends WebText(cp1252) to out.
void AppendWebText(std::string &out, std::string_view cp1252);

} // namespace rondaxa
