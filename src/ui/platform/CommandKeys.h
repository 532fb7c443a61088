// Keys held with Ctrl or Alt are commands, never text: Alt+N meant for a
// "&Negeren" that is not there, or Ctrl+Q, must not type an "n" or "q" into
// the field that has the focus. (Ctrl+Alt is left alone: on Windows it is
// AltGr, which types characters such as "@" and the euro sign.)
#pragma once

class QApplication;
class QKeyEvent;

namespace rondaxa {

// Whether the key press carries text that only its Ctrl or Alt makes a
// command of.
bool IsCommandKeyWithText(const QKeyEvent &event);

// Delivers such key presses anywhere in the program without their text, so
// that shortcuts (Ctrl+C, Ctrl+V, ...) still work and no field takes the
// letter. Call once, after creating the QApplication.
void InstallCommandKeyFilter(QApplication &app);

} // namespace rondaxa
