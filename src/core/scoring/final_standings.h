// The final-standings command ("&Eindstanden..."): the program-wide choices
// of its dialog (CalcOptions), the calculation for one class or all classes
// with the columns it appends, and "&Verwijder eindstanden".
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"
#include "core/scoring/problem_list.h"
#include "core/scoring/standings.h"

#include <cstdint>
#include <string>

namespace rondaxa {

// The choices of the "Eindstanden berekenen" dialog; they last until the
// program ends and are never saved. Value bits: 1 gross/net standings
// (clear: averages), 2 "&Netto totaal", 4 "&Bruto totaal", 8 "Als
// dagklasse&ment", 16 and 32 the hors-concours choice x 16, 64 "Alle
// &klassen" (clear: the current class). A program start offers 87.
struct CalcOptions {
    static constexpr uint32_t GrossNet = 1;
    static constexpr uint32_t Net = 2;
    static constexpr uint32_t Gross = 4;
    static constexpr uint32_t Daily = 8;
    static constexpr uint32_t HorsConcoursMask = 48;
    static constexpr uint32_t AllClasses = 64;

    uint32_t Value = 87;

    bool Has(uint32_t bit) const { return (Value & bit) != 0; }
    void Set(uint32_t bit, bool on) { Value = on ? (Value | bit) : (Value & ~bit); }
    // The hors-concours option as a value 0, 16, 32 or 48.
    int HorsConcours() const { return static_cast<int>(Value & HorsConcoursMask); }
    // choice 0..3: "Normaal klasseren" .. "Geen uitslagen + rest uitslagen aanpassen".
    void SetHorsConcoursChoice(int choice) {
        Value = (Value & ~HorsConcoursMask) | ((static_cast<uint32_t>(choice) & 3u) << 4);
    }
    // Ticking or unticking a total as the dialog does: at least one total
    // stays ticked (unticking one ticks the other).
    void SetNet(bool on);
    void SetGross(bool on);
    // "Als dagklasse&ment" is enabled only while "&Netto totaal" is clear.
    bool DailyEnabled() const { return !Has(Net); }
};

// Whether the dialog needs a net count: net total with gross/net standings,
// or averages by the net results (AverageMethod 2). With the current class
// only, the user may then overrule N in the spin box.
bool NetCountNeeded(const CalcOptions &options, const ClubRec &club);

// The spin box's first value for a class: CountingResultNumber lowered to C.
int DefaultNetCount(const ClubRec &club, TKlasse &klasse);

// The dialog's texts: "Er zijn C tellende uitslagen." / "Er is 1 tellende
// uitslag." and the club's rule line ("Schrapresultaten = 2" or "Netto
// bereken met 50% van de ingevoerde uitslagen + 1.").
std::string CountingColumnsText(int c);
std::string NetRuleText(const ClubRec &club);

// Message 70 when the current class has no counting result column (then the
// command stops before its dialog). Returns whether it may go on.
bool CheckCountingColumns(TKlasse *current, Prompts &prompts);

// The dialog's OK: removes and recalculates the standings of every class
// (CalcOptions 64) or of the current class (index current, with N from the
// spin box, netCount). Appends "Bruto"/"Netto" or "Totaal"/"Uitslagen"/
// "Gemiddeld", numbers the places under the heading "PL" and reports ties
// into problems (when given).
void CalculateFinalStandings(Competition &comp, const CalcOptions &options, int current, int netCount,
                             ProblemList *problems);

// The standings of one class as the command computes them; n is the count
// chosen for it (recorded in the columns even above C; below 1 means C).
// classIndex is the class's tab position (0 for the first tab); it becomes
// the class's ClassIndex and the tag of its tie report entries.
void CalculateClassStandings(const ClubRec &club, TKlasse &klasse, const CalcOptions &options, int n,
                             int classIndex, ProblemList *problems);

// "&Verwijder eindstanden": every class loses its standings (results changed
// by the calculation restored), its counts are refreshed and its rows are
// numbered 1..R again under the heading " ".
void RemoveAllStandings(Competition &comp);

// Whether any class shows calculated columns (enables "&Verwijder eindstanden").
bool HasAnyStandings(const Competition &comp);

} // namespace rondaxa
