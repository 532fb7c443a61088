// "Uitslag kolommen toevoegen": adds result columns to the active class or
// to every class, at the end or before the chosen column.
#pragma once

#include "core/platform/platform.h"
#include "core/results/result_columns.h"

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace rondaxa {

class TKolToevoeg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 250;

    TKolToevoeg(Competition &comp, Prompts &prompts, QWidget *parent = nullptr);

    QSpinBox *CountBox() const { return count_; }
    QRadioButton *ActiveClassButton() const { return activeClass_; }
    QRadioButton *AllClassesButton() const { return allClasses_; }
    QRadioButton *AfterLastButton() const { return afterLast_; }
    QRadioButton *BeforeChosenButton() const { return beforeChosen_; }

private:
    void RadioGroup1Click();
    void Button1Click();

    Competition &comp_;
    Prompts &prompts_;
    QSpinBox *count_;
    QRadioButton *activeClass_;
    QRadioButton *allClasses_;
    QRadioButton *afterLast_;
    QRadioButton *beforeChosen_;
};

} // namespace rondaxa
