#include "core/scoring/club_rules.h"

#include "core/model/messages.h"

#include <optional>

namespace rondaxa {

namespace {

constexpr int kMsgValueOutOfRange = 50;
constexpr int kMsgNotAValue = 51;
constexpr int kMsgLowerPlaceMorePoints = 52;
constexpr int kMsgHigherPlaceFewerPoints = 53;

// A cell's text as a whole number; nothing for an empty text or a text that
// is no number.
std::optional<int> CellValue(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    std::size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 1000000)
            value = 1000000; // far outside every range; no overflow
    }
    return static_cast<int>(text[0] == '-' ? -value : value);
}

// Lowers the cells after the first by diff, each only while it is greater
// than the cell before it and stays above 0.
void ShiftLaterCells(PointsRow &row, int diff) {
    for (std::size_t i = 1; i < row.size(); ++i) {
        const auto value = CellValue(row[i]);
        if (!value)
            continue;
        const auto before = CellValue(row[i - 1]);
        const int lowered = *value - diff;
        if (before && *value > *before && lowered > 0)
            row[i] = IntText(lowered);
    }
}

} // namespace

bool ConvertStorage(Competition &comp, StorageMethod to, Prompts &prompts) {
    if (prompts.Ask("Opslag methode van de uitslagen wijzigen ?", Buttons::YesNo) != Answer::Yes)
        return false;
    const ClubRec &club = comp.Club;
    for (const auto &klasse : comp.Classes) {
        for (int r = 1; r < klasse->Grid.RowCount(); ++r) {
            if (TRijder *rider = klasse->Rider(r))
                ConvertRiderResults(club, *rider, to);
        }
    }
    const int32_t bits = OptStoreFinishOrder | OptPositionsAsPoints;
    if (to == StorageMethod::Positions)
        comp.Club.Options |= bits;
    else
        comp.Club.Options &= ~bits;
    return true;
}

PointsRow PointsRowOf(const ClubRec &club) {
    PointsRow row;
    for (std::size_t i = 0; i < row.size(); ++i)
        if (club.Points[i + 1] != 0)
            row[i] = IntText(club.Points[i + 1]);
    return row;
}

int DeductionStartPlace(const PointsRow &row) {
    int filled = 0;
    for (const auto &cell : row)
        if (!cell.empty())
            ++filled;
    return filled == 0 ? 1 : filled;
}

PointsCellOutcome EditPointsCell(PointsRow &row, int index, std::string_view text, Prompts &prompts) {
    if (index < 0 || index >= static_cast<int>(row.size()))
        return PointsCellOutcome::Stored;
    const auto i = static_cast<std::size_t>(index);
    const auto value = text.empty() ? std::optional<int>(0) : CellValue(text);
    if (!value) {
        ShowError(prompts, kMsgNotAValue);
        return PointsCellOutcome::Reopen;
    }
    if (*value < 0 || *value > kMaxResultValue) {
        ShowError(prompts, kMsgValueOutOfRange);
        return PointsCellOutcome::Reopen;
    }
    const auto left = i > 0 ? CellValue(row[i - 1]) : std::nullopt;
    const auto right = i + 1 < row.size() ? CellValue(row[i + 1]) : std::nullopt;
    const int old = CellValue(row[i]).value_or(0);
    row[i] = std::string(text);
    if (left && *value > *left) {
        ShowError(prompts, kMsgLowerPlaceMorePoints);
    } else if (right && *value < *right) {
        const int diff = old - *value;
        if (i == 0 && diff >= 10 && diff % 10 == 0)
            ShiftLaterCells(row, diff);
        else
            ShowError(prompts, kMsgHigherPlaceFewerPoints);
    }
    return PointsCellOutcome::Stored;
}

void ApplyPointsTable(ClubRec &club, const PointsRow &row) {
    int count = 0;
    std::array<uint8_t, kPointsTableSize + 1> points{};
    for (const auto &cell : row) {
        const auto value = CellValue(cell);
        if (!value)
            continue;
        const int inRange = (*value < 0 || *value > kMaxResultValue) ? 0 : *value;
        if (inRange != 0)
            points[static_cast<std::size_t>(++count)] = static_cast<uint8_t>(inRange);
    }
    club.Points = points;
    club.PointsCount = static_cast<uint8_t>(count);
}

uint16_t DeductionInRange(int value) {
    return (value < 1 || value > 10) ? 1 : static_cast<uint16_t>(value);
}

int32_t CountInRange(int value, int max) {
    return (value < 0 || value > max) ? 0 : value;
}

} // namespace rondaxa
