// The open competition's document: the one owner of the competition through
// which stored data changes. It runs each change as a step over the part of
// the competition the change may touch, keeps what that part held before so
// the step can be taken back and done again, writes the modified state, and
// tells its observers what changed.
#pragma once

#include "core/model/model.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rondaxa {

// What the views of a competition hear from its document. Every notice comes
// after the change is complete.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    // Classes were added, removed, renamed or reordered, or the whole
    // competition was replaced: everything shown may have changed.
    virtual void ClassListChanged() {}
    // One class's rows, columns or information blocks changed (tab position).
    virtual void ClassChanged(int tab) { (void)tab; }
    // Texts of one class's cells changed; its rows and columns did not.
    virtual void CellsChanged(int tab, int col, int row) {
        (void)tab;
        (void)col;
        (void)row;
    }
    // ClubRec or the print settings changed (result mode, names, points, ...).
    virtual void ClubSettingsChanged() {}
    // How the competition is shown changed (fonts, colours, shown fields).
    virtual void DisplaySettingsChanged() {}
    virtual void ModifiedChanged(bool modified) { (void)modified; }
};

// The part of the competition a step may change, and how its change is
// announced. A class step keeps a copy of that class (and of the small
// settings records); a competition step keeps a copy of the classes it
// changed only.
struct StepScope {
    enum class Kind {
        Cells,           // texts of one class's cells: CellsChanged
        Class,           // one class's structure: ClassChanged
        Competition,     // classes added, removed, reordered or several changed: ClassListChanged
        ClubSettings,    // settings, possibly converting results of every class
        DisplaySettings, // how the competition is shown
    };
    Kind kind = Kind::Class;
    int tab = -1; // the class of a Cells or Class step
    int col = -1; // the cell a Cells step changed, where there is one
    int row = -1;

    static StepScope Cells(int tab, int col, int row) { return {Kind::Cells, tab, col, row}; }
    static StepScope Class(int tab) { return {Kind::Class, tab, -1, -1}; }
    static StepScope WholeCompetition() { return {Kind::Competition, -1, -1, -1}; }
    static StepScope ClubSettings() { return {Kind::ClubSettings, -1, -1, -1}; }
    static StepScope DisplaySettings() { return {Kind::DisplaySettings, -1, -1, -1}; }
    bool OneClass() const { return kind == Kind::Cells || kind == Kind::Class; }
};

class CompetitionDocument;

// One step that changed the competition: what its part held on the other
// side of the step. Undo and redo exchange that with the competition, so a
// step holds one copy whichever way it was last taken.
class DocumentStep {
public:
    ~DocumentStep();
    DocumentStep(const DocumentStep &) = delete;
    DocumentStep &operator=(const DocumentStep &) = delete;

    const StepScope &Scope() const { return scope_; }
    const std::string &Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }
    // The bytes this step keeps (its copy of the competition's part).
    std::size_t MemoryUse() const;

private:
    friend class CompetitionDocument;
    struct Kept;
    struct ClassEntry;
    explicit DocumentStep(StepScope scope);

    StepScope scope_;
    std::string text_;
    std::unique_ptr<Kept> kept_;
};

class CompetitionDocument {
public:
    CompetitionDocument();
    ~CompetitionDocument();
    CompetitionDocument(const CompetitionDocument &) = delete;
    CompetitionDocument &operator=(const CompetitionDocument &) = delete;

    // The competition, to read, and to change within Perform or Replace.
    Competition &Comp() { return comp_; }
    const Competition &Comp() const { return comp_; }

    void AddObserver(DocumentObserver *observer);
    void RemoveObserver(DocumentObserver *observer);

    // Runs change as one step over scope. When the competition's part
    // differs afterwards, the competition is modified, the observers hear of
    // it, and the step comes back to be undone later; when nothing changed
    // nothing comes back. A step run while another runs becomes part of that
    // one (the outer scope must cover it). An exception from change leaves
    // what change did, announced and modified, and goes on.
    std::unique_ptr<DocumentStep> Perform(const StepScope &scope, std::string text,
                                          const std::function<void()> &change);
    // Takes back the last step performed or redone, and does it again. Steps
    // are undone in the reverse order of their doing and redone in order.
    void Undo(DocumentStep &step);
    void Redo(DocumentStep &step);
    bool InStep() const { return depth_ > 0; }

    // Runs change as a replacement of the whole competition that cannot be
    // undone (open, new, import). Observers hear that everything changed.
    void Replace(const std::function<void()> &change);

    // The modified state: ModifiedData / ModifiedClasses bits, 0 = as saved.
    uint8_t Modified() const { return comp_.Modified; }
    bool IsModified() const { return comp_.Modified != 0; }
    // A change that is no step of its own (it cannot be taken back).
    void MarkModified(uint8_t bits = ModifiedData);
    // The competition is as on disk: after a save or a load, or after undoing
    // back to the saved state.
    void MarkUnmodified();

    // Announces a change that was made to a view's part without a step (a
    // heading's sort, a row dragged): the observers follow and the
    // competition is modified.
    void AnnounceClass(int tab);

private:
    void Exchange(DocumentStep &step);
    void KeepBefore(DocumentStep &step);
    bool KeepDifference(DocumentStep &step);
    void Announce(const StepScope &scope);
    void SetModified(uint8_t bits);

    Competition comp_;
    std::vector<DocumentObserver *> observers_;
    int depth_ = 0;
};

// Deep copy and comparison of classes (grid, column data, riders, counts and
// state; the riders' working fields count while the class shows standings).
std::unique_ptr<TKlasse> CloneClass(const TKlasse &klasse);
bool SameClass(const TKlasse &a, const TKlasse &b);

} // namespace rondaxa
