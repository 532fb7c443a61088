// The problem list: a modal window with the findings of a command (the
// results check, or the ties a standings calculation could not settle).
// Clicking an entry brings the main window's grid to the class and row
// concerned; the window stays open for more clicks. It follows the
// competition while it is shown: the results check is run again over a
// changed class, and ties of a changed class go (their standings are gone);
// the entry chosen stays chosen where it is still there.
#pragma once

#include "core/scoring/problem_list.h"

#include <QDialog>

#include <functional>

class QListWidget;

namespace rondaxa {

class GridHost;

class TToonBox : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpCheckList = 275;
    static constexpr int kHelpTieList = 315;

    explicit TToonBox(GridHost &host, QWidget *parent = nullptr);

    // An empty text is not added. tag: the result column (results check) or
    // the class's tab position (ties); row: the last row of a tied group.
    void AddProblem(const std::string &text, int tag, int row = 0);
    bool HasProblems() const { return problems_.HasProblems(); }
    // What a command fills (the tie report writes into it directly).
    ProblemList &Problems() { return problems_; }

    // Show the entries modally, then empty the list. recheck finds the
    // findings of the results check again after a change of its class (tab).
    using Recheck = std::function<void(ProblemList &)>;
    void ShowCheckList(int tab = -1, Recheck recheck = {}); // "Gevonden fouten"
    void ShowTieList();                                     // "Stand niet kunnen bepalen van:"

    // For tests: the list widget, and the click on entry i.
    QListWidget *List() const { return list_; }
    void ListBox1Click(int index);

private:
    enum class Mode { Check, Ties };

    void ShowList(Mode mode, const QString &title, int helpContext);
    void ShowEntries();
    // The competition changed: class `tab`, or every class (-1).
    void FollowChange(int tab);
    void ClickCheckEntry(const Problem &entry);
    void ClickTieEntry(const Problem &entry);

    GridHost &host_;
    ProblemList problems_;
    QListWidget *list_;
    Mode mode_ = Mode::Check;
    int helpContext_ = kHelpCheckList;
    int checkTab_ = -1;
    Recheck recheck_;
};

} // namespace rondaxa
