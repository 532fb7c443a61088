// "Sorteren": puts the riders of the current class in order by input order,
// name, start number, one result column or an extra field.
#pragma once

#include "core/model/model.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace rondaxa {

class TSorteer : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 430;

    // Fills the dialog for the class's current column.
    TSorteer(const ClubRec &club, const TKlasse &klasse, QWidget *parent = nullptr);

    // The chosen sort: mode 0 input order, 1 name, 2 start number, 3 result
    // (ResultNumber), 4..6 the extra fields; direction kAscending/kDescending.
    int Mode() const;
    int ResultNumber() const;
    int Direction() const;
    bool SwapNames() const;

    QRadioButton *ModeButton(int mode) const { return modes_[mode]; }
    QSpinBox *ResultBox() const { return result_; }
    QCheckBox *SwapBox() const { return swap_; }
    QRadioButton *AscendingButton() const { return ascending_; }
    QRadioButton *DescendingButton() const { return descending_; }

private:
    static constexpr int kModeCount = 7;

    void RadioButton1Click();
    void RadioButton4Click();

    const ClubRec &club_;
    QRadioButton *modes_[kModeCount];
    QSpinBox *result_;
    QCheckBox *swap_;
    QRadioButton *ascending_;
    QRadioButton *descending_;
};

// Runs the dialog and, on "&Ok", sorts the class. Returns whether it sorted.
bool SortCommand(ClubRec &club, TKlasse &klasse, int horsConcours, QWidget *parent);

} // namespace rondaxa
