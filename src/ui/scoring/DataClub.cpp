#include "ui/scoring/DataClub.h"

#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"
#include "ui/platform/NumberBox.h"
#include "ui/scoring/RekAvan.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace rondaxa {

namespace {

QLabel *Caption(const QString &text, QWidget *buddy, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QSpinBox *SpinBox(const char *name, int min, int max, QWidget *parent) {
    auto *box = new NumberBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(min, max);
    return box;
}

QButtonGroup *RadioGroup(QGroupBox *box, const QStringList &items, QObject *owner) {
    auto *group = new QButtonGroup(owner);
    auto *layout = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], box);
        group->addButton(button, i);
        layout->addWidget(button);
    }
    return group;
}

// A radio button whose caption has a second line: a label that checks and
// focuses the button when clicked.
class SecondLine : public QLabel {
public:
    SecondLine(const QString &text, QRadioButton *button, QWidget *parent)
        : QLabel(text, parent), button_(button) {}

protected:
    void mousePressEvent(QMouseEvent *) override {
        button_->click();
        button_->setFocus();
    }

private:
    QRadioButton *button_;
};

} // namespace

TClubData::TClubData(Competition &comp, Prompts &prompts, QWidget *parent)
    : QDialog(parent), comp_(comp), prompts_(prompts), classes_(std::make_unique<ClassListEdit>(comp)),
      points_(PointsRowOf(comp.Club)), storedMethod_(StorageOf(comp.Club)), savedSteps_(comp.Club.TieSteps),
      savedNotify_(comp.Club.TieNotify) {
    setObjectName(QStringLiteral("TClubData"));
    setWindowTitle(QStringLiteral("Club gegevens"));
    SetHelpContext(this, kHelpContext);
    RunAdvanced = [this](ClubRec &club) {
        TRekAvan dialog(club, this);
        dialog.exec();
    };

    editCN_ = new QLineEdit(this);
    editCN_->setObjectName(QStringLiteral("EditCN"));
    editCN_->setMaxLength(30);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(Caption(QStringLiteral("&Club naam :"), editCN_, this));
    nameRow->addWidget(editCN_, 1);

    pages_ = new QTabWidget(this);
    pages_->addTab(BuildClassPage(), QStringLiteral("&Klasse indeling"));
    pages_->addTab(BuildScoringPage(), QStringLiteral("&Rekenmethode"));
    pages_->addTab(BuildAveragePage(), QStringLiteral("&Gemiddelde"));
    pages_->addTab(BuildExtraPage(), QStringLiteral("&Extra"));
    for (int i = 0; i < 4; ++i)
        SetHelpContext(pages_->widget(i), kPageHelp[i]);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Annuleren"), QDialogButtonBox::RejectRole);
    ConnectHelpButton(buttons->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole), kHelpContext);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        CommitTypedNumbers(*this);
        Button1Click();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(pages_);
    layout->addWidget(buttons);

    BindControls();
    const ClubSettingsForm form = ClubSettingsFormFor(comp.Club);
    fields_.Load(form);
    const bool positions = form.Storage == StorageMethod::Positions;
    storageGroup_->setEnabled(!positions);
    minOnePoint_->setEnabled(positions);
    CountingRuleChanged();
    // Choosing the stored tie method runs its handler, as a click does.
    RadioButton6Click(form.TieMethod);
}

// Each control with the setting it shows; a new setting is one line here.
void TClubData::BindControls() {
    fields_.Text(editCN_, &ClubSettingsForm::ClubName)
        .Number(spinEdit1_, &ClubSettingsForm::Deduction)
        .Choice({finishOrder_, pointsAward_}, &ClubSettingsForm::Storage)
        .Check(minOnePoint_, &ClubSettingsForm::MinOnePoint)
        .Choice({radioButton3_, radioButton4_}, &ClubSettingsForm::DropMode)
        .Number(seProc_, &ClubSettingsForm::CountPercent)
        .Number(sePlm_, &ClubSettingsForm::CountPlus)
        .Choice(rounding_->buttons(), &ClubSettingsForm::Rounding)
        .Number(seSchrap_, &ClubSettingsForm::DropCount)
        .Choice(QList<QAbstractButton *>(tieButtons_.begin(), tieButtons_.end()),
                &ClubSettingsForm::TieMethod)
        .Choice(average_->buttons(), &ClubSettingsForm::AverageMethod)
        .Choice(status_->buttons(), &ClubSettingsForm::StatusField);
    for (std::size_t i = 0; i < extraLabels_.size(); ++i)
        fields_.Text(
            extraLabels_[i], [i](auto &form) -> auto & { return form.ExtraLabels[i]; });
}

TClubData::~TClubData() = default;

// ---- the pages -------------------------------------------------------------------

QWidget *TClubData::BuildClassPage() {
    auto *page = new QWidget;
    listBox1_ = new QListWidget(page);
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    for (const ClassLine &line : classes_->Lines())
        listBox1_->addItem(FromModelText(line.Name));
    editKL_ = new QLineEdit(page);
    editKL_->setObjectName(QStringLiteral("EditKL"));
    editKL_->setMaxLength(30);
    editKL_->installEventFilter(this);
    button4_ = new QPushButton(QStringLiteral("&Toevoegen"), page);
    button5_ = new QPushButton(QStringLiteral("&Verwijderen"), page);
    speedButton1_ = new QToolButton(page);
    speedButton1_->setArrowType(Qt::UpArrow);
    speedButton1_->setToolTip(QStringLiteral("Verplaats klasse omhoog"));
    speedButton2_ = new QToolButton(page);
    speedButton2_->setArrowType(Qt::DownArrow);
    speedButton2_->setToolTip(QStringLiteral("Verplaats klasse omlaag"));
    EnableLineButtons(false);

    connect(button4_, &QPushButton::clicked, this, &TClubData::Button4Click);
    connect(button5_, &QPushButton::clicked, this, &TClubData::Button5Click);
    connect(speedButton1_, &QToolButton::clicked, this, &TClubData::SpeedButton1Click);
    connect(speedButton2_, &QToolButton::clicked, this, &TClubData::SpeedButton2Click);
    // A line chosen by mouse or keyboard; the program's own changes of the
    // list block these signals.
    connect(listBox1_, &QListWidget::currentRowChanged, this, &TClubData::ListBox1Click);
    connect(listBox1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { ListBox1Click(listBox1_->row(item)); });
    connect(editKL_, &QLineEdit::textEdited, this, [this] { nameChanged_ = true; });

    auto *moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(speedButton1_);
    moves->addWidget(speedButton2_);
    moves->addStretch();
    auto *listRow = new QHBoxLayout;
    listRow->addWidget(listBox1_, 1);
    listRow->addLayout(moves);
    auto *side = new QVBoxLayout;
    side->addWidget(Caption(QStringLiteral("Klasse &naam :"), editKL_, page));
    side->addWidget(editKL_);
    side->addWidget(button4_);
    side->addWidget(button5_);
    side->addStretch();
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(listRow, 1);
    layout->addLayout(side);
    return page;
}

QWidget *TClubData::BuildScoringPage() {
    auto *page = new QWidget;
    BuildPointsGroup(page);
    BuildStorageGroup(page);
    QGroupBox *counting = BuildCountingGroup(page);
    QGroupBox *ties = BuildTieGroup(page);

    auto *layout = new QGridLayout(page);
    layout->addWidget(pointsGroup_, 0, 0, 1, 2);
    auto *storageColumn = new QVBoxLayout;
    storageColumn->addWidget(storageGroup_);
    storageColumn->addWidget(minOnePoint_);
    layout->addLayout(storageColumn, 1, 0);
    layout->addWidget(ties, 1, 1, 2, 1);
    layout->addWidget(counting, 2, 0);
    layout->setRowStretch(3, 1);
    return page;
}

// The points table with its editor laid over the current cell, and the deduction.
void TClubData::BuildPointsGroup(QWidget *page) {
    pointsGroup_ = new QGroupBox(QStringLiteral("Punten tabel"), page);
    grid_ = new QTableWidget(2, 11, pointsGroup_);
    grid_->setObjectName(QStringLiteral("StringGrid1"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setTabKeyNavigation(false);
    grid_->installEventFilter(this);
    const QFontMetrics metrics(grid_->font());
    const QString headings[2] = {QStringLiteral("Uitslag volgorde :"), QStringLiteral("Punten :")};
    for (int r = 0; r < 2; ++r) {
        auto *item = new QTableWidgetItem(headings[r]);
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(palette().button());
        grid_->setItem(r, 0, item);
    }
    for (int c = 1; c <= kPointsTableSize; ++c) {
        auto *item = new QTableWidgetItem(QStringLiteral("%1e").arg(c));
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(palette().button());
        item->setTextAlignment(Qt::AlignCenter);
        grid_->setItem(0, c, item);
        grid_->setItem(1, c, new QTableWidgetItem);
        grid_->setColumnWidth(c, metrics.horizontalAdvance(QStringLiteral("1888")) + 8);
    }
    grid_->setColumnWidth(0, metrics.horizontalAdvance(headings[0]) + 4 + 8);
    int width = 2 * grid_->frameWidth();
    for (int c = 0; c <= kPointsTableSize; ++c)
        width += grid_->columnWidth(c);
    grid_->setFixedSize(width, grid_->rowHeight(0) + grid_->rowHeight(1) + 2 * grid_->frameWidth());
    FillPointsGrid();
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (row == 1 && col >= 1)
            pointsCol_ = col;
    });
    SetCurrentPointsColumn(1);

    editSG_ = new QLineEdit(grid_->viewport());
    editSG_->setObjectName(QStringLiteral("EditSG"));
    editSG_->setMaxLength(3);
    editSG_->setFrame(false);
    editSG_->hide();
    editSG_->installEventFilter(this);
    connect(editSG_, &QLineEdit::editingFinished, this, [this] {
        if (editSG_->isVisible() && !editSG_->hasFocus())
            EditSGExit();
    });

    spinEdit1_ = SpinBox("SpinEdit1", 1, 10, pointsGroup_);
    deductionLabel_ = new QLabel(pointsGroup_);
    deductionLabel_->setBuddy(spinEdit1_);
    RenewDeductionCaption();
    connect(spinEdit1_, &QSpinBox::valueChanged, this, &TClubData::SpinEdit1Change);
    auto *pointsLayout = new QGridLayout(pointsGroup_);
    pointsLayout->addWidget(grid_, 0, 0, 2, 1);
    pointsLayout->addWidget(deductionLabel_, 0, 1);
    pointsLayout->addWidget(spinEdit1_, 1, 1, Qt::AlignLeft | Qt::AlignTop);
}

// The storage method, and the minimum-point rule below it.
void TClubData::BuildStorageGroup(QWidget *page) {
    storageGroup_ = new QGroupBox(QStringLiteral("Opslag uitslagen"), page);
    finishOrder_ = new QRadioButton(QStringLiteral("&Finish volgorde"), storageGroup_);
    pointsAward_ = new QRadioButton(QStringLiteral("&Punten toekenning"), storageGroup_);
    // The minimum-point rule sits below the storage group, not in it: the
    // group is disabled exactly while finish positions are stored, which is
    // when the rule applies.
    minOnePoint_ = new QCheckBox(QStringLiteral("Gefinisht = &minimaal 1 punt"), page);
    minOnePoint_->setObjectName(QStringLiteral("CheckBox1"));
    auto *storageLayout = new QVBoxLayout(storageGroup_);
    storageLayout->addWidget(finishOrder_);
    storageLayout->addWidget(pointsAward_);
    connect(finishOrder_, &QRadioButton::clicked, this, &TClubData::RadioGroup4Click);
    connect(pointsAward_, &QRadioButton::clicked, this, &TClubData::RadioGroup4Click);
}

QGroupBox *TClubData::BuildCountingGroup(QWidget *page) {
    auto *counting = new QGroupBox(QStringLiteral("Tellende uitslagen"), page);
    radioButton3_ = new QRadioButton(QStringLiteral("Bereken &tellende uitslagen :"), counting);
    radioButton4_ = new QRadioButton(QStringLiteral("&Schrapresultaten :"), counting);
    seProc_ = SpinBox("SEproc", 0, 100, counting);
    // Only what can be stored is offered.
    sePlm_ = SpinBox("SEplm", 0, kMaxCountPlus, counting);
    seSchrap_ = SpinBox("SEschrap", 0, kMaxDropCount, counting);
    countingCaptions_[0] = Caption(QStringLiteral("% &van ingevoerde uitslagen"), seProc_, counting);
    countingCaptions_[1] = new QLabel(QStringLiteral("+"), counting);
    countingCaptions_[2] = new QLabel(QStringLiteral("Uitslag(en)"), counting);
    dropCaption_ = Caption(QStringLiteral("Aantal te schrappen uitslagen"), seSchrap_, counting);
    roundingBox_ = new QGroupBox(QStringLiteral("Afronding procent berekening"), counting);
    rounding_ =
        RadioGroup(roundingBox_, {QStringLiteral("Naar &boven"), QStringLiteral("Naar b&eneden")}, this);
    auto *countingLayout = new QGridLayout(counting);
    countingLayout->addWidget(radioButton3_, 0, 0, 1, 5);
    countingLayout->addWidget(seProc_, 1, 1);
    countingLayout->addWidget(countingCaptions_[0], 1, 2);
    auto *plusRow = new QHBoxLayout;
    plusRow->addWidget(countingCaptions_[1]);
    plusRow->addWidget(sePlm_);
    plusRow->addWidget(countingCaptions_[2]);
    plusRow->addStretch();
    countingLayout->addLayout(plusRow, 2, 1, 1, 3);
    countingLayout->addWidget(roundingBox_, 0, 5, 3, 1);
    countingLayout->addWidget(radioButton4_, 3, 0, 1, 5);
    countingLayout->addWidget(seSchrap_, 4, 1);
    countingLayout->addWidget(dropCaption_, 4, 2, 1, 3);
    countingLayout->setColumnMinimumWidth(0, 16);
    connect(radioButton3_, &QRadioButton::toggled, this, &TClubData::CountingRuleChanged);
    return counting;
}

QGroupBox *TClubData::BuildTieGroup(QWidget *page) {
    auto *ties = new QGroupBox(QStringLiteral("Bij gelijk aantal punten"), page);
    auto *tieLayout = new QGridLayout(ties);
    tieLayout->setVerticalSpacing(0);
    const QString first[4] = {QStringLiteral("De meeste &Beste uitslagen"),
                              QStringLiteral("Ongebruikte &uitslagen erbij"),
                              QStringLiteral("Aantal 1e, 2e en 3e plaatsen"), QString()};
    const QString second[3] = {QStringLiteral("bepaalt de uitslag"),
                               QStringLiteral("tellen totdat er verschil is."),
                               QStringLiteral("en de laatste uitslag")};
    auto *tieGroup = new QButtonGroup(this);
    for (int tag = 0; tag < 4; ++tag) {
        auto *button = new QRadioButton(first[tag], ties);
        button->setObjectName(QStringLiteral("TieButton%1").arg(tag));
        tieButtons_[static_cast<std::size_t>(tag)] = button;
        tieGroup->addButton(button, tag);
        tieLayout->addWidget(button, 2 * tag, 0);
        if (tag < 3) {
            auto *line = new SecondLine(second[tag], button, ties);
            line->setContentsMargins(20, 0, 0, 0);
            tieLayout->addWidget(line, 2 * tag + 1, 0);
            tieLayout->setRowMinimumHeight(2 * tag + 1, line->sizeHint().height() + 8);
        }
    }
    button6_ = new QPushButton(QStringLiteral("Geavanceerd..."), ties);
    tieLayout->addWidget(button6_, 6, 0, Qt::AlignRight);
    tieLayout->setRowStretch(7, 1);
    connect(tieGroup, &QButtonGroup::idClicked, this, &TClubData::RadioButton6Click);
    connect(button6_, &QPushButton::clicked, this, [this] { RunAdvanced(comp_.Club); });
    return ties;
}

QWidget *TClubData::BuildAveragePage() {
    auto *page = new QWidget;
    auto *box = new QGroupBox(QStringLiteral("Bereken gemiddelde over"), page);
    average_ = RadioGroup(box,
                          {QStringLiteral("Uitslagen met meer dan 0 punten"),
                           QStringLiteral("Uitslagen met 0 of meer punten"),
                           QStringLiteral("De netto uitslagen"), QStringLiteral("Alle uitslagen")},
                          this);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(box);
    layout->addStretch();
    return page;
}

QWidget *TClubData::BuildExtraPage() {
    auto *page = new QWidget;
    auto *names = new QGroupBox(QStringLiteral("Namen extra velden rijder"), page);
    auto *namesLayout = new QGridLayout(names);
    for (int i = 0; i < 3; ++i) {
        auto *edit = new QLineEdit(names);
        edit->setObjectName(QStringLiteral("EditExtra%1").arg(i + 1));
        edit->setMaxLength(15);
        extraLabels_[static_cast<std::size_t>(i)] = edit;
        namesLayout->addWidget(Caption(QStringLiteral("Veld &%1 :").arg(i + 1), edit, names), i, 0);
        namesLayout->addWidget(edit, i, 1);
    }
    auto *statusBox = new QGroupBox(QStringLiteral("Toon gegevens op statusregel"), page);
    status_ = RadioGroup(statusBox,
                         {QStringLiteral("Geen gegevens &tonen"), QStringLiteral("&Naam van de rijder"),
                          QStringLiteral("Het startn&ummer"), QStringLiteral("&Extra veld 1"),
                          QStringLiteral("E&xtra veld 2"), QStringLiteral("Extra &veld 3")},
                         this);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(names, 1, Qt::AlignTop);
    layout->addWidget(statusBox, 1, Qt::AlignTop);
    return page;
}

// ---- class list ------------------------------------------------------------------

void TClubData::EnableLineButtons(bool on) {
    button5_->setEnabled(on);
    speedButton1_->setEnabled(on);
    speedButton2_->setEnabled(on);
}

void TClubData::ShowEditedLine(int line) {
    editLine_ = line;
    editKL_->setText(line >= 0 ? listBox1_->item(line)->text() : QString());
    nameChanged_ = false;
}

void TClubData::Button4Click() {
    const QSignalBlocker sync(listBox1_);
    const QString name = editKL_->text();
    if (!classes_->Add(ToModelText(name)))
        return;
    listBox1_->addItem(name);
    listBox1_->clearSelection();
    listBox1_->setCurrentRow(-1);
    ShowEditedLine(-1);
    EnableLineButtons(false);
}

void TClubData::ListBox1Click(int line) {
    const QSignalBlocker sync(listBox1_);
    if (nameChanged_) {
        if (editLine_ >= 0) {
            classes_->Rename(editLine_, ToModelText(editKL_->text()));
            listBox1_->item(editLine_)->setText(editKL_->text());
        } else if (classes_->Add(ToModelText(editKL_->text()))) {
            listBox1_->addItem(editKL_->text());
        }
    }
    if (line >= listBox1_->count())
        line = -1;
    if (line >= 0)
        listBox1_->setCurrentRow(line);
    ShowEditedLine(line);
    EnableLineButtons(line >= 0);
}

void TClubData::EditKLEnter() {
    ListBox1Click(listBox1_->currentItem() ? listBox1_->currentRow() : -1);
}

void TClubData::Button5Click() {
    const QSignalBlocker sync(listBox1_);
    if (editLine_ < 0 || editLine_ >= listBox1_->count())
        return;
    const int next = classes_->Remove(editLine_);
    delete listBox1_->takeItem(editLine_);
    listBox1_->clearSelection();
    ShowEditedLine(next);
    button5_->setEnabled(next >= 0);
}

void TClubData::SpeedButton1Click() {
    const QSignalBlocker sync(listBox1_);
    const int line = listBox1_->currentRow();
    if (line < 0 || !listBox1_->item(line)->isSelected())
        return;
    const int moved = classes_->MoveUp(line);
    if (moved == line)
        return;
    listBox1_->insertItem(moved, listBox1_->takeItem(line));
    listBox1_->setCurrentRow(moved);
    editLine_ = moved;
}

void TClubData::SpeedButton2Click() {
    const QSignalBlocker sync(listBox1_);
    const int line = listBox1_->currentRow();
    if (line < 0 || !listBox1_->item(line)->isSelected())
        return;
    const int moved = classes_->MoveDown(line);
    if (moved == line)
        return;
    listBox1_->insertItem(moved, listBox1_->takeItem(line));
    listBox1_->setCurrentRow(moved);
    editLine_ = moved;
}

// ---- points table ----------------------------------------------------------------

void TClubData::FillPointsGrid() {
    for (int c = 1; c <= kPointsTableSize; ++c)
        grid_->item(1, c)->setText(FromModelText(points_[static_cast<std::size_t>(c - 1)]));
}

QString TClubData::PointsCellText(int col) const {
    return grid_->item(1, col)->text();
}

void TClubData::SetCurrentPointsColumn(int col) {
    pointsCol_ = std::clamp(col, 1, kPointsTableSize);
    grid_->setCurrentCell(1, pointsCol_);
}

void TClubData::RenewDeductionCaption() {
    deductionLabel_->setText(QStringLiteral("Aftrek punten na plaats %1").arg(DeductionStartPlace(points_)));
}

bool TClubData::PointsEditorOpen() const {
    return editSG_->isVisible();
}

void TClubData::OpenPointsEditor(const QString &start, bool keepCell) {
    if (PointsEditorOpen())
        return;
    editorStart_ = PointsCellText(pointsCol_);
    editSG_->setGeometry(grid_->visualItemRect(grid_->item(1, pointsCol_)));
    editSG_->setText(keepCell ? editorStart_ : start);
    editSG_->setModified(!keepCell);
    editSG_->end(false);
    editSG_->show();
    editSG_->setFocus();
}

void TClubData::EditSGEscape() {
    editSG_->setText(editorStart_);
    editSG_->setModified(false);
    EditSGExit();
}

void TClubData::EditSGExit() {
    if (closingEditor_ || !PointsEditorOpen())
        return;
    closingEditor_ = true;
    if (editSG_->isModified() || editSG_->text() != editorStart_) {
        const auto index = static_cast<std::size_t>(pointsCol_ - 1);
        const std::string before = points_[index];
        const PointsCellOutcome outcome =
            EditPointsCell(points_, pointsCol_ - 1, ToModelText(editSG_->text()), prompts_);
        if (outcome == PointsCellOutcome::Reopen) {
            points_[index] = before;
            closingEditor_ = false;
            editSG_->setFocus();
            return;
        }
        FillPointsGrid();
        storageGroup_->setEnabled(false);
    }
    grid_->setFocus();
    editSG_->hide();
    editSG_->setModified(false);
    SetCurrentPointsColumn(pointsCol_ == kPointsTableSize ? 1 : pointsCol_ + 1);
    RenewDeductionCaption();
    closingEditor_ = false;
}

bool TClubData::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == editKL_ && enter) {
        EditKLEnter();
        return true;
    }
    if (watched == grid_ && !PointsEditorOpen()) {
        if (enter) {
            OpenPointsEditor();
            return true;
        }
        const QString text = key->text();
        if (!text.isEmpty() && text[0].isPrint() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            OpenPointsEditor(text, false);
            return true;
        }
    }
    if (watched == editSG_) {
        if (enter) {
            EditSGExit();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            EditSGEscape();
            return true;
        }
        const QString text = key->text();
        if (!text.isEmpty() && text[0].isPrint() && !text[0].isDigit())
            return true; // only digits are typed into the points table
    }
    return QDialog::eventFilter(watched, event);
}

// ---- storage method, deduction, counting rule, tie method ------------------------

void TClubData::RadioGroup4Click() {
    const StorageMethod chosen = finishOrder_->isChecked() ? StorageMethod::Positions : StorageMethod::Points;
    const bool same = chosen == storedMethod_;
    grid_->setEnabled(same);
    spinEdit1_->setEnabled(same);
    pointsGroup_->setCursor(same ? Qt::ArrowCursor : Qt::ForbiddenCursor);
}

void TClubData::SpinEdit1Change() {
    storageGroup_->setEnabled(spinEdit1_->value() == comp_.Club.Deduction);
}

void TClubData::CountingRuleChanged() {
    const bool dropping = radioButton4_->isChecked();
    seSchrap_->setEnabled(dropping);
    dropCaption_->setEnabled(dropping);
    seProc_->setEnabled(!dropping);
    sePlm_->setEnabled(!dropping);
    for (QWidget *caption : countingCaptions_)
        caption->setEnabled(!dropping);
    roundingBox_->setEnabled(!dropping);
}

void TClubData::RadioButton6Click(int tag) {
    button6_->setEnabled(tieButtons_[3]->isChecked());
    SetSimpleTieMethod(comp_.Club, tag);
}

// ---- closing ---------------------------------------------------------------------

ClubSettingsForm TClubData::Form() const {
    ClubSettingsForm form;
    fields_.Store(form);
    form.Points = points_;
    return form;
}

void TClubData::Button1Click() {
    if (PointsEditorOpen())
        EditSGExit();
    ApplyClubSettings(comp_, *classes_, Form(), prompts_);
}

void TClubData::done(int result) {
    if (result != QDialog::Accepted) {
        comp_.Club.TieSteps = savedSteps_;
        comp_.Club.TieNotify = savedNotify_;
    }
    QDialog::done(result);
}

bool RunClubSettings(Competition &comp, Prompts &prompts, QWidget *parent) {
    TClubData dialog(comp, prompts, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rondaxa
