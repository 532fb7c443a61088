#include "model/model.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

TEST(CellText, ResultsWithPositionsShownAsPoints) {
    ClubRec club; // defaults: positions stored and shown as points
    TRijder rider;
    rider.Results[1] = 1;
    rider.Results[2] = 6;
    rider.Results[3] = 0;
    EXPECT_EQ(CellText(club, rider, KindResult, 1), "50");
    EXPECT_EQ(CellText(club, rider, KindResult, 2), "40");
    EXPECT_EQ(CellText(club, rider, KindResult, 3), "0");
    EXPECT_EQ(CellText(club, rider, KindResult, 4), "");
}

} // namespace
} // namespace rondaxa
