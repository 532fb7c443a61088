// The season on the web and at a glance: "Bestand > &Publiceren naar
// map..." and "Bere&kenen > &Seizoensverloop...". Both work on a calculated
// copy of the competition, so the grids stay as they are.
#include "ui/app/KZBmain.h"
#include "ui/reports/Publiceren.h"
#include "ui/scoring/Seizoensverloop.h"

namespace rondaxa {

void TMainForm::Publicerennaarmap1Click() {
    if (comp_.Classes.empty())
        return;
    PublishSeasonSite(comp_, prompts_, this);
}

void TMainForm::Seizoensverloop1Click() {
    if (!ActiveClass())
        return;
    TSeizoensverloop chart(comp_, comp_.ActiveClass, prompts_, this);
    chart.exec();
}

} // namespace rondaxa
