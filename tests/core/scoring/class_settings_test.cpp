#include "core/scoring/class_settings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

std::vector<std::string> ClassNames(const Competition &comp) {
    std::vector<std::string> names;
    for (const auto &klasse : comp.Classes)
        names.push_back(klasse->Name.str());
    return names;
}

TEST(ClassList, EditsEndUpInTheRightTabsWithTheRightRiders) {
    Competition comp = MakeCompetition({"MX1", "MX2", "Jeugd", "Veteranen"});
    AddRider(comp, *comp.Classes[0], "Rijder MX1", "1");
    AddRider(comp, *comp.Classes[1], "Rijder MX2", "2");
    AddRider(comp, *comp.Classes[2], "Rijder Jeugd", "3", {1, 2});
    AddRider(comp, *comp.Classes[3], "Rijder Vet", "4");
    comp.Club.NextRiderId = 50;

    ClassListEdit edit(comp);
    ASSERT_EQ(edit.Count(), 4);
    EXPECT_EQ(edit.Remove(1), 1);         // MX2 goes; Jeugd is edited next
    edit.Rename(1, "Junioren");           // Jeugd renamed
    EXPECT_EQ(edit.MoveUp(1), 0);         // ... and moved to the top
    EXPECT_TRUE(edit.Add("Nieuwkomers")); // a new class at the end
    EXPECT_EQ(edit.MoveUp(3), 2);         // ... moved above Veteranen
    EXPECT_EQ(edit.MoveDown(3), 3);       // nothing below the last line
    ASSERT_TRUE(ApplyClassList(comp, edit));

    EXPECT_EQ(ClassNames(comp), (std::vector<std::string>{"Junioren", "MX1", "Nieuwkomers", "Veteranen"}));
    EXPECT_EQ(comp.Club.ClassCount, 4);
    EXPECT_EQ(comp.ActiveClass, 0);
    EXPECT_EQ(comp.Classes[0]->Rider(1)->Name, "Rijder Jeugd");
    EXPECT_EQ(comp.Classes[0]->ResultCount, 2);
    EXPECT_EQ(comp.Classes[1]->Rider(1)->Name, "Rijder MX1");
    EXPECT_EQ(comp.Classes[3]->Rider(1)->Name, "Rijder Vet");
    // The new class has one empty rider row numbered "1" with the next identity.
    const TKlasse &fresh = *comp.Classes[2];
    ASSERT_EQ(fresh.Grid.RowCount(), 2);
    EXPECT_EQ(fresh.Grid.RowAt(1).Label, "1");
    EXPECT_TRUE(IsEmptyRider(*fresh.Rider(1)));
    EXPECT_EQ(fresh.Rider(1)->Id, 50);
    EXPECT_EQ(comp.Club.NextRiderId, 51);
}

TEST(ClassList, NewClassMovedAboveTheOnlyClass) {
    Competition comp = MakeCompetition({"Oud"});
    AddRider(comp, *comp.Classes[0], "Blijver", "1");
    ClassListEdit edit(comp);
    edit.Add("Nieuw");
    edit.MoveUp(1);
    ASSERT_TRUE(ApplyClassList(comp, edit));
    EXPECT_EQ(ClassNames(comp), (std::vector<std::string>{"Nieuw", "Oud"}));
    EXPECT_EQ(comp.Classes[1]->Rider(1)->Name, "Blijver");
}

TEST(ClassList, LimitsAndAnEmptyListChangeNothing) {
    Competition comp = MakeCompetition({"A", "B"});
    ClassListEdit edit(comp);
    EXPECT_FALSE(edit.Add(""));
    for (int i = 2; i < kMaxClasses; ++i)
        EXPECT_TRUE(edit.Add("K" + std::to_string(i)));
    EXPECT_FALSE(edit.Add("Te veel"));
    EXPECT_EQ(edit.Count(), kMaxClasses);

    ClassListEdit empty(comp);
    EXPECT_EQ(empty.Remove(1), 0); // the last line: the new last line is next
    EXPECT_EQ(empty.Remove(0), -1);
    EXPECT_EQ(empty.Deleted(), (std::vector<int>{2, 1}));
    EXPECT_FALSE(ApplyClassList(comp, empty));
    EXPECT_EQ(ClassNames(comp), (std::vector<std::string>{"A", "B"}));
}

TEST(ClassList, NewClassesOfAnEmptyCompetition) {
    Competition comp = MakeCompetition({});
    ClassListEdit edit(comp);
    edit.Add("Eerste");
    edit.Add("Tweede");
    edit.Remove(1); // a class that never existed is not listed as deleted
    EXPECT_TRUE(edit.Deleted().empty());
    ASSERT_TRUE(ApplyClassList(comp, edit));
    EXPECT_EQ(ClassNames(comp), (std::vector<std::string>{"Eerste"}));
    EXPECT_EQ(comp.Club.ClassCount, 1);
    EXPECT_EQ(comp.Classes[0]->Grid.CurCol, 1); // the cursor starts on the name
}

TEST(ClubSettings, StorageConversionBothWaysUsesTheNewSettings) {
    for (bool minOnePoint : {false, true}) {
        Competition comp = MakeCompetition({"A"});
        TKlasse &k = *comp.Classes[0];
        AddRider(comp, k, "R", "1", {1, 6, 46, 0, -1, 200});
        test::ScriptedPrompts prompts;

        // Positions -> points, "Gefinisht = minimaal 1 punt" as ticked.
        ClubSettingsForm form = ClubSettingsFormFor(comp.Club);
        EXPECT_EQ(form.Storage, StorageMethod::Positions);
        form.Storage = StorageMethod::Points;
        form.MinOnePoint = minOnePoint;
        ClassListEdit classes(comp);
        ASSERT_TRUE(ApplyClubSettings(comp, classes, form, prompts));
        EXPECT_EQ(prompts.Questions, std::vector<std::string>{"Opslag methode van de uitslagen wijzigen ?"});
        EXPECT_EQ(comp.Club.Options & (OptStoreFinishOrder | OptPositionsAsPoints), 0);
        TRijder &rider = *comp.Classes[0]->Rider(1);
        const int last = minOnePoint ? 1 : 0;
        EXPECT_EQ(std::vector<int>(rider.Results.begin() + 1, rider.Results.begin() + 7),
                  (std::vector<int>{50, 40, last, 0, -1, last}));

        // ... and back: points that were raised to 1 come back as place 45;
        // 0 points is no place and stays 0.
        form = ClubSettingsFormFor(comp.Club);
        EXPECT_FALSE(form.MinOnePoint); // only offered while positions are stored
        form.Storage = StorageMethod::Positions;
        ClassListEdit again(comp);
        ASSERT_TRUE(ApplyClubSettings(comp, again, form, prompts));
        EXPECT_EQ(comp.Club.Options & (OptStoreFinishOrder | OptPositionsAsPoints),
                  OptStoreFinishOrder | OptPositionsAsPoints);
        const int back = minOnePoint ? 45 : 0;
        EXPECT_EQ(std::vector<int>(rider.Results.begin() + 1, rider.Results.begin() + 7),
                  (std::vector<int>{1, 6, back, 0, -1, back}));
    }
}

TEST(ClubSettings, ConversionRefusedKeepsTheStoredMethod) {
    Competition comp = MakeCompetition({"A"});
    AddRider(comp, *comp.Classes[0], "R", "1", {2});
    test::ScriptedPrompts prompts;
    prompts.Answers = {Answer::No};
    ClubSettingsForm form = ClubSettingsFormFor(comp.Club);
    form.Storage = StorageMethod::Points;
    ClassListEdit classes(comp);
    ASSERT_TRUE(ApplyClubSettings(comp, classes, form, prompts));
    EXPECT_EQ(StorageOf(comp.Club), StorageMethod::Positions);
    EXPECT_EQ(GetResult(*comp.Classes[0]->Rider(1), 1), 2);
}

TEST(ClubSettings, StoresTheFieldsAndNothingForAnEmptyList) {
    Competition comp = MakeCompetition({"A"});
    test::ScriptedPrompts prompts;
    ClubSettingsForm form = ClubSettingsFormFor(comp.Club);
    form.ClubName = "MC De Kuil";
    form.Points = PointsRow{"50", "", "30", "0"};
    form.Deduction = 0;
    form.TieMethod = 2;
    form.DropCount = 21;
    form.CountPlus = 20;
    form.CountPercent = 101;
    form.DropMode = true;
    form.Rounding = 1;
    form.AverageMethod = 3;
    form.ExtraLabels = {"Plaats :", "Merk :", "Klasse sinds :"};
    form.StatusField = 2;

    ClassListEdit none(comp);
    none.Remove(0);
    EXPECT_FALSE(ApplyClubSettings(comp, none, form, prompts));
    EXPECT_TRUE(comp.Club.ClubName.empty());
    EXPECT_EQ(comp.ClassCount(), 1);

    ClassListEdit classes(comp);
    ASSERT_TRUE(ApplyClubSettings(comp, classes, form, prompts));
    const ClubRec &club = comp.Club;
    EXPECT_EQ(club.ClubName, "MC De Kuil");
    EXPECT_EQ(club.PointsCount, 2);
    EXPECT_EQ(club.Points[1], 50);
    EXPECT_EQ(club.Points[2], 30);
    EXPECT_EQ(club.Points[3], 0);
    EXPECT_EQ(club.Deduction, 1);
    EXPECT_EQ(club.TieMethod, 2);
    EXPECT_EQ(club.DropCount, 0);
    EXPECT_EQ(club.CountPlus, 20);
    EXPECT_EQ(club.CountPercent, 0);
    EXPECT_EQ(club.CalcFlags, CalcRoundDown | CalcDropMode);
    EXPECT_EQ(club.AverageMethod, 3);
    EXPECT_EQ(club.ExtraLabel3, "Klasse sinds :");
    EXPECT_EQ(club.Options & OptStatusFieldMask, 2);
    EXPECT_TRUE(prompts.Questions.empty());
    // The first tie method is a choice of its own.
    form.TieMethod = 0;
    ASSERT_TRUE(ApplyClubSettings(comp, classes, form, prompts));
    EXPECT_EQ(comp.Club.TieMethod, 0);
}

} // namespace
} // namespace rondaxa
