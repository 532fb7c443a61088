// A print job kept as its drawing calls, page by page, so that a preview can
// lay the job out once and draw any page later on another device. Metrics
// (sizes, fonts, text widths) come from the printer the job is meant for,
// which itself draws nothing and starts no document.
#pragma once

#include "core/reports/print_device.h"

#include <string>
#include <vector>

namespace rondaxa {

class RecordedPages : public PrintDevice {
public:
    explicit RecordedPages(PrintDevice &measure) : measure_(measure) {}

    // The pages of the last document; none before one began or after it was
    // aborted.
    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Draws page `index` (0-based) on `target`, in the same canvas
    // coordinates; nothing for a page that does not exist.
    void DrawPage(int index, PrintDevice &target) const;

    bool BeginDocument() override;
    void EndDocument() override {}
    void AbortDocument() override { pages_.clear(); }
    void NewPage() override;

    int DpiX() const override { return measure_.DpiX(); }
    int DpiY() const override { return measure_.DpiY(); }
    PixelSize PhysicalSize() const override { return measure_.PhysicalSize(); }
    PixelSize PrintableSize() const override { return measure_.PrintableSize(); }
    PixelSize PrintingOffset() const override { return measure_.PrintingOffset(); }
    PageOrientation Orientation() const override { return measure_.Orientation(); }
    void SetOrientation(PageOrientation orientation) override { measure_.SetOrientation(orientation); }

    void SetFont(const PrintFont &font) override;
    PrintTextMetrics Metrics() const override { return measure_.Metrics(); }
    int TextWidth(std::string_view cp1252) override { return measure_.TextWidth(cp1252); }
    void TextOut(int x, int y, std::string_view cp1252) override;
    void DrawLine(int x1, int y1, int x2, int y2, int penWidth) override;
    void FillRect(int x1, int y1, int x2, int y2, uint32_t colour) override;

private:
    enum class Op : uint8_t { Font, Text, Line, Fill };
    // One drawing call; Text is the font's name for Font, the text for Text.
    struct Call {
        Op What;
        int A = 0, B = 0, C = 0, D = 0; // x1 y1 x2 y2; size and style for Font
        uint32_t Value = 0;             // pen width, fill colour or font colour
        std::string Text;
    };
    using Page = std::vector<Call>;

    void Add(Call call);

    PrintDevice &measure_;
    std::vector<Page> pages_;
    // The font in use where the current page starts: every page begins with
    // it, so that each page can be drawn on its own.
    Call font_{Op::Font, 10, 0, 0, 0, 0, {}};
};

} // namespace rondaxa
