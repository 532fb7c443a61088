// Result information: the blocks that give a range of result columns a date,
// a remark and the non-counting flag. A block is owned by the column of its
// first result number (FromCol); the other columns of its range hold none.
#pragma once

#include "core/model/dates.h"
#include "core/model/model.h"
#include "core/platform/platform.h"

#include <string>
#include <string_view>
#include <vector>

namespace rondaxa {

// The grid column that owns the block covering grid column col, or -1 when
// no block covers it. Scans the result columns from left to right and takes
// the first block whose range contains col.
int FindInfoBlock(const TKlasse &klasse, int col);

// A typed date completed with today's date: each missing part (0) is taken
// from today, except that a date without a day whose month and year both
// differ from today's stays as typed.
TypedDate CompleteDate(TypedDate date, CalendarDate today);

// The stored form (yyyymmdd) of a typed "dag-maand-jaar" text, completed
// with today's date; empty unless day, month and year are all known.
std::string StoredDateFromText(std::string_view text, CalendarDate today);

// One page of the result-information dialog: the fields as the user sees
// them and the block that was loaded into them.
struct InfoPage {
    ResultInfo Work;         // working copy of the loaded block (zero for an empty page)
    int LoadedCol = kNoPage; // grid column of the loaded page
    int From = 1;            // "&Uitslag"
    int To = 1;              // "&t/m"
    std::string DateText;    // the date field, "dd-mm-yyyy" or empty
    bool DateEdited = false; // the user typed in the date field
    bool NotCounting = false;
    bool CheckClicked = false;
    std::string Remark;

    static constexpr int kNoPage = -1000; // before the first load
};

// "&Uitslag" changed: "&t/m" follows when it would fall below.
void SetPageFrom(InfoPage &page, int from);
// "&t/m" changed: "&Uitslag" follows when it would rise above.
void SetPageTo(InfoPage &page, int to);

// Loads the block owned by grid column col into the page, or an empty page
// at the grid cursor's result column when col holds none. Nothing happens
// when col is the loaded column.
void LoadInfoPage(InfoPage &page, const TKlasse &klasse, int col);

// The date field was left: the typed date is completed and shown again.
void LeaveDateField(InfoPage &page, CalendarDate today);

// Stores the page as the block of its first column. An unchanged page is
// not stored (Yes). Blocks of other ranges that the page's range reaches
// are deleted after one question (Yes, No or Cancel; on No or Cancel
// nothing is stored). A page with neither a date nor a remark leaves no
// block. Returns the answer.
Answer StoreInfoPage(InfoPage &page, Competition &comp, TKlasse &klasse, Prompts &prompts);

// Paging. The grid column whose block the next or previous page shows, and
// to which the grid cursor moves; -1 for "Vorige" when the page stays.
int NextPageColumn(const InfoPage &page, const TKlasse &klasse);
int PreviousPageColumn(const InfoPage &page, const TKlasse &klasse);

// ---- synchronisation --------------------------------------------------------

// The classes that can receive the information of class source: every other
// class with the same number of result columns.
std::vector<bool> SynchroTargets(Competition &comp, int source);

struct SynchroChoice {
    int Source = 0;
    std::vector<bool> Targets; // per class in tab order
    bool CopyDate = true;
    bool CopyRemark = true;
    bool Supplement = false; // "Aanv&ullen": keep the target's own date and remark
};

// The question asked before copying the information of the named class.
std::string SynchroQuestion(std::string_view className);

// Copies the blocks of the source class to the chosen classes that still
// have its number of result columns, after the question. The copies never
// carry the non-counting flag. Returns whether anything was copied.
bool SynchroniseInfo(Competition &comp, const SynchroChoice &choice, Prompts &prompts);

} // namespace rondaxa
