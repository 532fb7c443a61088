// In-grid editing of the class grid: a typed key or Enter opens the editing
// field over the current cell; Enter, the arrow keys, Escape, a click
// elsewhere or a class change close it. A refused value keeps the field open
// on its cell; a stored one is one step of the document. Every command ends
// an edit through Finish() before it runs.
#pragma once

#include "core/model/document.h"
#include "core/model/model.h"
#include "core/platform/platform.h"

#include <QObject>

#include <functional>

class QKeyEvent;

namespace rondaxa {

class CellEditor;
class ClassGridView;
class RiderDetailsWindow;

// What the editing needs of the window around the grid.
class CellEditHost {
public:
    virtual ~CellEditHost() = default;
    virtual Competition &EditedCompetition() = 0;
    virtual Prompts &EditPrompts() = 0;
    // Runs change as one named step of the document; a failure is shown and
    // ends only the step.
    virtual void StoreEdit(const StepScope &scope, const QString &name,
                           const std::function<void()> &change) = 0;
    // Scrolls to the class's current cell and lets the window follow it.
    virtual void ShowCursor() = 0;
    // The rider details window when it is open, else nothing.
    virtual RiderDetailsWindow *ShownRiderDetails() = 0;
};

class CellEditController : public QObject {
    Q_OBJECT
public:
    // The editing field is laid on the grid's viewport, hidden until an edit
    // starts; the keys typed on the grid start one.
    CellEditController(ClassGridView &grid, CellEditHost &host, QObject *parent = nullptr);

    bool IsEditing() const { return editing_; }
    CellEditor &Editor() const { return *edit1_; }

    // Opens the field over the current cell; a printable key replaces its
    // text where the cell's kind asks for that (QChar() keeps the text).
    void Start(QChar key);
    // Stores (or refuses) what was typed and closes the field.
    void Finish();
    // The same before another class is shown: a refused value is dropped.
    void FinishForClassChange();
    // Closes the field without storing.
    void Hide();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class ExitCause { Leave, ClassChange };
    void FinishEdit(ExitCause cause);
    bool KeyPreview(QKeyEvent *event);
    void KeepEditCellCurrent();
    void MoveCursor(void (*move)(ClassGrid &));
    TKlasse *ActiveClass() const { return host_.EditedCompetition().Active(); }

    // The field's keys.
    void Edit1Enter();
    void Edit1Escape();
    void Edit1Up();
    void Edit1Down();

    ClassGridView &grid_;
    CellEditHost &host_;
    CellEditor *edit1_;
    bool editing_ = false;
    bool exiting_ = false;
    int editKind_ = 0;
    int editRow_ = 0;
    int editCol_ = 0;
};

} // namespace rondaxa
