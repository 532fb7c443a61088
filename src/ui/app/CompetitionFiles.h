// The open competition's file: opening, saving, saving under another name,
// the question before unsaved changes are dropped, the folder the file
// choosers start in, and the hold on the file while it is open (FileHold).
// It works on the competition's document; the window it serves is told
// before and after the competition is replaced.
#pragma once

#include "core/model/document.h"
#include "core/model/kzb_file.h"
#include "core/platform/platform.h"
#include "ui/app/FileHold.h"

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace rondaxa {

// What the file handling asks of the window that shows the competition.
class CompetitionWindow {
public:
    virtual ~CompetitionWindow() = default;
    // Before the competition is replaced: the views let go of its classes.
    virtual void ReleaseClasses() = 0;
    // A file replaced the competition: its history starts, its first class shows.
    virtual void ShowLoaded() = 0;
    // A load failed: the views show the competition again.
    virtual void ShowKept() = 0;
    // After a save (saved: the competition is as on disk).
    virtual void ShowSaved(bool saved) = 0;
};

class CompetitionFiles {
public:
    CompetitionFiles(CompetitionDocument &doc, Prompts &prompts, SettingsStore &store,
                     CompetitionWindow &window, QWidget *dialogParent);

    // File choosers (replaceable, for tests): return the chosen file or "".
    std::function<QString(const QString &folder)> ChooseOpenFile;
    std::function<QString(const QString &folder)> ChooseSaveFile;
    // Disposes of the backup a save replaces (given under a temporary name,
    // and its own name): to the desktop's trash (replaceable, for tests).
    // False when it could not.
    DisposeBackupFn DisposeBackup;

    // Loads a file; false when nothing was loaded. prompts tells why a file
    // could not be read (silent for the last file at start-up).
    bool Load(const QString &fileName, Prompts &prompts);
    // "&Openen...": a chosen file replaces the competition, after the question.
    void Open();
    // "B&ewaar": under its own name, or another where it has none or is read-only.
    void Save();
    // "Bewaar &als...".
    void SaveAs();
    // Asks before unsaved changes are dropped (saving them on "Ja"); whether
    // the caller may go on.
    bool ConfirmDiscard();
    // The competition is closed: the hold on its file goes.
    void Release() { fileHold_.Release(); }

    // Chooses a competition file to read from (another than the open one).
    QString ChooseFileToRead(const QString &caption);
    // The folder the file choosers start in: the work folder of the settings.
    void ReadWorkFolder();

private:
    bool SaveTo(const std::string &fileName);

    CompetitionDocument &doc_;
    Competition &comp_;
    Prompts &prompts_;
    SettingsStore &store_;
    CompetitionWindow &window_;
    QWidget *dialogParent_;
    FileHold fileHold_;
    QString dialogFolder_;
};

} // namespace rondaxa
