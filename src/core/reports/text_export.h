// Text and HTML export of the standings ("&Uitvoer tekst/html bestand..."):
// the choices of the dialog TTekstUit, the memory of those choices between
// exports, and the writer. What it writes is what the class grids show,
// each cell through CellText, filtered by the choices.
//
// Output: single-byte cp1252 text as held in the model, every line ended by
// CR LF. The text format is written unescaped; in HTML every text that comes
// from the competition is escaped (& < > "), the markup itself is not.
#pragma once

#include "core/model/model.h"
#include "core/reports/html_cells.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rondaxa {

enum class ExportFileType { Text, Html };
enum class ExportClassChoice { Current, All, Selection };
enum class ExportSeparator { Tab, Semicolon, NewLine, Character };

// Sets the two display bits that the export and print dialogs choose for
// themselves (names swapped or as stored, zero results empty) and puts
// Options back when the report ends, normally or not.
class DisplayOptionsOverride {
public:
    DisplayOptionsOverride(ClubRec &club, bool swapNames, bool zeroEmpty);
    ~DisplayOptionsOverride();
    DisplayOptionsOverride(const DisplayOptionsOverride &) = delete;
    DisplayOptionsOverride &operator=(const DisplayOptionsOverride &) = delete;

private:
    ClubRec &club_;
    int32_t saved_;
};

// Which calculated-column boxes the class states make available.
struct CalcColumnBoxes {
    bool Net = false;     // "Netto"
    bool Gross = false;   // "Bruto"
    bool Total = false;   // "Totaal"
    bool Count = false;   // "Aantal uitslagen"
    bool Average = false; // "Gemiddelde"
};

// Everything the dialog offers.
struct ExportChoices {
    ExportFileType FileType = ExportFileType::Text;
    ExportClassChoice Classes = ExportClassChoice::Current;
    ExportSeparator Separator = ExportSeparator::Tab;
    std::string EmptyText = "--";    // "Uitslag leeg, Print :"
    std::string BetweenText = "-";   // "Ka&rakter(s) tussen uitslagen: "
    std::string SeparatorText = " "; // "&Karakter:"

    // The fourteen tick boxes.
    bool Results = true;      // "&Uitslagen"
    bool StartNo = true;      // "&Startnummer"
    bool Net = false;         // "Netto"
    bool Gross = false;       // "Bruto"
    bool Total = false;       // "Totaal"
    bool Count = false;       // "Aantal uitslagen"
    bool Average = false;     // "Gemiddelde"
    bool Info = false;        // "&Informatie uitslagen uitvoeren"
    bool SwapNames = true;    // "&Wissel naam"
    bool ClubName = true;     // "Clubnaam uitvoeren"
    bool ClassName = true;    // "Naam klasse uitvoeren"
    bool ZeroEmpty = false;   // "Uitslagen met &nul punten = Leeg"
    bool EmptyResult = false; // "Uitslag leeg, Print :"
    bool JoinResults = false; // "&Beschouw alle uitslagen als 1 veld"

    CalcColumnBoxes Enabled;    // which calculated-column boxes are enabled
    std::vector<bool> Selected; // per class in tab order: ticked in "Sele&ctie van klassen:"
};

// The choices kept from one export to the next until the program ends
// (never saved). Texts are kept to their first 15 characters; the selection
// of classes is not kept.
struct ExportMemory {
    bool Valid = false;
    ExportChoices Choices;
};

inline constexpr std::size_t kExportTextMemory = 15;

// The calculated-column boxes the classes make available: "Netto" and
// "Bruto" by the net/gross classes (the first class with both, or the last
// single-column class before it), the three average boxes by any average
// table.
CalcColumnBoxes AvailableCalcColumns(const Competition &comp);

// The dialog at opening: defaults, the available calculated-column boxes
// enabled and ticked, "&Wissel naam" and "Uitslagen met &nul punten = Leeg"
// from the display settings, then the remembered choices (the calculated
// boxes only where enabled). The selection starts with nothing ticked.
ExportChoices OpenExportChoices(const Competition &comp, const ExportMemory &memory);

// The dialog's OK: remembers the choices.
void StoreExportChoices(const ExportChoices &choices, ExportMemory &memory);

// The file name for a name chosen in the save dialog: its extension
// replaced by ".txt" or ".html" (a name without one gets it).
std::string ExportFileName(std::string_view chosen, ExportFileType type);

// The whole export: the frame (HTML) and the chosen classes, written with
// the two display bits (name form, zero as empty) set by the choices for
// the duration of the export. comp.ActiveClass is the current class.
std::string ExportStandings(Competition &comp, const ExportChoices &choices);
// The same, appended to out (whose room can so be used again).
void AppendExport(Competition &comp, const ExportChoices &choices, std::string &out);

// Writes the export to exactly path, in large blocks as it is made (no copy
// of the whole export is held), through a SafeWriter: the previous file is
// replaced only by a complete new one. Throws IoError when it cannot.
void WriteExportFile(Competition &comp, const ExportChoices &choices, const std::string &path);

// ---- building blocks ---------------------------------------------------------

// Spaces in front of text up to width; a longer text stays as it is.
std::string PadLeft(std::string_view text, int width);

// All results of a row as one field (row 0: the result numbers), each item
// padded to 2 characters and joined by the between text: " 1- 2- 3".
std::string JoinResults(const ClubRec &club, const TKlasse &klasse, const ExportChoices &choices, int row);

// One block as text: FromCol, rangeMark and ToCol when the block spans more
// than one result, dateMark, the date (with the year when asked) and " "
// and the remark when there is one: "4-5 = 01-05-2026 Zandbaan".
std::string ResultInfoText(const ResultInfo &info, bool showYear, std::string_view rangeMark,
                           std::string_view dateMark);

// The result-information lines of a class: "4-5 = 01-05-2026 Zandbaan".
std::vector<std::string> ResultInfoLines(const ClubRec &club, const TKlasse &klasse);

} // namespace rondaxa
