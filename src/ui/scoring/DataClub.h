// "Club gegevens": the club name, the classes, the points table and the
// scoring rules of the competition.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"
#include "core/scoring/class_settings.h"
#include "core/scoring/club_rules.h"
#include "ui/platform/FieldBinding.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QToolButton;

namespace rondaxa {

class TClubData : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 510;
    static constexpr int kPageHelp[4] = {520, 530, 540, 550};

    TClubData(Competition &comp, Prompts &prompts, QWidget *parent = nullptr);
    ~TClubData() override;

    // Opens the advanced tie-break steps; replaceable for tests.
    std::function<void(ClubRec &club)> RunAdvanced;

    // "&Ok": applies everything in order (nothing with an empty class list).
    void Button1Click();

    // ---- class list ("&Klasse indeling") -------------------------------------
    void Button4Click();          // "&Toevoegen"
    void Button5Click();          // "&Verwijderen"
    void ListBox1Click(int line); // a line selected (-1 none)
    void EditKLEnter();           // Enter in the name box
    void SpeedButton1Click();     // move up
    void SpeedButton2Click();     // move down
    const ClassListEdit &Classes() const { return *classes_; }
    int EditedLine() const { return editLine_; }

    // ---- points table ("&Rekenmethode") ----------------------------------------
    // Opens the editor over the current points cell, with that text, or with
    // the typed character.
    void OpenPointsEditor(const QString &start = QString(), bool keepCell = true);
    // Closes the editor (Enter, leaving it); Escape drops the change.
    void EditSGExit();
    void EditSGEscape();
    bool PointsEditorOpen() const;
    int CurrentPointsColumn() const { return pointsCol_; }
    void SetCurrentPointsColumn(int col);
    QString PointsCellText(int col) const;
    void RadioButton6Click(int tag);

    // Controls, for tests and screenshots.
    QTabWidget *Pages() const { return pages_; }
    QLineEdit *ClubNameEdit() const { return editCN_; }
    QListWidget *ClassListBox() const { return listBox1_; }
    QLineEdit *ClassNameEdit() const { return editKL_; }
    QPushButton *AddButton() const { return button4_; }
    QPushButton *DeleteButton() const { return button5_; }
    QToolButton *UpButton() const { return speedButton1_; }
    QToolButton *DownButton() const { return speedButton2_; }
    QTableWidget *PointsGrid() const { return grid_; }
    QLineEdit *PointsEditor() const { return editSG_; }
    QSpinBox *DeductionBox() const { return spinEdit1_; }
    QLabel *DeductionLabel() const { return deductionLabel_; }
    QGroupBox *StorageGroup() const { return storageGroup_; }
    QRadioButton *FinishOrderButton() const { return finishOrder_; }
    QRadioButton *PointsButton() const { return pointsAward_; }
    QCheckBox *MinOnePointBox() const { return minOnePoint_; }
    QRadioButton *TieButton(int tag) const { return tieButtons_[static_cast<std::size_t>(tag)]; }
    QPushButton *AdvancedButton() const { return button6_; }
    QRadioButton *CountingButton() const { return radioButton3_; }
    QRadioButton *DropButton() const { return radioButton4_; }
    QSpinBox *PercentBox() const { return seProc_; }
    QSpinBox *PlusBox() const { return sePlm_; }
    QSpinBox *DropBox() const { return seSchrap_; }
    QButtonGroup *RoundingGroup() const { return rounding_; }
    QButtonGroup *AverageGroup() const { return average_; }
    QButtonGroup *StatusGroup() const { return status_; }
    QLineEdit *ExtraLabelEdit(int i) const { return extraLabels_[static_cast<std::size_t>(i)]; }

protected:
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *BuildClassPage();
    QWidget *BuildScoringPage();
    void BuildPointsGroup(QWidget *page);
    void BuildStorageGroup(QWidget *page);
    QGroupBox *BuildCountingGroup(QWidget *page);
    QGroupBox *BuildTieGroup(QWidget *page);
    QWidget *BuildAveragePage();
    QWidget *BuildExtraPage();
    void BindControls();
    void FillPointsGrid();
    void RenewDeductionCaption();
    void CountingRuleChanged();
    void RadioGroup4Click();
    void SpinEdit1Change();
    void ShowEditedLine(int line);
    void EnableLineButtons(bool on);
    ClubSettingsForm Form() const;

    Competition &comp_;
    Prompts &prompts_;
    FieldBinding<ClubSettingsForm> fields_;
    std::unique_ptr<ClassListEdit> classes_;
    PointsRow points_;
    StorageMethod storedMethod_;
    std::array<TieStep, kTieStepCount + 1> savedSteps_;
    uint8_t savedNotify_;
    int editLine_ = -1;
    bool nameChanged_ = false;
    int pointsCol_ = 1;
    bool closingEditor_ = false;
    QString editorStart_;

    QTabWidget *pages_;
    QLineEdit *editCN_;
    QListWidget *listBox1_ = nullptr;
    QLineEdit *editKL_ = nullptr;
    QPushButton *button4_ = nullptr;
    QPushButton *button5_ = nullptr;
    QToolButton *speedButton1_ = nullptr;
    QToolButton *speedButton2_ = nullptr;
    QGroupBox *pointsGroup_ = nullptr;
    QTableWidget *grid_ = nullptr;
    QLineEdit *editSG_ = nullptr;
    QSpinBox *spinEdit1_ = nullptr;
    QLabel *deductionLabel_ = nullptr;
    QGroupBox *storageGroup_ = nullptr;
    QRadioButton *finishOrder_ = nullptr;
    QRadioButton *pointsAward_ = nullptr;
    QCheckBox *minOnePoint_ = nullptr;
    std::array<QRadioButton *, 4> tieButtons_{};
    QPushButton *button6_ = nullptr;
    QRadioButton *radioButton3_ = nullptr;
    QRadioButton *radioButton4_ = nullptr;
    QSpinBox *seProc_ = nullptr;
    QSpinBox *sePlm_ = nullptr;
    QSpinBox *seSchrap_ = nullptr;
    QWidget *countingCaptions_[3] = {};
    QWidget *dropCaption_ = nullptr;
    QGroupBox *roundingBox_ = nullptr;
    QButtonGroup *rounding_ = nullptr;
    QButtonGroup *average_ = nullptr;
    QButtonGroup *status_ = nullptr;
    std::array<QLineEdit *, 3> extraLabels_{};
};

// The club settings command: runs the dialog on the competition. Returns
// whether "&Ok" applied the settings.
bool RunClubSettings(Competition &comp, Prompts &prompts, QWidget *parent);

} // namespace rondaxa
