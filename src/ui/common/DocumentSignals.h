// The document's notices as Qt signals, for the views that show the
// competition: the main window's and the windows that stay open beside it.
#pragma once

#include "core/model/document.h"

#include <QObject>

namespace rondaxa {

class DocumentSignals : public QObject, public DocumentObserver {
    Q_OBJECT
public:
    DocumentSignals(CompetitionDocument &doc, QObject *parent = nullptr);
    ~DocumentSignals() override;

    void ClassListChanged() override { emit classListChanged(); }
    void ClassChanged(int tab) override { emit classChanged(tab); }
    void CellsChanged(int tab, int col, int row) override { emit cellsChanged(tab, col, row); }
    void ClubSettingsChanged() override { emit clubSettingsChanged(); }
    void DisplaySettingsChanged() override { emit displaySettingsChanged(); }
    void ModifiedChanged(bool modified) override { emit modifiedChanged(modified); }

signals:
    void classListChanged();
    void classChanged(int tab);
    void cellsChanged(int tab, int col, int row);
    void clubSettingsChanged();
    void displaySettingsChanged();
    void modifiedChanged(bool modified);

private:
    CompetitionDocument &doc_;
};

} // namespace rondaxa
