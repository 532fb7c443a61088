// What a user does next with a competition that came from outside bytes
// (a file, an import, an entered list), for the fuzz targets: the grid's
// texts, a kind of final standings, the sorts, the text and HTML export, and
// saving to memory and reading that back, which must give the same bytes
// again.
#pragma once

#include "fuzz/fuzz_support.h"

#include "core/model/clipboard_record.h"
#include "core/model/kzb_file.h"
#include "core/reports/text_export.h"
#include "core/scoring/final_standings.h"
#include "core/scoring/sorting.h"

#include <cstdlib>
#include <string>

namespace rondaxa::fuzz {

// Every kind of standings the final-standings dialog can ask for.
inline constexpr uint32_t kStandingsKinds[] = {
    CalcOptions::GrossNet | CalcOptions::Net | CalcOptions::Gross, CalcOptions::GrossNet | CalcOptions::Net,
    CalcOptions::GrossNet | CalcOptions::Gross | CalcOptions::Daily,
    0, // averages
};

inline void ShowEveryCell(const Competition &comp) {
    for (const auto &klasse : comp.Classes) {
        const ClassGrid &grid = klasse->Grid;
        for (int r = 1; r < grid.RowCount(); ++r) {
            const TRijder *rider = grid.Rider(r);
            if (!rider)
                continue;
            for (int c = 0; c < grid.ColCount(); ++c)
                if (const TColData *data = grid.ColData(c))
                    Consume(CellText(comp.Club, *rider, data->Kind, data->Number));
        }
        if (grid.RowCount() > 1)
            Consume(RiderCopyText(*klasse, comp.Club, 1, true, true));
    }
}

inline void ExportBothWays(Competition &comp, bool extras) {
    ExportChoices choices = OpenExportChoices(comp, ExportMemory{});
    choices.Classes = ExportClassChoice::All;
    choices.Info = true;
    choices.EmptyResult = extras;
    choices.JoinResults = extras;
    choices.ZeroEmpty = extras;
    for (ExportFileType type : {ExportFileType::Text, ExportFileType::Html}) {
        choices.FileType = type;
        Consume(ExportStandings(comp, choices));
    }
}

// One kind of standings, chosen by a byte of the input so that the fuzzer
// reaches every kind without paying for all of them on every input.
inline void CalculateOneKind(Competition &comp, uint8_t choice) {
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

// Sorting in one mode in three and by a clicked heading in one column in
// four, chosen by the input, so that every mode and column is reached
// without sorting in all of them on every input.
inline void SortEveryWay(Competition &comp, uint8_t choice) {
    for (auto &klasse : comp.Classes) {
        for (int mode = ModeInputOrder + choice % 3; mode <= ModeExtra3; mode += 3)
            SortClass(comp.Club, *klasse, mode, 1 + mode % kMaxResults, mode % 2, mode % 3 == 0, HcNoPlace);
        for (int c = choice >> 6; c < klasse->Grid.ColCount(); c += 4)
            SortByHeading(comp.Club, *klasse, c, HcNoPlace);
    }
}

// Saving writes what reading gives back: the same bytes a second time.
inline void SaveAndReadBack(Competition &comp) {
    for (auto &klasse : comp.Classes)
        RemoveClassStandings(*klasse);
    const Bytes first = SerializeCompetition(comp);
    std::unique_ptr<Competition> again = ParseCompetition(first);
    if (!again || SerializeCompetition(*again) != first)
        std::abort();
}

// A class of three riders with five results, as small as a paste needs.
inline std::unique_ptr<Competition> SmallCompetition() {
    auto comp = std::make_unique<Competition>();
    SetDefaults(*comp);
    auto klasse = CreateClass(comp->Club, "MX1");
    for (int r = 1; r <= 3; ++r) {
        TRijder &rider = *klasse->Rider(NewRiderRow(*klasse, comp->Club));
        rider.Name = "Rijder " + std::to_string(r);
        rider.StartNo = std::to_string(r);
        for (int n = 1; n <= 5; ++n)
            rider.Results[static_cast<std::size_t>(n)] = static_cast<int16_t>((r + n) % 4);
    }
    klasse->ResultCount = 5;
    RebuildFixedColumns(*klasse, comp->Club);
    comp->Classes.push_back(std::move(klasse));
    comp->ActiveClass = 0;
    return comp;
}

// All of it; choice picks the kind of standings.
inline void UseCompetition(Competition &comp, uint8_t choice) {
    ShowEveryCell(comp);
    CalculateOneKind(comp, choice);
    SortEveryWay(comp, choice);
    SaveAndReadBack(comp);
}

} // namespace rondaxa::fuzz
