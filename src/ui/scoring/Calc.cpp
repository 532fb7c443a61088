#include "ui/scoring/Calc.h"

#include "core/scoring/standings.h"
#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"
#include "ui/platform/NumberBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace rondaxa {

TCalc::TCalc(const ClubRec &club, TKlasse &current, const CalcOptions &options, QWidget *parent)
    : QDialog(parent), club_(club) {
    setObjectName(QStringLiteral("TCalc"));
    setWindowTitle(QStringLiteral("Eindstanden berekenen"));
    SetHelpContext(this, kHelpContext);

    auto *kindGroup = new QGroupBox(this);
    grossNet_ = new QRadioButton(QStringLiteral("&Eindstand met bruto / netto punten"), kindGroup);
    net_ = new QCheckBox(QStringLiteral("&Netto totaal"), kindGroup);
    gross_ = new QCheckBox(QStringLiteral("&Bruto totaal"), kindGroup);
    daily_ = new QCheckBox(QStringLiteral("Als dagklasse&ment"), kindGroup);
    average_ = new QRadioButton(QStringLiteral("&Gemiddelde punten"), kindGroup);
    averageLine_ = new QLabel(FromModelText(rondaxa::AverageLabel(club)), kindGroup);
    averageLine_->setToolTip(QStringLiteral("Zie Club gegevens, gemiddelde."));
    auto *kindButtons = new QButtonGroup(this);
    kindButtons->addButton(grossNet_);
    kindButtons->addButton(average_);
    auto *kindLayout = new QGridLayout(kindGroup);
    kindLayout->addWidget(grossNet_, 0, 0, 1, 2);
    kindLayout->addWidget(net_, 1, 1);
    kindLayout->addWidget(gross_, 2, 1);
    kindLayout->addWidget(daily_, 3, 1);
    kindLayout->addWidget(average_, 4, 0, 1, 2);
    kindLayout->addWidget(averageLine_, 5, 1);
    kindLayout->setColumnMinimumWidth(0, 16);

    netGroup_ = new QGroupBox(QStringLiteral("Netto berekening"), this);
    const int c = CountColumns(current);
    counting_ = new QLabel(FromModelText(CountingColumnsText(c)), netGroup_);
    spin_ = new NumberBox(netGroup_);
    spin_->setRange(1, std::max(c, 1));
    spin_->setValue(DefaultNetCount(club, current));
    auto *overLabel = new QLabel(QStringLiteral("Netto punten bereken over"), netGroup_);
    overLabel->setBuddy(spin_);
    auto *spinLine = new QHBoxLayout;
    spinLine->addWidget(overLabel);
    spinLine->addWidget(spin_);
    spinLine->addWidget(new QLabel(QStringLiteral("uitslagen"), netGroup_));
    spinLine->addStretch();
    auto *netLayout = new QVBoxLayout(netGroup_);
    netLayout->addWidget(counting_);
    netLayout->addLayout(spinLine);

    rule_ = new QLabel(FromModelText(NetRuleText(club)), this);
    rule_->setToolTip(QStringLiteral("Zie Club gegevens, rekenmethode."));

    auto *hcLabel = new QLabel(QStringLiteral("&Voor rijders buitenmededinging geldt :"), this);
    horsConcours_ = new QComboBox(this);
    horsConcours_->addItems({QStringLiteral("Normaal klasseren"), QStringLiteral("Geen eindklassing"),
                             QStringLiteral("Geen bruto / netto punten"),
                             QStringLiteral("Geen uitslagen + rest uitslagen aanpassen")});
    hcLabel->setBuddy(horsConcours_);

    auto *scopeGroup = new QGroupBox(QStringLiteral("Uitrekenen voor :"), this);
    all_ = new QRadioButton(QStringLiteral("Alle &klassen"), scopeGroup);
    current_ = new QRadioButton(QStringLiteral("&De huidige klasse"), scopeGroup);
    auto *scopeLayout = new QVBoxLayout(scopeGroup);
    scopeLayout->addWidget(all_);
    scopeLayout->addWidget(current_);

    auto *buttons = AddDialogButtons(this, kHelpContext, true, Qt::Vertical);

    auto *left = new QVBoxLayout;
    left->addWidget(kindGroup);
    left->addWidget(netGroup_);
    left->addWidget(rule_);
    left->addWidget(hcLabel);
    left->addWidget(horsConcours_);
    auto *right = new QVBoxLayout;
    right->addWidget(scopeGroup);
    right->addStretch();
    right->addWidget(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);

    // Filling from the options; the check boxes run their click rules.
    (options.Has(CalcOptions::GrossNet) ? grossNet_ : average_)->setChecked(true);
    daily_->setChecked(options.Has(CalcOptions::Daily));
    connect(net_, &QCheckBox::toggled, this, &TCalc::CheckBox2Click);
    connect(gross_, &QCheckBox::toggled, this, &TCalc::CheckBox3Click);
    net_->setChecked(options.Has(CalcOptions::Net));
    gross_->setChecked(options.Has(CalcOptions::Gross));
    if (!net_->isChecked() && !gross_->isChecked())
        gross_->setChecked(true);
    horsConcours_->setCurrentIndex(options.HorsConcours() / 16);
    (options.Has(CalcOptions::AllClasses) ? all_ : current_)->setChecked(true);
    for (QRadioButton *button : {grossNet_, average_, all_, current_})
        connect(button, &QRadioButton::toggled, this, &TCalc::RadioButton1Click);
    UpdateEnabling();
}

CalcOptions TCalc::Options() const {
    CalcOptions options;
    options.Value = 0;
    options.Set(CalcOptions::GrossNet, grossNet_->isChecked());
    options.Set(CalcOptions::Net, net_->isChecked());
    options.Set(CalcOptions::Gross, gross_->isChecked());
    options.Set(CalcOptions::Daily, daily_->isChecked());
    options.SetHorsConcoursChoice(horsConcours_->currentIndex());
    options.Set(CalcOptions::AllClasses, all_->isChecked());
    return options;
}

int TCalc::NetCount() const {
    return spin_->value();
}

void TCalc::RadioButton1Click() {
    UpdateEnabling();
}

// "&Netto totaal" unticked ticks "&Bruto totaal": one total is always chosen.
void TCalc::CheckBox2Click() {
    if (!net_->isChecked())
        gross_->setChecked(true);
    UpdateEnabling();
}

// "&Bruto totaal" unticked ticks "&Netto totaal".
void TCalc::CheckBox3Click() {
    if (!gross_->isChecked())
        net_->setChecked(true);
    UpdateEnabling();
}

// Which controls take part: the totals only for gross/net standings, the
// daily variant only for gross-only standings, and the net count of the
// current class only when a net count is needed for it alone.
void TCalc::UpdateEnabling() {
    const bool grossNet = grossNet_->isChecked();
    net_->setEnabled(grossNet);
    gross_->setEnabled(grossNet);
    averageLine_->setEnabled(!grossNet);
    rule_->setVisible(grossNet ? net_->isChecked() : club_.AverageMethod == 2);
    daily_->setEnabled(Options().DailyEnabled());
    const bool overrule = NetCountNeeded(Options(), club_) && current_->isChecked();
    netGroup_->setEnabled(overrule);
    rule_->setEnabled(!overrule);
}

void RunFinalStandings(Competition &comp, const TCalc &dialog, CalcOptions &options, ProblemList &problems) {
    options = dialog.Options();
    CalculateFinalStandings(comp, options, comp.ActiveClass, dialog.NetCount(), &problems);
}

} // namespace rondaxa
