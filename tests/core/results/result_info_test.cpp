#include "core/results/result_info.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <utility>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;
using test::ScriptedPrompts;

constexpr auto Blocks = &test::InfoBlocks;
constexpr CalendarDate kToday{2026, 5, 17};

void SetBlock(TKlasse &klasse, int from, int to, const std::string &remark, const std::string &date = "",
              uint8_t flags = 0) {
    test::AddResultInfo(klasse, from, to, flags, remark, date);
}

const ResultInfo *BlockAt(const TKlasse &klasse, int n) {
    return klasse.ColData(klasse.ResultColumn(n))->Info.get();
}

Competition ClassWithColumns(int columns, const std::vector<std::string> &names = {"MX1"}) {
    Competition comp = MakeCompetition(names);
    for (auto &klasse : comp.Classes)
        AddRider(comp, *klasse, "Jansen", "12", std::vector<int>(static_cast<std::size_t>(columns), 1));
    return comp;
}

// ---- dates -------------------------------------------------------------------

TEST(StoredDateFromTextTest, TypedPartsAreCompletedFromToday) {
    const struct {
        const char *typed;
        const char *stored;
    } cases[] = {
        {"05-03-2025", "20250305"},
        {" 9-__-____", "20260509"}, // a day alone: this month and year
        {"", ""},                   // an empty field is no date
        {"__-__-____", ""},
        {"__-03-2026", "20260317"}, // no day, another month, this year
        {"__-03-____", ""},         // no day, another month, no year: not completed
        {"__-03-2025", ""},         // no day, another month and year: not completed
        {"__-05-2025", "20250517"}, // no day, this month
        {"7-8-98", "19980807"},
        {"7-8-00", "20000807"},
        {"31-02-2026", "20260231"}, // not checked against the calendar
        {"7-8-123456", ""},         // a part wider than its place is no date
    };
    for (const auto &c : cases)
        EXPECT_EQ(StoredDateFromText(c.typed, kToday), c.stored) << c.typed;
}

TEST(StoredDateFromTextTest, LeavingTheFieldShowsTheStoredDate) {
    InfoPage page;
    page.DateText = "3";
    page.DateEdited = true;
    LeaveDateField(page, kToday);
    EXPECT_EQ(page.Work.Date.str(), "20260503");
    EXPECT_EQ(page.DateText, "03-05-2026");
    EXPECT_TRUE(page.DateEdited);
}

// ---- loading and storing pages -------------------------------------------------

struct PageFixture : ::testing::Test {
    Competition comp = ClassWithColumns(10);
    TKlasse &klasse = *comp.Classes[0];
    ScriptedPrompts prompts;
    InfoPage page;

    void Load(int n) {
        klasse.Grid.CurCol = klasse.ResultColumn(n);
        LoadInfoPage(page, klasse, FindInfoBlock(klasse, klasse.Grid.CurCol));
    }
    Answer Store() { return StoreInfoPage(page, comp, klasse, prompts); }
};

TEST_F(PageFixture, LoadingShowsTheBlockOrAnEmptyPageAtTheCursor) {
    SetBlock(klasse, 3, 5, "Zand", "20260412", InfoNotCounting);
    Load(4);
    EXPECT_EQ(page.From, 3);
    EXPECT_EQ(page.To, 5);
    EXPECT_EQ(page.Remark, "Zand");
    EXPECT_EQ(page.DateText, "12-04-2026");
    EXPECT_TRUE(page.NotCounting);

    Load(7);
    EXPECT_EQ(page.From, 7);
    EXPECT_EQ(page.To, 7);
    EXPECT_EQ(page.Remark, "");
    EXPECT_EQ(page.DateText, "");
    EXPECT_FALSE(page.NotCounting);
    EXPECT_EQ(page.Work.FromCol, 0);
}

TEST_F(PageFixture, RangeFieldsStayInOrder) {
    Load(2);
    SetPageFrom(page, 6);
    EXPECT_EQ(page.To, 6);
    SetPageTo(page, 9);
    SetPageTo(page, 4);
    EXPECT_EQ(page.From, 4);
    EXPECT_EQ(page.To, 4);
}

TEST_F(PageFixture, NewRangeApartFromTheOldKeepsTheOldBlock) {
    SetBlock(klasse, 3, 5, "Zand", "20260412");
    Load(3);
    SetPageFrom(page, 7);
    SetPageTo(page, 8);
    EXPECT_EQ(Store(), Answer::Yes);
    EXPECT_EQ(Blocks(klasse), (std::vector<std::pair<int, int>>{{3, 5}, {7, 8}}));
    EXPECT_EQ(BlockAt(klasse, 7)->Remark.str(), "Zand");
    EXPECT_EQ(BlockAt(klasse, 7)->Date.str(), "20260412");
    EXPECT_TRUE(prompts.Questions.empty());
    // ... and the old block can be paged back to.
    const int previous = PreviousPageColumn(page, klasse);
    ASSERT_EQ(previous, klasse.ResultColumn(3));
    LoadInfoPage(page, klasse, previous);
    EXPECT_EQ(page.From, 3);
    EXPECT_EQ(page.To, 5);
}

TEST_F(PageFixture, OverlappingNewRangeReplacesTheOldBlock) {
    SetBlock(klasse, 3, 5, "Zand", "20260412");
    Load(5);
    SetPageTo(page, 6);
    SetPageFrom(page, 4);
    page.NotCounting = true;
    page.CheckClicked = true;
    EXPECT_EQ(Store(), Answer::Yes);
    EXPECT_EQ(Blocks(klasse), (std::vector<std::pair<int, int>>{{4, 6}}));
    EXPECT_TRUE(BlockAt(klasse, 4)->NotCounting());
    EXPECT_EQ(FindInfoBlock(klasse, klasse.ResultColumn(6)), klasse.ResultColumn(4));
    EXPECT_TRUE(prompts.Questions.empty());
}

TEST_F(PageFixture, OverwritingOtherBlocksAsksOnceAndYesDeletesThemAll) {
    SetBlock(klasse, 1, 2, "Een");
    SetBlock(klasse, 4, 5, "Twee");
    Load(3);
    SetPageFrom(page, 2);
    SetPageTo(page, 4);
    page.Remark = "Nieuw";
    EXPECT_EQ(Store(), Answer::Yes);
    ASSERT_EQ(prompts.Questions.size(), 1u);
    EXPECT_EQ(prompts.Questions[0], "De gekozen reeks uitslagen zal andere\nbestaande uitslag informatie "
                                    "overschrijven !\nNieuwe uitslag informatie accepteren ?");
    EXPECT_EQ(Blocks(klasse), (std::vector<std::pair<int, int>>{{2, 4}}));
    // The grid shows the stored block in its colour and the deleted one no more.
    EXPECT_EQ(klasse.ColData(klasse.ResultColumn(4))->Color, comp.Club.InfoColor1);
    EXPECT_EQ(klasse.ColData(klasse.ResultColumn(5))->Color, kClWindow);
}

TEST_F(PageFixture, NoOrCancelToTheOverlapStoresNothing) {
    for (Answer answer : {Answer::No, Answer::Cancel}) {
        SetBlock(klasse, 4, 5, "Twee");
        Load(3);
        SetPageTo(page, 4);
        page.Remark = "Nieuw";
        prompts.Answers = {answer};
        EXPECT_EQ(Store(), answer);
        EXPECT_EQ(Blocks(klasse), (std::vector<std::pair<int, int>>{{4, 5}}));
    }
}

TEST_F(PageFixture, UnchangedPageIsNotStored) {
    SetBlock(klasse, 2, 3, "Een");
    SetBlock(klasse, 3, 4, "Overlapt"); // a damaged overlap goes unnoticed when nothing changed
    Load(2);
    EXPECT_EQ(Store(), Answer::Yes);
    EXPECT_TRUE(prompts.Questions.empty());
}

TEST_F(PageFixture, EmptiedPageDeletesItsBlockAndTheNonCountingFlagAloneStoresNone) {
    SetBlock(klasse, 2, 3, "Een");
    Load(2);
    page.Remark.clear();
    EXPECT_EQ(Store(), Answer::Yes);
    EXPECT_TRUE(Blocks(klasse).empty());
    page.LoadedCol = InfoPage::kNoPage;
    Load(2);
    page.NotCounting = true;
    page.CheckClicked = true;
    EXPECT_EQ(Store(), Answer::Yes);
    EXPECT_TRUE(Blocks(klasse).empty());
}

TEST_F(PageFixture, RangeIsLimitedToTheResultColumns) {
    Load(9);
    SetPageTo(page, 14);
    page.Remark = "Eind";
    Store();
    EXPECT_EQ(Blocks(klasse), (std::vector<std::pair<int, int>>{{9, 10}}));
    EXPECT_EQ(page.To, 10); // the page shows what was stored
}

TEST_F(PageFixture, PagingFindsTheNextAndPreviousBlocks) {
    SetBlock(klasse, 2, 3, "Een");
    SetBlock(klasse, 6, 7, "Twee");
    Load(2);
    EXPECT_EQ(NextPageColumn(page, klasse), klasse.ResultColumn(6));
    EXPECT_EQ(PreviousPageColumn(page, klasse), -1); // nothing before: the page stays
    Load(6);
    EXPECT_EQ(NextPageColumn(page, klasse), klasse.ResultColumn(8)); // the column after the range
    EXPECT_EQ(PreviousPageColumn(page, klasse), klasse.ResultColumn(2));
    Load(10);
    SetBlock(klasse, 10, 10, "Laatste");
    page.LoadedCol = InfoPage::kNoPage;
    Load(10);
    EXPECT_EQ(NextPageColumn(page, klasse), klasse.ResultColumn(1)); // past the end: back to 1
    // From a page without a block, "Volgende" looks from result 1 on and
    // "Vorige" from the column left of the cursor.
    SetBlock(klasse, 1, 1, "Start");
    Load(5);
    EXPECT_EQ(NextPageColumn(page, klasse), klasse.ResultColumn(1));
    EXPECT_EQ(PreviousPageColumn(page, klasse), klasse.ResultColumn(2));
}

// ---- synchronisation -------------------------------------------------------------

struct SynchroFixture : ::testing::Test {
    Competition comp = ClassWithColumns(4, {"MX1", "MX2", "Jeugd"});
    ScriptedPrompts prompts;

    void SetUp() override { AddRider(comp, *comp.Classes[2], "Kort", "1", std::vector<int>(6, 1)); }
    SynchroChoice Choice() {
        SynchroChoice choice;
        choice.Source = 0;
        choice.Targets = SynchroTargets(comp, 0);
        return choice;
    }
};

TEST_F(SynchroFixture, ClassesWithAnotherNumberOfColumnsAreNoTargets) {
    EXPECT_EQ(SynchroTargets(comp, 0), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(SynchroTargets(comp, 2), (std::vector<bool>{false, false, false}));
}

TEST_F(SynchroFixture, QuestionNamesTheSourceUnderItsOwnCaption) {
    SetBlock(*comp.Classes[0], 1, 2, "Een");
    prompts.Answers = {Answer::No};
    EXPECT_FALSE(SynchroniseInfo(comp, Choice(), prompts));
    ASSERT_EQ(prompts.Questions.size(), 1u);
    EXPECT_EQ(prompts.Captions[0], "Informatie Uitslagen synchroniseren");
    EXPECT_EQ(prompts.Questions[0], "Uitslagen Informatie van de klasse \"MX1\"\n\r"
                                    "Kopi\xEBren naar de geselecteerde doel klasse(n) ?");
    EXPECT_TRUE(Blocks(*comp.Classes[1]).empty());
}

TEST_F(SynchroFixture, SupplementKeepsTheTargetsOwnDateAndClearsTheFlag) {
    SetBlock(*comp.Classes[0], 1, 2, "Bron", "20260401", InfoNotCounting);
    SetBlock(*comp.Classes[0], 3, 4, "Bron2", "20260408", InfoNotCounting);
    SetBlock(*comp.Classes[1], 1, 2, "", "20260402", InfoNotCounting);
    SetBlock(*comp.Classes[1], 3, 3, "Eigen");
    SynchroChoice choice = Choice();
    choice.Supplement = true;
    EXPECT_TRUE(SynchroniseInfo(comp, choice, prompts));

    const TKlasse &target = *comp.Classes[1];
    EXPECT_EQ(Blocks(target), (std::vector<std::pair<int, int>>{{1, 2}, {3, 4}}));
    EXPECT_EQ(BlockAt(target, 1)->Date.str(), "20260402"); // its own
    EXPECT_EQ(BlockAt(target, 1)->Remark.str(), "Bron");   // the source's where it had none
    EXPECT_EQ(BlockAt(target, 3)->Date.str(), "20260408");
    EXPECT_EQ(BlockAt(target, 3)->Remark.str(), "Eigen");
    EXPECT_FALSE(BlockAt(target, 1)->NotCounting());
    EXPECT_FALSE(BlockAt(target, 3)->NotCounting());
    EXPECT_TRUE(Blocks(*comp.Classes[2]).empty());
}

TEST_F(SynchroFixture, OverwriteTakesOnlyTheChosenFieldsAndDropsOtherBlocks) {
    SetBlock(*comp.Classes[0], 1, 2, "Bron", "20260401");
    SetBlock(*comp.Classes[1], 3, 4, "Weg");
    SynchroChoice choice = Choice();
    choice.CopyDate = false;
    EXPECT_TRUE(SynchroniseInfo(comp, choice, prompts));
    EXPECT_EQ(Blocks(*comp.Classes[1]), (std::vector<std::pair<int, int>>{{1, 2}}));
    EXPECT_EQ(BlockAt(*comp.Classes[1], 1)->Date.str(), "");
    EXPECT_EQ(BlockAt(*comp.Classes[1], 1)->Remark.str(), "Bron");
    EXPECT_EQ(comp.Classes[1]->ColData(comp.Classes[1]->ResultColumn(2))->Color, comp.Club.InfoColor1);
    EXPECT_EQ(comp.Classes[1]->ColData(comp.Classes[1]->ResultColumn(3))->Color, kClWindow);
    // Any class can be the source, and the first one a target.
    SetBlock(*comp.Classes[1], 3, 4, "Terug");
    choice.Source = 1;
    choice.Targets = SynchroTargets(comp, 1);
    EXPECT_TRUE(SynchroniseInfo(comp, choice, prompts));
    EXPECT_EQ(Blocks(*comp.Classes[0]), (std::vector<std::pair<int, int>>{{1, 2}, {3, 4}}));
    EXPECT_EQ(BlockAt(*comp.Classes[0], 3)->Remark.str(), "Terug");
}

TEST_F(SynchroFixture, NothingChosenOrNoColumnsCopiesNothing) {
    SynchroChoice choice = Choice();
    choice.CopyDate = choice.CopyRemark = false;
    EXPECT_FALSE(SynchroniseInfo(comp, choice, prompts));
    Competition empty = MakeCompetition({"A", "B"});
    SynchroChoice none;
    none.Targets = {false, true};
    EXPECT_FALSE(SynchroniseInfo(empty, none, prompts));
    EXPECT_TRUE(prompts.Questions.empty());
}

} // namespace
} // namespace rondaxa
