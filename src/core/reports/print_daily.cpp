#include "core/reports/print_daily.h"

#include "core/reports/print_standings.h"
#include "core/reports/print_table.h"

namespace rondaxa {

namespace {

// The print settings as the daily table needs them: every rule, the
// heading row, automatic field spacing, and the day's own headings on the
// columns of kind 7 and 8. The record is put back when the job ends,
// normally or not; only an automatic font size outlives the job.
class DailyPrintSettings {
public:
    explicit DailyPrintSettings(Competition &comp) : comp_(comp), stored_(comp.Print) {
        PrintSettings &print = comp.Print;
        print.PrintFlags = PfHeadingRow | PfVerticalRules | PfHorizontalRules;
        print.PrintFlags2 = Pf2AutoFieldSpacing;
        print.HeadNet = "Totaal";
        print.HeadGross = "Vervang";
    }
    ~DailyPrintSettings() {
        if (!keepFontSize_) {
            comp_.Print = stored_;
            return;
        }
        PrintSettings restored = stored_;
        restored.FontSize = comp_.Print.FontSize;
        comp_.Print = stored_;
        StorePrintSettings(comp_, restored);
    }
    DailyPrintSettings(const DailyPrintSettings &) = delete;
    DailyPrintSettings &operator=(const DailyPrintSettings &) = delete;

    // The job chose its font size automatically and printed: keep it.
    void KeepFontSize() { keepFontSize_ = true; }

private:
    Competition &comp_;
    const PrintSettings stored_;
    bool keepFontSize_ = false;
};

// The title line and, when chosen, the line of result information, at the
// table's left edge.
void PrintDailyTitle(TPrintObject &printer, const ClubRec &club, const TKlasse &klasse,
                     const DailyTable &table, const DailyExportChoices &choices) {
    printer.TextOutAt(0, kCurrentLine, "Dagklassement " + ExportTitle(club, klasse));
    if (choices.Info) {
        printer.NextLine();
        printer.TextOutAt(0, kCurrentLine, ResultInfoLine(club, klasse, table));
    }
}

} // namespace

int SetupDailyColumns(TPrintObject &printer, const ClubRec &club, const DailyTable &table,
                      const DailyExportChoices &choices) {
    int count = 0;
    for (const DailyExportColumn &column : DailyExportColumns(club, table, choices)) {
        if (count == kMaxPrintColumns)
            break;
        printer.DefineColumn(++count, column.Kind, column.GridCol, column.Number);
    }
    return count;
}

DailyPrintOutcome PrintDailyClassification(Competition &comp, int classIndex, const DailyTable &table,
                                           const DailyExportChoices &choices, PrintDevice &device) {
    DailyPrintOutcome outcome;
    if (classIndex < 0 || classIndex >= comp.ClassCount())
        return outcome;
    const TKlasse &klasse = *comp.Classes[static_cast<std::size_t>(classIndex)];
    DailyPrintSettings settings(comp);
    device.SetJobName(PrintJobName(comp.Club, &klasse));
    TPrintObject printer(device);
    printer.SetCompetition(comp);
    if (!printer.Start())
        return outcome;
    outcome.Started = true;
    try {
        printer.ApplyDailySettings();
        printer.SetFont(choices.FontName, choices.FontSize, choices.FontStyle,
                        static_cast<uint32_t>(choices.FontColor));
        printer.SetMargins(kDailyPrintMargin, kDailyPrintMargin, kDailyPrintMargin, kDailyPrintMargin);
        printer.UpdateMetrics();
        const int count = SetupDailyColumns(printer, comp.Club, table, choices);
        outcome.FontSize = choices.AutoFontSize ? printer.AutoFontSize(classIndex, count) : choices.FontSize;
        if (!choices.AutoFontSize)
            printer.ComputeColumns(classIndex, count);
        printer.CentreTable();
        printer.TopOfPage();
        printer.RowHeight = printer.LineHeight();
        PrintDailyTitle(printer, comp.Club, klasse, table, choices);
        printer.PrintTableHeading(true);
        const int rows = DailyRowsWritten(comp.Club, klasse, table, choices);
        for (int r = 1; r <= rows; ++r)
            printer.PrintRow(classIndex, table.Links[static_cast<std::size_t>(r)]);
        outcome.Rows = rows;
        printer.DrawColumnLines();
    } catch (...) {
        printer.Abort();
        throw;
    }
    printer.Finish();
    if (choices.AutoFontSize)
        settings.KeepFontSize();
    return outcome;
}

} // namespace rondaxa
