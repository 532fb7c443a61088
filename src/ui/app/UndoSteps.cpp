#include "ui/app/UndoSteps.h"

#include "ui/platform/ModelText.h"

#include <QStringList>

namespace rondaxa {

DocumentCommand::DocumentCommand(CompetitionDocument &doc, std::unique_ptr<DocumentStep> step,
                                 const QString &text)
    : doc_(doc), step_(std::move(step)) {
    setText(text);
}

void DocumentCommand::undo() {
    doc_.Undo(*step_);
    done_ = false;
}

void DocumentCommand::redo() {
    if (done_)
        return; // pushed after the document performed it
    doc_.Redo(*step_);
    done_ = true;
}

QString StepText(const QString &name, const Competition &comp, int tab, int column) {
    QStringList parts;
    if (tab >= 0 && tab < comp.ClassCount())
        parts << FromModelText(comp.Classes[static_cast<std::size_t>(tab)]->Name.str());
    if (column > 0)
        parts << QStringLiteral("kolom %1").arg(column);
    return parts.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, parts.join(QStringLiteral(", ")));
}

QString CellStepName(const Competition &comp, int col) {
    const TKlasse *klasse = comp.Active();
    const TColData *data = klasse ? klasse->ColData(col) : nullptr;
    const int kind = data ? data->Kind : 0;
    switch (kind) {
    case KindResult:
        return StepText(QStringLiteral("Uitslag wijzigen"), comp, comp.ActiveClass, data->Number);
    case KindName:
        return StepText(QStringLiteral("Naam wijzigen"), comp, comp.ActiveClass);
    case KindStartNo:
        return StepText(QStringLiteral("Startnummer wijzigen"), comp, comp.ActiveClass);
    default:
        return StepText(QStringLiteral("Gegevens rijder wijzigen"), comp, comp.ActiveClass);
    }
}

} // namespace rondaxa
