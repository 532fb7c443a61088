// The main window's daily classification command.
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"
#include "ui/daily/dagklas1.h"

namespace rondaxa {

// "&Dagklassement...": the class's standings go first (also when the user
// cancels), then the range, the classification and perhaps its replacement.
void TMainForm::Dagklassement1Click() {
    Edit1Exit();
    if (!ActiveClass())
        return;
    RemoveClassStandings(comp_.ActiveClass);
    ReloadGrid();
    const bool applied = RunDailyClassification(comp_, prompts_, grid_->font(), this);
    // A printout in an automatic font size keeps that size in the print
    // settings, which travel with the competition.
    UpdateSaveButton();
    if (!applied)
        return;
    ReloadGrid();
    UpdateResultCommands();
}

} // namespace rondaxa
