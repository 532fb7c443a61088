// "Controle uitslagen": which result columns of the active class the results
// check covers; the findings are shown in the problem list.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"
#include "core/results/results_check.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace rondaxa {

class GridHost;

class TVraagUitslag : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 270;

    // Prepared for the class: its result columns, the one under the cursor.
    explicit TVraagUitslag(const TKlasse &klasse, QWidget *parent = nullptr);

    CheckRange Range() const;

    QCheckBox *AllBox() const { return all_; }
    QSpinBox *FromBox() const { return from_; }
    QSpinBox *ToBox() const { return to_; }

private:
    void CheckBox1Click();
    void FromChanged();
    void ToChanged();

    int resultCount_;
    QCheckBox *all_;
    QLabel *fromLabel_;
    QLabel *toLabel_;
    QSpinBox *from_;
    QSpinBox *to_;
};

// The results check of the active class: the dialog, then the findings in
// the problem list (its clicks move the grid's cursor through host), or
// message 510 when there are none.
void RunResultsCheck(Competition &comp, Prompts &prompts, GridHost &host, QWidget *parent);

} // namespace rondaxa
