// Printing the daily classification ("&Printer" of "Dagklassement
// exporteren"): one table on the printer, in the order and with the
// replacement points that the daily window shows, under the title
// "Dagklassement" and optionally the line of result information.
//
// The table is laid out by the page engine of the standings printout, with
// settings of its own for the length of the job: heading row, vertical and
// horizontal rules, automatic field spacing, and the headings "Totaal" and
// "Vervang" on the columns of the day total and the replacement points.
// Afterwards the stored print settings are as before the job, except for an
// automatic font size, which is kept as the standings printout keeps it.
#pragma once

#include "core/daily/daily.h"
#include "core/daily/daily_export.h"
#include "core/model/model.h"
#include "core/reports/print_device.h"
#include "core/reports/print_object.h"

namespace rondaxa {

// Margins of the daily printout, in millimetres on every side.
inline constexpr int kDailyPrintMargin = 20;

// Defines the printed columns on the print object, in the order of the text
// export: place, then the daily grid's columns with the start number and
// "Vervang" as chosen and the extra fields before the results. Returns
// their count.
int SetupDailyColumns(TPrintObject &printer, const ClubRec &club, const DailyTable &table,
                      const DailyExportChoices &choices);

struct DailyPrintOutcome {
    bool Started = false; // the printer took the document
    int Rows = 0;         // rider rows printed
    int FontSize = 0;     // the size the table was printed in
};

// The whole job for the class at tab position classIndex, whose daily
// table this is. A printer that cannot start a document prints nothing and
// changes nothing. A changed automatic font size is kept in the stored print
// settings.
DailyPrintOutcome PrintDailyClassification(Competition &comp, int classIndex, const DailyTable &table,
                                           const DailyExportChoices &choices, PrintDevice &device);

} // namespace rondaxa
