// The exact key bytes each tie-break method adds to a standing key, and the
// order the row sort leaves equal keys in.
#include "core/scoring/final_standings.h"
#include "core/scoring/tie_break.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <random>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

using test::CommaLocale;

// One rider with points stored: 50, none, 0, 47, 45, none in six counting
// columns. Sorted best first: 50 47 45 0 none none; with N = 2 the net total
// is 97 and the gross total 142.
class TieMethodKeyTest : public ::testing::Test {
protected:
    TieMethodKeyTest() : comp(MakeCompetition({"MX1"})), klasse(*comp.Classes[0]) {
        comp.Club.Options &= ~(OptStoreFinishOrder | OptPositionsAsPoints);
        rider = &AddRider(comp, klasse, "R", "1", {50, -1, 0, 47, 45, -1});
    }

    // The key's tail after the prefix and the total, with one step.
    std::string Contribution(TieStep step, KeyVariant variant = KeyVariant::Net, int n = 2,
                             int hc = HcNoPlace) {
        for (auto &s : comp.Club.TieSteps)
            s = TieStep{};
        comp.Club.TieSteps[1] = step;
        BuildStandingKey(comp.Club, CountingBasis(comp.Club, CountingFlagsOf(klasse), 6), *rider, n, variant,
                         hc);
        return rider->SortKey.substr(6);
    }

    Competition comp;
    TKlasse &klasse;
    TRijder *rider = nullptr;
};

TEST_F(TieMethodKeyTest, ValueListsBestFirst) {
    EXPECT_EQ(Contribution({TieBestResults, 0}), "050047045000////");
    // Only values above the points of place 4 (43) count; the rest is "//".
    EXPECT_EQ(Contribution({TiePlaceCounts, 3}), "050047045//////");
    EXPECT_EQ(Contribution({TiePlaceCounts, 1}), "050//////////");
    // The dropped values: list positions N+1 to the end, net standings only.
    EXPECT_EQ(Contribution({TieDropped, 0}), "045000////");
    EXPECT_EQ(Contribution({TieDropped, 0}, KeyVariant::Gross), "");
}

TEST_F(TieMethodKeyTest, LastResultsAndCounts) {
    EXPECT_EQ(Contribution({TieLastResult, 0}), "//");     // no result in the last column
    EXPECT_EQ(Contribution({TieLastObtained, 0}), "045");  // the last result he has
    EXPECT_EQ(Contribution({TieMostResults, 0}), "004");   // 50, 0, 47 and 45
    EXPECT_EQ(Contribution({TieFewestResults, 0}), "246"); // 250 - 4

    for (int n = 1; n <= 6; ++n)
        rider->Results[static_cast<std::size_t>(n)] = kNoResult;
    Contribution({TieLastObtained, 0});
    EXPECT_EQ(rider->SortKey, "1"
                              "-00001"
                              "-001");
    Contribution({TieLastResult, 0});
    EXPECT_EQ(rider->SortKey, "1"
                              "-00001"
                              "//");
}

TEST_F(TieMethodKeyTest, GrossPointsAfterTheHorsConcoursOption) {
    EXPECT_EQ(Contribution({TieGrossPoints, 0}), "00142");
    EXPECT_EQ(Contribution({TieGrossPoints, 0}, KeyVariant::Gross), "");
    rider->Flags = RiderHorsConcours;
    Contribution({TieGrossPoints, 0}, KeyVariant::Net, 2, HcNoPoints);
    EXPECT_EQ(rider->SortKey, "1"
                              "-00001"
                              "-00001");
}

TEST_F(TieMethodKeyTest, AverageByEachAverageMethod) {
    CommaLocale comma;
    struct Case {
        int Method;
        const char *Key;
    };
    for (const Case &c : {Case{0, "0047,3"},    // 142 over the 3 values above 0
                          Case{1, "0035,5"},    // 142 over the 4 results
                          Case{2, "0048,5"},    // net 97 over N = 2
                          Case{3, "0023,7"}}) { // 142 over C = 6
        comp.Club.AverageMethod = c.Method;
        EXPECT_EQ(Contribution({TieAverage, 0}), c.Key) << c.Method;
    }
}

TEST_F(TieMethodKeyTest, AverageOfTheNetTotalUsesNLoweredToC) {
    CommaLocale comma;
    comp.Club.AverageMethod = 2;
    for (auto &s : comp.Club.TieSteps)
        s = TieStep{};
    comp.Club.TieSteps[1] = {TieAverage, 0};
    std::vector<std::string> keys;
    StandingsRun run;
    run.Keys = &keys;
    CalculateStandings(comp.Club, klasse, ModeNet, 10, kDescending, 6, run);
    EXPECT_EQ(rider->CalcNet, 142);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0], "1"
                       "00142"
                       "0023,7"); // 142 over 6, not over 10
}

TEST_F(TieMethodKeyTest, HeadStopsBeforeTheNotificationStep) {
    for (auto &s : comp.Club.TieSteps)
        s = TieStep{};
    comp.Club.TieSteps[1] = {TieMostResults, 0};
    comp.Club.TieSteps[2] = {TieLastObtained, 0};
    comp.Club.TieSteps[3] = {TieFewestResults, 0};
    const CountingFlags counting = CountingFlagsOf(klasse);
    auto head = [&](int notify) {
        comp.Club.TieNotify = static_cast<uint8_t>(notify);
        const std::size_t length =
            BuildStandingKey(comp.Club, CountingBasis(comp.Club, counting, 6), *rider, 2, KeyVariant::Net, 0);
        return rider->SortKey.substr(0, length);
    };
    EXPECT_EQ(head(0), "100097004045246");
    EXPECT_EQ(head(1), "100097");
    EXPECT_EQ(head(3), "100097004045");
    EXPECT_EQ(head(4), "100097004045246"); // no fourth step: the whole key
    EXPECT_EQ(head(5), "100097004045246");
}

// The row sort written out plainly from its rule: 1-based rows, gap halving,
// each row sunk back by its gap while its neighbour there is out of order.
std::vector<std::string> ReferenceShellSort(std::vector<std::pair<std::string, std::string>> rows,
                                            bool ascending) {
    const int count = static_cast<int>(rows.size());
    auto key = [&](int row) -> const std::string & { return rows[static_cast<std::size_t>(row - 1)].second; };
    int gap = count / 2;
    while (gap > 0) {
        for (int i = gap + 1; i <= count; ++i) {
            int j = i - gap;
            while (j > 0) {
                const bool exchange = ascending ? key(j) > key(j + gap) : key(j) < key(j + gap);
                if (!exchange)
                    break;
                std::swap(rows[static_cast<std::size_t>(j - 1)], rows[static_cast<std::size_t>(j + gap - 1)]);
                j -= gap;
            }
        }
        gap /= 2;
    }
    std::vector<std::string> names;
    for (const auto &row : rows)
        names.push_back(row.first);
    return names;
}

TEST(RowSort, EqualKeysEndWhereTheShellSortLeavesThem) {
    std::mt19937 random(7);
    for (int count = 1; count <= 37; count += 3) {
        for (int direction : {kAscending, kDescending}) {
            Competition comp = MakeCompetition({"MX1"});
            TKlasse &klasse = *comp.Classes[0];
            std::vector<std::pair<std::string, std::string>> rows;
            for (int r = 0; r < count; ++r) {
                const std::string name = "R" + std::to_string(r);
                const std::string startNo = std::to_string(random() % 6); // many equal keys
                AddRider(comp, klasse, name, startNo);
                rows.emplace_back(name, PadNumber(startNo, 5));
            }
            CalculateStandings(comp.Club, klasse, ModeStartNo, 0, direction, 0);
            // Without standings only the riders move: the labels stay "1".."n", so a
            // message naming a row's position names the label the user sees.
            std::vector<std::string> names;
            for (int r = 1; r < klasse.Grid.RowCount(); ++r) {
                names.push_back(klasse.Rider(r)->Name.str());
                EXPECT_EQ(klasse.Grid.RowAt(r).Label, std::to_string(r));
            }
            EXPECT_EQ(names, ReferenceShellSort(rows, direction == kAscending))
                << count << " riders, direction " << direction;
        }
    }
}

} // namespace
} // namespace rondaxa
