#include "ui/reports/TekstUit.h"

#include "ui/common/WriteErrors.h"
#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"
#include "ui/platform/QtPrompts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rondaxa {

namespace {

QString ChooseWithDialog(ExportFileType type, const QString &folder, QWidget *parent) {
    return ChooseSaveFile({QStringLiteral("Tekstbestanden [*.txt] (*.txt)"),
                           QStringLiteral("HTML bestand [*.html / *.htm] (*.html *.htm)"),
                           QStringLiteral("Alle bestanden (*)")},
                          type == ExportFileType::Html ? 1 : 0, folder, parent);
}

} // namespace

QString ChooseSaveFile(const QStringList &filters, int filterIndex, const QString &folder, QWidget *parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(folder);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(filterIndex));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString CompetitionFolder(const Competition &comp) {
    return comp.FileName.empty() ? QString()
                                 : QFileInfo(QString::fromStdString(comp.FileName)).absolutePath();
}

QCheckBox *AddCheckBox(QLayout *layout, const QString &caption) {
    auto *box = new QCheckBox(caption);
    layout->addWidget(box);
    return box;
}

TTekstUit::TTekstUit(const Competition &comp, const ExportMemory &memory, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TTekstUit"));
    setWindowTitle(QStringLiteral("Uitvoer tekst / HTML bestand"));
    SetHelpContext(this, kHelpContext);

    auto *typeGroup = new QGroupBox(QStringLiteral("Type bestand:"), this);
    text_ = new QRadioButton(QStringLiteral("Tekstbestand"), typeGroup);
    html_ = new QRadioButton(QStringLiteral("HTML bestand"), typeGroup);
    auto *typeLayout = new QVBoxLayout(typeGroup);
    typeLayout->addWidget(text_);
    typeLayout->addWidget(html_);

    auto *classGroup = new QGroupBox(QStringLiteral("Uit te voeren klassen"), this);
    current_ = new QRadioButton(QStringLiteral("Hui&dige klasse"), classGroup);
    all_ = new QRadioButton(QStringLiteral("Alle k&lassen"), classGroup);
    selection_ = new QRadioButton(QStringLiteral("Sele&ctie van klassen:"), classGroup);
    classList_ = new QListWidget(classGroup);
    for (const auto &klasse : comp.Classes) {
        auto *item = new QListWidgetItem(FromModelText(klasse->Name.str()), classList_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    auto *classLayout = new QVBoxLayout(classGroup);
    classLayout->addWidget(current_);
    classLayout->addWidget(all_);
    classLayout->addWidget(selection_);
    classLayout->addWidget(classList_);

    auto *columnGroup = new QGroupBox(QStringLiteral("Uitvoer bewerkscherm  inclusief :"), this);
    auto *columnLayout = new QVBoxLayout(columnGroup);
    results_ = AddCheckBox(columnLayout, QStringLiteral("&Uitslagen"));
    startNo_ = AddCheckBox(columnLayout, QStringLiteral("&Startnummer"));
    net_ = AddCheckBox(columnLayout, QStringLiteral("Netto"));
    gross_ = AddCheckBox(columnLayout, QStringLiteral("Bruto"));
    total_ = AddCheckBox(columnLayout, QStringLiteral("Totaal"));
    count_ = AddCheckBox(columnLayout, QStringLiteral("Aantal uitslagen"));
    average_ = AddCheckBox(columnLayout, QStringLiteral("Gemiddelde"));

    auto *miscGroup = new QGroupBox(QStringLiteral("Diverse :"), this);
    auto *miscLayout = new QVBoxLayout(miscGroup);
    info_ = AddCheckBox(miscLayout, QStringLiteral("&Informatie uitslagen uitvoeren"));
    swap_ = AddCheckBox(miscLayout, QStringLiteral("&Wissel naam"));
    clubName_ = AddCheckBox(miscLayout, QStringLiteral("Clubnaam uitvoeren"));
    className_ = AddCheckBox(miscLayout, QStringLiteral("Naam klasse uitvoeren"));

    auto *resultGroup = new QGroupBox(QStringLiteral("Uitslagen :"), this);
    auto *resultLayout = new QGridLayout(resultGroup);
    zeroEmpty_ = new QCheckBox(QStringLiteral("Uitslagen met &nul punten = Leeg"), resultGroup);
    emptyResult_ = new QCheckBox(QStringLiteral("Uitslag leeg, Print :"), resultGroup);
    emptyText_ = new QLineEdit(resultGroup);
    emptyText_->setMaxLength(4);
    join_ = new QCheckBox(QStringLiteral("&Beschouw alle uitslagen als 1 veld"), resultGroup);
    betweenLabel_ = new QLabel(QStringLiteral("Ka&rakter(s) tussen uitslagen: "), resultGroup);
    betweenText_ = new QLineEdit(resultGroup);
    betweenLabel_->setBuddy(betweenText_);
    for (QLineEdit *edit : {emptyText_, betweenText_})
        edit->setMaximumWidth(60);
    resultLayout->addWidget(zeroEmpty_, 0, 0, 1, 2);
    resultLayout->addWidget(emptyResult_, 1, 0);
    resultLayout->addWidget(emptyText_, 1, 1);
    resultLayout->addWidget(join_, 2, 0, 1, 2);
    resultLayout->addWidget(betweenLabel_, 3, 0, Qt::AlignRight);
    resultLayout->addWidget(betweenText_, 3, 1);
    resultLayout->setRowStretch(4, 1);

    auto *separatorGroup = new QGroupBox(QStringLiteral("Velden scheiden met :"), this);
    auto *separatorLayout = new QGridLayout(separatorGroup);
    const QString separatorCaptions[4] = {QStringLiteral("&Tabteken"), QStringLiteral("&Puntkomma"),
                                          QStringLiteral("&Elk veld op nieuwe regel"),
                                          QStringLiteral("&Karakter:")};
    auto *separatorButtons = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        separators_[i] = new QRadioButton(separatorCaptions[i], separatorGroup);
        separatorButtons->addButton(separators_[i]);
        separatorLayout->addWidget(separators_[i], i, 0);
    }
    separatorText_ = new QLineEdit(separatorGroup);
    separatorText_->setMaximumWidth(60);
    separatorLayout->addWidget(separatorText_, 3, 1);

    auto *buttons = AddDialogButtons(this, kHelpContext);

    auto *grid = new QGridLayout;
    grid->addWidget(typeGroup, 0, 0);
    grid->addWidget(classGroup, 1, 0, 2, 1);
    grid->addWidget(columnGroup, 0, 1, 2, 1);
    grid->addWidget(miscGroup, 2, 1);
    grid->addWidget(resultGroup, 0, 2, 2, 1);
    grid->addWidget(separatorGroup, 2, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    BindControls();
    RestoreExportOptions(OpenExportChoices(comp, memory));

    for (QAbstractButton *button :
         std::initializer_list<QAbstractButton *>{text_, html_, results_, emptyResult_, join_, separators_[0],
                                                  separators_[1], separators_[2], separators_[3]})
        connect(button, &QAbstractButton::toggled, this, &TTekstUit::UpdateEnabling);
    for (QRadioButton *button : {current_, all_, selection_})
        connect(button, &QRadioButton::toggled, this, &TTekstUit::ClassChoiceClick);
    UpdateEnabling();
}

// Each control with the choice it shows; a new choice is one line here.
void TTekstUit::BindControls() {
    fields_.Choice({text_, html_}, &ExportChoices::FileType)
        .Choice({current_, all_, selection_}, &ExportChoices::Classes)
        .Choice(QList<QAbstractButton *>(std::begin(separators_), std::end(separators_)),
                &ExportChoices::Separator)
        .Text(emptyText_, &ExportChoices::EmptyText)
        .Text(betweenText_, &ExportChoices::BetweenText)
        .Text(separatorText_, &ExportChoices::SeparatorText)
        .Check(results_, &ExportChoices::Results)
        .Check(startNo_, &ExportChoices::StartNo)
        .Check(net_, &ExportChoices::Net)
        .Check(gross_, &ExportChoices::Gross)
        .Check(total_, &ExportChoices::Total)
        .Check(count_, &ExportChoices::Count)
        .Check(average_, &ExportChoices::Average)
        .Check(info_, &ExportChoices::Info)
        .Check(swap_, &ExportChoices::SwapNames)
        .Check(clubName_, &ExportChoices::ClubName)
        .Check(className_, &ExportChoices::ClassName)
        .Check(zeroEmpty_, &ExportChoices::ZeroEmpty)
        .Check(emptyResult_, &ExportChoices::EmptyResult)
        .Check(join_, &ExportChoices::JoinResults);
}

void TTekstUit::RestoreExportOptions(const ExportChoices &choices) {
    enabled_ = choices.Enabled;
    fields_.Load(choices);
    net_->setEnabled(enabled_.Net);
    gross_->setEnabled(enabled_.Gross);
    total_->setEnabled(enabled_.Total);
    count_->setEnabled(enabled_.Count);
    average_->setEnabled(enabled_.Average);
    classList_->setEnabled(selection_->isChecked());
}

ExportChoices TTekstUit::Choices() const {
    ExportChoices choices;
    fields_.Store(choices);
    choices.Enabled = enabled_;
    for (int i = 0; i < classList_->count(); ++i)
        choices.Selected.push_back(classList_->item(i)->checkState() == Qt::Checked);
    return choices;
}

// The result options follow "&Uitslagen", the text boxes their own boxes;
// the separators and the one-field form exist only for text files.
void TTekstUit::UpdateEnabling() {
    const bool text = text_->isChecked();
    const bool results = results_->isChecked();
    zeroEmpty_->setEnabled(results);
    emptyResult_->setEnabled(results);
    emptyText_->setEnabled(results && emptyResult_->isChecked());
    join_->setEnabled(results && text);
    const bool between = results && join_->isChecked();
    betweenLabel_->setEnabled(between);
    betweenText_->setEnabled(between);
    for (QRadioButton *separator : separators_)
        separator->setEnabled(text);
    separatorText_->setEnabled(separators_[static_cast<int>(ExportSeparator::Character)]->isChecked());
}

// The class list takes part only for a selection, and then has the focus
// with its first class selected.
void TTekstUit::ClassChoiceClick() {
    const bool selection = selection_->isChecked();
    classList_->setEnabled(selection);
    if (selection && classList_->count() > 0) {
        classList_->setFocus();
        classList_->setCurrentRow(0);
    }
}

ExportMemory &ProgramExportMemory() {
    static ExportMemory memory;
    return memory;
}

ExportFileChooser &ChooseExportFile() {
    static ExportFileChooser chooser = ChooseWithDialog;
    return chooser;
}

std::string RunTextExport(Competition &comp, QWidget *parent) {
    TTekstUit dialog(comp, ProgramExportMemory(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const ExportChoices choices = dialog.Choices();
    StoreExportChoices(choices, ProgramExportMemory());
    const QString chosen = ChooseExportFile()(choices.FileType, CompetitionFolder(comp), parent);
    if (chosen.isEmpty())
        return {};
    const std::string path = ExportFileName(chosen.toStdString(), choices.FileType);
    QtPrompts prompts(parent);
    if (!WriteReportingErrors(prompts, [&] { WriteExportFile(comp, choices, path); }))
        return {};
    return path;
}

} // namespace rondaxa
