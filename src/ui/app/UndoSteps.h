// Undo and redo of the document's steps: each step a command of the undo
// stack, and the Dutch names of the steps.
#pragma once

#include "core/model/document.h"

#include <QString>
#include <QUndoCommand>

#include <memory>

namespace rondaxa {

// A step the document has already performed: pushing it does not do it a
// second time; undo and redo exchange it with the competition.
class DocumentCommand : public QUndoCommand {
public:
    DocumentCommand(CompetitionDocument &doc, std::unique_ptr<DocumentStep> step, const QString &text);
    void undo() override;
    void redo() override;
    const DocumentStep &Step() const { return *step_; }

private:
    CompetitionDocument &doc_;
    std::unique_ptr<DocumentStep> step_;
    bool done_ = true;
};

// "Naam (MX1)", "Naam (MX1, kolom 13)": a step's name with its class and,
// where there is one, its column. The class of tab -1 or beyond is left out.
QString StepText(const QString &name, const Competition &comp, int tab, int column = 0);
// The name of a typed cell of the active class: "Uitslag wijzigen (MX1,
// kolom 3)", "Naam wijzigen (MX1)", ...
QString CellStepName(const Competition &comp, int col);

} // namespace rondaxa
