// Result columns: adding them (at the end or before a chosen column) and
// clearing or deleting them, keeping the result information in step.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"

#include <string>

namespace rondaxa {

// Clears or deletes the result columns from .. to of the class at tab
// position tab (all of them with all). Clearing empties the results and
// keeps the columns. Deleting moves every rider's later results to the left
// and keeps the result information in step: each block afterwards covers
// exactly the columns of its old range that remain, renumbered, and a block
// with no column left is deleted. A class with fewer than from result
// columns is left as it is.
void ClearResultColumns(Competition &comp, int tab, int from, bool deleteColumns, bool all, int to);

// What the clear/delete dialog chose.
struct ClearChoice {
    bool Delete = false;     // "&Verwijderen" (else "&Wissen")
    bool AllClasses = false; // "All&e klassen" (else the active class)
    bool AllResults = false; // "Alle uit&slagen !!!" (else "&Uitslag kolom :")
    int First = 1;
    bool Through = false; // "&t/m :"
    int Last = 1;
};

// The question asked before the choice is carried out.
std::string ClearQuestion(const ClearChoice &choice);

// Carries the choice out in the active class or in every class.
void ClearChosenColumns(Competition &comp, const ClearChoice &choice);

// Adds count result columns to the class, never beyond 50: at the end, or
// with insert before the result column that holds the grid cursor. Results,
// result information and numbers of the later columns move right; a block
// that reaches over the insert point grows by the inserted columns. Returns
// the number of columns added.
int AddResultColumns(Competition &comp, TKlasse &klasse, int count, bool insert);

// The most columns the active class can still take (50 without a class).
int ColumnsLeftToAdd(const Competition &comp);

// Adds count columns to the active class (message 60 when it would pass 50
// and nothing is added) or to every class at the end (each as far as 50).
// Returns whether anything was tried.
bool AddColumnsToClasses(Competition &comp, int count, bool allClasses, bool insert, Prompts &prompts);

} // namespace rondaxa
