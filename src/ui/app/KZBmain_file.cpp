// The main window's "&Bestand" commands: new, open, save, save as, close,
// a data set of the old DOS edition and classes from another competition
// file. The file itself is the CompetitionFiles'; the window shows what
// replaced the competition.
#include "core/model/dos_import.h"
#include "core/model/messages.h"
#include "core/model/riders.h"
#include "core/results/add_classes.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/CompetitionFiles.h"
#include "ui/app/KZBmain.h"
#include "ui/app/NewFile.h"
#include "ui/app/Oud_laden.h"
#include "ui/results/Aanvul.h"

#include <QUndoStack>

namespace rondaxa {

void TMainForm::Openen1Click() {
    files_->Open();
}

void TMainForm::Bewaren1Click() {
    files_->Save();
}

void TMainForm::Bewaarals1Click() {
    files_->SaveAs();
}

void TMainForm::Sluiten1Click() {
    close();
}

bool TMainForm::LoadFile(const QString &fileName, Prompts &prompts) {
    return files_->Load(fileName, prompts);
}

void TMainForm::Nieuw1Click() {
    if (!files_->ConfirmDiscard())
        return;
    PrepareForCommand();
    const int kind = ChooseNewKind(comp_, this);
    switch (kind) {
    case NewEntirely:
        CloseCompetition();
        doc_.Replace([this] { SetDefaults(comp_); });
        StartHistory(false);
        break;
    case NewKeepSettings:
        doc_.Replace([this] {
            ResetCompetition(comp_, true);
            comp_.Club.NextRiderId = 0;
        });
        StartHistory(true);
        break;
    case NewKeepSettingsRiders:
        doc_.Replace([this] { ResetCompetition(comp_, false); });
        StartHistory(true);
        break;
    default:
        return;
    }
    Clubgegevens1Click();
    if (comp_.ClassCount() >= 1)
        EnableCompetitionCommands(true);
}

void TMainForm::CloseCompetition() {
    files_->Release();
    CloseRiderDetails();
    editor_->Hide();
    grid_->SetClass(&comp_.Club, nullptr); // the classes go: the view lets go of them first
    doc_.Replace([this] { rondaxa::CloseCompetition(comp_); });
    SetCaption(kCaption);
    EnableCompetitionCommands(false);
}

void TMainForm::ShowCompetition() {
    editor_->Hide();
    CloseRiderDetails();
    comp_.ActiveClass = comp_.ClassCount() > 0 ? 0 : -1;
    RebuildTabs();
    EnableCompetitionCommands(true);
    if (comp_.ClassCount() == 0)
        SetCaption(kCaption);
    SelectTab(0);
}

// ---- what the file handling asks of the window ------------------------------

void TMainForm::ReleaseClasses() {
    SelectTab(0);
    editor_->Hide();
    grid_->SetClass(&comp_.Club, nullptr); // a load replaces the classes: let go of them first
}

void TMainForm::ShowLoaded() {
    StartHistory(false);
    ShowCompetition();
}

void TMainForm::ShowKept() {
    TabControl1Change();
}

void TMainForm::ShowSaved(bool saved) {
    if (saved)
        undoStack_->setClean(); // the document is as on disk
    // The standings removed before saving are no step: the grid shows them gone.
    ReloadGrid();
}

// "Open &DOS versie...": the imported competition replaces the open one,
// unnamed and unmodified, to be saved with "Bewaar &als...". When nothing
// could be imported the competition is closed with the default settings.
void TMainForm::Laadversie11Click() {
    if (!files_->ConfirmDiscard())
        return;
    PrepareForCommand();
    SelectTab(0);
    TOud_laden dialog(DosImportStartFolder(store_), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const DosImportChoice choice = dialog.Choice();
    editor_->Hide();
    grid_->SetClass(&comp_.Club, nullptr); // the import replaces the classes: let go of them first
    bool imported = false;
    try {
        doc_.Replace([&] { imported = RunDosImport(comp_, choice, prompts_); });
    } catch (...) {
        TabControl1Change();
        throw;
    }
    StartHistory(false);
    if (imported)
        ShowCompetition();
    else
        CloseCompetition();
    RememberDosImportFolder(store_, dialog.Folder());
}

// "&Klasse uit bestand toevoegen ...": only between competitions that both
// store finishing positions.
void TMainForm::GegevensToevoegen1Click() {
    if ((comp_.Club.Options & OptStoreFinishOrder) == 0) {
        ShowError(prompts_, kNotFinishOrderCode);
        return;
    }
    const QString caption = QStringLiteral("Klasse uit bestand toevoegen");
    const QString fileName = files_->ChooseFileToRead(caption);
    if (fileName.isEmpty())
        return;
    const bool hadClasses = comp_.ClassCount() > 0;
    if (!RunStep(StepScope::WholeCompetition(), QStringLiteral("Klasse uit bestand toevoegen"),
                 [&] { RunAddClasses(comp_, prompts_, fileName, this); }))
        return;
    if (!hadClasses)
        ShowCompetition(); // the competition commands come with the first class
}

} // namespace rondaxa
