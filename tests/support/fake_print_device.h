// A print device with fixed metrics that records every call, for checking
// the page engine's positions in printer pixels.
//
// An A4 sheet at 600 pixels per inch (4960 x 7016) with unprintable strips
// of 100 (left), 120 (top), 100 (right) and 120 (bottom). A font of s
// points is s x 600 / 72 pixels high and every character s x 600 / 144
// pixels wide (10 points: 83 high, 41 wide).
#pragma once

#include "core/reports/print_device.h"

#include <string>
#include <vector>

namespace rondaxa::test {

class FakePrintDevice : public PrintDevice {
public:
    enum class Op { Begin, End, Abort, NewPage, Text, Line, Fill };
    struct Call {
        Op What;
        int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0; // canvas coordinates
        int Pen = 0;
        uint32_t Colour = 0; // fill colour, or the font colour of a text
        std::string Text;
        int FontSize = 0;
        uint8_t Style = 0;
    };
    static Call Make(Op what, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0) {
        Call call;
        call.What = what;
        call.X1 = x1;
        call.Y1 = y1;
        call.X2 = x2;
        call.Y2 = y2;
        return call;
    }

    void SetJobName(std::string_view cp1252) override { JobName = std::string(cp1252); }
    bool BeginDocument() override {
        calls.push_back(Make(Op::Begin));
        return CanStart;
    }
    void EndDocument() override { calls.push_back(Make(Op::End)); }
    void AbortDocument() override { calls.push_back(Make(Op::Abort)); }
    void NewPage() override { calls.push_back(Make(Op::NewPage)); }

    int DpiX() const override { return Dpi; }
    int DpiY() const override { return Dpi; }
    PixelSize PhysicalSize() const override {
        return landscape_ ? PixelSize{Physical.Height, Physical.Width} : Physical;
    }
    PixelSize PrintableSize() const override {
        const PixelSize sheet = PhysicalSize();
        return {sheet.Width - Offset.Width - RightStrip, sheet.Height - Offset.Height - BottomStrip};
    }
    PixelSize PrintingOffset() const override { return Offset; }
    PageOrientation Orientation() const override {
        return landscape_ ? PageOrientation::Landscape : PageOrientation::Portrait;
    }
    void SetOrientation(PageOrientation orientation) override {
        landscape_ = orientation == PageOrientation::Landscape;
    }

    void SetFont(const PrintFont &font) override {
        size_ = font.Size;
        style_ = font.Style;
        colour_ = font.Color;
    }
    PrintTextMetrics Metrics() const override {
        const int height = size_ * Dpi / 72;
        return {height, height * 4 / 5, Leading};
    }
    int TextWidth(std::string_view text) override { return static_cast<int>(text.size()) * CharWidth(); }
    int CharWidth() const { return size_ * Dpi / 144; }

    void TextOut(int x, int y, std::string_view text) override {
        Call call = Make(Op::Text, x, y);
        call.Text = std::string(text);
        call.FontSize = size_;
        call.Style = style_;
        call.Colour = colour_;
        calls.push_back(call);
    }
    void DrawLine(int x1, int y1, int x2, int y2, int penWidth) override {
        Call call = Make(Op::Line, x1, y1, x2, y2);
        call.Pen = penWidth;
        calls.push_back(call);
    }
    void FillRect(int x1, int y1, int x2, int y2, uint32_t colour) override {
        Call call = Make(Op::Fill, x1, y1, x2, y2);
        call.Colour = colour;
        calls.push_back(call);
    }

    // ---- what was recorded ----
    std::vector<Call> Of(Op what) const {
        std::vector<Call> found;
        for (const Call &call : calls)
            if (call.What == what)
                found.push_back(call);
        return found;
    }
    // The texts drawn, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Call &call : Of(Op::Text))
            texts.push_back(call.Text);
        return texts;
    }
    // The first text call with exactly this text (What is End when none).
    Call TextCall(const std::string &text) const {
        for (const Call &call : Of(Op::Text))
            if (call.Text == text)
                return call;
        return Make(Op::End);
    }
    // Sheets printed: one once anything was drawn, plus every new page.
    int Sheets() const {
        const auto pages = static_cast<int>(Of(Op::NewPage).size());
        return Of(Op::Text).empty() ? pages : pages + 1;
    }
    void Clear() { calls.clear(); }

    int Dpi = 600;
    PixelSize Physical{4960, 7016};
    PixelSize Offset{100, 120};
    int RightStrip = 100;
    int BottomStrip = 120;
    int Leading = 0;
    bool CanStart = true;
    std::string JobName;
    std::vector<Call> calls;

private:
    bool landscape_ = false;
    int size_ = 10;
    uint8_t style_ = 0;
    uint32_t colour_ = 0;
};

} // namespace rondaxa::test
