#include "core/reports/html_cells.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace rondaxa {

namespace {

// The standard values (0x00BBGGRR) of the system colours 0..30.
constexpr std::array<uint32_t, 31> kSystemColours = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0};

// Whether one of the eight bytes of a word is zero (exact for the word as a
// whole).
constexpr bool HasZeroByte(uint64_t word) {
    constexpr uint64_t kOnes = 0x0101010101010101u;
    constexpr uint64_t kHighBits = 0x8080808080808080u;
    return ((word - kOnes) & ~word & kHighBits) != 0;
}

// Whether one of eight characters needs an escape. The four are " & < >:
// " and & are the characters that read 0x26 with bit 2 set, < and > those
// that read 0x3E with bit 1 set. A zero byte is none of them.
constexpr bool WordNeedsEscape(uint64_t word) {
    constexpr uint64_t kOnes = 0x0101010101010101u;
    return HasZeroByte((word | kOnes * 0x04) ^ (kOnes * 0x26)) ||
           HasZeroByte((word | kOnes * 0x02) ^ (kOnes * 0x3E));
}

uint64_t WordAt(const char *at) {
    uint64_t word = 0;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// The characters of a text shorter than eight in one word, some of them
// twice, the rest of the word zero.
uint64_t ShortTextWord(std::string_view text) {
    const std::size_t n = text.size();
    if (n >= 4) {
        uint32_t first = 0;
        uint32_t last = 0;
        std::memcpy(&first, text.data(), sizeof first);
        std::memcpy(&last, text.data() + n - 4, sizeof last);
        return first | static_cast<uint64_t>(last) << 32;
    }
    if (n == 0)
        return 0;
    const auto byte = [&text](std::size_t i) {
        return static_cast<uint64_t>(static_cast<unsigned char>(text[i]));
    };
    return byte(0) | byte(n / 2) << 8 | byte(n - 1) << 16;
}

void AppendEscaped(std::string &out, std::string_view text) {
    for (char ch : text) {
        if (const std::string_view escape = EscapeOf(ch); !escape.empty())
            out += escape;
        else
            out += ch;
    }
}

// Appends literal text of a size known when compiling.
template <std::size_t N> void AppendLiteral(std::string &out, const char (&text)[N]) {
    out.append(text, N - 1);
}

} // namespace

std::string CellTagStart(uint32_t colour) {
    if (colour == 0)
        return "<td";
    return "<td bgcolor=\"#" + ColorToHtml(colour) + "\";";
}

// Whether a text has a character that needs an escape, eight characters at a
// time: most texts have none and are then written as they are.
bool HasCharToEscape(std::string_view text) {
    if (text.size() < 8)
        return WordNeedsEscape(ShortTextWord(text));
    const char *at = text.data();
    const char *last = at + text.size() - 8;
    for (; at < last; at += 8)
        if (WordNeedsEscape(WordAt(at)))
            return true;
    return WordNeedsEscape(WordAt(last)); // the last eight, partly seen already
}

// The escape of a character that needs one, else nothing.
std::string_view EscapeOf(char ch) {
    switch (ch) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&quot;";
    default:
        return {};
    }
}

// An empty text and a single space both make a cell that shows a hard space.
bool ShownAsEmptyCell(std::string_view text) {
    return text.empty() || text == " ";
}

// One cell line without its line end; text escaped when asked.
void AppendHtmlCell(std::string &out, int flags, std::string_view tagStart, std::string_view text,
                    bool escape) {
    out += tagStart;
    if (ShownAsEmptyCell(text)) {
        AppendLiteral(out, ">&nbsp</td>");
        return;
    }
    const int align = flags & 0x0F;
    if (align == kCellCentre)
        AppendLiteral(out, " align=center>");
    else if (align == kCellRight)
        AppendLiteral(out, " align=right>");
    else
        out += '>';
    const bool strike = (flags & kCellStrike) != 0;
    if (strike)
        AppendLiteral(out, "<s>");
    if (escape && HasCharToEscape(text))
        AppendEscaped(out, text);
    else
        out += text;
    if (strike)
        AppendLiteral(out, "</s></td>");
    else
        AppendLiteral(out, "</td>");
}

uint32_t ResolveColor(uint32_t colour) {
    if ((colour & 0xFF000000u) == 0x80000000u) {
        const uint32_t index = colour & 0xFFu;
        return index < kSystemColours.size() ? kSystemColours[index] : 0xFFFFFFu;
    }
    return colour;
}

std::string ColorToHtml(uint32_t colour) {
    const uint32_t rgb = ResolveColor(colour);
    if (rgb > 0xFFFFFFu)
        return "FFFFFF";
    char digits[8];
    std::snprintf(digits, sizeof digits, "%06X", static_cast<unsigned>(rgb));
    const std::string bgr(digits);
    return bgr.substr(4, 2) + bgr.substr(2, 2) + bgr.substr(0, 2);
}

std::string WriteHtmlCell(int flags, uint32_t colour, std::string_view text) {
    std::string line;
    AppendHtmlCell(line, flags, CellTagStart(colour), text, false);
    return line;
}

std::string HtmlEscape(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    AppendEscaped(escaped, text);
    return escaped;
}

} // namespace rondaxa
