// The main window's standings commands and what is made of the results:
// the final standings with their tie list, removing them, sorting, the daily
// classification, the season chart, printing, the text / HTML export and
// publishing the season site.
#include "core/scoring/final_standings.h"
#include "core/scoring/sorting.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"
#include "ui/app/UndoSteps.h"
#include "ui/daily/dagklas1.h"
#include "ui/reports/Printen1.h"
#include "ui/reports/Publiceren.h"
#include "ui/reports/TekstUit.h"
#include "ui/results/ToonBox.h"
#include "ui/scoring/Calc.h"
#include "ui/scoring/Seizoensverloop.h"
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

// "Bere&kenen" opening: "&Verwijder eindstanden" only while some class shows standings.
void TMainForm::CalculateMenuOpening() {
    Action("Verwijderuitslagen1Click")->setEnabled(HasAnyStandings(comp_));
}

// A heading click re-sorts the class by that column.
void TMainForm::SortByHeading(int col) {
    if (TKlasse *klasse = ActiveClass())
        RunStep(StepScope::Class(comp_.ActiveClass),
                StepText(QStringLiteral("Sorteren"), comp_, comp_.ActiveClass),
                [&] { rondaxa::SortByHeading(comp_.Club, *klasse, col, calcOptions_.HorsConcours()); });
}

// "&Verwijder eindstanden": every class back to its results as entered.
void TMainForm::Verwijderuitslagen1Click() {
    RunStep(StepScope::WholeCompetition(), QStringLiteral("Verwijder eindstanden"),
            [this] { RemoveAllStandings(comp_); });
}

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

// "&Printen...": the print dialog and the printed standings.
void TMainForm::Printen1Click() {
    if (!ActiveClass())
        return;
    // The stored print settings travel with the competition; the result
    // information colours may have been renewed.
    RunStep(StepScope::WholeCompetition(), QStringLiteral("Printinstellingen"),
            [&] { RunPrintDialog(comp_, ProgramPrinter(), prompts_, this); });
}

// "Pu&bliceren naar map..." and "&Seizoensverloop...": both work on a
// calculated copy of the competition, so the grids stay as they are.
void TMainForm::Publicerennaarmap1Click() {
    if (comp_.Classes.empty())
        return;
    PublishSeasonSite(comp_, prompts_, this);
}

void TMainForm::Seizoensverloop1Click() {
    if (!ActiveClass())
        return;
    TSeizoensverloop chart(comp_, comp_.ActiveClass, prompts_, this);
    chart.exec();
}

} // namespace rondaxa
