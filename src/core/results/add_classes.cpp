#include "core/results/add_classes.h"
#include "core/platform/files.h"

#include <filesystem>
#include <system_error>

namespace rondaxa {
namespace {

// A class of another file, laid out as a class of comp: its columns by the
// open competition's display settings, its font, and its first three
// columns fixed when the competition fixes them.
void AdoptClass(const Competition &comp, TKlasse &klasse) {
    klasse.Grid.Font = CreateClass(comp.Club, klasse.Name)->Grid.Font;
    RebuildFixedColumns(klasse, comp.Club);
    klasse.Grid.FixedCols = ((comp.Club.Options & OptFixedColumns) && klasse.Grid.ColCount() > 3) ? 3 : 1;
    klasse.Grid.CurCol = klasse.Grid.FixedCols;
    klasse.Grid.CurRow = 1;
}

} // namespace

ClassList ReadClassList(const Bytes &bytes) {
    ClassList list;
    if (bytes.size() < kClubRecSize) {
        list.Error = kNotFinishOrderCode;
        return list;
    }
    list.Club = DecodeClubRec(bytes.data());
    if (list.Club.Version < 2 || list.Club.Version > 4 || (list.Club.Options & OptStoreFinishOrder) == 0) {
        list.Error = kNotFinishOrderCode;
        return list;
    }
    list.Other = ParseCompetition(bytes);
    if (!list.Other) {
        list.Error = kLoadRejectedCode;
        return list;
    }
    for (const auto &klasse : list.Other->Classes)
        list.Names.push_back(klasse->Name.str());
    return list;
}

ClassList ReadClassList(const std::string &fileName) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(NativePath(fileName), ec)) {
        ClassList list;
        list.Error = kOtherFileMissingCode;
        return list;
    }
    return ReadClassList(ReadFileBytes(fileName));
}

int AddCheckedClasses(Competition &comp, const std::string &fileName, const std::vector<bool> &checked) {
    ClassList list = ReadClassList(fileName);
    if (list.Error != 0)
        return list.Error;
    auto &classes = list.Other->Classes;
    for (std::size_t i = 0; i < classes.size() && i < checked.size(); ++i) {
        if (!checked[i] || comp.ClassCount() >= kMaxClasses)
            continue;
        AdoptClass(comp, *classes[i]);
        comp.Classes.push_back(std::move(classes[i]));
    }
    comp.Club.ClassCount = comp.ClassCount();
    if (comp.ActiveClass < 0 && comp.ClassCount() > 0)
        comp.ActiveClass = 0;
    comp.Modified |= ModifiedData;
    return 0;
}

} // namespace rondaxa
