// "Algemene instellingen": filled from the preferences, "&Ok" writes exactly
// "KzbOptie", "KzbWork" and "KzbMap", "&Annuleren" writes nothing, and a
// store that cannot be written shows the registry message.
#include "core/model/settings.h"
#include "support/ui_support.h"
#include "ui/app/ChangeLoc.h"
#include "ui/app/SetExtra.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <string>
#include <vector>

using namespace rondaxa;

namespace {

// Counts the writes that reach the store.
class CountingStore : public MemorySettingsStore {
public:
    void WriteInt(const std::string &name, int32_t value) override {
        Written.push_back(name);
        MemorySettingsStore::WriteInt(name, value);
    }
    void WriteString(const std::string &name, const std::string &value) override {
        Written.push_back(name);
        MemorySettingsStore::WriteString(name, value);
    }
    void WriteBinary(const std::string &name, const std::array<uint8_t, 20> &value) override {
        Written.push_back(name);
        MemorySettingsStore::WriteBinary(name, value);
    }
    std::vector<std::string> Written;
};

template <typename T> T *Child(QWidget &dialog, const char *name) {
    T *child = dialog.findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("missing control %s", name);
    return child;
}

} // namespace

class GeneralSettingsTest : public QObject {
    Q_OBJECT

private slots:
    // Without preferences the dialog shows the defaults; stored ones are
    // shown as they are; opening, changing and "&Annuleren" write nothing.
    void fillsFromPreferencesAndCancelWritesNothing() {
        CountingStore store;
        test::ScriptedPrompts prompts;
        {
            TSetExtra empty(store, prompts);
            QVERIFY(Child<QRadioButton>(empty, "Startup0")->isChecked());
            QVERIFY(!Child<QCheckBox>(empty, "HideToolbar")->isChecked());
            QVERIFY(Child<QCheckBox>(empty, "KeepPlacement")->isChecked());
            QCOMPARE(empty.OptionsValue(), 0);
        }
        store.WriteInt(kSettingOptions, StartupLoadLast + PrefHideToolbar);
        store.WriteString(kSettingWorkFolder, "/home/club");
        store.WriteString(kSettingProgramFolder, "/opt/kzb");
        store.Written.clear();
        TSetExtra dialog(store, prompts);
        QCOMPARE(dialog.windowTitle(), QString("Algemene instellingen"));
        QVERIFY(Child<QRadioButton>(dialog, "Startup2")->isChecked());
        QVERIFY(Child<QCheckBox>(dialog, "HideToolbar")->isChecked());
        QVERIFY(Child<QCheckBox>(dialog, "KeepPlacement")->isChecked()); // bit 5 clear
        QCOMPARE(Child<QLineEdit>(dialog, "WorkFolder")->text(), QString("/home/club"));
        QCOMPARE(Child<QLineEdit>(dialog, "ProgramFolder")->text(), QString("/opt/kzb"));

        Child<QRadioButton>(dialog, "Startup1")->click();
        Child<QCheckBox>(dialog, "HideToolbar")->setChecked(false);
        Child<QCheckBox>(dialog, "KeepPlacement")->setChecked(false);
        Child<QLineEdit>(dialog, "WorkFolder")->setText("/elsewhere");
        Child<QPushButton>(dialog, "CancelButton")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(store.Written.empty());
        QCOMPARE(ReadSettingInt(store, kSettingOptions), StartupLoadLast + PrefHideToolbar);
        QCOMPARE(ReadSettingString(store, kSettingWorkFolder), std::string("/home/club"));
    }

    void okWritesExactlyTheThreeValues_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("hide");
        QTest::addColumn<bool>("keep");
        QTest::addColumn<int>("expected");
        QTest::newRow("nothing, shown, kept") << 0 << false << true << 0;
        QTest::newRow("open dialog, hidden") << 1 << true << true << 17;
        QTest::newRow("last file, not kept") << 2 << false << false << 34;
        QTest::newRow("all bits") << 2 << true << false << 50;
    }
    void okWritesExactlyTheThreeValues() {
        QFETCH(int, action);
        QFETCH(bool, hide);
        QFETCH(bool, keep);
        QFETCH(int, expected);
        CountingStore store;
        store.WriteString(kSettingLastFile, "/x/last.KZB");
        store.Written.clear();
        test::ScriptedPrompts prompts;
        TSetExtra dialog(store, prompts);
        Child<QRadioButton>(dialog, qPrintable(QString("Startup%1").arg(action)))->click();
        Child<QCheckBox>(dialog, "HideToolbar")->setChecked(hide);
        Child<QCheckBox>(dialog, "KeepPlacement")->setChecked(keep);
        Child<QLineEdit>(dialog, "WorkFolder")->setText("C:\\Wedstrijden");
        Child<QLineEdit>(dialog, "ProgramFolder")->setText("C:\\KZB");

        Child<QPushButton>(dialog, "OkButton")->click();

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(store.Written, (std::vector<std::string>{"KzbOptie", "KzbWork", "KzbMap"}));
        QCOMPARE(ReadSettingInt(store, kSettingOptions), expected);
        QCOMPARE(ReadSettingString(store, kSettingWorkFolder), std::string("C:\\Wedstrijden"));
        QCOMPARE(ReadSettingString(store, kSettingProgramFolder), std::string("C:\\KZB"));
        QCOMPARE(ReadSettingString(store, kSettingLastFile), std::string("/x/last.KZB"));
        QCOMPARE(ToolbarVisible(store), !hide);
        QCOMPARE(RestorePlacement(store), keep);
        QVERIFY(prompts.Messages.empty());
    }

    void unwritableStoreShowsTheRegistryMessage() {
        CountingStore store;
        store.ReadOnly = true;
        test::ScriptedPrompts prompts;
        TSetExtra dialog(store, prompts);
        Child<QPushButton>(dialog, "OkButton")->click();
        QCOMPARE(prompts.Messages,
                 (std::vector<std::string>{"Kan de instellingen niet bewaren in registry"}));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // "Wij&zigen..." opens the folder chooser on the edit's folder; "&Ok" puts
    // the chosen folder into the edit, "&Annuleren" leaves the edit alone.
    void folderChooserFillsTheEdit() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir("Wedstrijden"));
        const QString start = QDir(dir.path()).filePath("Wedstrijden");
        CountingStore store;
        store.WriteString(kSettingWorkFolder, start.toStdString());
        store.Written.clear();
        test::ScriptedPrompts prompts;
        TSetExtra dialog(store, prompts);
        auto *edit = Child<QLineEdit>(dialog, "WorkFolder");

        QString shown;
        test::OnNextDialog<TChangeLoc>([&](TChangeLoc &chooser) {
            shown = chooser.SelectedFolder();
            chooser.reject();
        });
        Child<QPushButton>(dialog, "ChooseWorkFolder")->click();
        QCOMPARE(shown, start);
        QCOMPARE(edit->text(), start);

        bool seen = false;
        test::OnNextDialog<TChangeLoc>([](TChangeLoc &chooser) { chooser.accept(); }, &seen);
        edit->setText(QDir(dir.path()).filePath("bestaat-niet"));
        Child<QPushButton>(dialog, "ChooseWorkFolder")->click();
        // A folder that does not exist starts the chooser at the current folder.
        QVERIFY(seen);
        QCOMPARE(edit->text(), QDir::toNativeSeparators(QDir::currentPath()));
        QVERIFY(store.Written.empty()); // choosing writes nothing by itself
    }
};

QTEST_MAIN(GeneralSettingsTest)
#include "general_settings_test.moc"
