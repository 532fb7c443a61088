// "Eindstanden berekenen": the choices of the final-standings command
// (scope, gross/net or averages, which totals, the net count of the current
// class and the treatment of hors-concours riders).
#pragma once

#include "core/model/model.h"
#include "core/scoring/final_standings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace rondaxa {

class TCalc : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 310;

    // Fills the dialog from options for the current class (which has at
    // least one counting result column).
    TCalc(const ClubRec &club, TKlasse &current, const CalcOptions &options, QWidget *parent = nullptr);

    // The choices as the dialog shows them now.
    CalcOptions Options() const;
    // The net count chosen for the current class.
    int NetCount() const;

    QRadioButton *GrossNetButton() const { return grossNet_; }
    QRadioButton *AverageButton() const { return average_; }
    QCheckBox *NetBox() const { return net_; }
    QCheckBox *GrossBox() const { return gross_; }
    QCheckBox *DailyBox() const { return daily_; }
    QComboBox *HorsConcoursList() const { return horsConcours_; }
    QRadioButton *AllClassesButton() const { return all_; }
    QRadioButton *CurrentClassButton() const { return current_; }
    QGroupBox *NetGroup() const { return netGroup_; }
    QSpinBox *NetCountBox() const { return spin_; }
    QLabel *CountingLabel() const { return counting_; }
    QLabel *RuleLabel() const { return rule_; }
    QLabel *AverageLabel() const { return averageLine_; }

private:
    void RadioButton1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void UpdateEnabling();

    const ClubRec &club_;
    QRadioButton *grossNet_;
    QRadioButton *average_;
    QCheckBox *net_;
    QCheckBox *gross_;
    QCheckBox *daily_;
    QComboBox *horsConcours_;
    QRadioButton *all_;
    QRadioButton *current_;
    QGroupBox *netGroup_;
    QLabel *counting_;
    QSpinBox *spin_;
    QLabel *rule_;
    QLabel *averageLine_;
};

// The calculation as the dialog's "&Ok" runs it: the standings of the
// chosen classes, ties reported into problems. The options are kept.
void RunFinalStandings(Competition &comp, const TCalc &dialog, CalcOptions &options, ProblemList &problems);

} // namespace rondaxa
