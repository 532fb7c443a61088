#include "core/results/quick_entry.h"

#include "core/scoring/standings.h"

#include <algorithm>
#include <unordered_set>

namespace rondaxa {

namespace {

constexpr std::string_view kSeparators{" ;\t/-", 5};
constexpr std::string_view kZeroMarker = "*0";
constexpr std::size_t kMaxStartNo = 5;
constexpr std::size_t kNameRoom = 30;
constexpr std::size_t kExtraRoom = 40;
constexpr int kPiecesBeforeExtras = 2; // start number and name

// Without the characters of code 32 and below at both ends.
std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    return text;
}

std::string WithoutFirst(std::string_view text, std::string_view part) {
    std::string result(text);
    if (const std::size_t at = result.find(part); at != std::string::npos)
        result.erase(at, part.size());
    return result;
}

// The name after the first separator: at most 30 characters, cut before a
// Tab (else a ";") that is not its first character.
std::string NameAfter(std::string_view rest) {
    std::string_view name = Trimmed(rest.substr(0, kNameRoom));
    std::size_t cut = name.find('\t');
    if (cut == std::string_view::npos)
        cut = name.find(';');
    if (cut != std::string_view::npos && cut > 0)
        name = name.substr(0, cut);
    if (name.substr(0, kZeroMarker.size()) == kZeroMarker)
        name.remove_prefix(kZeroMarker.size());
    return std::string(Trimmed(name));
}

// The pieces of a line split at Tabs, or at ";" where no Tab follows; only
// the pieces up to the last extra field are wanted.
std::vector<std::string_view> PiecesOf(std::string_view line, std::size_t wanted) {
    std::vector<std::string_view> pieces;
    while (pieces.size() < wanted) {
        std::size_t at = line.find('\t');
        if (at == std::string_view::npos)
            at = line.find(';');
        if (at == std::string_view::npos) {
            pieces.push_back(line);
            break;
        }
        pieces.push_back(line.substr(0, at));
        line.remove_prefix(at + 1);
    }
    return pieces;
}

// The first data row whose rider's start number, trimmed, is startNo.
int RowWithStartNo(const TKlasse &klasse, std::string_view startNo) {
    for (int row = 1; row < klasse.Grid.RowCount(); ++row)
        if (const TRijder *rider = klasse.Rider(row); rider && SameStartNo(Trimmed(rider->StartNo), startNo))
            return row;
    return 0;
}

void SetResult(TRijder &rider, int n, int value) {
    rider.Results[static_cast<std::size_t>(n)] = static_cast<int16_t>(value);
}

// A rider for a start number that no rider carries: his fields from the
// line, or, without a name on it, the whole line as a name to be corrected.
void FillNewRider(TRijder &rider, const EntryLine &entry, std::string_view line) {
    rider.StartNo = entry.StartNo;
    if (!entry.Name.empty()) {
        rider.Name = entry.Name;
        rider.Extra1 = entry.Extra[0];
        rider.Extra2 = entry.Extra[1];
        rider.Extra3 = entry.Extra[2];
    } else {
        rider.Name = "< ??" + std::string(line.substr(0, kNameRoom)) + "?? >";
    }
}

void AppendResultColumn(TKlasse &klasse) {
    ClassGrid &grid = klasse.Grid;
    CountColumns(klasse);
    const int col = grid.ColCount();
    grid.SetColCount(col + 1);
    AddColumnObjects(klasse, col, col, 0, KindResult);
    CountColumns(klasse);
}

} // namespace

EntryLine ParseEntryLine(std::string_view line) {
    EntryLine entry;
    const std::size_t separator = line.find_first_of(kSeparators);
    const std::string_view head = line.substr(0, separator);
    entry.ZeroMarker = head.find(kZeroMarker) != std::string_view::npos;
    entry.StartNo = Trimmed(WithoutFirst(Trimmed(head), kZeroMarker));
    if (separator == std::string_view::npos)
        return entry;
    entry.Name = NameAfter(line.substr(separator + 1));
    const auto pieces = PiecesOf(line, kPiecesBeforeExtras + entry.Extra.size());
    for (std::size_t k = 0; k < entry.Extra.size(); ++k)
        if (kPiecesBeforeExtras + k < pieces.size())
            entry.Extra[k] = pieces[kPiecesBeforeExtras + k].substr(0, kExtraRoom);
    return entry;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return lines;
}

bool SameStartNo(std::string_view a, std::string_view b) {
    if (a.empty() || a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperChar1252(static_cast<unsigned char>(a[i])) !=
            UpperChar1252(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

int LineWithSameStartNo(const std::vector<std::string> &lines, int line) {
    if (line < 0 || line >= static_cast<int>(lines.size()))
        return 0;
    const std::string startNo = ParseEntryLine(lines[static_cast<std::size_t>(line)]).StartNo;
    for (int other = 0; other < static_cast<int>(lines.size()); ++other)
        if (other != line &&
            SameStartNo(startNo, ParseEntryLine(lines[static_cast<std::size_t>(other)]).StartNo))
            return other + 1;
    return 0;
}

bool EnterAllowed(const std::vector<std::string> &lines) {
    return !lines.empty() && !lines.back().empty();
}

bool HasEnoughStartNumbers(const TKlasse &klasse) {
    const int rows = std::max(klasse.Grid.RowCount() - 1, 0);
    int numbered = 0;
    for (int row = 1; row < klasse.Grid.RowCount(); ++row)
        if (const TRijder *rider = klasse.Rider(row); rider && !rider->StartNo.empty())
            ++numbered;
    return rows < 5 || numbered >= rows / 3;
}

int CheckEntryLines(std::vector<std::string> &lines, std::string *doubled) {
    if (lines.empty())
        return kEmptyListCode;
    int numbered = 0;
    std::vector<std::string> startNos;
    for (std::size_t i = 0; i < lines.size();) {
        if (lines[i].empty()) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        std::string startNo = ParseEntryLine(lines[i]).StartNo;
        if (startNo.size() > kMaxStartNo)
            return kStartNoTooLongCode;
        if (LenientStrToInt(startNo) > 0)
            ++numbered;
        startNos.push_back(std::move(startNo));
        ++i;
    }
    if (lines.empty())
        return kNoStartNumbersCode;
    if (static_cast<int>(lines.size()) / 2 > numbered)
        return kTooFewNumbersCode;
    std::unordered_set<std::string> seen;
    for (const std::string &startNo : startNos)
        if (!startNo.empty() && !seen.insert(UpperCase1252(startNo)).second) {
            if (doubled)
                *doubled = startNo;
            return kDuplicateStartNosCode;
        }
    return 0;
}

ErrorMessage RefusalMessage(const QuickEntryOutcome &outcome) {
    ErrorMessage message = ErrorMessageFor(outcome.Code);
    if (outcome.Code == kDuplicateStartNosCode && !outcome.DoubleStartNo.empty())
        message.Text += " (startnummer " + outcome.DoubleStartNo + ")";
    return message;
}

QuickEntryOutcome EnterFinishingOrder(Competition &comp, TKlasse &klasse, std::vector<std::string> &lines,
                                      const QuickEntryChoices &choices) {
    CountColumns(klasse);
    const int columns = klasse.ResultCount;
    if (choices.NewColumn && columns >= kMaxResults)
        return {kMaxResultsReachedCode, 0, false, {}};
    std::string doubled;
    if (const int code = CheckEntryLines(lines, &doubled); code != 0)
        return {code, 0, !lines.empty() && code != kEmptyListCode, doubled};
    if (!choices.NewColumn && (choices.Column < 1 || choices.Column > columns))
        return {kBadResultNumberCode, 0, false, {}};

    if (klasse.CalcState > 0)
        RemoveClassStandings(klasse); // a new column goes after the results, not after standings
    int n = choices.Column;
    if (choices.NewColumn) {
        AppendResultColumn(klasse);
        n = columns + 1;
    } else {
        for (int row = 1; row < klasse.Grid.RowCount(); ++row)
            if (TRijder *rider = klasse.Rider(row))
                SetResult(*rider, n, kNoResult);
    }

    const bool storesPositions = (comp.Club.Options & OptStoreFinishOrder) != 0;
    int position = 1;
    for (const std::string &line : lines) {
        const EntryLine entry = ParseEntryLine(line);
        if (entry.StartNo.empty())
            continue; // no start number: nobody to place
        int row = RowWithStartNo(klasse, entry.StartNo);
        const bool known = row > 0;
        if (!known && choices.AddUnknown && klasse.Grid.RowCount() - 1 < kMaxRiders)
            row = NewRiderRow(klasse, comp.Club);
        if (row < 1)
            continue; // ignored: the riders after it move up one place
        TRijder &rider = *klasse.Rider(row);
        if (entry.ZeroMarker) {
            SetResult(rider, n, 0);
        } else {
            SetResult(rider, n, storesPositions ? position : PointsForPosition(comp.Club, position));
            ++position;
        }
        if (!known)
            FillNewRider(rider, entry, line);
    }
    CountColumns(klasse);
    return {0, n, false, {}};
}

std::vector<std::string> FinishingOrderOf(ClubRec &club, TKlasse &klasse, int n) {
    const int32_t options = club.Options;
    club.Options = 0;
    CalculateStandings(club, klasse, ModeResult, n, kAscending, 0);
    club.Options = options;
    std::vector<std::string> lines;
    for (int row = 1; row < klasse.Grid.RowCount(); ++row) {
        const TRijder *rider = klasse.Rider(row);
        if (rider && !rider->StartNo.empty() && !CellText(club, *rider, KindResult, n).empty())
            lines.push_back(rider->StartNo);
    }
    return lines;
}

} // namespace rondaxa
