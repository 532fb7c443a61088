// The preferences store over QSettings: values survive a round trip through
// the platform's place and through an INI file, missing or malformed values
// read as nothing, and a place that cannot be written reports the failure.
#include "core/model/settings.h"
#include "ui/platform/QtSettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace rondaxa;

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // The platform's per-user place, moved into the temporary folder.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path() + "/user");
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path() + "/user");
    }

    void platformPlaceRoundTrip() {
        QtSettingsStore store;
        store.WriteInt(kSettingOptions, StartupLoadLast + PrefHideToolbar);
        store.WriteString(kSettingWorkFolder, "/data/club \xC3\xA9\xC3\xA9n"); // UTF-8 "één"
        store.WriteString(kSettingLastFile, "/data/club/2026.KZB");
        WriteFormSet(store, FormSet{10, 20, 600, 800, 2});

        // A fresh store reads what was written: nothing is cached. What the
        // values mean is the core's (Settings tests); here they come back.
        QtSettingsStore again;
        QCOMPARE(ReadSettingInt(again, kSettingOptions), StartupLoadLast + PrefHideToolbar);
        QCOMPARE(ReadSettingString(again, kSettingWorkFolder), std::string("/data/club \xC3\xA9\xC3\xA9n"));
        QCOMPARE(LastFileForStartup(again), std::string("/data/club/2026.KZB"));
        QVERIFY(ReadFormSet(again).has_value() && ReadFormSet(again)->Width == 800);

        // Organisation "Brelinq", application "KZB".
        QVERIFY(QFile::exists(dir_.path() + "/user/Brelinq/KZB.conf"));
    }

    void missingAndMalformedValuesReadAsNothing() {
        const QString file = dir_.path() + "/odd.ini";
        {
            QSettings raw(file, QSettings::IniFormat);
            raw.setValue("KzbOptie", "abc");
            raw.setValue("FormSet", QByteArray(7, 'x')); // not 20 bytes
        }
        QtSettingsStore store(file);
        QVERIFY(!store.ReadInt(kSettingOptions).has_value());
        QCOMPARE(ReadSettingInt(store, kSettingOptions), 0);
        QVERIFY(!store.ReadBinary(kSettingFormSet).has_value());
        QVERIFY(!ReadFormSet(store).has_value());
        QVERIFY(!store.ReadString(kSettingProgramFolder).has_value());
    }

    void unwritablePlaceFailsWritesAndDefaultsReads() {
        // A path below a plain file: no folder can be made there, not even by root.
        const QString blocker = dir_.path() + "/blocker";
        {
            QFile file(blocker);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QtSettingsStore store(blocker + "/sub/KZB.ini");
        QVERIFY(!store.ReadInt(kSettingOptions).has_value());
        QVERIFY_THROWS_EXCEPTION(SettingsError, store.WriteInt(kSettingOptions, 1));
        QVERIFY_THROWS_EXCEPTION(SettingsError, StoreLastFile(store, "x.KZB"));
        QVERIFY_THROWS_EXCEPTION(SettingsError, WriteFormSet(store, FormSet{}));
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
