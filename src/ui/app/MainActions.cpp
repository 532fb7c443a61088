#include "ui/app/MainActions.h"

#include "ui/app/KZBmain.h"

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSvgRenderer>
#include <QToolBar>

// The command pictures are compiled into the program (icons.qrc).
static void InitActionIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace rondaxa {

namespace {

using F = TMainForm;
constexpr unsigned E = kEndsEditing;
constexpr unsigned C = kNeedsCompetition;
constexpr unsigned R = kNeedsResults;

// Every command of the window. A menu item is enabled by its command's
// flags; a toolbar button and a pop-up item have flags of their own.
const std::vector<Command> &Commands() {
    static const std::vector<Command> commands = {
        // "&Bestand"
        {"Nieuw1Click", "&Nieuw...", {}, "new", &F::Nieuw1Click, E},
        {"Openen1Click", "&Openen...", {}, "open", &F::Openen1Click, E},
        {"Laadversie11Click", "Open &DOS versie...", {}, nullptr, &F::Laadversie11Click, E},
        {"GegevensToevoegen1Click",
         "&Klasse uit bestand toevoegen ...",
         {},
         nullptr,
         &F::GegevensToevoegen1Click,
         E | C},
        {"Bewaren1Click", "B&ewaar", {QKeySequence(QKeySequence::Save)}, "save", &F::Bewaren1Click, E | C},
        {"Bewaarals1Click", "Bewaar &als...", {}, nullptr, &F::Bewaarals1Click, E | C},
        {"Uitvoertekstbestand1Click",
         "&Uitvoer tekst/html bestand...",
         {},
         nullptr,
         &F::Uitvoertekstbestand1Click,
         E | R},
        {"Publicerennaarmap1Click", "Pu&bliceren naar map...", {}, nullptr, &F::Publicerennaarmap1Click, E},
        {"Printen1Click", "&Printen...", {}, "print", &F::Printen1Click, E | C},
        {"Sluiten1Click", "&Afsluiten", {}, nullptr, &F::Sluiten1Click, 0},
        // "Be&werken"
        {"UndoClick", "Ongedaan &maken", {QKeySequence(QKeySequence::Undo)}, "undo", &F::UndoClick, E},
        {"RedoClick",
         "Op&nieuw",
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         "redo",
         &F::RedoClick,
         E},
        {"Rijder1Click", "&Gegevens rijder...", {QKeySequence(Qt::Key_F5)}, "rider", &F::Rijder1Click, E},
        {"Rijdertoevogen1Click",
         "&Rijder toevoegen...",
         {QKeySequence(Qt::Key_F2)},
         "rider-add",
         &F::Rijdertoevogen1Click,
         E},
        {"RijderVerwijderen1Click",
         "Rijder &Verwijderen...",
         {},
         "rider-remove",
         &F::RijderVerwijderen1Click,
         E},
        {"Verwijderrijdersbuitenmededing1Click",
         "Verwijder rijders buitenmededinging...",
         {},
         nullptr,
         &F::Verwijderrijdersbuitenmededing1Click,
         E},
        {"Kopieerrijder1Click",
         "K&opieer rijdergegevens / Klasse ...",
         {},
         nullptr,
         &F::Kopieerrijder1Click,
         E},
        {"Plakkenrijder1Click", "&Plakken rijdergegevens", {}, nullptr, &F::Plakkenrijder1Click, E},
        {"Uitslagentoevoegen1Click",
         "&Snel uitslagen toevoegen...",
         {},
         "quick-results",
         &F::Uitslagentoevoegen1Click,
         E},
        {"Uitslagkolommentoevoegen1Click",
         "&Uitslag kolommen toevoegen...",
         {},
         nullptr,
         &F::Uitslagkolommentoevoegen1Click,
         E},
        {"Uitslagenverwijderen1Click",
         "Uitslagen &wissen / verwijderen...",
         {},
         nullptr,
         &F::Uitslagenverwijderen1Click,
         E | R},
        {"Informatieuitslagen1Click",
         "&Informatie uitslagen...",
         {},
         "information",
         &F::Informatieuitslagen1Click,
         E | R},
        {"Controleuitslagen1Click",
         "&Controle uitslagen...",
         {},
         "check",
         &F::Controleuitslagen1Click,
         E | R},
        // "Bere&kenen"
        {"BrutoNetto1Click", "&Eindstanden...", {}, "standings", &F::BrutoNetto1Click, E},
        {"Verwijderuitslagen1Click", "&Verwijder eindstanden", {}, nullptr, &F::Verwijderuitslagen1Click, E},
        {"Dagklassement1Click", "&Dagklassement...", {}, "daily", &F::Dagklassement1Click, E},
        {"Seizoensverloop1Click", "&Seizoensverloop...", {}, nullptr, &F::Seizoensverloop1Click, E},
        // "&Zoeken/sorteren"
        {"SnelZoekClick", "&Snelzoeken...", {QKeySequence(Qt::Key_F3)}, nullptr, &F::SnelZoekClick, E},
        {"UitZoekenClick", "&Uitgebreid zoeken...", {}, nullptr, &F::UitZoekenClick, E},
        {"Sorteren1Click", "&Sorteren...", {}, nullptr, &F::Sorteren1Click, E},
        // "&Instellingen"
        {"Clubgegevens1Click", "&Club gegevens...", {}, nullptr, &F::Clubgegevens1Click, E | C},
        {"Weergave1Click", "&Weergave...", {}, nullptr, &F::Weergave1Click, E | C},
        {"Algemeen1Click", "&Algemeen", {}, nullptr, &F::Algemeen1Click, 0},
        // "&Help"
        {"Help2Click", "&Help...", {}, "help", &F::Help2Click, 0},
        {"Informatie1Click", "&Informatie...", {}, nullptr, &F::Informatie1Click, 0},
        {"HelpButtonClick", "Help", {}, "help", &F::HelpButtonClick, 0},
    };
    return commands;
}

const Command *CommandNamed(const QString &name) {
    for (const Command &command : Commands())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

// The menu bar: each menu's title, when it is shown, and its commands ("-"
// separates).
struct MenuEntry {
    const char *title;
    unsigned flags;
    std::vector<const char *> items;
};

const std::vector<MenuEntry> &Menus() {
    static const std::vector<MenuEntry> menus = {
        {"&Bestand",
         0,
         {"Nieuw1Click", "Openen1Click", "Laadversie11Click", "GegevensToevoegen1Click", "-", "Bewaren1Click",
          "Bewaarals1Click", "Uitvoertekstbestand1Click", "Publicerennaarmap1Click", "-", "Printen1Click",
          "-", "Sluiten1Click"}},
        {"Be&werken",
         C,
         {"UndoClick", "RedoClick", "-", "Rijder1Click", "Rijdertoevogen1Click", "RijderVerwijderen1Click",
          "Verwijderrijdersbuitenmededing1Click", "-", "Kopieerrijder1Click", "Plakkenrijder1Click", "-",
          "Uitslagentoevoegen1Click", "Uitslagkolommentoevoegen1Click", "Uitslagenverwijderen1Click",
          "Informatieuitslagen1Click", "Controleuitslagen1Click"}},
        {"Bere&kenen",
         R,
         {"BrutoNetto1Click", "Verwijderuitslagen1Click", "-", "Dagklassement1Click",
          "Seizoensverloop1Click"}},
        {"&Zoeken/sorteren", C, {"SnelZoekClick", "UitZoekenClick", "-", "Sorteren1Click"}},
        {"&Instellingen", 0, {"Clubgegevens1Click", "Weergave1Click", "-", "Algemeen1Click"}},
        {"&Help", 0, {"Help2Click", "Informatie1Click"}},
    };
    return menus;
}

// The toolbar's buttons: name, hint, command and flags. The help button
// keeps to the right end of the bar.
struct ButtonEntry {
    const char *name;
    const char *hint;
    const char *command;
    unsigned flags;
};

const std::vector<ButtonEntry> &ToolbarButtons() {
    static const std::vector<ButtonEntry> buttons = {
        {"SpeedButton1", "Nieuwe club", "Nieuw1Click", 0},
        {"SpeedButton2", "Open een bestand", "Openen1Click", 0},
        {"SpeedButton3", "Bewaar bestand", "Bewaren1Click", kNeedsChanges},
        {"SpeedButtonUndo", "", "UndoClick", 0}, // their hints name the step
        {"SpeedButtonRedo", "", "RedoClick", 0},
        {"SpeedButton4", "Bewerk gegevens rijder", "Rijder1Click", C},
        {"SpeedButton5", "Rijder toevoegen", "Rijdertoevogen1Click", C},
        {"SpeedButton6", "Rijder verwijderen", "RijderVerwijderen1Click", C},
        {"SpeedButton7", "Eindstanden berekenen", "BrutoNetto1Click", R},
        {"SpeedButton8", "Uitslagen toevoegen", "Uitslagentoevoegen1Click", C},
        {"SpeedButton9", "Informatie uitslagen", "Informatieuitslagen1Click", R},
        {"SpeedButton10", "Controle uitslagen", "Controleuitslagen1Click", R},
        {"SpeedButton12", "Printen", "Printen1Click", C},
        {"SpeedButton13", "Dagklassement berekenen", "Dagklassement1Click", R},
        {"SpeedButton11", "Help", "HelpButtonClick", 0},
    };
    return buttons;
}

// The grid's pop-up menu: caption, command and flags ("-" separates).
struct PopupEntry {
    const char *caption;
    const char *command;
    unsigned flags;
};

const std::vector<PopupEntry> &PopupItems() {
    static const std::vector<PopupEntry> items = {
        {"Rijder&gegevens...", "Rijder1Click", 0},
        {"&Rijder toevoegen..", "Rijdertoevogen1Click", 0},
        {"Rijder &verwijderen...", "RijderVerwijderen1Click", 0},
        {"-", nullptr, 0},
        {"&Snel uitslagen toevoegen...", "Uitslagentoevoegen1Click", 0},
        {"&Informatie uitslagen...", "Informatieuitslagen1Click", R},
        {"&Controle uitslagen...", "Controleuitslagen1Click", R},
        {"-", nullptr, 0},
        {"&Eindstanden berekenen...", "BrutoNetto1Click", R},
        {"&Dagklassement...", "Dagklassement1Click", R},
        {"-", nullptr, 0},
        {"&Weergave instellen...", "Weergave1Click", 0},
    };
    return items;
}

bool IsSeparator(const char *item) {
    return item[0] == '-' && item[1] == '\0';
}

// A picture of the resources, with a disabled look of its own: grey and
// faded, as a disabled button's picture is expected to be. (The style's
// generated version keeps dark pictures dark, so they would look enabled.)
QIcon CommandIcon(const char *name) {
    if (!name)
        return {};
    InitActionIcons();
    QSvgRenderer renderer(QStringLiteral(":/actions/%1.svg").arg(QLatin1String(name)));
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image), QIcon::Normal);
        QImage disabled = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < disabled.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(disabled.scanLine(y));
            for (int x = 0; x < disabled.width(); ++x) {
                const int grey = 128 + qGray(line[x]) / 2;
                line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 2 / 5);
            }
        }
        icon.addPixmap(QPixmap::fromImage(disabled), QIcon::Disabled);
    }
    return icon;
}

} // namespace

MainActions::MainActions(QMainWindow &window, Runner run)
    : QObject(&window), window_(window), run_(std::move(run)) {}

void MainActions::Build() {
    BuildMenus();
    BuildToolbar();
    BuildPopup();
}

QAction *MainActions::AddAction(const Command &command, const QString &objectName, const QString &caption) {
    auto *action = new QAction(CommandIcon(command.icon), caption, &window_);
    action->setObjectName(objectName);
    action->setProperty("handler", QString::fromLatin1(command.name));
    connect(action, &QAction::triggered, this, [this, &command] { run_(command); });
    actions_.emplace(objectName, action);
    return action;
}

void MainActions::BuildMenus() {
    for (const MenuEntry &entry : Menus()) {
        QMenu *menu = window_.menuBar()->addMenu(QString::fromUtf8(entry.title));
        menuFlags_[menu] = entry.flags;
        for (const char *item : entry.items) {
            if (IsSeparator(item)) {
                menu->addSeparator();
                continue;
            }
            const Command &command = *CommandNamed(QLatin1String(item));
            QAction *action = AddAction(command, QLatin1String(item), QString::fromUtf8(command.caption));
            // Only the menu item carries the keys: a second action with the
            // same key would make the key ambiguous, and then it does nothing.
            action->setShortcuts(command.keys);
            flags_[action] = command.flags;
            menu->addAction(action);
        }
    }
}

void MainActions::BuildToolbar() {
    toolbar_ = window_.addToolBar(QStringLiteral("Knoppen"));
    toolbar_->setObjectName("Panel1");
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->toggleViewAction()->setEnabled(false);
    for (const ButtonEntry &button : ToolbarButtons()) {
        if (QLatin1String(button.command) == QLatin1String("HelpButtonClick")) {
            auto *spacer = new QWidget(toolbar_);
            spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            toolbar_->addWidget(spacer);
        }
        QAction *action = AddAction(*CommandNamed(QLatin1String(button.command)), button.name, QString());
        action->setToolTip(QString::fromUtf8(button.hint));
        flags_[action] = button.flags;
        toolbar_->addAction(action);
    }
    auto *margin = new QWidget(toolbar_);
    margin->setFixedWidth(6);
    toolbar_->addWidget(margin);
}

void MainActions::BuildPopup() {
    popup_ = new QMenu(&window_);
    for (const PopupEntry &item : PopupItems()) {
        if (IsSeparator(item.caption)) {
            popup_->addSeparator();
            continue;
        }
        const Command &command = *CommandNamed(QLatin1String(item.command));
        QAction *action = AddAction(command, QStringLiteral("Popup") + QLatin1String(item.command),
                                    QString::fromUtf8(item.caption));
        flags_[action] = item.flags;
        popup_->addAction(action);
    }
}

QAction *MainActions::Find(const QString &name) const {
    const auto it = actions_.find(name);
    return it != actions_.end() ? it->second : nullptr;
}

QMenu *MainActions::Menu(const QString &title) const {
    for (const auto &[menu, flags] : menuFlags_)
        if (menu->title() == title)
            return menu;
    return nullptr;
}

void MainActions::Enable(const CommandState &state) {
    const auto allows = [&state](unsigned flags) {
        return !((flags & kNeedsCompetition) && !state.competition) &&
               !((flags & kNeedsResults) && !state.results) && !((flags & kNeedsChanges) && !state.changes);
    };
    constexpr unsigned kOffered = kNeedsCompetition | kNeedsResults | kNeedsChanges;
    for (const auto &[action, flags] : flags_)
        if (flags & kOffered)
            action->setEnabled(allows(flags));
    for (const auto &[menu, flags] : menuFlags_)
        menu->menuAction()->setVisible(allows(flags));
}

} // namespace rondaxa
