#include "core/model/dos_import.h"
#include "core/model/messages.h"
#include "support/dos_files.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

namespace fs = std::filesystem;
using test::DosClassBytes;
using test::DosInfoBytes;
using test::DosRiderSpec;
using test::DosSetSpec;

// ---- texts --------------------------------------------------------------------

TEST(DosText, CodePage850BecomesCp1252) {
    const struct {
        std::string dos, expected;
    } cases[] = {
        {"M\x81ller", "M\xFCller"},                                 // ü
        {"\x8E\x99\x9A \x84\x94\x81", "\xC4\xD6\xDC \xE4\xF6\xFC"}, // umlauts
        {"Fran\x87ois \x82\x8A\x88", "Fran\xE7ois \xE9\xE8\xEA"},
        {"Stra\xE1"
         "e",
         "Stra\xDF"
         "e"},                        // ß
        {"\x9F", "\x83"},             // ƒ, a letter cp1252 places elsewhere
        {"\xB3\xC4\xDB\xD5", "????"}, // box drawing, block, dotless i
        {"MC De Zandhazen 12", "MC De Zandhazen 12"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Cp850ToCp1252(c.dos), c.expected) << c.dos;
}

// ---- the information file ----------------------------------------------------------

TEST(DosInfoFile, ReadsClubsClassesPointsFolderAndTieBreak) {
    const auto bytes = DosInfoBytes({{"MC Oost", {"MX1", "Jeugd"}, {25, 20, 16}, "C:\\KZB\\OOST", true},
                                     {"MC W\x81st", {"Veteranen"}, {}, "", false}});
    const auto info = ParseDosInfo(bytes);
    ASSERT_TRUE(info);
    ASSERT_EQ(info->Sets.size(), 2u);
    const DosDataSet &first = info->Sets[0];
    EXPECT_EQ(first.ClubName, "MC Oost");
    EXPECT_EQ(first.ClassNames, (std::vector<std::string>{"MX1", "Jeugd"}));
    EXPECT_EQ(first.PointsCount, 3);
    EXPECT_EQ(first.Points[1], 25);
    EXPECT_EQ(first.Points[3], 16);
    EXPECT_EQ(first.Folder, "C:\\KZB\\OOST");
    EXPECT_TRUE(first.TieBreak);
    EXPECT_EQ(info->Sets[1].ClubName, "MC W\xFCst");
    EXPECT_FALSE(info->Sets[1].TieBreak);
}

TEST(DosInfoFile, HostileCountsAndLengthsAreHeldToTheirRoom) {
    auto bytes = DosInfoBytes({{"A", {"K1"}, {10}, "X", false}});
    bytes[93] = 200; // sets in use
    test::PutDosText(bytes, 0, "Club", 255);
    const std::size_t record = 94;
    bytes[record + 465] = 0xFF; // number of classes: -1 as int16
    bytes[record + 466] = 0xFF;
    bytes[record + 467] = 250; // points count
    test::PutDosText(bytes, record + 478, "D", 200);
    auto info = ParseDosInfo(bytes);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->Sets.size(), 3u);
    EXPECT_EQ(info->Sets[0].ClubName.size(), 30u);
    EXPECT_TRUE(info->Sets[0].ClassNames.empty());
    EXPECT_EQ(info->Sets[0].PointsCount, 10);
    EXPECT_EQ(info->Sets[0].Folder.size(), 30u);

    bytes[record + 465] = 0x2C; // 300 classes
    bytes[record + 466] = 0x01;
    info = ParseDosInfo(bytes);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->Sets[0].ClassNames.size(), 15u);

    bytes.resize(1623);
    EXPECT_FALSE(ParseDosInfo(bytes));
    EXPECT_FALSE(ParseDosInfo(test::DosBytes{}));
}

// ---- class files ------------------------------------------------------------------

std::unique_ptr<TKlasse> LoadClass(const test::DosBytes &bytes, ClubRec &club) {
    auto klasse = CreateClass(club, "K");
    LoadDosClass(*klasse, club, bytes);
    return klasse;
}

TEST(DosClassFile, FirstRiderSetsTheResultColumnsAndTextsBecomePoints) {
    ClubRec club;
    club.NextRiderId = 7;
    const auto bytes = DosClassBytes({
        {"Jansen, Piet", {"1", "2", "3", "4", "5", "6"}},
        {"de Vries, J\x81rgen", {"12", "0", "", "x9", "-3", "50", "", "8"}},
    });
    const auto klasse = LoadClass(bytes, club);
    EXPECT_EQ(klasse->ResultCount, 6);
    EXPECT_EQ(klasse->Grid.ColCount(), 9);
    EXPECT_EQ(klasse->Grid.RowCount(), 3);
    EXPECT_EQ(klasse->Grid.RowAt(2).Label, "2");
    const TRijder &first = *klasse->Rider(1);
    const TRijder &second = *klasse->Rider(2);
    EXPECT_EQ(first.Name, "Jansen, Piet");
    EXPECT_EQ(second.Name, "de Vries, J\xFCrgen");
    EXPECT_EQ(first.Id, 7);
    EXPECT_EQ(second.Id, 8);
    EXPECT_EQ(club.NextRiderId, 9);
    EXPECT_EQ(test::StoredResults(first, 6), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    // Results beyond the first rider's columns (the 8th) are not read.
    EXPECT_EQ(test::StoredResults(second, 8),
              (std::vector<int>{12, kNoResult, kNoResult, 9, kNoResult, 50, kNoResult, kNoResult}));
}

TEST(DosClassFile, RecordCountIsBoundedAndPartialRecordsAreIgnored) {
    ClubRec club;
    std::vector<DosRiderSpec> riders(205, DosRiderSpec{"R", {"1"}});
    auto bytes = DosClassBytes(riders);
    EXPECT_EQ(LoadClass(bytes, club)->Grid.RowCount(), 201);

    bytes.resize(3 * 141 + 140);
    const auto three = LoadClass(bytes, club);
    EXPECT_EQ(three->Grid.RowCount(), 4);
    EXPECT_EQ(three->RiderCount, 3);

    // Not one whole record: the class keeps the riderless row of a new grid.
    bytes.resize(100);
    const auto none = LoadClass(bytes, club);
    EXPECT_EQ(none->Grid.RowCount(), 2);
    EXPECT_EQ(none->Rider(1), nullptr);
    EXPECT_EQ(none->ResultCount, 0);
}

TEST(DosClassFile, HostileLengthBytesStayInsideTheirFields) {
    ClubRec club;
    auto bytes = DosClassBytes({{"Naam", {"1", "2"}}});
    test::PutDosText(bytes, 0, "ABCDEFGHIJKLMNOPQRST", 255); // name: room 20
    test::PutDosText(bytes, 21, "99", 255);                  // result 1: room 2
    const auto klasse = LoadClass(bytes, club);
    EXPECT_EQ(klasse->Rider(1)->Name, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(klasse->Rider(1)->Results[1], 99);
    EXPECT_EQ(klasse->Rider(1)->Results[2], 2);
}

// ---- a whole installation ----------------------------------------------------------

class DosInstallation : public ::testing::Test {
protected:
    void WriteInfo(const std::vector<DosSetSpec> &sets, const std::string &name = "kzbinfo.brq") {
        test::WriteDosFile(dir.Root() / name, DosInfoBytes(sets));
    }
    void WriteClass(const fs::path &folder, const std::string &name,
                    const std::vector<DosRiderSpec> &riders) {
        test::WriteDosFile(folder / name, DosClassBytes(riders));
    }
    DosImportChoice Choice(int set, std::string typed) const {
        return DosImportChoice{dir.Root(), set, false, std::move(typed)};
    }

    test::TempDir dir;
    test::ScriptedPrompts prompts;
    test::FixedClock clock{0x5A210000};
};

TEST_F(DosInstallation, MissingClassFilesAreSkippedAndTheClubSettingsTakenOver) {
    WriteInfo({{"MC Oost", {"MX1", "MX2", "Jeugd"}, {30, 25, 21, 18}, "", true}});
    WriteClass(dir.Root(), "KZBKL001.AAA", {{"Piet", {"30", "25"}}});
    WriteClass(dir.Root(), "KZBKL001.CCC", {{"Kees", {"21"}}, {"Jan", {"18"}}});
    Competition comp = test::MakeCompetition({"Oud", "Ouder"});
    comp.FileName = "oud.kzb";

    ASSERT_TRUE(RunDosImport(comp, Choice(1, ""), prompts));
    EXPECT_TRUE(prompts.Messages.empty());
    ASSERT_EQ(comp.ClassCount(), 2);
    EXPECT_EQ(comp.Classes[0]->Name, "MX1");
    EXPECT_EQ(comp.Classes[1]->Name, "Jeugd");
    EXPECT_EQ(comp.Classes[1]->Rider(2)->Name, "Jan");
    EXPECT_EQ(comp.Classes[1]->Rider(2)->Id, 2); // ids run on over the classes
    const ClubRec &club = comp.Club;
    EXPECT_EQ(club.ClassCount, 2);
    EXPECT_EQ(club.ClubName, "MC Oost");
    EXPECT_EQ(club.PointsCount, 4);
    EXPECT_EQ(club.Points[4], 18);
    EXPECT_EQ(club.Options, 1);
    EXPECT_EQ(club.TieMethod, 1);
    ClubRec methodOne;
    SetSimpleTieMethod(methodOne, 1);
    for (int i = 1; i <= kTieStepCount; ++i)
        EXPECT_EQ(club.TieSteps[static_cast<std::size_t>(i)].Method,
                  methodOne.TieSteps[static_cast<std::size_t>(i)].Method);
    EXPECT_EQ(club.TieNotify, methodOne.TieNotify);
    EXPECT_EQ(club.DateCreated, 0x5A210000);
    EXPECT_TRUE(comp.FileName.empty());
    EXPECT_EQ(comp.ActiveClass, 0);
    // Results are shown as the points they are.
    EXPECT_EQ(CellText(club, *comp.Classes[0]->Rider(1), KindResult, 2), "25");
}

// Found by fuzzing: a data set without a points table imported a count of
// 0, which a saved file reads back as 1.
TEST_F(DosInstallation, AClubWithoutPointsTableSavesAndReadsBackTheSame) {
    WriteInfo({{"MC Leeg", {"MX1"}, {}, "", false}});
    WriteClass(dir.Root(), "KZBKL001.AAA", {{"Piet", {"3", "1"}}});
    Competition comp;
    ASSERT_TRUE(RunDosImport(comp, Choice(1, ""), prompts));
    EXPECT_EQ(comp.Club.PointsCount, 1);
    const Bytes saved = SerializeCompetition(comp);
    auto again = ParseCompetition(saved);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(SerializeCompetition(*again), saved);
}

TEST_F(DosInstallation, FileNamesAndFoldersMatchWhateverTheirCaseAndSeparator) {
    WriteInfo({{"MC Oost", {"MX1"}, {}, "", false}}, "KZBINFO.BRQ");
    WriteClass(dir.Root() / "seizoen" / "data", "kzbkl001.aaa", {{"Piet", {"1"}}});
    for (const std::string typed :
         {"SEIZOEN\\DATA", "SEIZOEN\\DATA\\", "seizoen/data/", ".\\Seizoen\\Data"}) {
        Competition comp;
        EXPECT_TRUE(RunDosImport(comp, Choice(1, typed), prompts)) << typed;
        EXPECT_EQ(comp.ClassCount(), 1) << typed;
    }
    // An absolute folder is taken as it is.
    Competition comp;
    EXPECT_TRUE(RunDosImport(comp, Choice(1, (dir.Root() / "seizoen" / "data").string()), prompts));
    EXPECT_TRUE(prompts.Messages.empty());
}

TEST_F(DosInstallation, TheCheckBoxTakesTheClassFilesFromTheInformationFolder) {
    WriteInfo({{"MC Oost", {"MX1"}, {}, "ERGENS", false}});
    WriteClass(dir.Root(), "KZBKL001.AAA", {{"Piet", {"1"}}});
    Competition comp;
    EXPECT_FALSE(RunDosImport(comp, Choice(1, "ERGENS"), prompts));
    DosImportChoice ticked = Choice(1, "ERGENS");
    ticked.ClassesInInfoFolder = true;
    EXPECT_TRUE(RunDosImport(comp, ticked, prompts));
}

TEST_F(DosInstallation, NothingFoundShowsMessage80AndLeavesADefaultEmptyCompetition) {
    WriteInfo({{"MC Oost", {"MX1"}, {}, "", false}, {"MC West", {"MX1"}, {}, "", false}});
    WriteClass(dir.Root(), "KZBKL001.AAA", {{"Piet", {"1"}}}); // set 1 only
    const std::string message80 = ErrorMessageFor(80).Text;
    for (int set : {2, 3, 0}) { // no class file; not in use; no set
        Competition comp = test::MakeCompetition({"Oud"});
        comp.Club.ClubName = "Oude club";
        comp.FileName = "oud.kzb";
        EXPECT_FALSE(RunDosImport(comp, Choice(set, ""), prompts));
        EXPECT_EQ(comp.ClassCount(), 0);
        EXPECT_EQ(comp.Club.ClubName, "");
        EXPECT_EQ(comp.Club.Options, ClubRec{}.Options);
        EXPECT_TRUE(comp.FileName.empty());
        ASSERT_FALSE(prompts.Messages.empty());
        EXPECT_EQ(prompts.Messages.back(), message80);
    }
    fs::remove(dir.Root() / "kzbinfo.brq");
    Competition comp;
    EXPECT_FALSE(RunDosImport(comp, Choice(1, ""), prompts));
    EXPECT_EQ(prompts.Messages.size(), 4u);
}

} // namespace
} // namespace rondaxa
