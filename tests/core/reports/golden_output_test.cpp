// The standings and exports of a generated competition, byte for byte: each
// kind of final standings under three club set-ups, with the rows in the
// order the sort leaves them (equal keys included), and the text and HTML
// export of it. A fingerprint of the whole output is compared, so that any
// change of a byte or of the order of two riders fails here.
#include "core/reports/text_export.h"
#include "core/scoring/final_standings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

// Many riders with few distinct results, so that ties reach every
// tie-break step and many keys are equal.
std::unique_ptr<Competition> GeneratedCompetition(int setup) {
    auto comp = std::make_unique<Competition>(test::MakeCompetition({}));
    ClubRec &club = comp->Club;
    club.ClubName = "MC \"Golden\" & Co";
    club.TieMethod = 3;
    club.TieSteps[1] = {1, 0};
    club.TieSteps[2] = {2, 3};
    club.TieSteps[3] = {3, 0};
    club.TieSteps[4] = {4, 0};
    club.TieSteps[5] = {5, 0};
    club.TieNotify = 3;
    club.ViewFlags = ViewExtra1 | ViewMarkDropped;
    if (setup == 1) {
        club.Options &= ~OptStoreFinishOrder; // points stored
        club.CalcFlags = CalcDropMode;
        club.AverageMethod = 2;
    } else if (setup == 2) {
        club.Options |= OptZeroAsEmpty;
        club.CalcFlags = CalcRoundDown;
        club.AverageMethod = 0;
        club.TieSteps[2] = {6, 0};
        club.TieSteps[3] = {7, 0};
        club.TieSteps[4] = {8, 0};
    }
    uint32_t seed = 20261206u + static_cast<uint32_t>(setup);
    auto next = [&seed](int below) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<uint32_t>(below));
    };
    for (int c = 0; c < 4; ++c) {
        auto klasse = CreateClass(club, "Klasse <" + std::to_string(c + 1) + ">");
        const int results = 10 + 10 * c;
        for (int r = 0; r < 120; ++r) {
            TRijder &rider = *klasse->Rider(NewRiderRow(*klasse, club));
            rider.Name = "Rijder " + std::to_string(r % 40) + ", Piet";
            rider.StartNo = std::to_string(r + 1);
            rider.Extra1 = "Plaats & " + std::to_string(r % 7);
            rider.Flags = (r % 29 == 0) ? RiderHorsConcours : 0;
            for (int n = 1; n <= results; ++n)
                rider.Results[static_cast<std::size_t>(n)] = static_cast<int16_t>(next(6) == 0 ? -1
                                                                                  : setup == 1 ? next(4) * 5
                                                                                               : 1 + next(8));
        }
        klasse->ResultCount = results;
        RebuildFixedColumns(*klasse, club);
        for (int n = 1; n <= results; n += 3) {
            auto info = std::make_unique<ResultInfo>();
            info->Date = "202604" + std::string(n < 10 ? "0" : "") + std::to_string(n);
            info->Remark = "Wedstrijd <" + std::to_string(n) + ">";
            info->FromCol = n;
            info->ToCol = std::min(n + 1, results);
            info->InfoFlags = (n == 4) ? InfoNotCounting : 0;
            klasse->ColData(klasse->ResultColumn(n))->Info = std::move(info);
        }
        CountColumns(*klasse);
        comp->Classes.push_back(std::move(klasse));
    }
    comp->ActiveClass = 0;
    return comp;
}

// FNV-1a, 64 bits.
class Fingerprint {
public:
    void Add(std::string_view text) {
        for (unsigned char ch : text) {
            hash_ ^= ch;
            hash_ *= 0x100000001B3ull;
        }
        hash_ ^= 0xFF; // a separator that no text ends with
        hash_ *= 0x100000001B3ull;
    }
    uint64_t Value() const { return hash_; }

private:
    uint64_t hash_ = 0xCBF29CE484222325ull;
};

void AddStandings(Fingerprint &print, const Competition &comp) {
    for (const auto &klasse : comp.Classes) {
        print.Add(klasse->CalcInfo);
        for (int r = 0; r < klasse->Grid.RowCount(); ++r) {
            print.Add(klasse->Grid.RowAt(r).Label);
            if (const TRijder *rider = klasse->Rider(r)) {
                print.Add(rider->StartNo.str());
                print.Add(rider->SortKey);
                print.Add(std::to_string(rider->CalcTotal) + "/" + std::to_string(rider->CalcNet));
            }
        }
    }
}

void AddExports(Fingerprint &print, Competition &comp) {
    ExportChoices choices = OpenExportChoices(comp, ExportMemory{});
    choices.Classes = ExportClassChoice::All;
    choices.Info = true;
    for (ExportFileType type : {ExportFileType::Text, ExportFileType::Html}) {
        choices.FileType = type;
        print.Add(ExportStandings(comp, choices));
    }
}

TEST(GoldenOutput, StandingsAndExportsOfAGeneratedCompetitionStayByteForByte) {
    const uint32_t kinds[] = {
        CalcOptions::GrossNet | CalcOptions::Net | CalcOptions::Gross,
        CalcOptions::GrossNet | CalcOptions::Gross | CalcOptions::Daily,
        0, // averages
    };
    const uint64_t expected[3] = {8346340955429096964u, 15911266218559624525u, 15128399993278370922u};
    for (int setup = 0; setup < 3; ++setup) {
        auto comp = GeneratedCompetition(setup);
        Fingerprint print;
        for (uint32_t kind : kinds) {
            for (int horsConcours = 0; horsConcours < 4; ++horsConcours) {
                CalcOptions options;
                options.Value = kind | CalcOptions::AllClasses;
                options.SetHorsConcoursChoice(horsConcours);
                ProblemList problems;
                CalculateFinalStandings(*comp, options, 0, 0, &problems);
                AddStandings(print, *comp);
                for (const auto &entry : problems.Entries())
                    print.Add(entry.Text);
                AddExports(print, *comp);
            }
        }
        EXPECT_EQ(print.Value(), expected[setup]) << "set-up " << setup;
    }
}

} // namespace
} // namespace rondaxa
