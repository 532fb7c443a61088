#include "ui/app/SetExtra.h"

#include "ui/app/ChangeLoc.h"
#include "ui/platform/DialogButtons.h"
#include "ui/platform/Help.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace rondaxa {
namespace {

constexpr int kHelpGeneralSettings = 570;

} // namespace

TSetExtra::TSetExtra(SettingsStore &store, Prompts &prompts, QWidget *parent)
    : QDialog(parent), store_(store), prompts_(prompts) {
    setObjectName(QStringLiteral("TSetExtra"));
    setWindowTitle(QStringLiteral("Algemene instellingen"));
    SetHelpContext(this, kHelpGeneralSettings);

    auto *startupGroup = new QGroupBox(QStringLiteral("Actie na opstarten :"), this);
    auto *startupLayout = new QVBoxLayout(startupGroup);
    const char *const startupCaptions[] = {"&Geen", "&Toon \"Bestand Openen\"", "&Laad laatste bestand"};
    for (int i = 0; i < 3; ++i) {
        startup_[i] = new QRadioButton(QString::fromUtf8(startupCaptions[i]), startupGroup);
        startup_[i]->setObjectName(QStringLiteral("Startup%1").arg(i));
        startupLayout->addWidget(startup_[i]);
    }

    hideToolbar_ = new QCheckBox(QStringLiteral("&Verberg knoppenbalk"), this);
    hideToolbar_->setObjectName(QStringLiteral("HideToolbar"));
    keepPlacement_ = new QCheckBox(QStringLiteral("&Bewaar venster formaat"), this);
    keepPlacement_->setObjectName(QStringLiteral("KeepPlacement"));
    auto *checks = new QVBoxLayout;
    checks->addStretch();
    checks->addWidget(hideToolbar_);
    checks->addWidget(keepPlacement_);
    checks->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(startupGroup, 1);
    top->addSpacing(12);
    top->addLayout(checks, 1);

    workFolder_ = new QLineEdit(this);
    workFolder_->setObjectName(QStringLiteral("WorkFolder"));
    programFolder_ = new QLineEdit(this);
    programFolder_->setObjectName(QStringLiteral("ProgramFolder"));
    auto *workLabel = new QLabel(QStringLiteral("&Werkmap :"), this);
    workLabel->setBuddy(workFolder_);
    auto *programLabel = new QLabel(QStringLiteral("&Map van KZB programma"), this);
    programLabel->setBuddy(programFolder_);
    auto *chooseWork = new QPushButton(QStringLiteral("Wij&zigen..."), this);
    chooseWork->setObjectName(QStringLiteral("ChooseWorkFolder"));
    auto *chooseProgram = new QPushButton(QStringLiteral("Wijzig&en..."), this);
    chooseProgram->setObjectName(QStringLiteral("ChooseProgramFolder"));

    auto *folders = new QGridLayout;
    folders->addWidget(workLabel, 0, 0, 1, 2);
    folders->addWidget(workFolder_, 1, 0);
    folders->addWidget(chooseWork, 1, 1);
    folders->addWidget(programLabel, 2, 0, 1, 2);
    folders->addWidget(programFolder_, 3, 0);
    folders->addWidget(chooseProgram, 3, 1);
    folders->setColumnStretch(0, 1);

    // "&Ok" stores first; it closes the dialog itself.
    QDialogButtonBox *buttons = AddDialogButtons(this, kHelpGeneralSettings, false);
    QAbstractButton *ok = nullptr;
    for (QAbstractButton *button : buttons->buttons()) {
        const QDialogButtonBox::ButtonRole role = buttons->buttonRole(button);
        button->setObjectName(role == QDialogButtonBox::AcceptRole   ? QStringLiteral("OkButton")
                              : role == QDialogButtonBox::RejectRole ? QStringLiteral("CancelButton")
                                                                     : QStringLiteral("HelpButton"));
        if (role == QDialogButtonBox::AcceptRole)
            ok = button;
    }

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(folders);
    layout->addSpacing(8);
    layout->addWidget(buttons);

    // Keyboard order: each folder edit followed by its own button.
    setTabOrder(keepPlacement_, workFolder_);
    setTabOrder(workFolder_, chooseWork);
    setTabOrder(chooseWork, programFolder_);
    setTabOrder(programFolder_, chooseProgram);
    setTabOrder(chooseProgram, ok);

    connect(chooseWork, &QPushButton::clicked, this, [this] { ChooseInto(workFolder_); });
    connect(chooseProgram, &QPushButton::clicked, this, [this] { ChooseInto(programFolder_); });
    connect(buttons, &QDialogButtonBox::accepted, this, &TSetExtra::Button1Click);

    LoadSettings();
    setMinimumWidth(460);
}

void TSetExtra::LoadSettings() {
    const int32_t options = ReadSettingInt(store_, kSettingOptions);
    // An action outside 0..2 (a hand-edited value) shows as "&Geen".
    const int action = options & StartupActionMask;
    startup_[action <= StartupLoadLast ? action : StartupNothing]->setChecked(true);
    hideToolbar_->setChecked((options & PrefHideToolbar) != 0);
    keepPlacement_->setChecked((options & PrefNoPlacement) == 0);
    workFolder_->setText(QString::fromStdString(ReadSettingString(store_, kSettingWorkFolder)));
    programFolder_->setText(QString::fromStdString(ReadSettingString(store_, kSettingProgramFolder)));
}

int TSetExtra::OptionsValue() const {
    int value = 0;
    for (int i = 0; i < 3; ++i) {
        if (startup_[i]->isChecked())
            value = i;
    }
    if (hideToolbar_->isChecked())
        value += PrefHideToolbar;
    if (!keepPlacement_->isChecked())
        value += PrefNoPlacement;
    return value;
}

bool TSetExtra::StoreSettings() {
    try {
        store_.WriteInt(kSettingOptions, OptionsValue());
        store_.WriteString(kSettingWorkFolder, workFolder_->text().toStdString());
        store_.WriteString(kSettingProgramFolder, programFolder_->text().toStdString());
    } catch (const SettingsError &error) {
        prompts_.Message(error.what(), MessageIcon::Error);
        return false;
    }
    return true;
}

void TSetExtra::Button1Click() {
    if (StoreSettings())
        accept();
    else
        reject();
}

void TSetExtra::ChooseInto(QLineEdit *edit) {
    edit->setText(ChooseFolder(edit->text(), this));
}

bool RunGeneralSettings(SettingsStore &store, Prompts &prompts, QWidget *parent) {
    TSetExtra dialog(store, prompts, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace rondaxa
