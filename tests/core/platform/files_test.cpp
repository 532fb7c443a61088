#include "core/platform/files.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace rondaxa {
namespace {

namespace fs = std::filesystem;

std::string Text(const Bytes &bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Whatever step fails, the previous content stays whole under the name, no
// temporary file is left, and the error names the file and the system's reason.
TEST(SafeWrite, AFailureAtAnyStepKeepsThePreviousFile) {
    test::TempDir dir;
    const std::string file = dir.Path("uit.txt");
    SafeWrite(file, "oud");
    for (FileStep step : {FileStep::Open, FileStep::Write, FileStep::Sync, FileStep::Rename}) {
        SCOPED_TRACE(static_cast<int>(step));
        test::FailingStep failing(step, step == FileStep::Rename ? "uit.txt" : ".~tmp", 0,
                                  std::errc::no_space_on_device);
        try {
            SafeWrite(file, "nieuw");
            ADD_FAILURE() << "no error";
        } catch (const IoError &error) {
            EXPECT_EQ(error.Reason(), std::make_error_code(std::errc::no_space_on_device));
            EXPECT_NE(std::string(error.what()).find(file), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find(error.Reason().message()), std::string::npos);
        }
        EXPECT_EQ(Text(ReadAll(file)), "oud");
        EXPECT_EQ(test::EntriesIn(dir.Root()), 1);
    }
#ifdef __linux__
    const int open = test::EntriesIn("/proc/self/fd");
    for (int i = 0; i < 5; ++i)
        SafeWrite(file, "nieuw");
    EXPECT_EQ(test::EntriesIn("/proc/self/fd"), open) << "a descriptor is left open";
#else
    SafeWrite(file, "nieuw");
#endif
    EXPECT_EQ(Text(ReadAll(file)), "nieuw");
    // A folder that is not there is named as the reason.
    try {
        SafeWrite(dir.Path("weg/uit.txt"), "x");
        ADD_FAILURE() << "no error";
    } catch (const IoError &error) {
        EXPECT_EQ(error.Reason(), std::make_error_code(std::errc::no_such_file_or_directory));
    }
}

#ifndef _WIN32
TEST(SafeWrite, KeepsPermissionsRefusesAReadOnlyFileAndTellsADevicesError) {
    test::TempDir dir;
    const std::string file = dir.Path("geheim.kzb");
    SafeWrite(file, "1");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    SafeWrite(file, "2");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);

    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_THROW(SafeWrite(file, "3"), IoError);
    EXPECT_EQ(Text(ReadAll(file)), "2");
    EXPECT_EQ(test::EntriesIn(dir.Root()), 1);

    // A device is written directly, and its write error is told.
    if (fs::exists("/dev/full")) {
        try {
            SafeWrite("/dev/full", "x");
            ADD_FAILURE() << "no error";
        } catch (const IoError &error) {
            EXPECT_EQ(error.Reason(), std::make_error_code(std::errc::no_space_on_device));
        }
    }
}
#endif

// Another writer (a printer) fills the temporary file; the target changes
// only with the commit, and a writer that never commits leaves nothing.
TEST(SafeWrite, AFileWrittenByAnotherWriterReplacesTheTargetOnCommit) {
    test::TempDir dir;
    const std::string file = dir.Path("stand.pdf");
    SafeWrite(file, "vorige");
    {
        SafeWriter writer(file);
        writer.HandOver();
        test::WriteAll(writer.TemporaryName(), "%PDF nieuw");
        EXPECT_EQ(Text(ReadAll(file)), "vorige");
        writer.Commit();
    }
    EXPECT_EQ(Text(ReadAll(file)), "%PDF nieuw");
    {
        SafeWriter writer(file);
        writer.Write(std::string_view("half"));
    }
    EXPECT_EQ(Text(ReadAll(file)), "%PDF nieuw");
    EXPECT_EQ(test::EntriesIn(dir.Root()), 1);
}

TEST(ReadAll, GivesTheFileUpToTheLimitAndFailsAsIoError) {
    test::TempDir dir;
    const std::string file = dir.Path("f.bin");
    for (std::size_t size : {0u, 3u, 70000u}) {
        std::string bytes(size, 'x');
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(i * 7);
        test::WriteAll(file, bytes);
        EXPECT_EQ(Text(ReadAll(file)), bytes) << size;
        EXPECT_EQ(Text(ReadAll(file, 5)), bytes.substr(0, 5)) << size;
    }
#ifdef __linux__
    // A file whose size is not known ahead (a pipe, a file of /proc) is read
    // whole, and no more.
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    const std::string cmdline{std::istreambuf_iterator<char>(in), {}};
    ASSERT_FALSE(cmdline.empty());
    EXPECT_EQ(Text(ReadAll("/proc/self/cmdline")), cmdline);
#endif
    EXPECT_THROW(ReadAll(dir.Path("weg")), IoError);
    EXPECT_THROW(ReadAll(dir.Root().string()), IoError); // a folder: a read error, not a stream exception
    test::FailingStep failing(FileStep::Read, "f.bin");
    EXPECT_THROW(ReadAll(file), IoError);
}

// A second name is a hard link, or where the disk has none a copy that is
// complete or not made at all.
TEST(SecondName, CopiesWhereNoLinkCanBeMadeAndNeverCopiesAFailedRead) {
    test::TempDir dir;
    const std::string file = dir.Path("club.kzb");
    SafeWrite(file, "inhoud");
    SecondName(file, dir.Path("link"));
#ifdef _WIN32
    EXPECT_FALSE(fs::equivalent(file, dir.Path("link"))); // always a copy there
#else
    EXPECT_TRUE(fs::equivalent(file, dir.Path("link")));
#endif

    test::FailingStep noLinks(FileStep::Link, "");
    SecondName(file, dir.Path("kopie"));
    EXPECT_FALSE(fs::equivalent(file, dir.Path("kopie")));
    EXPECT_EQ(Text(ReadAll(dir.Path("kopie"))), "inhoud");

    fs::remove(file);
    EXPECT_THROW(SecondName(file, dir.Path("niets")), IoError);
    EXPECT_FALSE(fs::exists(dir.Path("niets")));
}

TEST(NativePath, NamesOutsideAsciiRoundTrip) {
    test::TempDir dir;
    const std::string folder = Utf8Path(dir.Root()) + "/Zo\xc3\xab's club";
    fs::create_directory(NativePath(folder));
    const std::string file = folder + "/M\xc3\xbcller.kzb";
    SafeWrite(file, "z");
    EXPECT_EQ(Text(ReadAll(file)), "z");
    EXPECT_EQ(Utf8Path(NativePath(file)), file);
    EXPECT_EQ(Utf8Path(NativePath(file).filename()), "M\xc3\xbcller.kzb");
    EXPECT_TRUE(StampOf(file).Exists);
    EXPECT_FALSE(StampOf(folder + "/weg").Exists);
}

} // namespace
} // namespace rondaxa
