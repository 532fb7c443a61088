#include "core/reports/text_export.h"

#include "core/model/class_grid.h"
#include "core/model/dates.h"
#include "core/platform/files.h"
#include "core/reports/export_writer.h"

#include <algorithm>

namespace rondaxa {

namespace {

// The export's two display bits, set for the duration of the export.
class OptionsOverride : public DisplayOptionsOverride {
public:
    OptionsOverride(ClubRec &club, const ExportChoices &choices)
        : DisplayOptionsOverride(club, choices.SwapNames, choices.ZeroEmpty) {}
};

// A first guess of the size of an export, so that the string it goes to
// takes its room once instead of growing (and copying) step by step.
std::size_t ExpectedExportSize(const Competition &comp, const ExportChoices &choices) {
    constexpr std::size_t kHtmlCellBytes = 48;
    constexpr std::size_t kTextCellBytes = 6;
    std::size_t cells = 0;
    for (const auto &klasse : comp.Classes)
        cells += static_cast<std::size_t>(klasse->Grid.RowCount()) *
                 static_cast<std::size_t>(klasse->Grid.ColCount());
    if (choices.Classes != ExportClassChoice::All)
        cells /= std::max<std::size_t>(comp.Classes.size(), 1);
    return cells * (choices.FileType == ExportFileType::Html ? kHtmlCellBytes : kTextCellBytes);
}

} // namespace

DisplayOptionsOverride::DisplayOptionsOverride(ClubRec &club, bool swapNames, bool zeroEmpty)
    : club_(club), saved_(club.Options) {
    club.Options = swapNames ? (club.Options & ~OptNamesAsStored) : (club.Options | OptNamesAsStored);
    club.Options = zeroEmpty ? (club.Options | OptZeroAsEmpty) : (club.Options & ~OptZeroAsEmpty);
}

DisplayOptionsOverride::~DisplayOptionsOverride() {
    club_.Options = saved_;
}

CalcColumnBoxes AvailableCalcColumns(const Competition &comp) {
    int netGross = 0;
    bool averages = false;
    for (const auto &klasse : comp.Classes) {
        if (netGross != 2) {
            if (klasse->CalcState == 1) {
                const TColData *last = klasse->ColData(klasse->Grid.ColCount() - 1);
                netGross = last ? last->Kind : 0;
            } else if (klasse->CalcState == 2) {
                netGross = 2;
            }
        }
        if (klasse->CalcState == 3)
            averages = true;
    }
    CalcColumnBoxes boxes;
    boxes.Net = netGross == 2 || netGross == KindNet;
    boxes.Gross = netGross == 2 || netGross == KindGross || netGross == KindDailyGross;
    boxes.Total = boxes.Count = boxes.Average = averages;
    return boxes;
}

ExportChoices OpenExportChoices(const Competition &comp, const ExportMemory &memory) {
    ExportChoices choices;
    const CalcColumnBoxes enabled = AvailableCalcColumns(comp);
    if (memory.Valid)
        choices = memory.Choices;
    choices.Enabled = enabled;
    const ExportChoices &remembered = memory.Choices;
    choices.Net = enabled.Net && (!memory.Valid || remembered.Net);
    choices.Gross = enabled.Gross && (!memory.Valid || remembered.Gross);
    choices.Total = enabled.Total && (!memory.Valid || remembered.Total);
    choices.Count = enabled.Count && (!memory.Valid || remembered.Count);
    choices.Average = enabled.Average && (!memory.Valid || remembered.Average);
    if (!memory.Valid) {
        choices.SwapNames = !(comp.Club.Options & OptNamesAsStored);
        choices.ZeroEmpty = (comp.Club.Options & OptZeroAsEmpty) != 0;
    }
    choices.Selected.assign(static_cast<std::size_t>(comp.ClassCount()), false);
    return choices;
}

void StoreExportChoices(const ExportChoices &choices, ExportMemory &memory) {
    memory.Valid = true;
    memory.Choices = choices;
    memory.Choices.Selected.clear();
    for (std::string *text :
         {&memory.Choices.EmptyText, &memory.Choices.BetweenText, &memory.Choices.SeparatorText})
        if (text->size() > kExportTextMemory)
            text->resize(kExportTextMemory);
}

std::string ExportFileName(std::string_view chosen, ExportFileType type) {
    const std::size_t slash = chosen.find_last_of("/\\");
    const std::size_t dot = chosen.find_last_of('.');
    std::string name(chosen);
    if (dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash))
        name.resize(dot);
    return name + (type == ExportFileType::Html ? ".html" : ".txt");
}

void AppendExport(Competition &comp, const ExportChoices &choices, std::string &out) {
    OptionsOverride override(comp.Club, choices);
    out.reserve(out.size() + ExpectedExportSize(comp, choices));
    WriteExport(comp, choices, kExportStringBlock, [&out](std::string_view block) { out += block; });
}

std::string ExportStandings(Competition &comp, const ExportChoices &choices) {
    std::string out;
    AppendExport(comp, choices, out);
    return out;
}

void WriteExportFile(Competition &comp, const ExportChoices &choices, const std::string &path) {
    SafeWriter file(path);
    {
        OptionsOverride override(comp.Club, choices);
        WriteExport(comp, choices, kExportFileBlock, [&file](std::string_view block) { file.Write(block); });
    }
    file.Commit();
}

std::string PadLeft(std::string_view text, int width) {
    std::string padded;
    if (static_cast<int>(text.size()) < width)
        padded.assign(static_cast<std::size_t>(width) - text.size(), ' ');
    padded += text;
    return padded;
}

std::string JoinResults(const ClubRec &club, const TKlasse &klasse, const ExportChoices &choices, int row) {
    std::string joined;
    const TRijder *rider = row > 0 ? klasse.Rider(row) : nullptr;
    for (int col = klasse.FirstResultCol; KindOf(klasse, col) == KindResult; ++col) {
        const int number = klasse.ColData(col)->Number;
        const std::string item = row == 0 ? IntText(number) : ResultCellText(club, rider, choices, number);
        if (col != klasse.FirstResultCol)
            joined += choices.BetweenText;
        joined += PadLeft(item, 2);
    }
    return joined;
}

std::string ResultInfoText(const ResultInfo &info, bool showYear, std::string_view rangeMark,
                           std::string_view dateMark) {
    std::string text = IntText(info.FromCol);
    if (info.ToCol > info.FromCol) {
        text += rangeMark;
        text += IntText(info.ToCol);
    }
    text += dateMark;
    if (!info.Date.empty())
        text += FormatStoredDate(info.Date, 0, showYear);
    if (!info.Remark.empty())
        text += " " + info.Remark.str();
    return text;
}

std::vector<std::string> ResultInfoLines(const ClubRec &club, const TKlasse &klasse) {
    std::vector<std::string> lines;
    const bool showYear = (club.ViewFlags & ViewShowYear) != 0;
    for (int col = klasse.FirstResultCol; col < klasse.Grid.ColCount(); ++col) {
        const TColData *data = klasse.ColData(col);
        if (!data || !data->Info || data->Kind != KindResult)
            continue;
        const ResultInfo &info = *data->Info;
        lines.push_back(ResultInfoText(info, showYear, "-", " = "));
        // The other columns of the block are not listed again (never moving back).
        if (info.ToCol > 0)
            col = std::max(col, klasse.ResultColumn(std::min(info.ToCol, kMaxResults)));
    }
    return lines;
}

} // namespace rondaxa
