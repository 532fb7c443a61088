#include "ui/scoring/RekAvan.h"

#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/NumberBox.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace rondaxa {

namespace {
constexpr int kPlacesMethod = 2; // "Aantal 1e, 2e, ... plaatsen" counts up to a place
}

const QStringList &TieMethodNames() {
    static const QStringList names = {
        QStringLiteral("<niets>"),
        QStringLiteral("Beste uitslagen"),
        QStringLiteral("Aantal 1e, 2e, ... plaatsen"),
        QStringLiteral("Geschrapte uitslagen"),
        QStringLiteral("Laatste uitslag"),
        QStringLiteral("Laatst behaalde uitslag"),
        QStringLiteral("Bruto punten"),
        QStringLiteral("Gemiddelde"),
        QStringLiteral("Meeste uitslagen"),
        QStringLiteral("Minste uitslagen"),
    };
    return names;
}

TRekAvan::TRekAvan(ClubRec &club, QWidget *parent) : QDialog(parent), club_(club) {
    setObjectName(QStringLiteral("TRekAvan"));
    setWindowTitle(QStringLiteral("Rekenmethode met een gelijk aantal punten"));
    SetHelpContext(this, kHelpContext);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("Kies de gehanteerde rekenmethode bij een gelijke klassering:"), this));
    for (int s = 1; s <= kTieStepCount; ++s) {
        Step &step = steps_[s - 1];
        auto *group = new QGroupBox(QStringLiteral("Stap %1").arg(s), this);
        step.List = new QComboBox(group);
        step.List->setObjectName(QStringLiteral("ComboBox%1").arg(s));
        step.List->addItems(TieMethodNames());
        step.List->setCurrentIndex(-1);
        step.List->setMinimumWidth(200);
        step.List->setEnabled(s <= 2);
        step.Caption = new QLabel(QStringLiteral("Van de 1e plaats t/m :"), group);
        step.Place = new NumberBox(group);
        step.Place->setObjectName(QStringLiteral("SpinEdit%1").arg(s));
        step.Place->setRange(1, 99);
        step.Place->setValue(3);
        step.Caption->setBuddy(step.Place);
        auto *row = new QHBoxLayout(group);
        row->addWidget(step.List);
        row->addSpacing(12);
        row->addWidget(step.Caption);
        row->addWidget(step.Place);
        row->addStretch();
        ShowPlace(s, false);
        layout->addWidget(group);
        connect(step.List, &QComboBox::activated, this, [this, s] { ComboBox1Change(s); });
    }

    notify_ = new NumberBox(this);
    notify_->setObjectName(QStringLiteral("SpinEditNotify"));
    auto *notifyRow = new QHBoxLayout;
    notifyRow->addWidget(new QLabel(QStringLiteral("Geef aan als de stand is bepaald met stap: "), this));
    notifyRow->addWidget(notify_);
    notifyRow->addWidget(new QLabel(QStringLiteral("of verder. Nul = geen melding."), this));
    notifyRow->addStretch();
    layout->addLayout(notifyRow);

    auto *buttons = AddDialogButtons(this, kHelpContext, false);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        StoreSteps();
        accept();
    });
    layout->addWidget(buttons);

    // Fill: the stored steps up to the first empty one.
    notify_->setRange(0, 0);
    int filled = 0;
    for (int s = 1; s <= kTieStepCount; ++s) {
        const TieStep &stored = club.TieSteps[static_cast<std::size_t>(s)];
        if (stored.Method == 0 || stored.Method >= TieMethodNames().size())
            break;
        steps_[s - 1].List->setCurrentIndex(stored.Method);
        if (stored.Method == kPlacesMethod)
            steps_[s - 1].Place->setValue(std::clamp<int>(stored.Param, 1, 99));
        ComboBox1Change(s);
        filled = s;
    }
    notify_->setRange(0, filled);
    notify_->setValue(club.TieNotify > filled ? 0 : club.TieNotify);
}

void TRekAvan::ShowPlace(int step, bool on) {
    steps_[step - 1].Caption->setVisible(on);
    steps_[step - 1].Place->setVisible(on);
}

void TRekAvan::ComboBox1Change(int step) {
    QComboBox *list = steps_[step - 1].List;
    const int method = list->currentIndex();
    if (method >= 1) {
        ShowPlace(step, method == kPlacesMethod);
        if (step < kTieStepCount)
            steps_[step].List->setEnabled(true);
        notify_->setMaximum(std::max(notify_->maximum(), step));
        list->setToolTip(list->currentText());
        return;
    }
    for (int s = step; s <= kTieStepCount; ++s) {
        steps_[s - 1].List->setCurrentIndex(-1);
        steps_[s - 1].List->setToolTip(QString());
        ShowPlace(s, false);
        if (s > step)
            steps_[s - 1].List->setEnabled(false);
    }
    notify_->setMaximum(step - 1);
}

void TRekAvan::StoreSteps() {
    for (auto &stored : club_.TieSteps)
        stored = TieStep{};
    for (int s = 1; s <= kTieStepCount; ++s) {
        const int method = steps_[s - 1].List->currentIndex();
        if (method < 1)
            break;
        const int param = method == kPlacesMethod ? steps_[s - 1].Place->value() : 0;
        club_.TieSteps[static_cast<std::size_t>(s)] =
            TieStep{static_cast<uint8_t>(method), static_cast<uint8_t>(param)};
    }
    club_.TieNotify = static_cast<uint8_t>(notify_->value());
}

} // namespace rondaxa
