// "Dagklassement exporteren": puts the daily classification, as its window
// shows it, out to the printer, the clipboard, a text file or an HTML file.
// The dialog's choices are remembered until the program ends.
#pragma once

#include "core/daily/daily_export.h"
#include "core/model/model.h"
#include "ui/platform/FieldBinding.h"
#include "ui/reports/TekstUit.h"

#include <QDialog>

#include <functional>
#include <string>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace rondaxa {

// The printed daily classification comes from the printing side of the
// program (on the program's printer, which the standings printout uses
// too); while Print is not set, "&Printer" cannot be chosen. Setup is the
// printer set-up dialog of "Pri&nter"; Portrait turns the printer upright,
// as every opening of the dialog does. Tests replace them.
struct DailyPrinting {
    std::function<void(Competition &comp, const TKlasse &klasse, const DailyTable &table,
                       const DailyExportChoices &choices, QWidget *parent)>
        Print;
    std::function<void(QWidget *parent)> Setup;
    std::function<void()> Portrait;
};
DailyPrinting &DailyPrinter();
// The hooks as the program fills them.
DailyPrinting ProgramDailyPrinting();

class TDagUit : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 340;

    TDagUit(const Competition &comp, const TKlasse &klasse, const DailyExportMemory &memory,
            QWidget *parent = nullptr);

    // The choices as the dialog shows them now.
    DailyExportChoices Choices() const;

    QRadioButton *TargetButton(DailyTarget target) const { return targets_[static_cast<int>(target)]; }
    QCheckBox *StartNoBox() const { return startNo_; }
    QCheckBox *InfoBox() const { return info_; }
    QCheckBox *ReplacementBox() const { return replacement_; }
    QCheckBox *AllRidersBox() const { return allRiders_; }
    QCheckBox *ExtraBox() const { return extra_; }
    QPushButton *FontButton() const { return bitBtn1_; }
    QCheckBox *AutoFontBox() const { return autoFont_; }
    QPushButton *PrinterButton() const { return bitBtn2_; }

private:
    void BindControls();
    void RadioGroup1Click();
    void BitBtn1Click();
    void BitBtn2Click();

    DailyExportChoices choices_; // the font, which no control holds
    FieldBinding<DailyExportChoices> fields_;
    QRadioButton *targets_[4];
    QCheckBox *startNo_;
    QCheckBox *info_;
    QCheckBox *replacement_;
    QCheckBox *allRiders_;
    QCheckBox *extra_;
    QPushButton *bitBtn1_;
    QCheckBox *autoFont_;
    QPushButton *bitBtn2_;
};

// The choices of the dialog kept until the program ends.
DailyExportMemory &ProgramDailyExportMemory();

// The save dialog of the daily export (replaceable, for tests): the chosen
// file, or "" when cancelled.
ExportFileChooser &ChooseDailyExportFile();

// "&Exporteren": the dialog, then on "&Ok" the remembered choices and the
// chosen export. Returns the file written, or "".
std::string RunDailyExport(Competition &comp, const TKlasse &klasse, const DailyTable &table,
                           QWidget *parent);

} // namespace rondaxa
