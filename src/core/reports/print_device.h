// The printer as the page engine sees it: a canvas whose origin is the
// top-left corner of the printable area, measured in printer pixels. The
// desktop program draws on the platform printer (or a PDF file); tests use a
// fake with fixed metrics that records every call.
#pragma once

#include <cstdint>
#include <string_view>

namespace rondaxa {

// Font style bits as PrintSettings.FontStyle stores them.
inline constexpr uint8_t FontBold = 1;
inline constexpr uint8_t FontItalic = 2;
inline constexpr uint8_t FontUnderline = 4;
inline constexpr uint8_t FontStrikeOut = 8;

enum class PageOrientation { Portrait, Landscape };

struct PrintFont {
    std::string_view Name; // cp1252; empty = the device's default font
    int Size = 10;         // points
    uint8_t Style = 0;
    uint32_t Color = 0; // 0x00BBGGRR
};

// The text metrics of the current font, in printer pixels.
struct PrintTextMetrics {
    int Height = 0; // ascent plus descent
    int Ascent = 0;
    int ExternalLeading = 0;
};

struct PixelSize {
    int Width = 0;
    int Height = 0;
};

class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // The name of the next document in the print queue (and a PDF's title).
    virtual void SetJobName(std::string_view cp1252) { (void)cp1252; }
    // The document: false from BeginDocument when the printer cannot start
    // one. AbortDocument ends a document that printed nothing.
    virtual bool BeginDocument() = 0;
    virtual void EndDocument() = 0;
    virtual void AbortDocument() = 0;
    virtual void NewPage() = 0;

    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    virtual PixelSize PhysicalSize() const = 0;
    virtual PixelSize PrintableSize() const = 0;
    // The unprintable strip at the left (Width) and top (Height).
    virtual PixelSize PrintingOffset() const = 0;

    virtual PageOrientation Orientation() const = 0;
    virtual void SetOrientation(PageOrientation orientation) = 0;

    virtual void SetFont(const PrintFont &font) = 0;
    virtual PrintTextMetrics Metrics() const = 0;
    virtual int TextWidth(std::string_view cp1252) = 0;

    // Canvas coordinates: the top-left corner of the text.
    virtual void TextOut(int x, int y, std::string_view cp1252) = 0;
    virtual void DrawLine(int x1, int y1, int x2, int y2, int penWidth) = 0;
    // Fills the rectangle from (x1, y1) up to, not including, (x2, y2).
    virtual void FillRect(int x1, int y1, int x2, int y2, uint32_t colour) = 0;
};

} // namespace rondaxa
