// "Uitslagen wissen/verwijderen": empties or deletes one result column, a
// range or all of them, in the active class or in every class.
#pragma once

#include "core/platform/platform.h"
#include "core/results/result_columns.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace rondaxa {

class TWisUitslag : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 255;

    TWisUitslag(const Competition &comp, QWidget *parent = nullptr);

    ClearChoice Choice() const;

    QRadioButton *ClearButton() const { return clear_; }
    QRadioButton *DeleteButton() const { return delete_; }
    QRadioButton *ActiveClassButton() const { return activeClass_; }
    QRadioButton *AllClassesButton() const { return allClasses_; }
    QRadioButton *AllResultsButton() const { return allResults_; }
    QRadioButton *ColumnButton() const { return column_; }
    QSpinBox *FirstBox() const { return first_; }
    QCheckBox *ThroughBox() const { return through_; }
    QSpinBox *LastBox() const { return last_; }

private:
    void RadioButton1Click(); // "Alle uit&slagen !!!"
    void RadioButton2Click(); // "&Uitslag kolom :"
    void CheckBox1Click();
    void SpinEdit1Change();
    void SpinEdit2Change();

    QRadioButton *clear_;
    QRadioButton *delete_;
    QRadioButton *activeClass_;
    QRadioButton *allClasses_;
    QRadioButton *allResults_;
    QRadioButton *column_;
    QSpinBox *first_;
    QCheckBox *through_;
    QSpinBox *last_;
};

// Runs the dialog; after "&Ok" and Yes to the question, clears or deletes
// the chosen columns. Returns whether it did.
bool ClearColumnsCommand(Competition &comp, Prompts &prompts, QWidget *parent);

} // namespace rondaxa
