// The race evening in the main window, offscreen: quick results entry, the
// results check with its problem list, the quick search window and the
// extended search.
#include "core/model/kzb_file.h"
#include "core/model/riders.h"
#include "core/model/settings.h"
#include "support/test_files.h"
#include "support/ui_support.h"
#include "support/window_fixture.h"
#include "ui/app/KZBmain.h"
#include "ui/platform/CommandKeys.h"
#include "ui/results/SnelUitslag.h"
#include "ui/results/ToonBox.h"
#include "ui/results/VraagUitslag.h"
#include "ui/scoring/SnelZoeken.h"
#include "ui/scoring/ZoekAll.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

using namespace rondaxa;
using rondaxa::test::AddRider;
using rondaxa::test::ClickButton;
using rondaxa::test::OnNextDialog;

class QuickEntryTest : public QObject, test::WindowFixture {
    Q_OBJECT

private:
    // Opens a competition of two classes: MX1 with riders 7, 12 and 3 and
    // results in columns 1 and 2 (finish positions stored), MX2 with two riders.
    void Open(int resultColumns = 2) {
        Competition comp = test::MakeCompetition({"MX1", "MX2"});
        comp.Club.Options = OptStoreFinishOrder | OptNamesAsStored;
        std::vector<int> results(static_cast<std::size_t>(resultColumns), 1);
        AddRider(comp, *comp.Classes[0], "Jansen, Piet", "7", results);
        AddRider(comp, *comp.Classes[0], "Bakker, Kees", "12", results);
        AddRider(comp, *comp.Classes[0], "de Vries, Jan", "3", results);
        AddRider(comp, *comp.Classes[1], "Mol, Tom", "21");
        AddRider(comp, *comp.Classes[1], "de Vries, Bas", "22");
        const std::string file = dir_->Path("season.kzb");
        const Bytes bytes = SerializeCompetition(comp);
        test::WriteAll(file, std::string(bytes.begin(), bytes.end()));
        QVERIFY(form_->LoadFile(QString::fromStdString(file), prompts_));
    }
    int ResultOf(const std::string &startNo, int n) {
        for (int row = 1; row < Klasse().Grid.RowCount(); ++row)
            if (Klasse().Rider(row)->StartNo == startNo)
                return GetResult(*Klasse().Rider(row), n);
        return -2;
    }

private slots:
    void initTestCase() { InstallCommandKeyFilter(*qApp); }

    void init() {
        QVERIFY(OpenWindow(false));
        Open();
    }

    void cleanup() { CloseWindow(); }

    void commandsAreAvailable() {
        for (const char *name : {"Uitslagentoevoegen1Click", "Controleuitslagen1Click", "SnelZoekClick",
                                 "UitZoekenClick", "PopupUitslagentoevoegen1Click", "SpeedButton8"})
            QVERIFY2(form_->Action(name) && form_->Action(name)->isEnabled(), name);
    }

    // ---- quick entry ------------------------------------------------------------

    // The mode buttons follow the class and the storage; fetching a column
    // lists its finishing order (and sorts the class by it).
    void modeButtonsFetchingAndTheEnterKey() {
        Klasse().Rider(1)->Results[2] = 2;
        Klasse().Rider(2)->Results[2] = kNoResult;
        Klasse().Rider(3)->Results[2] = 1;
        int redraws = 0;
        TSnelUit dialog(Comp(), prompts_, [&redraws] { ++redraws; });
        dialog.Prepare();
        QVERIFY(dialog.NewColumnButton()->isChecked());
        QVERIFY(!dialog.ColumnBox()->isEnabled() && !dialog.FetchButton()->isEnabled());
        QCOMPARE(dialog.ColumnBox()->maximum(), 2);
        dialog.ChangeColumnButton()->setChecked(true);
        QVERIFY(dialog.ColumnBox()->isEnabled() && dialog.FetchButton()->isEnabled());
        dialog.ColumnBox()->setValue(2);
        dialog.FetchButton()->click();
        QCOMPARE(dialog.Memo()->toPlainText(), QString("3\n7"));
        QCOMPARE(redraws, 1);
        QCOMPARE(Klasse().Rider(1)->StartNo.str(), std::string("3"));
        Comp().Club.Options &= ~OptStoreFinishOrder; // points stored: nothing to fetch back
        dialog.RadioButton1Click();
        QVERIFY(dialog.ColumnBox()->isEnabled() && !dialog.FetchButton()->isEnabled());
        QVERIFY(prompts_.Messages.empty());

        // Enter on a start number that is in the list already is refused;
        // when Enter is taken is the core's rule, an accepted one gives a line.
        dialog.Memo()->setPlainText("12\n7\n12");
        dialog.Memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(dialog.Memo(), Qt::Key_Return);
        QCOMPARE(dialog.Memo()->toPlainText(), QString("12\n7\n12"));
        QCOMPARE(prompts_.Messages, std::vector<std::string>{"Dit startnummer komt al voor op positie: 1"});
        QCOMPARE(dialog.PositionLabel()->text(), QString("3"));
        dialog.Memo()->setPlainText("12\n7");
        dialog.Memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(dialog.Memo(), Qt::Key_Return);
        QCOMPARE(dialog.Memo()->toPlainText(), QString("12\n7\n"));
    }

    void classWithoutColumnsOrWithAllOfThem() {
        Open(0);
        {
            TSnelUit dialog(Comp(), prompts_, nullptr);
            dialog.Prepare();
            QVERIFY(dialog.NewColumnButton()->isChecked());
            QVERIFY(!dialog.ChangeColumnButton()->isEnabled());
        }
        Open(kMaxResults);
        TSnelUit dialog(Comp(), prompts_, nullptr);
        dialog.Prepare();
        QVERIFY(dialog.ChangeColumnButton()->isChecked());
        QVERIFY(!dialog.NewColumnButton()->isEnabled());
        QCOMPARE(prompts_.Messages, std::vector<std::string>{"Het maximum aantal uitslagen is bereikt."});
    }

    // A refused list keeps the dialog open and the class as it was; a list
    // taken becomes a new column.
    void pastedListBecomesANewColumnOnceItIsTaken() {
        bool seen = false;
        OnNextDialog<TSnelUit>(
            [this](TSnelUit &dialog) {
                dialog.Memo()->setPlainText("7\n\nab\n7");
                ClickButton(dialog, "&Ok");
                QVERIFY(dialog.isVisible());
                QCOMPARE(dialog.Memo()->toPlainText(), QString("7\nab\n7")); // the empty line went
                QCOMPARE(prompts_.Messages,
                         std::vector<std::string>{"Er komen dubbele startnummers voor! (startnummer 7)"});
                QCOMPARE(Klasse().ResultCount, 2);
                QCOMPARE(Comp().Modified, uint8_t(0));
                dialog.Memo()->setPlainText("12\n\n3*0\n7\n99\tMol\tOss\n");
                ClickButton(dialog, "&Ok");
            },
            &seen);
        form_->Action("Uitslagentoevoegen1Click")->trigger();
        QVERIFY(seen);
        // The entry's rules are the core's; here the list reaches them whole.
        QCOMPARE(Klasse().ResultCount, 3);
        QCOMPARE(ResultOf("3", 3), 0);
        QCOMPARE(ResultOf("99", 3), 3);
        QVERIFY(Comp().Modified & ModifiedData);
        QVERIFY(form_->Action("Bewaren1Click")->isEnabled());
    }

    // The list takes start numbers, not the keys that work the window: Tab and
    // Shift+Tab go on to the other controls, Alt or Ctrl with a letter types
    // nothing (a stray "n" would be a new rider in second place), and the
    // choices answer to Alt keys of their own.
    void theListLeavesTheWindowsKeysAloneAndReadsTextAsItWasWritten() {
        TSnelUit dialog(Comp(), prompts_, nullptr);
        dialog.Prepare();
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QPlainTextEdit *memo = dialog.Memo();
        for (const Qt::KeyboardModifiers modifiers :
             {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
            memo->setFocus();
            QTest::keyClick(memo, modifiers ? Qt::Key_Backtab : Qt::Key_Tab, modifiers);
            QVERIFY(!memo->hasFocus());
        }
        memo->setFocus();
        QTest::keyClicks(memo, "12");
        for (const Qt::Key key : {Qt::Key_X, Qt::Key_Q, Qt::Key_G, Qt::Key_B}) {
            QTest::keyClick(memo, key, Qt::AltModifier);
            QTest::keyClick(memo, key, Qt::ControlModifier);
        }
        QCOMPARE(memo->toPlainText(), QString("12"));
        QTest::keyClick(memo, Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(dialog.IgnoreUnknownButton()->isChecked());
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_W, Qt::AltModifier);
        QTRY_VERIFY(dialog.ChangeColumnButton()->isChecked());
        QCOMPARE(memo->toPlainText(), QString("12"));
        QCOMPARE(test::ClashingMnemonics(dialog), QStringList());

        // Text from other programs: a byte-order mark makes no start number
        // of its own, Windows-1252 and UTF-16 keep every character, and a
        // dropped file gives its contents.
        memo->clear();
        const auto paste = [memo](const QByteArray &bytes) {
            auto *mime = new QMimeData;
            mime->setData("text/plain", bytes);
            QGuiApplication::clipboard()->setMimeData(mime);
            memo->paste();
        };
        paste("\xEF\xBB\xBF"
              "12\r\n7\r\n");
        paste("40\tM\xFCller\r\n");
        QCOMPARE(memo->toPlainText(), QString::fromUtf8("12\n7\n40\tM\xC3\xBCller\n"));
        memo->clear();
        QGuiApplication::clipboard()->setText(QChar(0xFEFF) + QString("3\n"));
        memo->paste();
        QCOMPARE(memo->toPlainText(), QString("3\n"));

        const std::string order = dir_->Path("order.txt");
        test::WriteAll(order, std::string("\xFF\xFE"
                                          "9\0\t\0J\0\xE9\0\r\0\n\0",
                                          14));
        const auto drop = [memo](const QString &path) {
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(path)});
            memo->moveCursor(QTextCursor::End);
            const QPoint end = memo->cursorRect().center();
            QDragEnterEvent enter(end, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(memo->viewport(), &enter);
            QDropEvent dropped(QPointF(end), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(memo->viewport(), &dropped);
            return dropped.isAccepted();
        };
        QVERIFY(drop(QString::fromStdString(order)));
        QCOMPARE(memo->toPlainText(), QString::fromUtf8("3\n9\tJ\xC3\xA9\n"));
        QCOMPARE(dialog.MemoLines(), (std::vector<std::string>{"3", "9\tJ\xE9"}));
        QVERIFY(prompts_.Messages.empty());

        // A file that cannot be read adds nothing and says why.
        drop(QString::fromStdString(dir_->Path("missing.txt")));
        QCOMPARE(memo->toPlainText(), QString::fromUtf8("3\n9\tJ\xC3\xA9\n"));
        QCOMPARE(prompts_.Messages.size(), std::size_t(1));
        QVERIFY(prompts_.Messages[0].starts_with("Kan bestand niet lezen: "));
    }

    void tooFewStartNumbersRefuseTheCommand() {
        for (int i = 0; i < 4; ++i)
            AddRider(Comp(), Klasse(), "Zonder nummer", "");
        for (int row = 1; row <= 2; ++row)
            Klasse().Rider(row)->StartNo.clear();
        bool seen = false;
        OnNextDialog<TSnelUit>([](TSnelUit &dialog) { dialog.reject(); }, &seen);
        form_->Action("Uitslagentoevoegen1Click")->trigger();
        QVERIFY(!seen);
        QCOMPARE(prompts_.Messages.size(), std::size_t(1));
        QCOMPARE(prompts_.Icons.back(), MessageIcon::Information);
    }

    // ---- the results check ------------------------------------------------------

    void checkFindingsAreClickable() {
        // Column 2: 1, 1, 3 gives a double 1 and a missing 2.
        Klasse().Rider(3)->Results[2] = 3;
        QStringList entries;
        QStringList after;
        std::pair<int, int> cursor;
        int chosen = 0;
        std::pair<int, int> keyed;
        OnNextDialog<TVraagUitslag>([&](TVraagUitslag &dialog) {
            QVERIFY(dialog.AllBox()->isChecked());
            QVERIFY(!dialog.FromBox()->isEnabled());
            dialog.AllBox()->setChecked(false);
            QVERIFY(dialog.FromBox()->isEnabled());
            dialog.FromBox()->setValue(2);
            QCOMPARE(dialog.ToBox()->value(), 2);
            OnNextDialog<TToonBox>([&](TToonBox &list) {
                QCOMPARE(list.windowTitle(), QString("Gevonden fouten"));
                for (int i = 0; i < list.List()->count(); ++i)
                    entries << list.List()->item(i)->text();
                list.ListBox1Click(1); // "Plaats 2 komt niet voor": the rider after the gap
                cursor = {Klasse().Grid.CurCol, Klasse().Grid.CurRow};
                // Walked from the keyboard, each entry reached is followed as a click is.
                form_->GoToCell(1, 1);
                list.List()->setFocus();
                list.List()->setCurrentRow(0);
                QTest::keyClick(list.List(), Qt::Key_Down);
                keyed = {Klasse().Grid.CurCol, Klasse().Grid.CurRow};
                // A correction typed while the list is open: the check runs again.
                list.List()->setCurrentRow(1);
                const int col = Klasse().ResultColumn(2);
                form_->RunStep(StepScope::Cells(0, col, 2), QStringLiteral("Cel"),
                               [this] { Klasse().Rider(2)->Results[2] = 2; });
                for (int i = 0; i < list.List()->count(); ++i)
                    after << list.List()->item(i)->text();
                chosen = list.List()->currentRow();
                list.accept();
            });
            ClickButton(dialog, "&Ok");
        });
        form_->Action("Controleuitslagen1Click")->trigger();
        QCOMPARE(entries,
                 QStringList({"Kolom: 2\tPlaats 1 komt 2 maal voor.", "Kolom: 2\tPlaats 2 komt niet voor."}));
        QCOMPARE(cursor, std::make_pair(Klasse().ResultColumn(2), 3));
        QCOMPARE(after, QStringList());
        QCOMPARE(chosen, -1);
        QCOMPARE(keyed, cursor);
    }

    // Typing into the range of the results check (see CheckRangeTyping).
    void checkRangeTakesTheNumberAsTyped() {
        Klasse().ResultCount = 20;
        TVraagUitslag dialog(Klasse());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.AllBox()->setChecked(false);
        test::CheckRangeTyping(dialog, dialog.FromBox(), dialog.ToBox());
    }

    void checkWithoutFindingsSaysSo() {
        OnNextDialog<TVraagUitslag>([](TVraagUitslag &dialog) {
            dialog.AllBox()->setChecked(false);
            dialog.FromBox()->setValue(1);
            dialog.accept();
        });
        Klasse().Rider(2)->Results[1] = 2;
        Klasse().Rider(3)->Results[1] = 3;
        form_->Action("Controleuitslagen1Click")->trigger();
        QCOMPARE(prompts_.Messages, std::vector<std::string>{"Geen fouten gevonden."});
    }

    // ---- searching --------------------------------------------------------------

    void quickSearchFollowsTheTyping() {
        form_->Action("SnelZoekClick")->trigger();
        auto *search = form_->findChild<TSnelZoeken *>();
        QVERIFY(search && search->isVisible());
        QVERIFY(!search->isModal());
        QVERIFY(QTest::qWaitForWindowActive(search));
        QTest::keyClicks(search->SearchText(), "vr");
        QCOMPARE(Klasse().Grid.CurRow, 3); // "de Vries, Jan"
        search->ContainsBox()->setChecked(false);
        search->SearchText()->clear();
        QTest::keyClicks(search->SearchText(), "b");
        QCOMPARE(Klasse().Grid.CurRow, 2); // "Bakker, Kees"
        QTest::keyClicks(search->SearchText(), "x");
        QCOMPARE(search->SearchText()->text(), QString());
        QCOMPARE(prompts_.Beeps, 1);
        QCOMPARE(Klasse().Grid.CurRow, 2);
        // F3 while open: the next match after the current row; from the last
        // row it starts again at the first.
        search->ContainsBox()->setChecked(true);
        search->SearchText()->setText("e");
        form_->Action("SnelZoekClick")->trigger();
        QCOMPARE(Klasse().Grid.CurRow, 3);
        form_->Action("SnelZoekClick")->trigger();
        QCOMPARE(Klasse().Grid.CurRow, 1);
        QCOMPARE(prompts_.Beeps, 1);
        // Alt+V ("&Volgende zoeken") from the search text as well, and letting
        // go of the keys leaves it there.
        QApplication::setActiveWindow(search); // as the window manager keeps it
        search->SearchText()->setFocus();
        QTest::keyPress(search->SearchText(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyClick(search->SearchText(), Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(Klasse().Grid.CurRow, 2); // "Bakker, Kees"
        QTest::keyRelease(search->SearchText(), Qt::Key_Alt);
        QCOMPARE(Klasse().Grid.CurRow, 2);
        QCOMPARE(search->SearchText()->text(), QString("e"));
        // It follows the changes of the competition: the search goes on in
        // the rows the class has now; without classes it goes away.
        form_->RunStep(StepScope::Class(0), QStringLiteral("Rijder verwijderen"),
                       [this] { DeleteRiderRow(Klasse(), Comp().Club, 1, false); });
        QVERIFY(search->isVisible());
        form_->GoToCell(1, 1);
        form_->Action("SnelZoekClick")->trigger();
        QCOMPARE(Klasse().Grid.CurRow, 2); // "de Vries, Jan", now the second row
        form_->RunStep(StepScope::WholeCompetition(), QStringLiteral("Klassen"),
                       [this] { Comp().Classes.clear(); });
        QVERIFY(!search->isVisible());
        form_->Action("UndoClick")->trigger();
        // The menu opens it again with an empty text.
        search->SearchText()->setText("old");
        form_->Action("SnelZoekClick")->trigger();
        QVERIFY(search->isVisible());
        QCOMPARE(search->SearchText()->text(), QString());
        QCOMPARE(form_->findChildren<TSnelZoeken *>().size(), qsizetype(1));
    }

    void extendedSearchGoesThroughTheClasses() {
        OnNextDialog<TZoekAll>([this](TZoekAll &dialog) {
            QCOMPARE(dialog.Field(2)->maxLength(), 40);
            dialog.Field(0)->setText("de vries");
            ClickButton(dialog, "&Zoek");
            QCOMPARE(Comp().ActiveClass, 0);
            QCOMPARE(Klasse().Grid.CurRow, 3);
            ClickButton(dialog, "&Nogmaals");
            QCOMPARE(Comp().ActiveClass, 1);
            QCOMPARE(Klasse().Grid.CurRow, 2);
            QCOMPARE(Klasse().Grid.CurCol, 1);
            ClickButton(dialog, "&Nogmaals");
            QCOMPARE(prompts_.Beeps, 1);
            QCOMPARE(Klasse().Grid.CurRow, 2);
            dialog.CaseSensitiveBox()->setChecked(true);
            ClickButton(dialog, "&Zoek");
            QCOMPARE(prompts_.Beeps, 2);
            ClickButton(dialog, "&Wis");
            QCOMPARE(dialog.Field(0)->text(), QString());
            dialog.reject();
        });
        form_->Action("UitZoekenClick")->trigger();
    }
};

QTEST_MAIN(QuickEntryTest)
#include "quick_entry_test.moc"
