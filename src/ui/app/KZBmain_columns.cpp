// The main window's commands on result columns and their information:
// "&Informatie uitslagen..." with its synchronisation, "&Uitslag kolommen
// toevoegen..." and "Uitslagen &wissen / verwijderen...".
#include "core/model/class_grid.h"
#include "core/model/messages.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"
#include "ui/results/KolToevoeg.h"
#include "ui/results/Synchro.h"
#include "ui/results/UitslInfo.h"
#include "ui/results/WisUitslag.h"

namespace rondaxa {

namespace {

void ColourAllClasses(Competition &comp) {
    for (auto &klasse : comp.Classes)
        rondaxa::ColourInfoColumns(*klasse, comp.Club);
}

} // namespace

// "&Informatie uitslagen...": the pages of the active class's result
// information; "&Synchro" opens the synchronisation through notification 2.
void TMainForm::Informatieuitslagen1Click() {
    Edit1Exit();
    TKlasse *klasse = ActiveClass();
    if (!klasse)
        return;
    rondaxa::RemoveClassStandings(*klasse);
    ReloadGrid();
    if (klasse->ResultCount < 1)
        return; // no result column to give information
    {
        TUitslInfo dialog(comp_, *klasse, prompts_, *this, this);
        dialog.OnStored = [this] { RedrawGrid(); };
        dialog.OnSynchro = [this] { Notify(kNotifySynchronise, NotificationKey()); };
        dialog.exec();
    }
    ColourInfoColumns();
    UpdateResultCommands();
}

// Notification 2: the result-information synchronisation.
void TMainForm::SynchroniseResultInfo() {
    if (SynchroniseCommand(comp_, prompts_, this)) {
        ColourAllClasses(comp_);
        RedrawGrid();
    }
}

// "&Uitslag kolommen toevoegen...".
void TMainForm::Uitslagkolommentoevoegen1Click() {
    Edit1Exit();
    PrepareForCommand();
    TKlasse *klasse = ActiveClass();
    if (!klasse)
        return;
    CountColumns(*klasse);
    if (klasse->ResultCount >= kMaxResults) {
        ShowError(prompts_, 60);
    } else {
        TKolToevoeg dialog(comp_, prompts_, this);
        if (dialog.exec() == QDialog::Accepted) {
            AutoSizeColumns(
                *klasse, comp_.Club, [this](std::string_view text) { return TextWidth(text); },
                grid_->TextHeight());
            ColourAllClasses(comp_);
            ReloadGrid();
        }
    }
    UpdateResultCommands();
}

// "Uitslagen &wissen / verwijderen...".
void TMainForm::Uitslagenverwijderen1Click() {
    Edit1Exit();
    PrepareForCommand();
    if (!ActiveClass())
        return;
    if (ClearColumnsCommand(comp_, prompts_, this)) {
        ColourAllClasses(comp_);
        ReloadGrid();
    }
    UpdateResultCommands();
}

} // namespace rondaxa
