// "Algemene instellingen": the preferences of the installation - start-up
// action, toolbar, window placement, working folder and program folder.
#pragma once

#include "core/model/settings.h"
#include "core/platform/platform.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace rondaxa {

class TSetExtra : public QDialog {
    Q_OBJECT
public:
    TSetExtra(SettingsStore &store, Prompts &prompts, QWidget *parent = nullptr);

    // Fills the controls from the stored preferences.
    void LoadSettings();
    // "&Ok": writes "KzbOptie", "KzbWork" and "KzbMap". Returns false (after
    // showing the message) when they cannot be written.
    bool StoreSettings();

    // "KzbOptie" as the controls describe it.
    int OptionsValue() const;

private:
    void Button1Click();
    void ChooseInto(QLineEdit *edit);

    SettingsStore &store_;
    Prompts &prompts_;
    QRadioButton *startup_[3];
    QCheckBox *hideToolbar_;
    QCheckBox *keepPlacement_;
    QLineEdit *workFolder_;
    QLineEdit *programFolder_;
};

// Runs the dialog modally; true when the preferences were written. The
// caller then applies them (toolbar visibility, initial folder).
bool RunGeneralSettings(SettingsStore &store, Prompts &prompts, QWidget *parent);

} // namespace rondaxa
