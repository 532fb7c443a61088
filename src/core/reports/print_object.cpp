#include "core/reports/print_object.h"

#include <algorithm>

namespace rondaxa {

std::string PrintJobName(const ClubRec &club, const TKlasse *onlyClass) {
    std::string name = "Rondaxa";
    for (const std::string &part : {club.ClubName.str(), onlyClass ? onlyClass->Name.str() : std::string()})
        if (!part.empty())
            name += " - " + part;
    return name;
}

bool TPrintObject::Start() {
    if (!device_.BeginDocument())
        return false;
    UpdateMetrics();
    TopMargin = BottomMargin = LeftMargin = RightMargin = 0;
    SetMargins(0, 0, 0, 0);
    CurrentY = 0;
    PageNumber = 0;
    RowCounter = 0;
    ClassBlockHeight = 0;
    SheetCount = 0;
    return true;
}

void TPrintObject::Finish() {
    device_.EndDocument();
}

void TPrintObject::Abort() {
    device_.AbortDocument();
}

int TPrintObject::InchToPixelsX(float inches) const {
    return static_cast<int>(inches * static_cast<float>(PixelsPerInchX));
}

int TPrintObject::InchToPixelsY(float inches) const {
    return static_cast<int>(inches * static_cast<float>(PixelsPerInchY));
}

// Margins in whole millimetres. A pair that does not fit on the sheet, and
// a margin of 0 or less, fall back to the unprintable strips; no margin lies
// inside its strip.
void TPrintObject::SetMargins(int top, int bottom, int left, int right) {
    constexpr float kMillimetresPerInch = 25.4f;
    int t = InchToPixelsY(static_cast<float>(top) / kMillimetresPerInch);
    int b = InchToPixelsY(static_cast<float>(bottom) / kMillimetresPerInch);
    int l = InchToPixelsX(static_cast<float>(left) / kMillimetresPerInch);
    int r = InchToPixelsX(static_cast<float>(right) / kMillimetresPerInch);
    if (l + r >= PhysWidth) {
        l = LeftOffset;
        r = RightOffset;
    }
    if (l <= 0)
        l = LeftOffset;
    if (r <= 0)
        r = RightOffset;
    if (t + b >= PhysHeight) {
        t = TopOffset;
        b = BottomOffset;
    }
    if (t <= 0)
        t = TopOffset;
    if (b <= 0)
        b = BottomOffset;
    TopMargin = std::max(t, TopOffset);
    BottomMargin = std::max(b, BottomOffset);
    LeftMargin = std::max(l, LeftOffset);
    RightMargin = std::max(r, RightOffset);
}

void TPrintObject::ReadFontMetrics() {
    Metrics = device_.Metrics();
}

void TPrintObject::UpdateMetrics() {
    ReadFontMetrics();
    PixelsPerInchY = device_.DpiY();
    PixelsPerInchX = device_.DpiX();
    const PixelSize offset = device_.PrintingOffset();
    LeftOffset = offset.Width;
    TopOffset = offset.Height;
    const PixelSize physical = device_.PhysicalSize();
    PhysWidth = physical.Width;
    PhysHeight = physical.Height;
    PaperWidthInch =
        PixelsPerInchX > 0 ? static_cast<float>(PhysWidth) / static_cast<float>(PixelsPerInchX) : 0;
    PaperHeightInch =
        PixelsPerInchY > 0 ? static_cast<float>(PhysHeight) / static_cast<float>(PixelsPerInchY) : 0;
    const PixelSize printable = device_.PrintableSize();
    RightOffset = PhysWidth - LeftOffset - printable.Width;
    BottomOffset = PhysHeight - TopOffset - printable.Height;
    TopMargin = std::max(TopMargin, TopOffset);
    BottomMargin = std::max(BottomMargin, BottomOffset);
    LeftMargin = std::max(LeftMargin, LeftOffset);
    RightMargin = std::max(RightMargin, RightOffset);
}

void TPrintObject::SetFont(std::string_view name, int size, uint8_t style, uint32_t colour) {
    fontName_ = std::string(name);
    fontSize_ = size;
    fontStyle_ = style;
    fontColour_ = colour;
    device_.SetFont(PrintFont{fontName_, fontSize_, fontStyle_, fontColour_});
    UpdateMetrics();
}

void TPrintObject::SetFontStyle(uint8_t style) {
    if (style == fontStyle_)
        return;
    fontStyle_ = style;
    device_.SetFont(PrintFont{fontName_, fontSize_, fontStyle_, fontColour_});
    ReadFontMetrics();
}

void TPrintObject::SetFontColour(uint32_t colour) {
    if (colour == fontColour_)
        return;
    fontColour_ = colour;
    device_.SetFont(PrintFont{fontName_, fontSize_, fontStyle_, fontColour_});
}

int TPrintObject::TextWidth(std::string_view text) {
    return text.empty() ? 0 : device_.TextWidth(text);
}

int TPrintObject::LineHeight() const {
    return static_cast<uint16_t>(Metrics.Height + Metrics.ExternalLeading);
}

// x is relative to the left margin; y is absolute (pulled onto the sheet)
// and becomes the current line, or kCurrentLine.
void TPrintObject::TextOutAt(int x, int y, std::string_view text) {
    const int left = std::max(x + LeftMargin, LeftOffset);
    if (y != kCurrentLine) {
        y = std::max(y, TopOffset);
        if (y > PhysHeight)
            y = PhysHeight - BottomOffset;
        CurrentY = y;
    }
    if (Drawing && !text.empty())
        device_.TextOut(left - LeftOffset, CurrentY - TopOffset, text);
}

void TPrintObject::ColumnTextLeft(int column, int y, std::string_view text) {
    TextOutAt(Column(column).Left, y, text);
}

void TPrintObject::ColumnTextRight(int column, int y, std::string_view text) {
    const PrintColumn &c = Column(column);
    // Without drawing only the line matters, not where the text would go.
    const int width = Drawing ? TextWidth(text) : 0;
    TextOutAt(c.Left + c.Width - width, y, text);
}

void TPrintObject::ColumnTextCentre(int column, int y, std::string_view text) {
    const PrintColumn &c = Column(column);
    const int width = Drawing ? TextWidth(text) : 0;
    TextOutAt(c.Left + (c.Width - width) / 2, y, text);
}

void TPrintObject::DrawLine(int x1, int y1, int x2, int y2, int penWidth) {
    if (Drawing)
        device_.DrawLine(x1 - LeftOffset, y1 - TopOffset, x2 - LeftOffset, y2 - TopOffset, penWidth);
}

// Corners are 16-bit values; the box is cut at the right margin.
void TPrintObject::FillBox(int x1, int y1, int x2, int y2, uint32_t colour) {
    const int left = static_cast<uint16_t>(x1);
    const int top = static_cast<uint16_t>(y1);
    int right = static_cast<uint16_t>(x2);
    const int bottom = static_cast<uint16_t>(y2);
    const int limit = PhysWidth - RightMargin;
    if (left >= limit)
        return;
    right = std::min(right, limit);
    if (Drawing)
        device_.FillRect(left - LeftOffset, top - TopOffset, right - LeftOffset, bottom - TopOffset, colour);
}

void TPrintObject::NewPage(bool closeTable) {
    if (closeTable)
        DrawColumnLines();
    CurrentY = TopMargin;
    ++SheetCount;
    if (Drawing)
        device_.NewPage();
}

} // namespace rondaxa
