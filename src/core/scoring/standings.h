// The standings calculation of one class: which result columns count, how
// many results make the net total, the totals or averages per rider, the
// ordering keys, the place numbers, hors-concours riders and dropped
// results. Plain sorting (sorting.h) runs through the same CalculateStandings.
//
// Keys are texts of zero-padded numbers compared byte by byte; a missing
// result is written "//", which sorts below every digit. All functions work
// on the class in memory and are undone by RemoveStandings (model.h).
#pragma once

#include "core/model/model.h"
#include "core/scoring/problem_list.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace rondaxa {

// The mode argument of CalculateStandings.
enum StandingsMode : int {
    ModeInputOrder = 0,
    ModeName = 1,
    ModeStartNo = 2,
    ModeResult = 3, // N is the result number
    ModeExtra1 = 4,
    ModeExtra2 = 5,
    ModeExtra3 = 6,
    ModeNet = 7,
    ModeGross = 8,
    ModeAverage = 9,
    ModeDaily = 10, // gross total as a daily classification
    ModeAverageCount = 17,
    ModeAverageTotal = 18,
    ModeAverageValue = 19,
};

inline constexpr int kAscending = 0;
inline constexpr int kDescending = 1;

// Hors-concours options (the value bits 16 and 32 of CalcOptions).
inline constexpr int HcNormal = 0;     // "Normaal klasseren"
inline constexpr int HcNoPlace = 16;   // "Geen eindklassing"
inline constexpr int HcNoPoints = 32;  // "Geen bruto / netto punten"
inline constexpr int HcNoResults = 48; // "Geen uitslagen + rest uitslagen aanpassen"

// Which result slots (1..50) count in the running calculation: all of them,
// except the slots of result-information blocks marked non-counting.
using CountingFlags = std::array<bool, kMaxResults + 1>;
CountingFlags CountingFlagsOf(const TKlasse &klasse);

// What one calculation needs besides the class: the hors-concours option in
// force and the problem list that the tie report fills (none: no report).
struct StandingsRun {
    int HorsConcours = HcNoPlace;
    ProblemList *Problems = nullptr;
    // Where given, receives the key of every row in the new order.
    std::vector<std::string> *Keys = nullptr;
    // The caller has just removed the standings (RemoveStandings), so no
    // result carries a drop mark.
    bool MarksCleared = false;
};

// The points a stored result is worth: with finish positions stored, a value
// of 1 or more is PointsForPosition(value); otherwise the value itself.
int ResultPoints(const ClubRec &club, int stored);

// What the keys of one calculation share, worked out once for a class
// instead of once per rider: the counting slots in column order, of which
// the first c make the values a key walks, and the points of every value a
// result can hold (-1..250); other values are converted when met.
class CountingBasis {
public:
    CountingBasis(const ClubRec &club, const CountingFlags &counting, int c);

    const CountingFlags &Counting() const { return counting_; }
    // The slots a key walks: Slot(0..SlotCount()-1).
    int SlotCount() const { return slotCount_; }
    // Every counting slot: Slot(0..CountingSlotCount()-1).
    int CountingSlotCount() const { return countingSlotCount_; }
    int Slot(int i) const { return slots_[static_cast<std::size_t>(i)]; }
    int Points(int stored) const {
        const auto index = static_cast<unsigned>(stored + 1);
        if (index >= kStoredIndexes)
            return ResultPoints(*club_, stored);
        return points_[index];
    }

    // The tables by stored value + 1, for a stored value of -1..250: its
    // points, what it adds to a total (the points, 0 for none), and where
    // those are counted by value (points + 1, or kCountOutside for points
    // outside -1..250).
    static constexpr unsigned kStoredIndexes = kMaxResultValue + 2;
    static constexpr unsigned kCountOutside = kMaxResultValue + 2;
    int TablePoints(unsigned index) const { return points_[index]; }
    int TableGain(unsigned index) const { return gain_[index]; }
    unsigned CountIndex(unsigned index) const { return countIndex_[index]; }
    // The highest points in the table.
    int HighestPoints() const { return highestPoints_; }
    // The points of the place after the parameter of tie step s (1..5), for
    // the step that counts better places.
    int PlacePointsOfStep(int s) const { return placePoints_[static_cast<std::size_t>(s)]; }
    // PositionForPoints, remembered for points of 0..250 once worked out.
    int PositionFor(int points) const {
        if (points < 0 || points > kMaxResultValue)
            return PositionForPoints(*club_, points);
        int16_t &position = positions_[static_cast<std::size_t>(points)];
        if (position == kNotWorkedOut)
            position = static_cast<int16_t>(PositionForPoints(*club_, points));
        return position;
    }

private:
    const ClubRec *club_;
    CountingFlags counting_;
    std::array<uint8_t, kMaxResults> slots_{};
    int countingSlotCount_ = 0;
    int slotCount_ = 0;
    std::array<int16_t, kStoredIndexes> points_;
    std::array<int16_t, kStoredIndexes> gain_;
    std::array<uint8_t, kStoredIndexes> countIndex_;
    int highestPoints_ = -1;
    std::array<int, kTieStepCount + 1> placePoints_{};
    static constexpr int16_t kNotWorkedOut = INT16_MIN;
    mutable std::array<int16_t, kMaxResultValue + 1> positions_; // by points
};

// N, the number of results that make the net total, by the club's rule
// (drop mode, or a percentage of C plus a number, rounded up or down); C
// when that gives less than 1, and 0 for a class without counting columns
// or no class. Not lowered to C here.
int CountingResultNumber(const ClubRec &club, TKlasse *klasse);

// Orders the riders of a class by the key of mode (direction kAscending or
// kDescending), with N the net count (the result number for ModeResult) and
// C the number of counting result columns (0 for the plain sorts). Modes 7
// and up first lower N to C, apply the hors-concours option 48 and remove
// old drop marks. Sets CalcInfo. When the class shows calculated columns
// (CalcState > 0) the row labels become place numbers ("BM" for
// hors-concours riders under an option other than 0), and in modes 7, 8 and
// 10 ties are reported into run.Problems.
void CalculateStandings(const ClubRec &club, TKlasse &klasse, int mode, int n, int direction, int c,
                        const StandingsRun &run = {});

enum class KeyVariant { Net, Gross, Daily };

// Fills CalcTotal, CalcNet and SortKey of a rider for the net, gross or
// daily standings, and marks dropped results (net, ViewFlags 16). Returns
// the length of the key's head: the key without the tie-break contributions
// of steps TieNotify..5 (daily: without the last-column result), which the
// tie report compares.
std::size_t BuildStandingKey(const ClubRec &club, const CountingBasis &basis, TRijder &rider, int n,
                             KeyVariant variant, int horsConcours);

// Fills CalcTotal, CalcNet and SortKey of a rider for the average standings
// by the club's AverageMethod.
void AverageKey(const ClubRec &club, const CountingBasis &basis, TRijder &rider, int n, int horsConcours);

// sum / count rounded to one decimal (halves to even), with the locale's
// decimal separator and zeros in front up to 6 characters: 0007,5. A count
// below 1 or a negative sum gives 0.
std::string FormatAverage(int sum, int count);

// A number text padded with zeros to width: 7 -> 00007, -1 (width 3) -> -001,
// 12A (width 5) -> 00012A. Spaces are removed first; a text that does not
// start with a digit or "-" and a digit, or that is not shorter than width,
// comes back as it is.
std::string PadNumber(std::string_view text, int width);

// Appends PadNumber of value's decimal text to key, without the detour
// through a text.
void AppendPadded(std::string &key, int value, int width);

namespace detail {
// "000" .. "999" for the values that make up most of every key, each in four
// bytes so that a value is written with one copy.
inline constexpr std::array<char, 4000> kThreeDigits = [] {
    std::array<char, 4000> digits{};
    for (int v = 0; v < 1000; ++v) {
        digits[static_cast<std::size_t>(4 * v)] = static_cast<char>('0' + v / 100);
        digits[static_cast<std::size_t>(4 * v + 1)] = static_cast<char>('0' + v / 10 % 10);
        digits[static_cast<std::size_t>(4 * v + 2)] = static_cast<char>('0' + v % 10);
    }
    return digits;
}();
} // namespace detail

// Writes value (0..999) as three digits at out and returns the end. The
// fourth byte copied along lands in room that is written next or unused.
inline char *PutThreeDigits(char *out, int value) {
    std::memcpy(out, &detail::kThreeDigits[static_cast<std::size_t>(4 * value)], 4);
    return out + 3;
}

// A standing key as it is written: room for the longest key there can be
// (prefix, total and five steps of 50 values of at most 6 characters, or an
// average), so that writing it is plain stores, without a check per piece.
class KeyBuffer {
public:
    static constexpr std::size_t kRoom = 64 + kTieStepCount * kMaxResults * 8;
    // + the spare byte of a four-byte copy
    static constexpr std::size_t kRoomNeeded = kRoom + 4;

    // A key written into the buffer's own room.
    KeyBuffer() : chars_(own_) {}
    // A key written into room of someone else's, of kRoomNeeded bytes.
    explicit KeyBuffer(char *room) : chars_(room) {}
    KeyBuffer(const KeyBuffer &) = delete;
    KeyBuffer &operator=(const KeyBuffer &) = delete;

    void Char(char ch) { chars_[size_++] = ch; }
    void Text(std::string_view text) {
        if (text.empty())
            return;
        std::memcpy(chars_ + size_, text.data(), text.size());
        size_ += text.size();
    }
    // PadNumber of value's decimal text with width (at most kMaxWidth).
    void Padded(int value, int width);
    static constexpr int kMaxWidth = 16;
    // Padded(value, 3), the form of most values of a key.
    void Padded3(int value) {
        if (value < 0 || value >= 1000)
            Padded(value, 3);
        else
            SetEnd(PutThreeDigits(End(), value));
    }
    std::size_t Size() const { return size_; }
    std::string_view View() const { return {chars_, size_}; }

    // For loops that write many values: they write from End() on (through
    // a pointer of their own, which the compiler keeps in a register) and
    // hand the new end back.
    char *End() { return chars_ + size_; }
    void SetEnd(const char *end) { size_ = static_cast<std::size_t>(end - chars_); }

private:
    char own_[kRoomNeeded];
    char *chars_;
    std::size_t size_ = 0;
};

// BuildStandingKey with the key written into key instead of the rider's
// SortKey (which a calculation of a whole class gathers in one buffer).
std::size_t WriteStandingKey(const ClubRec &club, const CountingBasis &basis, TRijder &rider, int n,
                             KeyVariant variant, int horsConcours, KeyBuffer &key);

// The range total of the daily classification: CalcNet = the points of the
// results in slots from..to (-1 without any), CalcTotal = -1, SortKey = the
// total (width 5) followed by the value in slot to (width 3, -001 for none).
void RangeTotal(const ClubRec &club, TRijder &rider, int from, int to);

// Hors-concours option 48 for the rider of row: every other classified
// rider beaten by him in a result column moves one place up; then his
// results are cleared and he is marked not classified. Needs the copy in
// SavedResults that CalculateStandings takes first.
void ApplyHorsConcours(const ClubRec &club, TKlasse &klasse, int row);

// Marks the first counting slot holding exactly value as dropped (+1000).
void MarkDropped(const CountingFlags &counting, TRijder &rider, int value);

// The sentence describing the net calculation (CalcInfo) for mode, N and C.
std::string CalcInfoText(const ClubRec &club, int mode, int n, int c);

// The report sentence for the calculated columns of a class ("Er zijn #T
// uitslagen. ..."), with its placeholders still in; empty without columns.
std::string StandingsDescription(const ClubRec &club, const TKlasse &klasse);

// Fills in the first "#K" (class name), "#C" (club name), "#A" (result
// columns), "#T" (counting columns), "#N" (Number of the rightmost net
// column) and "#G" (counting columns minus that Number); a placeholder
// without a value is removed. Inserted values are never read as placeholders.
std::string ExpandPlaceholders(std::string_view text, const ClubRec &club, TKlasse &klasse);

// The name of the club's average method for the final standings dialog.
std::string AverageLabel(const ClubRec &club);

} // namespace rondaxa
