#include "ui/app/KZBmain.h"

#include "core/model/class_grid.h"
#include "core/model/kzb_file.h"
#include "core/model/messages.h"
#include "core/model/startup.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/Informatie.h"
#include "ui/app/Kopie.h"
#include "ui/app/MainActions.h"
#include "ui/app/RijderData.h"
#include "ui/app/SetExtra.h"
#include "ui/common/DocumentSignals.h"
#include "ui/platform/Help.h"
#include "ui/platform/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

namespace rondaxa {

namespace {

constexpr int kMissingCommandLineFile = 4;

// Prompts that say nothing: for loading the last file at start-up, which is
// skipped silently when it cannot be read.
class SilentPrompts : public Prompts {
public:
    void Message(std::string_view, MessageIcon) override {}
    Answer Ask(std::string_view, Buttons) override { return Answer::Cancel; }
};

} // namespace

// ---- construction -------------------------------------------------------------

TMainForm::TMainForm(Prompts &prompts, SettingsStore &store, QWidget *parent)
    : QMainWindow(parent), prompts_(prompts), store_(store),
      files_(std::make_unique<CompetitionFiles>(doc_, prompts_, store_,
                                                static_cast<CompetitionWindow &>(*this), this)) {
    SetCaption(kCaption);
    SetHelpOwner(this);
    SetDefaults(comp_);
    BuildCommands();
    BuildTabArea();
    BuildStatusBar();
    BuildUndo();
    FollowDocument();
    RebuildTabs();
    EnableCompetitionCommands(false);
    ShowResultMode();
    resize(900, 600);
    RestoreWindowPlacement(*this, store_);
}

TMainForm::~TMainForm() {
    // The document goes before the children: its undo stack and signals go first.
    delete editor_; // before its field, which may still report losing the focus
    undoStack_->disconnect(this);
    delete undoStack_;
    delete notices_;
    notices_ = nullptr;
    // The competition goes before the child widgets: the view lets go of it first.
    grid_->SetClass(&comp_.Club, nullptr);
}

void TMainForm::SetCommandLine(std::string commandLine, std::vector<std::string> params) {
    commandLine_ = std::move(commandLine);
    params_ = std::move(params);
}

// A name the window does not know comes from a typing error in the code: it
// must not go unnoticed as a command that silently stays as it was.
static void ReportUnknownCommand(const QString &name) {
    qCritical("TMainForm: unknown command \"%s\"", qPrintable(name));
    Q_ASSERT_X(false, "TMainForm", "unknown command name");
}

std::function<void(const QString &name)> TMainForm::UnknownCommand = ReportUnknownCommand;

QAction *TMainForm::Action(const QString &name) const {
    if (QAction *action = actions_->Find(name))
        return action;
    if (UnknownCommand)
        UnknownCommand(name);
    return nullptr;
}

void TMainForm::BuildCommands() {
    actions_ = new MainActions(*this, [this](const Command &command) {
        RunCommand([this, &command] {
            if (command.flags & kEndsEditing)
                Edit1Exit();
            (this->*command.handler)();
        });
    });
    actions_->Build();
    setContextMenuPolicy(Qt::NoContextMenu);
    Action("Plakkenrijder1Click")->setEnabled(false);
    Action("Verwijderuitslagen1Click")->setEnabled(false);
    for (QMenu *menu : menuBar()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
        connect(menu, &QMenu::aboutToShow, this, &TMainForm::MenuOpening);
    connect(actions_->Menu(QStringLiteral("Bere&kenen")), &QMenu::aboutToShow, this,
            &TMainForm::CalculateMenuOpening);
    connect(actions_->Popup(), &QMenu::aboutToShow, this, [this] { Edit1Exit(); });
}

void TMainForm::BuildTabArea() {
    tabArea_ = new QWidget(this);
    tabArea_->setObjectName("TabControl1");
    auto *layout = new QVBoxLayout(tabArea_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    grid_ = new ClassGridView(tabArea_);
    grid_->setObjectName("ActiveSG");
    grid_->hide();
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    tabs_ = new QTabBar(tabArea_);
    tabs_->setObjectName("ClassTabs");
    tabs_->setShape(QTabBar::RoundedSouth);
    tabs_->setExpanding(false);
    tabs_->setDrawBase(true);
    tabs_->setDocumentMode(true);
    emptyArea_ = new QWidget(tabArea_); // what the tab area shows without a class
    emptyArea_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(grid_, 1);
    layout->addWidget(emptyArea_, 1);
    layout->addWidget(tabs_);
    setCentralWidget(tabArea_);

    editor_ = new CellEditController(*grid_, *this, this);

    connect(tabs_, &QTabBar::currentChanged, this,
            [this](int) { RunCommand([this] { TabControl1Change(); }); });
    connect(grid_, &ClassGridView::CellSelected, this, &TMainForm::ActiveSGSelectCell);
    connect(grid_, &ClassGridView::HeadingClicked, this, &TMainForm::ActiveSGHeadingClick);
    connect(grid_, &ClassGridView::FixedColumnClicked, this, &TMainForm::ActiveSGFixedClick);
    connect(grid_, &ClassGridView::RowMoved, this, [this](int, int to) {
        // The view moved the row itself, so it is no undo step; the order of
        // the riders is stored.
        SetModified(ModifiedData);
        if (TKlasse *klasse = ActiveClass())
            ActiveSGSelectCell(klasse->Grid.CurCol, to);
    });
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { actions_->Popup()->popup(grid_->viewport()->mapToGlobal(pos)); });
}

void TMainForm::BuildStatusBar() {
    // The widths are minimums: a panel is as wide as its text needs. The
    // result-mode panel is as wide as the longer of its two texts, so it does
    // not jump when the mode changes; the last panel reaches to the window's
    // edge, as a status bar's last part does.
    const int widths[3] = {90, 200, 200};
    for (int i = 0; i < 3; ++i) {
        auto *panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMargin(2);
        panel->setMinimumWidth(widths[i]);
        statusBar()->addWidget(panel, i == 2 ? 1 : 0);
        panels_.push_back(panel);
    }
    QLabel *mode = panels_[0];
    int modeWidth = widths[0];
    for (const int32_t options : {0, static_cast<int32_t>(OptStoreFinishOrder)}) {
        ClubRec club;
        club.Options = options;
        const int text = mode->fontMetrics().horizontalAdvance(FromModelText(ResultModeText(club)));
        modeWidth = std::max(modeWidth, text + 2 * (mode->frameWidth() + mode->margin()) + 8);
    }
    mode->setFixedWidth(modeWidth);
    statusBar()->setSizeGripEnabled(true);
}

void TMainForm::closeEvent(QCloseEvent *event) {
    bool allow = false;
    RunCommand([&] {
        Edit1Exit();
        allow = files_->ConfirmDiscard();
    });
    RunCommand([this] { StoreWindowPlacement(*this, store_); });
    if (allow)
        event->accept();
    else
        event->ignore();
}

// ---- start-up -----------------------------------------------------------------

void TMainForm::paintEvent(QPaintEvent *event) {
    QMainWindow::paintEvent(event);
    if (!firstPaintStamp_ && !firstPaintQueued_) {
        // The start-up steps may open dialogs: run them right after this paint.
        firstPaintQueued_ = true;
        QMetaObject::invokeMethod(this, &TMainForm::FirstPaint, Qt::QueuedConnection);
    }
}

void TMainForm::FirstPaint() {
    if (firstPaintStamp_)
        return;
    actions_->Toolbar()->setVisible(ToolbarVisible(store_));
    firstPaintStamp_ = CurrentClock().NowStamp();
    files_->ReadWorkFolder();

    RunCommand([this] {
        const std::string name = CommandLineFileName(commandLine_, params_);
        if (!name.empty()) {
            const QString fileName = QString::fromStdString(name);
            if (QFileInfo::exists(fileName)) {
                LoadFile(fileName, prompts_);
                return;
            }
            ShowError(prompts_, kMissingCommandLineFile);
        }
        switch (StartupAction(store_)) {
        case StartupOpenDialog:
            Openen1Click();
            break;
        case StartupLoadLast: {
            SilentPrompts silent;
            const std::string last = LastFileForStartup(store_);
            if (!last.empty())
                LoadFile(QString::fromStdString(last), silent);
            break;
        }
        default:
            break;
        }
    });
}

void TMainForm::Notify(int code, int32_t key) {
    if (!firstPaintStamp_ || key != *firstPaintStamp_)
        return;
    if (code == kNotifyShowClass)
        TabControl1Change();
    else if (code == kNotifySynchronise)
        SynchroniseResultInfo();
}

void TMainForm::Edit1Exit() {
    editor_->Finish();
}

void TMainForm::StoreEdit(const StepScope &scope, const QString &name, const std::function<void()> &change) {
    RunCommand([&] { RunStep(scope, name, change); });
}

RiderDetailsWindow *TMainForm::ShownRiderDetails() {
    return riderDetails_ && riderDetails_->IsOpen() ? riderDetails_ : nullptr;
}

void TMainForm::RunCommand(const std::function<void()> &command) {
    try {
        command();
    } catch (const std::exception &error) {
        prompts_.Message(error.what(), MessageIcon::Error);
    }
}

// ---- enabling -------------------------------------------------------------------

void TMainForm::EnableCompetitionCommands(bool on) {
    competitionShown_ = on;
    helpContext_ = on ? kHelpCompetition : kHelpNoCompetition;
    SetHelpContext(this, helpContext_);
    UpdateCommands();
}

void TMainForm::UpdateCommands() {
    TKlasse *klasse = ActiveClass();
    actions_->Enable({competitionShown_, klasse && CountColumns(*klasse) > 0, comp_.Modified != 0});
}

// The rider details window shows one rider of the grid and keeps edits of
// its own: it goes before a command that may move or remove that rider. (The
// quick search window follows the document itself.)
void TMainForm::CloseRiderDetails() {
    if (riderDetails_ && riderDetails_->IsOpen())
        riderDetails_->CloseWindow();
}

void TMainForm::ShowClass(int tab) {
    SelectTab(tab);
}

void TMainForm::GoToCell(int col, int row) {
    TKlasse *klasse = ActiveClass();
    if (!klasse)
        return;
    ClassGrid &grid = klasse->Grid;
    if (col < grid.FixedCols || col >= grid.ColCount() || row < grid.FixedRows || row >= grid.RowCount())
        return;
    grid.CurCol = col;
    grid.CurRow = row;
    ShowCursor();
}

void TMainForm::ShowCursor() {
    if (TKlasse *klasse = ActiveClass()) {
        grid_->ShowCurrentCell();
        ActiveSGSelectCell(klasse->Grid.CurCol, klasse->Grid.CurRow);
    }
}

void TMainForm::PrepareForCommand() {
    Verwijderuitslagen1Click();
    CloseRiderDetails();
}

void TMainForm::MenuOpening() {
    Edit1Exit();
    Action("Plakkenrijder1Click")->setEnabled(ClipboardHasRider());
}

// ---- tabs and the grid -----------------------------------------------------------

void TMainForm::RebuildTabs() {
    const QSignalBlocker block(tabs_);
    while (tabs_->count() > 0)
        tabs_->removeTab(0);
    if (comp_.Classes.empty()) {
        tabs_->addTab(QStringLiteral("?"));
        return;
    }
    for (const auto &klasse : comp_.Classes)
        tabs_->addTab(CaptionText(klasse->Name.str()));
    tabs_->setCurrentIndex(std::clamp(comp_.ActiveClass, 0, tabs_->count() - 1));
}

void TMainForm::SelectTab(int index) {
    if (index < 0 || index >= tabs_->count())
        return;
    if (tabs_->currentIndex() == index) {
        TabControl1Change();
        return;
    }
    tabs_->setCurrentIndex(index); // runs TabControl1Change
}

void TMainForm::TabControl1Change() {
    const int tab = tabs_->currentIndex();
    TKlasse *klasse =
        tab >= 0 && tab < comp_.ClassCount() ? comp_.Classes[static_cast<std::size_t>(tab)].get() : nullptr;
    if (klasse) {
        if (riderDetails_ && riderDetails_->IsOpen())
            riderDetails_->StorePending();
        editor_->FinishForClassChange();
        grid_->StoreScrollPosition();
        comp_.ActiveClass = tab;
        ShowActiveClass(*klasse);
        grid_->setFocus();
        ShowCursor();
    } else if (comp_.ClassCount() == 0) {
        comp_.ActiveClass = -1;
        grid_->SetClass(&comp_.Club, nullptr);
        grid_->hide();
        emptyArea_->show();
    }
    ShowResultMode();
}

void TMainForm::ShowActiveClass(TKlasse &klasse) {
    grid_->SetClass(&comp_.Club, &klasse);
    AutoSizeColumns(
        klasse, comp_.Club, [this](std::string_view text) { return TextWidth(text); }, grid_->TextHeight());
    rondaxa::ColourInfoColumns(klasse, comp_.Club);
    grid_->ApplyLayout();
    emptyArea_->hide();
    grid_->show();
    SetCaption(FromModelText(ClassCaption(comp_.Club, klasse)));
    UpdateCommands();
}

void TMainForm::ShowResultMode() {
    panels_[0]->setText(FromModelText(ResultModeText(comp_.Club)));
}

void TMainForm::ColourInfoColumns() {
    if (TKlasse *klasse = ActiveClass()) {
        rondaxa::ColourInfoColumns(*klasse, comp_.Club);
        RedrawGrid();
    }
}

void TMainForm::RemoveClassStandings(int tab) {
    if (tab >= 0 && tab < comp_.ClassCount())
        rondaxa::RemoveClassStandings(*comp_.Classes[static_cast<std::size_t>(tab)]);
}

void TMainForm::RedrawGrid() {
    grid_->Redraw();
}

void TMainForm::ReloadGrid() {
    if (grid_->Class())
        grid_->Reload();
}

int TMainForm::TextWidth(std::string_view text) const {
    return grid_->TextWidth(text);
}

void TMainForm::ActiveSGSelectCell(int col, int row) {
    TKlasse *klasse = ActiveClass();
    if (!klasse)
        return;
    if (riderDetails_ && riderDetails_->IsOpen())
        riderDetails_->ShowRow(row);
    const TRijder *rider = klasse->Rider(row);
    if (HasRiderPanel(comp_.Club) && rider)
        panels_[1]->setText(FromModelText(RiderPanelText(comp_.Club, *rider)));
    panels_[2]->setText(FromModelText(ColumnPanelText(comp_.Club, *klasse, col, row)));
}

void TMainForm::ActiveSGHeadingClick(int col) {
    TKlasse *klasse = ActiveClass();
    if (!klasse || klasse->Grid.RowCount() - 1 < 2)
        return;
    RunCommand([&] { SortByHeading(col); });
}

void TMainForm::ActiveSGFixedClick(int row) {
    TKlasse *klasse = ActiveClass();
    if (!klasse || row < 1)
        return;
    NumberRowsByPlace(*klasse);
    RedrawGrid(); // the row labels are the view's, not stored data: no step
}

void TMainForm::Algemeen1Click() {
    if (RunGeneralSettings(store_, prompts_, this))
        files_->ReadWorkFolder();
    actions_->Toolbar()->setVisible(ToolbarVisible(store_));
}

void TMainForm::Help2Click() {
    ShowHelpContents();
}

void TMainForm::HelpButtonClick() {
    ShowHelp(ActiveClass() ? kHelpCompetition : kHelpNoCompetition);
}

void TMainForm::Informatie1Click() {
    ShowInformation(comp_, this);
}

} // namespace rondaxa
