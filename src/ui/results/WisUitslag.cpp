#include "ui/results/WisUitslag.h"

#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/NumberBox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace rondaxa {

TWisUitslag::TWisUitslag(const Competition &comp, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TWisUitslag"));
    setWindowTitle(QStringLiteral("Uitslagen wissen/verwijderen"));
    SetHelpContext(this, kHelpContext);

    auto *whatGroup = new QGroupBox(QStringLiteral("Uitslagen :"), this);
    clear_ = new QRadioButton(QStringLiteral("&Wissen"), whatGroup);
    delete_ = new QRadioButton(QStringLiteral("&Verwijderen"), whatGroup);
    clear_->setChecked(true);
    auto *whatLayout = new QVBoxLayout(whatGroup);
    whatLayout->addWidget(clear_);
    whatLayout->addWidget(delete_);

    auto *whereGroup = new QGroupBox(QStringLiteral("Voer uit in :"), this);
    activeClass_ = new QRadioButton(QStringLiteral("A&ctieve klasse"), whereGroup);
    allClasses_ = new QRadioButton(QStringLiteral("All&e klassen"), whereGroup);
    activeClass_->setChecked(true);
    auto *whereLayout = new QVBoxLayout(whereGroup);
    whereLayout->addWidget(activeClass_);
    whereLayout->addWidget(allClasses_);

    const TKlasse *klasse = comp.Active();
    const int resultCount = klasse ? klasse->ResultCount : 0;
    auto *columnsGroup = new QGroupBox(QStringLiteral("Wis, verwijder :"), this);
    allResults_ = new QRadioButton(QStringLiteral("Alle uit&slagen !!!"), columnsGroup);
    column_ = new QRadioButton(QStringLiteral("&Uitslag kolom :"), columnsGroup);
    column_->setChecked(true);
    first_ = new NumberBox(columnsGroup);
    through_ = new QCheckBox(QStringLiteral("&t/m :"), columnsGroup);
    last_ = new NumberBox(columnsGroup);
    for (QSpinBox *spin : {first_, last_}) {
        spin->setRange(1, std::max(resultCount, 1));
        CommitValuesWhenDone(spin);
    }
    auto *columnsLayout = new QGridLayout(columnsGroup);
    columnsLayout->addWidget(allResults_, 0, 0, 1, 4);
    columnsLayout->addWidget(column_, 1, 0);
    columnsLayout->addWidget(first_, 1, 1);
    columnsLayout->addWidget(through_, 1, 2);
    columnsLayout->addWidget(last_, 1, 3);

    auto *buttons = AddDialogButtons(this, kHelpContext);
    auto *groups = new QHBoxLayout;
    groups->addWidget(whatGroup);
    groups->addWidget(whereGroup);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(columnsGroup);
    layout->addWidget(buttons);

    connect(allResults_, &QRadioButton::clicked, this, &TWisUitslag::RadioButton1Click);
    connect(column_, &QRadioButton::clicked, this, &TWisUitslag::RadioButton2Click);
    connect(through_, &QCheckBox::clicked, this, &TWisUitslag::CheckBox1Click);
    connect(first_, &QSpinBox::valueChanged, this, &TWisUitslag::SpinEdit1Change);
    connect(last_, &QSpinBox::valueChanged, this, &TWisUitslag::SpinEdit2Change);

    // The column of the grid cursor, when it is a result column.
    if (klasse)
        if (const TColData *cursor = klasse->ColData(klasse->Grid.CurCol);
            cursor && cursor->Kind == KindResult)
            first_->setValue(cursor->Number);
    RadioButton2Click();
}

void TWisUitslag::RadioButton1Click() {
    first_->setEnabled(false);
    through_->setEnabled(false);
    last_->setEnabled(false);
    SpinEdit1Change();
}

void TWisUitslag::RadioButton2Click() {
    first_->setEnabled(true);
    through_->setEnabled(true);
    last_->setEnabled(through_->isChecked());
    SpinEdit1Change();
}

void TWisUitslag::CheckBox1Click() {
    last_->setEnabled(through_->isChecked());
    SpinEdit1Change();
}

// The range stays in order: a first column beyond the last (or without a
// range to choose) carries the last along, a last column below the first
// the first.
void TWisUitslag::SpinEdit1Change() {
    if (first_->value() > last_->value() || !through_->isEnabled()) {
        const QSignalBlocker block(last_);
        last_->setValue(first_->value());
    }
}

void TWisUitslag::SpinEdit2Change() {
    if (last_->value() < first_->value()) {
        const QSignalBlocker block(first_);
        first_->setValue(last_->value());
    }
}

ClearChoice TWisUitslag::Choice() const {
    ClearChoice choice;
    choice.Delete = delete_->isChecked();
    choice.AllClasses = allClasses_->isChecked();
    choice.AllResults = allResults_->isChecked();
    choice.First = first_->value();
    choice.Through = through_->isChecked();
    choice.Last = last_->value();
    return choice;
}

bool ClearColumnsCommand(Competition &comp, Prompts &prompts, QWidget *parent) {
    ClearChoice choice;
    {
        TWisUitslag dialog(comp, parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        choice = dialog.Choice();
    }
    if (prompts.Ask(ClearQuestion(choice), Buttons::YesNo) != Answer::Yes)
        return false;
    ClearChosenColumns(comp, choice);
    return true;
}

} // namespace rondaxa
