#include "ui/platform/ModelFont.h"

#include "ui/platform/ModelText.h"

namespace rondaxa {

QFont ModelFont(QFont base, std::string_view name, int size, uint8_t style, int fallbackSize) {
    if (!name.empty())
        base.setFamily(FromModelText(name));
    base.setPointSize(size > 0 ? size : fallbackSize);
    base.setBold(style & 1);
    base.setItalic(style & 2);
    base.setUnderline(style & 4);
    base.setStrikeOut(style & 8);
    return base;
}

} // namespace rondaxa
