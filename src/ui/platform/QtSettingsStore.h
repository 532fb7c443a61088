// The preferences of the installation kept with QSettings: on Windows the
// registry key "Software\Brelinq\KZB" (machine-wide when it can be written
// there, else for the user), elsewhere the user's settings file of
// organisation "Brelinq", application "KZB".
#pragma once

#include "core/model/settings.h"

#include <QString>

#include <memory>

class QSettings;

namespace rondaxa {

class QtSettingsStore : public SettingsStore {
public:
    // The platform's place for the preferences.
    QtSettingsStore();
    // An INI file at a given path instead (tests, a portable installation).
    explicit QtSettingsStore(const QString &iniFile);

    // Reads give nothing when the value is missing, has the wrong form or no
    // place can be opened. Writes throw SettingsError when nothing can be
    // written. Strings are stored as given (file and folder names, UTF-8).
    std::optional<int32_t> ReadInt(const std::string &name) const override;
    std::optional<std::string> ReadString(const std::string &name) const override;
    std::optional<std::array<uint8_t, 20>> ReadBinary(const std::string &name) const override;
    void WriteInt(const std::string &name, int32_t value) override;
    void WriteString(const std::string &name, const std::string &value) override;
    void WriteBinary(const std::string &name, const std::array<uint8_t, 20> &value) override;

    // Opens the first writable place, in this order: machine-wide (Windows
    // only), then the user's. Throws SettingsError when neither can be written.
    // Every access opens the place anew, so nothing is cached between calls.
    std::unique_ptr<QSettings> OpenSettingsKey() const;

private:
    QVariant ReadValue(const std::string &name) const;
    void WriteValue(const std::string &name, const QVariant &value);

    QString iniFile_; // empty: the platform's place
};

} // namespace rondaxa
