#include "core/model/display_settings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

TEST(DisplaySettings, FixedColumnsNeedMoreColumnsThanFixed) {
    Competition comp = MakeCompetition({"A", "B"});
    DisplayChoices choices = CurrentDisplayChoices(comp.Club);
    choices.FixedColumns = true;
    EXPECT_FALSE(ApplyDisplayChoices(comp, choices)); // three columns everywhere
    EXPECT_EQ(comp.Club.Options & OptFixedColumns, 0);
    EXPECT_EQ(comp.Classes[0]->Grid.FixedCols, 1);

    AddRider(comp, *comp.Classes[1], "R", "1", {1});
    EXPECT_TRUE(ApplyDisplayChoices(comp, choices));
    EXPECT_EQ(comp.Club.Options & OptFixedColumns, OptFixedColumns);
    EXPECT_EQ(comp.Classes[1]->Grid.FixedCols, 3);
    EXPECT_EQ(comp.Classes[0]->Grid.FixedCols, 1);
}

TEST(DisplaySettings, OptionsAndViewFlagsFollowTheChoices) {
    Competition comp = MakeCompetition({"A"});
    comp.Club.Options &= ~(OptStoreFinishOrder | OptPositionsAsPoints); // points stored
    DisplayChoices choices = CurrentDisplayChoices(comp.Club);
    EXPECT_TRUE(choices.ShowAsPoints);
    choices.SwapNames = false;
    choices.HideZero = true;
    choices.MarkDropped = true;
    choices.MarkColour = false;
    choices.StrikeDropped = true;
    choices.UseInfoColours = false;
    choices.StatusField = 3;
    ApplyDisplayChoices(comp, choices);
    EXPECT_EQ(comp.Club.Options, OptNamesAsStored | OptZeroAsEmpty | 3);
    EXPECT_EQ(comp.Club.ViewFlags,
              ViewMarkDropped | ViewNoMarkColour | ViewStrikeDropped | ViewNoInfoColours);

    DisplayChoices back = CurrentDisplayChoices(comp.Club);
    EXPECT_FALSE(back.SwapNames);
    EXPECT_FALSE(back.MarkColour);
    EXPECT_EQ(back.StatusField, 3);
    choices.StatusField = 0; // no field in the status line
    ApplyDisplayChoices(comp, choices);
    EXPECT_EQ(CurrentDisplayChoices(comp.Club).StatusField, 0);
    comp.Club.InfoColor1 = 0x123456; // the dialog opens with the competition's own colours
    EXPECT_EQ(CurrentDisplayChoices(comp.Club).InfoColor1, comp.Club.InfoColor1);
}

// The grid font goes to every class and is kept for the classes made later.
TEST(DisplaySettings, GridFontOfEveryClassAndOfNewOnes) {
    Competition comp = MakeCompetition({"MX1", "MX2"});
    ApplyGridFont(comp, GridFont{"Courier", 9, 0x0000FF, 1});
    EXPECT_EQ(comp.Classes[1]->Grid.Font.Name, "Courier");
    const GridFont made = CreateClass(comp.Club, "MX3")->Grid.Font;
    EXPECT_EQ(std::tie(made.Name, made.Size, made.Color, made.Style),
              std::make_tuple(std::string("Courier"), 9, 0x0000FF, uint8_t{1}));
}

TEST(DisplaySettings, ShowingAnExtraFieldMovesTheResultColumns) {
    Competition comp = MakeCompetition({"A"});
    TKlasse &k = *comp.Classes[0];
    AddRider(comp, k, "R", "1", {1, 2}).Extra1 = "Assen";
    test::AddResultInfo(k, 2, 2, 0, "Regen");

    DisplayChoices choices = CurrentDisplayChoices(comp.Club);
    choices.ShowExtra[0] = true;
    EXPECT_TRUE(ApplyDisplayChoices(comp, choices));
    EXPECT_EQ(k.Grid.Col(3).Heading, "Woonplaats :");
    EXPECT_EQ(k.ColData(3)->Kind, KindExtra1);
    EXPECT_EQ(k.FirstResultCol, 4);
    EXPECT_EQ(k.Grid.ColCount(), 6);
    ASSERT_NE(k.ColData(5)->Info, nullptr);
    EXPECT_EQ(k.ColData(5)->Info->Remark, "Regen");
}

} // namespace
} // namespace rondaxa
