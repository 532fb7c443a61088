// The main window's standings commands: the final standings with their tie
// list, the sort dialog and the text / HTML export.
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"
#include "ui/app/UndoSteps.h"
#include "ui/reports/TekstUit.h"
#include "ui/results/ToonBox.h"
#include "ui/scoring/Calc.h"
#include "ui/scoring/Sorteer.h"

namespace rondaxa {

// "&Eindstanden...": the dialog, the standings of the chosen classes, the
// current class shown again, then the ties no step could settle.
void TMainForm::BrutoNetto1Click() {
    TKlasse *current = ActiveClass();
    if (!CheckCountingColumns(current, prompts_))
        return;
    TToonBox ties(*this, this);
    {
        TCalc dialog(comp_.Club, *current, calcOptions_, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        RunStep(StepScope::WholeCompetition(),
                StepText(QStringLiteral("Eindstanden"), comp_, comp_.ActiveClass),
                [&] { RunFinalStandings(comp_, dialog, calcOptions_, ties.Problems()); });
    }
    if (ties.HasProblems())
        ties.ShowTieList();
}

// "&Sorteren...": the chosen order, then the current cell selected again so
// the status line follows it.
void TMainForm::Sorteren1Click() {
    TKlasse *klasse = ActiveClass();
    if (!klasse)
        return;
    RunStep(StepScope::Class(comp_.ActiveClass),
            StepText(QStringLiteral("Sorteren"), comp_, comp_.ActiveClass),
            [&] { SortCommand(comp_.Club, *klasse, calcOptions_.HorsConcours(), this); });
}

// "&Uitvoer tekst/html bestand...".
void TMainForm::Uitvoertekstbestand1Click() {
    if (ActiveClass())
        RunTextExport(comp_, this);
}

} // namespace rondaxa
