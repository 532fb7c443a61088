#include "ui/app/DelRijder.h"

#include "core/model/riders.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace rondaxa {

TDelRijder::TDelRijder(int row, const TRijder &rider, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TDelRijder"));
    setWindowTitle(QStringLiteral("Rijder verwijderen"));
    SetHelpContext(this, kHelpContext);

    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    auto *question = new QLabel(QStringLiteral("Deze rijder verwijderen ?"), this);
    panel_ = new QLabel(QStringLiteral("(%1) %2").arg(row).arg(FromModelText(rider.Name.str())), this);
    panel_->setObjectName(QStringLiteral("Panel1"));
    panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel_->setMinimumWidth(240);
    adjust_ = new QCheckBox(QStringLiteral("&Uitslagen aanpassen"), this);
    adjust_->setObjectName(QStringLiteral("CheckBox1"));
    adjust_->setChecked(true);

    auto *buttons = new QDialogButtonBox(this);
    auto *ok = buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole);
    auto *help = buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
    buttons->addButton(QStringLiteral("&Annuleren"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    ConnectHelpButton(help, kHelpContext);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    auto *texts = new QVBoxLayout;
    texts->addWidget(question);
    texts->addWidget(panel_);
    texts->addWidget(adjust_);
    top->addLayout(texts, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

bool TDelRijder::AdjustResults() const {
    return adjust_->isChecked();
}

bool ConfirmDeleteRider(Competition &comp, TKlasse &klasse, int row, Prompts &prompts, QWidget *parent) {
    if (row < 1 || row >= klasse.Grid.RowCount() || !klasse.Rider(row))
        return false;
    TDelRijder dialog(row, *klasse.Rider(row), parent);
    prompts.Beep();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    DeleteRiderRow(klasse, comp.Club, row, dialog.AdjustResults());
    return true;
}

} // namespace rondaxa
