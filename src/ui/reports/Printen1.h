// "Uitslagen printen": the print dialog Tafdruk with its four tabs, the
// print job it starts, and the print preview reachable from it.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"
#include "core/reports/print_standings.h"
#include "ui/platform/FieldBinding.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace rondaxa {

class Tafdruk : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 70;

    // Loads the dialog from the competition's print settings, its classes
    // and standings, and the printer's orientation (comp.ActiveClass is the
    // current class).
    Tafdruk(Competition &comp, QPrinter &printer, QWidget *parent = nullptr);

    // The layout record as the dialog shows it now (texts cut to their fields).
    PrintSettings Settings() const;
    // The choices that are not stored.
    PrintChoices Choices() const;

    // ---- controls, for tests --------------------------------------------
    QTabWidget *Tabs() const { return tabs_; }
    QRadioButton *CurrentClassButton() const { return current_; }
    QRadioButton *AllClassesButton() const { return all_; }
    QRadioButton *SelectionButton() const { return selection_; }
    QListWidget *ClassList() const { return classList_; }
    QCheckBox *ResultsBox() const { return results_; }
    QCheckBox *JoinBox() const { return join_; }
    QLineEdit *JoinTextEdit() const { return joinText_; }
    QCheckBox *EmptyResultBox() const { return emptyResult_; }
    QLineEdit *EmptyTextEdit() const { return emptyText_; }
    QCheckBox *ZeroEmptyBox() const { return zeroEmpty_; }
    QCheckBox *HeadingRowBox() const { return headingRow_; }
    QSpinBox *ShadeSpin() const { return shade_; }
    QRadioButton *RidersWithResultsButton() const { return ridersWithResults_; }
    QRadioButton *AllRidersButton() const { return allRiders_; }
    QRadioButton *FirstRidersButton() const { return firstRiders_; }
    QSpinBox *FirstRidersSpin() const { return firstCount_; }
    QRadioButton *PortraitButton() const { return portrait_; }
    QRadioButton *LandscapeButton() const { return landscape_; }
    QCheckBox *AutoSpacingBox() const { return autoSpacing_; }
    QSpinBox *SpacingSpin() const { return spacing_; }
    QCheckBox *HeaderTextBox() const { return headerText_; }
    QCheckBox *StandardHeaderBox() const { return standardHeader_; }
    QPlainTextEdit *HeaderTextEdit() const { return headerEdit_; }
    QCheckBox *EndTextBox() const { return endText_; }
    QPlainTextEdit *EndTextEdit() const { return endEdit_; }
    QPushButton *PreviewButton() const { return preview_; }

private:
    QWidget *BuildWhatTab();
    QWidget *BuildLayoutTab();
    QWidget *BuildPaperTab();
    QWidget *BuildTextsTab();
    void BindControls();
    void LoadPrintDialog();
    void UpdateEnabling();
    void ClassChoiceClick();
    void OrientationClick();
    void PrinterSetupClick();
    void FontClick();
    void ShowFont();
    void StandardHeaderClick(bool on);
    void HeaderTextEdited();
    void ShowPreview();
    void PrintWithShownSettings(PrintDevice &device);
    std::string StandardHeaderText() const;

    Competition &comp_;
    QPrinter &printer_;
    FieldBinding<PrintSettings> stored_; // the controls of the stored record
    FieldBinding<PrintChoices> choices_; // the controls of the other choices
    PrintChoices opened_;
    std::string userHeaderText_; // the user's own header text while the standard one shows
    bool showingStandard_ = false;
    std::string fontName_;
    int fontSize_ = 10;
    int32_t fontColour_ = 0;
    uint8_t fontStyle_ = 0;

    QTabWidget *tabs_;
    // "&Wat te printen"
    QRadioButton *current_, *all_, *selection_;
    QListWidget *classList_;
    QCheckBox *results_, *startNo_, *total_, *count_, *average_, *net_, *gross_;
    QCheckBox *info_, *swap_, *className_;
    // "Print &opmaak"
    QCheckBox *zeroEmpty_, *join_, *emptyResult_;
    QLineEdit *joinText_, *emptyText_;
    QCheckBox *verticalRules_, *horizontalRules_, *gridColours_, *newPage_, *headingRow_, *centre_;
    QLabel *shadeLabel_;
    QSpinBox *shade_;
    QCheckBox *headerDate_, *headerClub_, *headerPages_, *headerOwn_;
    QLineEdit *ownText_;
    QRadioButton *ridersWithResults_, *allRiders_, *firstRiders_;
    QSpinBox *firstCount_;
    // "&Papier / Lettertype"
    QRadioButton *portrait_, *landscape_;
    QSpinBox *marginTop_, *marginBottom_, *marginLeft_, *marginRight_;
    QLabel *fontShow_;
    QCheckBox *autoFont_;
    QSpinBox *lineSpacing_;
    QCheckBox *autoSpacing_;
    QLabel *spacingLabel_;
    QSpinBox *spacing_;
    // "&Teksten"
    QLineEdit *heads_[8];
    QCheckBox *headerText_, *standardHeader_, *endText_;
    QPlainTextEdit *headerEdit_, *endEdit_;
    QRadioButton *endAfterEach_, *endAfterLast_;
    QPushButton *preview_;
};

// The printer of the program: it keeps its choices (printer, orientation)
// from one print to the next until the program ends.
QPrinter &ProgramPrinter();

// The platform's printer set-up dialog ("Printer instelling") on a printer.
void PrinterSetup(QPrinter &printer, QWidget *parent);

// The command: the dialog; on "&Print" the settings stored with the
// competition (modified when they changed), then the job with its question.
// Returns whether anything was printed.
bool RunPrintDialog(Competition &comp, QPrinter &printer, Prompts &prompts, QWidget *parent);

} // namespace rondaxa
