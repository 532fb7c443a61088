#include "ui/scoring/SnelZoeken.h"

#include "core/scoring/search.h"
#include "ui/common/DocumentSignals.h"
#include "ui/common/GridHost.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

namespace rondaxa {

TSnelZoeken::TSnelZoeken(GridHost &host, Prompts &prompts, QWidget *parent)
    : QDialog(parent), host_(host), prompts_(prompts) {
    setObjectName(QStringLiteral("TSnelZoeken"));
    setWindowTitle(QStringLiteral("Snelzoeken"));
    setModal(false);
    SetHelpContext(this, kHelpContext);

    auto *byGroup = new QGroupBox(QStringLiteral("Zoek:"), this);
    byName_ = new QRadioButton(QStringLiteral("&Naam rijder"), byGroup);
    byStartNo_ = new QRadioButton(QStringLiteral("&Startnummer"), byGroup);
    byName_->setChecked(true);
    auto *byLayout = new QVBoxLayout(byGroup);
    byLayout->addWidget(byName_);
    byLayout->addWidget(byStartNo_);

    auto *textGroup = new QGroupBox(QStringLiteral("Zoek tekst:"), this);
    text_ = new QLineEdit(textGroup);
    text_->setObjectName(QStringLiteral("Edit1"));
    text_->installEventFilter(this);
    contains_ = new QCheckBox(QStringLiteral("&Resultaat bevat tekst"), textGroup);
    contains_->setChecked(true);
    auto *textLayout = new QVBoxLayout(textGroup);
    textLayout->addWidget(text_);
    textLayout->addWidget(contains_);

    auto *next = new QPushButton(QStringLiteral("&Volgende zoeken"), this);
    auto *cancel = new QPushButton(QStringLiteral("&Annuleren"), this);
    auto *help = new QPushButton(QStringLiteral("&Help"), this);
    for (QPushButton *button : {next, cancel, help})
        button->setAutoDefault(false);
    ConnectHelpButton(help, kHelpContext);
    connect(next, &QPushButton::clicked, this, &TSnelZoeken::Button1Click);
    connect(cancel, &QPushButton::clicked, this, &TSnelZoeken::hide);
    // A changed text searches again from the top; keys that change nothing
    // (the release of Alt after Alt+V "Volgende zoeken", F3) leave the match.
    connect(text_, &QLineEdit::textEdited, this, [this] { Search(true); });
    connect(byName_, &QRadioButton::clicked, this, &TSnelZoeken::RadioGroup1Click);
    connect(byStartNo_, &QRadioButton::clicked, this, &TSnelZoeken::RadioGroup1Click);
    auto *again = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(again, &QShortcut::activated, this, &TSnelZoeken::Button1Click);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(next);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    buttons->addStretch();
    auto *left = new QVBoxLayout;
    left->addWidget(byGroup);
    left->addWidget(textGroup);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    if (DocumentSignals *notices = host_.HostNotices())
        connect(notices, &DocumentSignals::classListChanged, this, &TSnelZoeken::FollowClassList);
}

// Classes came or went, or another competition replaced this one: the search
// goes on in the class now shown; with no class there is nothing to search.
void TSnelZoeken::FollowClassList() {
    if (!host_.HostCompetition().Active())
        hide();
}

void TSnelZoeken::SnelZoekClick() {
    if (!isVisible()) {
        text_->clear();
        show();
    } else {
        raise();
        Search(false);
    }
    activateWindow();
    text_->setFocus();
}

void TSnelZoeken::Search(bool fromStart) {
    Competition &comp = host_.HostCompetition();
    const TKlasse *klasse = comp.Active();
    if (!klasse)
        return;
    const ClassGrid &grid = klasse->Grid;
    const QuickSearchResult result =
        QuickSearch(comp.Club, *klasse, ToModelText(text_->text()), byStartNo_->isChecked(),
                    contains_->isChecked(), fromStart ? 1 : grid.CurRow + 1);
    if (result.Outcome == SearchOutcome::Found) {
        host_.GoToCell(std::max(grid.CurCol, grid.FixedCols), result.Row);
    } else if (result.Outcome == SearchOutcome::NotFound) {
        text_->clear();
        prompts_.Beep();
    }
}

void TSnelZoeken::Button1Click() {
    Search(false);
}

// Another field to search: start again with an empty text.
void TSnelZoeken::RadioGroup1Click() {
    text_->clear();
    text_->setFocus();
}

void TSnelZoeken::FocusGrid() {
    if (QWidget *owner = parentWidget())
        owner->activateWindow();
}

bool TSnelZoeken::eventFilter(QObject *watched, QEvent *event) {
    if (watched == text_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool leaves = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
        if (leaves) {
            if (event->type() == QEvent::KeyPress)
                FocusGrid();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TSnelZoeken::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate)
        text_->setFocus();
    return QDialog::event(event);
}

} // namespace rondaxa
