#include "ui/scoring/ZoekAll.h"

#include "ui/common/DocumentSignals.h"
#include "ui/common/GridHost.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace rondaxa {

TZoekAll::TZoekAll(GridHost &host, Prompts &prompts, QWidget *parent)
    : QDialog(parent), host_(host), prompts_(prompts) {
    setObjectName(QStringLiteral("TZoekAll"));
    setWindowTitle(QStringLiteral("Zoeken"));
    SetHelpContext(this, kHelpContext);

    const QString captions[kFieldCount] = {QStringLiteral("Naa&m :"), QStringLiteral("&Startnr. :")};
    const int lengths[kFieldCount] = {30, 5, 40, 40, 40};
    auto *form = new QFormLayout;
    for (int i = 0; i < kFieldCount; ++i) {
        auto *field = new QLineEdit(this);
        field->setMaxLength(lengths[i]);
        auto *label = new QLabel(captions[i], this);
        label->setBuddy(field);
        form->addRow(label, field);
        fields_[static_cast<std::size_t>(i)] = field;
        labels_[static_cast<std::size_t>(i)] = label;
    }
    ShowExtraCaptions();

    auto *matchGroup = new QGroupBox(QStringLiteral("Resultaat voldoet aan:"), this);
    oneField_ = new QRadioButton(QStringLiteral("&Eén van ingevulde velden"), matchGroup);
    allFields_ = new QRadioButton(QStringLiteral("&Alle ingevulde velden"), matchGroup);
    oneField_->setChecked(true);
    auto *matchLayout = new QVBoxLayout(matchGroup);
    matchLayout->addWidget(oneField_);
    matchLayout->addWidget(allFields_);
    allClasses_ = new QCheckBox(QStringLiteral("Zoek in alle &klassen"), this);
    allClasses_->setChecked(true);
    caseSensitive_ = new QCheckBox(QStringLiteral("H&oofdletter gevoelig"), this);
    contains_ = new QCheckBox(QStringLiteral("&Resultaat bevat zoek tekst"), this);
    contains_->setChecked(true);

    auto *search = new QPushButton(QStringLiteral("&Zoek"), this);
    auto *again = new QPushButton(QStringLiteral("&Nogmaals"), this);
    auto *wis = new QPushButton(QStringLiteral("&Wis"), this);
    auto *help = new QPushButton(QStringLiteral("&Help"), this);
    auto *cancel = new QPushButton(QStringLiteral("&Annuleren"), this);
    search->setDefault(true);
    ConnectHelpButton(help, kHelpContext);
    connect(search, &QPushButton::clicked, this, [this] { Search(false); });
    connect(again, &QPushButton::clicked, this, [this] { Search(true); });
    connect(wis, &QPushButton::clicked, this, &TZoekAll::WisClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(matchGroup);
    left->addWidget(allClasses_);
    left->addWidget(caseSensitive_);
    left->addWidget(contains_);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {search, again, wis, help, cancel})
        buttons->addWidget(button);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    if (DocumentSignals *notices = host_.HostNotices()) {
        connect(notices, &DocumentSignals::clubSettingsChanged, this, &TZoekAll::ShowExtraCaptions);
        connect(notices, &DocumentSignals::classListChanged, this, &TZoekAll::FollowClassList);
    }
}

// The three extra fields are captioned with the club's names for them.
void TZoekAll::ShowExtraCaptions() {
    const ClubRec &club = host_.HostCompetition().Club;
    labels_[2]->setText(CaptionText(club.ExtraLabel1.str()));
    labels_[3]->setText(CaptionText(club.ExtraLabel2.str()));
    labels_[4]->setText(CaptionText(club.ExtraLabel3.str()));
}

void TZoekAll::FollowClassList() {
    if (!host_.HostCompetition().Active())
        reject();
}

RiderQuery TZoekAll::Query() const {
    RiderQuery query;
    for (int i = 0; i < kFieldCount; ++i)
        query.Texts[static_cast<std::size_t>(i)] = ToModelText(fields_[static_cast<std::size_t>(i)]->text());
    query.MatchAll = allFields_->isChecked();
    query.AllClasses = allClasses_->isChecked();
    query.CaseSensitive = caseSensitive_->isChecked();
    query.Contains = contains_->isChecked();
    return query;
}

void TZoekAll::Search(bool again) {
    Competition &comp = host_.HostCompetition();
    const RiderQuery query = Query();
    if (!HasSearchText(query))
        return;
    const auto find = FindRider(comp, query, again);
    if (!find) {
        prompts_.Beep();
        return;
    }
    if (find->ClassIndex != comp.ActiveClass)
        host_.ShowClass(find->ClassIndex);
    if (const TKlasse *klasse = comp.Active())
        host_.GoToCell(std::max(1, klasse->Grid.FixedCols), find->Row);
}

void TZoekAll::WisClick() {
    for (QLineEdit *field : fields_)
        field->clear();
    fields_[0]->setFocus();
}

} // namespace rondaxa
