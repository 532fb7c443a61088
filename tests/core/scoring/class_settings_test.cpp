#include "scoring/class_settings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

std::vector<std::string> ClassNames(const Competition &comp) {
    std::vector<std::string> names;
    for (const auto &klasse : comp.Classes)
        names.push_back(klasse->Name.str());
    return names;
}

TEST(ClassList, EditsEndUpInTheRightTabsWithTheRightRiders) {
    Competition comp = MakeCompetition({"MX1", "MX2", "Jeugd", "Veteranen"});
    AddRider(comp, *comp.Classes[0], "Rijder MX1", "1");
    AddRider(comp, *comp.Classes[1], "Rijder MX2", "2");
    AddRider(comp, *comp.Classes[2], "Rijder Jeugd", "3", {1, 2});
    AddRider(comp, *comp.Classes[3], "Rijder Vet", "4");
    comp.Club.NextRiderId = 50;

    ClassListEdit edit(comp);
    ASSERT_EQ(edit.Count(), 4);
    EXPECT_EQ(edit.Remove(1), 1);         // MX2 goes; Jeugd is edited next
    edit.Rename(1, "Junioren");           // Jeugd renamed
    EXPECT_EQ(edit.MoveUp(1), 0);         // ... and moved to the top
    EXPECT_TRUE(edit.Add("Nieuwkomers")); // a new class at the end
    EXPECT_EQ(edit.MoveUp(3), 2);         // ... moved above Veteranen
    EXPECT_EQ(edit.MoveDown(3), 3);       // nothing below the last line
    ASSERT_TRUE(ApplyClassList(comp, edit));

    EXPECT_EQ(ClassNames(comp), (std::vector<std::string>{"Junioren", "MX1", "Nieuwkomers", "Veteranen"}));
    EXPECT_EQ(comp.Club.ClassCount, 4);
    EXPECT_EQ(comp.ActiveClass, 0);
    EXPECT_EQ(comp.Classes[0]->Rider(1)->Name, "Rijder Jeugd");
    EXPECT_EQ(comp.Classes[0]->ResultCount, 2);
    EXPECT_EQ(comp.Classes[1]->Rider(1)->Name, "Rijder MX1");
    EXPECT_EQ(comp.Classes[3]->Rider(1)->Name, "Rijder Vet");
    // The new class has one empty rider row numbered "1" with the next identity.
    const TKlasse &fresh = *comp.Classes[2];
    ASSERT_EQ(fresh.Grid.RowCount(), 2);
    EXPECT_EQ(fresh.Grid.RowAt(1).Label, "1");
    EXPECT_TRUE(IsEmptyRider(*fresh.Rider(1)));
    EXPECT_EQ(fresh.Rider(1)->Id, 50);
    EXPECT_EQ(comp.Club.NextRiderId, 51);
}

TEST(ClassList, NewClassMovedAboveTheOnlyClass) {
    Competition comp = MakeCompetition({"Oud"});
    AddRider(comp, *comp.Classes[0], "Blijver", "1");
    ClassListEdit edit(comp);
    edit.Add("Nieuw");
    edit.MoveUp(1);
    ASSERT_TRUE(ApplyClassList(comp, edit));
    EXPECT_EQ(ClassNames(comp), (std::vector<std::string>{"Nieuw", "Oud"}));
    EXPECT_EQ(comp.Classes[1]->Rider(1)->Name, "Blijver");
}

TEST(ClassList, LimitsAndAnEmptyListChangeNothing) {
    Competition comp = MakeCompetition({"A", "B"});
    ClassListEdit edit(comp);
    EXPECT_FALSE(edit.Add(""));
    for (int i = 2; i < kMaxClasses; ++i)
        EXPECT_TRUE(edit.Add("K" + std::to_string(i)));
    EXPECT_FALSE(edit.Add("Te veel"));
    EXPECT_EQ(edit.Count(), kMaxClasses);

    ClassListEdit empty(comp);
    EXPECT_EQ(empty.Remove(1), 0); // the last line: the new last line is next
    EXPECT_EQ(empty.Remove(0), -1);
    EXPECT_EQ(empty.Deleted(), (std::vector<int>{2, 1}));
    EXPECT_FALSE(ApplyClassList(comp, empty));
    EXPECT_EQ(ClassNames(comp), (std::vector<std::string>{"A", "B"}));
}

TEST(ClassList, NewClassesOfAnEmptyCompetition) {
    Competition comp = MakeCompetition({});
    ClassListEdit edit(comp);
    edit.Add("Eerste");
    edit.Add("Tweede");
    edit.Remove(1); // a class that never existed is not listed as deleted
    EXPECT_TRUE(edit.Deleted().empty());
    ASSERT_TRUE(ApplyClassList(comp, edit));
    EXPECT_EQ(ClassNames(comp), (std::vector<std::string>{"Eerste"}));
    EXPECT_EQ(comp.Club.ClassCount, 1);
}

TEST(PointsTable, EditingChecksOrderAndRange) {
    ClubRec club;
    PointsCells cells = PointsCellsFor(club);
    EXPECT_EQ(cells[5], "41");
    EXPECT_EQ(cells[6], "");
    EXPECT_EQ(DeductionCaption(cells), "Aftrek punten na plaats 5");

    // Lowering the first place by 10 takes the others down with it.
    PointsCells shifted = cells;
    EXPECT_EQ(EditPointsCell(shifted, 1, "40").Message, 0);
    EXPECT_EQ(shifted[1], "40");
    EXPECT_EQ(shifted[2], "37");
    EXPECT_EQ(shifted[3], "35");
    EXPECT_EQ(shifted[4], "33");
    EXPECT_EQ(shifted[5], "31");

    PointsCells warned = cells;
    EXPECT_EQ(EditPointsCell(warned, 1, "45").Message, 53);
    EXPECT_EQ(warned[1], "45"); // stored all the same
    EXPECT_EQ(warned[2], "47");
    EXPECT_EQ(EditPointsCell(warned, 3, "48").Message, 52);
    EXPECT_EQ(warned[3], "48");

    PointsCells refused = cells;
    const PointsCellCheck tooHigh = EditPointsCell(refused, 6, "251");
    EXPECT_EQ(tooHigh.Message, 50);
    EXPECT_TRUE(tooHigh.Reopen);
    EXPECT_EQ(EditPointsCell(refused, 6, "4x").Message, 51);
    EXPECT_EQ(refused, cells);

    EXPECT_EQ(EditPointsCell(refused, 6, "30").Message, 0);
    EXPECT_EQ(DeductionCaption(refused), "Aftrek punten na plaats 6");
    EXPECT_EQ(DeductionCaption(PointsCells{}), "Aftrek punten na plaats 1");
}

TEST(PointsTable, ShiftingKeepsPlacesAboveZeroAndOrdered) {
    PointsCells cells{};
    cells[1] = "30";
    cells[2] = "25";
    cells[3] = "5";
    cells[4] = "4";
    EXPECT_EQ(EditPointsCell(cells, 1, "10").Message, 0);
    EXPECT_EQ(cells[2], "5");
    EXPECT_EQ(cells[3], "5"); // 5 is not above 5 now standing before it
    EXPECT_EQ(cells[4], "4");
}

} // namespace
} // namespace rondaxa
