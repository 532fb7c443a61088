#include "ui/app/CellEditController.h"

#include "core/model/editing.h"
#include "ui/app/CellEditor.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/MainFormHooks.h"
#include "ui/app/UndoSteps.h"

#include <QKeyEvent>

namespace rondaxa {

CellEditController::CellEditController(ClassGridView &grid, CellEditHost &host, QObject *parent)
    : QObject(parent), grid_(grid), host_(host), edit1_(new CellEditor(grid.viewport())) {
    edit1_->setObjectName("Edit1");
    edit1_->hide();
    connect(edit1_, &CellEditor::EnterPressed, this, &CellEditController::Edit1Enter);
    connect(edit1_, &CellEditor::EscapePressed, this, &CellEditController::Edit1Escape);
    connect(edit1_, &CellEditor::UpPressed, this, &CellEditController::Edit1Up);
    connect(edit1_, &CellEditor::DownPressed, this, &CellEditController::Edit1Down);
    connect(edit1_, &CellEditor::FocusLeft, this, [this](Qt::FocusReason) { Finish(); });
    grid_.installEventFilter(this);
}

bool CellEditController::eventFilter(QObject *watched, QEvent *event) {
    if (watched == &grid_ && event->type() == QEvent::KeyPress && KeyPreview(static_cast<QKeyEvent *>(event)))
        return true;
    return QObject::eventFilter(watched, event);
}

bool CellEditController::KeyPreview(QKeyEvent *event) {
    TKlasse *klasse = ActiveClass();
    if (!klasse || editing_ || !grid_.isVisible())
        return false;
    const ClassGrid &grid = klasse->Grid;
    if (grid.CurCol < 1 || grid.CurRow < 1)
        return false;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const TColData *data = klasse->ColData(grid.CurCol);
        const bool riderColumn = data && (data->Kind == KindName || data->Kind == KindStartNo);
        RiderDetailsWindow *details = host_.ShownRiderDetails();
        if (riderColumn && details)
            details->TakeFocus();
        else
            Start(QChar());
        return true;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].isPrint() &&
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
        Start(text[0]);
        return true;
    }
    return false;
}

void CellEditController::Start(QChar key) {
    TKlasse *klasse = ActiveClass();
    if (!klasse)
        return;
    ClassGrid &grid = klasse->Grid;
    const int column = grid.CurCol;
    const bool hadStandings = klasse->CalcState != 0;
    RemoveClassStandings(*klasse);
    if (column < grid.ColCount())
        grid.CurCol = column;
    // The standings give way to the editing field: no step of their own (they
    // are not stored), so the grid is told here.
    if (hadStandings)
        grid_.Reload();

    const int row = grid.CurRow;
    const int col = grid.CurCol;
    const TRijder *rider = klasse->Rider(row);
    const TColData *data = klasse->ColData(col);
    if (!rider || !data || !IsEditableKind(data->Kind) || col < grid.FixedCols)
        return;
    editKind_ = data->Kind;
    editRow_ = row;
    editCol_ = col;

    grid_.scrollTo(grid_.GridModel().IndexOf(row, col));
    edit1_->setFont(grid_.font());
    edit1_->setGeometry(grid_.GridCellRect(row, col));
    edit1_->SetDigitsOnly(editKind_ == KindResult);
    edit1_->setAlignment(CellAlignment(editKind_) | Qt::AlignVCenter);
    edit1_->setMaxLength(MaxEditLength(editKind_));
    edit1_->setText(FromModelText(EditText(host_.EditedCompetition().Club, *rider, editKind_, data->Number)));
    edit1_->selectAll();
    if ((editKind_ == KindResult || edit1_->text().isEmpty()) && key.unicode() > 31 && edit1_->Accepts(key)) {
        edit1_->setText(QString(key));
        edit1_->deselect();
        edit1_->setCursorPosition(1);
        edit1_->setModified(true);
    }
    editing_ = true;
    edit1_->show();
    edit1_->setFocus();
}

void CellEditController::Finish() {
    FinishEdit(ExitCause::Leave);
}

void CellEditController::FinishForClassChange() {
    FinishEdit(ExitCause::ClassChange);
}

void CellEditController::FinishEdit(ExitCause cause) {
    if (!editing_ || exiting_)
        return;
    TKlasse *klasse = ActiveClass();
    if (!klasse || !edit1_->isModified()) {
        Hide();
        return;
    }
    exiting_ = true;
    const std::string text = ToModelText(edit1_->text());
    EditOutcome outcome = EditOutcome::Refused;
    Competition &comp = host_.EditedCompetition();
    host_.StoreEdit(StepScope::Cells(comp.ActiveClass, editCol_, editRow_), CellStepName(comp, editCol_),
                    [&] {
                        outcome = StoreCellEdit(comp, *klasse, editRow_, editCol_, text, host_.EditPrompts(),
                                                [this](std::string_view t) { return grid_.TextWidth(t); });
                    });
    exiting_ = false;

    if (outcome == EditOutcome::Stored) {
        editKind_ = 0;
        RiderDetailsWindow *details = host_.ShownRiderDetails();
        if (editCol_ < klasse->FirstResultCol && details)
            details->ShowRow(editRow_);
        Hide();
        return;
    }
    if (cause == ExitCause::ClassChange) {
        Hide(); // the refused edit is dropped with the class change
        return;
    }
    // Stay on the refused cell, also when a click on another cell made the
    // field lose its focus: that click is handled after this, so the cell is
    // made current again once it has been.
    KeepEditCellCurrent();
    QMetaObject::invokeMethod(this, &CellEditController::KeepEditCellCurrent, Qt::QueuedConnection);
    if (outcome == EditOutcome::Refused) {
        edit1_->setFocus();
        return;
    }
    Hide();
    Start(QChar());
}

void CellEditController::KeepEditCellCurrent() {
    TKlasse *klasse = ActiveClass();
    if (!editing_ || !klasse)
        return;
    klasse->Grid.CurRow = editRow_;
    klasse->Grid.CurCol = editCol_;
    grid_.ShowCurrentCell();
    edit1_->setFocus();
}

// Ends the edit on screen too: a field left standing would show its old
// text over whatever cell, class or file comes under it next.
void CellEditController::Hide() {
    editing_ = false;
    edit1_->hide();
    if (grid_.isVisible())
        grid_.setFocus();
}

void CellEditController::MoveCursor(void (*move)(ClassGrid &)) {
    TKlasse *klasse = ActiveClass();
    if (!klasse || editKind_ != 0)
        return;
    grid_.StoreScrollPosition();
    move(klasse->Grid);
    host_.ShowCursor();
}

void CellEditController::Edit1Enter() {
    Finish();
    MoveCursor(&MoveAfterEnter);
}

void CellEditController::Edit1Escape() {
    edit1_->setModified(false);
    Finish();
}

void CellEditController::Edit1Up() {
    Finish();
    MoveCursor(&MoveUp);
}

void CellEditController::Edit1Down() {
    Finish();
    MoveCursor(&MoveDown);
}

} // namespace rondaxa
