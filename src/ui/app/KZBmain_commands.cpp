// Small commands of the main window. The standings commands (final standings,
// sorting, text export) live in KZBmain_standings.cpp, quick entry, the
// results check and searching in KZBmain_results.cpp.
#include "core/scoring/final_standings.h"
#include "core/scoring/sorting.h"
#include "ui/app/KZBmain.h"
#include "ui/app/UndoSteps.h"

namespace rondaxa {

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

} // namespace rondaxa
