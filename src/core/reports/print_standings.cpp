#include "core/reports/print_standings.h"

#include "core/model/class_grid.h"
#include "core/model/dates.h"
#include "core/model/kzb_file.h"
#include "core/scoring/standings.h"

#include <algorithm>

namespace rondaxa {

namespace {

constexpr std::string_view kTooWide = "\n\rLijst is te breed met gekozen lettergrootte.";

bool IsLineBreakOrSpace(char ch) {
    return ch == '\n' || ch == '\r' || ch == ' ';
}

bool IsBreakCharacter(char ch) {
    switch (ch) {
    case ' ':
    case '!':
    case ')':
    case ',':
    case '-':
    case '.':
    case '/':
    case ':':
    case ';':
    case '?':
    case '\\':
        return true;
    default:
        return false;
    }
}

// The width a text line may take: the page between the margins, or the
// table when that is wider than half of it.
int LineWidth(const TPrintObject &printer) {
    const int page = printer.PhysWidth - printer.LeftMargin - printer.RightMargin;
    return printer.TableWidth > page / 2 ? printer.TableWidth : page;
}

// The first line of text (which starts with no line break or space) and
// how many characters it takes from the text.
std::pair<std::string, std::size_t> FirstLine(TPrintObject &printer, std::string_view text) {
    const int room = LineWidth(printer);
    const int letter = printer.TextWidth("n");
    const std::size_t length = text.size();
    std::size_t n = letter > 0 ? static_cast<std::size_t>(std::max(room, 0) / letter) : length;
    bool mayGrow = true;
    const std::size_t lineFeed = text.find('\n');
    if (lineFeed != std::string_view::npos && lineFeed + 1 < n) {
        n = lineFeed; // the characters before the line feed
        if (n > 0 && text[n - 1] == '\r')
            --n;
        mayGrow = false;
    }
    n = std::clamp<std::size_t>(n, 1, length);
    auto fits = [&](std::size_t count) { return printer.TextWidth(text.substr(0, count)) <= room; };
    if (fits(n)) {
        bool grew = false;
        while (mayGrow && n < length && fits(n)) {
            ++n;
            grew = true;
        }
        if (grew && !fits(n))
            --n;
    } else {
        while (n > 1 && !fits(n))
            --n;
    }
    if (n < length && !IsLineBreakOrSpace(text[n])) {
        for (std::size_t k = n; k > 0; --k) {
            const char ch = text[k - 1];
            if (!IsBreakCharacter(ch))
                continue;
            if (ch == ' ')
                return {std::string(text.substr(0, k - 1)), k};
            return {std::string(text.substr(0, k)), k};
        }
    }
    return {std::string(text.substr(0, n)), n};
}

bool AnyPageHeader(const PrintSettings &print) {
    return (print.PrintFlags & PfPageHeaderAny) != 0;
}

// One pass over the chosen classes, printing or only laying out.
class StandingsLayout {
public:
    StandingsLayout(TPrintObject &printer, Competition &comp, const PrintChoices &choices,
                    const std::vector<int> &classes)
        : p_(printer), comp_(comp), print_(comp.Print), choices_(choices), classes_(classes) {}

    // Lays out every class; returns the sheets used.
    int Run(bool drawing, int pageTotal) {
        p_.Drawing = drawing;
        pageTotal_ = pageTotal;
        p_.PageNumber = 0;
        p_.RowCounter = 0;
        p_.SheetCount = 0;
        p_.CurrentY = 0;
        p_.OnPageHeader = [this] { PrintPageHeader(); };
        for (std::size_t i = 0; i < classes_.size(); ++i)
            PrintClass(classes_[i], i == 0, i + 1 == classes_.size());
        p_.OnPageHeader = nullptr;
        return p_.SheetCount;
    }

private:
    TKlasse &Klasse(int index) { return *comp_.Classes[static_cast<std::size_t>(index)]; }

    void PrintClass(int classIndex, bool first, bool last) {
        const int count = SetupClassColumns(p_, comp_, choices_, classIndex);
        p_.ComputeColumns(classIndex, count);
        if (print_.PrintFlags & PfCentre)
            p_.CentreTable();
        p_.TitleTextLines = HeaderLines(Klasse(classIndex));
        if (first) {
            p_.TopOfPage();
            p_.SheetCount = 1;
            StartPage();
        } else if (print_.PrintFlags & PfNewPagePerClass) {
            p_.NewPage(false);
            StartPage();
        }
        p_.PrintTableHeading(true);
        for (int row : Rows(Klasse(classIndex)))
            p_.PrintRow(classIndex, row);
        p_.DrawColumnLines();
        const bool endAllowed = !(print_.PrintFlags2 & Pf2EndTextLastOnly) || last;
        PrintClassEnd(endAllowed);
    }

    void StartPage() {
        PrintPageHeader();
        p_.PageStartY = p_.CurrentY;
    }

    std::vector<int> Rows(const TKlasse &klasse) const {
        std::vector<int> rows;
        const int rowCount = klasse.Grid.RowCount();
        int last = rowCount - 1;
        if (choices_.Riders == PrintRiderChoice::FirstN && choices_.FirstN > 0)
            last = std::min(last, choices_.FirstN);
        for (int row = 1; row <= last; ++row) {
            const TRijder *rider = klasse.Grid.Rider(row);
            if (choices_.Riders == PrintRiderChoice::WithResults && !(rider && HasAnyResult(*rider)))
                continue;
            rows.push_back(row);
        }
        return rows;
    }

    std::vector<std::string> HeaderLines(TKlasse &klasse) {
        if (!(print_.PrintFlags2 & Pf2HeaderText))
            return {};
        const std::string text = (print_.PrintFlags2 & Pf2StandardHeader)
                                     ? StandingsDescription(comp_.Club, klasse)
                                     : print_.HeaderText.str();
        return WrapText(p_, ExpandPlaceholders(text, comp_.Club, klasse));
    }

    void PrintPageHeader() {
        ++p_.PageNumber;
        std::string datePages;
        if (print_.PrintFlags & PfHeaderDate)
            datePages = FormatStamp(CurrentClock().NowStamp(), 0, false);
        if (print_.PrintFlags & PfHeaderPages) {
            if (!datePages.empty())
                datePages += "   ";
            datePages += IntText(p_.PageNumber) + "/" + IntText(pageTotal_);
        }
        if (!datePages.empty())
            p_.TextOutAt(p_.TableWidth - Width(datePages), kCurrentLine, datePages);
        const bool ownText = print_.PrintFlags & PfHeaderOwnText;
        if (print_.PrintFlags & PfHeaderClub) {
            const std::string club = comp_.Club.ClubName.str();
            p_.TextOutAt(ownText ? 0 : Centred(club), kCurrentLine, club);
        }
        if (ownText) {
            const std::string own = ExpandPlaceholders(print_.OwnHeaderText.str(), comp_.Club, p_.Klasse());
            p_.TextOutAt(Centred(own), kCurrentLine, own);
        }
        if (AnyPageHeader(print_)) {
            p_.NextLine();
            p_.CurrentY += p_.RowSpacing;
        }
    }

    // A width that only placement needs: not measured while laying out.
    int Width(const std::string &text) { return p_.Drawing ? p_.TextWidth(text) : 0; }
    int Centred(const std::string &text) { return (p_.TableWidth - Width(text)) / 2; }

    std::string InfoItem(const ResultInfo &info) const {
        std::string item = IntText(info.FromCol);
        if (info.ToCol > info.FromCol)
            item += "/" + IntText(info.ToCol);
        item += " = ";
        if (!info.Date.empty())
            item += FormatStoredDate(info.Date, kLongDateStyle, (comp_.Club.ViewFlags & ViewShowYear) != 0);
        if (!info.Remark.empty())
            item += " " + info.Remark.str();
        return item;
    }

    bool PrintResultInfo() {
        if (!(print_.PrintFlags & PfResultInfo))
            return false;
        const TKlasse &klasse = p_.Klasse();
        const int room = LineWidth(p_);
        const int gap = p_.TextWidth("n");
        int indent = p_.TextWidth("Uitslagen: ");
        int x = 0;
        bool any = false;
        for (int col = std::max(klasse.FirstResultCol, 1); col < klasse.Grid.ColCount(); ++col) {
            const TColData *data = klasse.ColData(col);
            if (!data || !data->Info || data->Kind != KindResult)
                continue;
            std::string item = InfoItem(*data->Info);
            if (!any) {
                // The list starts on a sheet it fits on, as every later line does.
                p_.PageBreakIfNeeded(false, false);
                if (indent + p_.TextWidth(item) > room) {
                    p_.TextOutAt(0, kCurrentLine, "Uitslagen:");
                    p_.NextLine();
                    p_.PageBreakIfNeeded(false, false);
                    indent = 0;
                } else {
                    item = "Uitslagen: " + item;
                }
                any = true;
            }
            const int width = p_.TextWidth(item);
            if (x > indent && x + width > room) {
                p_.NextLine();
                p_.PageBreakIfNeeded(false, false);
                x = indent;
            }
            p_.TextOutAt(x, kCurrentLine, item);
            x += width + gap;
        }
        if (any)
            p_.NextLine();
        return any;
    }

    void PrintClassEnd(bool endTextAllowed) {
        const bool printedInfo = PrintResultInfo();
        if (!(print_.PrintFlags2 & Pf2EndText) || !endTextAllowed)
            return;
        const std::vector<std::string> lines =
            WrapText(p_, ExpandPlaceholders(print_.EndText.str(), comp_.Club, p_.Klasse()));
        if (lines.empty())
            return;
        if (printedInfo) {
            p_.NextLine();
            p_.PageBreakIfNeeded(false, false);
        }
        for (const std::string &line : lines) {
            p_.PageBreakIfNeeded(false, false);
            p_.TextOutAt(0, kCurrentLine, line);
            p_.NextLine();
        }
    }

    TPrintObject &p_;
    Competition &comp_;
    const PrintSettings &print_;
    const PrintChoices &choices_;
    const std::vector<int> &classes_;
    int pageTotal_ = 0;
};

std::vector<int> ChosenClasses(const Competition &comp, const PrintChoices &choices) {
    std::vector<int> classes;
    for (int i = 0; i < comp.ClassCount(); ++i) {
        const bool chosen = choices.Classes == PrintClassChoice::All ||
                            (choices.Classes == PrintClassChoice::Current && i == comp.ActiveClass) ||
                            (choices.Classes == PrintClassChoice::Selection &&
                             static_cast<std::size_t>(i) < choices.Selected.size() &&
                             choices.Selected[static_cast<std::size_t>(i)]);
        if (chosen)
            classes.push_back(i);
    }
    return classes;
}

} // namespace

PrintChoices OpenPrintChoices(const Competition &comp) {
    PrintChoices choices;
    choices.Enabled = AvailableCalcColumns(comp);
    choices.Net = choices.Enabled.Net;
    choices.Gross = choices.Enabled.Gross;
    choices.Total = choices.Enabled.Total;
    choices.Count = choices.Enabled.Count;
    choices.Average = choices.Enabled.Average;
    const bool standings = std::any_of(comp.Classes.begin(), comp.Classes.end(),
                                       [](const auto &klasse) { return klasse->CalcState > 0; });
    if (standings)
        choices.Riders = PrintRiderChoice::WithResults;
    choices.SwapNames = !(comp.Club.Options & OptNamesAsStored);
    choices.ZeroEmpty = (comp.Club.Options & OptZeroAsEmpty) != 0;
    choices.Selected.assign(static_cast<std::size_t>(comp.ClassCount()), false);
    return choices;
}

uint16_t RiderChoiceBits(PrintRiderChoice riders) {
    switch (riders) {
    case PrintRiderChoice::WithResults:
        return Pf2RidersWithResults;
    case PrintRiderChoice::FirstN:
        return Pf2FirstRiders;
    default:
        return Pf2AllRiders;
    }
}

void StorePrintSettings(Competition &comp, const PrintSettings &settings) {
    comp.Print = settings;
}

int SetupClassColumns(TPrintObject &printer, Competition &comp, const PrintChoices &choices, int classIndex) {
    const PrintSettings &print = comp.Print;
    TKlasse &klasse = *comp.Classes[static_cast<std::size_t>(classIndex)];
    printer.SetCompetition(comp);
    printer.ApplyReportSettings(classIndex);
    printer.SetMargins(print.MarginTop, print.MarginBottom, print.MarginLeft, print.MarginRight);
    ColourInfoColumns(klasse, comp.Club);
    int count = 1;
    printer.DefineColumn(count, KindRowNumber, 0, 0);
    const bool averages = klasse.CalcState >= 3;
    const bool join = choices.Results && (print.PrintFlags & PfJoinResults);
    bool joined = false;
    for (int col = 1; col < klasse.Grid.ColCount() && count < kMaxPrintColumns; ++col) {
        const TColData *data = klasse.ColData(col);
        if (!data)
            continue;
        bool include = false;
        int kind = data->Kind;
        switch (data->Kind) {
        case KindRowNumber:
            break;
        case KindStartNo:
            include = choices.StartNo;
            break;
        case KindResult:
            include = choices.Results && !joined;
            if (join) {
                kind = KindJoinedResults;
                joined = true;
            }
            break;
        case KindNet:
            include = averages ? choices.Count : choices.Net;
            break;
        case KindGross:
            include = averages ? choices.Total : choices.Gross;
            break;
        case KindAverage:
            include = choices.Average;
            break;
        default:
            include = true;
        }
        if (include)
            printer.DefineColumn(++count, kind, col, kind == KindResult ? data->Number : 0);
    }
    return count;
}

std::vector<std::string> WrapText(TPrintObject &printer, std::string_view text) {
    std::vector<std::string> lines;
    while (true) {
        while (!text.empty() && IsLineBreakOrSpace(text.front()))
            text.remove_prefix(1);
        if (text.empty())
            break;
        auto [line, taken] = FirstLine(printer, text);
        lines.push_back(std::move(line));
        text.remove_prefix(taken);
    }
    return lines;
}

std::string PagesQuestion(int pages, bool tooWide) {
    std::string text =
        pages > 1 ? "Er zijn " + IntText(pages) + " pagina's te printen." : "Er is 1 pagina te printen.";
    if (tooWide)
        text += kTooWide;
    return text + " Uitslagen printen ?";
}

PrintOutcome PrintStandings(Competition &comp, const PrintChoices &choices, PrintDevice &device,
                            Prompts &prompts) {
    PrintOutcome outcome;
    DisplayOptionsOverride display(comp.Club, choices.SwapNames, choices.ZeroEmpty);
    const std::vector<int> classes = ChosenClasses(comp, choices);
    device.SetJobName(PrintJobName(
        comp.Club, classes.size() == 1 ? comp.Classes[static_cast<std::size_t>(classes[0])].get() : nullptr));
    TPrintObject printer(device);
    printer.SetCompetition(comp);
    if (!printer.Start())
        return outcome;
    outcome.Started = true;
    if (classes.empty()) {
        printer.Abort();
        return outcome;
    }

    // Font pass: with the automatic size, the smallest size any class needs.
    const bool autoSize = comp.Print.PrintFlags2 & Pf2AutoFontSize;
    int smallest = 0;
    for (int classIndex : classes) {
        const int count = SetupClassColumns(printer, comp, choices, classIndex);
        if (autoSize) {
            const int size = printer.AutoFontSize(classIndex, count);
            smallest = smallest == 0 ? size : std::min(smallest, size);
        } else {
            printer.ComputeColumns(classIndex, count);
        }
        if (printer.FitFactor() < 1.0f)
            outcome.TooWide = true;
    }
    if (autoSize)
        comp.Print.FontSize = smallest;
    outcome.FontSize = comp.Print.FontSize;

    StandingsLayout layout(printer, comp, choices, classes);
    outcome.Pages = layout.Run(false, 0);
    if (prompts.AskCaptioned(kPrintCaption, PagesQuestion(outcome.Pages, outcome.TooWide), Buttons::YesNo) !=
        Answer::Yes) {
        printer.Abort();
        return outcome;
    }
    layout.Run(true, outcome.Pages);
    printer.Finish();
    outcome.Printed = true;
    return outcome;
}

} // namespace rondaxa
