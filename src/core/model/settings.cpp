#include "core/model/settings.h"

#include <cstring>

namespace rondaxa {
namespace {

void PutInt32(uint8_t *at, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(v >> (8 * i));
}

int32_t GetInt32(const uint8_t *at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(at[i]) << (8 * i);
    return static_cast<int32_t>(v);
}

} // namespace

std::array<uint8_t, 20> FormSet::Encode() const {
    std::array<uint8_t, 20> bytes{};
    PutInt32(&bytes[0], Top);
    PutInt32(&bytes[4], Left);
    PutInt32(&bytes[8], Height);
    PutInt32(&bytes[12], Width);
    bytes[16] = WindowState;
    return bytes;
}

FormSet FormSet::Decode(const std::array<uint8_t, 20> &bytes) {
    FormSet placement;
    placement.Top = GetInt32(&bytes[0]);
    placement.Left = GetInt32(&bytes[4]);
    placement.Height = GetInt32(&bytes[8]);
    placement.Width = GetInt32(&bytes[12]);
    placement.WindowState = bytes[16];
    return placement;
}

std::optional<int32_t> MemorySettingsStore::ReadInt(const std::string &name) const {
    const auto it = ints_.find(name);
    return it == ints_.end() ? std::nullopt : std::optional<int32_t>(it->second);
}

std::optional<std::string> MemorySettingsStore::ReadString(const std::string &name) const {
    const auto it = strings_.find(name);
    return it == strings_.end() ? std::nullopt : std::optional<std::string>(it->second);
}

std::optional<std::array<uint8_t, 20>> MemorySettingsStore::ReadBinary(const std::string &name) const {
    const auto it = binaries_.find(name);
    return it == binaries_.end() ? std::nullopt : std::optional<std::array<uint8_t, 20>>(it->second);
}

void MemorySettingsStore::WriteInt(const std::string &name, int32_t value) {
    if (ReadOnly)
        throw SettingsError();
    ints_[name] = value;
}

void MemorySettingsStore::WriteString(const std::string &name, const std::string &value) {
    if (ReadOnly)
        throw SettingsError();
    strings_[name] = value;
}

void MemorySettingsStore::WriteBinary(const std::string &name, const std::array<uint8_t, 20> &value) {
    if (ReadOnly)
        throw SettingsError();
    binaries_[name] = value;
}

int32_t ReadSettingInt(const SettingsStore &store, const std::string &name) {
    return store.ReadInt(name).value_or(0);
}

std::string ReadSettingString(const SettingsStore &store, const std::string &name) {
    return store.ReadString(name).value_or(std::string());
}

std::optional<FormSet> ReadFormSet(const SettingsStore &store) {
    const auto bytes = store.ReadBinary(kSettingFormSet);
    if (!bytes)
        return std::nullopt;
    return FormSet::Decode(*bytes);
}

void WriteFormSet(SettingsStore &store, const FormSet &placement) {
    store.WriteBinary(kSettingFormSet, placement.Encode());
}

int StartupAction(const SettingsStore &store) {
    return ReadSettingInt(store, kSettingOptions) & StartupActionMask;
}

std::string LastFileForStartup(const SettingsStore &store) {
    return StartupAction(store) == StartupLoadLast ? ReadSettingString(store, kSettingLastFile)
                                                   : std::string();
}

bool ToolbarVisible(const SettingsStore &store) {
    return (ReadSettingInt(store, kSettingOptions) & PrefHideToolbar) == 0;
}

bool RestorePlacement(const SettingsStore &store) {
    return (ReadSettingInt(store, kSettingOptions) & PrefNoPlacement) == 0;
}

std::string ProgramFolder(const SettingsStore &store, const std::string &currentFolder, char separator) {
    std::string folder = ReadSettingString(store, kSettingProgramFolder);
    if (folder.empty())
        folder = currentFolder;
    if (folder.empty() || (folder.back() != separator && folder.back() != '/'))
        folder += separator;
    return folder;
}

void StoreLastFile(SettingsStore &store, const std::string &fileName) {
    store.WriteString(kSettingLastFile, fileName);
}

} // namespace rondaxa
