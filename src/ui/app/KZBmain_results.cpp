// The main window's commands of the race evening: quick results entry, the
// results check and the two searches.
#include "core/model/messages.h"
#include "core/results/quick_entry.h"
#include "ui/app/KZBmain.h"
#include "ui/app/UndoSteps.h"
#include "ui/results/SnelUitslag.h"
#include "ui/results/VraagUitslag.h"
#include "ui/scoring/SnelZoeken.h"
#include "ui/scoring/ZoekAll.h"

#include <QRadioButton>
#include <QSpinBox>

namespace rondaxa {

// "&Snel uitslagen toevoegen...": refused for a class that has too few
// start numbers; the standings go before the dialog opens, even when it is
// then cancelled.
void TMainForm::Uitslagentoevoegen1Click() {
    TKlasse *klasse = ActiveClass();
    if (!klasse)
        return;
    if (!HasEnoughStartNumbers(*klasse)) {
        ShowError(prompts_, kFewStartNumbersCode);
        return;
    }
    PrepareForCommand();
    const int tab = comp_.ActiveClass;
    int column = 0;
    RunStep(
        StepScope::Class(tab),
        [&] { return StepText(QStringLiteral("Snel uitslagen toevoegen"), comp_, tab, column); },
        [&] {
            // A list entered while the dialog stays open shows at once: the
            // step is announced only when the dialog is done.
            TSnelUit dialog(
                comp_, prompts_, [this] { ReloadGrid(); }, this);
            dialog.Prepare();
            dialog.exec();
            column =
                dialog.ChangeColumnButton()->isChecked() ? dialog.ColumnBox()->value() : klasse->ResultCount;
        });
}

// "&Controle uitslagen...".
void TMainForm::Controleuitslagen1Click() {
    RunResultsCheck(comp_, prompts_, *this, this);
}

// "&Snelzoeken..." (F3).
void TMainForm::SnelZoekClick() {
    if (!ActiveClass())
        return;
    // The window lives as long as the main window.
    if (!quickSearch_)
        quickSearch_ = new TSnelZoeken(*this, prompts_, this);
    quickSearch_->SnelZoekClick();
}

// "&Uitgebreid zoeken...".
void TMainForm::UitZoekenClick() {
    if (!ActiveClass())
        return;
    TZoekAll dialog(*this, prompts_, this);
    dialog.exec();
}

} // namespace rondaxa
