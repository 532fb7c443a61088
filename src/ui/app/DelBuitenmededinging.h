// "Verwijder rijders buitenmededinging": deletes the hors-concours riders of
// the current class or of every class.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace rondaxa {

class TDelBuitenmededinging : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 232;

    explicit TDelBuitenmededinging(QWidget *parent = nullptr);

    bool AllClasses() const;
    bool AdjustResults() const;
    QRadioButton *AllClassesButton() const { return all_; }
    QCheckBox *AdjustBox() const { return adjust_; }

private:
    QRadioButton *current_;
    QRadioButton *all_;
    QCheckBox *adjust_;
};

// Deletes the hors-concours riders of the active class, or of every class,
// as chosen in the dialog, and reports how many went. Returns the number
// deleted, or -1 when the dialog was cancelled.
int DeleteHorsConcoursCommand(Competition &comp, Prompts &prompts, QWidget *parent);

} // namespace rondaxa
