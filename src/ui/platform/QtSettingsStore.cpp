#include "ui/platform/QtSettingsStore.h"

#include <QSettings>

namespace rondaxa {
namespace {

const char *const kOrganisation = "Brelinq";
const char *const kApplication = "KZB";

std::unique_ptr<QSettings> WritableOrNothing(std::unique_ptr<QSettings> settings) {
    settings->setFallbacksEnabled(false);
    if (settings->isWritable())
        return settings;
    return nullptr;
}

} // namespace

QtSettingsStore::QtSettingsStore() = default;

QtSettingsStore::QtSettingsStore(const QString &iniFile) : iniFile_(iniFile) {}

std::unique_ptr<QSettings> QtSettingsStore::OpenSettingsKey() const {
    if (!iniFile_.isEmpty()) {
        if (auto file = WritableOrNothing(std::make_unique<QSettings>(iniFile_, QSettings::IniFormat)))
            return file;
        throw SettingsError();
    }
#ifdef Q_OS_WIN
    // HKEY_LOCAL_MACHINE first: opened, or created when missing.
    if (auto machine = WritableOrNothing(std::make_unique<QSettings>(
            QSettings::NativeFormat, QSettings::SystemScope, kOrganisation, kApplication)))
        return machine;
#endif
    if (auto user = WritableOrNothing(std::make_unique<QSettings>(
            QSettings::NativeFormat, QSettings::UserScope, kOrganisation, kApplication)))
        return user;
    throw SettingsError();
}

QVariant QtSettingsStore::ReadValue(const std::string &name) const {
    try {
        return OpenSettingsKey()->value(QString::fromStdString(name));
    } catch (const SettingsError &) {
        return {};
    }
}

void QtSettingsStore::WriteValue(const std::string &name, const QVariant &value) {
    auto settings = OpenSettingsKey();
    settings->setValue(QString::fromStdString(name), value);
    settings->sync();
    if (settings->status() != QSettings::NoError)
        throw SettingsError();
}

std::optional<int32_t> QtSettingsStore::ReadInt(const std::string &name) const {
    const QVariant value = ReadValue(name);
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!value.isValid() || !ok)
        return std::nullopt;
    return number;
}

std::optional<std::string> QtSettingsStore::ReadString(const std::string &name) const {
    const QVariant value = ReadValue(name);
    if (!value.isValid() || !value.canConvert<QString>())
        return std::nullopt;
    return value.toString().toStdString();
}

std::optional<std::array<uint8_t, 20>> QtSettingsStore::ReadBinary(const std::string &name) const {
    const QVariant value = ReadValue(name);
    if (value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    const QByteArray bytes = value.toByteArray();
    std::array<uint8_t, 20> record{};
    if (bytes.size() != static_cast<qsizetype>(record.size()))
        return std::nullopt;
    std::copy(bytes.begin(), bytes.end(), record.begin());
    return record;
}

void QtSettingsStore::WriteInt(const std::string &name, int32_t value) {
    WriteValue(name, QVariant(value));
}

void QtSettingsStore::WriteString(const std::string &name, const std::string &value) {
    WriteValue(name, QString::fromStdString(value));
}

void QtSettingsStore::WriteBinary(const std::string &name, const std::array<uint8_t, 20> &value) {
    WriteValue(
        name, QByteArray(reinterpret_cast<const char *>(value.data()), static_cast<qsizetype>(value.size())));
}

} // namespace rondaxa
