// The main window's commands, in one table: each command's handler name,
// caption, keys, picture and flags. The menu bar, the toolbar and the grid's
// pop-up menu list commands by name; their actions are made from the table,
// run the command's handler through the window, and are enabled by flags.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace rondaxa {

class TMainForm;

// What a command asks of the window before it runs, or before it is offered.
enum CommandFlag : unsigned {
    kEndsEditing = 1,      // the cell being typed is stored (or refused) first
    kNeedsCompetition = 2, // offered while a competition is shown
    kNeedsResults = 4,     // offered while the class shown has result columns
    kNeedsChanges = 8,     // offered while there are changes to save
};

struct Command {
    const char *name;    // the handler's name, also the menu item's object name
    const char *caption; // with its accelerator
    QList<QKeySequence> keys;
    const char *icon; // a picture of the resources (actions/<icon>.svg), or none
    void (TMainForm::*handler)();
    unsigned flags;
};

// What the window is showing, for the enabled state of the commands.
struct CommandState {
    bool competition = false;
    bool results = false;
    bool changes = false;
};

class MainActions : public QObject {
    Q_OBJECT
public:
    // run: runs a command (the window's command boundary).
    using Runner = std::function<void(const Command &)>;
    MainActions(QMainWindow &window, Runner run);

    // Makes the menu bar, the toolbar and the pop-up menu.
    void Build();
    // A menu item, pop-up item or toolbar button by handler or button name;
    // nullptr for a name there is none of.
    QAction *Find(const QString &name) const;
    QToolBar *Toolbar() const { return toolbar_; }
    QMenu *Popup() const { return popup_; }
    // The menu of the bar with that title (as captioned, with its "&").
    QMenu *Menu(const QString &title) const;
    // Enables the actions, and shows the menus, that the state allows.
    void Enable(const CommandState &state);

private:
    QAction *AddAction(const Command &command, const QString &objectName, const QString &caption);
    void BuildMenus();
    void BuildToolbar();
    void BuildPopup();

    QMainWindow &window_;
    Runner run_;
    std::map<QString, QAction *> actions_;
    std::map<QAction *, unsigned> flags_; // what each action needs to be enabled
    std::map<QMenu *, unsigned> menuFlags_;
    QToolBar *toolbar_ = nullptr;
    QMenu *popup_ = nullptr;
};

} // namespace rondaxa
