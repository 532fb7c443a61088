#include "ui/results/Synchro.h"

#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rondaxa {

TSynchro::TSynchro(Competition &comp, Prompts &prompts, QWidget *parent)
    : QDialog(parent), comp_(comp), prompts_(prompts) {
    setObjectName(QStringLiteral("TSynchro"));
    setWindowTitle(QStringLiteral("Informatie uitslagen synchroniseren"));
    SetHelpContext(this, kHelpContext);

    source_ = new QComboBox(this);
    targets_ = new QListWidget(this);
    for (const auto &klasse : comp.Classes) {
        source_->addItem(FromModelText(klasse->Name.str()));
        auto *item = new QListWidgetItem(FromModelText(klasse->Name.str()), targets_);
        item->setCheckState(Qt::Unchecked);
    }
    auto *sourceLabel = new QLabel(QStringLiteral("&Bron klasse:"), this);
    sourceLabel->setBuddy(source_);
    auto *targetLabel = new QLabel(QStringLiteral("&Doel klasse:"), this);
    targetLabel->setBuddy(targets_);

    auto *copyGroup = new QGroupBox(QStringLiteral("Kopieer gevens"), this);
    date_ = new QCheckBox(QStringLiteral("&Datum"), copyGroup);
    remark_ = new QCheckBox(QStringLiteral("O&pmerking"), copyGroup);
    date_->setChecked(true);
    remark_->setChecked(true);
    auto *copyLayout = new QVBoxLayout(copyGroup);
    copyLayout->addWidget(date_);
    copyLayout->addWidget(remark_);

    auto *modeGroup = new QGroupBox(QStringLiteral("Doel gegevens"), this);
    overwrite_ = new QRadioButton(QStringLiteral("O&verschrijven"), modeGroup);
    supplement_ = new QRadioButton(QStringLiteral("Aanv&ullen"), modeGroup);
    overwrite_->setChecked(true);
    auto *modeLayout = new QVBoxLayout(modeGroup);
    modeLayout->addWidget(overwrite_);
    modeLayout->addWidget(supplement_);

    auto *buttons = AddDialogButtons(this, kHelpContext, false);

    auto *left = new QVBoxLayout;
    left->addWidget(sourceLabel);
    left->addWidget(source_);
    left->addWidget(targetLabel);
    left->addWidget(targets_);
    auto *right = new QVBoxLayout;
    right->addWidget(copyGroup);
    right->addWidget(modeGroup);
    right->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);

    source_->setCurrentIndex(std::max(comp.ActiveClass, 0));
    ComboBox1Change();
    connect(source_, &QComboBox::currentIndexChanged, this, &TSynchro::ComboBox1Change);
    connect(buttons, &QDialogButtonBox::accepted, this, &TSynchro::Button1Click);
}

// The targets: every other class with the source's number of result
// columns, checked; the others greyed out.
void TSynchro::ComboBox1Change() {
    const std::vector<bool> possible = SynchroTargets(comp_, source_->currentIndex());
    for (int i = 0; i < targets_->count(); ++i) {
        QListWidgetItem *item = targets_->item(i);
        const bool on = possible[static_cast<std::size_t>(i)];
        item->setFlags(on ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable
                          : Qt::ItemIsUserCheckable);
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
}

SynchroChoice TSynchro::Choice() const {
    SynchroChoice choice;
    choice.Source = source_->currentIndex();
    for (int i = 0; i < targets_->count(); ++i) {
        const QListWidgetItem *item = targets_->item(i);
        choice.Targets.push_back((item->flags() & Qt::ItemIsEnabled) && item->checkState() == Qt::Checked);
    }
    choice.CopyDate = date_->isChecked();
    choice.CopyRemark = remark_->isChecked();
    choice.Supplement = supplement_->isChecked();
    return choice;
}

void TSynchro::Button1Click() {
    copied_ = SynchroniseInfo(comp_, Choice(), prompts_);
    accept();
}

bool SynchroniseCommand(Competition &comp, Prompts &prompts, QWidget *parent) {
    if (comp.ClassCount() < 2)
        return false;
    TSynchro dialog(comp, prompts, parent);
    dialog.exec();
    return dialog.Copied();
}

} // namespace rondaxa
