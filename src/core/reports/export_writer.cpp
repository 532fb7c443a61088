#include "core/reports/export_writer.h"

#include "core/model/class_grid.h"
#include "core/reports/html_cells.h"
#include "core/scoring/standings.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>

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

// A piece of markup made once and written often, held in room of a fixed
// size, so that writing it is one copy of a length known when compiling. A
// piece longer than the room (a cell with a long empty-result text) is held
// as a string.
template <std::size_t Room> struct PaddedText {
    static constexpr std::size_t kRoom = Room;

    PaddedText() = default;
    explicit PaddedText(std::string text) : Size(text.size()) {
        if (Size <= Room)
            std::copy(text.begin(), text.end(), Bytes.begin());
        else
            Long = std::move(text);
    }

    bool Fits() const { return Size <= Room; }

    std::array<char, Room> Bytes{};
    std::size_t Size = 0;
    std::string Long;
};

using CellLine = PaddedText<64>;  // a result cell, line end included
using Markup = PaddedText<32>;    // the markup around a text cell
using ShortText = PaddedText<16>; // a result or a separator of the text export

// Where the writer's text goes: pieces are gathered in a block of fixed room,
// and the block is handed on whole (appended to a string, written to a file)
// each time it fills up. The many small pieces of a table are so copied
// straight into place, without the bookkeeping of a growing string for each.
class BlockOutput {
public:
    using Sink = std::function<void(std::string_view)>;

    BlockOutput(std::size_t room, Sink sink)
        : block_(std::make_unique_for_overwrite<char[]>(room)), next_(block_.get()), end_(next_ + room),
          sink_(std::move(sink)) {}

    void Put(std::string_view text) {
        if (text.empty()) // an empty view may point nowhere
            return;
        if (text.size() <= Free()) {
            std::memcpy(next_, text.data(), text.size());
            next_ += text.size();
        } else {
            PutAcrossBlocks(text);
        }
    }

    void Put(char ch) {
        MakeRoom(1);
        *next_++ = ch;
    }

    // Copies all of the room at once, of which only Size bytes count: the
    // rest is overwritten by what follows or never handed on.
    template <std::size_t Room> void Put(const PaddedText<Room> &text) {
        if (!text.Fits()) {
            Put(text.Long);
            return;
        }
        MakeRoom(Room);
        std::memcpy(next_, text.Bytes.data(), Room);
        next_ += text.Size;
    }

    void PutEscaped(std::string_view text) {
        if (!HasCharToEscape(text)) {
            Put(text);
            return;
        }
        for (char ch : text) {
            if (const std::string_view escape = EscapeOf(ch); !escape.empty())
                Put(escape);
            else
                Put(ch);
        }
    }

    // For a writer of its own: room for n bytes (at most kMinRoom) and where
    // they go. Advance then tells where the writing stopped.
    char *Reserve(std::size_t n) {
        MakeRoom(n);
        return next_;
    }
    void Advance(char *to) { next_ = to; }

    // Hands on what the block holds and starts it afresh.
    void HandOn() {
        if (next_ != block_.get())
            sink_(std::string_view(block_.get(), static_cast<std::size_t>(next_ - block_.get())));
        next_ = block_.get();
    }

    static constexpr std::size_t kMinRoom = 4096;

private:
    std::size_t Free() const { return static_cast<std::size_t>(end_ - next_); }

    // n must not exceed kMinRoom.
    void MakeRoom(std::size_t n) {
        if (Free() < n)
            HandOn();
    }

    void PutAcrossBlocks(std::string_view text) {
        while (!text.empty()) {
            if (Free() == 0)
                HandOn();
            const std::size_t part = std::min(text.size(), Free());
            std::memcpy(next_, text.data(), part);
            next_ += part;
            text.remove_prefix(part);
        }
    }

    std::unique_ptr<char[]> block_;
    char *next_;
    char *end_;
    Sink sink_;
};

static_assert(kExportStringBlock >= BlockOutput::kMinRoom && kExportFileBlock >= BlockOutput::kMinRoom);

// The result cells written through one reserve of room.
constexpr std::size_t kCellsPerReserve = BlockOutput::kMinRoom / CellLine::kRoom;

// The stored values a result column's cells are kept for: no result (-1) up
// to the highest result carrying the drop mark. Anything else a damaged file
// may hold is made afresh each time.
constexpr int kLowestKeptValue = kNoResult;
constexpr int kHighestKeptValue = kDropMark + kMaxResultValue;
constexpr std::size_t kKeptValues = kHighestKeptValue - kLowestKeptValue + 1;

// A stored value as an index of the kept cells; kKeptValues or more for a
// value that is not kept.
std::size_t KeptIndexOf(int stored) {
    return static_cast<std::size_t>(static_cast<unsigned>(stored - kLowestKeptValue));
}

class ExportWriter {
public:
    ExportWriter(Competition &comp, const ExportChoices &choices, std::size_t blockRoom,
                 BlockOutput::Sink sink)
        : comp_(comp), club_(comp.Club), choices_(choices), out_(blockRoom, std::move(sink)) {}

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
        out_.HandOn();
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

    void Line(std::string_view text) {
        out_.Put(text);
        out_.Put(kLineEnd);
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

    // A field of a text row comes after the separator, unless nothing with
    // text came before it on the line.
    void PutSeparatorIfDue() {
        if (lineHasText_ && !eachFieldOnALine_)
            out_.Put(separator_);
    }

    void Field(std::string_view field) {
        PutSeparatorIfDue();
        out_.Put(field);
        lineHasText_ = lineHasText_ || !field.empty();
    }

    void Field(const ShortText &field) {
        PutSeparatorIfDue();
        out_.Put(field);
        lineHasText_ = lineHasText_ || field.Size != 0;
    }

    // A result field: the separator when due and the text, copied whole
    // into room reserved for both.
    void ResultField(const ShortText &text) {
        if (!separator_.Fits() || !text.Fits()) [[unlikely]] {
            Field(text);
            return;
        }
        char *to = out_.Reserve(2 * ShortText::kRoom);
        if (lineHasText_ && !eachFieldOnALine_) {
            std::memcpy(to, separator_.Bytes.data(), ShortText::kRoom);
            to += separator_.Size;
        }
        std::memcpy(to, text.Bytes.data(), ShortText::kRoom);
        out_.Advance(to + text.Size);
        lineHasText_ = lineHasText_ || text.Size != 0;
    }

    void EndLine() {
        out_.Put(kLineEnd);
        lineHasText_ = false;
    }

    // The text of a rider's result. It depends only on the stored value while
    // the export runs (the display settings stay as they are), so the text of
    // each value is made once.
    const ShortText &ResultText(const TRijder *rider, int number) {
        if (!rider)
            return noText_;
        const std::size_t index = number >= 1 && number <= kMaxResults
                                      ? KeptIndexOf(rider->Results[static_cast<std::size_t>(number)])
                                      : kKeptValues;
        if (index >= kKeptValues) {
            unkeptText_ = ShortText(ResultCellText(club_, rider, choices_, number));
            return unkeptText_;
        }
        std::unique_ptr<ShortText> &made = resultTexts_[index];
        if (!made) [[unlikely]]
            made = std::make_unique<ShortText>(ResultCellText(club_, rider, choices_, number));
        return *made;
    }

    // The text of a cell other than a rider's result (row 0: the heading).
    std::string_view TextOf(const TKlasse &klasse, const TextColumn &column, const TRijder *rider, int row) {
        const ClassGrid &grid = klasse.Grid;
        if (row == 0)
            return grid.Col(column.Col).Heading;
        if (column.Kind == KindRowNumber)
            return grid.RowAt(row).Label;
        if (!rider)
            return {};
        scratch_ = CellText(club_, *rider, column.Kind, 0);
        return scratch_;
    }

    void WriteTextRow(const TKlasse &klasse, const std::vector<TextColumn> &columns, int row) {
        const bool join = choices_.JoinResults && choices_.Results;
        bool joinPending = true;
        const TRijder *rider = row > 0 ? klasse.Grid.Rider(row) : nullptr;
        for (const TextColumn &column : columns) {
            bool writeLine = true;
            if (column.Included) {
                if (column.Kind == KindResult && join) {
                    if (joinPending)
                        Field(JoinResults(club_, klasse, choices_, row));
                    else
                        writeLine = false;
                    joinPending = false;
                } else if (column.Kind == KindResult && row > 0) {
                    ResultField(ResultText(rider, column.Number));
                } else {
                    Field(TextOf(klasse, column, rider, row));
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
        std::string line;
        AppendHtmlCell(line, flags, tagStart, text, true);
        Line(line);
    }

    const std::string &TagStart(uint32_t colour) {
        auto found = tagStarts_.find(colour);
        if (found == tagStarts_.end())
            found = tagStarts_.emplace(colour, CellTagStart(colour)).first;
        return found->second;
    }

    // The cells of a column that shows competition text, without colour: the
    // markup before and after a text, and the whole line of an empty cell.
    // All three are cut from cells AppendHtmlCell makes, so that it alone
    // knows how a cell is written.
    struct TextCells {
        Markup Open;
        Markup Close;
        Markup Empty;
    };

    static TextCells MakeTextCells(int flags, const std::string &tagStart) {
        constexpr char kStandIn = '\x01'; // stands for the text while the markup is cut out
        std::string line;
        AppendHtmlCell(line, flags, tagStart, std::string_view(&kStandIn, 1), false);
        const std::size_t at = line.find(kStandIn);
        std::string empty;
        AppendHtmlCell(empty, flags, tagStart, {}, false);
        return TextCells{Markup(line.substr(0, at)), Markup(line.substr(at + 1) + std::string(kLineEnd)),
                         Markup(empty + std::string(kLineEnd))};
    }

    const TextCells &TextCellsFor(int align) {
        auto found = textCells_.find(align);
        if (found == textCells_.end())
            found = textCells_.emplace(align, MakeTextCells(align, TagStart(0))).first;
        return found->second;
    }

    void TextCell(const TextCells &cells, std::string_view text) {
        if (ShownAsEmptyCell(text)) {
            out_.Put(cells.Empty);
            return;
        }
        out_.Put(cells.Open);
        out_.PutEscaped(text);
        out_.Put(cells.Close);
    }

    // The result cells of the columns with one colour (and one colour for a
    // dropped result), by stored value. A cell depends only on the stored
    // value while the export runs (the display settings stay as they are),
    // so each cell line is made once and then copied.
    struct ResultCells {
        const std::string *PlainTag = nullptr;
        const std::string *DroppedTag = nullptr;
        std::unique_ptr<CellLine> NoRider;
        // By stored value - kLowestKeptValue: every line made so far, and
        // those of them that fit their room (copied without a look at their
        // size).
        std::array<std::unique_ptr<CellLine>, kKeptValues> Made;
        std::array<const CellLine *, kKeptValues> Fitting{};
    };

    ResultCells &ResultCellsFor(const std::string &plainTag, const std::string &droppedTag) {
        for (auto &cells : resultCells_)
            if (cells->PlainTag == &plainTag && cells->DroppedTag == &droppedTag)
                return *cells;
        auto cells = std::make_unique<ResultCells>();
        cells->PlainTag = &plainTag;
        cells->DroppedTag = &droppedTag;
        cells->NoRider = std::make_unique<CellLine>(ResultLine(plainTag, kCellCentre, std::string()));
        resultCells_.push_back(std::move(cells));
        return *resultCells_.back();
    }

    static std::string ResultLine(const std::string &tag, int flags, const std::string &escapedText) {
        std::string line;
        AppendHtmlCell(line, flags, tag, escapedText, false);
        line += kLineEnd;
        return line;
    }

    // An included column of the table, worked out once per class.
    struct HtmlColumn {
        int Col = 0;
        int Kind = 0;
        int Number = 0;
        const TextCells *Text = nullptr; // columns of competition text
        ResultCells *Results = nullptr;  // result columns
        bool KeepsResultLines = false;   // a valid result number: its cells are kept
        int KeptRun = 0; // columns that keep their cells: how many such columns follow from here
    };

    // The cell line of a result of a rider, made from the rider.
    std::string MakeResultLine(const ResultCells &cells, const TRijder &rider, int number) const {
        const bool dropped = markDropped_ && IsDropped(rider, number);
        const std::string text = HtmlEscape(ResultCellText(club_, &rider, choices_, number));
        return dropped ? ResultLine(*cells.DroppedTag, droppedFlags_, text)
                       : ResultLine(*cells.PlainTag, kCellCentre, text);
    }

    const CellLine &UnkeptResultLine(const TRijder &rider, const HtmlColumn &column) {
        unkept_ = std::make_unique<CellLine>(MakeResultLine(*column.Results, rider, column.Number));
        return *unkept_;
    }

    static std::size_t KeptIndex(const TRijder &rider, const HtmlColumn &column) {
        return KeptIndexOf(rider.Results[static_cast<std::size_t>(column.Number)]);
    }

    // The cell of a column that keeps its cells, where no fitting line is
    // kept yet: made now, too long to be copied in one piece, or of a value
    // that is not kept.
    const CellLine &OtherResultLine(const TRijder &rider, const HtmlColumn &column, std::size_t index) {
        if (index >= kKeptValues)
            return UnkeptResultLine(rider, column);
        ResultCells &cells = *column.Results;
        std::unique_ptr<CellLine> &made = cells.Made[index];
        if (!made) {
            made = std::make_unique<CellLine>(MakeResultLine(cells, rider, column.Number));
            if (made->Fits())
                cells.Fitting[index] = made.get();
        }
        return *made;
    }

    // A result cell of a column that does not keep its cells.
    void WriteUnkeptResultCell(const TRijder *rider, const HtmlColumn &column) {
        out_.Put(rider ? UnkeptResultLine(*rider, column) : *column.Results->NoRider);
    }

    // The cells of a rider's consecutive result columns that keep their
    // cells. The cells are copied whole into room reserved for many at once.
    void WriteKeptResultCells(const TRijder *rider, const HtmlColumn *column, const HtmlColumn *end) {
        if (!rider) { // a row without a rider: empty cells
            for (; column != end; ++column)
                out_.Put(*column->Results->NoRider);
            return;
        }
        while (column != end) {
            const HtmlColumn *stop = column + std::min<std::ptrdiff_t>(end - column, kCellsPerReserve);
            char *to = out_.Reserve(static_cast<std::size_t>(stop - column) * CellLine::kRoom);
            for (; column != stop; ++column) {
                const std::size_t index = KeptIndex(*rider, *column);
                const CellLine *line = index < kKeptValues ? column->Results->Fitting[index] : nullptr;
                if (!line) [[unlikely]] {
                    out_.Advance(to);
                    out_.Put(OtherResultLine(*rider, *column, index));
                    to = out_.Reserve(static_cast<std::size_t>(stop - column) * CellLine::kRoom);
                    continue;
                }
                std::memcpy(to, line->Bytes.data(), CellLine::kRoom);
                to += line->Size;
            }
            out_.Advance(to);
        }
    }

    std::vector<HtmlColumn> HtmlColumns(const TKlasse &klasse) {
        std::vector<HtmlColumn> columns;
        const bool infoColours = !(club_.ViewFlags & ViewNoInfoColours) && choices_.Info;
        const bool markColour = !(club_.ViewFlags & ViewNoMarkColour);
        for (int col = 0; col < klasse.Grid.ColCount(); ++col) {
            const int kind = KindOf(klasse, col);
            if (!ColumnIncluded(klasse, choices_, kind))
                continue;
            const TColData &data = *klasse.ColData(col);
            HtmlColumn column{col, kind, data.Number};
            if (kind == KindResult) {
                const std::string &tag = TagStart(infoColours && data.Color != kClWindow ? data.Color : 0);
                column.Results = &ResultCellsFor(tag, markColour ? TagStart(club_.MarkColor) : tag);
                column.KeepsResultLines = data.Number >= 1 && data.Number <= kMaxResults;
            } else {
                column.Text = &TextCellsFor(HtmlAlignment(kind));
            }
            columns.push_back(column);
        }
        for (std::size_t i = columns.size(); i-- > 0;)
            if (columns[i].KeepsResultLines)
                columns[i].KeptRun = 1 + (i + 1 < columns.size() ? columns[i + 1].KeptRun : 0);
        return columns;
    }

    void WriteHtmlRow(const TKlasse &klasse, const std::vector<HtmlColumn> &columns, int row) {
        const TRijder *rider = klasse.Rider(row);
        out_.Put("<tr>\r\n");
        for (const HtmlColumn *column = columns.data(), *end = column + columns.size(); column != end;) {
            if (column->KeptRun > 0) {
                WriteKeptResultCells(rider, column, column + column->KeptRun);
                column += column->KeptRun;
                continue;
            }
            if (column->Results)
                WriteUnkeptResultCell(rider, *column);
            else if (column->Kind == KindRowNumber)
                TextCell(*column->Text, klasse.Grid.RowAt(row).Label);
            else
                TextCell(*column->Text, rider ? CellText(club_, *rider, column->Kind, 0) : std::string());
            ++column;
        }
        out_.Put("</tr>\r\n");
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
        for (const HtmlColumn &column : columns)
            Cell(kCellCentre, TagStart(0), grid.Col(column.Col).Heading);
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
    const ShortText separator_{Separator()};
    bool lineHasText_ = false;
    std::vector<std::unique_ptr<ShortText>> resultTexts_ =
        std::vector<std::unique_ptr<ShortText>>(kKeptValues);
    const ShortText noText_;
    ShortText unkeptText_; // the text of the last result of a value that is not kept
    std::string scratch_;  // a text made for one field
    BlockOutput out_;
    std::map<uint32_t, std::string> tagStarts_;
    std::map<int, TextCells> textCells_;
    std::vector<std::unique_ptr<ResultCells>> resultCells_;
    std::unique_ptr<CellLine> unkept_; // the last cell of a value that is not kept
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
