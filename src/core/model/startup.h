// Rules of program start and of the file commands: the file named on the
// command line, whether a stored window placement is applied, the name a
// "save as" writes to.
#pragma once

#include "core/model/settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rondaxa {

// The competition file named on the command line. params are the arguments
// after the program; commandLine is the whole command line as the system
// gave it (empty where the system passes arguments already split). When the
// command line holds a quoted program path (EXE followed by a double quote),
// everything after that quote and the blank behind it is the name;
// otherwise the parameters are joined with single blanks. Double quotes are
// removed and blanks trimmed. Empty without parameters.
std::string CommandLineFileName(std::string_view commandLine, const std::vector<std::string> &params);

// What a stored placement does to the window.
enum class PlacementAction { None, Maximise, Apply };

// Maximised state: maximise; normal state: apply the bounds, but only when
// the size is at least 76 x 76 and the corner at Left < 600, Top < 450;
// anything else changes nothing.
PlacementAction PlacementActionFor(const FormSet &placement);

// The file "save as" writes: a name without extension or with ".kzb" (any
// case) gets the extension ".kzb"; a name with any other extension is not
// saved (nothing).
std::optional<std::string> SaveAsFileName(const std::string &chosen);

} // namespace rondaxa
