#include "core/daily/daily.h"
#include "core/model/display_settings.h"
#include "core/model/document.h"
#include "core/model/editing.h"
#include "core/model/kzb_file.h"
#include "core/model/riders.h"
#include "core/results/add_classes.h"
#include "core/results/quick_entry.h"
#include "core/results/result_columns.h"
#include "core/results/result_info.h"
#include "core/scoring/class_settings.h"
#include "core/scoring/final_standings.h"
#include "core/scoring/sorting.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <random>

namespace rondaxa {
namespace {

int CharWidth(std::string_view text) {
    return static_cast<int>(text.size()) * 7;
}

// Writes down every notice, in order.
struct Recorder : DocumentObserver {
    std::vector<std::string> notices;
    void ClassListChanged() override { notices.push_back("classes"); }
    void ClassChanged(int tab) override { notices.push_back("class " + std::to_string(tab)); }
    void CellsChanged(int tab, int col, int row) override {
        notices.push_back("cells " + std::to_string(tab) + " " + std::to_string(col) + " " +
                          std::to_string(row));
    }
    void ClubSettingsChanged() override { notices.push_back("club"); }
    void DisplaySettingsChanged() override { notices.push_back("display"); }
    void ModifiedChanged(bool modified) override { notices.push_back(modified ? "modified" : "saved"); }
};

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() {
        Competition &comp = doc.Comp();
        comp = test::MakeCompetition({"MX1", "MX2", "Quad"});
        comp.ActiveClass = 0;
        for (auto &klasse : comp.Classes) {
            test::AddRider(comp, *klasse, "Jansen", "12", {1, 3});
            test::AddRider(comp, *klasse, "Pietersen", "7", {2, 1});
        }
        doc.AddObserver(&recorder);
    }

    TKlasse &Class(int tab) { return *doc.Comp().Classes[static_cast<std::size_t>(tab)]; }
    Bytes Saved() { return SerializeCompetition(doc.Comp()); }

    test::FixedClock clock{0x5A214B2C};
    test::ScriptedPrompts prompts;
    CompetitionDocument doc;
    Recorder recorder;
};

TEST_F(DocumentTest, AStepThatChangesNothingLeavesNoTraceAndSaysNothing) {
    const Bytes before = Saved();
    auto step = doc.Perform(StepScope::Class(0), "Niets", [&] {
        Class(0).Grid.CurRow = 2; // the cursor is the view's, not a change
        Class(0).Grid.Col(1).Width = 300;
    });
    EXPECT_EQ(step, nullptr);
    EXPECT_TRUE(recorder.notices.empty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Saved(), before);
}

TEST_F(DocumentTest, ACellStepIsAnnouncedUndoneAndRedone) {
    TKlasse &klasse = Class(1);
    const int col = klasse.ResultColumn(2);
    auto step = doc.Perform(StepScope::Cells(1, col, 2), "Uitslag",
                            [&] { StoreCellEdit(doc.Comp(), klasse, 2, col, "9", prompts, CharWidth); });
    ASSERT_NE(step, nullptr);
    const int16_t typed = klasse.Rider(2)->Results[2];
    EXPECT_NE(typed, 1);
    const std::vector<std::string> told = {"modified", "cells 1 " + std::to_string(col) + " 2"};
    EXPECT_EQ(recorder.notices, told);
    EXPECT_EQ(step->Text(), "Uitslag");

    doc.MarkUnmodified();
    recorder.notices.clear();
    doc.Undo(*step);
    EXPECT_EQ(Class(1).Rider(2)->Results[2], 1);
    EXPECT_EQ(&Class(1), &klasse); // the class stays the same object for the views
    EXPECT_EQ(recorder.notices, told);
    doc.Redo(*step);
    EXPECT_EQ(Class(1).Rider(2)->Results[2], typed);
}

TEST_F(DocumentTest, AClassStepKeepsOnlyThatClassAndTheSettings) {
    doc.Comp().Club.NextRiderId = 40;
    auto step = doc.Perform(StepScope::Class(2), "Rijder toevoegen", [&] {
        NewRiderRow(Class(2), doc.Comp().Club); // takes an identity from the club's counter
    });
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(recorder.notices.back(), "class 2");
    EXPECT_LT(step->MemoryUse(), 2 * sizeof(TKlasse) + 8 * sizeof(TRijder));
    doc.Undo(*step);
    EXPECT_EQ(Class(2).Grid.RowCount(), 3);
    EXPECT_EQ(doc.Comp().Club.NextRiderId, 40);
}

TEST_F(DocumentTest, ACompetitionStepKeepsTheClassesItChangedAndRestoresTheOrder) {
    const Bytes before = Saved();
    TKlasse *mx2 = &Class(1);
    auto step = doc.Perform(StepScope::WholeCompetition(), "Klassen", [&] {
        Competition &comp = doc.Comp();
        comp.Classes.erase(comp.Classes.begin()); // MX1 goes
        comp.Classes.push_back(CreateClass(comp.Club, "Nieuw"));
        std::swap(comp.Classes[0], comp.Classes[1]); // Quad before MX2
    });
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(recorder.notices.back(), "classes");
    // MX2 and Quad were not changed: only MX1 is kept.
    EXPECT_LT(step->MemoryUse(), 2 * sizeof(TKlasse) + 8 * sizeof(TRijder));
    const Bytes after = Saved();

    doc.Undo(*step);
    EXPECT_EQ(Saved(), before);
    EXPECT_EQ(&Class(1), mx2); // a class the step left alone is the same object again
    doc.Redo(*step);
    EXPECT_EQ(Saved(), after);
    doc.Undo(*step);
    EXPECT_EQ(Saved(), before);
}

TEST_F(DocumentTest, AStepWithinAStepIsPartOfItAndAFailingStepIsStillAnnounced) {
    auto outer = doc.Perform(StepScope::Class(0), "Buiten", [&] {
        auto inner =
            doc.Perform(StepScope::Class(0), "Binnen", [&] { NewRiderRow(Class(0), doc.Comp().Club); });
        EXPECT_EQ(inner, nullptr);
        EXPECT_TRUE(doc.InStep());
        EXPECT_TRUE(recorder.notices.empty()); // nothing is told halfway
    });
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(recorder.notices, (std::vector<std::string>{"modified", "class 0"}));
    doc.Undo(*outer);
    EXPECT_EQ(Class(0).Grid.RowCount(), 3);

    // A step that fails is still announced, and modifies.
    doc.MarkUnmodified();
    EXPECT_THROW(doc.Perform(StepScope::Class(0), "Fout",
                             [&] {
                                 NewRiderRow(Class(0), doc.Comp().Club);
                                 throw IoError("weg");
                             }),
                 IoError);
    EXPECT_FALSE(doc.InStep());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(recorder.notices.back(), "class 0");
}

TEST_F(DocumentTest, TheModifiedStateIsToldOnlyWhenItTurns) {
    doc.MarkModified();
    doc.MarkModified(ModifiedClasses);
    EXPECT_EQ(doc.Modified(), ModifiedData | ModifiedClasses);
    doc.MarkUnmodified();
    doc.MarkUnmodified();
    doc.Replace([&] { doc.Comp().Classes.clear(); });
    EXPECT_EQ(recorder.notices, (std::vector<std::string>{"modified", "saved", "classes"}));
    EXPECT_FALSE(doc.IsModified()); // a replacement leaves the state to its caller
    // A club settings step marks the class settings.
    auto step = doc.Perform(StepScope::ClubSettings(), "Club", [&] { doc.Comp().Club.ClubName = "MC"; });
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(doc.Modified(), ModifiedClasses);
    EXPECT_EQ(recorder.notices.back(), "classes");
}

TEST(CloneClassTest, ACopyIsTheSameAndIndependent) {
    Competition comp = test::MakeCompetition({"MX1"});
    TKlasse &klasse = *comp.Classes[0];
    test::AddRider(comp, klasse, "Jansen", "12", {1, 3});
    test::AddResultInfo(klasse, 1, 2, InfoNotCounting, "Zand", "20260412");
    auto copy = CloneClass(klasse);
    EXPECT_TRUE(SameClass(*copy, klasse));
    EXPECT_NE(copy->Rider(1), klasse.Rider(1));
    EXPECT_NE(copy->ColData(klasse.ResultColumn(1))->Info.get(),
              klasse.ColData(klasse.ResultColumn(1))->Info.get());

    // Each part that is stored or shown counts.
    const std::vector<std::function<void(TKlasse &)>> changes = {
        [](TKlasse &k) { k.Rider(1)->Results[2] = 4; },
        [](TKlasse &k) { k.Rider(1)->Extra2 = "Honda"; },
        [](TKlasse &k) { k.ColData(k.ResultColumn(1))->Info->Remark = "Gras"; },
        [](TKlasse &k) { k.ColData(k.ResultColumn(2))->Color = 0xFF; },
        [](TKlasse &k) { k.Grid.Col(1).Heading = "PL"; },
        [](TKlasse &k) { k.Grid.RowAt(1).Label = "3"; },
        [](TKlasse &k) { k.Grid.FixedCols = 3; },
        [](TKlasse &k) { k.Grid.Font.Size = 14; },
        [](TKlasse &k) { k.Name = "MX2"; },
        [](TKlasse &k) { k.CalcState = 1; },
        [](TKlasse &k) { k.Grid.RowAt(1).Rider.reset(); },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        auto changed = CloneClass(klasse);
        changes[i](*changed);
        EXPECT_FALSE(SameClass(*changed, klasse)) << i;
    }
    // A calculation's working fields count only while standings are shown.
    auto worked = CloneClass(klasse);
    worked->Rider(1)->CalcTotal = 12;
    worked->Rider(1)->SortKey = "x";
    EXPECT_TRUE(SameClass(*worked, klasse));
    klasse.CalcState = 1;
    worked->CalcState = 1;
    EXPECT_FALSE(SameClass(*worked, klasse));
}

// ---- every command over the document, taken back and done again ----------------------

class DocumentHistoryTest : public ::testing::TestWithParam<unsigned> {
protected:
    void SetUp() override {
        rng.seed(GetParam());
        Competition &comp = doc.Comp();
        comp = test::MakeCompetition({"MX1", "MX2", "Quad", "Jeugd"});
        comp.Club.Options |= OptStoreFinishOrder;
        comp.ActiveClass = 0;
        for (auto &klasse : comp.Classes) {
            const int riders = Pick(2, 9);
            for (int r = 0; r < riders; ++r) {
                std::vector<int> results;
                for (int n = Pick(1, 5); n > 0; --n)
                    results.push_back(Pick(0, 4) == 0 ? -1 : Pick(1, riders));
                test::AddRider(comp, *klasse, "Rijder " + std::to_string(r), std::to_string(10 + r), results);
            }
            CountColumns(*klasse);
        }
        // A file to add classes from.
        Competition other = test::MakeCompetition({"Extra"});
        other.Club.Options |= OptStoreFinishOrder;
        test::AddRider(other, *other.Classes[0], "Gast", "99", {1});
        SaveCompetition(other, dir.Path("andere.kzb"));
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    TKlasse &Class(int tab) { return *doc.Comp().Classes[static_cast<std::size_t>(tab)]; }
    int AnyClass() { return Pick(0, doc.Comp().ClassCount() - 1); }
    int AnyRow(const TKlasse &klasse) { return Pick(1, klasse.Grid.RowCount() - 1); }

    std::unique_ptr<DocumentStep> RandomStep();

    std::mt19937 rng;
    test::FixedClock clock{0x5A214B2C};
    test::TempDir dir;
    test::ScriptedPrompts prompts;
    CompetitionDocument doc;
};

std::unique_ptr<DocumentStep> DocumentHistoryTest::RandomStep() {
    Competition &comp = doc.Comp();
    const int tab = AnyClass();
    TKlasse &klasse = Class(tab);
    comp.ActiveClass = tab;
    const int row = AnyRow(klasse);
    switch (Pick(0, 16)) {
    case 0: { // a typed cell
        const int col = Pick(1, klasse.Grid.ColCount() - 1);
        return doc.Perform(StepScope::Cells(tab, col, row), "cel", [&] {
            StoreCellEdit(comp, klasse, row, col, std::to_string(Pick(1, 4)), prompts, CharWidth);
        });
    }
    case 1: // the rider details window
        return doc.Perform(StepScope::Cells(tab, -1, row), "rijder", [&] {
            if (TRijder *rider = klasse.Rider(row))
                rider->Extra1 = "Plaats " + std::to_string(Pick(1, 9));
        });
    case 2:
        return doc.Perform(StepScope::Class(tab), "toevoegen", [&] { NewRiderRow(klasse, comp.Club); });
    case 3:
        return doc.Perform(StepScope::Class(tab), "verwijderen",
                           [&] { DeleteRiderRow(klasse, comp.Club, row, Pick(0, 1) == 1); });
    case 4:
        return doc.Perform(StepScope::Class(tab), "plakken", [&] {
            TRijder record;
            record.Name = "Geplakt";
            record.Results[1] = 2;
            PasteRiderRecord(comp, klasse, row, record, true);
        });
    case 5:
        return doc.Perform(StepScope::Class(tab), "snel", [&] {
            std::vector<std::string> lines;
            for (int r = 1; r < klasse.Grid.RowCount(); ++r)
                if (const TRijder *rider = klasse.Rider(r);
                    rider && !rider->StartNo.empty() && Pick(0, 2) > 0)
                    lines.push_back(rider->StartNo.str());
            lines.push_back(std::to_string(Pick(50, 60)));
            EnterFinishingOrder(comp, klasse, lines, QuickEntryChoices{});
        });
    case 6:
        return doc.Perform(StepScope::Class(tab), "informatie", [&] {
            if (klasse.ResultCount < 1)
                return;
            InfoPage page;
            LoadInfoPage(page, klasse, klasse.ResultColumn(1));
            page.Remark = "Zand " + std::to_string(Pick(1, 9));
            page.To = klasse.ResultCount;
            StoreInfoPage(page, comp, klasse, prompts);
        });
    case 7:
        return doc.Perform(StepScope::WholeCompetition(), "synchro", [&] {
            SynchroChoice choice;
            choice.Source = tab;
            choice.Targets = SynchroTargets(comp, tab);
            SynchroniseInfo(comp, choice, prompts);
        });
    case 8:
        return doc.Perform(StepScope::Class(tab), "kolommen",
                           [&] { AddResultColumns(comp, klasse, Pick(1, 3), Pick(0, 1) == 1); });
    case 9:
        return doc.Perform(StepScope::Class(tab), "wissen", [&] {
            const int from = Pick(1, std::max(1, klasse.ResultCount));
            ClearResultColumns(comp, tab, from, Pick(0, 1) == 1, false, std::max(from, klasse.ResultCount));
        });
    case 10:
        return doc.Perform(StepScope::Class(tab), "dagklassement", [&] {
            if (klasse.ResultCount < 1)
                return;
            const DailyTable table =
                MakeDailyClassification(comp.Club, klasse, 1, klasse.ResultCount, false, CharWidth);
            ClearDailySortKeys(klasse);
            ApplyDailyClassification(comp, tab, table);
        });
    case 11:
        return doc.Perform(StepScope::WholeCompetition(), "klasse uit bestand", [&] {
            if (comp.ClassCount() < 8)
                AddCheckedClasses(comp, dir.Path("andere.kzb"), {true});
        });
    case 12:
        return doc.Perform(StepScope::ClubSettings(), "club", [&] {
            ClassListEdit classes(comp);
            if (Pick(0, 1) == 1 && classes.Count() > 1)
                classes.Remove(Pick(0, classes.Count() - 1));
            else
                classes.Rename(0, "Klasse " + std::to_string(Pick(1, 9)));
            ClubSettingsForm form = ClubSettingsFormFor(comp.Club);
            form.ClubName = "MC " + std::to_string(Pick(1, 9));
            form.Storage = Pick(0, 1) == 1 ? StorageMethod::Points : StorageMethod::Positions;
            ApplyClubSettings(comp, classes, form, prompts);
        });
    case 13:
        return doc.Perform(StepScope::Class(tab), "sorteren",
                           [&] { SortByHeading(comp.Club, klasse, Pick(1, klasse.Grid.ColCount() - 1), 0); });
    case 14:
        return doc.Perform(StepScope::WholeCompetition(), "eindstanden", [&] {
            if (klasse.ResultCount < 1)
                return;
            CalcOptions options;
            options.Set(CalcOptions::AllClasses, Pick(0, 1) == 1);
            CalculateFinalStandings(comp, options, tab, 0, nullptr);
        });
    case 15:
        return doc.Perform(StepScope::WholeCompetition(), "verwijder eindstanden",
                           [&] { RemoveAllStandings(comp); });
    default:
        return doc.Perform(StepScope::DisplaySettings(), "weergave", [&] {
            DisplayChoices choices = CurrentDisplayChoices(comp.Club);
            choices.ShowExtra[0] = !choices.ShowExtra[0];
            choices.FixedColumns = Pick(0, 1) == 1;
            ApplyDisplayChoices(comp, choices);
        });
    }
}

// Undoing every step gives the file as it was, redoing every step the file
// after them, whatever the steps were.
TEST_P(DocumentHistoryTest, UndoingEverythingGivesTheOriginalFileAndRedoingGivesTheLast) {
    prompts.Answers.assign(1000, Answer::Yes);
    const Bytes original = SerializeCompetition(doc.Comp());
    std::vector<std::unique_ptr<DocumentStep>> history;
    for (int i = 0; i < 60; ++i)
        if (auto step = RandomStep())
            history.push_back(std::move(step));
    ASSERT_GE(history.size(), 20u);
    doc.Comp().ActiveClass = 0;
    const Bytes last = SerializeCompetition(doc.Comp());

    for (auto it = history.rbegin(); it != history.rend(); ++it)
        doc.Undo(**it);
    doc.Comp().ActiveClass = 0;
    EXPECT_EQ(SerializeCompetition(doc.Comp()), original);

    for (auto &step : history)
        doc.Redo(*step);
    doc.Comp().ActiveClass = 0;
    EXPECT_EQ(SerializeCompetition(doc.Comp()), last);
}

INSTANTIATE_TEST_SUITE_P(Seeds, DocumentHistoryTest, ::testing::Range(1u, 13u));

} // namespace
} // namespace rondaxa
