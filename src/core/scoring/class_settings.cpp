#include "core/scoring/class_settings.h"

#include <algorithm>

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

// ---- the whole dialog ---------------------------------------------------------

ClubSettingsForm ClubSettingsFormFor(const ClubRec &club) {
    ClubSettingsForm form;
    form.ClubName = club.ClubName.str();
    form.Points = PointsRowOf(club);
    form.Deduction = club.Deduction;
    form.TieMethod = club.TieMethod <= 3 ? club.TieMethod : 0;
    form.DropCount = club.DropCount;
    form.CountPercent = club.CountPercent;
    form.CountPlus = club.CountPlus;
    form.DropMode = (club.CalcFlags & CalcDropMode) != 0;
    form.Rounding = club.CalcFlags & 0x0F;
    form.Storage = StorageOf(club);
    form.MinOnePoint = form.Storage == StorageMethod::Positions && (club.CalcFlags & CalcMinOnePoint);
    form.AverageMethod = club.AverageMethod;
    form.ExtraLabels = {club.ExtraLabel1.str(), club.ExtraLabel2.str(), club.ExtraLabel3.str()};
    form.StatusField = club.Options & OptStatusFieldMask;
    return form;
}

bool ApplyClubSettings(Competition &comp, const ClassListEdit &classes, const ClubSettingsForm &form,
                       Prompts &prompts) {
    if (classes.Count() == 0)
        return false;
    ClubRec &club = comp.Club;
    club.ClubName = form.ClubName;
    ApplyClassList(comp, classes);
    ApplyPointsTable(club, form.Points);
    club.Deduction = DeductionInRange(form.Deduction);
    club.TieMethod = static_cast<uint8_t>(std::clamp(form.TieMethod, 0, 3));
    club.DropCount = CountInRange(form.DropCount, kMaxDropCount);
    club.CountPercent = CountInRange(form.CountPercent, kMaxCountPercent);
    club.CountPlus = CountInRange(form.CountPlus, kMaxCountPlus);
    club.AverageMethod = std::clamp(form.AverageMethod, 0, 3);
    club.CalcFlags = (form.Rounding == 1 ? CalcRoundDown : 0) | (form.DropMode ? CalcDropMode : 0) |
                     (form.MinOnePoint ? CalcMinOnePoint : 0);
    club.ExtraLabel1 = form.ExtraLabels[0];
    club.ExtraLabel2 = form.ExtraLabels[1];
    club.ExtraLabel3 = form.ExtraLabels[2];
    if (form.Storage != StorageOf(club))
        ConvertStorage(comp, form.Storage, prompts);
    club.Options =
        (club.Options & ~OptStatusFieldMask) | (std::clamp(form.StatusField, 0, 5) & OptStatusFieldMask);
    return true;
}

} // namespace rondaxa
