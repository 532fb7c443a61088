#include "core/reports/web_text.h"

#include "core/model/text.h"

namespace rondaxa {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// A C1 control (U+0080..U+009F) in UTF-8: the cp1252 bytes that code page
// leaves undefined come out as these.
bool IsC1Control(std::string_view utf8) {
    return utf8.size() == 2 && static_cast<unsigned char>(utf8[0]) == 0xC2 &&
           static_cast<unsigned char>(utf8[1]) < 0xA0;
}

} // namespace

void AppendWebText(std::string &out, std::string_view cp1252) {
    for (const char c : cp1252) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '&':
            out += "&amp;";
            continue;
        case '<':
            out += "&lt;";
            continue;
        case '>':
            out += "&gt;";
            continue;
        case '"':
            out += "&quot;";
            continue;
        case '\'':
            out += "&#39;";
            continue;
        default:
            break;
        }
        if (byte < 0x20 || byte == 0x7F) {
            out += kReplacement;
        } else if (byte < 0x80) {
            out += c;
        } else {
            const std::string utf8 = Cp1252ToUtf8(std::string_view(&c, 1));
            out += IsC1Control(utf8) ? kReplacement : std::string_view(utf8);
        }
    }
}

std::string WebText(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    AppendWebText(out, cp1252);
    return out;
}

} // namespace rondaxa
