#include "core/daily/daily_export.h"

#include "core/platform/files.h"

#include "core/model/class_grid.h"
#include "core/platform/platform.h"
#include "core/reports/text_export.h"

#include <fstream>

namespace rondaxa {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

void Line(std::string &out, std::string_view text) {
    out += text;
    out += kLineEnd;
}

// The extra fields in field order: kind, the ViewFlags bit that shows it, its name.
struct ExtraField {
    int Kind;
    int32_t ViewBit;
    const FixedString<15> ClubRec::*Label;
};
constexpr ExtraField kExtraFields[] = {
    {KindExtra1, ViewExtra1, &ClubRec::ExtraLabel1},
    {KindExtra2, ViewExtra2, &ClubRec::ExtraLabel2},
    {KindExtra3, ViewExtra3, &ClubRec::ExtraLabel3},
};

int RowAlignment(int kind) {
    switch (kind) {
    case KindStartNo:
    case KindResult:
        return kDailyCentre;
    case KindNet:
    case KindGross:
        return kDailyRight;
    default:
        return kDailyLeft;
    }
}

std::string JoinFields(const std::vector<std::string> &fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += '\t';
        line += fields[i];
    }
    return line;
}

} // namespace

bool ExtraFieldsShown(const ClubRec &club) {
    return (club.ViewFlags & (ViewExtra1 | ViewExtra2 | ViewExtra3)) != 0;
}

DailyExportChoices OpenDailyExportChoices(const Competition &comp, const TKlasse &klasse,
                                          const DailyExportMemory &memory) {
    DailyExportChoices choices;
    const bool extraEnabled = ExtraFieldsShown(comp.Club);
    if (memory.Valid) {
        choices = memory.Choices;
        choices.Extra = choices.Extra && extraEnabled;
    } else if (!comp.Print.FontName.empty()) {
        choices.FontName = comp.Print.FontName.str();
        choices.FontStyle = comp.Print.FontStyle;
        choices.FontColor = comp.Print.FontColor;
        choices.FontSize = 11;
    } else {
        choices.FontName = klasse.Grid.Font.Name;
        choices.FontStyle = klasse.Grid.Font.Style;
        choices.FontColor = 0;
        choices.FontSize = 11;
    }
    choices.ExtraEnabled = extraEnabled;
    return choices;
}

void StoreDailyExportChoices(const DailyExportChoices &choices, DailyExportMemory &memory) {
    memory.Valid = true;
    memory.Choices = choices;
    if (memory.Choices.FontName.size() > kDailyFontNameMemory)
        memory.Choices.FontName.resize(kDailyFontNameMemory);
}

std::string ExportTitle(const ClubRec &club, const TKlasse &klasse) {
    return ClassCaption(club, klasse);
}

std::string ResultInfoLine(const ClubRec &club, const TKlasse &klasse, const DailyTable &table) {
    std::string line = "Info uitslag";
    const bool showYear = (club.ViewFlags & ViewShowYear) != 0;
    int coveredTo = 0; // the later columns of a block already told
    for (const DailyColumn &column : table.Columns) {
        if (column.Kind != KindResult || column.Number <= coveredTo)
            continue;
        const TColData *data = klasse.ColData(klasse.ResultColumn(column.Number));
        if (!data || !data->Info || data->Kind != KindResult)
            continue;
        line += ", " + ResultInfoText(*data->Info, showYear, "+", ": ");
        coveredTo = std::max(coveredTo, data->Info->ToCol);
    }
    return line;
}

int LastRowWithPoints(const ClubRec &club, const TKlasse &klasse, const DailyTable &table) {
    for (int r = table.RowCount() - 1; r >= 1; --r) {
        const TRijder *rider = table.Rider(klasse, r);
        if (rider &&
            (!CellText(club, *rider, KindNet, 1).empty() || !CellText(club, *rider, KindGross, 1).empty()))
            return r;
    }
    return 0;
}

int DailyRowsWritten(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                     const DailyExportChoices &choices) {
    return choices.AllRiders ? table.RowCount() - 1 : LastRowWithPoints(club, klasse, table);
}

std::vector<DailyExportColumn> DailyExportColumns(const ClubRec &club, const DailyTable &table,
                                                  const DailyExportChoices &choices) {
    std::vector<DailyExportColumn> columns;
    auto add = [&](int kind, int gridCol, int number, std::string heading) {
        const int headingAlign = kind == KindResult ? kDailyCentre : kDailyLeft;
        columns.push_back(
            DailyExportColumn{kind, gridCol, number, std::move(heading), headingAlign, RowAlignment(kind)});
    };
    for (int col = 0; col < table.ColCount(); ++col) {
        const DailyColumn &column = table.Columns[static_cast<std::size_t>(col)];
        if (col == kDailyFixedCols && choices.WithExtra())
            for (const ExtraField &field : kExtraFields)
                if (club.ViewFlags & field.ViewBit)
                    add(field.Kind, 0, 0, (club.*field.Label).str());
        if (col == 0) {
            add(KindRowNumber, 0, 0, column.Heading);
            continue;
        }
        if ((column.Kind == KindStartNo && !choices.StartNo) ||
            (column.Kind == KindGross && !choices.Replacement))
            continue;
        add(column.Kind, col, column.Number, column.Heading);
    }
    return columns;
}

std::string DailyCellText(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                          const DailyExportColumn &column, int r) {
    const TRijder *rider = table.Rider(klasse, r);
    if (!rider)
        return {};
    if (column.Kind == KindRowNumber)
        return IntText(r);
    return CellText(club, *rider, column.Kind, column.Kind == KindResult ? column.Number : 1);
}

std::string DailyHeaderLine(const ClubRec &club, const DailyTable &table, const DailyExportChoices &choices) {
    std::vector<std::string> fields;
    for (const DailyExportColumn &column : DailyExportColumns(club, table, choices))
        fields.push_back(column.Heading);
    return JoinFields(fields);
}

std::string DailyRowLine(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                         const DailyExportChoices &choices, int r) {
    std::vector<std::string> fields;
    for (const DailyExportColumn &column : DailyExportColumns(club, table, choices))
        fields.push_back(DailyCellText(club, klasse, table, column, r));
    return JoinFields(fields);
}

std::vector<std::string> DailyTextLines(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                                        const DailyExportChoices &choices) {
    std::vector<std::string> lines;
    lines.push_back(ExportTitle(club, klasse));
    if (choices.Info)
        lines.push_back(ResultInfoLine(club, klasse, table));
    lines.push_back(DailyHeaderLine(club, table, choices));
    const int rows = DailyRowsWritten(club, klasse, table, choices);
    for (int r = 1; r <= rows; ++r)
        lines.push_back(DailyRowLine(club, klasse, table, choices, r));
    return lines;
}

std::string DailyClipboardText(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                               const DailyExportChoices &choices) {
    std::string text;
    for (const std::string &line : DailyTextLines(club, klasse, table, choices)) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

std::string WriteDailyCell(std::string_view text, int alignment) {
    return WriteHtmlCell(alignment, 0, HtmlEscape(text));
}

std::string DailyTextFile(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                          const DailyExportChoices &choices) {
    std::string out;
    for (const std::string &line : DailyTextLines(club, klasse, table, choices))
        Line(out, line);
    return out;
}

std::string DailyHtmlFile(const ClubRec &club, const TKlasse &klasse, const DailyTable &table,
                          const DailyExportChoices &choices) {
    const std::string title = HtmlEscape(ExportTitle(club, klasse));
    std::string out;
    Line(out, "<html>");
    Line(out, "<head>");
    Line(out, "<title>" + title + " dagklassement</title>");
    Line(out, "<META name=\"generator\" content=\"Rondaxa voor Windows\">");
    Line(out, "</head>");
    Line(out, "\r\n<body>");
    if (choices.Info) {
        Line(out, "<p>Dagklassement: " + title + "<br>");
        Line(out, HtmlEscape(ResultInfoLine(club, klasse, table)) + "</p>");
    } else {
        Line(out, "<p>Dagklassement: " + title + "</p>");
    }
    Line(out, "<table border=1 cellspacing=0 cellpadding=2>");
    Line(out, "<tr bgcolor=\"silver\">");
    const std::vector<DailyExportColumn> columns = DailyExportColumns(club, table, choices);
    for (const DailyExportColumn &column : columns)
        Line(out, WriteDailyCell(column.Heading, column.HeadingAlign));
    Line(out, "</tr>");
    const int rows = DailyRowsWritten(club, klasse, table, choices);
    for (int r = 1; r <= rows; ++r) {
        Line(out, "<tr>");
        for (const DailyExportColumn &column : columns)
            Line(out, WriteDailyCell(DailyCellText(club, klasse, table, column, r), column.RowAlign));
        Line(out, "</tr>");
    }
    Line(out, "</table>");
    Line(out, "</body>");
    Line(out, "</html>");
    return out;
}

void WriteDailyFile(const std::string &path, const std::string &bytes) {
    SafeWrite(path, bytes);
}

} // namespace rondaxa
