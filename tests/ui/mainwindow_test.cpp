// The main window, offscreen: opening the demo, typing into the grid, the
// checks of the editing field, saving and reopening, the save button, the
// close prompt, start-up and the private notification.
#include "app/CellEditor.h"
#include "app/ClassGridView.h"
#include "app/KZBmain.h"
#include "model/kzb_file.h"
#include "model/settings.h"
#include "support/test_files.cpp" // the shared test helpers (prompts, folders)

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QtTest>

#include <filesystem>

using namespace rondaxa;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> dir_;
    test::ScriptedPrompts prompts_;
    MemorySettingsStore store_;
    std::unique_ptr<TMainForm> form_;
    QString demo_;

    TKlasse &Klasse() { return *form_->ActiveClass(); }
    // Makes a grid cell current, as a click would.
    void GoTo(int row, int col) {
        Klasse().Grid.CurRow = row;
        Klasse().Grid.CurCol = col;
        form_->ActiveGrid()->ShowCurrentCell();
        form_->ActiveGrid()->setFocus();
    }
    void Type(const QString &text) {
        for (QChar c : text) {
            QWidget *target =
                form_->IsEditing() ? static_cast<QWidget *>(form_->Edit1()) : form_->ActiveGrid();
            QTest::keyClick(target, c.toLatin1());
        }
    }
    void Enter() {
        QWidget *target = form_->IsEditing() ? static_cast<QWidget *>(form_->Edit1()) : form_->ActiveGrid();
        QTest::keyClick(target, Qt::Key_Return);
    }
    QString Cell(int row, int col) { return form_->ActiveGrid()->GridModel().CellString(row, col); }
    bool SaveButtonEnabled() { return form_->Action("SpeedButton3")->isEnabled(); }

private slots:
    void init() {
        dir_ = std::make_unique<test::TempDir>();
        prompts_ = test::ScriptedPrompts();
        store_ = MemorySettingsStore();
        demo_ = QString::fromStdString(dir_->Path("demo.kzb"));
        std::filesystem::copy_file(RONDAXA_SOURCE_DIR "/examples/demo.kzb", demo_.toStdString());
        form_ = std::make_unique<TMainForm>(prompts_, store_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        QTRY_VERIFY(form_->FirstPaintDone());
        QVERIFY(form_->LoadFile(demo_, prompts_));
    }

    void cleanup() {
        form_->Comp().Modified = 0;
        form_.reset();
        dir_.reset();
    }

    void opensTheDemoWithOneTabPerClass() {
        QCOMPARE(form_->Tabs()->count(), form_->Comp().ClassCount());
        QCOMPARE(form_->Tabs()->tabText(0), QString::fromStdString(form_->Comp().Classes[0]->Name.str()));
        QCOMPARE(form_->windowTitle(),
                 QString::fromStdString(form_->Comp().Club.ClubName.str() + " - " + Klasse().Name.str()));
        QCOMPARE(form_->StatusPanel(0)->text(), QString("Punten"));
        QVERIFY(form_->Action("Bewaarals1Click")->isEnabled());
        QVERIFY(!SaveButtonEnabled());
        QCOMPARE(form_->HelpContext(), TMainForm::kHelpCompetition);
    }

    void typedResultIsStoredAndEnterMovesRight() {
        const int col = Klasse().ResultColumn(3);
        GoTo(1, col);
        QVERIFY(Cell(1, col).isEmpty());
        Type("7");
        QVERIFY(form_->IsEditing());
        QCOMPARE(form_->Edit1()->text(), QString("7"));
        QCOMPARE(form_->Edit1()->cursorPosition(), 1);
        Enter();
        QVERIFY(!form_->IsEditing());
        QCOMPARE(Cell(1, col), QString("7"));
        QCOMPARE(Klasse().Grid.CurCol, col + 1);
        QCOMPARE(Klasse().Grid.CurRow, 1);
        QVERIFY(SaveButtonEnabled());
    }

    void lettersCannotBeTypedIntoAResult() {
        const int col = Klasse().ResultColumn(1);
        GoTo(1, col);
        const QString before = Cell(1, col);
        Type("x");
        QVERIFY(form_->IsEditing());
        QCOMPARE(form_->Edit1()->text(), before);
        QCOMPARE(form_->Edit1()->selectedText(), before);
        Type("y");
        QCOMPARE(form_->Edit1()->text(), before); // letters do not pass the field's filter
        QTest::keyClick(form_->Edit1(), Qt::Key_Escape);
        QVERIFY(!form_->IsEditing());
        QCOMPARE(Cell(1, col), before);
        QCOMPARE(Klasse().Grid.CurCol, col);
    }

    void duplicateStartNumberKeepsTheFieldOpen() {
        const QString first = Cell(1, 2);
        GoTo(2, 2);
        const QString own = Cell(2, 2);
        Enter();
        QVERIFY(form_->IsEditing());
        form_->Edit1()->selectAll();
        Type(first);
        Enter();
        QCOMPARE(prompts_.Messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(prompts_.Messages[0]), "Dit startnummer komt al voor op positie: 1");
        QVERIFY(form_->IsEditing());
        QCOMPARE(form_->Edit1()->text(), first);
        QCOMPARE(Cell(2, 2), own);
        QCOMPARE(Klasse().Grid.CurRow, 2);
        // A class change drops the refused edit.
        form_->Tabs()->setCurrentIndex(1);
        QVERIFY(!form_->IsEditing());
        form_->Tabs()->setCurrentIndex(0);
        QCOMPARE(Cell(2, 2), own);
    }

    void pointsOffTheTableAreRefused() {
        const int col = Klasse().ResultColumn(3);
        GoTo(1, col);
        Type("48");
        Enter();
        QCOMPARE(prompts_.Messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(prompts_.Messages[0]), "Geen geldige uitslag waarde!");
        QVERIFY(form_->IsEditing()); // editing starts again on the same cell
        QCOMPARE(Klasse().Grid.CurCol, col);
        QVERIFY(Cell(1, col).isEmpty());
        Type("47");
        Enter();
        QVERIFY(!form_->IsEditing());
        QCOMPARE(Klasse().Rider(1)->Results[3], int16_t(2));
    }

    void nameEditAndCursorKeys() {
        const int last = Klasse().Grid.RowCount() - 1;
        GoTo(1, 1);
        Enter(); // opens the field with the stored name
        QCOMPARE(form_->Edit1()->text(), QString::fromStdString(Klasse().Rider(1)->Name.str()));
        QTest::keyClick(form_->Edit1(), Qt::Key_Up); // unchanged: no move
        QCOMPARE(Klasse().Grid.CurRow, 1);
        QTest::keyClick(form_->Edit1(), Qt::Key_Escape);
        // Over a name a typed character only opens the field with the name selected.
        Type("Zz");
        QVERIFY(form_->IsEditing());
        QCOMPARE(form_->Edit1()->text(), QString("z"));
        QTest::keyClick(form_->Edit1(), Qt::Key_Up); // stored: wraps to the last row
        QCOMPARE(Klasse().Rider(1)->Name.str(), std::string("z"));
        QCOMPARE(Klasse().Grid.CurRow, last);
    }

    void saveAndReopenKeepsTheValues() {
        const int col = Klasse().ResultColumn(3);
        GoTo(1, col);
        Type("7");
        Enter();
        GoTo(3, 1);
        Enter();
        form_->Edit1()->selectAll();
        Type("Nieuwe naam");
        QVERIFY(SaveButtonEnabled());
        const QString target = QString::fromStdString(dir_->Path("kopie"));
        form_->ChooseSaveFile = [&](const QString &) { return target; };
        form_->Action("Bewaarals1Click")->trigger(); // ends the edit first
        QVERIFY(!SaveButtonEnabled());
        QCOMPARE(form_->Comp().Modified, uint8_t(0));
        QVERIFY(QFile::exists(target + ".kzb"));

        form_->ChooseOpenFile = [&](const QString &) { return target + ".kzb"; };
        form_->Action("Openen1Click")->trigger();
        QCOMPARE(QString::fromStdString(form_->Comp().FileName), target + ".kzb");
        QCOMPARE(Cell(1, col), QString("7"));
        QCOMPARE(Klasse().Rider(3)->Name.str(), std::string("Nieuwe naam"));
        QVERIFY(prompts_.Questions.empty());
    }

    void saveAsWithAnotherExtensionSavesNothing() {
        form_->SetModified(ModifiedData);
        const QString target = QString::fromStdString(dir_->Path("uitslag.txt"));
        form_->ChooseSaveFile = [&](const QString &) { return target; };
        form_->Action("Bewaarals1Click")->trigger();
        QVERIFY(!QFile::exists(target));
        QVERIFY(SaveButtonEnabled());
    }

    void savingTwiceKeepsOneBackup() {
        form_->SetModified(ModifiedData);
        form_->Action("SpeedButton3")->trigger();
        QVERIFY(QFile::exists(QString::fromStdString(BackupName(demo_.toStdString()))));
        form_->SetModified(ModifiedData);
        form_->Action("Bewaren1Click")->trigger();
        QVERIFY(QFile::exists(demo_));
        QCOMPARE(form_->Comp().Modified, uint8_t(0));
    }

    void cancelAtTheClosePromptKeepsTheWindow() {
        form_->SetModified(ModifiedData);
        prompts_.Answers = {Answer::Cancel};
        QVERIFY(!form_->close());
        QVERIFY(form_->isVisible());
        QCOMPARE(form_->Comp().ClassCount(), 4);
        QCOMPARE(prompts_.Questions.size(), size_t(1));
        QCOMPARE(QString::fromStdString(prompts_.Questions[0]), "Gegevens zijn nog niet bewaard, Bewaren ?");
        QVERIFY(ReadFormSet(store_).has_value()); // the placement is written all the same

        prompts_.Answers = {Answer::No};
        QVERIFY(form_->close());
    }

    void calculateMenuHiddenWithoutResultColumns() {
        QMenu *calc = nullptr;
        for (QAction *action : form_->menuBar()->actions())
            if (action->text() == "Bere&kenen")
                calc = action->menu();
        QVERIFY(calc);
        QVERIFY(calc->menuAction()->isVisible());
        TKlasse &klasse = Klasse();
        klasse.ResultCount = 0;
        RebuildFixedColumns(klasse, form_->Comp().Club);
        form_->ReloadGrid();
        form_->TabControl1Change();
        QVERIFY(!calc->menuAction()->isVisible());
    }

    void rowLabelClickRenumbers() {
        Klasse().Grid.RowAt(1).Label = "x";
        Klasse().Grid.RowAt(2).Label = "y";
        const QHeaderView *rows = form_->ActiveGrid()->verticalHeader();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                          QPoint(5, rows->sectionViewportPosition(0) + 3));
        QCOMPARE(QString::fromStdString(Klasse().Grid.RowAt(1).Label), QString("1"));
        QCOMPARE(QString::fromStdString(Klasse().Grid.RowAt(2).Label), QString("2"));
    }

    void notificationNeedsTheFirstPaintKey() {
        form_->Tabs()->setCurrentIndex(2);
        form_->Comp().Classes[2]->Name = "Anders";
        form_->Notify(TMainForm::kNotifyShowClass, form_->NotificationKey() + 1);
        QVERIFY(!form_->windowTitle().endsWith("Anders"));
        form_->Notify(TMainForm::kNotifyShowClass, form_->NotificationKey());
        QVERIFY(form_->windowTitle().endsWith("Anders"));
    }

    void startUpWithAMissingCommandLineFile() {
        test::ScriptedPrompts prompts;
        MemorySettingsStore store;
        WriteFormSet(store, FormSet{100, 700, 400, 500, 0}); // Left 700: ignored
        TMainForm form(prompts, store);
        form.SetCommandLine({}, {"/geen/bestand.kzb"});
        form.show();
        QTRY_VERIFY(form.FirstPaintDone());
        QCOMPARE(prompts.Messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(prompts.Messages[0]), "Fout nr.: 4");
        QVERIFY(form.x() != 700);
        QCOMPARE(form.Tabs()->count(), 1);
        QCOMPARE(form.Tabs()->tabText(0), QString("?"));
        QCOMPARE(form.windowTitle(), QString("Rondaxa"));
        QCOMPARE(form.HelpContext(), TMainForm::kHelpNoCompetition);
    }

    void startUpLoadsTheCommandLineFileAndMaximises() {
        test::ScriptedPrompts prompts;
        MemorySettingsStore store;
        WriteFormSet(store, FormSet{10, 10, 400, 500, 2});
        TMainForm form(prompts, store);
        form.SetCommandLine({}, {demo_.toStdString()});
        form.show();
        QTRY_VERIFY(form.FirstPaintDone());
        QVERIFY(form.windowState() & Qt::WindowMaximized);
        QCOMPARE(form.Comp().ClassCount(), 4);
        QCOMPARE(QString::fromStdString(ReadSettingString(store, kSettingLastFile)), demo_);
        QVERIFY(prompts.Messages.empty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
