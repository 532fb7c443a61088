#include "core/model/document.h"

#include "core/model/kzb_file.h"

#include <algorithm>

namespace rondaxa {

// ---- copies and comparison of classes -------------------------------------------

namespace {

std::unique_ptr<TColData> CloneColData(const TColData *data) {
    if (!data)
        return nullptr;
    auto copy = std::make_unique<TColData>();
    if (data->Info)
        copy->Info = std::make_unique<ResultInfo>(*data->Info);
    copy->Kind = data->Kind;
    copy->Number = data->Number;
    copy->Color = data->Color;
    copy->SortDir = data->SortDir;
    return copy;
}

bool SameInfo(const ResultInfo *a, const ResultInfo *b) {
    if (!a || !b)
        return a == b;
    return a->Date == b->Date && a->Remark == b->Remark && a->FromCol == b->FromCol && a->ToCol == b->ToCol &&
           a->InfoFlags == b->InfoFlags;
}

bool SameColData(const TColData *a, const TColData *b) {
    if (!a || !b)
        return a == b;
    return SameInfo(a->Info.get(), b->Info.get()) && a->Kind == b->Kind && a->Number == b->Number &&
           a->Color == b->Color && a->SortDir == b->SortDir;
}

// The working fields of a calculation count only while standings are shown.
bool SameRider(const TRijder *a, const TRijder *b, bool withWorkingFields) {
    if (!a || !b)
        return a == b;
    const bool stored = a->Name == b->Name && a->StartNo == b->StartNo && a->Results == b->Results &&
                        a->Extra1 == b->Extra1 && a->Extra2 == b->Extra2 && a->Extra3 == b->Extra3 &&
                        a->Id == b->Id && a->Flags == b->Flags;
    return stored && (!withWorkingFields ||
                      (a->SortKey == b->SortKey && a->CalcNet == b->CalcNet && a->CalcTotal == b->CalcTotal &&
                       a->SavedResults == b->SavedResults && a->CalcMarks == b->CalcMarks));
}

bool SameFont(const GridFont &a, const GridFont &b) {
    return a.Name == b.Name && a.Size == b.Size && a.Color == b.Color && a.Style == b.Style;
}

// The grid's contents; the cursor, the scroll position and the column widths
// belong to the view and are copied, not compared.
bool SameGrid(const ClassGrid &a, const ClassGrid &b, bool withWorkingFields) {
    if (a.ColCount() != b.ColCount() || a.RowCount() != b.RowCount() || a.FixedCols != b.FixedCols ||
        a.FixedRows != b.FixedRows || a.DefaultRowHeight != b.DefaultRowHeight || !SameFont(a.Font, b.Font))
        return false;
    for (int c = 0; c < a.ColCount(); ++c)
        if (a.Col(c).Heading != b.Col(c).Heading || !SameColData(a.ColData(c), b.ColData(c)))
            return false;
    for (int r = 0; r < a.RowCount(); ++r)
        if (a.RowAt(r).Label != b.RowAt(r).Label || !SameRider(a.Rider(r), b.Rider(r), withWorkingFields))
            return false;
    return true;
}

} // namespace

std::unique_ptr<TKlasse> CloneClass(const TKlasse &klasse) {
    auto copy = std::make_unique<TKlasse>();
    const ClassGrid &from = klasse.Grid;
    ClassGrid &to = copy->Grid;
    to.SetColCount(from.ColCount());
    for (int c = 0; c < from.ColCount(); ++c) {
        to.Col(c).Heading = from.Col(c).Heading;
        to.Col(c).Width = from.Col(c).Width;
        to.Col(c).Data = CloneColData(from.ColData(c));
    }
    to.SetRowCount(from.RowCount());
    for (int r = 0; r < from.RowCount(); ++r) {
        to.RowAt(r).Label = from.RowAt(r).Label;
        if (const TRijder *rider = from.Rider(r))
            to.RowAt(r).Rider = std::make_unique<TRijder>(*rider);
    }
    to.FixedCols = from.FixedCols;
    to.FixedRows = from.FixedRows;
    to.CurCol = from.CurCol;
    to.CurRow = from.CurRow;
    to.TopRow = from.TopRow;
    to.LeftCol = from.LeftCol;
    to.DefaultRowHeight = from.DefaultRowHeight;
    to.Font = from.Font;
    copy->Name = klasse.Name;
    copy->RiderCount = klasse.RiderCount;
    copy->InfoCount = klasse.InfoCount;
    copy->ResultCount = klasse.ResultCount;
    copy->ClassIndex = klasse.ClassIndex;
    copy->CalcState = klasse.CalcState;
    copy->FirstResultCol = klasse.FirstResultCol;
    copy->CalcInfo = klasse.CalcInfo;
    return copy;
}

bool SameClass(const TKlasse &a, const TKlasse &b) {
    return a.Name == b.Name && a.RiderCount == b.RiderCount && a.InfoCount == b.InfoCount &&
           a.ResultCount == b.ResultCount && a.ClassIndex == b.ClassIndex && a.CalcState == b.CalcState &&
           a.FirstResultCol == b.FirstResultCol && a.CalcInfo == b.CalcInfo &&
           SameGrid(a.Grid, b.Grid, a.CalcState != 0);
}

// ---- steps ------------------------------------------------------------------------

// One class of a competition step's other side: a kept copy, or the position
// of a class the step left as it was (which the competition holds on this
// side, at that position).
struct DocumentStep::ClassEntry {
    std::unique_ptr<TKlasse> kept;
    int live = -1;
    const TKlasse *original = nullptr; // while the step runs: the class this copy is of
};

struct DocumentStep::Kept {
    ClubRec club;
    PrintSettings print;
    int activeClass = -1;
    std::unique_ptr<TKlasse> klasse; // a class step
    std::vector<ClassEntry> classes; // a competition step
};

DocumentStep::DocumentStep(StepScope scope) : scope_(scope), kept_(std::make_unique<Kept>()) {}
DocumentStep::~DocumentStep() = default;

namespace {

std::size_t ClassMemory(const TKlasse &klasse) {
    std::size_t size = sizeof(TKlasse);
    const ClassGrid &grid = klasse.Grid;
    for (int c = 0; c < grid.ColCount(); ++c) {
        size += sizeof(ClassGrid::Column) + grid.Col(c).Heading.capacity();
        if (const TColData *data = grid.ColData(c))
            size += sizeof(TColData) + (data->Info ? sizeof(ResultInfo) : 0);
    }
    for (int r = 0; r < grid.RowCount(); ++r) {
        size += sizeof(ClassGrid::Row) + grid.RowAt(r).Label.capacity();
        if (const TRijder *rider = grid.Rider(r))
            size += sizeof(TRijder) + rider->SortKey.capacity();
    }
    return size;
}

bool SameSettings(const Competition &comp, const ClubRec &club, const PrintSettings &print) {
    return EncodeClubRec(comp.Club) == EncodeClubRec(club) &&
           EncodePrintSettings(comp.Print) == EncodePrintSettings(print);
}

} // namespace

std::size_t DocumentStep::MemoryUse() const {
    std::size_t size = sizeof(DocumentStep) + sizeof(Kept) + text_.capacity();
    if (kept_->klasse)
        size += ClassMemory(*kept_->klasse);
    for (const auto &entry : kept_->classes)
        size += sizeof(entry) + (entry.kept ? ClassMemory(*entry.kept) : 0);
    return size;
}

// ---- the document ---------------------------------------------------------------------

CompetitionDocument::CompetitionDocument() = default;
CompetitionDocument::~CompetitionDocument() = default;

void CompetitionDocument::AddObserver(DocumentObserver *observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void CompetitionDocument::RemoveObserver(DocumentObserver *observer) {
    std::erase(observers_, observer);
}

void CompetitionDocument::KeepBefore(DocumentStep &step) {
    DocumentStep::Kept &kept = *step.kept_;
    kept.club = comp_.Club;
    kept.print = comp_.Print;
    kept.activeClass = comp_.ActiveClass;
    StepScope &scope = step.scope_;
    if (scope.OneClass() && (scope.tab < 0 || scope.tab >= comp_.ClassCount()))
        scope = StepScope::WholeCompetition(); // no such class: keep them all
    if (scope.OneClass()) {
        kept.klasse = CloneClass(*comp_.Classes[static_cast<std::size_t>(scope.tab)]);
        return;
    }
    kept.classes.reserve(comp_.Classes.size());
    for (const auto &klasse : comp_.Classes)
        kept.classes.push_back(DocumentStep::ClassEntry{CloneClass(*klasse), -1, klasse.get()});
}

// After the change: whether the step changed anything; a competition step
// lets go of the copies of the classes it left as they were.
bool CompetitionDocument::KeepDifference(DocumentStep &step) {
    DocumentStep::Kept &kept = *step.kept_;
    bool changed = !SameSettings(comp_, kept.club, kept.print);
    if (step.scope_.OneClass()) {
        const int tab = step.scope_.tab;
        return changed || tab >= comp_.ClassCount() ||
               !SameClass(*kept.klasse, *comp_.Classes[static_cast<std::size_t>(tab)]);
    }
    changed = changed || kept.classes.size() != comp_.Classes.size();
    for (std::size_t i = 0; i < kept.classes.size(); ++i) {
        DocumentStep::ClassEntry &entry = kept.classes[i];
        const auto live = std::find_if(comp_.Classes.begin(), comp_.Classes.end(),
                                       [&](const auto &klasse) { return klasse.get() == entry.original; });
        if (live != comp_.Classes.end() && SameClass(*entry.kept, **live)) {
            entry.kept.reset();
            entry.live = static_cast<int>(live - comp_.Classes.begin());
            changed = changed || entry.live != static_cast<int>(i);
        } else {
            changed = true;
        }
        entry.original = nullptr;
    }
    return changed;
}

// Exchanges the step's other side with the competition.
void CompetitionDocument::Exchange(DocumentStep &step) {
    DocumentStep::Kept &kept = *step.kept_;
    std::swap(comp_.Club, kept.club);
    std::swap(comp_.Print, kept.print);
    std::swap(comp_.ActiveClass, kept.activeClass);
    if (step.scope_.OneClass()) {
        std::swap(*comp_.Classes.at(static_cast<std::size_t>(step.scope_.tab)), *kept.klasse);
    } else {
        std::vector<std::unique_ptr<TKlasse>> next;
        next.reserve(kept.classes.size());
        std::vector<int> takenBy(comp_.Classes.size(), -1);
        for (std::size_t i = 0; i < kept.classes.size(); ++i) {
            DocumentStep::ClassEntry &entry = kept.classes[i];
            if (entry.kept) {
                next.push_back(std::move(entry.kept));
            } else {
                const auto live = static_cast<std::size_t>(entry.live);
                next.push_back(std::move(comp_.Classes.at(live)));
                takenBy[live] = static_cast<int>(i);
            }
        }
        std::vector<DocumentStep::ClassEntry> other;
        other.reserve(comp_.Classes.size());
        for (std::size_t j = 0; j < comp_.Classes.size(); ++j) {
            if (takenBy[j] >= 0)
                other.push_back(DocumentStep::ClassEntry{nullptr, takenBy[j], nullptr});
            else
                other.push_back(DocumentStep::ClassEntry{std::move(comp_.Classes[j]), -1, nullptr});
        }
        comp_.Classes = std::move(next);
        kept.classes = std::move(other);
    }
    if (comp_.ActiveClass >= comp_.ClassCount())
        comp_.ActiveClass = comp_.ClassCount() - 1;
    if (comp_.ActiveClass < 0 && comp_.ClassCount() > 0)
        comp_.ActiveClass = 0;
}

std::unique_ptr<DocumentStep> CompetitionDocument::Perform(const StepScope &scope, std::string text,
                                                           const std::function<void()> &change) {
    if (depth_ > 0) {
        change();
        return nullptr;
    }
    std::unique_ptr<DocumentStep> step(new DocumentStep(scope));
    step->text_ = std::move(text);
    KeepBefore(*step);
    ++depth_;
    try {
        change();
    } catch (...) {
        --depth_;
        if (KeepDifference(*step)) {
            SetModified(ModifiedData);
            Announce(step->scope_);
        }
        throw;
    }
    --depth_;
    if (!KeepDifference(*step))
        return nullptr;
    SetModified(step->scope_.kind == StepScope::Kind::ClubSettings ? ModifiedClasses : ModifiedData);
    Announce(step->scope_);
    return step;
}

void CompetitionDocument::Undo(DocumentStep &step) {
    Exchange(step);
    SetModified(ModifiedData);
    Announce(step.scope_);
}

void CompetitionDocument::Redo(DocumentStep &step) {
    Undo(step); // the same exchange, the other way
}

void CompetitionDocument::Replace(const std::function<void()> &change) {
    ++depth_;
    try {
        change();
    } catch (...) {
        --depth_;
        Announce(StepScope::WholeCompetition());
        throw;
    }
    --depth_;
    Announce(StepScope::WholeCompetition());
}

void CompetitionDocument::AnnounceClass(int tab) {
    SetModified(ModifiedData);
    Announce(StepScope::Class(tab));
}

void CompetitionDocument::Announce(const StepScope &scope) {
    const std::vector<DocumentObserver *> observers = observers_; // an observer may leave while told
    for (DocumentObserver *observer : observers) {
        switch (scope.kind) {
        case StepScope::Kind::Cells:
            observer->CellsChanged(scope.tab, scope.col, scope.row);
            break;
        case StepScope::Kind::Class:
            observer->ClassChanged(scope.tab);
            break;
        case StepScope::Kind::Competition:
            observer->ClassListChanged();
            break;
        case StepScope::Kind::ClubSettings:
            observer->ClubSettingsChanged();
            observer->ClassListChanged();
            break;
        case StepScope::Kind::DisplaySettings:
            observer->DisplaySettingsChanged();
            break;
        }
    }
}

void CompetitionDocument::MarkModified(uint8_t bits) {
    SetModified(bits);
}

void CompetitionDocument::MarkUnmodified() {
    if (comp_.Modified == 0)
        return;
    comp_.Modified = 0; // the one place the modified state is cleared
    for (DocumentObserver *observer : std::vector<DocumentObserver *>(observers_))
        observer->ModifiedChanged(false);
}

void CompetitionDocument::SetModified(uint8_t bits) {
    const bool was = comp_.Modified != 0;
    comp_.Modified |= bits; // the one place the modified state is set
    if (!was && comp_.Modified != 0)
        for (DocumentObserver *observer : std::vector<DocumentObserver *>(observers_))
            observer->ModifiedChanged(true);
}

} // namespace rondaxa
