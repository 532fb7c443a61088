#include "core/scoring/club_rules.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::ScriptedPrompts;

TEST(EditPointsCell, FirstPlaceLoweredByTensShiftsTheOthersSilently) {
    ClubRec club;
    PointsRow row = PointsRowOf(club);
    ScriptedPrompts prompts;
    EXPECT_EQ(EditPointsCell(row, 0, "40", prompts), PointsCellOutcome::Stored);
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_EQ(row, (PointsRow{"40", "37", "35", "33", "31", "", "", "", "", ""}));
}

TEST(EditPointsCell, WarningsStoreAndRefusalsReopen) {
    ClubRec club;
    ScriptedPrompts prompts;
    PointsRow row = PointsRowOf(club);
    EXPECT_EQ(EditPointsCell(row, 0, "45", prompts), PointsCellOutcome::Stored);
    EXPECT_EQ(row[0], "45");
    EXPECT_EQ(row[1], "47");
    ASSERT_EQ(prompts.Messages.size(), 1u);
    EXPECT_EQ(prompts.Messages[0], "Een hogere uitslag moet meer punten\nkrijgen als een lagere uitslag!");

    EXPECT_EQ(EditPointsCell(row, 2, "48", prompts), PointsCellOutcome::Stored); // more than its left
    EXPECT_EQ(prompts.Messages.back(),
              "Een lagere uitslag moet minder punten\nkrijgen als een hogere uitslag!");

    EXPECT_EQ(EditPointsCell(row, 3, "251", prompts), PointsCellOutcome::Reopen);
    EXPECT_EQ(prompts.Messages.back(), "De waarde van een uitslag moet tussen de 0 en 250 liggen!");
    EXPECT_EQ(EditPointsCell(row, 3, "4x", prompts), PointsCellOutcome::Reopen);
    EXPECT_EQ(prompts.Messages.back(), "Geen geldige uitslag waarde!");
    EXPECT_EQ(row[3], "43");
}

TEST(ApplyPointsTable, GapsCloseAndZerosDrop) {
    ClubRec club;
    ApplyPointsTable(club, PointsRow{"50", "", "39", "0", "x", "", "", "", "", "300"});
    EXPECT_EQ(club.PointsCount, 2);
    EXPECT_EQ(club.Points[1], 50);
    EXPECT_EQ(club.Points[2], 39);
    EXPECT_EQ(club.Points[3], 0);
    EXPECT_EQ(DeductionStartPlace(PointsRow{}), 1);
    EXPECT_EQ(DeductionStartPlace(PointsRowOf(club)), 2);
}

TEST(ClubRanges, OutOfRangeValues) {
    EXPECT_EQ(DeductionInRange(0), 1);
    EXPECT_EQ(DeductionInRange(11), 1);
    EXPECT_EQ(DeductionInRange(10), 10);
    EXPECT_EQ(CountInRange(21, kMaxDropCount), 0);
    EXPECT_EQ(CountInRange(20, kMaxCountPlus), 20);
    EXPECT_EQ(CountInRange(100, kMaxCountPercent), 100);
    EXPECT_EQ(CountInRange(-1, kMaxCountPercent), 0);
}

} // namespace
} // namespace rondaxa
