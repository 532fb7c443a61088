// Start-up of the desktop program's platform side: names, Dutch standard
// texts, clock, locale, the F1 key, and Ctrl/Alt keys kept out of text fields.
#pragma once

class QApplication;

namespace rondaxa {

// The project's version; the build passes it as RONDAXA_VERSION.
inline constexpr const char *kProgramVersion = RONDAXA_VERSION;

// Loads Qt's own Dutch translations (qtbase_nl), so that standard buttons and
// dialogs read Ja/Nee/Annuleren/OK. Looks in Qt's translations folder, then
// in "translations" beside the program. Returns whether they were found.
bool InstallDutchTranslations(QApplication &app);

// The program's icon for its windows, and the name of its desktop entry.
void InstallProgramIcon(QApplication &app);

// Everything above plus the application's names, the clock and locale of the
// core, F1 for help and the command-key filter. Call once, right after creating the QApplication.
void InitialisePlatform(QApplication &app);

} // namespace rondaxa
