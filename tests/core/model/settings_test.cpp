#include "core/model/settings.h"

#include <gtest/gtest.h>

namespace rondaxa {
namespace {

TEST(Settings, MissingValuesReadAsDefaultsAndTheProgramFolder) {
    MemorySettingsStore store;
    EXPECT_EQ(StartupAction(store), StartupNothing);
    EXPECT_TRUE(ToolbarVisible(store));
    EXPECT_TRUE(RestorePlacement(store));
    EXPECT_EQ(LastFileForStartup(store), "");
    EXPECT_FALSE(ReadFormSet(store).has_value());
    EXPECT_EQ(ProgramFolder(store, "/opt/kzb", '/'), "/opt/kzb/");
    // A stored folder always ends in a separator.
    store.WriteString(kSettingProgramFolder, "C:\\KZB");
    EXPECT_EQ(ProgramFolder(store, "ignored", '\\'), "C:\\KZB\\");
    store.WriteString(kSettingProgramFolder, "C:\\KZB\\");
    EXPECT_EQ(ProgramFolder(store, "ignored", '\\'), "C:\\KZB\\");
    store.WriteString(kSettingProgramFolder, "");
    EXPECT_EQ(ProgramFolder(store, "", '/'), "/");
}

TEST(Settings, OptionBitsAndTheLastFile) {
    MemorySettingsStore store;
    StoreLastFile(store, "/data/club.kzb");
    store.WriteInt(kSettingOptions, 1 + PrefHideToolbar);
    EXPECT_EQ(StartupAction(store), StartupOpenDialog);
    EXPECT_FALSE(ToolbarVisible(store));
    EXPECT_EQ(LastFileForStartup(store), ""); // only with action 2
    store.WriteInt(kSettingOptions, 2 + PrefNoPlacement);
    EXPECT_EQ(LastFileForStartup(store), "/data/club.kzb");
    EXPECT_FALSE(RestorePlacement(store));
    EXPECT_TRUE(ToolbarVisible(store));
}

TEST(Settings, FormSetIsTwentyBytesInItsOrder) {
    MemorySettingsStore store;
    FormSet placement{10, 20, 600, 800, 2};
    WriteFormSet(store, placement);
    const auto bytes = store.ReadBinary(kSettingFormSet);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ((*bytes)[0], 10);   // Top
    EXPECT_EQ((*bytes)[4], 20);   // Left
    EXPECT_EQ((*bytes)[8], 0x58); // Height 600 = 0x258
    EXPECT_EQ((*bytes)[9], 0x02);
    EXPECT_EQ((*bytes)[12], 0x20); // Width 800 = 0x320
    EXPECT_EQ((*bytes)[16], 2);
    const auto back = ReadFormSet(store);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->Width, 800);
    EXPECT_EQ(back->WindowState, 2);
}

TEST(Settings, AStoreThatCannotWriteSaysSo) {
    MemorySettingsStore store;
    store.ReadOnly = true;
    try {
        StoreLastFile(store, "x");
        FAIL() << "no error";
    } catch (const SettingsError &error) {
        EXPECT_STREQ(error.what(), "Kan de instellingen niet bewaren in registry");
    }
}

} // namespace
} // namespace rondaxa
