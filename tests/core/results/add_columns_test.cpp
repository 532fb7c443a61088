#include "core/results/result_columns.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <utility>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;
using test::ScriptedPrompts;

constexpr int N = kNoResult;

void SetBlock(TKlasse &klasse, int from, int to) {
    test::AddResultInfo(klasse, from, to, 0, "dag");
}

constexpr auto Blocks = &test::InfoBlocks;

std::vector<int> ResultsOf(const TRijder &rider, int upTo) {
    return std::vector<int>(rider.Results.begin() + 1, rider.Results.begin() + 1 + upTo);
}

Competition OneClass(const std::vector<int> &results) {
    Competition comp = MakeCompetition({"MX1"});
    AddRider(comp, *comp.Classes[0], "Jansen", "12", results);
    return comp;
}

TEST(AddResultColumnsTest, AtTheEndNewColumnsAreNumberedAndEmpty) {
    Competition comp = OneClass({1, 2, 3});
    TKlasse &klasse = *comp.Classes[0];
    EXPECT_EQ(AddResultColumns(comp, klasse, 2, false), 2);
    EXPECT_EQ(klasse.ResultCount, 5);
    EXPECT_EQ(klasse.Grid.Col(7).Heading, "5");
    EXPECT_EQ(klasse.ColData(7)->Kind, KindResult);
    EXPECT_EQ(klasse.ColData(7)->Number, 5);
    EXPECT_EQ(ResultsOf(*klasse.Rider(1), 5), (std::vector<int>{1, 2, 3, N, N}));
    // Inserting with the cursor outside the results adds at the end too.
    klasse.Grid.CurCol = 1;
    AddResultColumns(comp, klasse, 1, true);
    EXPECT_EQ(ResultsOf(*klasse.Rider(1), 6), (std::vector<int>{1, 2, 3, N, N, N}));
}

TEST(AddResultColumnsTest, InsertBeforeTheCursorMovesResultsBlocksAndNumbers) {
    Competition comp = OneClass({1, 2, 3, 4, 5, 6});
    TKlasse &klasse = *comp.Classes[0];
    SetBlock(klasse, 1, 2);
    SetBlock(klasse, 3, 3); // the cursor's own block moves along, and so does the last one
    SetBlock(klasse, 4, 5);
    SetBlock(klasse, 6, 6);
    klasse.Grid.CurCol = klasse.ResultColumn(3);
    AddResultColumns(comp, klasse, 2, true);

    EXPECT_EQ(ResultsOf(*klasse.Rider(1), 8), (std::vector<int>{1, 2, N, N, 3, 4, 5, 6}));
    EXPECT_EQ(Blocks(klasse), (std::vector<std::pair<int, int>>{{1, 2}, {5, 5}, {6, 7}, {8, 8}}));
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(klasse.ColData(klasse.ResultColumn(n))->Number, n);
}

TEST(AddResultColumnsTest, BlockOverTheInsertPointKeepsItsOldColumns) {
    Competition comp = OneClass({1, 2, 3, 4});
    TKlasse &klasse = *comp.Classes[0];
    SetBlock(klasse, 1, 3);
    klasse.Grid.CurCol = klasse.ResultColumn(2);
    AddResultColumns(comp, klasse, 2, true);
    EXPECT_EQ(Blocks(klasse), (std::vector<std::pair<int, int>>{{1, 5}}));
}

TEST(AddResultColumnsTest, NeverMoreThanFiftyColumns) {
    Competition comp = OneClass(std::vector<int>(45, 1));
    comp.Classes.push_back(CreateClass(comp.Club, "MX2"));
    comp.Classes.push_back(CreateClass(comp.Club, "MX3"));
    AddRider(comp, *comp.Classes[2], "Smit", "3", std::vector<int>(50, 2));
    ScriptedPrompts prompts;
    EXPECT_TRUE(AddColumnsToClasses(comp, 10, true, true, prompts));
    EXPECT_EQ(comp.Classes[0]->ResultCount, 50);
    EXPECT_EQ(comp.Classes[1]->ResultCount, 10);
    EXPECT_EQ(comp.Classes[2]->ResultCount, 50);
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_EQ(comp.Classes[2]->Rider(1)->Results[50], 2);
}

TEST(AddResultColumnsTest, ActiveClassBeyondFiftyGetsMessageSixtyAndNothing) {
    Competition comp = OneClass(std::vector<int>(45, 1));
    ScriptedPrompts prompts;
    EXPECT_EQ(ColumnsLeftToAdd(comp), 5);
    EXPECT_FALSE(AddColumnsToClasses(comp, 6, false, false, prompts));
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(prompts.Messages[0], "Het maximum aantal uitslagen is bereikt.");
    EXPECT_EQ(comp.Classes[0]->ResultCount, 45);
    EXPECT_TRUE(AddColumnsToClasses(comp, 4, false, false, prompts));
    EXPECT_TRUE(AddColumnsToClasses(comp, 1, false, false, prompts));
    EXPECT_EQ(comp.Classes[0]->ResultCount, 50);
}

TEST(AddResultColumnsTest, ClassWithExtraFieldColumnsAndNoResults) {
    Competition comp = MakeCompetition({"MX1"});
    comp.Club.ViewFlags = ViewExtra1 | ViewExtra3;
    TKlasse &klasse = *comp.Classes[0];
    RebuildFixedColumns(klasse, comp.Club);
    AddResultColumns(comp, klasse, 3, false);
    EXPECT_EQ(klasse.FirstResultCol, 5);
    EXPECT_EQ(klasse.Grid.ColCount(), 8);
    EXPECT_EQ(klasse.Grid.Col(5).Heading, "1");
    EXPECT_EQ(klasse.ColData(4)->Kind, KindExtra3);
}

TEST(ClearQuestionTest, IsBuiltFromItsPieces) {
    ClearChoice c;
    c.Delete = true;
    c.First = 3;
    c.Through = true;
    c.Last = 5;
    EXPECT_EQ(ClearQuestion(c), "Verwijder de uitslagen van kolom 3 t/m 5 in de active klasse ?");
    c.Last = 3; // a range of one column reads as that column
    EXPECT_EQ(ClearQuestion(c), "Verwijder de uitslagen van kolom 3 in de active klasse ?");
    c.Delete = false;
    c.AllResults = true;
    c.AllClasses = true;
    EXPECT_EQ(ClearQuestion(c), "Wis alle uitslagen van alle klassen ?");
}

TEST(ClearQuestionTest, ChoiceWithoutThroughDeletesOneColumnOnly) {
    Competition comp = OneClass({1, 2, 3, 4});
    ClearChoice c;
    c.Delete = true;
    c.First = 2;
    c.Last = 3; // ignored without "t/m"
    ClearChosenColumns(comp, c);
    EXPECT_EQ(ResultsOf(*comp.Classes[0]->Rider(1), 3), (std::vector<int>{1, 3, 4}));
}

} // namespace
} // namespace rondaxa
