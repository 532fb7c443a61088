#include "core/results/result_info.h"

#include "core/model/class_grid.h"

#include <algorithm>

namespace rondaxa {

int FindInfoBlock(const TKlasse &klasse, int col) {
    const ClassGrid &grid = klasse.Grid;
    for (int c = 1; c < grid.ColCount(); ++c) {
        const TColData *data = grid.ColData(c);
        if (!data || data->Kind != KindResult || !data->Info)
            continue;
        const int first = klasse.ResultColumn(data->Info->FromCol);
        const int last = klasse.ResultColumn(data->Info->ToCol);
        if (first <= col && col <= last)
            return first;
    }
    return -1;
}

TypedDate CompleteDate(TypedDate date, CalendarDate today) {
    if (date.Day == 0 && date.Month != today.Month && date.Year != today.Year)
        return date;
    if (date.Day == 0)
        date.Day = today.Day;
    if (date.Month == 0)
        date.Month = today.Month;
    if (date.Year == 0)
        date.Year = today.Year;
    return date;
}

namespace {

std::string ZeroPadded(int value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

} // namespace

std::string StoredDateFromText(std::string_view text, CalendarDate today) {
    const TypedDate date = CompleteDate(ParseDateText(text, 0), today);
    // Parts wider than the stored form would shift the others; such a date
    // is no date.
    if (date.Day < 1 || date.Month < 1 || date.Year < 1 || date.Day > 99 || date.Month > 99 ||
        date.Year > 9999)
        return {};
    return ZeroPadded(date.Year, 4) + ZeroPadded(date.Month, 2) + ZeroPadded(date.Day, 2);
}

void SetPageFrom(InfoPage &page, int from) {
    page.From = from;
    if (page.From > page.To)
        page.To = page.From;
}

void SetPageTo(InfoPage &page, int to) {
    page.To = to;
    if (page.To < page.From)
        page.From = page.To;
}

namespace {

ResultInfo *BlockOwnedBy(const TKlasse &klasse, int col) {
    const TColData *data = klasse.ColData(col);
    return col >= 3 && data && data->Kind == KindResult ? data->Info.get() : nullptr;
}

void DeleteBlockAt(TKlasse &klasse, int col) {
    if (TColData *data = klasse.ColData(col); data && col >= 3)
        data->Info.reset();
}

} // namespace

void LoadInfoPage(InfoPage &page, const TKlasse &klasse, int col) {
    if (col == page.LoadedCol)
        return;
    page.LoadedCol = col;
    page.DateEdited = false;
    page.CheckClicked = false;
    if (const ResultInfo *info = BlockOwnedBy(klasse, col)) {
        page.Work = *info;
        page.From = info->FromCol;
        page.To = info->ToCol;
        page.Remark = info->Remark.str();
        page.DateText = FormatStoredDate(info->Date, 0, true);
        page.NotCounting = info->NotCounting();
        return;
    }
    page.Remark.clear();
    page.DateText.clear();
    page.NotCounting = false;
    page.Work = ResultInfo{};
    const TColData *cursor = klasse.ColData(klasse.Grid.CurCol);
    SetPageFrom(page, cursor && cursor->Kind == KindResult ? cursor->Number : 1);
}

void LeaveDateField(InfoPage &page, CalendarDate today) {
    page.Work.Date = StoredDateFromText(page.DateText, today);
    page.DateText = FormatStoredDate(page.Work.Date, 0, true);
}

namespace {

bool PageUnchanged(const InfoPage &page, int s, int t) {
    return !page.DateEdited && !page.CheckClicked && page.Remark == page.Work.Remark.str() &&
           s == page.Work.FromCol && t == page.Work.ToCol;
}

const char *const kOverlapQuestion = "De gekozen reeks uitslagen zal andere\n"
                                     "bestaande uitslag informatie overschrijven !\n"
                                     "Nieuwe uitslag informatie accepteren ?";

// Deletes the blocks of other ranges that reach into s .. t, after one
// question; the block of the loaded page is not one of them.
Answer ClearOverlappedBlocks(TKlasse &klasse, int s, int t, int loadedOwner, Prompts &prompts) {
    bool asked = false;
    for (int n = s; n <= t; ++n) {
        const int owner = FindInfoBlock(klasse, klasse.ResultColumn(n));
        if (owner == -1 || owner == loadedOwner)
            continue;
        if (!asked) {
            asked = true;
            const Answer answer = prompts.Ask(kOverlapQuestion, Buttons::YesNoCancel);
            if (answer != Answer::Yes)
                return answer;
        }
        DeleteBlockAt(klasse, owner);
    }
    return Answer::Yes;
}

} // namespace

Answer StoreInfoPage(InfoPage &page, Competition &comp, TKlasse &klasse, Prompts &prompts) {
    const int resultCount = klasse.ResultCount;
    const int s = std::min(page.From, resultCount);
    int t = std::min(page.To, resultCount);
    if (PageUnchanged(page, s, t))
        return Answer::Yes;
    if (s < 1)
        return Answer::Yes; // a class without result columns has nothing to store
    t = std::max(t, s);

    const int f = page.Work.FromCol, l = page.Work.ToCol;
    const int loadedOwner = f >= 1 ? klasse.ResultColumn(f) : -1;
    const Answer answer = ClearOverlappedBlocks(klasse, s, t, loadedOwner, prompts);
    if (answer != Answer::Yes)
        return answer;

    // A new range that does not reach the old one leaves the old block.
    if (f >= 1 && s <= l && f <= t)
        DeleteBlockAt(klasse, loadedOwner);

    page.Work.Remark = page.Remark;
    page.Work.FromCol = s;
    page.Work.ToCol = t;
    page.Work.InfoFlags = page.NotCounting ? InfoNotCounting : 0;
    const int owner = klasse.ResultColumn(s);
    if (!page.Work.Date.empty() || !page.Work.Remark.empty())
        klasse.ColData(owner)->Info = std::make_unique<ResultInfo>(page.Work);
    else
        DeleteBlockAt(klasse, owner); // the non-counting flag alone keeps no block

    // The page now shows what was stored.
    page.From = s;
    page.To = t;
    page.LoadedCol = owner;
    page.DateEdited = false;
    page.CheckClicked = false;
    ColourInfoColumns(klasse, comp.Club);
    return Answer::Yes;
}

int NextPageColumn(const InfoPage &page, const TKlasse &klasse) {
    const int columns = klasse.Grid.ColCount();
    const int after = klasse.FirstResultCol + std::max(page.Work.ToCol, 0);
    for (int c = after; c < columns; ++c)
        if (const int owner = FindInfoBlock(klasse, c); owner != -1)
            return owner;
    if (page.Work.ToCol > 0 && after < columns)
        return after;
    return klasse.FirstResultCol < columns ? klasse.FirstResultCol : -1;
}

int PreviousPageColumn(const InfoPage &page, const TKlasse &klasse) {
    int c = klasse.FirstResultCol + page.Work.FromCol - 2;
    if (c < 3)
        c = klasse.Grid.CurCol - 1;
    for (; c >= 3; --c)
        if (const int owner = FindInfoBlock(klasse, c); owner != -1)
            return owner;
    return -1;
}

// ---- synchronisation --------------------------------------------------------

std::vector<bool> SynchroTargets(Competition &comp, int source) {
    std::vector<bool> targets(comp.Classes.size(), false);
    if (source < 0 || source >= comp.ClassCount())
        return targets;
    CountColumns(*comp.Classes[static_cast<std::size_t>(source)]);
    const int n = comp.Classes[static_cast<std::size_t>(source)]->ResultCount;
    for (int i = 0; i < comp.ClassCount(); ++i) {
        TKlasse &klasse = *comp.Classes[static_cast<std::size_t>(i)];
        CountColumns(klasse);
        targets[static_cast<std::size_t>(i)] = i != source && klasse.ResultCount == n;
    }
    return targets;
}

std::string SynchroQuestion(std::string_view className) {
    std::string text = "Uitslagen Informatie van de klasse \"";
    text += className;
    text += "\"\n\rKopi\xEBren naar de geselecteerde doel klasse(n) ?";
    return text;
}

namespace {

// The block that result column k of the target gets from the source's block.
ResultInfo CopyOfBlock(const ResultInfo &source, const ResultInfo *own, const SynchroChoice &choice) {
    ResultInfo copy = source;
    copy.InfoFlags = 0;
    if (!choice.CopyDate)
        copy.Date = "";
    if (!choice.CopyRemark)
        copy.Remark = "";
    if (own && choice.Supplement) {
        if (!own->Date.empty())
            copy.Date = own->Date;
        if (!own->Remark.empty())
            copy.Remark = own->Remark;
    }
    return copy;
}

void CopyBlocks(const TKlasse &source, TKlasse &target, int n, const SynchroChoice &choice) {
    for (int k = 1; k <= n; ++k) {
        const TColData *from = source.ColData(source.ResultColumn(k));
        TColData *to = target.ColData(target.ResultColumn(k));
        if (!from || !to)
            continue;
        if (from->Info)
            to->Info = std::make_unique<ResultInfo>(CopyOfBlock(*from->Info, to->Info.get(), choice));
        else if (!choice.Supplement)
            to->Info.reset();
    }
}

} // namespace

bool SynchroniseInfo(Competition &comp, const SynchroChoice &choice, Prompts &prompts) {
    if ((!choice.CopyDate && !choice.CopyRemark) || choice.Source < 0 || choice.Source >= comp.ClassCount())
        return false;
    TKlasse &source = *comp.Classes[static_cast<std::size_t>(choice.Source)];
    CountColumns(source);
    const int n = source.ResultCount;
    if (n < 1)
        return false;
    if (prompts.AskCaptioned("Informatie Uitslagen synchroniseren", SynchroQuestion(source.Name.str()),
                             Buttons::YesNo) != Answer::Yes)
        return false;
    for (int i = 0; i < comp.ClassCount(); ++i) {
        TKlasse &target = *comp.Classes[static_cast<std::size_t>(i)];
        if (i == choice.Source || static_cast<std::size_t>(i) >= choice.Targets.size() ||
            !choice.Targets[static_cast<std::size_t>(i)])
            continue;
        CountColumns(target);
        if (target.ResultCount != n)
            continue;
        CopyBlocks(source, target, n, choice);
        ColourInfoColumns(target, comp.Club);
    }
    return true;
}

} // namespace rondaxa
