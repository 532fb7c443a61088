// Bringing data in, offscreen: the DOS import dialog's enabling rules and the
// import from the main window, and adding classes from another file.
#include "core/model/kzb_file.h"
#include "core/model/messages.h"
#include "core/model/settings.h"
#include "support/dos_files.h"
#include "support/test_files.h"
#include "support/ui_support.h"
#include "ui/app/KZBmain.h"
#include "ui/app/Oud_laden.h"
#include "ui/results/Aanvul.h"

#include <QCheckBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTreeView>
#include <QtTest>

#include <filesystem>

using namespace rondaxa;
namespace fs = std::filesystem;

class ImportDialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> dir_;

    QString Root() const { return QString::fromStdString(dir_->Root().string()); }
    static QStringList Tabs(TMainForm &form) {
        QStringList names;
        for (int i = 0; i < test::TabsOf(form).count(); ++i)
            names << test::TabsOf(form).tabText(i);
        return names;
    }

private slots:
    void init() {
        dir_ = std::make_unique<test::TempDir>();
        test::WriteDosFile(
            dir_->Root() / "kzbinfo.brq",
            test::DosInfoBytes({{"MC Oost", {"MX1", "MX2", "J\x81nioren"}, {20, 17}, "DATA\\OOST", false},
                                {"MC West", {"MX1"}, {}, "", true}}));
        const fs::path data = dir_->Root() / "DATA" / "OOST";
        test::WriteDosFile(data / "KZBKL001.AAA", test::DosClassBytes({{"Piet", {"20", "17"}}}));
        test::WriteDosFile(data / "KZBKL001.CCC", test::DosClassBytes({{"Kees", {"17"}}}));
        fs::create_directories(dir_->Root() / "leeg");
    }
    void cleanup() { dir_.reset(); }

    // The dialog starts in the folder of the last import, else the home
    // folder, with that folder open in the tree; choosing a club enables the
    // rest; a typed or pasted path goes there with Enter (and does not choose
    // "&Ok").
    void dosDialogStartsWhereTheUserWasAndFollowsTheChoices() {
        MemorySettingsStore store;
        QCOMPARE(DosImportStartFolder(store), QDir::homePath());
        RememberDosImportFolder(store, Root());
        QCOMPARE(DosImportStartFolder(store), Root());
        RememberDosImportFolder(store, Root() + "/weg");
        QCOMPARE(DosImportStartFolder(store), QDir::homePath()); // gone since: home

        TOud_laden dialog(Root());
        QCOMPARE(dialog.Folder(), Root());
        QListWidget *clubs = dialog.ClubList();
        QCOMPARE(clubs->count(), 2);
        QCOMPARE(clubs->item(0)->text(), QString("MC Oost"));
        QVERIFY(!dialog.OkButton()->isEnabled());
        QVERIFY(!dialog.FolderEdit()->isEnabled());

        clubs->setCurrentRow(0);
        QVERIFY(dialog.OkButton()->isEnabled());
        QVERIFY(dialog.FolderEdit()->isEnabled());
        QCOMPARE(dialog.FolderEdit()->text(), QString("DATA\\OOST"));

        dialog.InfoFolderBox()->setChecked(true);
        QVERIFY(!dialog.FolderEdit()->isEnabled());
        QVERIFY(dialog.OkButton()->isEnabled());
        dialog.InfoFolderBox()->setChecked(false);
        QVERIFY(dialog.FolderEdit()->isEnabled());

        dialog.FolderEdit()->setText("elders");
        DosImportChoice choice = dialog.Choice();
        QCOMPARE(choice.Set, 1);
        QCOMPARE(choice.TypedFolder, std::string("elders"));
        QCOMPARE(QString::fromStdString(choice.InfoFolder.string()), Root());

        // A folder without an information file: nothing to choose.
        dialog.SetFolder(Root() + "/leeg");
        QCOMPARE(clubs->count(), 0);
        QVERIFY(!dialog.OkButton()->isEnabled());
        QVERIFY(!dialog.FolderEdit()->isEnabled());
        QVERIFY(dialog.FolderEdit()->text().isEmpty());

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTreeView *tree = dialog.FolderTree();
        QCOMPARE(QDir(tree->model()->data(tree->currentIndex(), QFileSystemModel::FilePathRole).toString()),
                 QDir(Root() + "/leeg"));
        QVERIFY(tree->isExpanded(tree->currentIndex().parent()));

        dialog.PathEdit()->setFocus();
        dialog.PathEdit()->setText(QDir::toNativeSeparators(Root()));
        QTest::keyClick(dialog.PathEdit(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.Folder(), Root());
        QCOMPARE(dialog.ClubList()->count(), 2);
        QCOMPARE(QDir(tree->model()->data(tree->currentIndex(), QFileSystemModel::FilePathRole).toString()),
                 QDir(Root()));

        dialog.PathEdit()->setText(Root() + "/bestaat-niet");
        QTest::keyClick(dialog.PathEdit(), Qt::Key_Return);
        QCOMPARE(dialog.Folder(), Root()); // nowhere to go: it stays
    }

    void addClassesDialogEnabling() {
        ClassList list;
        list.Club.ClubName = "MC West";
        list.Names = {"MX1", "Jeugd", "Veteranen"};
        TAanvul dialog(list, "/seizoen/west.kzb");
        QListWidget *classes = dialog.CheckListBox1();
        QCOMPARE(classes->count(), 3);
        QVERIFY(!dialog.OkButton()->isEnabled());
        classes->item(1)->setCheckState(Qt::Checked);
        QVERIFY(dialog.OkButton()->isEnabled());
        classes->item(2)->setCheckState(Qt::Checked);
        classes->item(1)->setCheckState(Qt::Unchecked);
        QVERIFY(dialog.OkButton()->isEnabled());
        QCOMPARE(dialog.Checked(), (std::vector<bool>{false, false, true}));
        classes->item(2)->setCheckState(Qt::Unchecked);
        QVERIFY(!dialog.OkButton()->isEnabled());
    }

    void importAndAddFromTheMainWindow() {
        test::ScriptedPrompts prompts;
        MemorySettingsStore store;
        TMainForm form(prompts, store);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(form.FirstPaintDone());

        // A set whose class files are missing: message 80, nothing open.
        test::OnNextDialog<TOud_laden>([&](TOud_laden &dialog) {
            dialog.SetFolder(Root());
            dialog.ClubList()->setCurrentRow(1);
            dialog.accept();
        });
        form.Laadversie11Click();
        QCOMPARE(prompts.Messages, std::vector<std::string>{ErrorMessageFor(80).Text});
        QCOMPARE(form.Comp().ClassCount(), 0);
        QCOMPARE(Tabs(form), QStringList{"?"});

        // Set 1: classes 1 and 3 found, unnamed and unmodified.
        test::OnNextDialog<TOud_laden>([&](TOud_laden &dialog) {
            dialog.SetFolder(Root());
            dialog.ClubList()->setCurrentRow(0);
            dialog.accept();
        });
        form.Laadversie11Click();
        QCOMPARE(Tabs(form), (QStringList{"MX1", QString::fromUtf8("J\u00fcnioren")}));
        QCOMPARE(DosImportStartFolder(store), Root()); // the next import starts here
        QVERIFY(form.ActiveClass() == form.Comp().Classes[0].get());
        QVERIFY(form.Comp().FileName.empty());
        QCOMPARE(int(form.Comp().Modified), 0);
        QVERIFY(!form.Action("SpeedButton3")->isEnabled());
        QVERIFY(form.Action("GegevensToevoegen1Click")->isEnabled());

        // The DOS competition stores points: no classes can be added to it.
        form.GegevensToevoegen1Click();
        QCOMPARE(prompts.Messages.back(), ErrorMessageFor(99).Text);

        // The demo stores positions: its second class joins it.
        const QString demo = QString::fromStdString(dir_->Path("demo.kzb"));
        fs::copy_file(RONDAXA_SOURCE_DIR "/examples/demo.kzb", demo.toStdString());
        QVERIFY(form.LoadFile(demo, prompts));
        form.ShowClass(1);
        form.Files().ChooseOpenFile = [&](const QString &) { return demo; };
        test::OnNextDialog<TAanvul>([&](TAanvul &dialog) {
            dialog.CheckListBox1()->item(1)->setCheckState(Qt::Checked);
            test::ClickButton(dialog, "&Ok");
        });
        form.GegevensToevoegen1Click();
        QCOMPARE(form.Comp().ClassCount(), 5);
        QCOMPARE(test::TabsOf(form).tabText(4), QString("MX2"));
        QCOMPARE(test::TabsOf(form).currentIndex(), 1);
        QCOMPARE(int(form.Comp().Modified), int(ModifiedData));
        QVERIFY(form.Action("SpeedButton3")->isEnabled());
        form.Comp().Modified = 0;
    }
};

QTEST_MAIN(ImportDialogsTest)
#include "import_dialogs_test.moc"
