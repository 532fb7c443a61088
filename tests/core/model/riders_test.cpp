#include "core/model/riders.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

// Five riders over three races; rider 3 finished 2nd, had no result and
// finished 1st.
Competition FiveRiders(bool positionsStored) {
    Competition comp = MakeCompetition({"Open"});
    if (!positionsStored)
        comp.Club.Options &= ~(OptStoreFinishOrder | OptPositionsAsPoints);
    TKlasse &k = *comp.Classes[0];
    if (positionsStored) {
        AddRider(comp, k, "Een", "1", {1, 1, 2});
        AddRider(comp, k, "Twee", "2", {3, 2, 3});
        AddRider(comp, k, "Drie", "3", {2, -1, 1});
        AddRider(comp, k, "Vier", "4", {5, 3, 0});
        AddRider(comp, k, "Vijf", "5", {4, -1, -1});
    } else {
        AddRider(comp, k, "Een", "1", {50, 50, 47});
        AddRider(comp, k, "Twee", "2", {45, 47, 44});
        AddRider(comp, k, "Drie", "3", {47, -1, 55});
        AddRider(comp, k, "Vier", "4", {40, 45, 0});
        AddRider(comp, k, "Vijf", "5", {43, -1, 50});
    }
    return comp;
}

// "Drie" goes: 2nd in race 1, no result in race 2, the winner of race 3.
TEST(DeleteRiderRow, TheRidersBehindTheDeletedOneMoveUpInEachRace) {
    struct Case {
        const char *What;
        bool Positions;
        bool Adjust;
        bool LastUnclassified;
        std::vector<std::vector<int>> Left;
    };
    const Case cases[] = {
        // A 0 stays 0.
        {"positions", true, true, false, {{1, 1, 1}, {2, 2, 2}, {4, 3, 0}, {3, -1, -1}}},
        // Points move to the next better place (40, the 6th, to 41); points
        // of no place (44) and of the first place stay rather than vanish.
        {"points", false, true, false, {{50, 50, 50}, {47, 47, 44}, {41, 45, 0}, {45, -1, 50}}},
        {"not adjusted", true, false, false, {{1, 1, 2}, {3, 2, 3}, {5, 3, 0}, {4, -1, -1}}},
        {"not classified", true, true, true, {{1, 1, 1}, {2, 2, 2}, {4, 3, 0}, {4, -1, -1}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.What);
        Competition comp = FiveRiders(c.Positions);
        TKlasse &k = *comp.Classes[0];
        if (c.LastUnclassified)
            k.Rider(5)->CalcMarks = MarkNotClassified;
        DeleteRiderRow(k, comp.Club, 3, c.Adjust);
        EXPECT_EQ(test::RiderNames(k), (std::vector<std::string>{"Een", "Twee", "Vier", "Vijf"}));
        EXPECT_EQ(test::RowLabels(k), (std::vector<std::string>{"1", "2", "3", "4"}));
        for (int r = 1; r <= 4; ++r)
            EXPECT_EQ(test::StoredResults(*k.Rider(r), 3), c.Left[static_cast<std::size_t>(r - 1)]) << r;
    }
    // "Vier" goes: his 0 in race 3 took no place, so nobody moves up there.
    Competition comp = FiveRiders(true);
    DeleteRiderRow(*comp.Classes[0], comp.Club, 4, true);
    EXPECT_EQ(test::StoredResults(*comp.Classes[0]->Rider(1), 3), (std::vector<int>{1, 1, 2}));
}

TEST(DeleteRiderRow, TheOnlyRiderIsEmptiedAndTheResultColumnsGo) {
    Competition comp = MakeCompetition({"Solo"});
    TKlasse &k = *comp.Classes[0];
    TRijder &rider = AddRider(comp, k, "Alleen", "9", {1, 2});
    rider.Extra1 = "Ergens";
    rider.Flags = RiderHorsConcours;
    const int32_t id = rider.Id;
    ASSERT_EQ(k.Grid.ColCount(), 5);

    DeleteRiderRow(k, comp.Club, 1, true);
    ASSERT_EQ(k.Grid.RowCount(), 2);
    ASSERT_NE(k.Rider(1), nullptr);
    EXPECT_TRUE(IsEmptyRider(*k.Rider(1)));
    EXPECT_FALSE(k.Rider(1)->HorsConcours());
    EXPECT_EQ(k.Rider(1)->Id, id);
    EXPECT_EQ(k.Grid.ColCount(), 3);
    EXPECT_EQ(CountColumns(k), 0);
}

TEST(DeleteHorsConcours, CurrentClassOrAllClassesAndItEnds) {
    Competition comp = MakeCompetition({"A", "B"});
    TKlasse &a = *comp.Classes[0];
    TKlasse &b = *comp.Classes[1];
    AddRider(comp, a, "Hc1", "1", {1}).Flags = RiderHorsConcours;
    AddRider(comp, a, "Hc2", "2", {2}).Flags = RiderHorsConcours;
    AddRider(comp, a, "Gewoon", "3", {3});
    AddRider(comp, a, "Hc3", "4", {4}).Flags = RiderHorsConcours;
    AddRider(comp, b, "Enige", "7", {1}).Flags = RiderHorsConcours;

    comp.ActiveClass = 1;
    test::ScriptedPrompts prompts;
    EXPECT_EQ(DeleteHorsConcours(comp, false, true, prompts), 1); // the current class only
    EXPECT_EQ(prompts.Messages.back(), "1 rijders verwijderd!");
    EXPECT_EQ(DeleteHorsConcours(comp, true, true, prompts), 3);
    EXPECT_EQ(prompts.Messages.back(), "3 rijders verwijderd!");
    ASSERT_EQ(a.Grid.RowCount(), 2);
    EXPECT_EQ(a.Rider(1)->Name, "Gewoon");
    EXPECT_EQ(GetResult(*a.Rider(1), 1), 1); // moved up past both riders ahead
    ASSERT_EQ(b.Grid.RowCount(), 2);
    EXPECT_TRUE(IsEmptyRider(*b.Rider(1)));
    EXPECT_EQ(DeleteHorsConcours(comp, true, true, prompts), 0);
    EXPECT_EQ(prompts.Messages.back(), "Geen rijders verwijderd.");
}

TEST(PasteRiderRecord, CopiesFieldsResultsOnlyWhenCarriedAndGivesAnIdentity) {
    Competition comp = MakeCompetition({"A"});
    TKlasse &k = *comp.Classes[0];
    AddRider(comp, k, "Eerste", "1", {1, 2, 3});
    TRijder &target = AddRider(comp, k, "Doel", "2", {4, 5, 6});
    TRijder record;
    record.Name = "Nieuw";
    record.StartNo = "77";
    record.Extra3 = "Notitie";
    record.Flags = RiderHorsConcours;
    record.Id = 99;
    record.Results[1] = 9;

    ASSERT_TRUE(PasteRiderRecord(comp, k, 2, record, false));
    EXPECT_EQ(target.Name, "Nieuw");
    EXPECT_EQ(target.StartNo, "77");
    EXPECT_EQ(target.Extra3, "Notitie");
    EXPECT_TRUE(target.HorsConcours());
    EXPECT_EQ(target.Id, 1); // its own identity stays
    EXPECT_EQ(GetResult(target, 1), 4);

    record.Flags = 0;
    ASSERT_TRUE(PasteRiderRecord(comp, k, 2, record, true));
    EXPECT_FALSE(target.HorsConcours());
    EXPECT_EQ(GetResult(target, 1), 9);
    EXPECT_EQ(GetResult(target, 2), -1);

    // A rider without identity ("Eerste", the class's first) takes the next one.
    comp.Club.NextRiderId = 12;
    ASSERT_TRUE(PasteRiderRecord(comp, k, 1, record, false));
    EXPECT_EQ(k.Rider(1)->Id, 12);
    EXPECT_EQ(comp.Club.NextRiderId, 13);
    k.Grid.SetRowCount(4);
    EXPECT_FALSE(PasteRiderRecord(comp, k, 3, record, false)); // a row without a rider
}

TEST(ResetCompetition, RemovesRidersOrOnlyResults) {
    test::FixedClock clock(0x5A210000);
    for (bool removeRiders : {true, false}) {
        Competition comp = MakeCompetition({"A", "B"});
        comp.FileName = "oud.kzb";
        comp.Club.Options |= OptFixedColumns;
        TKlasse &a = *comp.Classes[0];
        for (int i = 0; i < 40; ++i)
            AddRider(comp, a, "R" + std::to_string(i), std::to_string(i), {i % 3, 1}).Flags = i % 2;
        a.Grid.FixedCols = 3;

        ResetCompetition(comp, removeRiders);
        EXPECT_EQ(a.Grid.FixedCols, 1);
        EXPECT_EQ(comp.Club.Options & OptFixedColumns, 0);
        EXPECT_EQ(a.Grid.ColCount(), 3);
        EXPECT_EQ(CountColumns(a), 0);
        EXPECT_EQ(comp.Club.DateCreated, 0x5A210000);
        EXPECT_EQ(comp.Club.DateSaved, 0);
        EXPECT_TRUE(comp.FileName.empty());
        if (removeRiders) {
            ASSERT_EQ(a.Grid.RowCount(), 2);
            EXPECT_TRUE(IsEmptyRider(*a.Rider(1)));
        } else {
            ASSERT_EQ(a.Grid.RowCount(), 41);
            EXPECT_EQ(a.Rider(40)->Name, "R39");
            EXPECT_TRUE(a.Rider(2)->HorsConcours());
            EXPECT_FALSE(HasAnyResult(*a.Rider(2)));
        }
        EXPECT_EQ(comp.Classes[1]->Rider(1) != nullptr, removeRiders);
    }
}

} // namespace
} // namespace rondaxa
