// "Uitvoer tekst / HTML bestand": writes the standings of one, all or a
// chosen set of classes to a text file or an HTML page. The dialog's
// choices are remembered from one export to the next until the program ends.
#pragma once

#include "core/model/model.h"
#include "core/reports/text_export.h"
#include "ui/platform/FieldBinding.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace rondaxa {

class TTekstUit : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 60;

    // Fills the dialog for the competition: its classes in the selection
    // list, the calculated-column boxes its standings offer, then the
    // remembered choices.
    TTekstUit(const Competition &comp, const ExportMemory &memory, QWidget *parent = nullptr);

    // The choices as the dialog shows them now.
    ExportChoices Choices() const;

    QRadioButton *TextButton() const { return text_; }
    QRadioButton *HtmlButton() const { return html_; }
    QRadioButton *CurrentClassButton() const { return current_; }
    QRadioButton *AllClassesButton() const { return all_; }
    QRadioButton *SelectionButton() const { return selection_; }
    QListWidget *ClassList() const { return classList_; }
    QCheckBox *ResultsBox() const { return results_; }
    QCheckBox *StartNoBox() const { return startNo_; }
    QCheckBox *NetBox() const { return net_; }
    QCheckBox *GrossBox() const { return gross_; }
    QCheckBox *TotalBox() const { return total_; }
    QCheckBox *CountBox() const { return count_; }
    QCheckBox *AverageBox() const { return average_; }
    QCheckBox *InfoBox() const { return info_; }
    QCheckBox *SwapBox() const { return swap_; }
    QCheckBox *ClubNameBox() const { return clubName_; }
    QCheckBox *ClassNameBox() const { return className_; }
    QCheckBox *ZeroEmptyBox() const { return zeroEmpty_; }
    QCheckBox *EmptyResultBox() const { return emptyResult_; }
    QLineEdit *EmptyTextEdit() const { return emptyText_; }
    QCheckBox *JoinBox() const { return join_; }
    QLineEdit *BetweenTextEdit() const { return betweenText_; }
    QRadioButton *SeparatorButton(ExportSeparator separator) const {
        return separators_[static_cast<int>(separator)];
    }
    QLineEdit *SeparatorTextEdit() const { return separatorText_; }

private:
    void BindControls();
    void RestoreExportOptions(const ExportChoices &choices);
    void UpdateEnabling();
    void ClassChoiceClick();

    QRadioButton *text_;
    QRadioButton *html_;
    QRadioButton *current_;
    QRadioButton *all_;
    QRadioButton *selection_;
    QListWidget *classList_;
    QCheckBox *results_;
    QCheckBox *startNo_;
    QCheckBox *net_;
    QCheckBox *gross_;
    QCheckBox *total_;
    QCheckBox *count_;
    QCheckBox *average_;
    QCheckBox *info_;
    QCheckBox *swap_;
    QCheckBox *clubName_;
    QCheckBox *className_;
    QCheckBox *zeroEmpty_;
    QCheckBox *emptyResult_;
    QLineEdit *emptyText_;
    QCheckBox *join_;
    QLabel *betweenLabel_;
    QLineEdit *betweenText_;
    QRadioButton *separators_[4];
    QLineEdit *separatorText_;
    CalcColumnBoxes enabled_;
    FieldBinding<ExportChoices> fields_;
};

// The choices of the dialog kept until the program ends.
ExportMemory &ProgramExportMemory();

// A save dialog with the filters ("Naam (*.ext)"), the filter at index
// filterIndex chosen, opened in folder: the chosen file, or "" when cancelled.
QString ChooseSaveFile(const QStringList &filters, int filterIndex, const QString &folder, QWidget *parent);
// The folder of the competition's file, where exports are first offered.
QString CompetitionFolder(const Competition &comp);
// A check box of a dialog, added to layout.
QCheckBox *AddCheckBox(QLayout *layout, const QString &caption);

// The save dialog of the export (replaceable, for tests): the chosen file,
// or "" when cancelled.
using ExportFileChooser = std::function<QString(ExportFileType type, const QString &folder, QWidget *parent)>;
ExportFileChooser &ChooseExportFile();

// The command: the dialog, then on "&Ok" the remembered choices, the save
// dialog and the file (".txt" or ".html"). A file that cannot be created
// ends the export without a message. Returns the file written, or "".
std::string RunTextExport(Competition &comp, QWidget *parent);

} // namespace rondaxa
