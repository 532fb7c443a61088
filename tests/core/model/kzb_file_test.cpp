#include "core/model/dates.h"
#include "core/model/demo.h"
#include "core/model/kzb_file.h"
#include "core/model/settings.h"
#include "core/scoring/standings.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <random>

namespace rondaxa {
namespace {

namespace fs = std::filesystem;

void PutU16(Bytes &b, std::size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

void PutI32(Bytes &b, std::size_t at, int32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}

void PutStr(Bytes &b, std::size_t at, const std::string &s) {
    b[at] = static_cast<uint8_t>(s.size());
    std::copy(s.begin(), s.end(), b.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

// A file written byte by byte: one class "MX2" with one rider and one
// block of result information.
Bytes HandBuiltFile() {
    Bytes b(kClassBlocksOffset + kClassHeaderSize + kRiderSize + kResultInfoSize, 0);
    PutI32(b, 0, 0x11223344);
    PutI32(b, 4, 4); // version
    PutI32(b, 8, 77);
    PutStr(b, 20, "MC Test");
    PutI32(b, 52, 1); // one class
    b[56] = 3;
    b[57] = 25;
    b[58] = 20;
    b[59] = 16;
    b[67] = 3; // advanced tie-break
    PutI32(b, 68, 60);
    PutI32(b, 72, 2);
    PutI32(b, 76, 1);
    PutI32(b, 80, 16);
    PutI32(b, 84, 2);
    PutI32(b, 88, 97);
    PutStr(b, 92, "Arial");
    PutI32(b, 124, 10);
    PutStr(b, 136, "Plaats :");
    PutI32(b, 192, 1); // extra field 1 shown
    PutI32(b, 196, 0x000000FF);
    PutU16(b, 200, 2);
    b[202] = 6;
    b[203] = 4;
    b[212] = 1;
    const std::size_t print = kClubRecSize + kReservedSize;
    PutU16(b, print + 0, 0x1234);
    PutStr(b, print + 6, "**");
    PutU16(b, print + 68, 20);
    PutStr(b, print + 80, "Courier");
    PutStr(b, print + 124, "Pos");
    PutStr(b, print + 545, "Einde");
    const std::size_t block = kClassBlocksOffset;
    PutStr(b, block, "MX2");
    PutI32(b, block + 32, 1);
    PutI32(b, block + 36, 1);
    PutI32(b, block + 40, 3);
    const std::size_t rider = block + kClassHeaderSize;
    PutStr(b, rider, "Jansen, Piet");
    PutStr(b, rider + 31, "12");
    PutU16(b, rider + 38, 1);
    PutU16(b, rider + 40, 0xFFFF);
    PutU16(b, rider + 42, 0);
    PutStr(b, rider + 138, "Oss");
    PutI32(b, rider + 264, 5);
    PutI32(b, rider + 268, 1);
    const std::size_t info = rider + kRiderSize;
    PutStr(b, info, "20260412");
    PutStr(b, info + 10, "Oss");
    PutI32(b, info + 72, 2);
    PutI32(b, info + 76, 3);
    b[info + 80] = 1;
    return b;
}

TEST(KzbFile, HandBuiltBytesReadIntoTheRightFieldsAndBack) {
    const Bytes bytes = HandBuiltFile();
    auto comp = ParseCompetition(bytes);
    ASSERT_NE(comp, nullptr);
    const ClubRec &club = comp->Club;
    EXPECT_EQ(club.DateCreated, 0x11223344);
    EXPECT_EQ(club.NextRiderId, 77);
    EXPECT_EQ(club.ClubName.str(), "MC Test");
    EXPECT_EQ(club.PointsCount, 3);
    EXPECT_EQ(club.Points[2], 20);
    EXPECT_EQ(club.TieMethod, 3);
    EXPECT_EQ(club.CountPercent, 60);
    EXPECT_EQ(club.CalcFlags, 16);
    EXPECT_EQ(club.AverageMethod, 2);
    EXPECT_EQ(club.FontName.str(), "Arial");
    EXPECT_EQ(club.FontSize, 10);
    EXPECT_EQ(club.ExtraLabel1.str(), "Plaats :");
    EXPECT_EQ(club.MarkColor, 0xFFu);
    EXPECT_EQ(club.Deduction, 2);
    EXPECT_EQ(club.TieSteps[1].Method, 6);
    EXPECT_EQ(club.TieSteps[1].Param, 4);
    EXPECT_EQ(club.TieNotify, 1);
    EXPECT_EQ(comp->Print.PrintFlags, 0x1234);
    EXPECT_EQ(comp->Print.EmptyResultText.str(), "**");
    EXPECT_EQ(comp->Print.MarginTop, 20);
    EXPECT_EQ(comp->Print.FontName.str(), "Courier");
    EXPECT_EQ(comp->Print.HeadPlace.str(), "Pos");
    EXPECT_EQ(comp->Print.EndText.str(), "Einde");

    ASSERT_EQ(comp->ClassCount(), 1);
    const TKlasse &klasse = *comp->Classes[0];
    EXPECT_EQ(klasse.Name.str(), "MX2");
    EXPECT_EQ(klasse.FirstResultCol, 4); // extra field 1 is a column
    EXPECT_EQ(klasse.Grid.ColCount(), 7);
    const TRijder &rider = *klasse.Rider(1);
    EXPECT_EQ(rider.Name.str(), "Jansen, Piet");
    EXPECT_EQ(rider.StartNo.str(), "12");
    // The fourth is the stored bytes, not a new rider's -1.
    EXPECT_EQ(test::StoredResults(rider, 4), (std::vector<int>{1, -1, 0, 0}));
    EXPECT_EQ(rider.Extra1.str(), "Oss");
    EXPECT_EQ(rider.Id, 5);
    EXPECT_TRUE(rider.HorsConcours());
    const ResultInfo *info = klasse.ColData(klasse.ResultColumn(2))->Info.get();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Date.str(), "20260412");
    EXPECT_EQ(info->ToCol, 3);
    EXPECT_TRUE(info->NotCounting());

    Bytes again = SerializeCompetition(*comp);
    EXPECT_EQ(again, bytes);
}

TEST(KzbFile, DemoFileInTheRepositoryIsTheGeneratedOne) {
    auto demo = MakeDemoCompetition();
    const Bytes bytes = SerializeCompetition(*demo);
    EXPECT_EQ(test::ReadAll(RONDAXA_SOURCE_DIR "/examples/demo.kzb"),
              std::string(bytes.begin(), bytes.end()));
}

TEST(KzbFile, VersionIsTheLowestThatHoldsTheSettings) {
    ClubRec club;
    SetSimpleTieMethod(club, 0);
    EXPECT_EQ(FileVersionFor(club), 2);
    club.TieMethod = 1;
    SetSimpleTieMethod(club, 1);
    EXPECT_EQ(FileVersionFor(club), 2);
    // Steps of their own, with a simple method, are only kept by version 4.
    club.TieSteps[5] = {8, 0};
    EXPECT_EQ(FileVersionFor(club), 4);
    SetSimpleTieMethod(club, 1);
    club.TieNotify = 1;
    EXPECT_EQ(FileVersionFor(club), 4);
    SetSimpleTieMethod(club, 1);
    club.Deduction = 2;
    EXPECT_EQ(FileVersionFor(club), 3);
    club.Deduction = 1;
    club.TieMethod = 2;
    SetSimpleTieMethod(club, 2);
    EXPECT_EQ(FileVersionFor(club), 3);
    club.TieMethod = 3;
    EXPECT_EQ(FileVersionFor(club), 4);
}

TEST(KzbFile, DeductionAndTieStepsFollowTheVersion) {
    Bytes bytes = HandBuiltFile();
    PutI32(bytes, 4, 2);
    bytes[67] = 1; // tie method 1
    auto v2 = ParseCompetition(bytes);
    ASSERT_NE(v2, nullptr);
    EXPECT_EQ(v2->Club.Deduction, 1);
    EXPECT_EQ(v2->Club.TieSteps[1].Method, 3); // preset of method 1 replaces the stored steps
    EXPECT_EQ(v2->Club.TieNotify, 3);

    PutI32(bytes, 4, 3);
    auto v3 = ParseCompetition(bytes);
    ASSERT_NE(v3, nullptr);
    EXPECT_EQ(v3->Club.Deduction, 2);
    EXPECT_EQ(v3->Club.TieSteps[1].Method, 3);

    // A version 4 file with a simple tie method and steps of its own is saved
    // so that reading it back gives the same steps (found by fuzzing).
    PutI32(bytes, 4, 4);
    bytes[67] = 0; // "De meeste Beste uitslagen", steps {6, 4} as stored
    auto comp = ParseCompetition(bytes);
    ASSERT_NE(comp, nullptr);
    ASSERT_EQ(comp->Club.TieSteps[1].Method, 6);
    const Bytes saved = SerializeCompetition(*comp);
    auto again = ParseCompetition(saved);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Club.TieSteps[1].Method, 6);
    EXPECT_EQ(again->Club.TieSteps[1].Param, 4);
    EXPECT_EQ(again->Club.TieNotify, 1);
    EXPECT_EQ(SerializeCompetition(*again), saved);
}

TEST(KzbFile, DamagedHeadersAreRejected) {
    auto rejected = [](auto change) {
        Bytes bytes = HandBuiltFile();
        change(bytes);
        return ParseCompetition(bytes) == nullptr;
    };
    EXPECT_TRUE(rejected([](Bytes &b) { PutI32(b, 4, 1); }));
    EXPECT_TRUE(rejected([](Bytes &b) { PutI32(b, 4, 5); }));
    EXPECT_TRUE(rejected([](Bytes &b) { PutI32(b, 52, 21); }));
    EXPECT_TRUE(rejected([](Bytes &b) { PutI32(b, 52, -1); }));
    EXPECT_TRUE(rejected([](Bytes &b) { PutI32(b, 52, 2); })); // a second class is missing
    EXPECT_TRUE(rejected([](Bytes &b) { PutI32(b, kClassBlocksOffset + 32, 501); }));
    EXPECT_TRUE(rejected([](Bytes &b) { PutI32(b, kClassBlocksOffset + 32, -1); }));
    EXPECT_TRUE(rejected([](Bytes &b) { PutI32(b, kClassBlocksOffset + 36, 51); }));
    EXPECT_TRUE(rejected([](Bytes &b) { PutI32(b, kClassBlocksOffset + 40, 51); }));
    EXPECT_TRUE(rejected([](Bytes &b) { PutI32(b, kClassBlocksOffset + 36, 2); })); // ends inside a block
    EXPECT_FALSE(rejected([](Bytes &b) { b.push_back(7); })); // trailing bytes are ignored
}

// Two classes with riders and result information: every kind of block.
Competition SmallCompetition() {
    Competition comp = test::MakeCompetition({"MX1", "MX2"});
    for (auto &klasse : comp.Classes) {
        test::AddRider(comp, *klasse, "A", "1", {1, 2, -1});
        test::AddRider(comp, *klasse, "B", "2", {2, 1, 0});
        test::AddResultInfo(*klasse, 2, 3, 0, "", "20260412");
    }
    return comp;
}

TEST(KzbFile, EveryTruncationIsRejected) {
    Competition comp = SmallCompetition();
    const Bytes full = SerializeCompetition(comp);
    ASSERT_NE(ParseCompetition(full), nullptr);
    for (std::size_t length = 0; length < full.size(); ++length) {
        const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        ASSERT_EQ(ParseCompetition(cut), nullptr) << "length " << length;
    }
}

TEST(KzbFile, RandomDamageNeverCrashes) {
    Competition small = SmallCompetition();
    const Bytes original = SerializeCompetition(small);
    std::mt19937 random(20261206);
    int accepted = 0;
    for (int round = 0; round < 2000; ++round) {
        Bytes bytes = original;
        const int changes = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < changes; ++i)
            bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
        auto comp = ParseCompetition(bytes);
        if (!comp)
            continue;
        ++accepted;
        // Whatever was accepted can be shown and written again.
        for (auto &klasse : comp->Classes)
            for (int r = 1; r < klasse->Grid.RowCount(); ++r)
                if (const TRijder *rider = klasse->Rider(r))
                    for (int c = 0; c < klasse->Grid.ColCount(); ++c)
                        (void)CellText(comp->Club, *rider, klasse->ColData(c)->Kind,
                                       klasse->ColData(c)->Number);
        EXPECT_NE(ParseCompetition(SerializeCompetition(*comp)), nullptr);
    }
    EXPECT_GT(accepted, 100);
}

// Damaged counting rules, ranges and lengths are brought into their valid
// ranges, so that the calculation and the exports never see them.
TEST(KzbFile, DamagedValuesAreBroughtIntoTheirRanges) {
    struct Case {
        std::size_t At;
        int32_t Stored;
        int32_t ClubRec::*Field;
        int32_t Read;
    };
    const Case cases[] = {
        {68, 101, &ClubRec::CountPercent, 100},   {68, INT32_MIN, &ClubRec::CountPercent, 0},
        {72, INT32_MAX, &ClubRec::CountPlus, 20}, {72, -3, &ClubRec::CountPlus, 0},
        {76, 21, &ClubRec::DropCount, 20},        {76, INT32_MIN, &ClubRec::DropCount, 0},
        {76, 20, &ClubRec::DropCount, 20},        {68, 0, &ClubRec::CountPercent, 0},
    };
    for (const Case &c : cases) {
        Bytes bytes = HandBuiltFile();
        PutI32(bytes, c.At, c.Stored);
        auto comp = ParseCompetition(bytes);
        ASSERT_NE(comp, nullptr);
        EXPECT_EQ(comp->Club.*c.Field, c.Read) << "offset " << c.At << " stored " << c.Stored;
        CountingResultNumber(comp->Club, comp->Classes[0].get()); // no overflow under the sanitizers
    }

    // An information range ends at or after its start and within 50 results.
    const std::size_t toCol = HandBuiltFile().size() - kResultInfoSize + 76;
    for (auto [stored, read] : {std::pair{INT32_MAX, 50}, {INT32_MIN, 2}, {1, 2}, {3, 3}}) {
        Bytes bytes = HandBuiltFile();
        PutI32(bytes, toCol, stored);
        auto comp = ParseCompetition(bytes);
        ASSERT_NE(comp, nullptr);
        TKlasse &klasse = *comp->Classes[0];
        EXPECT_EQ(klasse.ColData(klasse.ResultColumn(2))->Info->ToCol, read) << "stored " << stored;
        EXPECT_GE(CountColumns(klasse), 1);
    }

    // Length bytes beyond their room, and information outside the result columns.
    Bytes bytes = HandBuiltFile();
    bytes[20] = 200;                                         // club name: room 30
    bytes[kClassBlocksOffset + kClassHeaderSize + 31] = 255; // start number: room 5
    PutI32(bytes, bytes.size() - kResultInfoSize + 72, 4);   // FromCol 4 of 3 result columns
    auto comp = ParseCompetition(bytes);
    ASSERT_NE(comp, nullptr);
    EXPECT_EQ(comp->Club.ClubName.size(), 30u);
    TKlasse &klasse = *comp->Classes[0];
    EXPECT_EQ(klasse.Rider(1)->StartNo.size(), 5u);
    EXPECT_EQ(test::InfoBlocks(klasse).size(), 0u);
    EXPECT_EQ(CountColumns(klasse), 3);
    EXPECT_EQ(SerializeCompetition(*comp).size(), bytes.size() - kResultInfoSize);
}

TEST(KzbFile, RowsWithoutRidersAndClassesWithoutRiders) {
    Competition comp = test::MakeCompetition({"Leeg", "MX1"});
    // "Leeg": no riders, but result information on its single column.
    TKlasse &empty = *comp.Classes[0];
    empty.ResultCount = 1;
    RebuildFixedColumns(empty, comp.Club);
    test::AddResultInfo(empty, 1, 1, 0, "Afgelast");
    // "MX1": two riders and an extra row without a rider at the end.
    TKlasse &mx1 = *comp.Classes[1];
    test::AddRider(comp, mx1, "A", "1", {1});
    test::AddRider(comp, mx1, "B", "2", {2});
    mx1.Grid.SetRowCount(mx1.Grid.RowCount() + 1);

    const Bytes bytes = SerializeCompetition(comp);
    EXPECT_EQ(mx1.RiderCount, 2);
    auto loaded = ParseCompetition(bytes);
    ASSERT_NE(loaded, nullptr);
    const TKlasse &leeg = *loaded->Classes[0];
    EXPECT_EQ(leeg.Grid.RowCount(), 2); // the riderless row of a new grid
    EXPECT_EQ(leeg.Rider(1), nullptr);
    EXPECT_EQ(leeg.Grid.RowAt(1).Label, "");
    ASSERT_NE(leeg.ColData(leeg.ResultColumn(1))->Info, nullptr);
    EXPECT_EQ(leeg.ColData(leeg.ResultColumn(1))->Info->Remark.str(), "Afgelast");
    const TKlasse &back = *loaded->Classes[1];
    EXPECT_EQ(back.Grid.RowCount(), 3);
    EXPECT_EQ(back.Rider(2)->Name.str(), "B");
    EXPECT_EQ(back.Grid.RowAt(2).Label, "2");
}

TEST(KzbFile, NamesOfFilesAndBackups) {
    EXPECT_TRUE(HasKzbExtension("/data/club.kzb"));
    EXPECT_TRUE(HasKzbExtension("club.kzb.old"));
    EXPECT_TRUE(HasKzbExtension("C:\\KZB\\CLUB.KZB"));
    EXPECT_FALSE(HasKzbExtension("clubkzb"));
    EXPECT_FALSE(HasKzbExtension(".kzb"));
    EXPECT_EQ(BackupName("/data/club.kzb"), "/data/club.BAK");
    EXPECT_EQ(BackupName("/da.ta/club"), "/da.ta/club.BAK");
    EXPECT_EQ(BackupName("club.kzb.old"), "club.kzb.BAK");
}

// The demo competition and where it is saved.
class KzbFileOnDisk : public ::testing::Test {
protected:
    test::TempDir dir;
    MemorySettingsStore store;
    test::FixedClock clock{EncodeDosStamp({2026, 12, 6, 20, 30, 0})};
    std::unique_ptr<Competition> demo = MakeDemoCompetition();
    const std::string file = dir.Path("club.kzb");
    const std::string backup = dir.Path("club.BAK");
};

TEST_F(KzbFileOnDisk, SaveLoadAndClose) {
    demo->Club.Options |= OptFixedColumns;
    SaveCompetition(*demo, file, &store);
    EXPECT_EQ(demo->FileName, file);
    EXPECT_EQ(demo->Club.DateSaved, clock.NowStamp());
    EXPECT_EQ(ReadSettingString(store, kSettingLastFile), file);
    EXPECT_FALSE(fs::exists(backup));

    Competition loaded;
    SetDefaults(loaded);
    store.WriteString(kSettingLastFile, "");
    ASSERT_EQ(LoadCompetition(loaded, file, &store), LoadResult::Loaded);
    EXPECT_EQ(loaded.ActiveClass, 0);
    EXPECT_EQ(loaded.ClassCount(), 4);
    EXPECT_EQ(loaded.Classes[0]->Grid.FixedCols, 3); // the option fixes wide grids
    EXPECT_EQ(loaded.FileName, file);
    EXPECT_EQ(ReadSettingString(store, kSettingLastFile), file);
    EXPECT_EQ(SerializeCompetition(loaded), SerializeCompetition(*demo));

    CloseCompetition(loaded);
    EXPECT_EQ(loaded.ClassCount(), 0);
    EXPECT_EQ(loaded.ActiveClass, -1);
    EXPECT_TRUE(loaded.FileName.empty());
}

TEST_F(KzbFileOnDisk, SavingTwiceKeepsExactlyOneBackup) {
    SaveCompetition(*demo, file);
    const std::string first = test::ReadAll(file);
    demo->Club.ClubName = "Tweede";
    std::vector<std::string> disposed;
    auto toTrash = [&](const std::string &path, const std::string &backupName) {
        disposed.push_back(backupName);
        fs::rename(path, dir.Path("prullenbak"));
        return true;
    };
    SaveCompetition(*demo, file, nullptr, toTrash);
    EXPECT_TRUE(disposed.empty()); // no backup existed yet
    EXPECT_EQ(test::ReadAll(backup), first);
    const std::string second = test::ReadAll(file);
    SaveCompetition(*demo, file, nullptr, toTrash);
    ASSERT_EQ(disposed.size(), 1u);
    EXPECT_EQ(disposed[0], backup);
    EXPECT_EQ(test::ReadAll(dir.Path("prullenbak")), first);
    EXPECT_EQ(test::ReadAll(backup), second);
    EXPECT_EQ(test::EntriesIn(dir.Root()), 3); // the file, its backup and the trash; no temporary left
}

// Temporaries of a save that was stopped go with the next save that
// succeeds; names that only look alike stay.
TEST_F(KzbFileOnDisk, ASaveRemovesTheTemporariesOfStoppedSaves) {
    SaveCompetition(*demo, file);
    const std::vector<std::string> stray = {"club.kzb.~tmp", "club.kzb.~tmp7", "club.BAK.~tmp",
                                            "club.BAK.~tmp12"};
    const std::vector<std::string> others = {"club.kzb.~tmpx", "ander.kzb.~tmp", "club.kzb.~tmp1.txt",
                                             "xclub.kzb.~tmp"};
    for (const auto &name : stray)
        test::WriteAll(dir.Path(name), "half");
    for (const auto &name : others)
        test::WriteAll(dir.Path(name), "eigen");
    SaveCompetition(*demo, file);
    for (const auto &name : stray)
        EXPECT_FALSE(fs::exists(dir.Path(name))) << name;
    for (const auto &name : others)
        EXPECT_EQ(test::ReadAll(dir.Path(name)), "eigen") << name;
    EXPECT_EQ(test::ReadAll(backup), test::ReadAll(file));
}

// A file opened from its backup ("club.kzb.BAK") or named so on a disk that
// ignores case ("seizoen.kzb.bak") is its own backup name: the save must not
// dispose of it or move it away, and the file ends up with the new content.
TEST_F(KzbFileOnDisk, AFileNamedAsItsOwnBackupIsSavedInPlace) {
    for (const char *name : {"club.kzb.BAK", "seizoen.kzb.bak", "SEIZOEN.Kzb.Bak"}) {
        SCOPED_TRACE(name);
        const std::string own = dir.Path(name);
        demo->Club.ClubName = "Eerste";
        SaveCompetition(*demo, own);
        if (BackupName(own) != own) // where case counts, an older backup of another spelling
            test::WriteAll(BackupName(own), "ouder");
        demo->Club.ClubName = "Tweede";
        std::vector<std::string> disposed;
        auto dispose = [&](const std::string &path, const std::string &) {
            disposed.push_back(path);
            return fs::remove(path);
        };
        SaveCompetition(*demo, own, nullptr, dispose);
        for (const std::string &path : disposed)
            EXPECT_FALSE(NamesSameFile(path, own)) << path;
        Competition loaded;
        ASSERT_EQ(LoadCompetition(loaded, own), LoadResult::Loaded);
        EXPECT_EQ(loaded.Club.ClubName.str(), "Tweede");
        fs::remove(own);
    }
}

TEST_F(KzbFileOnDisk, NamesOfOneFile) {
    test::WriteAll(dir.Path("a.kzb"), "x");
#ifdef _WIN32
    fs::create_hard_link(dir.Path("a.kzb"), dir.Path("link.BAK")); // symbolic links need a privilege there
#else
    fs::create_symlink(dir.Path("a.kzb"), dir.Path("link.BAK"));
#endif
    EXPECT_TRUE(NamesSameFile(dir.Path("a.kzb"), dir.Path("link.BAK")));
    EXPECT_TRUE(NamesSameFile("C:\\Club\\a.KZB", "c:\\club\\A.kzb"));
    EXPECT_FALSE(NamesSameFile(dir.Path("a.kzb"), dir.Path("a.BAK")));
}

// A save that fails after its new content is complete, at the replacement
// of the backup or of the file, leaves file and backup byte for byte as they
// were, with nothing beside them, and the competition as it was.
TEST_F(KzbFileOnDisk, AFailedSaveLeavesTheFileUntouched) {
    SaveCompetition(*demo, file);
    demo->Club.ClubName = "Tweede";
    SaveCompetition(*demo, file);
    const std::string before = test::ReadAll(file);
    const std::string backupBefore = test::ReadAll(backup);
    ASSERT_NE(before, backupBefore);

    demo->Club.ClubName = "Derde";
    demo->Modified = ModifiedData;
    const int32_t saved = demo->Club.DateSaved;
    demo->FileName = "open.kzb";
    for (const char *last : {"club.kzb", "club.BAK"}) {
        SCOPED_TRACE(last);
        test::FailingStep failing(FileStep::Rename, last);
        EXPECT_THROW(SaveCompetition(*demo, file, &store), IoError);
        EXPECT_TRUE(test::ReadAll(file) == before);
        EXPECT_TRUE(test::ReadAll(backup) == backupBefore);
        EXPECT_EQ(test::EntriesIn(dir.Root()), 2);
        EXPECT_EQ(demo->Modified, ModifiedData);
        EXPECT_EQ(demo->Club.DateSaved, saved);
        EXPECT_EQ(demo->FileName, "open.kzb");
        EXPECT_EQ(ReadSettingString(store, kSettingLastFile), "");
    }
    EXPECT_THROW(SaveCompetition(*demo, dir.Path("bestaat-niet/club.kzb")), IoError);
}

// Where the disk has no hard links the backup is a copy; a current file that
// cannot be read fails the save before anything is touched, also as a
// failure in the middle of the read.
TEST_F(KzbFileOnDisk, ABackupCopyThatCannotBeReadFailsTheSave) {
    SaveCompetition(*demo, file);
    SaveCompetition(*demo, file);
    const std::string before = test::ReadAll(file);
    test::WriteAll(backup, "oudere backup");
    test::FailingStep noLinks(FileStep::Link, "");
    {
        test::FailingStep unreadable(FileStep::Read, "club.kzb");
        EXPECT_THROW(SaveCompetition(*demo, file), IoError);
    }
    EXPECT_TRUE(test::ReadAll(file) == before);
    EXPECT_EQ(test::ReadAll(backup), "oudere backup");
    EXPECT_EQ(test::EntriesIn(dir.Root()), 2);

    demo->Club.ClubName = "Tweede";
    SaveCompetition(*demo, file);
    EXPECT_TRUE(test::ReadAll(backup) == before);
    EXPECT_EQ(test::EntriesIn(dir.Root()), 2);

    // An old backup that cannot be read is moved aside instead of copied.
    const std::string second = test::ReadAll(file);
    test::FailingStep unreadable(FileStep::Read, "club.BAK");
    demo->Club.ClubName = "Derde";
    SaveCompetition(*demo, file);
    EXPECT_TRUE(test::ReadAll(backup) == second);
    EXPECT_EQ(test::EntriesIn(dir.Root()), 2);
}

#ifndef _WIN32
// A read-only file is refused before its backup is touched.
TEST_F(KzbFileOnDisk, ASaveRefusesAReadOnlyFile) {
    SaveCompetition(*demo, file);
    SaveCompetition(*demo, file);
    fs::permissions(file, fs::perms::owner_read);
    const std::string before = test::ReadAll(file);
    const std::string backupBefore = test::ReadAll(backup);
    demo->Club.ClubName = "Tweede";
    EXPECT_THROW(SaveCompetition(*demo, file), IoError);
    EXPECT_TRUE(test::ReadAll(file) == before);
    EXPECT_TRUE(test::ReadAll(backup) == backupBefore);
}
#endif

TEST_F(KzbFileOnDisk, SavingRemovesStandingsFirst) {
    Competition comp = test::MakeCompetition({"MX1"});
    TKlasse &klasse = *comp.Classes[0];
    TRijder &rider = test::AddRider(comp, klasse, "A", "1", {1, 2});
    rider.Results[2] = 1002;
    klasse.Grid.SetColCount(klasse.Grid.ColCount() + 1);
    AddColumnObjects(klasse, 5, 5, 0, KindGross);
    klasse.CalcState = 1;
    SaveCompetition(comp, dir.Path("a.kzb"));
    EXPECT_EQ(klasse.CalcState, 0);
    auto loaded = ParseCompetition(ReadFileBytes(dir.Path("a.kzb")));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Classes[0]->Rider(1)->Results[2], 2);
    EXPECT_EQ(loaded->Classes[0]->ResultCount, 2);
}

TEST_F(KzbFileOnDisk, RejectedFilesLeaveTheOpenCompetition) {
    const Bytes before = SerializeCompetition(*demo);
    demo->FileName = "open.kzb";

    test::WriteAll(dir.Path("kapot.kzb"), "not a competition");
    EXPECT_EQ(LoadCompetition(*demo, dir.Path("kapot.kzb")), LoadResult::Rejected);

    test::WriteAll(dir.Path("ander.txt"), std::string(before.begin(), before.end()));
    EXPECT_EQ(LoadCompetition(*demo, dir.Path("ander.txt")), LoadResult::NotAttempted);
    EXPECT_EQ(LoadCompetition(*demo, dir.Path("weg.kzb")), LoadResult::NotAttempted);
    EXPECT_EQ(demo->FileName, "open.kzb");
    EXPECT_EQ(SerializeCompetition(*demo), before);
}

// A file read in pieces gives what the same file read whole gives: the same
// competition, or the same refusal, also for files cut or damaged anywhere
// and for files larger than one piece.
TEST_F(KzbFileOnDisk, AFileReadInPiecesGivesWhatItsBytesGive) {
    Competition comp = test::MakeCompetition({"MX1", "MX2", "MX3"});
    for (auto &klasse : comp.Classes) {
        for (int r = 0; r < 200; ++r)
            test::AddRider(comp, *klasse, "Rijder " + std::to_string(r), std::to_string(r),
                           {r % 7, 2, -1, r});
        test::AddResultInfo(*klasse, 2, 3, 0, "Oss", "20260412");
    }
    const Bytes full = SerializeCompetition(comp);
    ASSERT_GT(full.size(), 2 * 64 * 1024u);
    const std::string file = dir.Path("stukken.kzb");
    auto sameAsWhole = [&](const Bytes &bytes) {
        test::WriteAll(file, std::string(bytes.begin(), bytes.end()));
        const auto whole = ParseCompetition(bytes);
        const auto pieces = ParseCompetitionFile(file);
        if (!whole || !pieces)
            return !whole && !pieces;
        return SerializeCompetition(*whole) == SerializeCompetition(*pieces);
    };
    EXPECT_TRUE(sameAsWhole(full));
    Bytes longer = full;
    longer.insert(longer.end(), 1000, 7); // trailing bytes are ignored
    EXPECT_TRUE(sameAsWhole(longer));
    for (std::size_t length = 0; length < full.size(); length += 4099)
        EXPECT_TRUE(sameAsWhole(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length))))
            << "length " << length;
    std::mt19937 random(20261207);
    for (int round = 0; round < 100; ++round) {
        Bytes bytes = full;
        for (int i = 0; i < 4; ++i)
            bytes[random() % kClassBlocksOffset + (i % 2) * (random() % (full.size() - kClassBlocksOffset))] =
                static_cast<uint8_t>(random());
        EXPECT_TRUE(sameAsWhole(bytes)) << "round " << round;
    }
    EXPECT_THROW(ParseCompetitionFile(dir.Path("weg.kzb")), IoError);
    EXPECT_THROW(ParseCompetitionFile(dir.Path("")), IoError); // the folder itself
}

} // namespace
} // namespace rondaxa
