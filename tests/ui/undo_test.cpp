// Undo and redo in the main window, offscreen: typed cells, quick entry and
// deleted columns taken back and done again through the menu, the modified
// state and the caption following the history, and the views (tabs, grid,
// save button, status line) following the document after each command.
#include "core/model/class_grid.h"
#include "core/model/kzb_file.h"
#include "core/model/riders.h"
#include "core/scoring/final_standings.h"
#include "support/test_files.h"
#include "support/ui_support.h"
#include "support/window_fixture.h"
#include "ui/app/KZBmain.h"
#include "ui/app/RijderData.h"
#include "ui/results/SnelUitslag.h"
#include "ui/results/WisUitslag.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolBar>
#include <QUndoStack>
#include <QtTest>

using namespace rondaxa;

class UndoTest : public QObject, test::WindowFixture {
    Q_OBJECT

private:
    QString Cell(int row, int col) { return Grid().GridModel().CellString(row, col); }
    QAction *Undo() { return form_->Action("UndoClick"); }
    QAction *Redo() { return form_->Action("RedoClick"); }
    bool SaveButtonEnabled() { return form_->Action("SpeedButton3")->isEnabled(); }
    Bytes Saved() { return SerializeCompetition(Comp()); }

    void TypeInto(int row, int col, const QString &text) {
        form_->GoToCell(col, row);
        Grid().setFocus();
        for (QChar c : text)
            QTest::keyClick(form_->IsEditing() ? static_cast<QWidget *>(&test::EditorOf(*form_)) : &Grid(),
                            c.toLatin1());
        QTest::keyClick(&test::EditorOf(*form_), Qt::Key_Return);
    }

    void EnterFinishingList(const QString &list) {
        test::OnNextDialog<TSnelUit>([list](TSnelUit &dialog) {
            dialog.Memo()->setPlainText(list);
            test::ClickButton(dialog, "&Ok");
        });
        form_->Action("Uitslagentoevoegen1Click")->trigger();
    }

    void DeleteResultColumn(int n) {
        test::OnNextDialog<TWisUitslag>([n](TWisUitslag &dialog) {
            dialog.DeleteButton()->click();
            dialog.FirstBox()->setValue(n);
            test::ClickButton(dialog, "&Ok");
        });
        form_->Action("Uitslagenverwijderen1Click")->trigger();
    }

    // What the window shows agrees with the document: one tab per class
    // under its name, the grid of the active class with its rows, columns
    // and texts, the save button and the caption's mark.
    void CheckViewsFollowTheDocument(const char *after) {
        const QString when = QString("after ") + after;
        QTabBar &tabs = test::TabsOf(*form_);
        QVERIFY2(tabs.count() == Comp().ClassCount(), qPrintable(when));
        for (int t = 0; t < Comp().ClassCount(); ++t)
            QVERIFY2(tabs.tabText(t) ==
                         FromModelText(Comp().Classes[static_cast<std::size_t>(t)]->Name.str()),
                     qPrintable(when));
        QVERIFY2(tabs.currentIndex() == Comp().ActiveClass, qPrintable(when));
        TKlasse &klasse = Klasse();
        QVERIFY2(Grid().Class() == &klasse, qPrintable(when));
        const QAbstractItemModel &model = Grid().GridModel();
        QVERIFY2(model.rowCount() == klasse.Grid.RowCount() - 1 &&
                     model.columnCount() == klasse.Grid.ColCount() - 1,
                 qPrintable(when));
        for (int r = 1; r < klasse.Grid.RowCount(); ++r)
            if (const TRijder *rider = klasse.Rider(r))
                QVERIFY2(Cell(r, 1) ==
                                 FromModelText(CellText(Comp().Club, *rider, klasse.ColData(1)->Kind, 0)) ||
                             klasse.ColData(1)->Kind != KindName,
                         qPrintable(when));
        QVERIFY2(SaveButtonEnabled() == (Comp().Modified != 0), qPrintable(when));
        QVERIFY2(form_->isWindowModified() == (Comp().Modified != 0), qPrintable(when));
    }

private slots:
    void init() { QVERIFY(OpenWindow()); }

    void cleanup() { CloseWindow(); }

    // The two items lead "Be&werken", with keys and accelerators of their own.
    void theEditMenuStartsWithUndoAndRedo() {
        QMenu *edit = nullptr;
        for (QAction *menu : form_->menuBar()->actions())
            if (menu->text() == "Be&werken")
                edit = menu->menu();
        QVERIFY(edit);
        const QList<QAction *> items = edit->actions();
        QCOMPARE(items[0], Undo());
        QCOMPARE(items[1], Redo());
        // Ctrl+Z, Ctrl+Y and Ctrl+S are pressed in theKeysUndoRedoAndSave.
        QVERIFY(Redo()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
        QVERIFY(!Undo()->isEnabled() && !Redo()->isEnabled());
        QVERIFY(!form_->Action("SpeedButtonUndo")->isEnabled());
        QSet<QChar> letters;
        for (QAction *item : items) {
            const qsizetype amp = item->text().indexOf('&');
            if (amp < 0 || item->isSeparator())
                continue;
            const QChar letter = item->text().at(amp + 1).toLower();
            QVERIFY2(!letters.contains(letter), qPrintable(item->text()));
            letters.insert(letter);
        }
        // The toolbar buttons stand right after "Bewaar bestand".
        const QList<QAction *> buttons = form_->findChild<QToolBar *>("Panel1")->actions();
        const qsizetype save = buttons.indexOf(form_->Action("SpeedButton3"));
        QCOMPARE(buttons.value(save + 1), form_->Action("SpeedButtonUndo"));
        QCOMPARE(buttons.value(save + 2), form_->Action("SpeedButtonRedo"));
    }

    // The keys work from the grid: a key that two actions share would be
    // ambiguous and do nothing.
    void theKeysUndoRedoAndSave() {
        QSet<QKeySequence> keys;
        for (QAction *action : form_->findChildren<QAction *>())
            for (const QKeySequence &key : action->shortcuts()) {
                QVERIFY2(!keys.contains(key), qPrintable(key.toString()));
                keys.insert(key);
            }
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        const int col = Klasse().ResultColumn(1);
        const QString before = Cell(3, col);
        TypeInto(3, col, "7");
        QCOMPARE(Cell(3, col), QString("7"));
        QTest::keyClick(&Grid(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Cell(3, col), before);
        QVERIFY(!form_->isWindowModified());
        QTest::keyClick(&Grid(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Cell(3, col), QString("7"));
        QTest::keyClick(&Grid(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!form_->isWindowModified());
        const Bytes saved = Saved();
        QCOMPARE(test::ReadAll(dir_->Path("demo.kzb")), std::string(saved.begin(), saved.end()));

        // Opening another file starts an empty history.
        form_->Files().ChooseOpenFile = [this](const QString &) {
            return QString::fromStdString(dir_->Path("demo.kzb"));
        };
        form_->Action("Openen1Click")->trigger();
        QVERIFY(!Undo()->isEnabled());
        QCOMPARE(form_->UndoStack().count(), 0);
    }

    void aTypedCellIsUndoneAndRedoneThroughTheMenuUpToTheSavedState() {
        const QString caption = form_->windowTitle();
        const int col = Klasse().ResultColumn(3);
        const QString before = Cell(2, col);
        const QString className = FromModelText(Klasse().Name.str());
        TypeInto(2, col, "7");
        QCOMPARE(Cell(2, col), QString("7"));
        QVERIFY(Undo()->isEnabled());
        QCOMPARE(Undo()->text(), "Ongedaan &maken: Uitslag wijzigen (" + className + ", kolom 3)");
        QVERIFY(form_->isWindowModified());
        QVERIFY(SaveButtonEnabled());

        // Undone from another class: the class and the cell are shown again.
        form_->ShowClass(2);
        Undo()->trigger();
        QCOMPARE(Comp().ActiveClass, 0);
        QCOMPARE(Klasse().Grid.CurRow, 2);
        QCOMPARE(Klasse().Grid.CurCol, col);
        QCOMPARE(Cell(2, col), before);
        QCOMPARE(Comp().Modified, uint8_t(0)); // back at the saved state
        QVERIFY(!form_->isWindowModified());
        QVERIFY(!SaveButtonEnabled());
        QCOMPARE(form_->windowTitle(), caption);
        QVERIFY(!Undo()->isEnabled());
        QCOMPARE(Redo()->text(), "Op&nieuw: Uitslag wijzigen (" + className + ", kolom 3)");

        Redo()->trigger();
        QCOMPARE(Cell(2, col), QString("7"));
        QVERIFY(form_->isWindowModified());
        QCOMPARE(Redo()->text(), QString("Op&nieuw"));
        QVERIFY(!Redo()->isEnabled());

        // Saving marks the history's clean state: undoing past it is a
        // change, redoing back to it is none; closing there asks nothing.
        form_->Action("Bewaren1Click")->trigger();
        QVERIFY(!form_->isWindowModified());
        QVERIFY(!SaveButtonEnabled());
        Undo()->trigger();
        QVERIFY(form_->isWindowModified());
        QVERIFY(SaveButtonEnabled());
        Redo()->trigger();
        QVERIFY(!form_->isWindowModified());
        TypeInto(3, col, "47");
        QVERIFY(form_->isWindowModified());
        Undo()->trigger();
        QVERIFY(form_->close());
        QVERIFY(prompts_.Questions.empty());
    }

    void aQuickEntryAndAColumnDeletionAreUndoneAndRedone() {
        const Bytes original = Saved();
        const int columns = Klasse().ResultCount;
        const QString typedBefore = Cell(2, Klasse().ResultColumn(1));
        TypeInto(2, Klasse().ResultColumn(1), "9");
        const Bytes typed = Saved();
        EnterFinishingList("101\n102\n103\n");
        QCOMPARE(Klasse().ResultCount, columns + 1);
        QCOMPARE(Undo()->text(),
                 QString("Ongedaan &maken: Snel uitslagen toevoegen (MX1, kolom %1)").arg(columns + 1));
        const Bytes entered = Saved();
        DeleteResultColumn(1);
        QCOMPARE(Klasse().ResultCount, columns);
        QVERIFY(Undo()->text().startsWith("Ongedaan &maken: Uitslagen wissen / verwijderen (MX1"));
        const Bytes deleted = Saved();
        CheckViewsFollowTheDocument("the deletion");

        Undo()->trigger();
        QCOMPARE(Saved(), entered);
        CheckViewsFollowTheDocument("undoing the deletion");
        Undo()->trigger();
        QCOMPARE(Saved(), typed);
        QCOMPARE(Klasse().ResultCount, columns);
        CheckViewsFollowTheDocument("undoing the entry");
        Undo()->trigger();
        QCOMPARE(Saved(), original);
        QCOMPARE(Cell(2, Klasse().ResultColumn(1)), typedBefore);
        QVERIFY(!form_->isWindowModified());
        Redo()->trigger();
        Redo()->trigger();
        Redo()->trigger();
        QCOMPARE(Saved(), deleted);
        CheckViewsFollowTheDocument("redoing both");
    }

    // Each command leaves the tabs, the grid, the save button and the caption
    // as the document is, with no refresh of its own.
    void theViewsFollowEveryCommand() {
        CheckViewsFollowTheDocument("opening");
        form_->Action("Rijdertoevogen1Click")->trigger();
        test::EditorOf(*form_).setText("Nieuwe rijder");
        test::EditorOf(*form_).setModified(true);
        QTest::keyClick(&test::EditorOf(*form_), Qt::Key_Return);
        CheckViewsFollowTheDocument("a new rider");
        prompts_.Answers.assign(5, Answer::Yes);
        test::OnNextDialog<QDialog>([](QDialog &dialog) { test::ClickButton(dialog, "&Ok"); });
        form_->Action("RijderVerwijderen1Click")->trigger();
        CheckViewsFollowTheDocument("deleting a rider");
        CalcOptions options;
        form_->RunStep(StepScope::WholeCompetition(), QString("Eindstanden"),
                       [&] { CalculateFinalStandings(Comp(), options, Comp().ActiveClass, 0, nullptr); });
        CheckViewsFollowTheDocument("standings");
        // A dropped result under the cursor is said on the status line, until
        // the standings go.
        TKlasse &klasse = Klasse();
        int row = 0, col = 0;
        for (int r = 1; r < klasse.Grid.RowCount() && !row; ++r)
            for (int n = 1; n <= klasse.ResultCount && !row; ++n)
                if (klasse.Rider(r) && IsDropped(*klasse.Rider(r), n)) {
                    row = r;
                    col = klasse.ResultColumn(n);
                }
        QVERIFY(row > 0);
        form_->GoToCell(col, row);
        QLabel &column = test::StatusPanelOf(*form_, 2);
        QCOMPARE(column.text(), QString("Geschrapte uitslag"));
        form_->Verwijderuitslagen1Click();
        CheckViewsFollowTheDocument("removing the standings");
        QVERIFY(column.text() != "Geschrapte uitslag");
        test::OnNextDialog([](QDialog &dialog) {
            dialog.findChild<QLineEdit *>("EditCN")->setText("MC Anders");
            test::ClickButton(dialog, "&Ok");
        });
        form_->Action("Clubgegevens1Click")->trigger();
        CheckViewsFollowTheDocument("the club settings");
        for (int i = 0; i < 6 && Undo()->isEnabled(); ++i) {
            Undo()->trigger();
            CheckViewsFollowTheDocument("an undo");
        }
    }

    // ---- the status line follows the changes ---------------------------------------

    void theStatusLineFollowsAPasteANewRiderAndANewFile() {
        QLabel &rider = test::StatusPanelOf(*form_, 1);
        TKlasse &klasse = Klasse();
        form_->GoToCell(1, 1);
        TRijder record = *klasse.Rider(3);
        form_->RunStep(StepScope::Cells(0, 1, 1), QString("Plakken"),
                       [&] { PasteRiderRecord(Comp(), klasse, 1, record, false); });
        QCOMPARE(rider.text(), FromModelText(RiderPanelText(Comp().Club, *klasse.Rider(1))));

        // A rider entered in the details window.
        form_->Action("Rijder1Click")->trigger();
        auto *details = form_->findChild<TRijderData *>();
        QVERIFY(details && details->IsOpen());
        details->SBnewClick();
        details->Edit(1)->setText("Van Dijk, Karel");
        details->Edit(1)->setModified(true);
        QVERIFY(details->StoreRiderEdits());
        QCOMPARE(rider.text(), FromModelText(RiderPanelText(Comp().Club, *klasse.Rider(klasse.Grid.CurRow))));
        QVERIFY(rider.text().contains("Karel"));
        details->close();

        // An entirely new file leaves no rider on it, and no history.
        Comp().Modified = 0;
        test::OnNextDialog([](QDialog &dialog) {
            test::OnNextDialog([](QDialog &club) { club.reject(); });
            test::ClickButton(dialog, "&Nieuw");
        });
        form_->Action("Nieuw1Click")->trigger();
        QCOMPARE(Comp().ClassCount(), 0);
        QVERIFY(rider.text().isEmpty());
        QVERIFY(test::StatusPanelOf(*form_, 2).text().isEmpty());
        QVERIFY(!Undo()->isEnabled());
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
