#include "core/model/editing.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;
using test::ScriptedPrompts;

int CharWidth(std::string_view text) {
    return static_cast<int>(text.size()) * 7;
}

class EditingTest : public ::testing::Test {
protected:
    EditingTest() : comp(MakeCompetition({"MX1"})), klasse(*comp.Classes[0]) {
        AddRider(comp, klasse, "Jansen, Piet", "12a", {1, -1});
        AddRider(comp, klasse, "Bakker, Ivo", "7", {2, 3});
        AddRider(comp, klasse, "Smit, Jelle", "", {-1, -1});
    }
    int ResultCol(int n) const { return klasse.ResultColumn(n); }

    Competition comp;
    TKlasse &klasse;
    ScriptedPrompts prompts;
};

TEST_F(EditingTest, PointsOffTheTableAreRefusedWhenPositionsShowAsPoints) {
    const ClubRec &club = comp.Club;      // 50, 47, 45, 43, 41, deduction 1, shown as points
    for (int points : {40, 1, 47, 41, 0}) // 40: position 6
        EXPECT_TRUE(IsAttainablePoints(club, points)) << points;
    for (int points : {48, 51})
        EXPECT_FALSE(IsAttainablePoints(club, points)) << points;
    // The last table entry is reached through the ladder, not the table scan.
    ClubRec ladder = club;
    ladder.Deduction = 2;
    EXPECT_TRUE(IsAttainablePoints(ladder, 39));
    EXPECT_FALSE(IsAttainablePoints(ladder, 40));
    // Positions entered as positions: anything goes.
    ClubRec positions = club;
    positions.Options &= ~OptPositionsAsPoints;
    EXPECT_TRUE(IsAttainablePoints(positions, 48));
}

TEST_F(EditingTest, ResultEditsStoreThePositionOrAskAgain) {
    const int col = ResultCol(2);
    EXPECT_EQ(StoreCellEdit(comp, klasse, 1, col, "40", prompts, CharWidth), EditOutcome::Stored);
    EXPECT_EQ(klasse.Rider(1)->Results[2], 6);
    EXPECT_EQ(StoreCellEdit(comp, klasse, 1, col, "47", prompts, CharWidth), EditOutcome::Stored);
    EXPECT_EQ(klasse.Rider(1)->Results[2], 2);
    EXPECT_TRUE(prompts.Messages.empty());

    EXPECT_EQ(StoreCellEdit(comp, klasse, 1, col, "48", prompts, CharWidth), EditOutcome::Restart);
    EXPECT_EQ(klasse.Rider(1)->Results[2], 2);
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(prompts.Messages[0], "Geen geldige uitslag waarde!");

    EXPECT_EQ(StoreCellEdit(comp, klasse, 1, col, "", prompts, CharWidth), EditOutcome::Stored);
    EXPECT_EQ(klasse.Rider(1)->Results[2], kNoResult);
    // The place column takes no edit.
    EXPECT_EQ(StoreCellEdit(comp, klasse, 1, 0, "9", prompts, CharWidth), EditOutcome::Refused);
    EXPECT_EQ(klasse.Grid.RowAt(1).Label, "1");
}

TEST_F(EditingTest, DuplicateStartNumberIsRefusedIgnoringCaseDuplicateNameReported) {
    const int col = 2; // "Startnr"
    EXPECT_EQ(StoreCellEdit(comp, klasse, 3, col, "12A", prompts, CharWidth), EditOutcome::Refused);
    EXPECT_EQ(klasse.Rider(3)->StartNo, "");
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(prompts.Messages[0], "Dit startnummer komt al voor op positie: 1");
    // The row's own value is no duplicate; an empty text never is.
    EXPECT_EQ(StoreCellEdit(comp, klasse, 1, col, "12A", prompts, CharWidth), EditOutcome::Stored);
    EXPECT_EQ(StoreCellEdit(comp, klasse, 3, col, "", prompts, CharWidth), EditOutcome::Stored);
    EXPECT_EQ(prompts.Messages.size(), 1u);

    EXPECT_EQ(StoreCellEdit(comp, klasse, 3, 1, "bakker, ivo", prompts, CharWidth), EditOutcome::Stored);
    EXPECT_EQ(klasse.Rider(3)->Name, "bakker, ivo");
    ASSERT_EQ(prompts.Messages.size(), 2u);
    EXPECT_EQ(prompts.Messages[1], "Deze naam komt al voor op positie: 2");
    // Names compare as stored, not in their display form.
    EXPECT_EQ(FindDuplicateRow(comp.Club, klasse, "Ivo Bakker", KindName, 0), 0);
}

TEST_F(EditingTest, EditTextShowsTheStoredNameAndTheShownResult) {
    const TRijder &rider = *klasse.Rider(1);
    EXPECT_EQ(EditText(comp.Club, rider, KindName, 0), "Jansen, Piet");
    EXPECT_EQ(EditText(comp.Club, rider, KindResult, 1), "50");
    EXPECT_EQ(EditText(comp.Club, rider, KindResult, 2), "");
    EXPECT_EQ(MaxEditLength(KindName), 30);
    EXPECT_EQ(MaxEditLength(KindStartNo), 5);
    EXPECT_EQ(MaxEditLength(KindResult), 2);
    EXPECT_EQ(MaxEditLength(KindExtra2), 40);
}

TEST_F(EditingTest, WidenColumnOnlyGrows) {
    klasse.Grid.Col(1).Width = 50;
    klasse.Rider(3)->Name = "A very long name indeed";
    WidenColumnFor(klasse, comp.Club, KindName, 3, CharWidth);
    EXPECT_EQ(klasse.Grid.Col(1).Width, 23 * 7 + 4);
    klasse.Rider(3)->Name = "Short";
    WidenColumnFor(klasse, comp.Club, KindName, 3, CharWidth);
    EXPECT_EQ(klasse.Grid.Col(1).Width, 23 * 7 + 4);
}

TEST_F(EditingTest, CursorMovesAfterAStoredEdit) {
    ClassGrid &grid = klasse.Grid; // 3 rows of riders, columns up to result 2
    const int last = grid.ColCount() - 1;
    grid.CurRow = 1;
    grid.CurCol = last - 1;
    MoveAfterEnter(grid);
    EXPECT_EQ(grid.CurCol, last);
    grid.LeftCol = 2;
    MoveAfterEnter(grid);
    EXPECT_EQ(grid.CurRow, 2);
    EXPECT_EQ(grid.CurCol, 2);
    grid.CurRow = 3;
    grid.CurCol = last;
    MoveAfterEnter(grid); // the last cell stays
    EXPECT_EQ(grid.CurRow, 3);
    EXPECT_EQ(grid.CurCol, last);

    MoveDown(grid);
    EXPECT_EQ(grid.CurRow, 1);
    MoveDown(grid);
    EXPECT_EQ(grid.CurRow, 2);
    MoveUp(grid);
    MoveUp(grid);
    EXPECT_EQ(grid.CurRow, 3);
}

} // namespace
} // namespace rondaxa
