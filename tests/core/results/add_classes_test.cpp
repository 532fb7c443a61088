#include "core/results/add_classes.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

// A competition that stores finishing positions.
Competition FinishOrderCompetition(const std::vector<std::string> &classNames) {
    Competition comp = test::MakeCompetition(classNames);
    comp.Club.Options |= OptStoreFinishOrder;
    return comp;
}

class AddClasses : public ::testing::Test {
protected:
    // The other file: three classes, the second with riders, results and
    // result information; it shows extra field 1 in its grids.
    std::string WriteOther() {
        Competition other = FinishOrderCompetition({"MX1", "Jeugd", "Veteranen"});
        other.Club.ClubName = "MC West";
        other.Club.ViewFlags = ViewExtra1;
        TKlasse &jeugd = *other.Classes[1];
        test::AddRider(other, jeugd, "Piet", "12", {1, 3});
        TRijder &kees = test::AddRider(other, jeugd, "Kees", "7", {2, kNoResult});
        kees.Id = 4711;
        test::AddResultInfo(jeugd, 1, 2, 0, "Zand");
        test::AddRider(other, *other.Classes[2], "Oud", "1", {5});
        return Write(other, "ander.kzb");
    }
    std::string Write(Competition &comp, const std::string &name) {
        const Bytes bytes = SerializeCompetition(comp);
        test::WriteAll(dir.Path(name), std::string(bytes.begin(), bytes.end()));
        return dir.Path(name);
    }

    test::TempDir dir;
};

TEST_F(AddClasses, TheScanListsTheClassesOfASoundFile) {
    const ClassList list = ReadClassList(WriteOther());
    EXPECT_EQ(list.Error, 0);
    EXPECT_EQ(list.Club.ClubName, "MC West");
    EXPECT_EQ(list.Names, (std::vector<std::string>{"MX1", "Jeugd", "Veteranen"}));
}

TEST_F(AddClasses, OnlyTheCheckedClassIsAddedWithAllItHolds) {
    const std::string file = WriteOther();
    Competition comp = FinishOrderCompetition({"Eigen"});
    comp.Club.Options |= OptFixedColumns;
    EXPECT_EQ(AddCheckedClasses(comp, file, {false, true, false}), 0);
    ASSERT_EQ(comp.ClassCount(), 2);
    EXPECT_EQ(comp.Club.ClassCount, 2);
    const TKlasse &added = *comp.Classes[1];
    EXPECT_EQ(added.Name, "Jeugd");
    ASSERT_EQ(added.Grid.RowCount(), 3);
    EXPECT_EQ(added.Rider(1)->Name, "Piet");
    EXPECT_EQ(added.Rider(1)->Results[2], 3);
    EXPECT_EQ(added.Rider(2)->Id, 4711);
    // Laid out as a class of the open competition: no extra-field column,
    // the first three columns fixed.
    EXPECT_EQ(added.FirstResultCol, 3);
    EXPECT_EQ(added.Grid.ColCount(), 5);
    EXPECT_EQ(added.Grid.FixedCols, 3);
    const TColData *first = added.ColData(added.ResultColumn(1));
    ASSERT_TRUE(first && first->Info);
    EXPECT_EQ(first->Info->Remark, "Zand");
}

TEST_F(AddClasses, TheCompetitionStopsAtTwentyClasses) {
    const std::string file = WriteOther();
    Competition comp = FinishOrderCompetition(std::vector<std::string>(19, "K"));
    EXPECT_EQ(AddCheckedClasses(comp, file, {true, true, false}), 0);
    ASSERT_EQ(comp.ClassCount(), 20);
    EXPECT_EQ(comp.Classes[19]->Name, "MX1");
}

TEST_F(AddClasses, TheOpenFileItselfDuplicatesItsClasses) {
    Competition comp = FinishOrderCompetition({"MX1", "MX2"});
    test::AddRider(comp, *comp.Classes[0], "Piet", "1", {1});
    const std::string file = Write(comp, "zelf.kzb");
    EXPECT_EQ(AddCheckedClasses(comp, file, {true, true}), 0);
    ASSERT_EQ(comp.ClassCount(), 4);
    EXPECT_EQ(comp.Classes[2]->Name, "MX1");
    EXPECT_EQ(comp.Classes[2]->Rider(1)->Name, "Piet");
    EXPECT_EQ(comp.Classes[2]->Grid.FixedCols, 1); // this competition fixes no columns
}

TEST_F(AddClasses, RefusedFilesAddNothing) {
    const Bytes sound = [&] {
        Competition other = FinishOrderCompetition({"MX1"});
        test::AddRider(other, *other.Classes[0], "Piet", "1", {1, 2});
        return SerializeCompetition(other);
    }();
    auto withVersion = [&](int32_t version) {
        Bytes b = sound;
        for (int i = 0; i < 4; ++i)
            b[4 + static_cast<std::size_t>(i)] =
                static_cast<uint8_t>(static_cast<uint32_t>(version) >> (8 * i));
        return b;
    };
    Bytes points = sound;
    points[88] = static_cast<uint8_t>(points[88] & ~OptStoreFinishOrder);
    const struct {
        const char *what;
        Bytes bytes;
        int error;
    } cases[] = {
        {"version 1", withVersion(1), 99},
        {"version 5", withVersion(5), 99},
        {"results stored as points", points, 99},
        {"shorter than the settings", Bytes(sound.begin(), sound.begin() + 200), 99},
        {"ending inside a class block", Bytes(sound.begin(), sound.end() - 10), 2},
        {"ending before its class blocks", Bytes(sound.begin(), sound.begin() + 1084), 2},
    };
    for (const auto &c : cases) {
        test::WriteAll(dir.Path("fout.kzb"), std::string(c.bytes.begin(), c.bytes.end()));
        EXPECT_EQ(ReadClassList(dir.Path("fout.kzb")).Error, c.error) << c.what;
        Competition comp = FinishOrderCompetition({"Eigen"});
        EXPECT_EQ(AddCheckedClasses(comp, dir.Path("fout.kzb"), {true}), c.error) << c.what;
        EXPECT_EQ(comp.ClassCount(), 1) << c.what;
    }
    EXPECT_EQ(ReadClassList(dir.Path("weg.kzb")).Error, 80);
}

} // namespace
} // namespace rondaxa
