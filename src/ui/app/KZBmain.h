// The main window: menus, toolbar, class tabs with the class grid, the
// editing field, the status bar and the file commands. It owns the one open
// competition. Command handlers keep the names of their menu items.
//
// Handlers live in KZBmain_<area>.cpp files by menu area (file, riders,
// results, columns, standings, undo). The menus, toolbar
// and pop-up menu are made from the command table (MainActions); a command
// flagged so ends the cell edit before its handler runs. A handler calls
// PrepareForCommand() before structural changes and runs its dialog on
// Comp() / ActiveClass() inside RunStep: the document then marks the
// competition modified, tells the views what changed (they follow in
// KZBmain_undo.cpp) and the step goes on the undo stack. A replaced
// competition (opened, imported, new) goes through the document's Replace.
// Every handler runs inside RunCommand, so an IoError or SettingsError ends
// only it.
//
// Dialogs get the window as a GridHost, never as itself; what is public here
// beyond that is for the program's start-up and the window's tests. The
// in-grid editing is the CellEditController's.
#pragma once

#include "core/model/document.h"
#include "core/model/kzb_file.h"
#include "core/model/model.h"
#include "core/model/settings.h"
#include "core/platform/platform.h"
#include "core/scoring/final_standings.h"
#include "ui/app/CellEditController.h"
#include "ui/app/CompetitionFiles.h"
#include "ui/app/MainFormHooks.h"
#include "ui/common/GridHost.h"
#include "ui/platform/Help.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QTabBar;
class QToolBar;
class QUndoStack;

namespace rondaxa {

class DocumentSignals;
class MainActions;
class TSnelZoeken;
class DocumentStep;
class ClassGridView;
class TRijderData;

class TMainForm : public QMainWindow, public GridHost, private CellEditHost, private CompetitionWindow {
    Q_OBJECT
public:
    // Help contexts of the main window.
    static constexpr int kHelpNoCompetition = rondaxa::kHelpNoCompetition;
    static constexpr int kHelpCompetition = kHelpClassShown;
    // Codes of the private notification.
    static constexpr int kNotifyShowClass = 1;
    static constexpr int kNotifySynchronise = 2;
    // The caption without a class shown.
    static constexpr const char *kCaption = "Rondaxa";

    TMainForm(Prompts &prompts, SettingsStore &store, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The command line of the process: the whole line as the system gave it
    // (empty where arguments come split) and the arguments after the program.
    void SetCommandLine(std::string commandLine, std::vector<std::string> params);

    // ---- what the window's tests and parts look at ----------------------------
    Competition &Comp() { return comp_; }
    CompetitionDocument &Document() { return doc_; }
    QUndoStack &UndoStack() const { return *undoStack_; }
    Prompts &GetPrompts() { return prompts_; }
    TKlasse *ActiveClass() const { return comp_.Active(); }
    // A menu item, pop-up item or toolbar button by handler or button name.
    // An unknown name is a programming error: see UnknownCommand.
    QAction *Action(const QString &name) const;
    int HelpContext() const { return helpContext_; }
    bool IsEditing() const { return editor_->IsEditing(); }
    // The choices of the final-standings dialog; they last until the program ends.
    CalcOptions &FinalStandingsOptions() { return calcOptions_; }

    // The competition's file: opening, saving, the file choosers.
    CompetitionFiles &Files() { return *files_; }
    // What a command name that the window does not have leads to: a warning,
    // and in debug builds an assertion. Tests replace it to see it happen.
    static std::function<void(const QString &name)> UnknownCommand;

    // Marks unsaved changes that are no undo step (ModifiedData or
    // ModifiedClasses): the saved state can no longer be reached by undo.
    void SetModified(uint8_t bits);
    // Runs change as one step of the document over scope: when it changed
    // the competition it becomes an undo step named `name` (worked out after
    // the change). Returns whether it changed anything.
    bool RunStep(const StepScope &scope, const std::function<QString()> &name,
                 const std::function<void()> &change);
    bool RunStep(const StepScope &scope, const QString &name, const std::function<void()> &change);
    void RedrawGrid(); // texts or colours of the active class changed
    void ReloadGrid(); // its rows or columns changed

    // ---- what dialogs may ask of the window (GridHost) ------------------------------
    Competition &HostCompetition() override { return comp_; }
    void ShowClass(int tab) override;
    void GoToCell(int col, int row) override;
    DocumentSignals *HostNotices() override { return notices_; }

    // ---- the competition file ----------------------------------------------------
    // Loads a file and shows its first class; false when nothing was loaded.
    bool LoadFile(const QString &fileName, Prompts &prompts);

    // Start-up steps of the first paint (run once).
    void FirstPaint();
    bool FirstPaintDone() const { return firstPaintStamp_.has_value(); }

    // The private notification: code 1 shows the selected class again, code
    // 2 opens the result-information synchronisation. A key other than the
    // one taken at the first paint is ignored.
    void Notify(int code, int32_t key);
    int32_t NotificationKey() const { return firstPaintStamp_.value_or(0); }

public slots:
    // "&Bestand"
    void Nieuw1Click();
    void Openen1Click();
    void Laadversie11Click();
    void GegevensToevoegen1Click();
    void Bewaren1Click();
    void Bewaarals1Click();
    void Uitvoertekstbestand1Click();
    void Publicerennaarmap1Click();
    void Printen1Click();
    void Sluiten1Click();
    // "Be&werken"
    void Rijder1Click();
    void Rijdertoevogen1Click();
    void RijderVerwijderen1Click();
    void Verwijderrijdersbuitenmededing1Click();
    void Kopieerrijder1Click();
    void Plakkenrijder1Click();
    void Uitslagentoevoegen1Click();
    void Uitslagkolommentoevoegen1Click();
    void Uitslagenverwijderen1Click();
    void Informatieuitslagen1Click();
    void Controleuitslagen1Click();
    // "Bere&kenen"
    void BrutoNetto1Click();
    void Verwijderuitslagen1Click();
    void Dagklassement1Click();
    void Seizoensverloop1Click();
    // "&Zoeken/sorteren"
    void SnelZoekClick();
    void UitZoekenClick();
    void Sorteren1Click();
    // "&Instellingen"
    void Clubgegevens1Click();
    void Weergave1Click();
    void Algemeen1Click();
    // "&Help"
    void Help2Click();
    void Informatie1Click();
    void HelpButtonClick(); // toolbar help: the window's help context
    // "Ongedaan &maken" / "Op&nieuw": the last step taken back or done again,
    // shown where it changed the competition.
    void UndoClick();
    void RedoClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    class RiderHost; // the rider details window's view of the window

    // Runs a command: an input/output or settings failure is shown in a
    // message box and ends only that command.
    void RunCommand(const std::function<void()> &command);

    // ---- the window's operations -----------------------------------------------
    void EnableCompetitionCommands(bool on);
    // Enables the commands and shows the menus that the window's state allows.
    void UpdateCommands();
    void PrepareForCommand();
    void CloseRiderDetails();

    // Tabs and the active grid.
    void RebuildTabs();                    // one tab per class ("?" without classes)
    void SelectTab(int index);             // selects the tab and shows its class
    void TabControl1Change();              // shows the class of the selected tab
    void ShowActiveClass(TKlasse &klasse); // its grid laid out, caption, commands
    void ShowResultMode();
    void ColourInfoColumns();
    void RemoveClassStandings(int tab);
    // Scrolls the class's current cell into view and lets the status panels
    // and the rider details window follow it.
    void ShowCursor() override;
    void ActiveSGSelectCell(int col, int row);
    void ActiveSGHeadingClick(int col);
    void ActiveSGFixedClick(int row);

    // The competition file.
    void CloseCompetition();
    // What the file handling asks of the window (CompetitionWindow).
    void ReleaseClasses() override;
    void ShowLoaded() override;
    void ShowKept() override;
    void ShowSaved(bool saved) override;
    // Shows a competition that replaced the open one (loaded, imported or
    // made new): its tabs, the first class, the competition commands.
    void ShowCompetition();

    // The rider details window: made the first time it is needed, and the
    // one that is open (or nothing).
    TRijderData *RiderDetails();
    TRijderData *OpenRiderDetails();

    // Construction.
    void BuildCommands();
    void BuildTabArea();
    void BuildStatusBar();

    void MenuOpening();
    void CalculateMenuOpening();
    void SortByHeading(int col);
    void SynchroniseResultInfo();
    void ShowResultColumnsChanged();

    // Following the document (KZBmain_undo.cpp).
    void BuildUndo();
    void FollowDocument();
    void UpdateUndoActions();
    void ShowStepPlace(const DocumentStep &step);
    void ShowClassChanged(int tab);
    void ShowCellsChanged(int tab);
    void ShowStatusLine();
    void SetCaption(const QString &caption);
    // A competition that replaced the open one starts a history of its own.
    void StartHistory(bool modified);

    // In-grid editing: the window around the editing field (CellEditHost).
    void Edit1Exit(); // ends the edit: the cell typed is stored or refused
    Competition &EditedCompetition() override { return comp_; }
    Prompts &EditPrompts() override { return prompts_; }
    void StoreEdit(const StepScope &scope, const QString &name, const std::function<void()> &change) override;
    RiderDetailsWindow *ShownRiderDetails() override;
    int TextWidth(std::string_view text) const;

    Prompts &prompts_;
    SettingsStore &store_;
    CompetitionDocument doc_;
    Competition &comp_ = doc_.Comp();
    QUndoStack *undoStack_ = nullptr;
    CalcOptions calcOptions_;
    std::unique_ptr<CompetitionFiles> files_;

    std::string commandLine_;
    std::vector<std::string> params_;
    std::optional<int32_t> firstPaintStamp_;
    bool firstPaintQueued_ = false;
    int helpContext_ = kHelpNoCompetition;

    TRijderData *riderDetails_ = nullptr; // made the first time it is needed
    TSnelZoeken *quickSearch_ = nullptr;  // made the first time it is needed
    DocumentSignals *notices_ = nullptr;

    MainActions *actions_ = nullptr;
    bool competitionShown_ = false; // the competition commands are offered
    QWidget *tabArea_ = nullptr;
    QWidget *emptyArea_ = nullptr;
    QTabBar *tabs_ = nullptr;
    ClassGridView *grid_ = nullptr;
    CellEditController *editor_ = nullptr;
    std::vector<QLabel *> panels_;
};

} // namespace rondaxa
