// The HTML that the reports share: colours as HTML writes them, the line of
// one table cell, escaped text and the code-page line of a page's head.
// Text is single-byte cp1252 as held in the model.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rondaxa {

// A colour as six hexadecimal digits red, green, blue; system colours are
// resolved to their standard values first.
std::string ColorToHtml(uint32_t colour);

// The RGB value (0x00BBGGRR) of a colour, system colours resolved.
uint32_t ResolveColor(uint32_t colour);

inline constexpr int kCellCentre = 1;
inline constexpr int kCellRight = 2;
inline constexpr int kCellStrike = 128;

// One table cell line (without line end). text is written as given, so
// escape competition text first.
std::string WriteHtmlCell(int flags, uint32_t colour, std::string_view text);

// Text as HTML character data: & < > " escaped.
std::string HtmlEscape(std::string_view text);

// The line that follows "<head>" in every HTML page the program writes: it
// names the code page the page is written in, so that a web server or
// browser that takes a page for UTF-8 still shows every character.
inline constexpr std::string_view kHtmlCharsetLine =
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";

// ---- for the report writers --------------------------------------------------

// The start of a cell's tag, with the colour as its background (0: none).
std::string CellTagStart(uint32_t colour);

// Appends one cell line without its line end: tagStart, the alignment of
// flags and text (escaped when asked); an empty cell shows a hard space.
void AppendHtmlCell(std::string &out, int flags, std::string_view tagStart, std::string_view text,
                    bool escape);

// An empty text and a single space both make a cell that shows a hard space.
bool ShownAsEmptyCell(std::string_view text);

// Whether text has a character that needs an escape.
bool HasCharToEscape(std::string_view text);

// The escape of a character that needs one, else nothing.
std::string_view EscapeOf(char ch);

} // namespace rondaxa
