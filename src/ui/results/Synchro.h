// "Informatie uitslagen synchroniseren": copies the result information of
// one class to other classes with the same number of result columns.
#pragma once

#include "core/platform/platform.h"
#include "core/results/result_info.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QListWidget;
class QRadioButton;

namespace rondaxa {

class TSynchro : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 265;

    // Lists the classes; the active class is the source.
    TSynchro(Competition &comp, Prompts &prompts, QWidget *parent = nullptr);

    // What the dialog chose.
    SynchroChoice Choice() const;
    // Whether "&Ok" copied anything.
    bool Copied() const { return copied_; }

    QComboBox *SourceBox() const { return source_; }
    QListWidget *TargetList() const { return targets_; }
    QCheckBox *DateBox() const { return date_; }
    QCheckBox *RemarkBox() const { return remark_; }
    QRadioButton *OverwriteButton() const { return overwrite_; }
    QRadioButton *SupplementButton() const { return supplement_; }

private:
    void ComboBox1Change();
    void Button1Click();

    Competition &comp_;
    Prompts &prompts_;
    bool copied_ = false;

    QComboBox *source_;
    QListWidget *targets_;
    QCheckBox *date_;
    QCheckBox *remark_;
    QRadioButton *overwrite_;
    QRadioButton *supplement_;
};

// Runs the dialog when there are at least two classes. Returns whether
// anything was copied.
bool SynchroniseCommand(Competition &comp, Prompts &prompts, QWidget *parent);

} // namespace rondaxa
