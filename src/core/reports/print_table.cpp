// The printed table of a class on TPrintObject: columns, widths, the
// automatic font size, headings, rows, shading, colours and rules.
#include "core/model/class_grid.h"
#include "core/reports/print_object.h"
#include "core/reports/text_export.h"

#include <algorithm>
#include <stdexcept>

namespace rondaxa {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

// (100 - percent) x 255 / 100, halves to even: 255 is white, 0 black.
int GreyLevelFor(int shadePercent) {
    const int percent = std::clamp(shadePercent, 0, 100);
    const int scaled = (100 - percent) * 255;
    int level = scaled / 100;
    const int rest = scaled % 100;
    if (rest > 50 || (rest == 50 && level % 2 == 1))
        ++level;
    return level;
}

// Rounds to the nearest integer, halves to even.
int RoundHalfEven(float value) {
    const float floor = static_cast<float>(static_cast<long long>(value >= 0 ? value : value - 1));
    const float fraction = value - floor;
    long long result = static_cast<long long>(floor);
    if (fraction > 0.5f || (fraction == 0.5f && result % 2 != 0))
        ++result;
    return static_cast<int>(std::clamp<long long>(result, -1000000, 1000000));
}

bool NoFill(uint32_t colour) {
    return colour == 0 || colour == kClWindow || colour == kWhite;
}

} // namespace

TKlasse &TPrintObject::Klasse() const {
    if (!comp_ || ClassIndex < 0 || ClassIndex >= comp_->ClassCount())
        throw std::logic_error("print table without a class");
    return *comp_->Classes[static_cast<std::size_t>(ClassIndex)];
}

void TPrintObject::ApplyReportSettings(int classIndex) {
    const PrintSettings &print = comp_->Print;
    ClassIndex = classIndex;
    UseGridRowText = true;
    GreyLevel = GreyLevelFor(print.ShadePercent);
    VLineWidth = (print.PrintFlags & PfVerticalRules) ? 2 : 0;
    HLineWidth = (print.PrintFlags & PfHorizontalRules) ? 2 : 0;
    RowSpacing = print.LineSpacing;
    SetFont(print.FontName.str(), print.FontSize, print.FontStyle, static_cast<uint32_t>(print.FontColor));
}

void TPrintObject::ApplyDailySettings() {
    GreyLevel = GreyLevelFor(comp_->Print.ShadePercent);
    VLineWidth = 2;
    HLineWidth = 2;
    RowSpacing = 2;
    RowCounter = 0;
    UseGridRowText = false;
}

void TPrintObject::DefineColumn(int index, int kind, int gridCol, int number) {
    PrintColumn &column = Column(index);
    column = PrintColumn{};
    column.Kind = kind;
    column.GridCol = gridCol;
    column.Number = number;
}

std::string TPrintObject::ColumnHeading(int index) const {
    const PrintSettings &print = comp_->Print;
    const ClubRec &club = comp_->Club;
    const PrintColumn &column = Column(index);
    const bool averages = Klasse().CalcState >= 3;
    switch (column.Kind) {
    case KindRowNumber:
        return print.HeadPlace;
    case KindName:
        return print.HeadName;
    case KindStartNo:
        return print.HeadStartNo;
    case KindResult:
        return IntText(column.Number);
    case KindExtra1:
        return club.ExtraLabel1;
    case KindExtra2:
        return club.ExtraLabel2;
    case KindExtra3:
        return club.ExtraLabel3;
    case KindNet:
        return averages ? print.HeadCount.str() : print.HeadNet.str();
    case KindGross:
        return averages ? print.HeadTotal.str() : print.HeadGross.str();
    case KindAverage:
        return print.HeadAverage;
    case KindDailyGross:
        return print.HeadGross;
    default:
        return {};
    }
}

// A result is printed in the room of "88", or of "888" when the points
// table gives 100 or more for first place; the empty-result text may widen it.
int TPrintObject::ResultCellWidth() {
    const PrintSettings &print = comp_->Print;
    int width = TextWidth(comp_->Club.Points[1] >= 100 ? "888" : "88");
    if (print.PrintFlags & PfEmptyResultText)
        width = std::max(width, TextWidth(print.EmptyResultText));
    return width;
}

int TPrintObject::JoinedWidth() {
    const int results = std::clamp(Klasse().ResultCount, 0, kMaxResults);
    if (results == 0)
        return 0;
    const int separator = TextWidth(comp_->Print.ResultSeparator);
    return separator * (results - 1) + results * ResultCellWidth();
}

// The width of a column's text: fixed texts for place and results, else the
// widest rider (remembered, so a later font size measures one row only).
int TPrintObject::MeasureColumnWidth(int index) {
    PrintColumn &column = Column(index);
    const TKlasse &klasse = Klasse();
    const ClubRec &club = comp_->Club;
    switch (column.Kind) {
    case KindRowNumber:
        return TextWidth("888");
    case KindResult:
        return ResultCellWidth();
    case KindJoinedResults:
        return JoinedWidth();
    default:
        break;
    }
    if (column.WidestRow > 0) {
        const TRijder *rider = klasse.Grid.Rider(column.WidestRow);
        return rider ? TextWidth(CellText(club, *rider, column.Kind, 0)) : 0;
    }
    if (column.WidestRow < 0)
        return 0;
    int widest = 0;
    for (int row = 1; row < klasse.Grid.RowCount(); ++row) {
        const TRijder *rider = klasse.Grid.Rider(row);
        if (!rider)
            continue;
        const int width = TextWidth(CellText(club, *rider, column.Kind, 0));
        if (column.WidestRow == 0 || width > widest) {
            widest = width;
            column.WidestRow = row;
        }
    }
    return widest;
}

void TPrintObject::ComputeColumns(int classIndex, int count) {
    PrintSettings &print = comp_->Print;
    ClassIndex = classIndex;
    ColumnCount = std::clamp(count, 0, kMaxPrintColumns);
    TableWidth = 0;
    if (print.PrintFlags2 & Pf2AutoFieldSpacing) {
        FieldGap = TextWidth("n") / 2;
        print.FieldSpacing = static_cast<uint16_t>(FieldGap);
    } else {
        FieldGap = print.FieldSpacing;
    }
    for (int i = 1; i <= ColumnCount; ++i) {
        PrintColumn &column = Column(i);
        if (i == 1) {
            column.Left = VLineWidth > 0 ? VLineWidth + FieldGap : 0;
        } else {
            const PrintColumn &before = Column(i - 1);
            column.Left = before.Left + before.Width + 2 * FieldGap + VLineWidth;
        }
        column.Width = MeasureColumnWidth(i);
        const int heading = TextWidth(ColumnHeading(i));
        if (heading > column.Width) {
            column.Width = heading;
            column.WidestRow = -1;
        }
        if (column.Width == 0)
            column.Width = kEmptyColumnWidth;
    }
    if (ColumnCount > 0) {
        const PrintColumn &last = Column(ColumnCount);
        TableWidth = last.Left + last.Width + (VLineWidth > 0 ? VLineWidth + FieldGap : 0);
    }
    RowHeight = HLineWidth > 0 ? LineHeight() + HLineWidth + 2 * RowSpacing : LineHeight() + RowSpacing;
}

// How far the text widths may grow before the table no longer fits between
// the margins; below 1 the table is too wide.
float TPrintObject::FitFactor() const {
    int texts = 0;
    for (int i = 1; i <= ColumnCount; ++i)
        texts += Column(i).Width;
    if (texts <= 0)
        return 1.0f;
    const int room = PhysWidth - LeftMargin - RightMargin - (TableWidth - texts);
    return static_cast<float>(room) / static_cast<float>(texts);
}

int TPrintObject::AutoFontSize(int classIndex, int count) {
    auto measureAt = [&](int size) {
        SetFont(fontName_, size, fontStyle_, fontColour_);
        ComputeColumns(classIndex, count);
    };
    int size = kStartFontSize;
    measureAt(size);
    const int fitted = std::max(kSmallestFontSize, RoundHalfEven(FitFactor() * static_cast<float>(size)));
    if (fitted != size) {
        size = fitted;
        measureAt(size);
    }
    while (FitFactor() < 1.0f && size > kSmallestFontSize)
        measureAt(--size);
    comp_->Print.FontSize = size;
    return size;
}

void TPrintObject::CentreTable() {
    LeftMargin = std::max((PhysWidth - TableWidth) / 2, LeftOffset);
    RightMargin = PhysWidth - TableWidth - LeftMargin;
    if (RightMargin < RightOffset) {
        const int printable = PhysWidth - LeftOffset - RightOffset;
        LeftMargin = std::max((printable - TableWidth) / 2 + LeftOffset, LeftOffset);
        RightMargin = RightOffset;
    }
}

// The height of what PrintTableHeading(true) writes after its blank line.
int TPrintObject::TitleBlockHeight() {
    const PrintSettings &print = comp_->Print;
    int height = 0;
    if (print.PrintFlags & PfClassName)
        height += LineHeight();
    height += static_cast<int>(TitleTextLines.size()) * LineHeight();
    const int rule = HLineWidth > 0 ? RowSpacing + HLineWidth : 0;
    if (print.PrintFlags & PfHeadingRow)
        height += (HLineWidth > 0 ? HLineWidth + RowSpacing : 0) + LineHeight() + rule + RowSpacing;
    else
        height += rule + RowSpacing;
    return height;
}

void TPrintObject::PrintTableHeading(bool withTitles) {
    const PrintSettings &print = comp_->Print;
    if (withTitles) {
        const bool atPageStart = CurrentY <= PageStartY;
        NextLine();
        // The title, texts and heading row stay together with the first row;
        // on a sheet that holds nothing yet there is nowhere better to go.
        ClassBlockHeight = TitleBlockHeight();
        if (!atPageStart && CurrentY + ClassBlockHeight >= PageLimit())
            PageBreakIfNeeded(false, true);
        if (print.PrintFlags & PfClassName) {
            const std::string name = Klasse().Name.str();
            TextOutAt((TableWidth - (Drawing ? TextWidth(name) : 0)) / 2, kCurrentLine, name);
            NextLine();
        }
        for (const std::string &line : TitleTextLines) {
            TextOutAt(0, kCurrentLine, line);
            NextLine();
        }
    }
    TableTop = CurrentY;
    if (!(print.PrintFlags & PfHeadingRow)) {
        HorizontalRule();
        CloseHeadingOrRow();
        return;
    }
    if (GreyLevel < 255) {
        const uint32_t grey = static_cast<uint32_t>(GreyLevel) * 0x010101u;
        FillBox(LeftMargin + VLineWidth / 2, TableTop + HLineWidth / 2,
                LeftMargin + TableWidth + VLineWidth / 2,
                CurrentY + LineHeight() + 2 * RowSpacing + HLineWidth, grey);
    }
    if (HLineWidth > 0) {
        DrawLine(LeftMargin + VLineWidth, CurrentY + HLineWidth / 2, LeftMargin + TableWidth + VLineWidth,
                 CurrentY + HLineWidth / 2, HLineWidth);
        CurrentY += HLineWidth + RowSpacing;
    }
    // Black headings; white ones on a shading too dark to read black on.
    const uint32_t fontColour = fontColour_;
    SetFontColour(GreyLevel < 128 ? kWhite : kBlack);
    for (int i = 1; i <= ColumnCount; ++i) {
        const PrintColumn &column = Column(i);
        switch (column.Kind) {
        case KindRowNumber:
        case KindStartNo:
        case KindResult:
            ColumnTextCentre(i, kCurrentLine, ColumnHeading(i));
            break;
        case KindJoinedResults:
            if (Drawing) {
                const int cell = ResultCellWidth();
                const int separator = TextWidth(comp_->Print.ResultSeparator);
                int x = column.Left;
                for (int n = 1; n <= std::clamp(Klasse().ResultCount, 0, kMaxResults); ++n) {
                    const std::string number = IntText(n);
                    TextOutAt(x + (cell - TextWidth(number)) / 2, kCurrentLine, number);
                    x += cell + separator;
                }
            }
            break;
        default:
            ColumnTextLeft(i, kCurrentLine, ColumnHeading(i));
        }
    }
    SetFontColour(fontColour);
    NextLine();
    HorizontalRule();
    CloseHeadingOrRow();
}

// The table's frame ends under the heading or row just printed, so that a
// table without rows (or a sheet whose rows have not come yet) is closed
// under its heading instead of wherever an earlier table ended.
void TPrintObject::CloseHeadingOrRow() {
    TableBottom = CurrentY - HLineWidth;
    CurrentY += RowSpacing;
}

bool TPrintObject::StrikeDropped() const {
    const int32_t view = comp_->Club.ViewFlags;
    return (view & ViewMarkDropped) && (view & ViewStrikeDropped);
}

bool TPrintObject::MarkColourDropped() const {
    const int32_t view = comp_->Club.ViewFlags;
    return (view & ViewMarkDropped) && !(view & ViewNoMarkColour);
}

// The colour a cell is printed on: MarkColor for a dropped result shown in
// colour, else the grid column's colour.
uint32_t TPrintObject::CellColour(const TColData *data, const TRijder *rider, int number) const {
    if (data && data->Kind == KindResult && rider && MarkColourDropped() && IsDropped(*rider, number))
        return comp_->Club.MarkColor;
    return data ? data->Color : kClWindow;
}

// Fills a cell of the current row between the rules.
void TPrintObject::CellFill(int x1, int x2, uint32_t colour) {
    if (NoFill(colour))
        return;
    const int bottom = CurrentY + LineHeight() + (HLineWidth > 0 ? RowSpacing : 0);
    FillBox(LeftMargin + x1, CurrentY - RowSpacing, LeftMargin + x2, bottom, ResolveColor(colour));
}

std::string TPrintObject::ResultText(const TRijder *rider, int number) const {
    if (!rider)
        return {};
    const PrintSettings &print = comp_->Print;
    std::string text = CellText(comp_->Club, *rider, KindResult, number);
    if (text.empty() && (print.PrintFlags & PfEmptyResultText))
        text = print.EmptyResultText;
    return text;
}

void TPrintObject::PrintJoinedResults(const PrintColumn &column, const TRijder *rider) {
    if (!Drawing)
        return;
    const TKlasse &klasse = Klasse();
    const bool colours = comp_->Print.PrintFlags & PfGridColours;
    const std::string separatorText = comp_->Print.ResultSeparator.str();
    const int cell = ResultCellWidth();
    const int separator = TextWidth(separatorText);
    const int results = std::clamp(klasse.ResultCount, 0, kMaxResults);
    const uint8_t style = fontStyle_;
    int x = column.Left;
    for (int n = 1; n <= results; ++n) {
        if (colours)
            CellFill(x, x + cell, CellColour(klasse.ColData(klasse.ResultColumn(n)), rider, n));
        const std::string text = ResultText(rider, n);
        if (!text.empty()) {
            const bool strike = rider && StrikeDropped() && IsDropped(*rider, n);
            SetFontStyle(strike ? FontStrikeOut : style);
            TextOutAt(x + (cell - TextWidth(text)) / 2, kCurrentLine, text);
            SetFontStyle(style);
        }
        if (n < results) {
            TextOutAt(x + cell, kCurrentLine, separatorText);
            x += cell + separator;
        }
    }
}

void TPrintObject::PrintRow(int classIndex, int row) {
    ClassIndex = classIndex;
    if (PageBreakIfNeeded(true, false))
        PrintTableHeading(false);
    const TKlasse &klasse = Klasse();
    const ClubRec &club = comp_->Club;
    const TRijder *rider = klasse.Grid.Rider(row);
    const bool colours = comp_->Print.PrintFlags & PfGridColours;
    const uint8_t style = fontStyle_;
    for (int i = 1; i <= ColumnCount && Drawing; ++i) {
        const PrintColumn &column = Column(i);
        if (column.Kind == KindJoinedResults) {
            PrintJoinedResults(column, rider);
            continue;
        }
        if (colours)
            CellFill(column.Left - FieldGap, column.Left + column.Width + FieldGap,
                     CellColour(klasse.ColData(column.GridCol), rider, column.Number));
        std::string text;
        switch (column.Kind) {
        case KindRowNumber:
            text = UseGridRowText ? klasse.Grid.RowAt(row).Label : IntText(++RowCounter);
            break;
        case KindResult:
            text = ResultText(rider, column.Number);
            if (rider && StrikeDropped() && IsDropped(*rider, column.Number))
                SetFontStyle(style | FontStrikeOut);
            break;
        default:
            text = rider ? CellText(club, *rider, column.Kind, 0) : std::string();
        }
        switch (column.Kind) {
        case KindRowNumber:
        case KindStartNo:
        case KindResult:
            ColumnTextCentre(i, kCurrentLine, text);
            break;
        case KindNet:
        case KindGross:
        case KindAverage:
        case KindDailyGross:
            ColumnTextRight(i, kCurrentLine, text);
            break;
        default:
            ColumnTextLeft(i, kCurrentLine, text);
        }
        SetFontStyle(style);
    }
    NextLine();
    HorizontalRule();
    CloseHeadingOrRow();
}

void TPrintObject::HorizontalRule() {
    if (HLineWidth == 0)
        return;
    CurrentY += RowSpacing;
    const int y = CurrentY + HLineWidth / 2;
    DrawLine(LeftMargin + VLineWidth, y, LeftMargin + TableWidth + VLineWidth, y, HLineWidth);
    CurrentY += HLineWidth;
}

void TPrintObject::DrawColumnLines() {
    if (VLineWidth == 0)
        return;
    const int top = TableTop + HLineWidth / 2;
    const int bottom = TableBottom + HLineWidth / 2;
    for (int i = 1; i <= ColumnCount; ++i) {
        const int x = Column(i).Left + LeftMargin - FieldGap - VLineWidth / 2;
        DrawLine(x, top, x, bottom, VLineWidth);
    }
    const int right = LeftMargin + TableWidth + VLineWidth;
    DrawLine(right, top, right, bottom, VLineWidth);
}

bool TPrintObject::PageBreakIfNeeded(bool closeTable, bool force) {
    if (!force && CurrentY < PageLimit())
        return false;
    NewPage(closeTable);
    if (OnPageHeader)
        OnPageHeader();
    PageStartY = CurrentY;
    return true;
}

} // namespace rondaxa
