// "Snelzoeken": the quick search window. It lives as long as the main window,
// stays beside it without blocking it and searches the current class by
// name or start number while the user types; it only moves the grid's
// cursor. It follows the competition's changes: it searches whatever the
// current class holds when asked, and goes away when no class is left.
#pragma once

#include "core/platform/platform.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rondaxa {

class GridHost;

class TSnelZoeken : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 410;

    TSnelZoeken(GridHost &host, Prompts &prompts, QWidget *parent = nullptr);

    // The menu command: opens the window with an empty text, or, when it is
    // open, brings it forward and searches the next match.
    void SnelZoekClick();
    // Searches from the first rider, or from the row after the current one.
    void Search(bool fromStart);

    void Button1Click(); // "&Volgende zoeken"

    QLineEdit *SearchText() const { return text_; }
    QRadioButton *NameButton() const { return byName_; }
    QRadioButton *StartNoButton() const { return byStartNo_; }
    QCheckBox *ContainsBox() const { return contains_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void RadioGroup1Click();
    void FocusGrid();
    void FollowClassList();

    GridHost &host_;
    Prompts &prompts_;
    QRadioButton *byName_;
    QRadioButton *byStartNo_;
    QLineEdit *text_;
    QCheckBox *contains_;
};

} // namespace rondaxa
