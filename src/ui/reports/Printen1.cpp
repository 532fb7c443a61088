#include "ui/reports/Printen1.h"

#include "core/reports/recorded_pages.h"
#include "core/scoring/standings.h"
#include "print/QtPrintDevice.h"
#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"
#include "ui/platform/NumberBox.h"
#include "ui/reports/PagePreview.h"
#include "ui/reports/PrintJob.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace rondaxa {

namespace {

QCheckBox *AddBox(QLayout *layout, const QString &caption) {
    auto *box = new QCheckBox(caption);
    layout->addWidget(box);
    return box;
}

QSpinBox *MakeSpin(int min, int max) {
    auto *spin = new NumberBox;
    spin->setRange(min, max);
    return spin;
}

QLineEdit *MakeEdit(int maxLength) {
    auto *edit = new QLineEdit;
    edit->setMaxLength(maxLength);
    return edit;
}

std::string PlainText(const QPlainTextEdit *edit) {
    return ToModelLines(edit->toPlainText());
}

// Questions asked while the hourglass shows get the normal cursor.
class CursorPrompts : public Prompts {
public:
    explicit CursorPrompts(Prompts &inner) : inner_(inner) {}
    void Message(std::string_view text, MessageIcon icon) override { inner_.Message(text, icon); }
    Answer Ask(std::string_view text, Buttons buttons) override {
        QApplication::restoreOverrideCursor();
        const Answer answer = inner_.Ask(text, buttons);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        return answer;
    }
    Answer AskCaptioned(std::string_view caption, std::string_view text, Buttons buttons) override {
        QApplication::restoreOverrideCursor();
        const Answer answer = inner_.AskCaptioned(caption, text, buttons);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        return answer;
    }

private:
    Prompts &inner_;
};

// The preview asks nothing: it shows what "&Print" would print.
class PreviewPrompts : public Prompts {
public:
    void Message(std::string_view, MessageIcon) override {}
    Answer Ask(std::string_view, Buttons) override { return Answer::Yes; }
};

PrintOutcome PrintWithHourglass(Competition &comp, const PrintChoices &choices, PrintDevice &device,
                                Prompts &prompts) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CursorPrompts cursorPrompts(prompts);
    PrintOutcome outcome;
    try {
        outcome = PrintStandings(comp, choices, device, cursorPrompts);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    return outcome;
}

PrintOutcome PrintWithHourglass(Competition &comp, const PrintChoices &choices, QPrinter &printer,
                                Prompts &prompts) {
    QtPrintDevice device(printer);
    return PrintWithHourglass(comp, choices, device, prompts);
}

} // namespace

Tafdruk::Tafdruk(Competition &comp, QPrinter &printer, QWidget *parent)
    : QDialog(parent), comp_(comp), printer_(printer) {
    setObjectName(QStringLiteral("Tafdruk"));
    setWindowTitle(QStringLiteral("Uitslagen printen"));
    SetHelpContext(this, kHelpContext);

    tabs_ = new QTabWidget(this);
    tabs_->addTab(BuildWhatTab(), QStringLiteral("&Wat te printen"));
    tabs_->addTab(BuildLayoutTab(), QStringLiteral("Print &opmaak"));
    tabs_->addTab(BuildPaperTab(), QStringLiteral("&Papier / Lettertype"));
    tabs_->addTab(BuildTextsTab(), QStringLiteral("&Teksten"));

    auto *buttons = AddDialogButtons(this, kHelpContext, true, Qt::Horizontal, QStringLiteral("&Print"));
    // J is the one letter no control of any page uses.
    preview_ = buttons->addButton(QStringLiteral("Afdruk beki&jken..."), QDialogButtonBox::ActionRole);
    connect(preview_, &QPushButton::clicked, this, &Tafdruk::ShowPreview);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);

    BindControls();
    LoadPrintDialog();

    for (QAbstractButton *button : std::initializer_list<QAbstractButton *>{
             results_, join_, emptyResult_, headingRow_, headerOwn_, firstRiders_, autoSpacing_, headerText_,
             endText_, current_, all_, selection_})
        connect(button, &QAbstractButton::toggled, this, &Tafdruk::UpdateEnabling);
    for (QRadioButton *button : {current_, all_, selection_})
        connect(button, &QRadioButton::toggled, this, &Tafdruk::ClassChoiceClick);
    connect(portrait_, &QRadioButton::toggled, this, &Tafdruk::OrientationClick);
    connect(standardHeader_, &QCheckBox::clicked, this, &Tafdruk::StandardHeaderClick);
    connect(headerEdit_, &QPlainTextEdit::textChanged, this, &Tafdruk::HeaderTextEdited);
    connect(headerText_, &QCheckBox::toggled, this, [this](bool on) {
        if (!on && standardHeader_->isChecked()) {
            standardHeader_->setChecked(false);
            StandardHeaderClick(false);
        }
    });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 3 && standardHeader_->isChecked() && !showingStandard_)
            StandardHeaderClick(true);
    });
    UpdateEnabling();
}

QWidget *Tafdruk::BuildWhatTab() {
    auto *page = new QWidget;
    auto *classGroup = new QGroupBox(QStringLiteral("Print klasse"));
    current_ = new QRadioButton(QStringLiteral("Hui&dige klasse"));
    all_ = new QRadioButton(QStringLiteral("Alle k&lassen"));
    selection_ = new QRadioButton(QStringLiteral("Sele&ctie van klassen:"));
    classList_ = new QListWidget;
    auto *classLayout = new QVBoxLayout(classGroup);
    for (QWidget *widget : std::initializer_list<QWidget *>{current_, all_, selection_, classList_})
        classLayout->addWidget(widget);

    auto *columnGroup = new QGroupBox(QStringLiteral("Print bewerkscherm  inclusief :"));
    auto *columnLayout = new QVBoxLayout(columnGroup);
    results_ = AddBox(columnLayout, QStringLiteral("&Uitslagen"));
    startNo_ = AddBox(columnLayout, QStringLiteral("&Startnummer"));
    total_ = AddBox(columnLayout, QStringLiteral("T&otaal"));
    count_ = AddBox(columnLayout, QStringLiteral("&Aantal uitslagen"));
    average_ = AddBox(columnLayout, QStringLiteral("&Gemiddelde"));
    net_ = AddBox(columnLayout, QStringLiteral("&Netto"));
    gross_ = AddBox(columnLayout, QStringLiteral("&Bruto"));
    columnLayout->addStretch();

    auto *misc = new QVBoxLayout;
    info_ = AddBox(misc, QStringLiteral("&Informatie uitslagen printen"));
    swap_ = AddBox(misc, QStringLiteral("Wissel &naam"));
    className_ = AddBox(misc, QStringLiteral("Naam klasse p&rinten"));

    auto *grid = new QGridLayout(page);
    grid->addWidget(classGroup, 0, 0, 2, 1);
    grid->addWidget(columnGroup, 0, 1);
    grid->addLayout(misc, 1, 1);
    return page;
}

QWidget *Tafdruk::BuildLayoutTab() {
    auto *page = new QWidget;
    auto *left = new QGridLayout;
    zeroEmpty_ = new QCheckBox(QStringLiteral("&Uitslagen met nul punten = Leeg"));
    join_ = new QCheckBox(QStringLiteral("&Karakter tussen uitslagen printen :"));
    joinText_ = MakeEdit(4);
    emptyResult_ = new QCheckBox(QStringLiteral("U&itslag leeg, Print :"));
    emptyText_ = MakeEdit(4);
    for (QLineEdit *edit : {joinText_, emptyText_})
        edit->setMaximumWidth(60);
    verticalRules_ = new QCheckBox(QStringLiteral("&Verticale lijn tussen de velden"));
    horizontalRules_ = new QCheckBox(QStringLiteral("&Rijders scheiden met een horizontale lijn"));
    gridColours_ = new QCheckBox(QStringLiteral("&Gebruik kleuren van bewerkscherm"));
    newPage_ = new QCheckBox(QStringLiteral("&Elke klasse op nieuwe pagina"));
    headingRow_ = new QCheckBox(QStringLiteral("Print r&egel met verklarende tekst"));
    shadeLabel_ = new QLabel(QStringLiteral("Grijs arcering verklarende tekst: "));
    shade_ = MakeSpin(0, 100);
    shadeLabel_->setBuddy(shade_);
    centre_ = new QCheckBox(QStringLiteral("&Centreer print horizontaal"));
    int row = 0;
    left->addWidget(zeroEmpty_, row++, 0, 1, 2);
    left->addWidget(join_, row, 0);
    left->addWidget(joinText_, row++, 1);
    left->addWidget(emptyResult_, row, 0);
    left->addWidget(emptyText_, row++, 1);
    for (QWidget *box : std::initializer_list<QWidget *>{verticalRules_, horizontalRules_, gridColours_,
                                                         newPage_, headingRow_})
        left->addWidget(box, row++, 0, 1, 2);
    left->addWidget(shadeLabel_, row, 0, Qt::AlignRight);
    left->addWidget(shade_, row++, 1);
    left->addWidget(centre_, row++, 0, 1, 2);
    left->setRowStretch(row, 1);

    auto *headerGroup = new QGroupBox(QStringLiteral("Koptekst :"));
    auto *headerLayout = new QVBoxLayout(headerGroup);
    headerDate_ = AddBox(headerLayout, QStringLiteral("&Datum van print"));
    headerClub_ = AddBox(headerLayout, QStringLiteral("Clu&bnaam"));
    headerPages_ = AddBox(headerLayout, QStringLiteral("Paginanu&mmers"));
    headerOwn_ = AddBox(headerLayout, QStringLiteral("Eigen tek&st:"));
    ownText_ = MakeEdit(50);
    headerLayout->addWidget(ownText_);

    auto *ridersGroup = new QGroupBox(QStringLiteral("Print rijders :"));
    auto *ridersLayout = new QGridLayout(ridersGroup);
    ridersWithResults_ = new QRadioButton(QStringLiteral("Met &nul of meer punten"));
    allRiders_ = new QRadioButton(QStringLiteral("A&lle rijders"));
    firstRiders_ = new QRadioButton(QStringLiteral("&1 t/m :"));
    firstCount_ = MakeSpin(1, kMaxFirstRiders);
    ridersLayout->addWidget(ridersWithResults_, 0, 0, 1, 2);
    ridersLayout->addWidget(allRiders_, 1, 0, 1, 2);
    ridersLayout->addWidget(firstRiders_, 2, 0);
    ridersLayout->addWidget(firstCount_, 2, 1);

    auto *right = new QVBoxLayout;
    right->addWidget(headerGroup);
    right->addWidget(ridersGroup);
    right->addStretch();
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addLayout(right);
    return page;
}

QWidget *Tafdruk::BuildPaperTab() {
    auto *page = new QWidget;
    auto *orientationGroup = new QGroupBox(QStringLiteral("Afdrukstand :"));
    portrait_ = new QRadioButton(QStringLiteral("&Staand"));
    landscape_ = new QRadioButton(QStringLiteral("&Liggend"));
    auto *orientationLayout = new QVBoxLayout(orientationGroup);
    orientationLayout->addWidget(portrait_);
    orientationLayout->addWidget(landscape_);

    auto *marginGroup = new QGroupBox(QStringLiteral("Marges (in mm) :"));
    auto *marginLayout = new QFormLayout(marginGroup);
    marginTop_ = MakeSpin(0, 999);
    marginBottom_ = MakeSpin(0, 999);
    marginLeft_ = MakeSpin(0, 999);
    marginRight_ = MakeSpin(0, 999);
    marginLayout->addRow(QStringLiteral("&Boven"), marginTop_);
    marginLayout->addRow(QStringLiteral("O&nder"), marginBottom_);
    marginLayout->addRow(QStringLiteral("Lin&ks"), marginLeft_);
    marginLayout->addRow(QStringLiteral("Re&chts"), marginRight_);

    auto *setup = new QPushButton(QStringLiteral("Printer &instelling"));
    connect(setup, &QPushButton::clicked, this, &Tafdruk::PrinterSetupClick);

    auto *fontGroup = new QGroupBox(QStringLiteral("Lettertype"));
    auto *fontLayout = new QVBoxLayout(fontGroup);
    fontShow_ = new QLabel;
    fontShow_->setFrameShape(QFrame::Panel);
    fontShow_->setFrameShadow(QFrame::Sunken);
    fontShow_->setMinimumHeight(40);
    fontShow_->setAlignment(Qt::AlignCenter);
    autoFont_ = new QCheckBox(QStringLiteral("Automatisch &font grootte bepalen"));
    auto *fontButton = new QPushButton(QStringLiteral("&Lettertype"));
    connect(fontButton, &QPushButton::clicked, this, &Tafdruk::FontClick);
    fontLayout->addWidget(fontShow_);
    fontLayout->addWidget(autoFont_);
    fontLayout->addWidget(fontButton, 0, Qt::AlignLeft);

    auto *spacingLayout = new QGridLayout;
    lineSpacing_ = MakeSpin(0, 999);
    auto *lineLabel = new QLabel(QStringLiteral("E&xtra ruimte tussen regels :"));
    lineLabel->setBuddy(lineSpacing_);
    autoSpacing_ = new QCheckBox(QStringLiteral("&Ruimte tussen velden auto."));
    spacingLabel_ = new QLabel(QStringLiteral("Ruimte tussen velden"));
    spacing_ = MakeSpin(0, 999);
    spacingLayout->addWidget(lineLabel, 0, 0);
    spacingLayout->addWidget(lineSpacing_, 0, 1);
    spacingLayout->addWidget(autoSpacing_, 1, 0, 1, 2);
    spacingLayout->addWidget(spacingLabel_, 2, 0);
    spacingLayout->addWidget(spacing_, 2, 1);

    auto *grid = new QGridLayout(page);
    grid->addWidget(orientationGroup, 0, 0);
    grid->addWidget(marginGroup, 1, 0);
    grid->addWidget(setup, 2, 0, Qt::AlignLeft);
    grid->addWidget(fontGroup, 0, 1);
    grid->addLayout(spacingLayout, 1, 1);
    grid->setRowStretch(3, 1);
    return page;
}

QWidget *Tafdruk::BuildTextsTab() {
    auto *page = new QWidget;
    auto *headGroup = new QGroupBox(QStringLiteral("Tekst verklaring van de velden :"));
    auto *headLayout = new QFormLayout(headGroup);
    const QString captions[8] = {QStringLiteral("Plaats :"),          QStringLiteral("Naam :"),
                                 QStringLiteral("Startnr :"),         QStringLiteral("Bruto :"),
                                 QStringLiteral("Netto :"),           QStringLiteral("Totaal :"),
                                 QStringLiteral("Aantal uitslagen:"), QStringLiteral("Gemiddelde :")};
    for (int i = 0; i < 8; ++i) {
        heads_[i] = MakeEdit(20);
        headLayout->addRow(captions[i], heads_[i]);
    }

    headerText_ = new QCheckBox(QStringLiteral("Print &koptekst"));
    standardHeader_ = new QCheckBox(QStringLiteral("&Standaard koptekst"));
    headerEdit_ = new QPlainTextEdit;
    endText_ = new QCheckBox(QStringLiteral("Print &eindtekst"));
    endEdit_ = new QPlainTextEdit;
    endAfterEach_ = new QRadioButton(QStringLiteral("Na elke klasse"));
    endAfterLast_ = new QRadioButton(QStringLiteral("Na laatste klasse"));
    for (QPlainTextEdit *edit : {headerEdit_, endEdit_})
        edit->setTabChangesFocus(true);
    // The texts hold at most 250 characters, as their fields do.
    for (QPlainTextEdit *edit : {headerEdit_, endEdit_})
        connect(edit, &QPlainTextEdit::textChanged, this, [edit] {
            const QString text = edit->toPlainText();
            if (ToModelLines(text).size() > 250) {
                QString cut = text;
                while (!cut.isEmpty() && ToModelLines(cut).size() > 250)
                    cut.chop(1);
                edit->setPlainText(cut);
                edit->moveCursor(QTextCursor::End);
            }
        });

    auto *texts = new QGridLayout;
    texts->addWidget(headerText_, 0, 0);
    texts->addWidget(standardHeader_, 0, 1);
    texts->addWidget(headerEdit_, 1, 0, 1, 2);
    texts->addWidget(endText_, 2, 0);
    auto *endChoice = new QHBoxLayout;
    endChoice->addWidget(endAfterEach_);
    endChoice->addWidget(endAfterLast_);
    texts->addLayout(endChoice, 2, 1);
    texts->addWidget(endEdit_, 3, 0, 1, 2);

    auto *layout = new QHBoxLayout(page);
    layout->addWidget(headGroup);
    layout->addLayout(texts, 1);
    return page;
}

std::string Tafdruk::StandardHeaderText() const {
    const TKlasse *klasse = comp_.Active();
    return klasse ? StandingsDescription(comp_.Club, *klasse) : std::string();
}

// Each control with the field or bit it shows; a new option is one line here.
void Tafdruk::BindControls() {
    constexpr auto flags = &PrintSettings::PrintFlags;
    constexpr auto flags2 = &PrintSettings::PrintFlags2;
    stored_.Flag(info_, flags, PfResultInfo)
        .Flag(className_, flags, PfClassName)
        .Flag(join_, flags, PfJoinResults)
        .Text(joinText_, &PrintSettings::ResultSeparator)
        .Flag(emptyResult_, flags, PfEmptyResultText)
        .Text(emptyText_, &PrintSettings::EmptyResultText)
        .Flag(verticalRules_, flags, PfVerticalRules)
        .Flag(horizontalRules_, flags, PfHorizontalRules)
        .Flag(gridColours_, flags, PfGridColours)
        .Flag(newPage_, flags, PfNewPagePerClass)
        .Flag(headingRow_, flags, PfHeadingRow)
        .Number(shade_, &PrintSettings::ShadePercent)
        .Flag(centre_, flags, PfCentre)
        .Flag(headerDate_, flags, PfHeaderDate)
        .Flag(headerClub_, flags, PfHeaderClub)
        .Flag(headerPages_, flags, PfHeaderPages)
        .Flag(headerOwn_, flags, PfHeaderOwnText)
        .Text(ownText_, &PrintSettings::OwnHeaderText)
        .Number(marginTop_, &PrintSettings::MarginTop)
        .Number(marginBottom_, &PrintSettings::MarginBottom)
        .Number(marginLeft_, &PrintSettings::MarginLeft)
        .Number(marginRight_, &PrintSettings::MarginRight)
        .Flag(autoFont_, flags2, Pf2AutoFontSize)
        .Number(lineSpacing_, &PrintSettings::LineSpacing)
        .Flag(autoSpacing_, flags2, Pf2AutoFieldSpacing)
        .Number(spacing_, &PrintSettings::FieldSpacing)
        .Text(heads_[0], &PrintSettings::HeadPlace)
        .Text(heads_[1], &PrintSettings::HeadName)
        .Text(heads_[2], &PrintSettings::HeadStartNo)
        .Text(heads_[3], &PrintSettings::HeadGross)
        .Text(heads_[4], &PrintSettings::HeadNet)
        .Text(heads_[5], &PrintSettings::HeadTotal)
        .Text(heads_[6], &PrintSettings::HeadCount)
        .Text(heads_[7], &PrintSettings::HeadAverage)
        .Flag(headerText_, flags2, Pf2HeaderText)
        .Flag(standardHeader_, flags2, Pf2StandardHeader)
        .Flag(endText_, flags2, Pf2EndText)
        .Flag(endAfterLast_, flags2, Pf2EndTextLastOnly, endAfterEach_)
        .Text(endEdit_, &PrintSettings::EndText);

    choices_.Choice({current_, all_, selection_}, &PrintChoices::Classes)
        .Check(results_, &PrintChoices::Results)
        .Check(startNo_, &PrintChoices::StartNo)
        .Check(total_, &PrintChoices::Total)
        .Check(count_, &PrintChoices::Count)
        .Check(average_, &PrintChoices::Average)
        .Check(net_, &PrintChoices::Net)
        .Check(gross_, &PrintChoices::Gross)
        .Check(swap_, &PrintChoices::SwapNames)
        .Check(zeroEmpty_, &PrintChoices::ZeroEmpty)
        .Choice({ridersWithResults_, allRiders_, firstRiders_}, &PrintChoices::Riders)
        .Number(firstCount_, &PrintChoices::FirstN);
}

void Tafdruk::LoadPrintDialog() {
    const PrintSettings &print = comp_.Print;
    opened_ = OpenPrintChoices(comp_);
    for (const auto &klasse : comp_.Classes) {
        auto *item = new QListWidgetItem(FromModelText(klasse->Name.str()), classList_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    choices_.Load(opened_);
    const std::pair<QCheckBox *, bool> calcBoxes[] = {{total_, opened_.Enabled.Total},
                                                      {count_, opened_.Enabled.Count},
                                                      {average_, opened_.Enabled.Average},
                                                      {net_, opened_.Enabled.Net},
                                                      {gross_, opened_.Enabled.Gross}};
    for (const auto &[box, on] : calcBoxes)
        box->setEnabled(on);
    stored_.Load(print);
    userHeaderText_ = print.HeaderText.str();
    headerEdit_->setPlainText(FromModelLines(userHeaderText_));

    if (!print.FontName.empty()) {
        fontName_ = print.FontName.str();
        fontSize_ = print.FontSize;
        fontColour_ = print.FontColor;
        fontStyle_ = print.FontStyle;
    } else if (const TKlasse *klasse = comp_.Active()) {
        fontName_ = klasse->Grid.Font.Name;
        fontSize_ = klasse->Grid.Font.Size;
        fontStyle_ = klasse->Grid.Font.Style;
        fontColour_ = 0;
    }
    ShowFont();
    const bool landscape = printer_.pageLayout().orientation() == QPageLayout::Landscape;
    (landscape ? landscape_ : portrait_)->setChecked(true);
}

void Tafdruk::ShowFont() {
    QFont font(FromModelText(fontName_));
    font.setPointSize(fontSize_ > 0 ? fontSize_ : 10);
    font.setBold(fontStyle_ & FontBold);
    font.setItalic(fontStyle_ & FontItalic);
    fontShow_->setFont(font);
    fontShow_->setText(FromModelText(fontName_) + QLatin1Char(' ') + QString::number(fontSize_));
}

void Tafdruk::FontClick() {
    QFont font = fontShow_->font();
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, this, QStringLiteral("Lettertype"));
    if (!ok)
        return;
    fontName_ = ToModelText(chosen.family()).substr(0, 31);
    fontSize_ = chosen.pointSize() > 0 ? chosen.pointSize() : fontSize_;
    fontStyle_ = static_cast<uint8_t>((chosen.bold() ? FontBold : 0) | (chosen.italic() ? FontItalic : 0) |
                                      (chosen.underline() ? FontUnderline : 0) |
                                      (chosen.strikeOut() ? FontStrikeOut : 0));
    ShowFont();
}

void Tafdruk::PrinterSetupClick() {
    PrinterSetup(printer_, this);
    const bool landscape = printer_.pageLayout().orientation() == QPageLayout::Landscape;
    QSignalBlocker block(portrait_);
    (landscape ? landscape_ : portrait_)->setChecked(true);
}

// The orientation is set on the printer at once.
void Tafdruk::OrientationClick() {
    printer_.setPageOrientation(portrait_->isChecked() ? QPageLayout::Portrait : QPageLayout::Landscape);
}

void Tafdruk::StandardHeaderClick(bool on) {
    const QSignalBlocker block(headerEdit_);
    if (on) {
        headerText_->setChecked(true);
        if (!showingStandard_)
            userHeaderText_ = PlainText(headerEdit_);
        headerEdit_->setPlainText(FromModelLines(StandardHeaderText()));
        showingStandard_ = true;
    } else {
        if (showingStandard_ && PlainText(headerEdit_) == StandardHeaderText())
            headerEdit_->setPlainText(FromModelLines(userHeaderText_));
        showingStandard_ = false;
    }
}

// Editing the standard sentence makes it the user's own text.
void Tafdruk::HeaderTextEdited() {
    if (showingStandard_ && standardHeader_->isChecked()) {
        standardHeader_->setChecked(false);
        showingStandard_ = false;
    }
}

void Tafdruk::ClassChoiceClick() {
    const bool selection = selection_->isChecked();
    classList_->setEnabled(selection);
    if (selection && classList_->count() > 0) {
        classList_->setFocus();
        classList_->setCurrentRow(0);
    }
}

void Tafdruk::UpdateEnabling() {
    const bool currentOnly = current_->isChecked();
    if (!currentOnly && firstRiders_->isChecked())
        allRiders_->setChecked(true);
    firstRiders_->setEnabled(currentOnly);
    firstCount_->setEnabled(currentOnly && firstRiders_->isChecked());
    classList_->setEnabled(selection_->isChecked());

    const bool results = results_->isChecked();
    if (!results)
        join_->setChecked(false);
    zeroEmpty_->setEnabled(results);
    join_->setEnabled(results);
    emptyResult_->setEnabled(results);
    joinText_->setEnabled(results && join_->isChecked());
    emptyText_->setEnabled(results && emptyResult_->isChecked());
    ownText_->setEnabled(headerOwn_->isChecked());

    const bool heading = headingRow_->isChecked();
    shade_->setEnabled(heading);
    shadeLabel_->setEnabled(heading);
    spacing_->setEnabled(!autoSpacing_->isChecked());
    spacingLabel_->setEnabled(!autoSpacing_->isChecked());

    headerEdit_->setEnabled(headerText_->isChecked());
    const bool end = endText_->isChecked();
    endEdit_->setEnabled(end);
    endAfterEach_->setEnabled(end);
    endAfterLast_->setEnabled(end);
}

PrintSettings Tafdruk::Settings() const {
    PrintSettings print;
    print.PrintFlags = 0;
    // The rider choice and the orientation are written, never read back.
    print.PrintFlags2 = RiderChoiceBits(Choices().Riders);
    if (portrait_->isChecked())
        print.PrintFlags2 |= Pf2Portrait;
    stored_.Store(print);
    print.FontName = fontName_;
    print.FontSize = fontSize_;
    print.FontColor = fontColour_;
    print.FontStyle = fontStyle_;
    // While the standard sentence shows, the user's own text is what is kept.
    print.HeaderText =
        showingStandard_ && standardHeader_->isChecked() ? std::string() : PlainText(headerEdit_);
    return print;
}

PrintChoices Tafdruk::Choices() const {
    PrintChoices choices = opened_;
    choices_.Store(choices);
    choices.Selected.clear();
    for (int i = 0; i < classList_->count(); ++i)
        choices.Selected.push_back(classList_->item(i)->checkState() == Qt::Checked);
    return choices;
}

// The pages as "&Print" would print them now, without storing anything;
// laid out once, each page drawn when it is shown.
void Tafdruk::ShowPreview() {
    QtPrintDevice measure(printer_);
    RecordedPages pages(measure);
    PrintWithShownSettings(pages);
    PagePreview preview(pages, printer_, this);
    if (preview.exec() == QDialog::Accepted) {
        QtPrintDevice printing(printer_);
        PrintWithShownSettings(printing);
    }
    const bool landscape = printer_.pageLayout().orientation() == QPageLayout::Landscape;
    (landscape ? landscape_ : portrait_)->setChecked(true);
}

// The job with the settings as this dialog shows them, the stored ones kept.
void Tafdruk::PrintWithShownSettings(PrintDevice &device) {
    const PrintSettings stored = comp_.Print;
    comp_.Print = Settings();
    PreviewPrompts prompts;
    try {
        PrintWithHourglass(comp_, Choices(), device, prompts);
    } catch (...) {
        comp_.Print = stored;
        throw;
    }
    comp_.Print = stored;
}

// Only the printer's choices change: "OK" keeps them, cancelling leaves
// the printer as it was, and neither prints.
void PrinterSetup(QPrinter &printer, QWidget *parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Printer instelling"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    const bool accepted = dialog.exec() == QDialog::Accepted;
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    // Qt's own dialog has asked, on accepting, about replacing an existing file.
    if (accepted)
        ReplaceAgreed(printer);
#else
    (void)accepted;
#endif
}

QPrinter &ProgramPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

bool RunPrintDialog(Competition &comp, QPrinter &printer, Prompts &prompts, QWidget *parent) {
    Tafdruk dialog(comp, printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    StorePrintSettings(comp, dialog.Settings());
    if (!MayStartPrintJob(printer, prompts))
        return false;
    const PrintOutcome outcome = PrintWithHourglass(comp, dialog.Choices(), printer, prompts);
    // A printer that does not take the job is said so, not passed over.
    if (!outcome.Started)
        prompts.Message(kPrinterUnavailable, MessageIcon::Error);
    return outcome.Printed && ReportPrintJob(printer, prompts);
}

} // namespace rondaxa
