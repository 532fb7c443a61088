// "Snel uitslagen toevoegen": the finishing order of one race, typed or
// pasted as start numbers one per line, becomes a new result column of the
// active class or replaces one of its columns.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace rondaxa {

class TSnelUit : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 240;

    // gridChanged redraws the main grid after "Haal uitslag" sorted the class.
    TSnelUit(Competition &comp, Prompts &prompts, std::function<void()> gridChanged,
             QWidget *parent = nullptr);

    // Fills the dialog for the active class: the column under the grid's
    // cursor, and change mode (with message 60) when the class has all its
    // result columns.
    void Prepare();

    // The lines of the list as model text.
    std::vector<std::string> MemoLines() const;

    // Handlers.
    void RadioButton1Click(); // a mode chosen: what can be used with it
    void Button1Click();      // "&Ok"
    void Button4Click();      // "Haal uitslag"
    // Enter in the list; false when it is discarded.
    bool Memo1Enter();

    QPlainTextEdit *Memo() const { return memo_; }
    QLabel *PositionLabel() const { return position_; }
    QRadioButton *NewColumnButton() const { return newColumn_; }
    QRadioButton *ChangeColumnButton() const { return changeColumn_; }
    QSpinBox *ColumnBox() const { return column_; }
    QPushButton *FetchButton() const { return fetch_; }
    QRadioButton *AddUnknownButton() const { return addUnknown_; }
    QRadioButton *IgnoreUnknownButton() const { return ignoreUnknown_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowCaretLine();
    TKlasse &Klasse() const { return *comp_.Active(); }

    Competition &comp_;
    Prompts &prompts_;
    std::function<void()> gridChanged_;
    QPlainTextEdit *memo_;
    QLabel *position_;
    QRadioButton *newColumn_;
    QRadioButton *changeColumn_;
    QSpinBox *column_;
    QPushButton *fetch_;
    QRadioButton *addUnknown_;
    QRadioButton *ignoreUnknown_;
};

} // namespace rondaxa
