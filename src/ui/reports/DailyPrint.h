// The printed daily classification on a QPrinter: the job of the core with
// the hourglass showing, and a printer that fails reported in a message box.
// It fills the printing hook of "Dagklassement exporteren" (DagUit.h).
#pragma once

#include "core/daily/daily_export.h"
#include "core/model/model.h"
#include "core/platform/platform.h"

class QPrinter;

namespace rondaxa {

// Prints the daily table of klasse (a class of comp) on printer. Returns
// whether it was printed; a failure has been reported through prompts.
bool PrintDailyOnPrinter(Competition &comp, const TKlasse &klasse, const DailyTable &table,
                         const DailyExportChoices &choices, QPrinter &printer, Prompts &prompts);

} // namespace rondaxa
