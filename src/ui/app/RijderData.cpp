#include "ui/app/RijderData.h"

#include "ui/app/DelRijder.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace rondaxa {

namespace {
constexpr int kEditKinds[5] = {KindName, KindStartNo, KindExtra1, KindExtra2, KindExtra3};
constexpr int kEditLengths[5] = {30, 5, 40, 40, 40};
} // namespace

TRijderData::TRijderData(RiderDetailsHost &host, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), host_(host), owner_(parent) {
    // While not kept on top the window has no parent (so that the main
    // window can cover it); it then goes together with its main window.
    if (owner_)
        connect(owner_, &QObject::destroyed, this, [this] {
            if (!QObject::parent())
                delete this;
        });
    setObjectName(QStringLiteral("TRijderData"));
    setWindowTitle(QStringLiteral("Rijdergegevens"));
    SetHelpContext(this, kHelpContext);

    auto *fields = new QGridLayout;
    const QString captions[2] = {QStringLiteral("&Naam :"), QStringLiteral("&Startnr. :")};
    for (int i = 0; i < 5; ++i) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edit->setMaxLength(kEditLengths[i]);
        edit->installEventFilter(this);
        edits_[i] = edit;
        auto *label = new QLabel(i < 2 ? captions[i] : QString(), this);
        label->setBuddy(edit);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (i >= 2)
            extraCaptions_[i - 2] = label;
        fields->addWidget(label, i, 0);
        fields->addWidget(edit, i, 1);
    }
    edits_[1]->setMaximumWidth(80);
    checkBox1_ = new QCheckBox(QStringLiteral("&Buitenmededinging"), this);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    checkBox1_->installEventFilter(this);
    fields->addWidget(checkBox1_, 5, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(AddButton("SBnew", QStringLiteral("Nieuwe rijder"), QStyle::SP_FileIcon));
    buttons->addWidget(AddButton("SBdelete", QStringLiteral("Rijder verwijderen"), QStyle::SP_TrashIcon));
    buttons->addSpacing(8);
    buttons->addWidget(AddButton("SBeerste", QStringLiteral("Eerste"), QStyle::SP_MediaSkipBackward));
    buttons->addWidget(AddButton("SBvorige", QStringLiteral("Vorige"), QStyle::SP_MediaSeekBackward));
    buttons->addWidget(AddButton("SBnext", QStringLiteral("Volgende"), QStyle::SP_MediaSeekForward));
    buttons->addWidget(AddButton("SBlast", QStringLiteral("Laatste"), QStyle::SP_MediaSkipForward));
    buttons->addSpacing(8);
    buttons->addWidget(AddButton("SBhelp", QStringLiteral("Help"), QStyle::SP_DialogHelpButton));
    QToolButton *onTop =
        AddButton("SBzichtbaar", QStringLiteral("Altijd zichtbaar"), QStyle::SP_TitleBarShadeButton);
    onTop->setCheckable(true);
    onTop->setChecked(true);
    buttons->addWidget(onTop);
    buttons->addStretch();

    connect(Button("SBnew"), &QToolButton::clicked, this, &TRijderData::SBnewClick);
    connect(Button("SBdelete"), &QToolButton::clicked, this, &TRijderData::SBdeleteClick);
    connect(Button("SBeerste"), &QToolButton::clicked, this, &TRijderData::SBeersteClick);
    connect(Button("SBvorige"), &QToolButton::clicked, this, &TRijderData::SBvorigeClick);
    connect(Button("SBnext"), &QToolButton::clicked, this, &TRijderData::SBnextClick);
    connect(Button("SBlast"), &QToolButton::clicked, this, &TRijderData::SBlastClick);
    connect(Button("SBhelp"), &QToolButton::clicked, this, [] { ShowHelp(kHelpContext); });
    connect(onTop, &QToolButton::toggled, this, &TRijderData::SBzichtbaarClick);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(fields);
    resize(420, sizeHint().height());
}

TRijderData::TRijderData(std::unique_ptr<RiderDetailsHost> host, QWidget *parent)
    : TRijderData(*host, parent) {
    ownedHost_ = std::move(host);
}

void TRijderData::TakeFocus() {
    ReturnToField(edits_[0]);
}

// A store refused or questioned here may have run because the user went to
// another window; the message is about this window's field, so the user goes
// on there, not with keystrokes that would land in the grid.
void TRijderData::ReturnToField(QLineEdit *edit) {
    raise();
    activateWindow();
    edit->setFocus();
}

QToolButton *TRijderData::AddButton(const char *name, const QString &hint, QStyle::StandardPixmap icon) {
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setIcon(style()->standardIcon(icon));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QToolButton *TRijderData::Button(const char *name) const {
    return findChild<QToolButton *>(QLatin1String(name));
}
QLineEdit *TRijderData::Edit(int i) const {
    return edits_[i - 1];
}
QLabel *TRijderData::ExtraCaption(int i) const {
    return extraCaptions_[i - 1];
}
TKlasse *TRijderData::Klasse() const {
    return host_.Comp().Active();
}
bool TRijderData::AlwaysOnTop() const {
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

int TRijderData::LastRow() const {
    const TKlasse *klasse = Klasse();
    return klasse ? klasse->Grid.RowCount() - 1 : 0;
}

void TRijderData::OpenRiderDetails() {
    const ClubRec &club = host_.Comp().Club;
    extraCaptions_[0]->setText(CaptionText(club.ExtraLabel1.str()));
    extraCaptions_[1]->setText(CaptionText(club.ExtraLabel2.str()));
    extraCaptions_[2]->setText(CaptionText(club.ExtraLabel3.str()));
    ShowRider(host_.CurrentRow());
    show();
    raise();
    activateWindow();
}

void TRijderData::ShowRider(int row) {
    row_ = row;
    const TKlasse *klasse = Klasse();
    const TRijder *rider = klasse ? klasse->Rider(row) : nullptr;
    const std::string texts[5] = {
        rider ? rider->Name.str() : std::string(), rider ? rider->StartNo.str() : std::string(),
        rider ? rider->Extra1.str() : std::string(), rider ? rider->Extra2.str() : std::string(),
        rider ? rider->Extra3.str() : std::string()};
    for (int i = 0; i < 5; ++i) {
        edits_[i]->setText(FromModelText(texts[i]));
        edits_[i]->setModified(false);
        edits_[i]->setEnabled(rider != nullptr);
    }
    checkBox1_->setChecked(rider && rider->HorsConcours());
    checkBox1_->setEnabled(rider != nullptr);
}

bool TRijderData::StoreRiderEdits() {
    TKlasse *klasse = Klasse();
    const int row = row_;
    TRijder *rider = klasse ? klasse->Rider(row) : nullptr;
    if (!rider || storing_)
        return true;
    storing_ = true;
    Competition &comp = host_.Comp();
    bool stored = true;
    host_.StoreChange(row, [&] { stored = StoreFields(comp, *rider, row); });
    storing_ = false;
    return stored;
}

// The changed fields into the rider, in order, up to one refused; then the
// hors-concours mark when all were stored.
bool TRijderData::StoreFields(Competition &comp, TRijder &rider, int row) {
    bool stored = true;
    for (int i = 0; i < 5 && stored; ++i) {
        QLineEdit *edit = edits_[i];
        if (!edit->isModified())
            continue;
        edit->setModified(false);
        const std::string text = ToModelText(edit->text());
        const int kind = kEditKinds[i];
        if (kind == KindStartNo && !host_.CheckDuplicate(text, kind, row)) {
            ReturnToField(edit);
            stored = false; // the fields after it wait for the next store
            break;
        }
        SetCellText(comp.Club, rider, text, kind, 0);
        host_.WidenColumnFor(kind, row);
        if (kind == KindName && !host_.CheckDuplicate(text, kind, row))
            ReturnToField(edit);
    }
    if (stored)
        rider.Flags = checkBox1_->isChecked() ? RiderHorsConcours : 0;
    return stored;
}

bool TRijderData::Navigate(int row) {
    if (!StoreRiderEdits())
        return false;
    const int last = LastRow();
    if (last < 1)
        return false;
    host_.GoToRow(std::clamp(row, 1, last));
    ShowRider(host_.CurrentRow());
    return true;
}

void TRijderData::SBeersteClick() {
    Navigate(1);
}
void TRijderData::SBvorigeClick() {
    Navigate(host_.CurrentRow() - 1);
}
void TRijderData::SBnextClick() {
    Navigate(host_.CurrentRow() + 1);
}
void TRijderData::SBlastClick() {
    Navigate(LastRow());
}

void TRijderData::SBnewClick() {
    StoreRiderEdits();
    TKlasse *klasse = Klasse();
    if (!klasse)
        return;
    int row = 0;
    host_.ChangeRows(QStringLiteral("Rijder toevoegen"),
                     [&] { row = NewRiderRow(*klasse, host_.Comp().Club); });
    if (row < 1)
        return;
    host_.GoToRow(row);
    ShowRider(row);
    edits_[0]->setFocus();
}

void TRijderData::SBdeleteClick() {
    StoreRiderEdits();
    TKlasse *klasse = Klasse();
    if (!klasse)
        return;
    bool deleted = false;
    host_.ChangeRows(QStringLiteral("Rijder verwijderen"), [&] {
        deleted = ConfirmDeleteRider(host_.Comp(), *klasse, host_.CurrentRow(), host_.GetPrompts(), this);
    });
    if (!deleted)
        return;
    if (LastRow() < 1) {
        close();
        return;
    }
    host_.GoToRow(std::clamp(host_.CurrentRow(), 1, LastRow()));
    ShowRider(host_.CurrentRow());
}

void TRijderData::SBzichtbaarClick(bool on) {
    if (AlwaysOnTop() == on)
        return;
    const QRect placement = geometry();
    const bool shown = isVisible();
    if (on)
        setParent(owner_, Qt::Tool | Qt::WindowStaysOnTopHint);
    else
        setParent(nullptr, Qt::Window);
    setGeometry(placement);
    if (shown)
        show();
    if (QToolButton *button = Button("SBzichtbaar"); button && button->isChecked() != on)
        button->setChecked(on);
}

bool TRijderData::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusOut && watched != checkBox1_ && isVisible()) {
        StoreRiderEdits();
    } else if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool ctrl = key->modifiers() & Qt::ControlModifier;
        switch (key->key()) {
        case Qt::Key_PageUp:
            ctrl ? SBeersteClick() : SBvorigeClick();
            return true;
        case Qt::Key_PageDown:
            ctrl ? SBlastClick() : SBnextClick();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            focusNextChild();
            return true;
        case Qt::Key_Escape:
            StoreRiderEdits();
            host_.FocusGrid();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TRijderData::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        StoreRiderEdits();
    QWidget::changeEvent(event);
}

void TRijderData::closeEvent(QCloseEvent *event) {
    StoreRiderEdits();
    QWidget::closeEvent(event);
}

} // namespace rondaxa
