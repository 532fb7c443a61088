// The main window's commands on result columns and their information:
// "&Informatie uitslagen..." with its synchronisation, "&Uitslag kolommen
// toevoegen..." and "Uitslagen &wissen / verwijderen...".
#include "core/model/class_grid.h"
#include "core/model/messages.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"
#include "ui/app/UndoSteps.h"
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

// After result columns or their information changed: every class's colours
// (the views follow the step's notice).
void TMainForm::ShowResultColumnsChanged() {
    ColourAllClasses(comp_);
}

// "&Informatie uitslagen...": the pages of the active class's result
// information; "&Synchro" opens the synchronisation through notification 2.
void TMainForm::Informatieuitslagen1Click() {
    TKlasse *klasse = ActiveClass();
    if (!klasse)
        return;
    // The synchronisation it may start changes other classes too.
    RunStep(StepScope::WholeCompetition(),
            StepText(QStringLiteral("Informatie uitslagen"), comp_, comp_.ActiveClass), [&] {
                rondaxa::RemoveClassStandings(*klasse);
                ReloadGrid(); // the dialog opens over the grid without standings
                if (klasse->ResultCount < 1)
                    return; // no result column to give information
                TUitslInfo dialog(comp_, *klasse, prompts_, *this, this);
                dialog.OnStored = [this] { RedrawGrid(); }; // shown while the dialog stays open
                dialog.OnSynchro = [this] { Notify(kNotifySynchronise, NotificationKey()); };
                dialog.exec();
                ShowResultColumnsChanged();
            });
}

// Notification 2: the result-information synchronisation.
void TMainForm::SynchroniseResultInfo() {
    RunStep(StepScope::WholeCompetition(), QStringLiteral("Informatie uitslagen synchroniseren"), [&] {
        if (SynchroniseCommand(comp_, prompts_, this))
            ShowResultColumnsChanged();
    });
}

// "&Uitslag kolommen toevoegen...".
void TMainForm::Uitslagkolommentoevoegen1Click() {
    PrepareForCommand();
    TKlasse *klasse = ActiveClass();
    if (!klasse)
        return;
    CountColumns(*klasse);
    if (klasse->ResultCount >= kMaxResults) {
        ShowError(prompts_, 60);
        return;
    }
    RunStep(StepScope::Class(comp_.ActiveClass),
            StepText(QStringLiteral("Uitslag kolommen toevoegen"), comp_, comp_.ActiveClass), [&] {
                TKolToevoeg dialog(comp_, prompts_, this);
                if (dialog.exec() == QDialog::Accepted)
                    ShowResultColumnsChanged();
            });
}

// "Uitslagen &wissen / verwijderen...".
void TMainForm::Uitslagenverwijderen1Click() {
    PrepareForCommand();
    if (!ActiveClass())
        return;
    // It may clear the columns of every class.
    RunStep(StepScope::WholeCompetition(),
            StepText(QStringLiteral("Uitslagen wissen / verwijderen"), comp_, comp_.ActiveClass), [&] {
                ClearColumnsCommand(comp_, prompts_, this);
                ShowResultColumnsChanged();
            });
}

} // namespace rondaxa
