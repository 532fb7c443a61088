// What a dialog may ask of the window that shows the competition: show
// another class, put the grid's cursor on a cell, hear of the competition's
// changes. The main window implements it; dialogs get it instead of the main
// window itself, and tests can hand them a fake.
#pragma once

namespace rondaxa {

class Competition;
class DocumentSignals;

class GridHost {
public:
    virtual ~GridHost() = default;
    // The competition shown (its active class is the grid's class).
    virtual Competition &HostCompetition() = 0;
    // Shows the class at tab position `tab` (0-based) in the grid; an index
    // outside the tabs does nothing.
    virtual void ShowClass(int tab) = 0;
    // Makes (col, row) of the active class the current cell, scrolled into
    // view, with the status panels and the rider details window following.
    // A cell outside the grid's movable part does nothing.
    virtual void GoToCell(int col, int row) = 0;
    // The competition's change notices, for a window that stays open while
    // the competition changes; none where nothing announces changes.
    virtual DocumentSignals *HostNotices() { return nullptr; }
};

} // namespace rondaxa
