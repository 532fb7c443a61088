#include "ui/scoring/Sorteer.h"

#include "core/scoring/sorting.h"
#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"
#include "ui/platform/NumberBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace rondaxa {

TSorteer::TSorteer(const ClubRec &club, const TKlasse &klasse, QWidget *parent)
    : QDialog(parent), club_(club) {
    setObjectName(QStringLiteral("TSorteer"));
    setWindowTitle(QStringLiteral("Sorteren"));
    SetHelpContext(this, kHelpContext);

    auto *byGroup = new QGroupBox(QStringLiteral("Sorteer op:"), this);
    const QString captions[kModeCount] = {
        QStringLiteral("&Volgorde invoer"),  QStringLiteral("&Naam"),
        QStringLiteral("&Startnummer"),      QStringLiteral("Op &uitslag :"),
        CaptionText(club.ExtraLabel1.str()), CaptionText(club.ExtraLabel2.str()),
        CaptionText(club.ExtraLabel3.str()),
    };
    auto *byButtons = new QButtonGroup(this);
    for (int mode = 0; mode < kModeCount; ++mode) {
        modes_[mode] = new QRadioButton(captions[mode], byGroup);
        byButtons->addButton(modes_[mode], mode);
    }
    result_ = new NumberBox(byGroup);
    swap_ = new QCheckBox(QStringLiteral("&Wissel naam"), byGroup);
    swap_->setChecked(!(club.Options & OptNamesAsStored));
    auto *byLayout = new QGridLayout(byGroup);
    for (int mode = 0; mode < kModeCount; ++mode)
        byLayout->addWidget(modes_[mode], mode, 0);
    byLayout->addWidget(swap_, 1, 1);
    byLayout->addWidget(result_, 3, 1);

    auto *dirGroup = new QGroupBox(QStringLiteral("Richting"), this);
    ascending_ = new QRadioButton(QStringLiteral("&Oplopend"), dirGroup);
    descending_ = new QRadioButton(QStringLiteral("Aflope&nd"), dirGroup);
    auto *dirLayout = new QVBoxLayout(dirGroup);
    dirLayout->addWidget(ascending_);
    dirLayout->addWidget(descending_);

    // "&Oplopend" has Alt+O here, so the Ok button takes Alt+K.
    auto *buttons = AddDialogButtons(this, kHelpContext, true, Qt::Vertical, QStringLiteral("O&k"));

    auto *right = new QVBoxLayout;
    right->addWidget(dirGroup);
    right->addStretch();
    right->addWidget(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(byGroup);
    layout->addLayout(right);

    for (int mode = 0; mode < kModeCount; ++mode)
        if (mode != ModeResult)
            connect(modes_[mode], &QRadioButton::clicked, this, &TSorteer::RadioButton1Click);
    connect(modes_[ModeResult], &QRadioButton::clicked, this, &TSorteer::RadioButton4Click);

    // Filling: the button of the current column; a result column or a
    // calculated column at their right chooses "Op &uitslag :".
    const int results = klasse.ResultCount;
    modes_[ModeResult]->setEnabled(results > 0);
    result_->setRange(1, std::max(results, 1));
    const int col = klasse.Grid.CurCol;
    if (results > 0 && col >= klasse.FirstResultCol) {
        result_->setValue(col - klasse.FirstResultCol + 1);
        modes_[ModeResult]->setChecked(true);
        RadioButton4Click();
    } else {
        const TColData *data = klasse.ColData(col);
        const int kind = data ? data->Kind : KindRowNumber;
        const int mode = kind >= 0 && kind < kModeCount && kind != KindResult ? kind : 0;
        modes_[mode]->setChecked(true);
        RadioButton1Click();
    }
}

int TSorteer::Mode() const {
    for (int mode = 0; mode < kModeCount; ++mode)
        if (modes_[mode]->isChecked())
            return mode;
    return 0;
}

int TSorteer::ResultNumber() const {
    return result_->value();
}

int TSorteer::Direction() const {
    return descending_->isChecked() ? kDescending : kAscending;
}

bool TSorteer::SwapNames() const {
    return swap_->isChecked();
}

// Input order, name, start number or an extra field: ascending, and only
// names can be swapped.
void TSorteer::RadioButton1Click() {
    result_->setEnabled(false);
    ascending_->setChecked(true);
    swap_->setEnabled(Mode() == ModeName);
}

// A result column: the best result first, whether results show as points
// (descending) or as positions (ascending).
void TSorteer::RadioButton4Click() {
    result_->setEnabled(true);
    swap_->setEnabled(false);
    ((club_.Options & OptPositionsAsPoints) ? descending_ : ascending_)->setChecked(true);
}

bool SortCommand(ClubRec &club, TKlasse &klasse, int horsConcours, QWidget *parent) {
    TSorteer dialog(club, klasse, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    SortClass(club, klasse, dialog.Mode(), dialog.ResultNumber(), dialog.Direction(), dialog.SwapNames(),
              horsConcours);
    return true;
}

} // namespace rondaxa
