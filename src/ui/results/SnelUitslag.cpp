#include "ui/results/SnelUitslag.h"

#include "core/model/editing.h"
#include "core/model/messages.h"
#include "core/results/quick_entry.h"
#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"
#include "ui/platform/NumberBox.h"
#include "ui/results/OrderListEdit.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QVBoxLayout>

#include <algorithm>

namespace rondaxa {

namespace {

QString JoinedLines(const std::vector<std::string> &lines) {
    QStringList texts;
    for (const std::string &line : lines)
        texts.append(FromModelText(line));
    return texts.join(QLatin1Char('\n'));
}

} // namespace

TSnelUit::TSnelUit(Competition &comp, Prompts &prompts, std::function<void()> gridChanged, QWidget *parent)
    : QDialog(parent), comp_(comp), prompts_(prompts), gridChanged_(std::move(gridChanged)) {
    setObjectName(QStringLiteral("TSnelUit"));
    setWindowTitle(QStringLiteral("Snel uitslagen toevoegen"));
    SetHelpContext(this, kHelpContext);

    auto *memoCaption =
        new QLabel(QStringLiteral("Geef de startnrs. in de juiste volgorde. Eén per regel:"), this);
    memo_ = new OrderListEdit(prompts_, this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setTabChangesFocus(true); // Tab and Shift+Tab go on; a pasted tab stays in its line
    memo_->installEventFilter(this);
    memoCaption->setBuddy(memo_);
    auto *positionCaption = new QLabel(QStringLiteral("Positie :"), this);
    position_ = new QLabel(QStringLiteral("1"), this);
    position_->setObjectName(QStringLiteral("Label2"));

    auto *modeGroup = new QGroupBox(QStringLiteral("Uitslagen toevoegen"), this);
    newColumn_ = new QRadioButton(QStringLiteral("Als nieuwe uitslag"), modeGroup);
    changeColumn_ = new QRadioButton(QStringLiteral("&Wijzig uitslag kolom :"), modeGroup);
    column_ = new NumberBox(modeGroup);
    column_->setObjectName(QStringLiteral("SpinEdit1"));
    fetch_ = new QPushButton(QStringLiteral("Haal uitslag"), modeGroup);
    fetch_->setAutoDefault(false);
    auto *modeLayout = new QGridLayout(modeGroup);
    modeLayout->addWidget(newColumn_, 0, 0, 1, 3);
    modeLayout->addWidget(changeColumn_, 1, 0);
    modeLayout->addWidget(column_, 1, 1);
    modeLayout->addWidget(fetch_, 2, 0, 1, 2, Qt::AlignLeft);
    newColumn_->setChecked(true);

    auto *unknownGroup = new QGroupBox(QStringLiteral("Startnr. dat niet voorkomt :"), this);
    addUnknown_ = new QRadioButton(QStringLiteral("Als nieuwe rijder toevoegen"), unknownGroup);
    ignoreUnknown_ = new QRadioButton(QStringLiteral("&Negeren"), unknownGroup);
    addUnknown_->setChecked(true);
    auto *unknownLayout = new QVBoxLayout(unknownGroup);
    unknownLayout->addWidget(addUnknown_);
    unknownLayout->addWidget(ignoreUnknown_);

    auto *buttons = AddDialogButtons(this, kHelpContext, false, Qt::Vertical);
    for (QAbstractButton *button : buttons->buttons())
        if (auto *push = qobject_cast<QPushButton *>(button))
            push->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &TSnelUit::Button1Click);

    auto *positionRow = new QHBoxLayout;
    positionRow->addWidget(positionCaption);
    positionRow->addWidget(position_);
    positionRow->addStretch();
    auto *left = new QVBoxLayout;
    left->addWidget(memoCaption);
    left->addWidget(memo_, 1);
    left->addLayout(positionRow);
    auto *right = new QVBoxLayout;
    right->addWidget(modeGroup);
    right->addWidget(unknownGroup);
    right->addStretch();
    right->addWidget(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    resize(520, 420);

    connect(newColumn_, &QRadioButton::toggled, this, &TSnelUit::RadioButton1Click);
    connect(changeColumn_, &QRadioButton::toggled, this, &TSnelUit::RadioButton1Click);
    connect(fetch_, &QPushButton::clicked, this, &TSnelUit::Button4Click);
    connect(memo_, &QPlainTextEdit::cursorPositionChanged, this, &TSnelUit::ShowCaretLine);
}

void TSnelUit::Prepare() {
    TKlasse &klasse = Klasse();
    CountColumns(klasse);
    const int columns = klasse.ResultCount;
    column_->setRange(1, std::max(columns, 1));
    const int under = klasse.Grid.CurCol - klasse.FirstResultCol + 1;
    column_->setValue(under >= 1 && under <= columns ? under : 1);
    if (columns == 0) {
        newColumn_->setChecked(true);
        changeColumn_->setEnabled(false);
    }
    if (columns >= kMaxResults) {
        changeColumn_->setChecked(true);
        newColumn_->setEnabled(false);
        ShowError(prompts_, kMaxResultsReachedCode);
    }
    RadioButton1Click();
    ShowCaretLine();
}

std::vector<std::string> TSnelUit::MemoLines() const {
    return SplitLines(ToModelText(memo_->toPlainText()));
}

// The column number can be chosen in change mode; a column can be fetched
// back as a list only where finish positions are stored.
void TSnelUit::RadioButton1Click() {
    const bool change = changeColumn_->isChecked();
    column_->setEnabled(change);
    fetch_->setEnabled(change && (comp_.Club.Options & OptStoreFinishOrder));
}

void TSnelUit::ShowCaretLine() {
    position_->setText(QString::number(memo_->textCursor().blockNumber() + 1));
}

bool TSnelUit::Memo1Enter() {
    const std::vector<std::string> lines = MemoLines();
    if (const int other = LineWithSameStartNo(lines, memo_->textCursor().blockNumber())) {
        ShowError(prompts_, WithPosition(kDuplicateStartNoCode, other));
        return false;
    }
    return EnterAllowed(lines);
}

bool TSnelUit::eventFilter(QObject *watched, QEvent *event) {
    if (watched == memo_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !Memo1Enter()) {
            ShowCaretLine();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSnelUit::Button1Click() {
    std::vector<std::string> lines = MemoLines();
    const std::size_t before = lines.size();
    QuickEntryChoices choices;
    choices.NewColumn = newColumn_->isChecked();
    choices.Column = column_->value();
    choices.AddUnknown = addUnknown_->isChecked();
    const QuickEntryOutcome outcome = EnterFinishingOrder(comp_, Klasse(), lines, choices);
    if (outcome.Code == 0) {
        accept();
        return;
    }
    if (lines.size() != before)
        memo_->setPlainText(JoinedLines(lines));
    if (outcome.Code > 0) {
        const ErrorMessage message = RefusalMessage(outcome);
        prompts_.Message(message.Text, message.Icon);
    }
    if (!outcome.KeepOpen)
        reject();
}

// "Haal uitslag": the column's finishing order back in the list, the class
// sorted by it in the main grid.
void TSnelUit::Button4Click() {
    memo_->clear();
    const std::vector<std::string> lines = FinishingOrderOf(comp_.Club, Klasse(), column_->value());
    if (gridChanged_)
        gridChanged_();
    memo_->setPlainText(JoinedLines(lines));
}

} // namespace rondaxa
