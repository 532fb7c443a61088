// TPrintObject: the page engine over a print device, and the printed table
// of a class built on it.
//
// Positions are printer pixels measured from the physical edges of the
// sheet; the device's canvas starts at the printable area, so every drawing
// call subtracts LeftOffset and TopOffset. Margins never lie inside the
// unprintable strips.
//
// While Drawing is false the object lays out without drawing: positions,
// page breaks and the sheet count move exactly as when printing, so a
// counting pass announces the number of sheets that printing will use.
#pragma once

#include "core/model/model.h"
#include "core/reports/print_device.h"
#include "core/reports/print_table.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace rondaxa {

// The y of TextOutAt that means "on CurrentY, without moving it".
inline constexpr int kCurrentLine = -2;

// "Rondaxa - MC De Zandhazen - MX1": the name of a print job in the print
// queue and the title of a PDF. The class is named when one class is printed
// (onlyClass); an empty club or class name is left out.
std::string PrintJobName(const ClubRec &club, const TKlasse *onlyClass);

class TPrintObject {
public:
    explicit TPrintObject(PrintDevice &device) : device_(device) {}

    // ---- the page engine ----

    // Opens the document (false when the printer cannot start one), reads
    // the metrics, margins at the printable area, counters to 0.
    bool Start();
    // Ends the document; it goes to the printer.
    void Finish();
    // Ends the document without printing anything.
    void Abort();

    void SetMargins(int top, int bottom, int left, int right); // millimetres
    void UpdateMetrics();
    void SetFont(std::string_view name, int size, uint8_t style, uint32_t colour = 0);
    void SetFontStyle(uint8_t style);
    void SetFontColour(uint32_t colour);
    int TextWidth(std::string_view text);
    int LineHeight() const;
    void TextOutAt(int x, int y, std::string_view text);
    void ColumnTextLeft(int column, int y, std::string_view text);
    void ColumnTextRight(int column, int y, std::string_view text);
    void ColumnTextCentre(int column, int y, std::string_view text);
    void DrawLine(int x1, int y1, int x2, int y2, int penWidth);
    void FillBox(int x1, int y1, int x2, int y2, uint32_t colour);
    void NextLine() { CurrentY += LineHeight(); }
    void TopOfPage() { CurrentY = TopMargin; }
    void NewPage(bool closeTable);
    int InchToPixelsX(float inches) const;
    int InchToPixelsY(float inches) const;

    // ---- the printed table ----

    void SetCompetition(Competition &comp) { comp_ = &comp; }
    void ApplyReportSettings(int classIndex);
    void ApplyDailySettings();
    void DefineColumn(int index, int kind, int gridCol, int number);
    std::string ColumnHeading(int index) const;
    void ComputeColumns(int classIndex, int count);
    float FitFactor() const;
    int AutoFontSize(int classIndex, int count);
    void CentreTable();
    void PrintTableHeading(bool withTitles);
    void PrintRow(int classIndex, int row);
    void DrawColumnLines();
    void HorizontalRule();
    bool PageBreakIfNeeded(bool closeTable, bool force);
    // The y below which a further row no longer fits on the sheet.
    int PageLimit() const { return PhysHeight - (BottomMargin + RowHeight); }
    // The width one result takes in a result column or the joined column.
    int ResultCellWidth();

    PrintColumn &Column(int index) { return Columns.at(static_cast<std::size_t>(index)); }
    const PrintColumn &Column(int index) const { return Columns.at(static_cast<std::size_t>(index)); }
    PrintDevice &Device() { return device_; }
    TKlasse &Klasse() const;

    // ---- state (printer pixels) ----
    int TopMargin = 0, BottomMargin = 0, LeftMargin = 0, RightMargin = 0;
    int PixelsPerInchX = 0, PixelsPerInchY = 0;
    int PhysWidth = 0, PhysHeight = 0;
    float PaperWidthInch = 0, PaperHeightInch = 0;
    int LeftOffset = 0, TopOffset = 0, RightOffset = 0, BottomOffset = 0;
    PrintTextMetrics Metrics;
    int CurrentY = 0;

    int ClassIndex = 0;
    std::array<PrintColumn, kMaxPrintColumns + 1> Columns{}; // [1..60]
    int ColumnCount = 0;
    int FieldGap = 0;
    int TableWidth = 0;
    uint16_t VLineWidth = 0, HLineWidth = 0;
    uint16_t RowSpacing = 0;
    int GreyLevel = 255;
    int RowHeight = 0;
    int TableTop = 0, TableBottom = 0;
    bool UseGridRowText = false;
    int RowCounter = 0;
    int PageNumber = 0;
    int ClassBlockHeight = 0;
    // The header-text lines printed under the class title.
    std::vector<std::string> TitleTextLines;
    // CurrentY where the sheet's content starts (below its page header).
    int PageStartY = 0;

    // False: lay out without drawing (the counting pass).
    bool Drawing = true;
    // Sheets begun since Start: the first one counts once something is
    // laid out on it (the caller sets it), every NewPage adds one.
    int SheetCount = 0;
    // Called after a page break inside a table has changed the sheet: the
    // page header of the job.
    std::function<void()> OnPageHeader;

private:
    void ReadFontMetrics();
    int MeasureColumnWidth(int index);
    int JoinedWidth();
    void CellFill(int x1, int x2, uint32_t colour);
    uint32_t CellColour(const TColData *data, const TRijder *rider, int number) const;
    void PrintJoinedResults(const PrintColumn &column, const TRijder *rider);
    std::string ResultText(const TRijder *rider, int number) const;
    bool StrikeDropped() const;
    bool MarkColourDropped() const;
    int TitleBlockHeight();
    void CloseHeadingOrRow();

    PrintDevice &device_;
    Competition *comp_ = nullptr;
    std::string fontName_;
    int fontSize_ = 10;
    uint8_t fontStyle_ = 0;
    uint32_t fontColour_ = 0;
};

} // namespace rondaxa
