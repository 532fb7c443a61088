// The main window's rider and settings commands: the rider details window,
// adding, deleting, copying and pasting riders, the display settings and
// the club settings.
#include "core/model/clipboard_record.h"
#include "core/model/editing.h"
#include "core/model/messages.h"
#include "core/model/riders.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/DelBuitenmededinging.h"
#include "ui/app/DelRijder.h"
#include "ui/app/KZBmain.h"
#include "ui/app/Kopie.h"
#include "ui/app/RijderData.h"
#include "ui/app/UndoSteps.h"
#include "ui/app/Weergave.h"
#include "ui/scoring/DataClub.h"

namespace rondaxa {

// The rider details window's view of the main window.
class TMainForm::RiderHost : public RiderDetailsHost {
public:
    explicit RiderHost(TMainForm &form) : form_(form) {}

    Competition &Comp() override { return form_.comp_; }
    Prompts &GetPrompts() override { return form_.prompts_; }
    int CurrentRow() const override {
        const TKlasse *klasse = form_.ActiveClass();
        return klasse ? klasse->Grid.CurRow : 0;
    }
    void GoToRow(int row) override {
        if (const TKlasse *klasse = form_.ActiveClass())
            form_.GoToCell(klasse->Grid.CurCol, row);
    }
    void RedrawGrid() override { form_.RedrawGrid(); }
    void ReloadGrid() override { form_.ReloadGrid(); }
    void WidenColumnFor(int kind, int row) override {
        TKlasse *klasse = form_.ActiveClass();
        if (!klasse)
            return;
        ClassGridView *grid = form_.grid_;
        rondaxa::WidenColumnFor(*klasse, form_.comp_.Club, kind, row,
                                [grid](std::string_view text) { return grid->TextWidth(text); });
        grid->ApplyLayout();
    }
    bool CheckDuplicate(std::string_view text, int kind, int exceptRow) override {
        const TKlasse *klasse = form_.ActiveClass();
        return !klasse ||
               rondaxa::CheckDuplicate(form_.comp_.Club, *klasse, text, kind, exceptRow, GetPrompts());
    }
    void FocusGrid() override {
        form_.activateWindow();
        form_.grid_->setFocus();
    }
    void StoreChange(int row, const std::function<void()> &change) override {
        const Competition &comp = form_.comp_;
        form_.RunStep(StepScope::Cells(comp.ActiveClass, -1, row),
                      StepText(QStringLiteral("Gegevens rijder"), comp, comp.ActiveClass), change);
    }
    void ChangeRows(const QString &name, const std::function<void()> &change) override {
        const Competition &comp = form_.comp_;
        form_.RunStep(StepScope::Class(comp.ActiveClass), StepText(name, comp, comp.ActiveClass), change);
    }

private:
    TMainForm &form_;
};

// The rider details window lives as long as the main window (its child
// while kept on top, a window of its own otherwise).
TRijderData *TMainForm::RiderDetails() {
    if (!riderDetails_)
        riderDetails_ = new TRijderData(std::make_unique<RiderHost>(*this), this);
    return riderDetails_;
}

TRijderData *TMainForm::OpenRiderDetails() {
    return riderDetails_ && riderDetails_->IsOpen() ? riderDetails_ : nullptr;
}

void TMainForm::Rijder1Click() {
    if (ActiveClass())
        RiderDetails()->OpenRiderDetails();
}

void TMainForm::Rijdertoevogen1Click() {
    TKlasse *klasse = ActiveClass();
    if (!klasse)
        return;
    if (TRijderData *details = OpenRiderDetails()) {
        details->SBnewClick();
        details->TakeFocus();
        return;
    }
    int row = 0;
    RunStep(StepScope::Class(comp_.ActiveClass),
            StepText(QStringLiteral("Rijder toevoegen"), comp_, comp_.ActiveClass), [&] {
                RemoveClassStandings(comp_.ActiveClass);
                row = NewRiderRow(*klasse, comp_.Club);
            });
    if (row < 1)
        return;
    if (klasse->Grid.FixedCols < 2) {
        GoToCell(1, row);
        editor_->Start(QChar());
    } else {
        GoToCell(klasse->Grid.CurCol, row);
        RiderDetails()->OpenRiderDetails();
    }
}

void TMainForm::RijderVerwijderen1Click() {
    TRijderData *details = OpenRiderDetails();
    if (details)
        details->StoreRiderEdits();
    TKlasse *klasse = ActiveClass();
    if (!klasse)
        return;
    RunStep(StepScope::Class(comp_.ActiveClass),
            StepText(QStringLiteral("Rijder verwijderen"), comp_, comp_.ActiveClass), [&] {
                RemoveClassStandings(comp_.ActiveClass);
                ReloadGrid(); // the question is asked over the grid without standings
                ConfirmDeleteRider(comp_, *klasse, klasse->Grid.CurRow, prompts_, this);
            });
    if (details)
        details->ShowRider(klasse->Grid.CurRow);
}

void TMainForm::Verwijderrijdersbuitenmededing1Click() {
    TRijderData *details = OpenRiderDetails();
    if (details)
        details->StoreRiderEdits();
    if (!ActiveClass())
        return;
    RunStep(StepScope::WholeCompetition(), QStringLiteral("Verwijder rijders buitenmededinging"), [&] {
        for (int tab = 0; tab < comp_.ClassCount(); ++tab)
            RemoveClassStandings(tab);
        ReloadGrid(); // the question is asked over the grid without standings
        DeleteHorsConcoursCommand(comp_, prompts_, this);
    });
    if (details && ActiveClass())
        details->ShowRider(ActiveClass()->Grid.CurRow);
}

void TMainForm::Kopieerrijder1Click() {
    if (TRijderData *details = OpenRiderDetails())
        details->StoreRiderEdits();
    if (const TKlasse *klasse = ActiveClass())
        CopyRiderCommand(*klasse, comp_.Club, klasse->Grid.CurRow, this);
}

void TMainForm::Plakkenrijder1Click() {
    if (TRijderData *details = OpenRiderDetails())
        details->StoreRiderEdits();
    TKlasse *klasse = ActiveClass();
    if (!klasse)
        return;
    const int row = klasse->Grid.CurRow;
    bool pasted = false;
    RunStep(StepScope::Cells(comp_.ActiveClass, -1, row),
            StepText(QStringLiteral("Plakken rijdergegevens"), comp_, comp_.ActiveClass), [&] {
                RemoveClassStandings(comp_.ActiveClass);
                pasted = PasteRider(comp_, *klasse, row, ClipboardRiderRecord(), prompts_,
                                    ClipboardRiderStorage());
            });
    if (!pasted)
        return;
    if (TRijderData *details = OpenRiderDetails())
        details->ShowRider(row);
    if (!CheckDuplicate(comp_.Club, *klasse, klasse->Rider(row)->Name.str(), KindName, row, prompts_))
        ShowError(prompts_, 10);
}

void TMainForm::Weergave1Click() {
    PrepareForCommand();
    const TKlasse *klasse = ActiveClass();
    const QFont font = klasse ? grid_->GridFontOf(klasse->Grid.Font) : grid_->font();
    RunStep(StepScope::DisplaySettings(), QStringLiteral("Weergave"), [&] {
        Tweergave dialog(comp_, font, this);
        dialog.exec();
    });
    grid_->setFocus();
}

void TMainForm::Clubgegevens1Click() {
    PrepareForCommand();
    SelectTab(0);
    RunStep(StepScope::ClubSettings(), QStringLiteral("Club gegevens"),
            [&] { RunClubSettings(comp_, prompts_, this); });
    SelectTab(0);
}

} // namespace rondaxa
