// Rider rules that change a class's rows: deleting a rider (with the
// adjustment of the other riders' results), deleting the hors-concours
// riders, pasting a rider record over a row and resetting a competition for
// a new season.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"

#include <vector>

namespace rondaxa {

// Adjusts the other riders' results as if the rider of `row` had not ridden:
// in every race where both have a result above 0, a rider behind the deleted
// one moves up one place (finish positions stored) or gets the points of the
// next better place (points stored). Riders marked as not classified by a
// running calculation keep their results.
void AdjustResultsForDeletion(TKlasse &klasse, const ClubRec &club, int row);

// Removes the rider of `row`. The only rider of a class is not removed but
// emptied (fields, results and hors-concours mark), and the class loses its
// result columns. Otherwise the following rows move up and are renumbered.
void DeleteRiderRow(TKlasse &klasse, const ClubRec &club, int row, bool adjustResults);

// Deletes every hors-concours rider of the class; returns how many.
int DeleteHorsConcoursRiders(TKlasse &klasse, const ClubRec &club, bool adjustResults);

// Deletes the hors-concours riders of the active class, or of every class,
// and reports how many went (" rijders verwijderd!") or that none did
// ("Geen rijders verwijderd.").
// Returns the number.
int DeleteHorsConcours(Competition &comp, bool allClasses, bool adjustResults, Prompts &prompts);

// Copies a pasted rider record into the rider of `row`: name, start number,
// extra fields and hors-concours mark, the results only when the record
// carries them. A rider without identity gets the next one. Returns false when the row has no rider.
bool PasteRiderRecord(Competition &comp, TKlasse &klasse, int row, const TRijder &record, bool withResults);

// Empties the competition for a new season, keeping its settings and
// classes: every grid gets one fixed column, all result columns go, and
// either all riders (one empty rider row stays) or only their results.
void ResetCompetition(Competition &comp, bool removeRiders);

} // namespace rondaxa
