// The main window's in-grid editing: a typed key or Enter opens the editing
// field over the current cell, Enter, the arrow keys, Escape, a click
// elsewhere or a class change close it. A refused value keeps the field open
// on its cell; a stored one redraws the grid.
#include "core/model/editing.h"
#include "ui/app/CellEditor.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"
#include "ui/app/UndoSteps.h"

#include <QKeyEvent>

namespace rondaxa {

// The editing field lives on the grid's viewport, hidden until an edit starts.
void TMainForm::SetUpCellEditor() {
    edit1_ = new CellEditor(grid_->viewport());
    edit1_->setObjectName("Edit1");
    connect(edit1_, &CellEditor::EnterPressed, this, &TMainForm::Edit1Enter);
    connect(edit1_, &CellEditor::EscapePressed, this, &TMainForm::Edit1Escape);
    connect(edit1_, &CellEditor::UpPressed, this, &TMainForm::Edit1Up);
    connect(edit1_, &CellEditor::DownPressed, this, &TMainForm::Edit1Down);
    connect(edit1_, &CellEditor::FocusLeft, this, [this](Qt::FocusReason) { Edit1Exit(); });
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress && KeyPreview(static_cast<QKeyEvent *>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool TMainForm::KeyPreview(QKeyEvent *event) {
    TKlasse *klasse = ActiveClass();
    if (!klasse || editing_ || !grid_->isVisible())
        return false;
    const ClassGrid &grid = klasse->Grid;
    if (grid.CurCol < 1 || grid.CurRow < 1)
        return false;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const TColData *data = klasse->ColData(grid.CurCol);
        const bool riderColumn = data && (data->Kind == KindName || data->Kind == KindStartNo);
        if (riderColumn && riderDetails_ && riderDetails_->IsOpen())
            riderDetails_->TakeFocus();
        else
            StartCellEdit(QChar());
        return true;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].isPrint() &&
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0) {
        StartCellEdit(text[0]);
        return true;
    }
    return false;
}

void TMainForm::StartCellEdit(QChar key) {
    TKlasse *klasse = ActiveClass();
    if (!klasse)
        return;
    ClassGrid &grid = klasse->Grid;
    const int column = grid.CurCol;
    const bool hadStandings = klasse->CalcState != 0;
    rondaxa::RemoveClassStandings(*klasse);
    if (column < grid.ColCount())
        grid.CurCol = column;
    // The standings give way to the editing field: no step of their own (they
    // are not stored), so the grid is told here.
    if (hadStandings)
        ReloadGrid();

    const int row = grid.CurRow;
    const int col = grid.CurCol;
    const TRijder *rider = klasse->Rider(row);
    const TColData *data = klasse->ColData(col);
    if (!rider || !data || !IsEditableKind(data->Kind) || col < grid.FixedCols)
        return;
    editKind_ = data->Kind;
    editRow_ = row;
    editCol_ = col;

    grid_->scrollTo(grid_->GridModel().IndexOf(row, col));
    edit1_->setFont(grid_->font());
    edit1_->setGeometry(grid_->GridCellRect(row, col));
    edit1_->SetDigitsOnly(editKind_ == KindResult);
    edit1_->setAlignment(CellAlignment(editKind_) | Qt::AlignVCenter);
    edit1_->setMaxLength(MaxEditLength(editKind_));
    edit1_->setText(FromModelText(EditText(comp_.Club, *rider, editKind_, data->Number)));
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

void TMainForm::Edit1Exit() {
    FinishEdit(ExitCause::Leave);
}

void TMainForm::FinishEdit(ExitCause cause) {
    if (!editing_ || exiting_)
        return;
    TKlasse *klasse = ActiveClass();
    if (!klasse || !edit1_->isModified()) {
        HideEditor();
        return;
    }
    exiting_ = true;
    const std::string text = ToModelText(edit1_->text());
    EditOutcome outcome = EditOutcome::Refused;
    RunCommand([&] {
        RunStep(StepScope::Cells(comp_.ActiveClass, editCol_, editRow_), CellStepName(comp_, editCol_), [&] {
            outcome = StoreCellEdit(comp_, *klasse, editRow_, editCol_, text, prompts_,
                                    [this](std::string_view t) { return TextWidth(t); });
        });
    });
    exiting_ = false;

    if (outcome == EditOutcome::Stored) {
        editKind_ = 0;
        if (editCol_ < klasse->FirstResultCol && riderDetails_ && riderDetails_->IsOpen())
            riderDetails_->ShowRow(editRow_);
        HideEditor();
        return;
    }
    if (cause == ExitCause::ClassChange) {
        HideEditor(); // the refused edit is dropped with the class change
        return;
    }
    // Stay on the refused cell, also when a click on another cell made the
    // field lose its focus: that click is handled after this, so the cell is
    // made current again once it has been.
    KeepEditCellCurrent();
    QMetaObject::invokeMethod(this, &TMainForm::KeepEditCellCurrent, Qt::QueuedConnection);
    if (outcome == EditOutcome::Refused) {
        edit1_->setFocus();
        return;
    }
    HideEditor();
    StartCellEdit(QChar());
}

void TMainForm::KeepEditCellCurrent() {
    TKlasse *klasse = ActiveClass();
    if (!editing_ || !klasse)
        return;
    klasse->Grid.CurRow = editRow_;
    klasse->Grid.CurCol = editCol_;
    grid_->ShowCurrentCell();
    edit1_->setFocus();
}

// Ends the edit on screen too: a field left standing would show its old
// text over whatever cell, class or file comes under it next.
void TMainForm::HideEditor() {
    editing_ = false;
    edit1_->hide();
    if (grid_->isVisible())
        grid_->setFocus();
}

void TMainForm::MoveCursor(void (*move)(ClassGrid &)) {
    TKlasse *klasse = ActiveClass();
    if (!klasse || editKind_ != 0)
        return;
    grid_->StoreScrollPosition();
    move(klasse->Grid);
    ShowCursor();
}

void TMainForm::Edit1Enter() {
    Edit1Exit();
    MoveCursor(&MoveAfterEnter);
}

void TMainForm::Edit1Escape() {
    edit1_->setModified(false);
    Edit1Exit();
}

void TMainForm::Edit1Up() {
    Edit1Exit();
    MoveCursor(&MoveUp);
}

void TMainForm::Edit1Down() {
    Edit1Exit();
    MoveCursor(&MoveDown);
}

} // namespace rondaxa
