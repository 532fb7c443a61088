#include "ui/platform/PlatformColour.h"

namespace rondaxa {

QColor PlatformColour(uint32_t value, const QPalette &palette) {
    if (value == 0)
        return {};
    if ((value & 0xFF000000u) == 0x80000000u) {
        switch (value & 0xFFu) {
        case 0x05: // window background
            return palette.color(QPalette::Base);
        case 0x08: // window text
            return palette.color(QPalette::Text);
        case 0x0D: // highlight
            return palette.color(QPalette::Highlight);
        case 0x0E: // highlight text
            return palette.color(QPalette::HighlightedText);
        case 0x0F: // button face
            return palette.color(QPalette::Button);
        case 0x10: // button shadow
            return palette.color(QPalette::Mid);
        case 0x12: // button text
            return palette.color(QPalette::ButtonText);
        case 0x16: // 3-D light
            return palette.color(QPalette::Midlight);
        case 0x17: // info text
            return palette.color(QPalette::ToolTipText);
        case 0x18: // info background
            return palette.color(QPalette::ToolTipBase);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

} // namespace rondaxa
