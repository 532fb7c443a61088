// The problem list: findings of a command that the user can click to reach
// the class and row concerned (the window TToonBox shows it). A plain list;
// the window decides how an entry's tag and row are used.
#pragma once

#include <string>
#include <vector>

namespace rondaxa {

struct Problem {
    std::string Text; // cp1252, may hold a tab
    int Tag = 0;      // tie report: the class's ClassIndex; results check: the result column
    int Row = 0;      // tie report: the last grid row of the group; 0 when not used
};

class ProblemList {
public:
    // An empty text is not added.
    void AddProblem(std::string text, int tag, int row = 0) {
        if (!text.empty())
            entries_.push_back(Problem{std::move(text), tag, row});
    }
    bool HasProblems() const { return !entries_.empty(); }
    const std::vector<Problem> &Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

private:
    std::vector<Problem> entries_;
};

} // namespace rondaxa
