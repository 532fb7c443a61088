// Preferences of the installation (not of a competition): a key-value store
// behind a seam, with the rules the program applies on top of its values.
#pragma once

#include "core/platform/platform.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace rondaxa {

inline constexpr const char *kSettingOptions = "KzbOptie";
inline constexpr const char *kSettingWorkFolder = "KzbWork";
inline constexpr const char *kSettingProgramFolder = "KzbMap";
inline constexpr const char *kSettingLastFile = "LastFile";
inline constexpr const char *kSettingFormSet = "FormSet";
// The folder of the last DOS import (a preference of our own).
inline constexpr const char *kSettingDosFolder = "RondaxaDosMap";
inline constexpr const char *kSettingsFailedText = "Kan de instellingen niet bewaren in registry";

// "KzbOptie" bits.
inline constexpr int32_t StartupActionMask = 3;
inline constexpr int32_t StartupNothing = 0;
inline constexpr int32_t StartupOpenDialog = 1;
inline constexpr int32_t StartupLoadLast = 2;
inline constexpr int32_t PrefHideToolbar = 16;
inline constexpr int32_t PrefNoPlacement = 32;

// "FormSet": the main window placement, 20 bytes when stored.
struct FormSet {
    int32_t Top = 0;
    int32_t Left = 0;
    int32_t Height = 0;
    int32_t Width = 0;
    uint8_t WindowState = 0; // 0 normal, 1 minimised, 2 maximised

    std::array<uint8_t, 20> Encode() const;
    static FormSet Decode(const std::array<uint8_t, 20> &bytes);
};

// The store. Reads never fail: a value that cannot be read gives its
// default. Writes throw SettingsError when nothing can be written.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<int32_t> ReadInt(const std::string &name) const = 0;
    virtual std::optional<std::string> ReadString(const std::string &name) const = 0;
    virtual std::optional<std::array<uint8_t, 20>> ReadBinary(const std::string &name) const = 0;
    virtual void WriteInt(const std::string &name, int32_t value) = 0;
    virtual void WriteString(const std::string &name, const std::string &value) = 0;
    virtual void WriteBinary(const std::string &name, const std::array<uint8_t, 20> &value) = 0;
};

// Thrown by a store that cannot write; carries kSettingsFailedText.
class SettingsError : public std::runtime_error {
public:
    SettingsError() : std::runtime_error(kSettingsFailedText) {}
};

// A store in memory, for tests and for running without preferences.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<int32_t> ReadInt(const std::string &name) const override;
    std::optional<std::string> ReadString(const std::string &name) const override;
    std::optional<std::array<uint8_t, 20>> ReadBinary(const std::string &name) const override;
    void WriteInt(const std::string &name, int32_t value) override;
    void WriteString(const std::string &name, const std::string &value) override;
    void WriteBinary(const std::string &name, const std::array<uint8_t, 20> &value) override;

    bool ReadOnly = false; // when set, every write throws SettingsError

private:
    std::map<std::string, int32_t> ints_;
    std::map<std::string, std::string> strings_;
    std::map<std::string, std::array<uint8_t, 20>> binaries_;
};

// The rules on top of the stored values.
int32_t ReadSettingInt(const SettingsStore &store, const std::string &name);        // 0 when missing
std::string ReadSettingString(const SettingsStore &store, const std::string &name); // "" when missing
std::optional<FormSet> ReadFormSet(const SettingsStore &store);
void WriteFormSet(SettingsStore &store, const FormSet &placement);
int StartupAction(const SettingsStore &store);
std::string LastFileForStartup(const SettingsStore &store);
bool ToolbarVisible(const SettingsStore &store);
bool RestorePlacement(const SettingsStore &store);
// "KzbMap", or currentFolder when empty; always ends in the path separator.
std::string ProgramFolder(const SettingsStore &store, const std::string &currentFolder, char separator);
void StoreLastFile(SettingsStore &store, const std::string &fileName);

} // namespace rondaxa
