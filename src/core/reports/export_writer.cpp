#include "core/reports/export_writer.h"

#include "core/model/class_grid.h"
#include "core/reports/html_cells.h"
#include "core/scoring/standings.h"

#include <algorithm>
#include <map>
#include <optional>

namespace rondaxa {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool ColumnIncluded(const TKlasse &klasse, const ExportChoices &choices, int kind) {
    const bool averages = klasse.CalcState == 3;
    switch (kind) {
    case KindRowNumber:
    case KindName:
    case KindExtra1:
    case KindExtra2:
    case KindExtra3:
        return true;
    case KindStartNo:
        return choices.StartNo;
    case KindResult:
        return choices.Results;
    case KindNet:
        return averages ? choices.Count : choices.Net;
    case KindGross:
    case KindDailyGross:
        return averages ? choices.Total : choices.Gross;
    case KindAverage:
        return choices.Average;
    default:
        return false;
    }
}

int HtmlAlignment(int kind) {
    switch (kind) {
    case KindStartNo:
    case KindResult:
        return kCellCentre;
    case KindNet:
    case KindGross:
    case KindAverage:
    case KindDailyGross:
        return kCellRight;
    default:
        return 0;
    }
}

std::string HeadingLine(const ClubRec &club, const TKlasse &klasse, const ExportChoices &choices) {
    std::string line;
    if (choices.ClubName)
        line = club.ClubName.str();
    if (choices.ClassName) {
        if (!line.empty())
            line += " - ";
        line += klasse.Name.str();
    }
    return line;
}

std::string DescriptionLine(const ClubRec &club, TKlasse &klasse) {
    const std::string sentence = StandingsDescription(club, klasse);
    return sentence.empty() ? sentence : ExpandPlaceholders(sentence, club, klasse);
}

// The stored values whose cells are made once per export: no result (-1)
// up to the highest result carrying the drop mark. Anything else a damaged
// file may hold is made afresh each time.
constexpr int kLowestKeptValue = kNoResult;
constexpr int kHighestKeptValue = kDropMark + kMaxResultValue;
constexpr std::size_t kKeptValues = kHighestKeptValue - kLowestKeptValue + 1;

// The index of a rider's result among the kept ones; kKeptValues for one
// that is not kept.
std::size_t KeptIndex(const TRijder *rider, int number) {
    if (!rider || number < 1 || number > kMaxResults)
        return kKeptValues;
    const int stored = rider->Results[static_cast<std::size_t>(number)];
    return std::min(static_cast<std::size_t>(static_cast<unsigned>(stored - kLowestKeptValue)), kKeptValues);
}

// Texts by stored value (kKeptValues of them), each made when first asked for.
using KeptTexts = std::vector<std::optional<std::string>>;

class ExportWriter {
public:
    ExportWriter(Competition &comp, const ExportChoices &choices, std::size_t blockRoom, ExportSink sink)
        : comp_(comp), club_(comp.Club), choices_(choices), blockRoom_(blockRoom), sink_(std::move(sink)) {
        out_.reserve(blockRoom);
    }

    void Run() {
        const bool html = choices_.FileType == ExportFileType::Html;
        if (html)
            WriteFrameStart();
        for (int i = 0; i < comp_.ClassCount(); ++i) {
            if (!Chosen(i))
                continue;
            TKlasse &klasse = *comp_.Classes[static_cast<std::size_t>(i)];
            if (html)
                WriteClassHtml(klasse);
            else
                WriteClassText(klasse);
        }
        if (html) {
            Line("</body>");
            Line("</html>");
        }
        HandOn();
    }

private:
    bool Chosen(int i) const {
        switch (choices_.Classes) {
        case ExportClassChoice::All:
            return true;
        case ExportClassChoice::Selection:
            return static_cast<std::size_t>(i) < choices_.Selected.size() &&
                   choices_.Selected[static_cast<std::size_t>(i)];
        default:
            return i == comp_.ActiveClass;
        }
    }

    // What is written gathers in out_ and is handed on each time a block is full.
    void Put(std::string_view text) {
        out_ += text;
        if (out_.size() >= blockRoom_)
            HandOn();
    }

    void HandOn() {
        if (!out_.empty())
            sink_(out_);
        out_.clear();
    }

    void Line(std::string_view text) {
        Put(text);
        Put(kLineEnd);
    }

    // ---- text ----

    std::string Separator() const {
        switch (choices_.Separator) {
        case ExportSeparator::Character:
            return choices_.SeparatorText;
        case ExportSeparator::Semicolon:
            return ";";
        default:
            return "\t";
        }
    }

    // A field of a text row comes after the separator, unless nothing with
    // text came before it on the line.
    void Field(std::string_view field) {
        if (lineHasText_ && !eachFieldOnALine_)
            Put(separator_);
        Put(field);
        lineHasText_ = lineHasText_ || !field.empty();
    }

    void EndLine() {
        Put(kLineEnd);
        lineHasText_ = false;
    }

    // A column of the text rows, worked out once per class.
    struct TextColumn {
        int Col = 0;
        int Kind = 0;
        int Number = 0;
        bool Included = false;
    };

    std::vector<TextColumn> TextColumns(const TKlasse &klasse) const {
        std::vector<TextColumn> columns;
        for (int col = 0; col < klasse.Grid.ColCount(); ++col) {
            const TColData *data = klasse.ColData(col);
            const int kind = data ? data->Kind : -1;
            columns.push_back({col, kind, data ? data->Number : 0, ColumnIncluded(klasse, choices_, kind)});
        }
        return columns;
    }

    // The text of a cell of a text row (row 0: the heading).
    std::string_view TextOf(const TKlasse &klasse, const TextColumn &column, int row) {
        const ClassGrid &grid = klasse.Grid;
        if (row == 0)
            return grid.Col(column.Col).Heading;
        if (column.Kind == KindRowNumber)
            return grid.RowAt(row).Label;
        const TRijder *rider = grid.Rider(row);
        if (column.Kind == KindResult)
            return ResultText(rider, column.Number);
        if (!rider)
            return {};
        scratch_ = CellText(club_, *rider, column.Kind, 0);
        return scratch_;
    }

    // The text of a rider's result. It depends only on the stored value while
    // the export runs (the display settings stay as they are), so the text of
    // each value is made once.
    const std::string &ResultText(const TRijder *rider, int number) {
        const std::size_t index = KeptIndex(rider, number);
        if (index == kKeptValues) {
            scratch_ = ResultCellText(club_, rider, choices_, number);
            return scratch_;
        }
        std::optional<std::string> &made = resultTexts_[index];
        if (!made)
            made = ResultCellText(club_, rider, choices_, number);
        return *made;
    }

    void WriteTextRow(const TKlasse &klasse, const std::vector<TextColumn> &columns, int row) {
        const bool join = choices_.JoinResults && choices_.Results;
        bool joinPending = true;
        for (const TextColumn &column : columns) {
            bool writeLine = true;
            if (column.Included) {
                if (column.Kind == KindResult && join) {
                    if (joinPending)
                        Field(JoinResults(club_, klasse, choices_, row));
                    else
                        writeLine = false;
                    joinPending = false;
                } else {
                    Field(TextOf(klasse, column, row));
                }
            }
            if (eachFieldOnALine_ && writeLine)
                EndLine();
        }
        if (!eachFieldOnALine_)
            EndLine();
    }

    void WriteClassText(TKlasse &klasse) {
        if (const std::string heading = HeadingLine(club_, klasse, choices_); !heading.empty())
            Line(heading);
        if (const std::string description = DescriptionLine(club_, klasse); !description.empty())
            Line(description);
        const std::vector<TextColumn> columns = TextColumns(klasse);
        for (int row = 0; row < klasse.Grid.RowCount(); ++row)
            WriteTextRow(klasse, columns, row);
        if (choices_.Info) {
            Line("Informatie uitslagen:");
            for (const std::string &line : ResultInfoLines(club_, klasse))
                Line(line);
        }
        Line("");
    }

    // ---- HTML ----

    void WriteFrameStart() {
        Line("<html>");
        Line("<head>");
        Line(kHtmlCharsetLine);
        Line("<title>" + HtmlEscape(club_.ClubName.str()) + " wedstrijduitslagen</title>");
        Line("<META name=\"generator\" content=\"Rondaxa voor Windows\">");
        Line("</head>");
        Line("\r\n<body>");
    }

    // One cell line of the table, text escaped.
    void Cell(int flags, const std::string &tagStart, std::string_view text) {
        AppendHtmlCell(out_, flags, tagStart, text, true);
        Put(kLineEnd);
    }

    // An included column of the table, worked out once per class: its
    // cells' alignment and tags (a result's own colour, and the colour of a
    // dropped result).
    struct HtmlColumn {
        int Col = 0;
        int Kind = 0;
        int Number = 0;
        int Flags = 0;
        std::string Tag;
        std::string DroppedTag;
        KeptTexts *ResultLines = nullptr; // of a result column: shared by the columns of the same tags
    };

    std::vector<HtmlColumn> HtmlColumns(const TKlasse &klasse) {
        std::vector<HtmlColumn> columns;
        const bool infoColours = !(club_.ViewFlags & ViewNoInfoColours) && choices_.Info;
        const bool markColour = !(club_.ViewFlags & ViewNoMarkColour);
        for (int col = 0; col < klasse.Grid.ColCount(); ++col) {
            const int kind = KindOf(klasse, col);
            if (!ColumnIncluded(klasse, choices_, kind))
                continue;
            const TColData &data = *klasse.ColData(col);
            HtmlColumn column{col, kind, data.Number, HtmlAlignment(kind), CellTagStart(0), {}};
            if (kind == KindResult && infoColours && data.Color != kClWindow)
                column.Tag = CellTagStart(data.Color);
            column.DroppedTag = markColour ? CellTagStart(club_.MarkColor) : column.Tag;
            if (kind == KindResult)
                column.ResultLines =
                    &resultLines_.try_emplace({column.Tag, column.DroppedTag}, kKeptValues).first->second;
            columns.push_back(std::move(column));
        }
        return columns;
    }

    std::string ResultLine(const HtmlColumn &column, const TRijder *rider) const {
        const bool dropped = rider && markDropped_ && IsDropped(*rider, column.Number);
        std::string line;
        AppendHtmlCell(line, dropped ? droppedFlags_ : kCellCentre, dropped ? column.DroppedTag : column.Tag,
                       ResultCellText(club_, rider, choices_, column.Number), true);
        line += kLineEnd;
        return line;
    }

    // A result cell. Its line depends only on the stored value while the
    // export runs (the display settings stay as they are), so the line of
    // each value is made once.
    void ResultCell(const HtmlColumn &column, const TRijder *rider) {
        const std::size_t index = KeptIndex(rider, column.Number);
        if (index == kKeptValues) {
            Put(ResultLine(column, rider));
            return;
        }
        std::optional<std::string> &made = (*column.ResultLines)[index];
        if (!made)
            made = ResultLine(column, rider);
        Put(*made);
    }

    void WriteHtmlRow(const TKlasse &klasse, const std::vector<HtmlColumn> &columns, int row) {
        const TRijder *rider = klasse.Rider(row);
        Put("<tr>\r\n");
        for (const HtmlColumn &column : columns) {
            if (column.Kind == KindResult)
                ResultCell(column, rider);
            else if (column.Kind == KindRowNumber)
                Cell(column.Flags, column.Tag, klasse.Grid.RowAt(row).Label);
            else
                Cell(column.Flags, column.Tag,
                     rider ? CellText(club_, *rider, column.Kind, 0) : std::string());
        }
        Put("</tr>\r\n");
    }

    void WriteClassHtml(TKlasse &klasse) {
        ColourInfoColumns(klasse, club_);
        const std::string heading = HeadingLine(club_, klasse, choices_);
        if (!heading.empty())
            Line("<p>" + HtmlEscape(heading) + "<br>");
        if (const std::string description = DescriptionLine(club_, klasse); !description.empty()) {
            if (!heading.empty())
                Line(HtmlEscape(description) + "<br>");
            else
                Line("<p>" + HtmlEscape(description) + "</p>");
        }
        const ClassGrid &grid = klasse.Grid;
        Line("<table border=1 cellspacing=0 cellpadding=2>");
        Line("<tr bgcolor=\"silver\">");
        const std::vector<HtmlColumn> columns = HtmlColumns(klasse);
        const std::string plainTag = CellTagStart(0);
        for (const HtmlColumn &column : columns)
            Cell(kCellCentre, plainTag, grid.Col(column.Col).Heading);
        Line("</tr>");
        for (int row = 1; row < grid.RowCount(); ++row)
            WriteHtmlRow(klasse, columns, row);
        Line("</table>");
        if (choices_.Info) {
            Line("<p>Informatie uitslagen:<br>");
            for (const std::string &line : ResultInfoLines(club_, klasse))
                Line(HtmlEscape(line) + "<br>");
        }
        Line("<p>&nbsp;</p>");
    }

    Competition &comp_;
    const ClubRec &club_;
    const ExportChoices &choices_;
    const bool markDropped_ = (club_.ViewFlags & ViewMarkDropped) != 0;
    const int droppedFlags_ = kCellCentre | ((club_.ViewFlags & ViewStrikeDropped) ? kCellStrike : 0);
    const bool eachFieldOnALine_ = choices_.Separator == ExportSeparator::NewLine;
    const std::string separator_ = Separator();
    bool lineHasText_ = false;
    std::string scratch_; // a text made for one field
    KeptTexts resultTexts_ = KeptTexts(kKeptValues);
    std::map<std::pair<std::string, std::string>, KeptTexts> resultLines_; // by a column's two tags
    const std::size_t blockRoom_;
    ExportSink sink_;
    std::string out_;
};

} // namespace

void WriteExport(Competition &comp, const ExportChoices &choices, std::size_t blockRoom, ExportSink sink) {
    ExportWriter(comp, choices, blockRoom, std::move(sink)).Run();
}

int KindOf(const TKlasse &klasse, int col) {
    const TColData *data = klasse.ColData(col);
    return data ? data->Kind : -1;
}

std::string ResultCellText(const ClubRec &club, const TRijder *rider, const ExportChoices &choices,
                           int number) {
    if (!rider)
        return {};
    std::string text = CellText(club, *rider, KindResult, number);
    if (text.empty() && choices.EmptyResult)
        text = choices.EmptyText;
    return text;
}

} // namespace rondaxa
