// The main window and the competition's document: commands run as steps of
// the document, which go on the undo stack; "Ongedaan maken" and "Opnieuw";
// and the views (tabs, grid, status line, caption, save button) following
// the document's notices.
#include "core/model/class_grid.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"
#include "ui/app/RijderData.h"
#include "ui/app/UndoSteps.h"
#include "ui/common/DocumentSignals.h"

#include <QLabel>
#include <QMenu>
#include <QTabBar>
#include <QUndoStack>

namespace rondaxa {

namespace {

// How many steps can be taken back; older ones are forgotten.
constexpr int kUndoLimit = 100;

const DocumentStep *StepAt(const QUndoStack &stack, int index) {
    const auto *command = dynamic_cast<const DocumentCommand *>(stack.command(index));
    return command ? &command->Step() : nullptr;
}

} // namespace

void TMainForm::BuildUndo() {
    undoStack_ = new QUndoStack(this);
    undoStack_->setUndoLimit(kUndoLimit);
    connect(undoStack_, &QUndoStack::indexChanged, this, &TMainForm::UpdateUndoActions);
    connect(undoStack_, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean)
            doc_.MarkUnmodified();
        else
            doc_.MarkModified();
    });
    UpdateUndoActions();
}

void TMainForm::UpdateUndoActions() {
    const auto update = [this](const QString &name, const QString &button, const QString &caption, bool on,
                               const QString &step) {
        const QString text = step.isEmpty() ? caption : caption + QStringLiteral(": ") + step;
        for (QAction *action : {Action(name), Action(button)}) {
            action->setEnabled(on);
            action->setToolTip(QString(text).remove(QLatin1Char('&')));
        }
        Action(name)->setText(text);
    };
    update("UndoClick", "SpeedButtonUndo", QStringLiteral("Ongedaan &maken"), undoStack_->canUndo(),
           undoStack_->undoText());
    update("RedoClick", "SpeedButtonRedo", QStringLiteral("Op&nieuw"), undoStack_->canRedo(),
           undoStack_->redoText());
}

bool TMainForm::RunStep(const StepScope &scope, const std::function<QString()> &name,
                        const std::function<void()> &change) {
    std::unique_ptr<DocumentStep> step;
    try {
        step = doc_.Perform(scope, {}, change);
    } catch (...) {
        // What the failed command changed is no step: the saved state is out of reach.
        undoStack_->resetClean();
        throw;
    }
    if (!step)
        return false;
    undoStack_->push(new DocumentCommand(doc_, std::move(step), name()));
    return true;
}

bool TMainForm::RunStep(const StepScope &scope, const QString &name, const std::function<void()> &change) {
    return RunStep(
        scope, [&name] { return name; }, change);
}

void TMainForm::SetModified(uint8_t bits) {
    doc_.MarkModified(bits);
    undoStack_->resetClean();
}

void TMainForm::StartHistory(bool modified) {
    undoStack_->clear();
    if (modified) {
        doc_.MarkModified();
        undoStack_->resetClean();
    } else {
        doc_.MarkUnmodified();
    }
}

void TMainForm::UndoClick() {
    if (riderDetails_ && riderDetails_->IsOpen())
        riderDetails_->StorePending();
    if (!undoStack_->canUndo())
        return;
    const DocumentStep *step = StepAt(*undoStack_, undoStack_->index() - 1);
    undoStack_->undo();
    if (step)
        ShowStepPlace(*step);
}

void TMainForm::RedoClick() {
    if (riderDetails_ && riderDetails_->IsOpen())
        riderDetails_->StorePending();
    if (!undoStack_->canRedo())
        return;
    const DocumentStep *step = StepAt(*undoStack_, undoStack_->index());
    undoStack_->redo();
    if (step)
        ShowStepPlace(*step);
}

// The class of the step, and its cell or row where it has one.
void TMainForm::ShowStepPlace(const DocumentStep &step) {
    const StepScope &scope = step.Scope();
    if (scope.tab >= 0 && scope.tab < comp_.ClassCount() && scope.tab != tabs_->currentIndex())
        SelectTab(scope.tab);
    TKlasse *klasse = ActiveClass();
    if (!klasse || scope.tab != comp_.ActiveClass)
        return;
    if (scope.row >= 0)
        GoToCell(scope.col >= 0 ? scope.col : klasse->Grid.CurCol, scope.row);
    else
        ShowCursor();
}

// ---- the views follow the document ------------------------------------------------

void TMainForm::FollowDocument() {
    notices_ = new DocumentSignals(doc_, this);
    DocumentSignals *notices = notices_;
    connect(notices, &DocumentSignals::classListChanged, this, [this] {
        RebuildTabs();
        TabControl1Change();
        UpdateCommands();
        ShowStatusLine();
    });
    connect(notices, &DocumentSignals::classChanged, this, &TMainForm::ShowClassChanged);
    connect(notices, &DocumentSignals::cellsChanged, this,
            [this](int tab, int, int) { ShowCellsChanged(tab); });
    connect(notices, &DocumentSignals::clubSettingsChanged, this, &TMainForm::ShowResultMode);
    connect(notices, &DocumentSignals::displaySettingsChanged, this, [this] {
        ShowClassChanged(comp_.ActiveClass);
        ShowResultMode();
    });
    connect(notices, &DocumentSignals::modifiedChanged, this, [this](bool modified) {
        UpdateCommands();
        setWindowModified(modified);
    });
}

// One class's rows or columns changed: shown anew when it is the class shown
// (the others are laid out when their tab is chosen).
void TMainForm::ShowClassChanged(int tab) {
    TKlasse *klasse = ActiveClass();
    if (!klasse || tab != comp_.ActiveClass)
        return;
    if (tabs_->currentIndex() != tab) {
        SelectTab(tab);
        return;
    }
    tabs_->setTabText(tab, FromModelText(klasse->Name.str()));
    ShowActiveClass(*klasse);
    ShowStatusLine();
}

void TMainForm::ShowCellsChanged(int tab) {
    if (tab != comp_.ActiveClass || !grid_->Class())
        return;
    grid_->ApplyLayout(); // an edit may have widened its column
    grid_->Redraw();
    ShowStatusLine();
}

// The status line for the current cell after a change: unlike moving the
// cursor onto an empty row, a change leaves no other rider's name behind.
void TMainForm::ShowStatusLine() {
    ShowResultMode();
    TKlasse *klasse = ActiveClass();
    if (!klasse) {
        panels_[1]->clear();
        panels_[2]->clear();
        return;
    }
    if (HasRiderPanel(comp_.Club) && !klasse->Rider(klasse->Grid.CurRow))
        panels_[1]->clear();
    ActiveSGSelectCell(klasse->Grid.CurCol, klasse->Grid.CurRow);
}

void TMainForm::SetCaption(const QString &caption) {
    setWindowTitle(caption + QStringLiteral("[*]"));
}

} // namespace rondaxa
