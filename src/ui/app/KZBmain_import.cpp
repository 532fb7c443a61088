// The main window's commands that bring data in from elsewhere: a data set
// of the old DOS edition, and classes from another competition file.
#include "core/model/dos_import.h"
#include "core/model/messages.h"
#include "core/results/add_classes.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"
#include "ui/app/Oud_laden.h"
#include "ui/results/Aanvul.h"

#include <QFileDialog>

namespace rondaxa {

// "Open &DOS versie...": the imported competition replaces the open one,
// unnamed and unmodified, to be saved with "Bewaar &als...". When nothing
// could be imported the competition is closed with the default settings.
void TMainForm::Laadversie11Click() {
    if (!ConfirmDiscard())
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
    const QString fileName = ChooseOpenFile
                                 ? ChooseOpenFile(dialogFolder_)
                                 : QFileDialog::getOpenFileName(this, caption, dialogFolder_,
                                                                QStringLiteral("Rondaxa bestanden (*.kzb)"));
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
