#include "ui/daily/dagklas1.h"

#include "ui/daily/dagklas2.h"
#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/NumberBox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace rondaxa {

TDagKL1::TDagKL1(const TKlasse &klasse, DailyRange range, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TDagKL1"));
    setWindowTitle(QStringLiteral("Dagklassement berekenen"));
    SetHelpContext(this, kHelpContext);

    auto *group = new QGroupBox(QStringLiteral("Bereken dagklassement over"), this);
    spinEdit1_ = new NumberBox(group);
    spinEdit2_ = new NumberBox(group);
    const int k = std::clamp(klasse.ResultCount, 0, kMaxResults);
    for (QSpinBox *spin : {spinEdit1_, spinEdit2_}) {
        spin->setRange(std::min(1, k), k);
        spin->setEnabled(k > 0);
        CommitValuesWhenDone(spin);
        spin->setMinimumWidth(spin->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 40);
    }
    auto *fromLabel = new QLabel(QStringLiteral("&Uitslag"), group);
    fromLabel->setBuddy(spinEdit1_);
    auto *toLabel = new QLabel(QStringLiteral("&t/m"), group);
    toLabel->setBuddy(spinEdit2_);
    checkBox_ = new QCheckBox(QStringLiteral("&Rijders buitenmededinging"), group);
    label3_ = new QLabel(QStringLiteral("krijgen geen vervang punten"), group);
    label3_->installEventFilter(this);

    auto *rangeLine = new QHBoxLayout;
    rangeLine->addWidget(fromLabel);
    rangeLine->addWidget(spinEdit1_);
    rangeLine->addSpacing(12);
    rangeLine->addWidget(toLabel);
    rangeLine->addWidget(spinEdit2_);
    rangeLine->addStretch();
    auto *hcLine = new QHBoxLayout;
    hcLine->addWidget(checkBox_);
    hcLine->addWidget(label3_);
    hcLine->addStretch();
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(rangeLine);
    groupLayout->addLayout(hcLine);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(AddDialogButtons(this, kHelpContext));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    spinEdit2_->setValue(range.To);
    spinEdit1_->setValue(range.From);
    connect(spinEdit1_, &QSpinBox::valueChanged, this, &TDagKL1::SpinEdit1Change);
    connect(spinEdit2_, &QSpinBox::valueChanged, this, &TDagKL1::SpinEdit2Change);
}

int TDagKL1::From() const {
    return std::min(spinEdit1_->value(), spinEdit2_->value());
}

int TDagKL1::To() const {
    return std::max(spinEdit1_->value(), spinEdit2_->value());
}

bool TDagKL1::HcNoPoints() const {
    return checkBox_->isChecked();
}

// "&Uitslag" never stands above "&t/m": the other box follows the one changed.
void TDagKL1::SpinEdit1Change() {
    if (!spinEdit1_->text().isEmpty() && spinEdit1_->value() > spinEdit2_->value())
        spinEdit2_->setValue(spinEdit1_->value());
}

void TDagKL1::SpinEdit2Change() {
    if (!spinEdit2_->text().isEmpty() && spinEdit1_->value() > spinEdit2_->value())
        spinEdit1_->setValue(spinEdit2_->value());
}

// The text next to the check box belongs to it: a click toggles the box.
void TDagKL1::Label3Click() {
    checkBox_->toggle();
}

bool TDagKL1::eventFilter(QObject *watched, QEvent *event) {
    if (watched == label3_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Label3Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool RunDailyClassification(Competition &comp, Prompts &prompts, const QFont &font, QWidget *parent) {
    TKlasse *klasse = comp.Active();
    if (!klasse)
        return false;
    int from = 0;
    int to = 0;
    bool hcNoPoints = false;
    {
        TDagKL1 range(*klasse, DefaultDailyRange(*klasse), parent);
        if (range.exec() != QDialog::Accepted)
            return false;
        from = range.From();
        to = range.To();
        hcNoPoints = range.HcNoPoints();
    }
    bool applied = false;
    {
        TDagKL2 window(comp, from, to, hcNoPoints, font, parent);
        if (window.exec() == QDialog::Accepted &&
            prompts.Ask(ReplaceQuestion(from, to), Buttons::YesNo) == Answer::Yes) {
            ApplyDailyClassification(comp, comp.ActiveClass, window.Table());
            applied = true;
        }
    }
    ClearDailySortKeys(*klasse);
    return applied;
}

} // namespace rondaxa
