#include "core/results/result_columns.h"
#include "core/results/result_info.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

constexpr int N = kNoResult;

void SetBlock(TKlasse &klasse, int from, int to, const std::string &remark = "dag", uint8_t flags = 0) {
    test::AddResultInfo(klasse, from, to, flags, remark);
}

constexpr auto Blocks = &test::InfoBlocks;

std::vector<int> ResultsOf(const TRijder &rider, int upTo) {
    return std::vector<int>(rider.Results.begin() + 1, rider.Results.begin() + 1 + upTo);
}

// One class "MX1" with two riders and the given number of result columns.
Competition ClassWithColumns(int columns) {
    Competition comp = MakeCompetition({"MX1"});
    std::vector<int> a, b;
    for (int k = 1; k <= columns; ++k) {
        a.push_back(k);
        b.push_back(10 + k);
    }
    AddRider(comp, *comp.Classes[0], "Jansen, Piet", "12", a);
    AddRider(comp, *comp.Classes[0], "Smit, Kees", "7", b);
    return comp;
}

TEST(DeleteResultColumns, LaterResultsMoveLeftAndTheTopSlotsEmpty) {
    Competition comp = ClassWithColumns(5);
    TKlasse &klasse = *comp.Classes[0];
    klasse.Rider(1)->Results[50] = 9; // a stray value above the columns moves down too
    ClearResultColumns(comp, 0, 2, true, false, 3);

    EXPECT_EQ(klasse.ResultCount, 3);
    EXPECT_EQ(klasse.Grid.ColCount(), 6);
    EXPECT_EQ(klasse.Grid.Col(5).Heading, "3");
    EXPECT_EQ(ResultsOf(*klasse.Rider(1), 3), (std::vector<int>{1, 4, 5}));
    EXPECT_EQ(ResultsOf(*klasse.Rider(2), 3), (std::vector<int>{11, 14, 15}));
    EXPECT_EQ(klasse.Rider(1)->Results[48], 9);
    for (int k = 49; k <= 50; ++k)
        EXPECT_EQ(klasse.Rider(1)->Results[k], N);
    for (int k = 4; k <= 50; ++k)
        EXPECT_EQ(klasse.Rider(2)->Results[k], N) << k;
}

// After a deletion a block covers exactly the columns of its old range that
// remain; the rule for blocks that overlap the range differs from a plain
// cut at the first deleted column, which lost or gained heats.
struct BlockCase {
    int blockFrom, blockTo, delFrom, delTo;
    std::optional<std::pair<int, int>> after;
};

class DeleteKeepsRemainingColumns : public ::testing::TestWithParam<BlockCase> {};

TEST_P(DeleteKeepsRemainingColumns, OfEveryBlock) {
    const BlockCase &c = GetParam();
    Competition comp = ClassWithColumns(8);
    SetBlock(*comp.Classes[0], c.blockFrom, c.blockTo, "", InfoNotCounting);
    ClearResultColumns(comp, 0, c.delFrom, true, false, c.delTo);
    const auto blocks = Blocks(*comp.Classes[0]);
    if (c.after) {
        ASSERT_EQ(blocks.size(), 1u);
        EXPECT_EQ(blocks[0], *c.after);
    } else {
        EXPECT_TRUE(blocks.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    BeforeInsideAcrossAfter, DeleteKeepsRemainingColumns,
    ::testing::Values(BlockCase{1, 2, 3, 4, std::pair{1, 2}},   // before the range
                      BlockCase{5, 6, 3, 4, std::pair{3, 4}},   // after it: renumbered
                      BlockCase{7, 8, 2, 2, std::pair{6, 7}},   //
                      BlockCase{3, 4, 3, 4, std::nullopt},      // exactly the range
                      BlockCase{4, 4, 3, 5, std::nullopt},      // inside it
                      BlockCase{1, 4, 3, 4, std::pair{1, 2}},   // ends at the range's end
                      BlockCase{1, 3, 2, 2, std::pair{1, 2}},   // one heat out of the middle
                      BlockCase{1, 6, 3, 4, std::pair{1, 4}},   // the range inside the block
                      BlockCase{1, 3, 2, 5, std::pair{1, 1}},   // ends inside the range
                      BlockCase{3, 6, 3, 4, std::pair{3, 4}},   // starts at the range's start
                      BlockCase{1, 3, 1, 1, std::pair{1, 2}},   // its first column deleted
                      BlockCase{4, 7, 2, 5, std::pair{2, 3}})); // starts inside, ends after

TEST(DeleteResultColumns, SeveralBlocksStayApartAndOwnedByTheirFirstColumn) {
    Competition comp = ClassWithColumns(9);
    TKlasse &klasse = *comp.Classes[0];
    SetBlock(klasse, 1, 2, "voor");
    SetBlock(klasse, 3, 5, "over");
    SetBlock(klasse, 6, 6, "binnen");
    SetBlock(klasse, 7, 9, "na");
    ClearResultColumns(comp, 0, 5, true, false, 6);

    EXPECT_EQ(Blocks(klasse), (std::vector<std::pair<int, int>>{{1, 2}, {3, 4}, {5, 7}}));
    EXPECT_EQ(klasse.ColData(klasse.ResultColumn(5))->Info->Remark.str(), "na");
    EXPECT_EQ(FindInfoBlock(klasse, klasse.ResultColumn(7)), klasse.ResultColumn(5));
}

TEST(DeleteResultColumns, NonCountingHeatsStayNonCounting) {
    // A race day of six heats marked non-counting keeps its four remaining
    // heats out of the count after two are deleted.
    Competition comp = ClassWithColumns(8);
    TKlasse &klasse = *comp.Classes[0];
    SetBlock(klasse, 1, 6, "", InfoNotCounting);
    EXPECT_EQ(CountColumns(klasse), 2);
    ClearResultColumns(comp, 0, 3, true, false, 4);
    EXPECT_EQ(CountColumns(klasse), 2);
}

TEST(DeleteResultColumns, AllResultsLeaveNoResultColumn) {
    Competition comp = ClassWithColumns(4);
    TKlasse &klasse = *comp.Classes[0];
    SetBlock(klasse, 2, 3);
    ClearResultColumns(comp, 0, 3, true, true, 3);
    EXPECT_EQ(klasse.ResultCount, 0);
    EXPECT_EQ(klasse.Grid.ColCount(), 3);
    EXPECT_TRUE(Blocks(klasse).empty());
    EXPECT_EQ(ResultsOf(*klasse.Rider(1), 4), (std::vector<int>{N, N, N, N}));
    EXPECT_LT(klasse.Grid.CurCol, klasse.Grid.ColCount());
}

TEST(DeleteResultColumns, RangeIsKeptInsideTheClass) {
    // to beyond the last column stops at it; from beyond to deletes one column.
    Competition comp = ClassWithColumns(5);
    ClearResultColumns(comp, 0, 4, true, false, 9);
    EXPECT_EQ(ResultsOf(*comp.Classes[0]->Rider(1), 3), (std::vector<int>{1, 2, 3}));
    ClearResultColumns(comp, 0, 2, true, false, 1);
    EXPECT_EQ(ResultsOf(*comp.Classes[0]->Rider(1), 2), (std::vector<int>{1, 3}));
}

TEST(ClearResultColumnsTest, ClearingKeepsColumnsAndBlocks) {
    Competition comp = ClassWithColumns(4);
    TKlasse &klasse = *comp.Classes[0];
    SetBlock(klasse, 2, 3);
    ClearResultColumns(comp, 0, 2, false, false, 3);
    EXPECT_EQ(ResultsOf(*klasse.Rider(1), 4), (std::vector<int>{1, N, N, 4}));
    EXPECT_EQ(klasse.ResultCount, 4);
    EXPECT_EQ(Blocks(klasse), (std::vector<std::pair<int, int>>{{2, 3}}));
}

TEST(ClearResultColumnsTest, AllClassesAllResultsEmptiesEveryResult) {
    Competition comp = ClassWithColumns(3);
    comp.Classes.push_back(CreateClass(comp.Club, "MX2"));
    AddRider(comp, *comp.Classes[1], "Bakker", "3", {4, 5, 6, 7, 8});
    SetBlock(*comp.Classes[1], 1, 5);
    for (int tab = 0; tab < comp.ClassCount(); ++tab)
        ClearResultColumns(comp, tab, 2, false, true, 2);
    EXPECT_EQ(ResultsOf(*comp.Classes[0]->Rider(2), 3), (std::vector<int>{N, N, N}));
    EXPECT_EQ(ResultsOf(*comp.Classes[1]->Rider(1), 5), (std::vector<int>{N, N, N, N, N}));
    EXPECT_EQ(comp.Classes[1]->ResultCount, 5);
    EXPECT_EQ(Blocks(*comp.Classes[1]), (std::vector<std::pair<int, int>>{{1, 5}}));
}

TEST(ClearResultColumnsTest, ClassWithFewerColumnsIsLeftAlone) {
    Competition comp = ClassWithColumns(2);
    ClearResultColumns(comp, 0, 3, true, false, 3);
    EXPECT_EQ(comp.Classes[0]->ResultCount, 2);
    EXPECT_EQ(ResultsOf(*comp.Classes[0]->Rider(1), 2), (std::vector<int>{1, 2}));
}

TEST(DeleteResultColumns, FixedColumnsGiveWayWhenThreeColumnsRemain) {
    Competition comp = ClassWithColumns(2);
    comp.Classes.push_back(CreateClass(comp.Club, "MX2"));
    AddRider(comp, *comp.Classes[1], "Bakker", "3", {4, 5});
    comp.Club.Options |= OptFixedColumns;
    for (auto &klasse : comp.Classes) {
        klasse->Grid.FixedCols = 3;
        klasse->Grid.CurCol = 3;
    }
    ClearResultColumns(comp, 0, 2, true, false, 2); // 4 columns left: stays fixed
    EXPECT_EQ(comp.Classes[0]->Grid.FixedCols, 3);
    EXPECT_TRUE(comp.Club.Options & OptFixedColumns);

    ClearResultColumns(comp, 0, 1, true, false, 1); // 3 columns left
    EXPECT_FALSE(comp.Club.Options & OptFixedColumns);
    EXPECT_EQ(comp.Classes[0]->Grid.FixedCols, 1);
    EXPECT_EQ(comp.Classes[1]->Grid.FixedCols, 1);
    EXPECT_EQ(comp.Classes[1]->ResultCount, 2);
}

TEST(FindInfoBlockTest, FindsTheOwnerOfTheCoveringBlock) {
    Competition comp = ClassWithColumns(6);
    TKlasse &klasse = *comp.Classes[0];
    comp.Club.ViewFlags = ViewExtra2; // result column 1 at grid column 4
    RebuildFixedColumns(klasse, comp.Club);
    ASSERT_EQ(klasse.FirstResultCol, 4);
    SetBlock(klasse, 2, 4);
    EXPECT_EQ(FindInfoBlock(klasse, klasse.ResultColumn(1)), -1);
    for (int n = 2; n <= 4; ++n)
        EXPECT_EQ(FindInfoBlock(klasse, klasse.ResultColumn(n)), klasse.ResultColumn(2)) << n;
    EXPECT_EQ(FindInfoBlock(klasse, klasse.ResultColumn(5)), -1);
    EXPECT_EQ(FindInfoBlock(klasse, 3), -1); // the extra-field column
}

} // namespace
} // namespace rondaxa
