// The export of the daily classification ("Dagklassement exporteren"): the
// day's table in the order and with the replacement points the window shows,
// as text lines (clipboard and text file) or as an HTML page, and the
// columns and rows a printed table is made of. The choices of the dialog
// are remembered until the program ends.
//
// Files are single-byte cp1252 text as held in the model, every line ended
// by CR LF. Text lines are written unescaped; in HTML every text that comes
// from the competition is escaped as in the standings export.
#pragma once

#include "core/daily/daily.h"
#include "core/model/model.h"

#include <string>
#include <string_view>
#include <vector>

namespace rondaxa {

enum class DailyTarget { Printer, Clipboard, TextFile, HtmlFile };

// Everything the dialog offers.
struct DailyExportChoices {
    DailyTarget Target = DailyTarget::Printer;
    bool StartNo = true;      // "&Startnummer"
    bool Info = false;        // "Informatie &uitslagen"
    bool Replacement = false; // "&Vervang punten"
    bool AllRiders = false;   // "&Rijders zonder punten"
    bool Extra = false;       // "&Extra rijdergegevens"
    bool ExtraEnabled = false;
    bool AutoFontSize = false; // "&Font grootte auto."
    // The print font.
    std::string FontName;
    uint8_t FontStyle = 0;
    int32_t FontColor = 0;
    int32_t FontSize = 11;

    bool WithExtra() const { return Extra && ExtraEnabled; }
};

// The choices kept from one daily export to the next (never saved).
struct DailyExportMemory {
    bool Valid = false;
    DailyExportChoices Choices;
};

inline constexpr std::size_t kDailyFontNameMemory = 31;

// "&Extra rijdergegevens" can be ticked when the grid shows an extra field.
bool ExtraFieldsShown(const ClubRec &club);

// The dialog at opening: the remembered choices ("&Extra rijdergegevens"
// only where it is enabled), or the defaults with the print settings' font
// (else the class grid's font in black), size 11.
DailyExportChoices OpenDailyExportChoices(const Competition &comp, const TKlasse &klasse,
                                          const DailyExportMemory &memory);

// The dialog's OK: remembers the choices.
void StoreDailyExportChoices(const DailyExportChoices &choices, DailyExportMemory &memory);

// Club name and " - " (at most 33 characters together), then the class name;
// at most 63 characters in all.
std::string ExportTitle(const ClubRec &club, const TKlasse &klasse);

// "Info uitslag" followed by ", 1+2: 01-05 Zandbaan" for each information
// block that starts at one of the day's result columns.
std::string ResultInfoLine(const ClubRec &club, const TKlasse &klasse, const DailyTable &table);

// The last daily row whose rider shows a total, or else replacement points;
// 0 when no row does.
int LastRowWithPoints(const ClubRec &club, const TKlasse &klasse, const DailyTable &table);

// The rows an export writes: 1 .. LastRowWithPoints, or every row with
// "&Rijders zonder punten".
int DailyRowsWritten(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                     const DailyExportChoices &choices);

inline constexpr int kDailyLeft = 0;
inline constexpr int kDailyCentre = 1; // as the standings export's cell flags
inline constexpr int kDailyRight = 2;

// One column of the export, in the order every target writes them.
struct DailyExportColumn {
    int Kind = KindRowNumber; // 0 place, 1..6 rider fields, 3 results, 7 "Totaal", 8 "Vervang"
    int GridCol = 0;          // the daily grid's column (0 for the extra fields)
    int Number = 0;           // the result number of a result column
    std::string Heading;
    int HeadingAlign = kDailyLeft; // in the HTML heading row
    int RowAlign = kDailyLeft;     // in the HTML rider rows
};

// The exported columns: the daily grid's columns left to right, the start
// number with "&Startnummer", "Vervang" with "&Vervang punten", and before
// the result columns the extra fields the grid shows, when chosen.
std::vector<DailyExportColumn> DailyExportColumns(const ClubRec &club, const DailyTable &table,
                                                  const DailyExportChoices &choices);

// The text of one exported cell of daily row r (the place, or CellText).
std::string DailyCellText(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                          const DailyExportColumn &column, int r);

// The heading line and row r as text lines: fields joined by a Tab.
std::string DailyHeaderLine(const ClubRec &club, const DailyTable &table, const DailyExportChoices &choices);
std::string DailyRowLine(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                         const DailyExportChoices &choices, int r);

// The clipboard's lines, which the text file holds too: the title, the
// information line when chosen, the heading line and the rows written.
std::vector<std::string> DailyTextLines(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                                        const DailyExportChoices &choices);

// The clipboard's text: those lines with a line break (LF) between them.
std::string DailyClipboardText(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                               const DailyExportChoices &choices);

// One HTML cell line (without line end); text is escaped, and an empty
// text (or one blank) gives "<td>&nbsp</td>".
std::string WriteDailyCell(std::string_view text, int alignment);

// The bytes of the text file and of the HTML file.
std::string DailyTextFile(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                          const DailyExportChoices &choices);
std::string DailyHtmlFile(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                          const DailyExportChoices &choices);

// Writes bytes to exactly path, safely (SafeWrite); throws IoError when it
// cannot.
void WriteDailyFile(const std::string &path, const std::string &bytes);

} // namespace rondaxa
