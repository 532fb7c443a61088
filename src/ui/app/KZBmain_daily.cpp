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
    if (!RunDailyClassification(comp_, prompts_, grid_->font(), this))
        return;
    ReloadGrid();
    UpdateResultCommands();
}

} // namespace rondaxa
