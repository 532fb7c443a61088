#include "core/scoring/search.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

class SearchTest : public ::testing::Test {
protected:
    SearchTest() : comp_(MakeCompetition({"MX1", "MX2", "Quad"})) {
        comp_.Club.Options &= ~OptNamesAsStored; // names shown as first name + surname
        AddRider(comp_, Class(0), "Jansen, Piet", "12");
        AddRider(comp_, Class(0), "Vries, Jan de", "7");
        AddRider(comp_, Class(0), "de Vries", "7");
        AddRider(comp_, Class(1), "Bakker", "12");
        AddRider(comp_, Class(1), "de Vries", "12");
        AddRider(comp_, Class(2), "\xc9lan, \xc9mile", "3");
    }

    TKlasse &Class(int i) { return *comp_.Classes[static_cast<std::size_t>(i)]; }
    QuickSearchResult Quick(std::string_view text, bool contains, int startRow = 1, bool byStartNo = false) {
        return QuickSearch(comp_.Club, Class(0), text, byStartNo, contains, startRow);
    }
    std::optional<RiderFind> Find(RiderQuery query, bool again = false) {
        return FindRider(comp_, query, again);
    }

    Competition comp_;
};

TEST_F(SearchTest, QuickSearchByNameAtTheStartOrAnywhere) {
    // Shown as "Piet Jansen" and "Jan de Vries".
    EXPECT_EQ(Quick("jan", false).Row, 2);
    EXPECT_EQ(Quick("jan", true).Row, 1);
    EXPECT_EQ(Quick("JANS", true, 2).Outcome, SearchOutcome::NotFound); // no wrap around
    EXPECT_EQ(Quick("vries", true, 3).Row, 3);
    EXPECT_EQ(Quick("7", false, 1, true).Row, 2);
    EXPECT_EQ(Quick("", true).Outcome, SearchOutcome::Ignored);
}

TEST_F(SearchTest, QuickSearchPastTheLastRowStartsAtTheFirst) {
    EXPECT_EQ(Quick("piet", true, 4).Row, 1);
    Competition single = MakeCompetition({"Solo"});
    AddRider(single, *single.Classes[0], "Piet", "1");
    EXPECT_EQ(QuickSearch(single.Club, *single.Classes[0], "piet", false, true, 1).Outcome,
              SearchOutcome::Ignored);
    // The code page's own letters are upper-cased alike on every machine.
    comp_.ActiveClass = 2;
    AddRider(comp_, Class(2), "Other", "4");
    EXPECT_EQ(QuickSearch(comp_.Club, Class(2), "\xe9mile", false, false, 1).Row, 1);
}

TEST_F(SearchTest, ExtendedSearchWithAllOrOneOfTheFields) {
    RiderQuery query;
    query.Texts[0] = "de";
    query.Texts[1] = "12";
    query.MatchAll = true;
    query.Contains = false;
    // de Vries with 7 and Bakker with 12 are passed over; de Vries with 12 is found.
    auto find = Find(query);
    ASSERT_TRUE(find);
    EXPECT_EQ(find->ClassIndex, 1);
    EXPECT_EQ(find->Row, 2);

    query.MatchAll = false;
    find = Find(query);
    ASSERT_TRUE(find);
    EXPECT_EQ(find->ClassIndex, 0);
    EXPECT_EQ(find->Row, 1);
}

TEST_F(SearchTest, ExtendedSearchCaseSensitiveAndOneClass) {
    RiderQuery query;
    query.Texts[0] = "jan";
    query.CaseSensitive = true;
    EXPECT_FALSE(Find(query)); // stored as Jansen
    query.CaseSensitive = false;
    EXPECT_EQ(Find(query)->Row, 1);

    query.Texts[0] = "bakker";
    query.AllClasses = false;
    EXPECT_FALSE(Find(query));
    EXPECT_FALSE(Find(RiderQuery{}));
}

TEST_F(SearchTest, AgainContinuesAfterTheCurrentRowAndNeverWraps) {
    RiderQuery query;
    query.Texts[0] = "vries";
    Class(0).Grid.CurRow = 2;
    auto find = Find(query, true);
    ASSERT_TRUE(find);
    EXPECT_EQ(find->ClassIndex, 0);
    EXPECT_EQ(find->Row, 3);

    comp_.ActiveClass = 1;
    Class(1).Grid.CurRow = 2;
    EXPECT_FALSE(Find(query, true)); // the last match of the last class with it
    // Without a text or without a class there is nothing to look for.
    EXPECT_FALSE(Find(RiderQuery{}));
    comp_.ActiveClass = -1;
    EXPECT_FALSE(Find(query));
}

} // namespace
} // namespace rondaxa
