// What a dialog may ask of the window that shows the competition: show
// another class, put the grid's cursor on a cell, close the windows that
// stay open beside the grid. The main window implements it; dialogs get it
// instead of the main window itself, and tests can hand them a fake.
#pragma once

namespace rondaxa {

class Competition;

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
    // Closes the rider details and quick search windows where they are open.
    virtual void CloseModelessWindows() = 0;
};

} // namespace rondaxa
