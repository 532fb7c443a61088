#include "core/reports/text_export.h"

#include "core/model/class_grid.h"

#include "core/model/dates.h"
#include "core/platform/platform.h"
#include "core/scoring/standings.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace rondaxa {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The standard values (0x00BBGGRR) of the system colours 0..30.
constexpr std::array<uint32_t, 31> kSystemColours = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933, 0xF0F0F0};

// The export's two display bits, set for the duration of the export.
class OptionsOverride : public DisplayOptionsOverride {
public:
    OptionsOverride(ClubRec &club, const ExportChoices &choices)
        : DisplayOptionsOverride(club, choices.SwapNames, choices.ZeroEmpty) {}
};

int KindOf(const TKlasse &klasse, int col) {
    const TColData *data = klasse.ColData(col);
    return data ? data->Kind : -1;
}

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

// A result cell's text: CellText, or the empty-result text in its place.
std::string ResultCellText(const ClubRec &club, const TRijder *rider, const ExportChoices &choices,
                           int number) {
    if (!rider)
        return {};
    std::string text = CellText(club, *rider, KindResult, number);
    if (text.empty() && choices.EmptyResult)
        text = choices.EmptyText;
    return text;
}

// The text of the cell in column col of row (row 0: the heading).
std::string CellOf(const ClubRec &club, const TKlasse &klasse, const ExportChoices &choices, int col,
                   int row) {
    const ClassGrid &grid = klasse.Grid;
    if (row == 0)
        return grid.Col(col).Heading;
    const int kind = KindOf(klasse, col);
    if (kind == KindRowNumber)
        return grid.RowAt(row).Label;
    const TRijder *rider = grid.Rider(row);
    if (kind == KindResult)
        return ResultCellText(club, rider, choices, klasse.ColData(col)->Number);
    return rider ? CellText(club, *rider, kind, 0) : std::string();
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

std::string CellTagStart(uint32_t colour) {
    if (colour == 0)
        return "<td";
    return "<td bgcolor=\"#" + ColorToHtml(colour) + "\";";
}

bool NeedsEscape(char ch) {
    return ch == '&' || ch == '<' || ch == '>' || ch == '"';
}

void AppendEscaped(std::string &out, std::string_view text) {
    for (char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
}

// Appends literal text of a size known when compiling.
template <std::size_t N> void AppendLiteral(std::string &out, const char (&text)[N]) {
    out.append(text, N - 1);
}

// One cell line without its line end; text escaped when asked.
void AppendHtmlCell(std::string &out, int flags, std::string_view tagStart, std::string_view text,
                    bool escape) {
    out += tagStart;
    if (text.empty() || text == " ") {
        AppendLiteral(out, ">&nbsp</td>");
        return;
    }
    const int align = flags & 0x0F;
    if (align == kCellCentre)
        AppendLiteral(out, " align=center>");
    else if (align == kCellRight)
        AppendLiteral(out, " align=right>");
    else
        out += '>';
    const bool strike = (flags & kCellStrike) != 0;
    if (strike)
        AppendLiteral(out, "<s>");
    if (escape && std::any_of(text.begin(), text.end(), [](char ch) { return NeedsEscape(ch); }))
        AppendEscaped(out, text);
    else
        out += text;
    if (strike)
        AppendLiteral(out, "</s></td>");
    else
        AppendLiteral(out, "</td>");
}

class ExportWriter {
public:
    // Hands the text written so far to its destination (and empties it).
    using Flush = std::function<void(std::string &)>;

    ExportWriter(Competition &comp, const ExportChoices &choices, std::string &out, Flush flush = {})
        : comp_(comp), club_(comp.Club), choices_(choices), out_(out), flush_(std::move(flush)) {}

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
            FlushOut();
        }
        if (html) {
            Line("</body>");
            Line("</html>");
        }
        FlushOut();
    }

private:
    void FlushOut() {
        if (flush_) {
            flush_(out_);
            out_.clear();
        }
    }

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
        out_ += text;
        out_ += kLineEnd;
    }

    // ---- text ----

    bool EachFieldOnALine() const { return choices_.Separator == ExportSeparator::NewLine; }

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

    void AppendField(std::string &line, std::string_view field) const {
        if (!line.empty() && !EachFieldOnALine()) {
            line += separator_;
            line += field;
        } else {
            line = field;
        }
    }

    void WriteTextRow(const TKlasse &klasse, int row) {
        const bool join = choices_.JoinResults && choices_.Results;
        bool joinPending = true;
        std::string line;
        for (int col = 0; col < klasse.Grid.ColCount(); ++col) {
            const int kind = KindOf(klasse, col);
            bool writeLine = true;
            if (ColumnIncluded(klasse, choices_, kind)) {
                if (kind == KindResult && join) {
                    if (joinPending)
                        AppendField(line, JoinResults(club_, klasse, choices_, row));
                    else
                        writeLine = false;
                    joinPending = false;
                } else {
                    AppendField(line, CellOf(club_, klasse, choices_, col, row));
                }
            }
            if (EachFieldOnALine() && writeLine) {
                Line(line);
                line.clear();
            }
        }
        if (!EachFieldOnALine())
            Line(line);
    }

    void WriteClassText(TKlasse &klasse) {
        separator_ = Separator();
        if (const std::string heading = HeadingLine(club_, klasse, choices_); !heading.empty())
            Line(heading);
        if (const std::string description = DescriptionLine(club_, klasse); !description.empty())
            Line(description);
        for (int row = 0; row < klasse.Grid.RowCount(); ++row)
            WriteTextRow(klasse, row);
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
        Line("<title>" + HtmlEscape(club_.ClubName.str()) + " wedstrijduitslagen</title>");
        Line("<META name=\"generator\" content=\"Rondaxa voor Windows\">");
        Line("</head>");
        Line("\r\n<body>");
    }

    // One cell line of the table; text escaped when asked.
    void Cell(int flags, const std::string &tagStart, std::string_view text, bool escape = true) {
        AppendHtmlCell(out_, flags, tagStart, text, escape);
        out_ += kLineEnd;
    }

    const std::string &TagStart(uint32_t colour) {
        auto found = tagStarts_.find(colour);
        if (found == tagStarts_.end())
            found = tagStarts_.emplace(colour, CellTagStart(colour)).first;
        return found->second;
    }

    // The lines of the result cells with one tag start and flags, by result
    // (line end included). A line depends only on these and the result, and
    // the display settings stay as they are during the export, so each line
    // is made once.
    struct ResultLines {
        const std::string *Tag = nullptr;
        int Flags = 0;
        std::array<std::optional<std::string>, kMaxResultValue + 2> Lines; // by result + 1
    };

    static std::string MakeResultLine(const ResultLines &lines, const std::string &text) {
        std::string line;
        AppendHtmlCell(line, lines.Flags, *lines.Tag, text, false);
        line += kLineEnd;
        return line;
    }

    ResultLines *LinesFor(const std::string &tag, int flags) {
        for (auto &lines : resultLines_)
            if (lines->Tag == &tag && lines->Flags == flags)
                return lines.get();
        resultLines_.push_back(std::make_unique<ResultLines>());
        resultLines_.back()->Tag = &tag;
        resultLines_.back()->Flags = flags;
        return resultLines_.back().get();
    }

    void ResultCell(const TRijder *rider, int number, ResultLines &lines) {
        if (!rider) { // a row without a rider: an empty cell
            out_ += MakeResultLine(lines, std::string());
            return;
        }
        const int value = GetResult(*rider, number);
        if (value < -1 || value > kMaxResultValue) {
            out_ += MakeResultLine(lines, HtmlEscape(ResultCellText(club_, rider, choices_, number)));
            return;
        }
        std::optional<std::string> &line = lines.Lines[static_cast<std::size_t>(value + 1)];
        if (!line)
            line = MakeResultLine(lines, HtmlEscape(ResultCellText(club_, rider, choices_, number)));
        out_ += *line;
    }

    // An included column of the table, worked out once per class.
    struct HtmlColumn {
        int Col = 0;
        int Kind = 0;
        int Number = 0;
        int Align = 0;
        ResultLines *Plain = nullptr;   // result columns: a result as it is
        ResultLines *Dropped = nullptr; // result columns: a result marked dropped
    };

    std::vector<HtmlColumn> HtmlColumns(const TKlasse &klasse) {
        std::vector<HtmlColumn> columns;
        const bool infoColours = !(club_.ViewFlags & ViewNoInfoColours) && choices_.Info;
        const bool markColour = !(club_.ViewFlags & ViewNoMarkColour);
        const int droppedFlags = kCellCentre | ((club_.ViewFlags & ViewStrikeDropped) ? kCellStrike : 0);
        for (int col = 0; col < klasse.Grid.ColCount(); ++col) {
            const int kind = KindOf(klasse, col);
            if (!ColumnIncluded(klasse, choices_, kind))
                continue;
            const TColData &data = *klasse.ColData(col);
            HtmlColumn column{col, kind, data.Number, HtmlAlignment(kind)};
            if (kind == KindResult) {
                const std::string &tag = TagStart(infoColours && data.Color != kClWindow ? data.Color : 0);
                column.Plain = LinesFor(tag, kCellCentre);
                column.Dropped = LinesFor(markColour ? TagStart(club_.MarkColor) : tag, droppedFlags);
            }
            columns.push_back(column);
        }
        return columns;
    }

    void WriteHtmlRow(const TKlasse &klasse, const std::vector<HtmlColumn> &columns, int row) {
        const TRijder *rider = klasse.Rider(row);
        const bool markDropped = (club_.ViewFlags & ViewMarkDropped) != 0;
        const std::string &plainTag = TagStart(0);
        for (const HtmlColumn &column : columns) {
            if (column.Kind != KindResult) {
                Cell(column.Align, plainTag, CellOf(club_, klasse, choices_, column.Col, row));
                continue;
            }
            const bool dropped = rider && markDropped && IsDropped(*rider, column.Number);
            ResultCell(rider, column.Number, dropped ? *column.Dropped : *column.Plain);
        }
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
        for (int row = 1; row < grid.RowCount(); ++row) {
            Line("<tr>");
            WriteHtmlRow(klasse, columns, row);
            Line("</tr>");
        }
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
    std::string separator_;
    std::string &out_;
    Flush flush_;
    std::map<uint32_t, std::string> tagStarts_;
    std::vector<std::unique_ptr<ResultLines>> resultLines_;
};

} // namespace

DisplayOptionsOverride::DisplayOptionsOverride(ClubRec &club, bool swapNames, bool zeroEmpty)
    : club_(club), saved_(club.Options) {
    club.Options = swapNames ? (club.Options & ~OptNamesAsStored) : (club.Options | OptNamesAsStored);
    club.Options = zeroEmpty ? (club.Options | OptZeroAsEmpty) : (club.Options & ~OptZeroAsEmpty);
}

DisplayOptionsOverride::~DisplayOptionsOverride() {
    club_.Options = saved_;
}

CalcColumnBoxes AvailableCalcColumns(const Competition &comp) {
    int netGross = 0;
    bool averages = false;
    for (const auto &klasse : comp.Classes) {
        if (netGross != 2) {
            if (klasse->CalcState == 1) {
                const TColData *last = klasse->ColData(klasse->Grid.ColCount() - 1);
                netGross = last ? last->Kind : 0;
            } else if (klasse->CalcState == 2) {
                netGross = 2;
            }
        }
        if (klasse->CalcState == 3)
            averages = true;
    }
    CalcColumnBoxes boxes;
    boxes.Net = netGross == 2 || netGross == KindNet;
    boxes.Gross = netGross == 2 || netGross == KindGross || netGross == KindDailyGross;
    boxes.Total = boxes.Count = boxes.Average = averages;
    return boxes;
}

ExportChoices OpenExportChoices(const Competition &comp, const ExportMemory &memory) {
    ExportChoices choices;
    const CalcColumnBoxes enabled = AvailableCalcColumns(comp);
    if (memory.Valid)
        choices = memory.Choices;
    choices.Enabled = enabled;
    const ExportChoices &remembered = memory.Choices;
    choices.Net = enabled.Net && (!memory.Valid || remembered.Net);
    choices.Gross = enabled.Gross && (!memory.Valid || remembered.Gross);
    choices.Total = enabled.Total && (!memory.Valid || remembered.Total);
    choices.Count = enabled.Count && (!memory.Valid || remembered.Count);
    choices.Average = enabled.Average && (!memory.Valid || remembered.Average);
    if (!memory.Valid) {
        choices.SwapNames = !(comp.Club.Options & OptNamesAsStored);
        choices.ZeroEmpty = (comp.Club.Options & OptZeroAsEmpty) != 0;
    }
    choices.Selected.assign(static_cast<std::size_t>(comp.ClassCount()), false);
    return choices;
}

void StoreExportChoices(const ExportChoices &choices, ExportMemory &memory) {
    memory.Valid = true;
    memory.Choices = choices;
    memory.Choices.Selected.clear();
    for (std::string *text :
         {&memory.Choices.EmptyText, &memory.Choices.BetweenText, &memory.Choices.SeparatorText})
        if (text->size() > kExportTextMemory)
            text->resize(kExportTextMemory);
}

std::string ExportFileName(std::string_view chosen, ExportFileType type) {
    const std::size_t slash = chosen.find_last_of("/\\");
    const std::size_t dot = chosen.find_last_of('.');
    std::string name(chosen);
    if (dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash))
        name.resize(dot);
    return name + (type == ExportFileType::Html ? ".html" : ".txt");
}

void AppendExport(Competition &comp, const ExportChoices &choices, std::string &out) {
    OptionsOverride override(comp.Club, choices);
    ExportWriter(comp, choices, out).Run();
}

std::string ExportStandings(Competition &comp, const ExportChoices &choices) {
    std::string out;
    AppendExport(comp, choices, out);
    return out;
}

bool WriteExportFile(Competition &comp, const ExportChoices &choices, const std::string &path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    {
        OptionsOverride override(comp.Club, choices);
        std::string buffer;
        ExportWriter(comp, choices, buffer, [&file](std::string &text) {
            file.write(text.data(), static_cast<std::streamsize>(text.size()));
        }).Run();
    }
    file.close();
    if (!file)
        throw IoError("Fout bij het schrijven van " + path);
    return true;
}

std::string PadLeft(std::string_view text, int width) {
    std::string padded;
    if (static_cast<int>(text.size()) < width)
        padded.assign(static_cast<std::size_t>(width) - text.size(), ' ');
    padded += text;
    return padded;
}

std::string JoinResults(const ClubRec &club, const TKlasse &klasse, const ExportChoices &choices, int row) {
    std::string joined;
    const TRijder *rider = row > 0 ? klasse.Rider(row) : nullptr;
    for (int col = klasse.FirstResultCol; KindOf(klasse, col) == KindResult; ++col) {
        const int number = klasse.ColData(col)->Number;
        const std::string item = row == 0 ? IntText(number) : ResultCellText(club, rider, choices, number);
        if (col != klasse.FirstResultCol)
            joined += choices.BetweenText;
        joined += PadLeft(item, 2);
    }
    return joined;
}

uint32_t ResolveColor(uint32_t colour) {
    if ((colour & 0xFF000000u) == 0x80000000u) {
        const uint32_t index = colour & 0xFFu;
        return index < kSystemColours.size() ? kSystemColours[index] : 0xFFFFFFu;
    }
    return colour;
}

std::string ColorToHtml(uint32_t colour) {
    const uint32_t rgb = ResolveColor(colour);
    if (rgb > 0xFFFFFFu)
        return "FFFFFF";
    char digits[8];
    std::snprintf(digits, sizeof digits, "%06X", static_cast<unsigned>(rgb));
    const std::string bgr(digits);
    return bgr.substr(4, 2) + bgr.substr(2, 2) + bgr.substr(0, 2);
}

std::string WriteHtmlCell(int flags, uint32_t colour, std::string_view text) {
    std::string line;
    AppendHtmlCell(line, flags, CellTagStart(colour), text, false);
    return line;
}

std::string HtmlEscape(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    AppendEscaped(escaped, text);
    return escaped;
}

std::string ResultInfoText(const ResultInfo &info, bool showYear, std::string_view rangeMark,
                           std::string_view dateMark) {
    std::string text = IntText(info.FromCol);
    if (info.ToCol > info.FromCol) {
        text += rangeMark;
        text += IntText(info.ToCol);
    }
    text += dateMark;
    if (!info.Date.empty())
        text += FormatStoredDate(info.Date, 0, showYear);
    if (!info.Remark.empty())
        text += " " + info.Remark.str();
    return text;
}

std::vector<std::string> ResultInfoLines(const ClubRec &club, const TKlasse &klasse) {
    std::vector<std::string> lines;
    const bool showYear = (club.ViewFlags & ViewShowYear) != 0;
    for (int col = klasse.FirstResultCol; col < klasse.Grid.ColCount(); ++col) {
        const TColData *data = klasse.ColData(col);
        if (!data || !data->Info || data->Kind != KindResult)
            continue;
        const ResultInfo &info = *data->Info;
        lines.push_back(ResultInfoText(info, showYear, "-", " = "));
        // The other columns of the block are not listed again (never moving back).
        if (info.ToCol > 0)
            col = std::max(col, klasse.ResultColumn(std::min(info.ToCol, kMaxResults)));
    }
    return lines;
}

} // namespace rondaxa
