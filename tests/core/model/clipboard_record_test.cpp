#include "core/model/clipboard_record.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

using test::AddRider;
using test::MakeCompetition;

TEST(RiderRecord, RoundTripBetweenTwoClasses) {
    Competition comp = MakeCompetition({"Jeugd", "Senioren"});
    TKlasse &from = *comp.Classes[0];
    TKlasse &to = *comp.Classes[1];
    TRijder &source = AddRider(comp, from, "Jansen, Piet", "12", {1, -1, 3});
    source.Extra1 = "Assen";
    source.Flags = RiderHorsConcours;
    AddRider(comp, to, "Eerste", "1", {1, 2, 3, 4, 5});
    TRijder &target = AddRider(comp, to, "Tweede", "2", {2, 1, 4, 5, 3});

    test::ScriptedPrompts prompts;
    const Bytes withResults = MakeRiderRecord(source, true);
    ASSERT_EQ(withResults.size(), 272u);
    ASSERT_TRUE(PasteRider(comp, to, 2, withResults, prompts));
    ASSERT_EQ(prompts.Questions.size(), 1u);
    EXPECT_EQ(prompts.Questions[0], "Rijdergegevens van klembord in huidig record plakken ?");
    EXPECT_EQ(prompts.Captions[0], "Rijdergegevens plakken");
    EXPECT_EQ(target.Name, "Jansen, Piet");
    EXPECT_EQ(target.StartNo, "12");
    EXPECT_EQ(target.Extra1, "Assen");
    EXPECT_TRUE(target.HorsConcours());
    EXPECT_EQ(target.Flags & RecordHasResults, 0); // the record's own mark is not taken over
    // Results 1..3 come from the source, 4 and 5 as the source held them.
    EXPECT_EQ(test::StoredResults(target, 5), (std::vector<int>{1, -1, 3, -1, -1}));
}

// Results copied from a competition that stores them the other way are
// converted as the club settings convert them; the same method or no word
// on the method (another program's record) leaves them as they are.
TEST(RiderRecord, ResultsFollowTheStorageMethodOfTheTarget) {
    Competition comp = MakeCompetition({"A"});
    comp.Club.Options &= ~OptStoreFinishOrder; // points stored here
    TKlasse &k = *comp.Classes[0];
    for (int i = 0; i < 4; ++i)
        AddRider(comp, k, "Doel " + std::to_string(i), std::to_string(i + 1));
    TRijder source;
    source.Name = "Bron";
    source.Results[1] = 1;
    source.Results[2] = 4;
    source.Results[3] = 0;
    const Bytes record = MakeRiderRecord(source, true);
    test::ScriptedPrompts prompts;

    ASSERT_TRUE(PasteRider(comp, k, 1, record, prompts, StorageMethod::Positions));
    EXPECT_EQ(test::StoredResults(*k.Rider(1), 4),
              (std::vector<int>{PointsForPosition(comp.Club, 1), PointsForPosition(comp.Club, 4), 0, -1}));
    for (const std::optional<StorageMethod> same :
         {std::optional(StorageMethod::Points), std::optional<StorageMethod>()}) {
        ASSERT_TRUE(PasteRider(comp, k, 2, record, prompts, same));
        EXPECT_EQ(test::StoredResults(*k.Rider(2), 2), (std::vector<int>{1, 4}));
    }
    // Points into a competition of finish positions: back to the places.
    comp.Club.Options |= OptStoreFinishOrder;
    TRijder scored = source;
    scored.Results[1] = static_cast<int16_t>(PointsForPosition(comp.Club, 2));
    ASSERT_TRUE(PasteRider(comp, k, 3, MakeRiderRecord(scored, true), prompts, StorageMethod::Points));
    EXPECT_EQ(GetResult(*k.Rider(3), 1), 2);
    // Without results there is nothing to convert: the target keeps its own.
    k.Rider(4)->Results[1] = 9;
    ASSERT_TRUE(PasteRider(comp, k, 4, MakeRiderRecord(source, false), prompts, StorageMethod::Points));
    EXPECT_EQ(GetResult(*k.Rider(4), 1), 9);
}

TEST(RiderRecord, StorageMethodTagsReadBackAndNothingElseIsOne) {
    for (StorageMethod method : {StorageMethod::Positions, StorageMethod::Points})
        EXPECT_EQ(ReadStorageMethodTag(StorageMethodTag(method)), method);
    EXPECT_NE(StorageMethodTag(StorageMethod::Positions), StorageMethodTag(StorageMethod::Points));
    for (const char *other : {"", "Positions", "points\n", "1"})
        EXPECT_FALSE(ReadStorageMethodTag(other)) << other;
}

TEST(RiderRecord, CarriesTheStoredResultsNotTheCalculatedOnes) {
    TRijder rider;
    rider.Results[1] = 1003; // marked as dropped
    rider.Results[2] = 7;    // changed by a calculation ...
    rider.SavedResults = rider.Results;
    rider.SavedResults[2] = 2; // ... which kept the real result
    rider.CalcMarks = MarkSavedResults;
    const auto pasted = ReadRiderRecord(MakeRiderRecord(rider, true));
    ASSERT_TRUE(pasted);
    EXPECT_TRUE(pasted->WithResults);
    EXPECT_EQ(pasted->Rider.Results[1], 3);
    EXPECT_EQ(pasted->Rider.Results[2], 2);
    EXPECT_EQ(pasted->Rider.Results[3], -1);
}

TEST(RiderRecord, RefusedQuestionOrForeignBlockChangesNothing) {
    Competition comp = MakeCompetition({"A"});
    TKlasse &k = *comp.Classes[0];
    TRijder &rider = AddRider(comp, k, "Blijft", "1");
    test::ScriptedPrompts prompts;
    prompts.Answers = {Answer::No};
    TRijder source;
    source.Name = "Anders";
    EXPECT_FALSE(PasteRider(comp, k, 1, MakeRiderRecord(source, true), prompts));
    Bytes wrongSize = MakeRiderRecord(source, true);
    wrongSize.push_back(0);
    EXPECT_FALSE(PasteRider(comp, k, 1, wrongSize, prompts));
    EXPECT_FALSE(PasteRider(comp, k, 1, Bytes{}, prompts));
    EXPECT_EQ(prompts.Questions.size(), 1u); // only the well-formed record asked
    EXPECT_EQ(rider.Name, "Blijft");
}

TEST(RiderRecord, LengthBytesBeyondTheirRoomAreCut) {
    Bytes record(kRiderRecordSize, 'x');
    record[0] = 255;   // name: room 30
    record[31] = 200;  // start number: room 5
    record[138] = 255; // extra fields: room 40
    record[179] = 41;
    record[220] = 0;
    const auto pasted = ReadRiderRecord(record);
    ASSERT_TRUE(pasted);
    EXPECT_EQ(pasted->Rider.Name.size(), 30u);
    EXPECT_EQ(pasted->Rider.StartNo.size(), 5u);
    EXPECT_EQ(pasted->Rider.Extra1.size(), 40u);
    EXPECT_EQ(pasted->Rider.Extra2.size(), 40u);
    EXPECT_TRUE(pasted->Rider.Extra3.empty());
}

TEST(RiderCopyText, RowAndWholeClassAsDisplayed) {
    Competition comp = MakeCompetition({"A"});
    comp.Club.ViewFlags = ViewExtra2 | ViewStartNoFirst;
    TKlasse &k = *comp.Classes[0];
    AddRider(comp, k, "Jansen, Piet", "12", {1, 6}).Extra2 = "Yamaha";
    AddRider(comp, k, "Kees", "3", {2, -1});
    RebuildFixedColumns(k, comp.Club);

    EXPECT_EQ(RowText(k, comp.Club, 1, true), "1\t12\tPiet Jansen\tYamaha\t50\t40");
    EXPECT_EQ(RiderCopyText(k, comp.Club, 2, true, false), "2\t3\tKees\t\t47\t\r\n");
    EXPECT_EQ(RiderCopyText(k, comp.Club, 1, false, true), " \tStartnr\tNaam\tMerk/sponsor :\r\n"
                                                           "1\t12\tPiet Jansen\tYamaha\r\n"
                                                           "2\t3\tKees\t\r\n");
}

} // namespace
} // namespace rondaxa
