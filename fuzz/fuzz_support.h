// What the fuzz targets share: keeping results alive so that the work is not
// optimised away, and prompts that answer every question with Yes.
#pragma once

#include "core/platform/platform.h"

#include <cstddef>
#include <string>

namespace rondaxa::fuzz {

inline void Consume(const std::string &text) {
    static volatile std::size_t sink = 0;
    sink = sink + text.size();
}

class YesPrompts : public Prompts {
public:
    void Message(std::string_view, MessageIcon) override {}
    Answer Ask(std::string_view, Buttons) override { return Answer::Yes; }
};

} // namespace rondaxa::fuzz
