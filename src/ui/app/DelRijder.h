// "Rijder verwijderen": confirms the deletion of one rider, and the command
// behind it.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"

#include <QDialog>

class QCheckBox;
class QLabel;

namespace rondaxa {

class TDelRijder : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 230;

    // Shows "(" + row + ") " + the rider's name as stored.
    TDelRijder(int row, const TRijder &rider, QWidget *parent = nullptr);

    bool AdjustResults() const;
    QCheckBox *AdjustBox() const { return adjust_; }
    QLabel *RiderPanel() const { return panel_; }

private:
    QLabel *panel_;
    QCheckBox *adjust_;
};

// Asks to delete the rider of `row` of the class; on "&Ok" deletes it (the
// other riders' results adjusted when "&Uitslagen aanpassen" is ticked). Returns whether the rider was
// deleted. A row outside the rider rows or without a rider is never deleted.
bool ConfirmDeleteRider(Competition &comp, TKlasse &klasse, int row, Prompts &prompts, QWidget *parent);

} // namespace rondaxa
