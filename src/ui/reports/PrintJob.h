// What happens around every print job of the desktop program (the standings
// and the daily classification): a job to a file asks before it replaces a
// file and says where the PDF went; a printer that refuses jobs is reported
// instead of passed over in silence.
#pragma once

#include "core/platform/platform.h"

#include <string>

class QPrinter;

namespace rondaxa {

// The print system's word on a printer. The program asks CUPS where it is
// built with it; elsewhere a printer that cannot take a job fails to start it.
class PrintSpooler {
public:
    virtual ~PrintSpooler() = default;
    // Why the printer takes no job now (empty: it takes jobs, or it is a file).
    virtual std::string Refusal(const QPrinter &printer) = 0;
    // Why the job just handed to the printer was not taken (empty: it was).
    virtual std::string JobRefusal(const QPrinter &printer) = 0;
};

PrintSpooler &CurrentPrintSpooler();
// Installs a spooler for tests; nullptr puts the program's own back.
void InstallPrintSpooler(PrintSpooler *spooler);

// The printer set-up dialog has asked the user about replacing the
// printer's existing file: the next job does not ask again.
void ReplaceAgreed(const QPrinter &printer);

// Before a job: false when it must not start (the printer refuses jobs, or
// the user does not want the existing file replaced); said through prompts.
bool MayStartPrintJob(const QPrinter &printer, Prompts &prompts);

// After a job that printed: where the PDF went, or why the printer did not
// take the job. Returns whether the job arrived.
bool ReportPrintJob(const QPrinter &printer, Prompts &prompts);

} // namespace rondaxa
