#include "scoring/class_settings.h"

#include "model/text.h"

#include <algorithm>
#include <optional>

namespace rondaxa {

// ---- the class list -----------------------------------------------------------

ClassListEdit::ClassListEdit(Competition &comp) {
    for (int i = 0; i < comp.ClassCount(); ++i) {
        TKlasse &klasse = *comp.Classes[static_cast<std::size_t>(i)];
        klasse.ClassIndex = i + 1;
        lines_.push_back(ClassLine{klasse.Name.str(), i + 1});
        existing_.push_back(i + 1);
    }
}

bool ClassListEdit::Add(std::string_view name) {
    if (name.empty() || Count() >= kMaxClasses)
        return false;
    lines_.push_back(ClassLine{std::string(name), kNewClassValue});
    return true;
}

void ClassListEdit::Rename(int line, std::string_view name) {
    if (Valid(line))
        lines_[static_cast<std::size_t>(line)].Name = name;
}

int ClassListEdit::Remove(int line) {
    if (!Valid(line))
        return -1;
    const int value = lines_[static_cast<std::size_t>(line)].Value;
    if (std::find(existing_.begin(), existing_.end(), value) != existing_.end())
        deleted_.push_back(value);
    lines_.erase(lines_.begin() + line);
    return std::min(line, Count() - 1);
}

int ClassListEdit::MoveUp(int line) {
    if (!Valid(line) || line == 0)
        return line;
    std::swap(lines_[static_cast<std::size_t>(line)], lines_[static_cast<std::size_t>(line - 1)]);
    return line - 1;
}

int ClassListEdit::MoveDown(int line) {
    if (!Valid(line) || line == Count() - 1)
        return line;
    std::swap(lines_[static_cast<std::size_t>(line)], lines_[static_cast<std::size_t>(line + 1)]);
    return line + 1;
}

namespace {

using ClassList = std::vector<std::unique_ptr<TKlasse>>;

std::unique_ptr<TKlasse> TakeClass(ClassList &classes, int classIndex) {
    for (auto it = classes.begin(); it != classes.end(); ++it) {
        if ((*it)->ClassIndex == classIndex) {
            std::unique_ptr<TKlasse> klasse = std::move(*it);
            classes.erase(it);
            return klasse;
        }
    }
    return nullptr;
}

std::unique_ptr<TKlasse> NewClass(ClubRec &club, const std::string &name) {
    std::unique_ptr<TKlasse> klasse = CreateClass(club, name);
    NewRiderRow(*klasse, club);
    return klasse;
}

} // namespace

bool ApplyClassList(Competition &comp, const ClassListEdit &edit) {
    if (edit.Count() == 0)
        return false;
    ClassList remaining = std::move(comp.Classes);
    comp.Classes.clear();
    for (int value : edit.Deleted())
        TakeClass(remaining, value); // destroyed with its riders and columns
    for (const ClassLine &line : edit.Lines()) {
        std::unique_ptr<TKlasse> klasse =
            line.Value == kNewClassValue ? NewClass(comp.Club, line.Name) : TakeClass(remaining, line.Value);
        if (!klasse)
            continue;
        klasse->Name = line.Name;
        comp.Classes.push_back(std::move(klasse));
    }
    // A class the list lost track of is kept rather than destroyed.
    for (auto &klasse : remaining)
        if (comp.ClassCount() < kMaxClasses)
            comp.Classes.push_back(std::move(klasse));
    for (int i = 0; i < comp.ClassCount(); ++i)
        comp.Classes[static_cast<std::size_t>(i)]->ClassIndex = i + 1;
    comp.Club.ClassCount = comp.ClassCount();
    comp.ActiveClass = comp.Classes.empty() ? -1 : 0;
    return true;
}

// ---- the points table ---------------------------------------------------------

PointsCells PointsCellsFor(const ClubRec &club) {
    PointsCells cells;
    for (int i = 1; i <= kPointsTableSize; ++i) {
        const int points = club.Points[static_cast<std::size_t>(i)];
        if (points != 0)
            cells[static_cast<std::size_t>(i)] = IntText(points);
    }
    return cells;
}

namespace {

// The value of a cell's text: empty is 0; anything but digits is no number.
std::optional<int> CellValue(std::string_view text) {
    if (text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    return value;
}

int FilledValue(const PointsCells &cells, int col) {
    return CellValue(cells[static_cast<std::size_t>(col)]).value_or(0);
}

bool Filled(const PointsCells &cells, int col) {
    return col >= 1 && col <= kPointsTableSize && !cells[static_cast<std::size_t>(col)].empty();
}

// Lowering the first place by d lowers the places after it by d as well, as
// far as they still stand above their predecessor and stay above 0.
void ShiftDown(PointsCells &cells, int first, int d) {
    int before = first;
    for (int col = 2; col <= kPointsTableSize; ++col) {
        if (!Filled(cells, col))
            continue;
        const int value = FilledValue(cells, col);
        if (value > before && value - d > 0)
            cells[static_cast<std::size_t>(col)] = IntText(value - d);
        before = FilledValue(cells, col);
    }
}

} // namespace

PointsCellCheck EditPointsCell(PointsCells &cells, int col, std::string_view text) {
    if (col < 1 || col > kPointsTableSize)
        return {};
    const std::optional<int> parsed = CellValue(text);
    if (!parsed)
        return {51, true};
    const int value = *parsed;
    if (value < 0 || value > kMaxResultValue)
        return {50, true};
    PointsCellCheck check;
    const int old = FilledValue(cells, col);
    if (Filled(cells, col - 1) && value > FilledValue(cells, col - 1)) {
        check.Message = 52;
    } else if (Filled(cells, col + 1) && value < FilledValue(cells, col + 1)) {
        const int d = old - value;
        if (col == 1 && d >= 10 && d % 10 == 0)
            ShiftDown(cells, value, d);
        else
            check.Message = 53;
    }
    cells[static_cast<std::size_t>(col)] = std::string(text);
    return check;
}

std::string DeductionCaption(const PointsCells &cells) {
    int filled = 0;
    for (int col = 1; col <= kPointsTableSize; ++col)
        if (Filled(cells, col))
            ++filled;
    return "Aftrek punten na plaats " + IntText(filled == 0 ? 1 : filled);
}

} // namespace rondaxa
