// The main window: menus, toolbar, class tabs with the class grid, the
// editing field, the status bar and the file commands. It owns the one open
// competition. Command handlers keep the names of their menu items.
//
// A dialog's command is hooked in by giving its handler a body (the handlers
// of dialogs made elsewhere live in KZBmain_commands.cpp) and taking the
// handler off the pending list there. A handler typically calls Edit1Exit()
// (and PrepareForCommand() before structural changes), runs its dialog on
// Comp() / ActiveClass(), then SetModified(...) and ReloadGrid() when rows or
// columns changed, RedrawGrid() when only texts or colours did, or
// ShowCompetition() when the whole competition was replaced. Every handler
// runs inside RunCommand, so an IoError or SettingsError ends only it.
#pragma once

#include "core/model/model.h"
#include "core/model/settings.h"
#include "core/platform/platform.h"
#include "core/scoring/final_standings.h"
#include "ui/app/GridHost.h"
#include "ui/app/MainFormHooks.h"
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

namespace rondaxa {

class CellEditor;
class ClassGridView;

class TMainForm : public QMainWindow, public GridHost {
    Q_OBJECT
public:
    // Help contexts of the main window.
    static constexpr int kHelpNoCompetition = rondaxa::kHelpNoCompetition;
    static constexpr int kHelpCompetition = kHelpClassShown;
    // Codes of the private notification.
    static constexpr int kNotifyShowClass = 1;
    static constexpr int kNotifySynchronise = 2;

    TMainForm(Prompts &prompts, SettingsStore &store, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The command line of the process: the whole line as the system gave it
    // (empty where arguments come split) and the arguments after the program.
    void SetCommandLine(std::string commandLine, std::vector<std::string> params);

    // ---- what dialogs work on ------------------------------------------------
    Competition &Comp() { return comp_; }
    Prompts &GetPrompts() { return prompts_; }
    SettingsStore &Store() { return store_; }
    TKlasse *ActiveClass() const { return comp_.Active(); }
    ClassGridView *ActiveGrid() const { return grid_; }
    QTabBar *Tabs() const { return tabs_; }
    QWidget *TabArea() const { return tabArea_; }
    QAction *Action(const QString &name) const; // by handler or button name
    QMenu *GridPopup() const { return popup_; }
    QLabel *StatusPanel(int i) const { return panels_.at(static_cast<std::size_t>(i)); }
    int HelpContext() const { return helpContext_; }
    // The choices of the final-standings dialog; they last until the program ends.
    CalcOptions &FinalStandingsOptions() { return calcOptions_; }
    void SetRiderDetails(RiderDetailsWindow *window) { riderDetails_ = window; }
    void SetQuickSearch(ModelessWindow *window) { quickSearch_ = window; }

    // File choosers (replaceable, for tests): return the chosen file or "".
    std::function<QString(const QString &folder)> ChooseOpenFile;
    std::function<QString(const QString &folder)> ChooseSaveFile;
    // Disposes of the backup a save replaces: to the desktop's trash
    // (replaceable, for tests). False when it could not.
    std::function<bool(const std::string &path)> DisposeBackup;

    // ---- what dialogs may ask of the window (GridHost) ------------------------------
    Competition &HostCompetition() override { return comp_; }
    void ShowClass(int tab) override;
    void GoToCell(int col, int row) override;
    void CloseModelessWindows() override;

    // ---- the window's operations -----------------------------------------------
    void EnableCompetitionCommands(bool on);
    void UpdateResultCommands();
    void PrepareForCommand();
    void UpdateSaveButton();
    // Marks unsaved changes (ModifiedData or ModifiedClasses).
    void SetModified(uint8_t bits);

    // Tabs and the active grid.
    void RebuildTabs();        // one tab per class ("?" without classes)
    void SelectTab(int index); // selects the tab and shows its class
    void TabControl1Change();  // shows the class of the selected tab
    void ShowResultMode();
    void ColourInfoColumns();
    void RemoveClassStandings(int tab);
    void RedrawGrid(); // texts or colours changed
    void ReloadGrid(); // rows or columns changed
    void ActiveSGSelectCell(int col, int row);
    void ActiveSGHeadingClick(int col);
    void ActiveSGFixedClick(int row);

    // In-grid editing.
    void StartCellEdit(QChar key);
    void Edit1Exit();
    bool IsEditing() const { return editing_; }
    CellEditor *Edit1() const { return edit1_; }
    int EditingKind() const { return editKind_; }

    // The competition file.
    bool ConfirmDiscard();
    void CloseCompetition();
    // Loads a file and shows its first class; false when nothing was loaded.
    bool LoadFile(const QString &fileName, Prompts &prompts);
    // Shows a competition that replaced the open one (loaded, imported or
    // made new): its tabs, the first class, the competition commands.
    void ShowCompetition();

    // Start-up steps of the first paint (run once).
    void FirstPaint();
    bool FirstPaintDone() const { return firstPaintStamp_.has_value(); }

    // The private notification: code 1 shows the selected class again, code
    // 2 opens the result-information synchronisation. A key other than the
    // one taken at the first paint is ignored.
    void Notify(int code, int32_t key);
    int32_t NotificationKey() const { return firstPaintStamp_.value_or(0); }

    // Runs a command: an input/output or settings failure is shown in a
    // message box and ends only that command.
    void RunCommand(const std::function<void()> &command);

public slots:
    // "&Bestand"
    void Nieuw1Click();
    void Openen1Click();
    void Laadversie11Click();
    void GegevensToevoegen1Click();
    void Bewaren1Click();
    void Bewaarals1Click();
    void Uitvoertekstbestand1Click();
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

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction.
    void BuildMenus();
    void BuildToolbar();
    void BuildTabArea();
    void BuildStatusBar();
    QAction *AddCommand(QMenu *menu, const QString &caption, const QString &handler,
                        void (TMainForm::*slot)(), const QKeySequence &key = {});
    void ApplyPlacement();
    void WritePlacement();

    // Commands that are not part of the program yet stay disabled.
    static bool IsPendingHandler(const QString &handler);
    void SetActionEnabled(const QString &name, bool on);
    void MenuOpening();
    bool ClipboardHoldsRider() const;
    void CalculateMenuOpening();
    void SortByHeading(int col);
    void SynchroniseResultInfo();
    void ShowResultColumnsChanged();

    // Editing.
    enum class ExitCause { Leave, ClassChange };
    void FinishEdit(ExitCause cause);
    void HideEditor();
    void KeepEditCellCurrent();
    void Edit1Enter();
    void Edit1Escape();
    void Edit1Up();
    void Edit1Down();
    void MoveCursor(void (*move)(ClassGrid &));
    bool KeyPreview(QKeyEvent *event);
    int TextWidth(std::string_view text) const;

    bool SaveTo(const std::string &fileName);
    QString FolderOf(const QString &fileName) const;

    Prompts &prompts_;
    SettingsStore &store_;
    Competition comp_;
    CalcOptions calcOptions_;

    std::string commandLine_;
    std::vector<std::string> params_;
    std::optional<int32_t> firstPaintStamp_;
    bool firstPaintQueued_ = false;
    QString dialogFolder_;
    int helpContext_ = kHelpNoCompetition;

    RiderDetailsWindow *riderDetails_ = nullptr;
    ModelessWindow *quickSearch_ = nullptr;

    std::map<QString, QAction *> actions_;
    QMenu *editMenu_ = nullptr;
    QMenu *calcMenu_ = nullptr;
    QMenu *searchMenu_ = nullptr;
    QMenu *popup_ = nullptr;
    QToolBar *toolbar_ = nullptr;
    QWidget *tabArea_ = nullptr;
    QWidget *emptyArea_ = nullptr;
    QTabBar *tabs_ = nullptr;
    ClassGridView *grid_ = nullptr;
    CellEditor *edit1_ = nullptr;
    std::vector<QLabel *> panels_;

    bool editing_ = false;
    bool exiting_ = false;
    int editKind_ = 0;
    int editRow_ = 0;
    int editCol_ = 0;
};

} // namespace rondaxa
