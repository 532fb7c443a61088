// The desktop's trash, as the freedesktop.org Trash standard describes
// it for the user's home trash ($XDG_DATA_HOME/Trash, by default
// ~/.local/share/Trash): folders made where missing, an info file naming the
// original path and the deletion date, then the file moved into files/.
#pragma once

#include <string>

namespace rondaxa {

// Moves the file at path into the home trash as originalPath (the name under
// which it is listed and restored). False, leaving the file where it is, where
// no home trash can be used: no home folder, a file on another disk, or a
// platform whose trash is another one (Windows, macOS: the desktop program
// uses the system's own there).
bool MoveToHomeTrash(const std::string &path, const std::string &originalPath);

} // namespace rondaxa
