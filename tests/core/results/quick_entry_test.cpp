#include "core/results/quick_entry.h"
#include "core/scoring/final_standings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

constexpr int N = kNoResult;

// ---- the line format ----------------------------------------------------------

struct LineCase {
    const char *Line;
    const char *StartNo;
    bool Zero;
    const char *Name;
    const char *Extra1;
    const char *Extra2;
};

TEST(ParseEntryLine, StartNumberZeroMarkerNameAndExtraFields) {
    const LineCase cases[] = {
        {"12", "12", false, "", "", ""},
        {"12*0", "12", true, "", "", ""},
        {"12 *0", "12", false, "", "", ""}, // the marker after a separator is no marker
        {"*012", "12", true, "", "", ""},
        {"12\tJansen\tOss\tKtm", "12", false, "Jansen", "Oss", "Ktm"},
        {"12;Jansen;Oss", "12", false, "Jansen", "Oss", ""},
        {"12 Jansen", "12", false, "Jansen", "", ""},
        {"12 Jan de Vries", "12", false, "Jan de Vries", "", ""},
        {"7/Jan", "7", false, "Jan", "", ""},
        {"7-Jan", "7", false, "Jan", "", ""},
        {"12 ;Kees;x", "12", false, ";Kees;x", "x", ""}, // a ";" first in the name does not cut it
        {"12\t*0Piet\t\t", "12", false, "Piet", "", ""},
        {"12\tJan;Piet\tOss", "12", false, "Jan;Piet", "Oss", ""}, // a Tab row keeps its ";"
        {" 12", "", false, "12", "", ""},                          // begins with a separator
        {"-12", "", false, "12", "", ""},
        {"   ", "", false, "", "", ""},
        {"\x01"
         "ab12\x02",
         "ab12", false, "", "", ""}, // control characters trimmed
        {"123456", "123456", false, "", "", ""},
    };
    for (const LineCase &c : cases) {
        SCOPED_TRACE(c.Line);
        const EntryLine entry = ParseEntryLine(c.Line);
        EXPECT_EQ(entry.StartNo, c.StartNo);
        EXPECT_EQ(entry.ZeroMarker, c.Zero);
        EXPECT_EQ(entry.Name, c.Name);
        EXPECT_EQ(entry.Extra[0], c.Extra1);
        EXPECT_EQ(entry.Extra[1], c.Extra2);
        EXPECT_EQ(entry.Extra[2], "");
    }
}

TEST(ParseEntryLine, NameAndExtraFieldsAreCutToTheirRoom) {
    const std::string line = "1\t" + std::string(45, 'n') + "\t" + std::string(45, 'e') + "\t\t" + "z";
    const EntryLine entry = ParseEntryLine(line);
    EXPECT_EQ(entry.Name, std::string(30, 'n'));
    EXPECT_EQ(entry.Extra[0], std::string(40, 'e'));
    EXPECT_EQ(entry.Extra[1], "");
    EXPECT_EQ(entry.Extra[2], "z");

    const EntryLine huge = ParseEntryLine(std::string(1 << 20, '9') + "\t" + std::string(1 << 20, 'x'));
    EXPECT_EQ(huge.StartNo.size(), 1u << 20);
    EXPECT_EQ(huge.Name.size(), 30u);
}

TEST(SplitLines, LineEndsOfEverySortAndNoLineAfterTheLastBreak) {
    EXPECT_EQ(SplitLines("12\r\n7\n3\r5\n"), (std::vector<std::string>{"12", "7", "3", "5"}));
    EXPECT_EQ(SplitLines("12\n\n"), (std::vector<std::string>{"12", ""}));
    EXPECT_EQ(SplitLines("\r\n"), (std::vector<std::string>{""}));
    EXPECT_TRUE(SplitLines("").empty());
}

// ---- Enter in the list --------------------------------------------------------

TEST(EnterRule, ARepeatedStartNumberNamesTheOtherLine) {
    const std::vector<std::string> lines{"12", "7 Jan", "ab1", " x", "AB1*0", "-y"};
    EXPECT_EQ(LineWithSameStartNo(lines, 4), 3); // AB1 and ab1: letter case does not count
    EXPECT_EQ(LineWithSameStartNo(lines, 2), 5);
    EXPECT_EQ(LineWithSameStartNo(lines, 0), 0);
    EXPECT_EQ(LineWithSameStartNo(lines, 3), 0); // empty start numbers are nobody's
    EXPECT_EQ(LineWithSameStartNo(lines, 99), 0);
    EXPECT_EQ(LineWithSameStartNo({"7", "12", "7"}, 0), 3); // the first line too
}

TEST(EnterRule, EnterIsTakenOnlyAfterALineThatHoldsSomething) {
    EXPECT_TRUE(EnterAllowed(SplitLines("12\n")));
    EXPECT_FALSE(EnterAllowed(SplitLines("12\n\n")));
    EXPECT_FALSE(EnterAllowed(SplitLines("")));
    EXPECT_TRUE(EnterAllowed(SplitLines(" ")));
}

// ---- the checks of the list ---------------------------------------------------

TEST(CheckEntryLines, EachRefusalWithItsLines) {
    struct Case {
        std::vector<std::string> Lines;
        int Code;
    };
    const Case cases[] = {
        {{"ab12", "7", "AB12"}, kDuplicateStartNosCode},
        {{"12", "123456"}, kStartNoTooLongCode},
        {{"1", "a", "b", "c"}, kTooFewNumbersCode}, // 4 div 2 > 1 numbered
        {{"1", "a", "b"}, 0},                       // 3 div 2 = 1
        {{"12A", "B"}, 0},                          // 12A counts as numbered
        {{"", "", ""}, kNoStartNumbersCode},
        {{}, kEmptyListCode},
        {{"1", " ", "2", "-x"}, 0}, // lines without a start number are no doubles of each other
        {{"123456", "1", "1"}, kStartNoTooLongCode}, // the first error found
    };
    for (const Case &c : cases) {
        std::vector<std::string> lines = c.Lines;
        EXPECT_EQ(CheckEntryLines(lines), c.Code) << ::testing::PrintToString(c.Lines);
    }
}

// Message 22 names the first number that comes again, as typed there; its
// own text stays in front, as scripts look for it.
TEST(CheckEntryLines, ADoubleStartNumberIsNamed) {
    std::string doubled;
    std::vector<std::string> lines{"3", "ab12 Jansen", "9", "3", "AB12"};
    ASSERT_EQ(CheckEntryLines(lines, &doubled), kDuplicateStartNosCode);
    EXPECT_EQ(doubled, "3");
    lines = {"ab12", "7", "AB12", "7"};
    ASSERT_EQ(CheckEntryLines(lines, &doubled), kDuplicateStartNosCode);
    EXPECT_EQ(doubled, "AB12");

    QuickEntryOutcome outcome{kDuplicateStartNosCode, 0, true, "AB12"};
    EXPECT_EQ(RefusalMessage(outcome).Text, "Er komen dubbele startnummers voor! (startnummer AB12)");
    outcome.Code = kTooFewNumbersCode;
    EXPECT_EQ(RefusalMessage(outcome).Text, ErrorMessageFor(kTooFewNumbersCode).Text);
}

TEST(CheckEntryLines, EmptyLinesGoUntilTheWalkStops) {
    std::vector<std::string> lines{"12", "", "7", "", " "};
    EXPECT_EQ(CheckEntryLines(lines), 0);
    EXPECT_EQ(lines, (std::vector<std::string>{"12", "7", " "}));

    std::vector<std::string> stopped{"", "1", "abcdef", "", "2"};
    EXPECT_EQ(CheckEntryLines(stopped), kStartNoTooLongCode);
    EXPECT_EQ(stopped, (std::vector<std::string>{"1", "abcdef", "", "2"}));
}

// ---- start-number coverage --------------------------------------------------------

TEST(HasEnoughStartNumbers, AThirdOfTheRowsFromFiveRowsOn) {
    auto classWith = [](int riders, int numbered) {
        Competition comp = MakeCompetition({"MX1"});
        for (int i = 0; i < riders; ++i)
            AddRider(comp, *comp.Classes[0], "R" + std::to_string(i),
                     i < numbered ? std::to_string(i + 1) : "");
        return HasEnoughStartNumbers(*comp.Classes[0]);
    };
    EXPECT_FALSE(classWith(6, 1));
    EXPECT_TRUE(classWith(6, 2));
    EXPECT_TRUE(classWith(4, 0));
    EXPECT_FALSE(classWith(5, 0));
    EXPECT_TRUE(classWith(0, 0));
}

// ---- entering a list ----------------------------------------------------------

class EnterFinishingOrderTest : public ::testing::Test {
protected:
    EnterFinishingOrderTest() : comp_(MakeCompetition({"MX1"})) {
        comp_.Club.Options = OptStoreFinishOrder;
        for (const char *startNo : {"3", "5", "7", "12", ""})
            AddRider(comp_, Class(), std::string("Rijder ") + startNo, startNo, {1, 2});
        CountColumns(Class());
    }

    TKlasse &Class() { return *comp_.Classes[0]; }
    const TRijder *RiderWith(const std::string &startNo) {
        for (int row = 1; row < Class().Grid.RowCount(); ++row)
            if (const TRijder *rider = Class().Rider(row); rider && rider->StartNo == startNo)
                return rider;
        return nullptr;
    }
    int Result(const std::string &startNo, int n) {
        const TRijder *rider = RiderWith(startNo);
        EXPECT_NE(rider, nullptr) << "no rider " << startNo;
        return rider ? GetResult(*rider, n) : -2;
    }
    QuickEntryOutcome Enter(std::vector<std::string> lines, QuickEntryChoices choices = {}) {
        return EnterFinishingOrder(comp_, Class(), lines, choices);
    }

    Competition comp_;
};

TEST_F(EnterFinishingOrderTest, IgnoredStartNumberTakesNoPlaceOrPoints) {
    const QuickEntryOutcome outcome = Enter({"7", "3*0", "12", "99", "5"}, {true, 1, false});
    EXPECT_EQ(outcome.Code, 0);
    EXPECT_EQ(outcome.Column, 3);
    EXPECT_EQ(Class().ResultCount, 3);
    EXPECT_EQ(Class().Grid.Col(Class().ResultColumn(3)).Heading, "3");
    EXPECT_EQ(Class().ColData(Class().ResultColumn(3))->Number, 3);
    EXPECT_EQ(Result("7", 3), 1);
    EXPECT_EQ(Result("3", 3), 0);
    EXPECT_EQ(Result("12", 3), 2);
    EXPECT_EQ(Result("5", 3), 3);
    EXPECT_EQ(Result("", 3), N);
    EXPECT_EQ(RiderWith("99"), nullptr);
    EXPECT_EQ(Class().Grid.RowCount(), 6);

    // With points stored each place gets its points.
    comp_.Club.Options = 0;
    EXPECT_EQ(Enter({"7", "3*0", "12", "99", "5"}, {false, 3, false}).Code, 0);
    EXPECT_EQ(Result("7", 3), 50);
    EXPECT_EQ(Result("3", 3), 0);
    EXPECT_EQ(Result("12", 3), 47);
    EXPECT_EQ(Result("5", 3), 45);
}

TEST_F(EnterFinishingOrderTest, UnknownStartNumberBecomesARider) {
    EXPECT_EQ(Enter({"7", "3*0", "12", "99", "5"}).Code, 0);
    const TRijder *rider = RiderWith("99");
    ASSERT_NE(rider, nullptr);
    EXPECT_EQ(rider->Name, "< ??99?? >");
    EXPECT_EQ(Result("99", 3), 3);
    EXPECT_EQ(Result("5", 3), 4);
    EXPECT_EQ(Class().Grid.RowCount(), 7);
    EXPECT_EQ(Class().Grid.RowAt(6).Label, "6");
}

TEST_F(EnterFinishingOrderTest, NewRidersTakeTheirFieldsFromTheLine) {
    EXPECT_EQ(Enter({"20\tJansen\tOss\tKtm", "21;Bakker;Epe", "22 de Vries", "23 Mol\t\t\t\tX"}).Code, 0);
    const TRijder *jansen = RiderWith("20");
    ASSERT_NE(jansen, nullptr);
    EXPECT_EQ(jansen->Name, "Jansen");
    EXPECT_EQ(jansen->Extra1, "Oss");
    EXPECT_EQ(jansen->Extra2, "Ktm");
    EXPECT_EQ(RiderWith("21")->Name, "Bakker");
    EXPECT_EQ(RiderWith("21")->Extra1, "Epe");
    EXPECT_EQ(RiderWith("22")->Name, "de Vries");
    EXPECT_EQ(RiderWith("22")->Extra1, "");
    EXPECT_EQ(RiderWith("23")->Extra3, "X");
    EXPECT_EQ(Result("23", 3), 4);
}

TEST_F(EnterFinishingOrderTest, ALineWithoutStartNumberFindsNobodyAndMakesNobody) {
    // The rider without a start number must not be "found" by an empty one.
    EXPECT_EQ(Enter({"7", " Jansen", "   ", "-", "12"}).Code, 0);
    EXPECT_EQ(Result("7", 3), 1);
    EXPECT_EQ(Result("12", 3), 2);
    EXPECT_EQ(Result("", 3), N);
    EXPECT_EQ(Class().Grid.RowCount(), 6);
}

TEST_F(EnterFinishingOrderTest, StandingsShownGoBeforeTheNewColumn) {
    CalculateFinalStandings(comp_, CalcOptions{}, 0, 0, nullptr);
    ASSERT_GT(Class().CalcState, 0);
    EXPECT_EQ(Enter({"12", "7"}).Column, 3);
    EXPECT_EQ(Class().CalcState, 0);
    EXPECT_EQ(Class().Grid.ColCount(), Class().ResultColumn(3) + 1); // the last column is the new one
    EXPECT_EQ(Class().ColData(Class().ResultColumn(3))->Kind, KindResult);
    EXPECT_EQ(Result("12", 3), 1);
}

TEST_F(EnterFinishingOrderTest, ChangedColumnLosesTheRidersNotInTheList) {
    EXPECT_EQ(Enter({"12", "5"}, {false, 2, true}).Code, 0);
    EXPECT_EQ(Class().ResultCount, 2);
    EXPECT_EQ(Result("12", 2), 1);
    EXPECT_EQ(Result("5", 2), 2);
    EXPECT_EQ(Result("3", 2), N);
    EXPECT_EQ(Result("7", 2), N);
    EXPECT_EQ(Result("3", 1), 1); // other columns keep theirs
}

TEST_F(EnterFinishingOrderTest, RefusalsChangeNothing) {
    struct Case {
        std::vector<std::string> Lines;
        QuickEntryChoices Choices;
        int Code;
        bool KeepOpen;
    };
    const Case cases[] = {
        {{"7", "7"}, {}, kDuplicateStartNosCode, true},
        {{"7", "abcdef"}, {}, kStartNoTooLongCode, true},
        {{"", ""}, {}, kNoStartNumbersCode, false},
        {{}, {}, kEmptyListCode, false},
        {{"x", "y", "z", "1"}, {}, kTooFewNumbersCode, true},
        {{"7"}, {false, 3, true}, kBadResultNumberCode, false},
        {{"7"}, {false, 0, true}, kBadResultNumberCode, false},
    };
    for (const Case &c : cases) {
        const QuickEntryOutcome outcome = Enter(c.Lines, c.Choices);
        EXPECT_EQ(outcome.Code, c.Code);
        EXPECT_EQ(outcome.KeepOpen, c.KeepOpen);
        EXPECT_EQ(Class().ResultCount, 2);
        EXPECT_EQ(Class().Grid.RowCount(), 6);
        EXPECT_EQ(Result("7", 1), 1);
    }
}

TEST_F(EnterFinishingOrderTest, FiftyColumnsTakeNoNewOneButFortyNineDo) {
    for (int n = 3; n <= 49; ++n)
        ASSERT_EQ(Enter({"7"}).Code, 0);
    EXPECT_EQ(Class().ResultCount, 49);
    EXPECT_EQ(Enter({"12", "7"}).Column, 50);
    EXPECT_EQ(Result("12", 50), 1);
    EXPECT_EQ(Enter({"7"}).Code, kMaxResultsReachedCode);
    EXPECT_EQ(Class().ResultCount, 50);
    EXPECT_EQ(Enter({"3"}, {false, 50, true}).Code, 0);
    EXPECT_EQ(Result("3", 50), 1);
}

TEST_F(EnterFinishingOrderTest, AFullClassSkipsUnknownStartNumbers) {
    for (int i = 0; Class().Grid.RowCount() - 1 < kMaxRiders; ++i)
        AddRider(comp_, Class(), "Vol", "x" + std::to_string(i));
    EXPECT_EQ(Enter({"7", "999", "12"}).Code, 0);
    EXPECT_EQ(Class().Grid.RowCount() - 1, kMaxRiders);
    EXPECT_EQ(Result("12", 3), 2);
}

TEST_F(EnterFinishingOrderTest, HostileListsNeverBreakTheClass) {
    // Thousands of lines: unknown numbers fill the class up to its limit.
    std::vector<std::string> many;
    for (int i = 1; i <= 3000; ++i)
        many.push_back(std::to_string(i) + "\t\x01\x7f\xff" + std::string(200, '\xe9'));
    EXPECT_EQ(Enter(many).Code, 0);
    EXPECT_EQ(Class().Grid.RowCount() - 1, kMaxRiders);
    EXPECT_EQ(Result("3", 3), 3);
    for (int row = 1; row < Class().Grid.RowCount(); ++row)
        EXPECT_LE(Class().Rider(row)->Name.size(), 30u);
    // Letter case of the code page's own letters: é and É are one start number.
    std::vector<std::string> accented{"\xe9"
                                      "1",
                                      "\xc9"
                                      "1",
                                      "1"};
    EXPECT_EQ(CheckEntryLines(accented), kDuplicateStartNosCode);
}

// ---- reading a column back ----------------------------------------------------

TEST_F(EnterFinishingOrderTest, ColumnReadBackEntersTheSameResults) {
    ASSERT_EQ(Enter({"12", "3*0", "5", "7"}).Code, 0);
    std::vector<std::string> lines = FinishingOrderOf(comp_.Club, Class(), 3);
    EXPECT_EQ(lines, (std::vector<std::string>{"3", "12", "5", "7"}));
    EXPECT_EQ(comp_.Club.Options, OptStoreFinishOrder);
    EXPECT_EQ(Class().Rider(1)->StartNo, "3"); // the class is sorted by that column

    // Positions shown as points are read back as positions, not by their points.
    comp_.Club.Options |= OptPositionsAsPoints;
    EXPECT_EQ(FinishingOrderOf(comp_.Club, Class(), 3), lines);
    comp_.Club.Options |= OptZeroAsEmpty;
    EXPECT_EQ(FinishingOrderOf(comp_.Club, Class(), 3), (std::vector<std::string>{"12", "5", "7"}));
}

} // namespace
} // namespace rondaxa
