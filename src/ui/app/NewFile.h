// "Nieuw": what a new competition keeps of the open one.
#pragma once

#include "core/model/model.h"

#include <QDialog>

class QRadioButton;

namespace rondaxa {

// The choices of the dialog.
enum NewKind : int {
    NewCancelled = -1,
    NewEntirely = 0,          // "&Geheel nieuw bestand"
    NewKeepSettings = 1,      // "&Met huidige instellingen": no riders, no results
    NewKeepSettingsRiders = 2 // "Met &huidige instellingen en namen van rijders": no results
};

class TNewFile : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 120;

    explicit TNewFile(QWidget *parent = nullptr);

    int Choice() const;
    void SetChoice(int kind);

private:
    QRadioButton *choices_[3];
};

// Runs the dialog; without a class there is nothing to keep and the answer
// is NewEntirely without asking.
int ChooseNewKind(const Competition &comp, QWidget *parent);

} // namespace rondaxa
