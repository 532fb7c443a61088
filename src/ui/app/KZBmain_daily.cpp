// The main window's daily classification command.
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"
#include "ui/app/UndoSteps.h"
#include "ui/daily/dagklas1.h"

namespace rondaxa {

// "&Dagklassement...": the class's standings go first (also when the user
// cancels), then the range, the classification and perhaps its replacement.
void TMainForm::Dagklassement1Click() {
    if (!ActiveClass())
        return;
    // A printout in an automatic font size keeps that size in the print
    // settings, which travel with the competition: part of the step too.
    RunStep(StepScope::Class(comp_.ActiveClass),
            StepText(QStringLiteral("Dagklassement"), comp_, comp_.ActiveClass), [&] {
                RemoveClassStandings(comp_.ActiveClass);
                ReloadGrid(); // the window opens over the grid without standings
                RunDailyClassification(comp_, prompts_, grid_->font(), this);
            });
}

} // namespace rondaxa
