#include "core/reports/recorded_pages.h"

namespace rondaxa {

bool RecordedPages::BeginDocument() {
    pages_.assign(1, Page{font_});
    return true;
}

void RecordedPages::NewPage() {
    pages_.push_back(Page{font_});
}

void RecordedPages::Add(Call call) {
    if (!pages_.empty())
        pages_.back().push_back(std::move(call));
}

void RecordedPages::SetFont(const PrintFont &font) {
    measure_.SetFont(font);
    font_ = Call{Op::Font, font.Size, font.Style, 0, 0, font.Color, std::string(font.Name)};
    Add(font_);
}

void RecordedPages::TextOut(int x, int y, std::string_view cp1252) {
    Add(Call{Op::Text, x, y, 0, 0, 0, std::string(cp1252)});
}

void RecordedPages::DrawLine(int x1, int y1, int x2, int y2, int penWidth) {
    Add(Call{Op::Line, x1, y1, x2, y2, static_cast<uint32_t>(penWidth), {}});
}

void RecordedPages::FillRect(int x1, int y1, int x2, int y2, uint32_t colour) {
    Add(Call{Op::Fill, x1, y1, x2, y2, colour, {}});
}

void RecordedPages::DrawPage(int index, PrintDevice &target) const {
    if (index < 0 || index >= PageCount())
        return;
    for (const Call &call : pages_[static_cast<std::size_t>(index)]) {
        switch (call.What) {
        case Op::Font:
            target.SetFont(PrintFont{call.Text, call.A, static_cast<uint8_t>(call.B), call.Value});
            break;
        case Op::Text:
            target.TextOut(call.A, call.B, call.Text);
            break;
        case Op::Line:
            target.DrawLine(call.A, call.B, call.C, call.D, static_cast<int>(call.Value));
            break;
        case Op::Fill:
            target.FillRect(call.A, call.B, call.C, call.D, call.Value);
            break;
        }
    }
}

} // namespace rondaxa
