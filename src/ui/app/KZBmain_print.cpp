// The main window's "&Printen...": the print dialog and the printed standings.
#include "ui/app/KZBmain.h"
#include "ui/reports/Printen1.h"

namespace rondaxa {

void TMainForm::Printen1Click() {
    if (!ActiveClass())
        return;
    // The stored print settings travel with the competition; the result
    // information colours may have been renewed.
    RunStep(StepScope::WholeCompetition(), QStringLiteral("Printinstellingen"),
            [&] { RunPrintDialog(comp_, ProgramPrinter(), prompts_, this); });
}

} // namespace rondaxa
