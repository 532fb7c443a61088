#include "ui/app/DelBuitenmededinging.h"

#include "core/model/riders.h"
#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rondaxa {

TDelBuitenmededinging::TDelBuitenmededinging(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TDelBuitenmededinging"));
    setWindowTitle(QStringLiteral("Verwijder rijders buitenmededinging"));
    SetHelpContext(this, kHelpContext);

    auto *group = new QGroupBox(this);
    current_ = new QRadioButton(QStringLiteral("&Van huidige klasse"), group);
    all_ = new QRadioButton(QStringLiteral("Van alle &Klassen"), group);
    all_->setObjectName(QStringLiteral("AllClasses"));
    current_->setChecked(true);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(current_);
    groupLayout->addWidget(all_);

    adjust_ = new QCheckBox(QStringLiteral("&Uitslagen aanpassen"), this);
    adjust_->setObjectName(QStringLiteral("CheckBox1"));
    adjust_->setChecked(true);

    auto *buttons = AddDialogButtons(this, kHelpContext);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(adjust_);
    layout->addWidget(buttons);
}

bool TDelBuitenmededinging::AllClasses() const {
    return all_->isChecked();
}
bool TDelBuitenmededinging::AdjustResults() const {
    return adjust_->isChecked();
}

int DeleteHorsConcoursCommand(Competition &comp, Prompts &prompts, QWidget *parent) {
    TDelBuitenmededinging dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return DeleteHorsConcours(comp, dialog.AllClasses(), dialog.AdjustResults(), prompts);
}

} // namespace rondaxa
