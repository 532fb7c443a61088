// Fuzz target: the competition file reader, followed by what a user does
// next with a file that was accepted: the grid's texts, a kind of final
// standings, the sorts, the text and HTML export, and saving to memory and
// reading that back, which must give the same bytes again.
#include "fuzz/fuzz_support.h"

#include "core/model/clipboard_record.h"
#include "core/model/kzb_file.h"
#include "core/reports/text_export.h"
#include "core/scoring/final_standings.h"
#include "core/scoring/sorting.h"

#include <cstdlib>

namespace {

using namespace rondaxa;

// Every kind of standings the final-standings dialog can ask for.
constexpr uint32_t kStandingsKinds[] = {
    CalcOptions::GrossNet | CalcOptions::Net | CalcOptions::Gross, CalcOptions::GrossNet | CalcOptions::Net,
    CalcOptions::GrossNet | CalcOptions::Gross | CalcOptions::Daily,
    0, // averages
};

void ShowEveryCell(const Competition &comp) {
    for (const auto &klasse : comp.Classes) {
        const ClassGrid &grid = klasse->Grid;
        for (int r = 1; r < grid.RowCount(); ++r) {
            const TRijder *rider = grid.Rider(r);
            if (!rider)
                continue;
            for (int c = 0; c < grid.ColCount(); ++c)
                if (const TColData *data = grid.ColData(c))
                    fuzz::Consume(CellText(comp.Club, *rider, data->Kind, data->Number));
        }
        if (grid.RowCount() > 1)
            fuzz::Consume(RiderCopyText(*klasse, comp.Club, 1, true, true));
    }
}

void ExportBothWays(Competition &comp, bool extras) {
    ExportChoices choices = OpenExportChoices(comp, ExportMemory{});
    choices.Classes = ExportClassChoice::All;
    choices.Info = true;
    choices.EmptyResult = extras;
    choices.JoinResults = extras;
    choices.ZeroEmpty = extras;
    for (ExportFileType type : {ExportFileType::Text, ExportFileType::Html}) {
        choices.FileType = type;
        fuzz::Consume(ExportStandings(comp, choices));
    }
}

// One kind of standings, chosen by a byte of the input so that the fuzzer
// reaches every kind without paying for all of them on every input.
void CalculateOneKind(Competition &comp, uint8_t choice) {
    CalcOptions options;
    options.Value = kStandingsKinds[choice % 4] | CalcOptions::AllClasses;
    options.SetHorsConcoursChoice((choice / 4) % 4);
    ProblemList problems;
    CalculateFinalStandings(comp, options, 0, 0, &problems);
    ExportBothWays(comp, choice & 16);
    ShowEveryCell(comp);
    // The current class alone, with a count the user typed.
    options.Set(CalcOptions::AllClasses, false);
    CalculateFinalStandings(comp, options, 0, choice / 32, &problems);
}

void SortEveryWay(Competition &comp) {
    for (auto &klasse : comp.Classes) {
        for (int mode = ModeInputOrder; mode <= ModeExtra3; ++mode)
            SortClass(comp.Club, *klasse, mode, 1 + mode % kMaxResults, mode % 2, mode % 3 == 0, HcNoPlace);
        for (int c = 0; c < klasse->Grid.ColCount(); ++c)
            SortByHeading(comp.Club, *klasse, c, HcNoPlace);
    }
}

// Saving writes what reading gives back: the same bytes a second time.
void SaveAndReadBack(Competition &comp) {
    for (auto &klasse : comp.Classes)
        RemoveClassStandings(*klasse);
    const Bytes first = SerializeCompetition(comp);
    std::unique_ptr<Competition> again = ParseCompetition(first);
    if (!again || SerializeCompetition(*again) != first)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    std::unique_ptr<Competition> comp = ParseCompetition(Bytes(data, data + size));
    if (!comp)
        return 0;
    ShowEveryCell(*comp);
    CalculateOneKind(*comp, data[size - 1]);
    SortEveryWay(*comp);
    SaveAndReadBack(*comp);
    return 0;
}
