#include "ui/daily/DagUit.h"

#include "ui/common/WriteErrors.h"

#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelFont.h"
#include "ui/platform/ModelText.h"
#include "ui/platform/QtPrompts.h"
#include "ui/reports/DailyPrint.h"
#include "ui/reports/Printen1.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QFontDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rondaxa {

namespace {

QString ChooseWithDialog(ExportFileType type, const QString &folder, QWidget *parent) {
    return ChooseSaveFile(
        {QStringLiteral("Tekstbestand (*.txt)"), QStringLiteral("HTML bestand (*.htm *.html)")},
        type == ExportFileType::Html ? 1 : 0, folder, parent);
}

QFont FontOf(const DailyExportChoices &choices) {
    return ModelFont(QApplication::font(), choices.FontName, choices.FontSize, choices.FontStyle, 11);
}

// The file of a text or HTML export, asked for with the save dialog.
std::string ExportToFile(const Competition &comp, ExportFileType type, const std::string &bytes,
                         QWidget *parent) {
    const QString chosen = ChooseDailyExportFile()(type, CompetitionFolder(comp), parent);
    if (chosen.isEmpty())
        return {};
    const std::string path = ExportFileName(chosen.toStdString(), type);
    // Run from the daily window's button: the error is reported here, as the
    // window's other writes report theirs.
    QtPrompts prompts(parent);
    if (!WriteReportingErrors(prompts, [&] { WriteDailyFile(path, bytes); }))
        return {};
    return path;
}

} // namespace

DailyPrinting ProgramDailyPrinting() {
    DailyPrinting printing;
    printing.Print = [](Competition &comp, const TKlasse &klasse, const DailyTable &table,
                        const DailyExportChoices &choices, QWidget *parent) {
        QtPrompts prompts(parent);
        PrintDailyOnPrinter(comp, klasse, table, choices, ProgramPrinter(), prompts);
    };
    printing.Setup = [](QWidget *parent) { PrinterSetup(ProgramPrinter(), parent); };
    printing.Portrait = [] { ProgramPrinter().setPageOrientation(QPageLayout::Portrait); };
    return printing;
}

DailyPrinting &DailyPrinter() {
    static DailyPrinting printing = ProgramDailyPrinting();
    return printing;
}

TDagUit::TDagUit(const Competition &comp, const TKlasse &klasse, const DailyExportMemory &memory,
                 QWidget *parent)
    : QDialog(parent), choices_(OpenDailyExportChoices(comp, klasse, memory)) {
    setObjectName(QStringLiteral("TDagUit"));
    setWindowTitle(QStringLiteral("Dagklassement exporteren"));
    SetHelpContext(this, kHelpContext);

    auto *targetGroup = new QGroupBox(QStringLiteral("Uitvoeren naar :"), this);
    auto *targetLayout = new QVBoxLayout(targetGroup);
    auto *targetButtons = new QButtonGroup(this);
    const QString targetCaptions[4] = {QStringLiteral("&Printer"), QStringLiteral("&Windows klembord"),
                                       QStringLiteral("&Tekstbestand"), QStringLiteral("HT&ML-bestand")};
    for (int i = 0; i < 4; ++i) {
        targets_[i] = new QRadioButton(targetCaptions[i], targetGroup);
        targetButtons->addButton(targets_[i]);
        targetLayout->addWidget(targets_[i]);
    }
    const bool canPrint = static_cast<bool>(DailyPrinter().Print);
    if (DailyPrinter().Portrait)
        DailyPrinter().Portrait();
    TargetButton(DailyTarget::Printer)->setEnabled(canPrint);

    auto *dataGroup = new QGroupBox(QStringLiteral("Gegevens uitvoeren inclusief :"), this);
    auto *dataLayout = new QVBoxLayout(dataGroup);
    startNo_ = AddCheckBox(dataLayout, QStringLiteral("&Startnummer"));
    info_ = AddCheckBox(dataLayout, QStringLiteral("Informatie &uitslagen"));
    replacement_ = AddCheckBox(dataLayout, QStringLiteral("&Vervang punten"));
    allRiders_ = AddCheckBox(dataLayout, QStringLiteral("&Rijders zonder punten"));
    extra_ = AddCheckBox(dataLayout, QStringLiteral("&Extra rijdergegevens"));

    auto *printGroup = new QGroupBox(QStringLiteral("Print instelling"), this);
    auto *printLayout = new QHBoxLayout(printGroup);
    bitBtn1_ = new QPushButton(QStringLiteral("&Lettertype"), printGroup);
    autoFont_ = new QCheckBox(QStringLiteral("&Font grootte auto."), printGroup);
    autoFont_->setToolTip(QStringLiteral("Automatisch font grootte bepalen"));
    bitBtn2_ = new QPushButton(QStringLiteral("Pri&nter"), printGroup);
    printLayout->addWidget(bitBtn1_);
    printLayout->addWidget(autoFont_);
    printLayout->addWidget(bitBtn2_);
    connect(bitBtn1_, &QPushButton::clicked, this, &TDagUit::BitBtn1Click);
    connect(bitBtn2_, &QPushButton::clicked, this, &TDagUit::BitBtn2Click);

    auto *top = new QHBoxLayout;
    top->addWidget(targetGroup);
    top->addWidget(dataGroup);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(printGroup);
    layout->addWidget(AddDialogButtons(this, kHelpContext));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (choices_.Target == DailyTarget::Printer && !canPrint)
        choices_.Target = DailyTarget::Clipboard;
    BindControls();
    fields_.Load(choices_);
    extra_->setEnabled(choices_.ExtraEnabled);
    for (QRadioButton *button : targets_)
        connect(button, &QRadioButton::toggled, this, &TDagUit::RadioGroup1Click);
    RadioGroup1Click();
}

// Each control with the choice it shows; a new choice is one line here.
void TDagUit::BindControls() {
    fields_
        .Choice(QList<QAbstractButton *>(std::begin(targets_), std::end(targets_)),
                &DailyExportChoices::Target)
        .Check(startNo_, &DailyExportChoices::StartNo)
        .Check(info_, &DailyExportChoices::Info)
        .Check(replacement_, &DailyExportChoices::Replacement)
        .Check(allRiders_, &DailyExportChoices::AllRiders)
        .Check(extra_, &DailyExportChoices::Extra)
        .Check(autoFont_, &DailyExportChoices::AutoFontSize);
}

DailyExportChoices TDagUit::Choices() const {
    DailyExportChoices choices = choices_;
    fields_.Store(choices);
    return choices;
}

// The print settings take part only for the printer.
void TDagUit::RadioGroup1Click() {
    const bool printer = TargetButton(DailyTarget::Printer)->isChecked();
    bitBtn1_->setEnabled(printer);
    autoFont_->setEnabled(printer);
    bitBtn2_->setEnabled(printer);
}

void TDagUit::BitBtn1Click() {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, FontOf(choices_), this, QStringLiteral("Lettertype"));
    if (!ok)
        return;
    choices_.FontName = ToModelText(font.family());
    choices_.FontSize = font.pointSize() > 0 ? font.pointSize() : choices_.FontSize;
    choices_.FontStyle = static_cast<uint8_t>((font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) |
                                              (font.underline() ? 4 : 0) | (font.strikeOut() ? 8 : 0));
}

void TDagUit::BitBtn2Click() {
    if (DailyPrinter().Setup)
        DailyPrinter().Setup(this);
}

DailyExportMemory &ProgramDailyExportMemory() {
    static DailyExportMemory memory;
    return memory;
}

ExportFileChooser &ChooseDailyExportFile() {
    static ExportFileChooser chooser = ChooseWithDialog;
    return chooser;
}

std::string RunDailyExport(Competition &comp, const TKlasse &klasse, const DailyTable &table,
                           QWidget *parent) {
    DailyExportChoices choices;
    {
        TDagUit dialog(comp, klasse, ProgramDailyExportMemory(), parent);
        if (dialog.exec() != QDialog::Accepted)
            return {};
        choices = dialog.Choices();
    }
    StoreDailyExportChoices(choices, ProgramDailyExportMemory());
    const ClubRec &club = comp.Club;
    switch (choices.Target) {
    case DailyTarget::Printer:
        if (DailyPrinter().Print)
            DailyPrinter().Print(comp, klasse, table, choices, parent);
        return {};
    case DailyTarget::Clipboard:
        QGuiApplication::clipboard()->setText(
            FromModelText(DailyClipboardText(club, klasse, table, choices)));
        return {};
    case DailyTarget::TextFile:
        return ExportToFile(comp, ExportFileType::Text, DailyTextFile(club, klasse, table, choices), parent);
    case DailyTarget::HtmlFile:
        return ExportToFile(comp, ExportFileType::Html, DailyHtmlFile(club, klasse, table, choices), parent);
    }
    return {};
}

} // namespace rondaxa
