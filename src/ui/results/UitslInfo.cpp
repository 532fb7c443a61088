#include "ui/results/UitslInfo.h"

#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"
#include "ui/platform/NumberBox.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace rondaxa {

namespace {

QSpinBox *TwoDigitSpin(int max, QWidget *parent) {
    auto *spin = new NumberBox(parent);
    spin->setRange(1, std::max(max, 1));
    spin->setMinimumWidth(spin->fontMetrics().horizontalAdvance(QStringLiteral("8888")) + 24);
    return spin;
}

} // namespace

TUitslInfo::TUitslInfo(Competition &comp, TKlasse &klasse, Prompts &prompts, GridHost &host, QWidget *parent)
    : QDialog(parent), comp_(comp), klasse_(klasse), prompts_(prompts), host_(host) {
    setObjectName(QStringLiteral("TUitslInfo"));
    setWindowTitle(QStringLiteral("Informatie uitslagen"));
    SetHelpContext(this, kHelpContext);

    const int resultCount = klasse.ResultCount;
    auto *rangeGroup = new QGroupBox(QStringLiteral("Betreft informatie voor:"), this);
    from_ = TwoDigitSpin(resultCount, rangeGroup);
    to_ = TwoDigitSpin(resultCount, rangeGroup);
    auto *fromLabel = new QLabel(QStringLiteral("&Uitslag"), rangeGroup);
    fromLabel->setBuddy(from_);
    auto *toLabel = new QLabel(QStringLiteral("&t/m"), rangeGroup);
    toLabel->setBuddy(to_);
    previous_ = new QToolButton(rangeGroup);
    previous_->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    previous_->setToolTip(QStringLiteral("Vorige"));
    next_ = new QToolButton(rangeGroup);
    next_->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    next_->setToolTip(QStringLiteral("Volgende"));
    auto *rangeLayout = new QHBoxLayout(rangeGroup);
    rangeLayout->addWidget(fromLabel);
    rangeLayout->addWidget(from_);
    rangeLayout->addWidget(toLabel);
    rangeLayout->addWidget(to_);
    rangeLayout->addStretch();
    rangeLayout->addWidget(previous_);
    rangeLayout->addWidget(next_);

    auto *infoGroup = new QGroupBox(QStringLiteral("Uitslag informatie"), this);
    date_ = new QLineEdit(infoGroup);
    date_->setInputMask(QStringLiteral("00-00-0000;_"));
    date_->setToolTip(QStringLiteral("dag-maand-jaar"));
    date_->setMaximumWidth(date_->fontMetrics().horizontalAdvance(QStringLiteral("88-88-88888")) + 16);
    notCounting_ = new QCheckBox(QStringLiteral("&Niet tellende uitslag(en)"), infoGroup);
    remark_ = new QLineEdit(infoGroup);
    remark_->setMaxLength(60);
    remark_->setMinimumWidth(remark_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 48);
    auto *infoLayout = new QFormLayout(infoGroup);
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(date_);
    dateRow->addSpacing(16);
    dateRow->addWidget(notCounting_);
    dateRow->addStretch();
    infoLayout->addRow(QStringLiteral("&Datum :"), dateRow);
    infoLayout->addRow(QStringLiteral("Op&merking :"), remark_);
    static_cast<QLabel *>(infoLayout->labelForField(dateRow))->setBuddy(date_);

    auto *buttons = AddDialogButtons(this, kHelpContext, false);
    synchro_ = buttons->addButton(QStringLiteral("&Synchro"), QDialogButtonBox::ActionRole);
    synchro_->setToolTip(QStringLiteral("Informatie uitslagen synchroniseren"));
    synchro_->setEnabled(comp.ClassCount() > 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(rangeGroup);
    layout->addWidget(infoGroup);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &TUitslInfo::Button1Click);
    connect(synchro_, &QPushButton::clicked, this, &TUitslInfo::Button4Click);
    connect(previous_, &QToolButton::clicked, this, &TUitslInfo::SBvorigeClick);
    connect(next_, &QToolButton::clicked, this, &TUitslInfo::SBnextClick);
    connect(from_, &QSpinBox::valueChanged, this, &TUitslInfo::SpinEdit1Change);
    connect(to_, &QSpinBox::valueChanged, this, &TUitslInfo::SpinEdit2Change);
    connect(notCounting_, &QCheckBox::clicked, this, &TUitslInfo::CheckBox1Click);
    connect(date_, &QLineEdit::textEdited, this, [this] {
        page_.DateEdited = true;
        dateDirty_ = true;
    });
    connect(remark_, &QLineEdit::textChanged, this,
            [this](const QString &text) { page_.Remark = ToModelText(text); });
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);

    // The first page: the block under the grid cursor.
    ClassGrid &grid = klasse.Grid;
    const TColData *cursor = grid.ColData(grid.CurCol);
    if ((!cursor || cursor->Kind != KindResult) && resultCount > 0)
        host_.GoToCell(klasse.FirstResultCol, grid.CurRow);
    LoadInfoPage(page_, klasse_, FindInfoBlock(klasse_, grid.CurCol));
    ShowPage();
}

void TUitslInfo::ShowPage() {
    const QSignalBlocker blockFrom(from_), blockTo(to_), blockRemark(remark_);
    from_->setValue(page_.From);
    to_->setValue(page_.To);
    date_->setText(FromModelText(page_.DateText));
    notCounting_->setChecked(page_.NotCounting);
    remark_->setText(FromModelText(page_.Remark));
    dateDirty_ = false;
}

void TUitslInfo::SpinEdit1Change(int value) {
    SetPageFrom(page_, value);
    const QSignalBlocker block(to_);
    to_->setValue(page_.To);
}

void TUitslInfo::SpinEdit2Change(int value) {
    SetPageTo(page_, value);
    const QSignalBlocker block(from_);
    from_->setValue(page_.From);
}

void TUitslInfo::CheckBox1Click() {
    page_.NotCounting = notCounting_->isChecked();
    page_.CheckClicked = true;
}

// Leaving the date field completes the typed date and shows it again.
void TUitslInfo::MaskEdit1Exit() {
    if (!dateDirty_)
        return;
    page_.DateText = ToModelText(date_->text());
    LeaveDateField(page_, CurrentClock().Today());
    date_->setText(FromModelText(page_.DateText));
    dateDirty_ = false;
}

Answer TUitslInfo::Store() {
    MaskEdit1Exit(); // a button reached by its key leaves the field unnoticed
    const Answer answer = StoreInfoPage(page_, comp_, klasse_, prompts_);
    if (answer == Answer::Yes) {
        ShowPage();
        if (OnStored)
            OnStored();
    }
    return answer;
}

void TUitslInfo::GoToPage(int col) {
    host_.GoToCell(col, klasse_.Grid.CurRow);
    LoadInfoPage(page_, klasse_, col);
    ShowPage();
}

void TUitslInfo::SBnextClick() {
    if (Store() == Answer::Cancel)
        return;
    if (const int col = NextPageColumn(page_, klasse_); col >= 0)
        GoToPage(col);
}

void TUitslInfo::SBvorigeClick() {
    if (Store() == Answer::Cancel)
        return;
    if (const int col = PreviousPageColumn(page_, klasse_); col >= 0)
        GoToPage(col);
}

void TUitslInfo::Button1Click() {
    if (Store() != Answer::Cancel)
        accept();
}

void TUitslInfo::Button4Click() {
    if (Store() == Answer::Cancel)
        return;
    QPointer<TUitslInfo> self(this);
    if (OnSynchro)
        OnSynchro();
    if (self)
        accept();
}

// Enter moves on to the next field (never a beep); Page Up and Page Down
// page as the buttons do, leaving the field being edited first.
bool TUitslInfo::FormKeyDown(QKeyEvent *event, QWidget *focus) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !qobject_cast<QAbstractButton *>(focus) &&
        event->modifiers() == Qt::NoModifier) {
        focusNextChild();
        return true;
    }
    if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        QToolButton *button = key == Qt::Key_PageUp ? previous_ : next_;
        QPointer<QWidget> had(focus);
        button->setFocus(Qt::OtherFocusReason);
        MaskEdit1Exit();
        button->click();
        if (had)
            had->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

bool TUitslInfo::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && FormKeyDown(static_cast<QKeyEvent *>(event), widget))
            return true;
    } else if (event->type() == QEvent::FocusOut && watched == date_) {
        MaskEdit1Exit();
    } else if (event->type() == QEvent::FocusIn && watched == date_) {
        // Typing into an empty date starts at the day, wherever the click fell.
        QTimer::singleShot(0, date_, [this] {
            if (date_->text() == QStringLiteral("--"))
                date_->setCursorPosition(0);
        });
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace rondaxa
