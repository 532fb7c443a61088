#include "ui/results/KolToevoeg.h"

#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/NumberBox.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace rondaxa {

TKolToevoeg::TKolToevoeg(Competition &comp, Prompts &prompts, QWidget *parent)
    : QDialog(parent), comp_(comp), prompts_(prompts) {
    setObjectName(QStringLiteral("TKolToevoeg"));
    setWindowTitle(QStringLiteral("Uitslag kolommen toevoegen"));
    SetHelpContext(this, kHelpContext);

    auto *countGroup = new QGroupBox(QStringLiteral("Uitslag kolommen toevoegen"), this);
    count_ = new NumberBox(countGroup);
    count_->setRange(1, std::max(ColumnsLeftToAdd(comp), 1));
    auto *countLabel = new QLabel(QStringLiteral("Aa&ntal :"), countGroup);
    countLabel->setBuddy(count_);
    auto *countLayout = new QHBoxLayout(countGroup);
    countLayout->addWidget(countLabel);
    countLayout->addWidget(count_);
    countLayout->addStretch();

    auto *whereGroup = new QGroupBox(QStringLiteral("Toevoegen in"), this);
    activeClass_ = new QRadioButton(QStringLiteral("Actieve &klasse"), whereGroup);
    allClasses_ = new QRadioButton(QStringLiteral("All&e klassen"), whereGroup);
    activeClass_->setChecked(true);
    auto *whereLayout = new QVBoxLayout(whereGroup);
    whereLayout->addWidget(activeClass_);
    whereLayout->addWidget(allClasses_);

    auto *insertGroup = new QGroupBox(QStringLiteral("Kolommen invoegen"), this);
    afterLast_ = new QRadioButton(QStringLiteral("Achter &Laatste kolom"), insertGroup);
    beforeChosen_ = new QRadioButton(QStringLiteral("&V\u00f3\u00f3r gekozen kolom"), insertGroup);
    afterLast_->setChecked(true);
    auto *insertLayout = new QVBoxLayout(insertGroup);
    insertLayout->addWidget(afterLast_);
    insertLayout->addWidget(beforeChosen_);

    auto *buttons = AddDialogButtons(this, kHelpContext, false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(countGroup);
    auto *groups = new QHBoxLayout;
    groups->addWidget(whereGroup);
    groups->addWidget(insertGroup);
    layout->addLayout(groups);
    layout->addWidget(buttons);

    connect(activeClass_, &QRadioButton::toggled, this, &TKolToevoeg::RadioGroup1Click);
    connect(buttons, &QDialogButtonBox::accepted, this, &TKolToevoeg::Button1Click);
    RadioGroup1Click();
}

// All classes get their columns at the end; in the active class they can go
// before the column of the grid cursor when that is a result column.
void TKolToevoeg::RadioGroup1Click() {
    auto *insertGroup = afterLast_->parentWidget();
    if (allClasses_->isChecked()) {
        afterLast_->setChecked(true);
        insertGroup->setEnabled(false);
        return;
    }
    insertGroup->setEnabled(true);
    const TKlasse *klasse = comp_.Active();
    const TColData *cursor = klasse ? klasse->ColData(klasse->Grid.CurCol) : nullptr;
    const bool inResults = cursor && cursor->Kind == KindResult;
    beforeChosen_->setEnabled(inResults);
    if (!inResults)
        afterLast_->setChecked(true);
}

void TKolToevoeg::Button1Click() {
    AddColumnsToClasses(comp_, count_->value(), allClasses_->isChecked(), beforeChosen_->isChecked(),
                        prompts_);
    accept();
}

} // namespace rondaxa
