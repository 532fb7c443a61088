#include "ui/app/CompetitionFiles.h"

#include "core/model/messages.h"
#include "core/model/settings.h"
#include "core/model/startup.h"
#include "core/scoring/final_standings.h"
#include "ui/common/WriteErrors.h"

#include <QFileDialog>
#include <QFileInfo>

namespace rondaxa {

namespace {

constexpr const char *kUnsavedQuestion = "Gegevens zijn nog niet bewaard, Bewaren ?";
constexpr const char *kFileFilter = "Rondaxa 2 (*.kzb)";

QString FolderOf(const QString &fileName) {
    return QFileInfo(fileName).absolutePath();
}

} // namespace

CompetitionFiles::CompetitionFiles(CompetitionDocument &doc, Prompts &prompts, SettingsStore &store,
                                   CompetitionWindow &window, QWidget *dialogParent)
    : DisposeBackup(MoveBackupToTrash), doc_(doc), comp_(doc.Comp()), prompts_(prompts), store_(store),
      window_(window), dialogParent_(dialogParent) {}

void CompetitionFiles::ReadWorkFolder() {
    dialogFolder_ = QString::fromStdString(ReadSettingString(store_, kSettingWorkFolder));
}

bool CompetitionFiles::ConfirmDiscard() {
    if (comp_.Modified == 0)
        return true;
    switch (prompts_.Ask(kUnsavedQuestion, Buttons::YesNoCancel)) {
    case Answer::Yes:
        Save();
        // Go on only when the changes are safe: a failed or cancelled save
        // must not let the caller discard them.
        return comp_.Modified == 0;
    case Answer::No:
        return true;
    default:
        return false;
    }
}

bool CompetitionFiles::Load(const QString &fileName, Prompts &prompts) {
    const std::string name = fileName.toStdString();
    // A file held by another program is asked about even where a load is
    // otherwise silent (the last file at start-up).
    if (!fileHold_.BeforeOpen(name, prompts_))
        return false;
    window_.ReleaseClasses();
    LoadResult result = LoadResult::NotAttempted;
    try {
        doc_.Replace([&] { result = LoadCompetition(comp_, name, &store_); });
    } catch (...) {
        fileHold_.OpenFailed();
        window_.ShowKept();
        throw;
    }
    if (result != LoadResult::Loaded) {
        fileHold_.OpenFailed();
        if (result == LoadResult::Rejected)
            ShowError(prompts, kLoadRejectedCode);
        window_.ShowKept();
        return false;
    }
    fileHold_.Opened(name);
    window_.ShowLoaded();
    return true;
}

void CompetitionFiles::Open() {
    const QString fileName = ChooseOpenFile
                                 ? ChooseOpenFile(dialogFolder_)
                                 : QFileDialog::getOpenFileName(dialogParent_, QStringLiteral("Openen"),
                                                                dialogFolder_, kFileFilter);
    if (fileName.isEmpty())
        return;
    dialogFolder_ = FolderOf(fileName);
    if (!ConfirmDiscard())
        return;
    Load(fileName, prompts_);
}

QString CompetitionFiles::ChooseFileToRead(const QString &caption) {
    return ChooseOpenFile ? ChooseOpenFile(dialogFolder_)
                          : QFileDialog::getOpenFileName(dialogParent_, caption, dialogFolder_,
                                                         QStringLiteral("Rondaxa bestanden (*.kzb)"));
}

bool CompetitionFiles::SaveTo(const std::string &fileName) {
    if (!fileHold_.BeforeSave(fileName, prompts_))
        return false;
    const bool saved =
        WriteReportingErrors(prompts_, [&] { SaveCompetition(comp_, fileName, &store_, DisposeBackup); });
    if (saved)
        fileHold_.Saved(fileName);
    else
        fileHold_.SaveFailed();
    window_.ShowSaved(saved);
    return saved;
}

// Standings are never stored: they go before a save, as no step.
void CompetitionFiles::Save() {
    RemoveAllStandings(comp_);
    // A file opened read-only is saved under another name.
    if (!comp_.FileName.empty() && !fileHold_.ReadOnly())
        SaveTo(comp_.FileName);
    else
        SaveAs();
}

void CompetitionFiles::SaveAs() {
    QString fileName;
    if (ChooseSaveFile) {
        fileName = ChooseSaveFile(dialogFolder_);
    } else {
        QFileDialog dialog(dialogParent_, QStringLiteral("Bewaar als"), dialogFolder_, kFileFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("kzb"));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            fileName = dialog.selectedFiles().constFirst();
    }
    if (fileName.isEmpty())
        return;
    dialogFolder_ = FolderOf(fileName);
    const std::optional<std::string> target = SaveAsFileName(fileName.toStdString());
    if (!target)
        return; // another extension: nothing is saved
    RemoveAllStandings(comp_);
    SaveTo(*target);
}

} // namespace rondaxa
