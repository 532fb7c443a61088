// "Rekenmethode met een gelijk aantal punten": the advanced tie-break steps.
#pragma once

#include "core/model/model.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QSpinBox;

namespace rondaxa {

// The names of the tie-break methods 0..9, in method-number order.
const QStringList &TieMethodNames();

class TRekAvan : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 580;

    // Shows the steps of the club; "&Ok" stores the chosen steps and the
    // notification step into it, "&Annuleren" stores nothing.
    explicit TRekAvan(ClubRec &club, QWidget *parent = nullptr);

    QComboBox *StepList(int step) const { return steps_[step - 1].List; }
    QSpinBox *PlaceBox(int step) const { return steps_[step - 1].Place; }
    QLabel *PlaceCaption(int step) const { return steps_[step - 1].Caption; }
    QSpinBox *NotifyBox() const { return notify_; }

    // Stores the steps into the club (the "&Ok" button).
    void StoreSteps();

private:
    struct Step {
        QComboBox *List = nullptr;
        QLabel *Caption = nullptr;
        QSpinBox *Place = nullptr;
    };

    void ComboBox1Change(int step);
    void ShowPlace(int step, bool on);

    ClubRec &club_;
    Step steps_[kTieStepCount];
    QSpinBox *notify_;
};

} // namespace rondaxa
