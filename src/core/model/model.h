// The competition model: the settings records, classes with their grids,
// riders, grid columns and result information.
#pragma once

#include "core/model/text.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace rondaxa {

// ---- limits ---------------------------------------------------------------
inline constexpr int kMaxClasses = 20;
inline constexpr int kMaxRiders = 500;
inline constexpr int kMaxResults = 50;
inline constexpr int kMaxResultValue = 250;
inline constexpr int kPointsTableSize = 10;
inline constexpr int kTieStepCount = 5;
inline constexpr int kMaxDropCount = 20;     // ClubRec.DropCount 0..20
inline constexpr int kMaxCountPlus = 20;     // ClubRec.CountPlus 0..20
inline constexpr int kMaxCountPercent = 100; // ClubRec.CountPercent 0..100

// ---- result encoding ------------------------------------------------------
inline constexpr int16_t kNoResult = -1;
inline constexpr int kDropMark = 1000;         // added to a result marked as dropped
inline constexpr int kDropMarkThreshold = 500; // a stored value above this carries the mark

// ---- colours (0x00BBGGRR, or 0x800000nn for system colour nn) ------------
inline constexpr uint32_t kClWindow = 0x80000005;
inline constexpr uint32_t kCl3DLight = 0x80000016;
inline constexpr uint32_t kClInfoBk = 0x80000018;
inline constexpr uint32_t kClTeal = 0x00808000;

// ---- column kinds ---------------------------------------------------------
enum ColKind : int32_t {
    KindRowNumber = 0,
    KindName = 1,
    KindStartNo = 2,
    KindResult = 3,
    KindExtra1 = 4,
    KindExtra2 = 5,
    KindExtra3 = 6,
    KindNet = 7,         // "Netto"; "Uitslagen" (number of results) in an average table
    KindGross = 8,       // "Bruto"; "Totaal" (points total) in an average table
    KindAverage = 9,     // "Gemiddeld"
    KindDailyGross = 10, // "Bruto" of standings calculated as a daily classification
};

// ---- ClubRec.Options bits -------------------------------------------------
inline constexpr int32_t OptStatusFieldMask = 0x0F;
inline constexpr int32_t OptNamesAsStored = 16;
inline constexpr int32_t OptStoreFinishOrder = 32;
inline constexpr int32_t OptPositionsAsPoints = 64;
inline constexpr int32_t OptZeroAsEmpty = 128;
inline constexpr int32_t OptFixedColumns = 256;

// ---- ClubRec.CalcFlags bits -----------------------------------------------
inline constexpr int32_t CalcRoundDown = 1;
inline constexpr int32_t CalcDropMode = 16;
inline constexpr int32_t CalcMinOnePoint = 32;

// ---- ClubRec.ViewFlags bits -----------------------------------------------
inline constexpr int32_t ViewExtra1 = 1;
inline constexpr int32_t ViewExtra2 = 2;
inline constexpr int32_t ViewExtra3 = 4;
inline constexpr int32_t ViewShowYear = 8;
inline constexpr int32_t ViewMarkDropped = 16;
inline constexpr int32_t ViewNoInfoColours = 32;
inline constexpr int32_t ViewNoMarkColour = 64;
inline constexpr int32_t ViewStrikeDropped = 128;
inline constexpr int32_t ViewStartNoFirst = 256;

// ---- TRijder.Flags / CalcMarks, ResultInfo.InfoFlags ----------------------
inline constexpr int32_t RiderHorsConcours = 1;
inline constexpr uint8_t MarkSavedResults = 1;
inline constexpr uint8_t MarkNotClassified = 2;
inline constexpr uint8_t InfoNotCounting = 1;

// ---- modified flag bits ---------------------------------------------------
inline constexpr uint8_t ModifiedData = 1;
inline constexpr uint8_t ModifiedClasses = 2;

struct TieStep {
    uint8_t Method = 0;
    uint8_t Param = 0;
};

// Competition-wide settings; the first block of the file.
struct ClubRec {
    int32_t DateCreated = 0;
    int32_t Version = 0;
    int32_t NextRiderId = 0;
    int32_t DateStarted = 0;
    int32_t DateSaved = 0;
    FixedString<30> ClubName;
    int32_t ClassCount = 0;
    uint8_t PointsCount = 5;
    std::array<uint8_t, kPointsTableSize + 1> Points{0, 50, 47, 45, 43, 41, 0, 0, 0, 0, 0}; // [1..10]
    uint8_t TieMethod = 0;
    int32_t CountPercent = 50;
    int32_t CountPlus = 1;
    int32_t DropCount = 2;
    int32_t CalcFlags = 0;
    int32_t AverageMethod = 1;
    int32_t Options = 97;
    FixedString<31> FontName;
    int32_t FontSize = 0;
    int32_t FontColor = 0;
    uint8_t FontStyle = 0;
    FixedString<15> ExtraLabel1{"Woonplaats :"};
    FixedString<15> ExtraLabel2{"Merk/sponsor :"};
    FixedString<15> ExtraLabel3{"Opmerking :"};
    uint32_t InfoColor1 = kClInfoBk;
    uint32_t InfoColor2 = kCl3DLight;
    int32_t ViewFlags = 0;
    uint32_t MarkColor = kClTeal;
    uint16_t Deduction = 1;
    std::array<TieStep, kTieStepCount + 1> TieSteps{}; // [1..5]
    uint8_t TieNotify = 2;
};

// Print layout stored with the competition.
struct PrintSettings {
    uint16_t PrintFlags = 0x413C;
    uint16_t PrintFlags2 = 0x00F9;
    FixedString<4> EmptyResultText{"--"};
    FixedString<4> ResultSeparator{"-"};
    FixedString<50> OwnHeaderText;
    uint16_t MarginTop = 15;
    uint16_t MarginBottom = 15;
    uint16_t MarginLeft = 15;
    uint16_t MarginRight = 15;
    uint16_t LineSpacing = 2;
    uint16_t FieldSpacing = 10;
    FixedString<31> FontName{"Arial"};
    int32_t FontSize = 10;
    int32_t FontColor = 0;
    uint8_t FontStyle = 0;
    FixedString<20> HeadPlace{"PL"};
    FixedString<20> HeadName{"Naam"};
    FixedString<20> HeadStartNo{"Nr."};
    FixedString<20> HeadNet{"Netto"};
    FixedString<20> HeadGross{"Bruto"};
    FixedString<20> HeadCount{"Aant. uitsl."};
    FixedString<20> HeadTotal{"Totaal"};
    FixedString<20> HeadAverage{"Gemiddelde"};
    uint16_t ShadePercent = 5;
    FixedString<250> HeaderText;
    FixedString<250> EndText;
};

// Result information of a range of result columns.
struct ResultInfo {
    FixedString<9> Date; // yyyymmdd, empty = no date
    FixedString<60> Remark;
    int32_t FromCol = 0;
    int32_t ToCol = 0;
    uint8_t InfoFlags = 0;

    bool NotCounting() const { return (InfoFlags & InfoNotCounting) != 0; }
};

// One rider. Results are 1-based: Results[1..50]; slot 0 is unused.
struct TRijder {
    using ResultArray = std::array<int16_t, kMaxResults + 1>;

    TRijder() {
        Results.fill(kNoResult);
        SavedResults.fill(kNoResult);
    }

    FixedString<30> Name;
    FixedString<5> StartNo;
    ResultArray Results;
    FixedString<40> Extra1;
    FixedString<40> Extra2;
    FixedString<40> Extra3;
    int32_t Id = 0;
    int32_t Flags = 0;

    // Working fields of a calculation; never stored.
    std::string SortKey;
    int32_t CalcNet = -1;
    int32_t CalcTotal = -1;
    ResultArray SavedResults;
    uint8_t CalcMarks = 0;

    bool HorsConcours() const { return (Flags & RiderHorsConcours) != 0; }
};

// One grid column's data object.
struct TColData {
    std::unique_ptr<ResultInfo> Info; // only on the first column of its range
    int32_t Kind = 0;
    int32_t Number = 0;
    uint32_t Color = kClWindow;
    uint8_t SortDir = 0;
};

struct GridFont {
    std::string Name; // empty = platform default
    int32_t Size = 10;
    int32_t Color = 0;
    uint8_t Style = 0; // bit 0 bold, 1 italic, 2 underline, 3 strike-out
};

// A faithful model of a class's string grid. Row 0 holds the headings (the
// column headings), column 0 the row labels; the corner cell is column 0's
// heading. Columns own their TColData, rows their TRijder (possibly none).
class ClassGrid {
public:
    struct Column {
        std::string Heading;
        std::unique_ptr<TColData> Data;
        int Width = 64;
    };
    struct Row {
        std::string Label;
        std::unique_ptr<TRijder> Rider;
    };

    int ColCount() const { return static_cast<int>(columns_.size()); }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    void SetColCount(int count); // new columns are empty; removed ones free their data
    void SetRowCount(int count); // new rows are empty; removed ones free their rider

    Column &Col(int c) { return columns_.at(static_cast<std::size_t>(c)); }
    const Column &Col(int c) const { return columns_.at(static_cast<std::size_t>(c)); }
    Row &RowAt(int r) { return rows_.at(static_cast<std::size_t>(r)); }
    const Row &RowAt(int r) const { return rows_.at(static_cast<std::size_t>(r)); }

    TColData *ColData(int c) const;
    TRijder *Rider(int r) const {
        if (r < 0 || r >= RowCount())
            return nullptr;
        return rows_[static_cast<std::size_t>(r)].Rider.get();
    }

    void InsertColumn(int at);
    void DeleteColumn(int c);
    void InsertRow(int at);
    void DeleteRow(int r);
    void MoveRow(int from, int to); // as a dragged row: the rows between shift by one

    int FixedCols = 1;
    int FixedRows = 1;
    int CurCol = 1; // current cell
    int CurRow = 1;
    int TopRow = 1;
    int LeftCol = 1;
    int DefaultRowHeight = 24;
    GridFont Font;

private:
    std::vector<Column> columns_;
    std::vector<Row> rows_;
};

// One class.
class TKlasse {
public:
    ClassGrid Grid;
    FixedString<30> Name;
    int32_t RiderCount = 0;
    int32_t InfoCount = 0;
    int32_t ResultCount = 0;
    int32_t ClassIndex = 0;
    uint8_t CalcState = 0;
    int32_t FirstResultCol = 3;
    std::string CalcInfo;

    TColData *ColData(int c) const { return Grid.ColData(c); }
    TRijder *Rider(int r) const { return Grid.Rider(r); }
    // Grid column of result number n (1-based).
    int ResultColumn(int n) const { return FirstResultCol + n - 1; }
};

// The one open competition.
struct Competition {
    ClubRec Club;
    PrintSettings Print;
    std::vector<std::unique_ptr<TKlasse>> Classes; // tab order
    int ActiveClass = -1;                          // selected tab with a class, -1 = none
    std::string FileName;
    uint8_t Modified = 0; // ModifiedData / ModifiedClasses: written by its document only

    TKlasse *Active() const;
    int ClassCount() const { return static_cast<int>(Classes.size()); }
};

// ---- interfaces of the model ----------------------------------------------
std::unique_ptr<TKlasse> CreateClass(const ClubRec &club, std::string_view name);
void RemoveStandings(TKlasse &klasse);
// RemoveStandings, CountColumns and the row numbers "1".."n" with the
// corner heading " " again.
void RemoveClassStandings(TKlasse &klasse);
// Writes each rider row's number into column 0 (empty for a row without a rider).
void RenumberRows(TKlasse &klasse);
void AddColumnObjects(TKlasse &klasse, int fromCol, int toCol, int number, int kind);
void RebuildFixedColumns(TKlasse &klasse, const ClubRec &club);
int CountColumns(TKlasse &klasse);
int NewRiderRow(TKlasse &klasse, ClubRec &club);
bool IsEmptyRider(const TRijder &rider);
bool HasAnyResult(const TRijder &rider);
int GetResult(const TRijder &rider, int n);
bool IsDropped(const TRijder &rider, int n);
// Takes the drop mark off every result of the rider.
void ClearDropMarks(TRijder &rider);

std::string CellText(const ClubRec &club, const TRijder &rider, int kind, int n);
void SetCellText(const ClubRec &club, TRijder &rider, std::string_view text, int kind, int n);
std::string NumberText(const ClubRec &club, int value);
std::string AverageText(int total, int count); // the text of kind 9
std::string NameDisplay(std::string_view name);
int LenientStrToInt(std::string_view text);
int PointsForPosition(const ClubRec &club, int p);
int PositionForPoints(const ClubRec &club, int v);

enum class StorageMethod {
    Positions, // "Finish volgorde": results hold finish positions
    Points,    // "Punten toekenning": results hold points
};

// The storage method of the competition (Options bit 32).
StorageMethod StorageOf(const ClubRec &club);

// A stored result in the other storage method, by the club's points table:
// a finish position becomes its points (to Points), points their position
// (to Positions). 0 and no result (-1) stay as they are.
int16_t ConvertedResult(const ClubRec &club, int16_t value, StorageMethod to);
// Every result 1..50 of the rider converted so.
void ConvertRiderResults(const ClubRec &club, TRijder &rider, StorageMethod to);
std::string AverageMethodLabel(const ClubRec &club);

void SetDefaults(Competition &comp);
void SetSimpleTieMethod(ClubRec &club, int tag);
uint32_t SetBit(uint32_t set, int bit, bool on);
bool TestBit(uint32_t set, int bit);

} // namespace rondaxa
