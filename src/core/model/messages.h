// The numbered error messages of the program.
#pragma once

#include "core/platform/platform.h"

#include <string>

namespace rondaxa {

struct ErrorMessage {
    std::string Text;
    MessageIcon Icon;
};

// The message for a code. The low 16 bits choose the text; for codes 250 and
// 251 the high 16 bits carry a row position. Codes above 500 use the
// information sign, the others the exclamation mark.
ErrorMessage ErrorMessageFor(int code);

// Shows the message for code in a box titled "Rondaxa".
void ShowError(Prompts &prompts, int code);

// The row position carried by codes 250 and 251.
inline int WithPosition(int code, int position) {
    return code + position * 65536;
}

} // namespace rondaxa
