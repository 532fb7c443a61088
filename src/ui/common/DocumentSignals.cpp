#include "ui/common/DocumentSignals.h"

namespace rondaxa {

DocumentSignals::DocumentSignals(CompetitionDocument &doc, QObject *parent) : QObject(parent), doc_(doc) {
    doc_.AddObserver(this);
}

DocumentSignals::~DocumentSignals() {
    doc_.RemoveObserver(this);
}

} // namespace rondaxa
