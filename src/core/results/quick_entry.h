// Quick results entry: the finishing order of one race, one start number per
// line, becomes a result column of a class. The line format, the checks of
// the list, the rule for Enter in the list, entering the list and reading a
// column back as a list. The window and the command line share all of it.
#pragma once

#include "core/model/messages.h"

#include "core/model/model.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace rondaxa {

inline constexpr int kStartNoTooLongCode = 20;    // "Ongeldig(e) startnummer(s) (meer dan 5 karakters)!"
inline constexpr int kNoStartNumbersCode = 21;    // "Geen startnummers opgeven!"
inline constexpr int kDuplicateStartNosCode = 22; // "Er komen dubbele startnummers voor!"
inline constexpr int kTooFewNumbersCode = 23;     // "Ongeldige startnummers (geen nummers opgegeven)!"
inline constexpr int kBadResultNumberCode = 24;   // "Ongeldige uitslagnummer opgegeven!"
inline constexpr int kMaxResultsReachedCode = 60; // "Het maximum aantal uitslagen is bereikt."
inline constexpr int kFewStartNumbersCode =
    525;                                  // "Minder dan een derde van de rijders heeft een startnummer..."
inline constexpr int kEmptyListCode = -1; // an empty list: refused without a message

// A finishing order is a few kilobytes; a file of far more is no finishing order.
inline constexpr std::size_t kMaxOrderListBytes = 16u << 20;

// What one line of a finishing order says about its finisher.
struct EntryLine {
    std::string StartNo; // empty when the line begins with a separator or holds only blanks
    bool ZeroMarker = false;
    std::string Name;
    std::array<std::string, 3> Extra;
};

// Reads one line. A start number ends at the first space, ";", Tab, "/" or
// "-"; "*0" written against it marks a finisher who gets 0. After the first
// separator come the name and, in Tab- or ";"-separated pieces, the extra
// fields, as a spreadsheet row pastes them. Any text is accepted.
EntryLine ParseEntryLine(std::string_view line);

// The lines of a text as a multi-line edit holds them: CR LF, LF and CR end
// a line; a final line break adds no line.
std::vector<std::string> SplitLines(std::string_view text);

// Whether two start numbers are the same, ignoring letter case. An empty
// start number equals none.
bool SameStartNo(std::string_view a, std::string_view b);

// Enter in the list: the 1-based number of the first other line holding the
// start number of line `line` (0-based), or 0.
int LineWithSameStartNo(const std::vector<std::string> &lines, int line);
// Enter in the list is taken only when the last line holds something, so
// that repeated Enters cannot pile up empty lines.
bool EnterAllowed(const std::vector<std::string> &lines);

// Whether the class has start numbers enough for quick entry: a class of 5
// rows or more needs a start number on at least a third of them.
bool HasEnoughStartNumbers(const TKlasse &klasse);

// The checks of the list before anything is entered, in their order. Lines
// of no characters at all are taken out of the list as they are met; the
// walk stops at a start number longer than 5 characters (code 20). Then no
// line left (21; an empty list from the start gives kEmptyListCode), fewer
// numbered lines than half the lines (23), a start number twice (22, and
// the first such number, as typed at its second line, in *doubled).
// Returns 0 when the list may be entered.
int CheckEntryLines(std::vector<std::string> &lines, std::string *doubled = nullptr);

struct QuickEntryChoices {
    bool NewColumn = true;  // "Als nieuwe uitslag"; else "Wijzig uitslag kolom :"
    int Column = 1;         // the column to change
    bool AddUnknown = true; // "Als nieuwe rijder toevoegen"; else "Negeren"
};

struct QuickEntryOutcome {
    int Code = 0;   // 0: entered; else the message code (kEmptyListCode: no message)
    int Column = 0; // the result number entered
    // After a refusal: whether the list may be corrected in place (the window
    // stays open), or the command ends.
    bool KeepOpen = false;
    std::string DoubleStartNo; // with code 22: the first start number that is double
};

// The message of a refused list: the numbered message, followed for a double
// start number by that number (the message's own text stays as it is).
ErrorMessage RefusalMessage(const QuickEntryOutcome &outcome);

// The OK of quick entry. A new column when the class has all its result
// columns is refused (60), then the list is checked (the lines keep the
// check's deletions), then the column to change must exist (24). Only then
// the class changes: a new column, or the changed column emptied first;
// each line's rider gets the value of the next position (the position
// itself when finish positions are stored, its points otherwise), or 0 with
// the zero marker. A start number no rider carries makes a new rider, unless
// unknown numbers are ignored or the class is full; an ignored line, or one
// without a start number, takes no position.
// A refused list changes nothing.
QuickEntryOutcome EnterFinishingOrder(Competition &comp, TKlasse &klasse, std::vector<std::string> &lines,
                                      const QuickEntryChoices &choices);

// "Haal uitslag": sorts the class by result column n (raw stored values,
// ascending) and gives the start numbers of the riders with a result shown
// in n, from the top: the list that enters the column again.
std::vector<std::string> FinishingOrderOf(ClubRec &club, TKlasse &klasse, int n);

} // namespace rondaxa
