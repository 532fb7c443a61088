// Printing the standings ("&Printen..."): the choices of the print dialog
// that are not stored, storing the layout record with the competition, and
// the print job over the chosen classes with its page-count question.
//
// The number of pages announced is the number printed: the job lays out all
// classes once without drawing, through the same code that then prints.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"
#include "core/reports/print_device.h"
#include "core/reports/print_object.h"
#include "core/reports/text_export.h"

#include <string>
#include <vector>

namespace rondaxa {

enum class PrintClassChoice { Current, All, Selection };
enum class PrintRiderChoice { WithResults, All, FirstN };

// What the dialog offers besides the stored record.
struct PrintChoices {
    PrintClassChoice Classes = PrintClassChoice::Current;
    std::vector<bool> Selected; // per class in tab order

    bool Results = true; // "&Uitslagen"
    bool StartNo = true; // "&Startnummer"
    bool Total = false;  // "T&otaal"
    bool Count = false;  // "&Aantal uitslagen"
    bool Average = false;
    bool Net = false;
    bool Gross = false;
    CalcColumnBoxes Enabled;

    bool SwapNames = true;  // "Wissel &naam"
    bool ZeroEmpty = false; // "&Uitslagen met nul punten = Leeg"

    PrintRiderChoice Riders = PrintRiderChoice::All;
    int FirstN = 1; // "&1 t/m :" (1..200)
};

inline constexpr int kMaxFirstRiders = 200;

// The dialog at opening: the calculated-column boxes that the standings
// offer, enabled and ticked; "Met &nul of meer punten" when any class has
// standings; swap names and zero-as-empty from the display settings.
PrintChoices OpenPrintChoices(const Competition &comp);

// The rider choice as stored in PrintFlags2 (the dialog does not read it back).
uint16_t RiderChoiceBits(PrintRiderChoice riders);

// Stores the dialog's record with the competition (the document
// sees whether it differs).
void StorePrintSettings(Competition &comp, const PrintSettings &settings);

// Defines the columns of a class on the print object (after the class's
// print settings, margins and result-info colours) and returns their count.
int SetupClassColumns(TPrintObject &printer, Competition &comp, const PrintChoices &choices, int classIndex);

// The lines of text wrapped to the width of the page (or of the table when
// that is wider than half the page), breaking after a break character or
// at a space where a line would end inside a word.
std::vector<std::string> WrapText(TPrintObject &printer, std::string_view text);

// "Er zijn N pagina's te printen." / "Er is 1 pagina te printen." with the
// too-wide warning, then " Uitslagen printen ?".
std::string PagesQuestion(int pages, bool tooWide);

inline constexpr std::string_view kPrintCaption = "Uitslagen Printen";

struct PrintOutcome {
    bool Started = false; // the printer took the document
    int Pages = 0;        // announced and, when printed, printed
    bool TooWide = false;
    bool Printed = false;
    int FontSize = 0; // the size the classes were laid out in
};

// The whole job: font pass, counting pass, the question (through prompts,
// with its own caption), then printing. comp.ActiveClass is the current class.
PrintOutcome PrintStandings(Competition &comp, const PrintChoices &choices, PrintDevice &device,
                            Prompts &prompts);

} // namespace rondaxa
