// "Informatie uitslagen": the date, remark and non-counting flag of ranges
// of result columns of the active class, edited page by page.
#pragma once

#include "core/platform/platform.h"
#include "core/results/result_info.h"
#include "ui/common/GridHost.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace rondaxa {

class TUitslInfo : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 260;

    // Prepares the first page: the block under the grid cursor, which moves
    // to result column 1 when it is not in a result column.
    TUitslInfo(Competition &comp, TKlasse &klasse, Prompts &prompts, GridHost &host,
               QWidget *parent = nullptr);

    // Run by "&Synchro" after the page is stored: opens the synchronisation.
    std::function<void()> OnSynchro;
    // Run after a page was stored: the grid shows the new colours.
    std::function<void()> OnStored;

    const InfoPage &Page() const { return page_; }
    QSpinBox *FromBox() const { return from_; }
    QSpinBox *ToBox() const { return to_; }
    QLineEdit *DateEdit() const { return date_; }
    QCheckBox *NotCountingBox() const { return notCounting_; }
    QLineEdit *RemarkEdit() const { return remark_; }
    QToolButton *PreviousButton() const { return previous_; }
    QToolButton *NextButton() const { return next_; }
    QPushButton *SynchroButton() const { return synchro_; }

    void SBvorigeClick();
    void SBnextClick();
    void Button1Click(); // "&Ok"
    void Button4Click(); // "&Synchro"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void MaskEdit1Exit();
    void SpinEdit1Change(int value);
    void SpinEdit2Change(int value);
    void CheckBox1Click();
    Answer Store();
    void ShowPage();
    void GoToPage(int col);
    bool FormKeyDown(QKeyEvent *event, QWidget *focus);

    Competition &comp_;
    TKlasse &klasse_;
    Prompts &prompts_;
    GridHost &host_;
    InfoPage page_;
    bool dateDirty_ = false; // typed in since the field was last left

    QSpinBox *from_;
    QSpinBox *to_;
    QToolButton *previous_;
    QToolButton *next_;
    QLineEdit *date_;
    QCheckBox *notCounting_;
    QLineEdit *remark_;
    QPushButton *synchro_;
};

} // namespace rondaxa
