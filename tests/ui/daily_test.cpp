// The daily classification in the main window, offscreen: the range dialog
// and its defaults, the classification window with a dragged row, the
// replacement of the heats, and the export dialog with its memory.
#include "core/daily/daily_export.h"
#include "core/model/kzb_file.h"
#include "core/model/settings.h"
#include "print/QtPrintDevice.h"
#include "support/test_files.h"
#include "support/ui_support.h"
#include "support/window_fixture.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"
#include "ui/daily/DagUit.h"
#include "ui/daily/dagklas1.h"
#include "ui/daily/dagklas2.h"
#include "ui/platform/ModelText.h"
#include "ui/reports/DailyPrint.h"
#include "ui/reports/Printen1.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QtTest>

#include <filesystem>

using namespace rondaxa;
using rondaxa::test::ClickButton;
using rondaxa::test::OnNextDialog;

class DailyTest : public QObject, test::WindowFixture {
    Q_OBJECT

private:
    ClubRec &Club() { return form_->Comp().Club; }

    // Runs the command: f1 answers the range dialog, f2 the classification
    // window (which then closes with "&Annuleren" unless f2 closed it).
    void RunCommand(const std::function<void(TDagKL1 &)> &f1, const std::function<void(TDagKL2 &)> &f2) {
        bool seen1 = false;
        bool seen2 = false;
        QObject command;
        OnNextDialog<TDagKL1>(
            [&](TDagKL1 &range) {
                f1(range);
                OnNextDialog<TDagKL2>(
                    [&](TDagKL2 &window) {
                        f2(window);
                        if (window.isVisible())
                            ClickButton(window, "&Annuleren");
                    },
                    &seen2, &command);
                if (range.isVisible())
                    ClickButton(range, "&Ok");
            },
            &seen1);
        form_->Action("Dagklassement1Click")->trigger();
        QVERIFY(seen1);
    }

private slots:
    void init() {
        QVERIFY(OpenWindow());
        ProgramDailyExportMemory() = DailyExportMemory();
    }

    void cleanup() {
        CloseWindow();
        ChooseDailyExportFile() = nullptr;
        DailyPrinter() = ProgramDailyPrinting();
    }

    // ---- "Dagklassement berekenen" ----------------------------------------------

    void rangeStartsAtTheRaceDayUnderTheCursor() {
        TKlasse &klasse = Klasse();
        QVERIFY(form_->Action("Dagklassement1Click")->isEnabled());
        // Result 4 lies in the race day of heats 3 and 4.
        klasse.Grid.CurCol = klasse.ResultColumn(4);
        TDagKL1 dialog(klasse, DefaultDailyRange(klasse));
        QCOMPARE(dialog.FromBox()->value(), 3);
        QCOMPARE(dialog.ToBox()->value(), 4);
        QCOMPARE(dialog.FromBox()->maximum(), klasse.ResultCount);
        // The boxes keep "from" below "to"; the label toggles its box.
        dialog.FromBox()->setValue(5);
        QCOMPARE(dialog.ToBox()->value(), 5);
        dialog.ToBox()->setValue(1);
        QCOMPARE(dialog.FromBox()->value(), 1);
        QVERIFY(!dialog.HcBox()->isChecked());
        QTest::mouseClick(dialog.HcLabel(), Qt::LeftButton);
        QVERIFY(dialog.HcBox()->isChecked());
        QVERIFY(dialog.HcNoPoints());
        // Outside any result column: result 1's race day.
        klasse.Grid.CurCol = 1;
        QCOMPARE(DefaultDailyRange(klasse).From, 1);
        // A result column without a block: that column alone.
        klasse.ColData(klasse.ResultColumn(3))->Info.reset();
        klasse.Grid.CurCol = klasse.ResultColumn(4);
        QCOMPARE(DefaultDailyRange(klasse).From, 4);
        QCOMPARE(DefaultDailyRange(klasse).To, 4);
    }

    // Typing into the range of the daily classification (see CheckRangeTyping).
    void rangeBoxesTakeTheNumberAsTyped() {
        Klasse().ResultCount = 20;
        TDagKL1 dialog(Klasse(), DailyRange{1, 1});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        test::CheckRangeTyping(dialog, dialog.FromBox(), dialog.ToBox());
    }

    // ---- the classification and its replacement -------------------------------

    void draggingARowMovesTheReplacementPoints() {
        const int columns = Klasse().Grid.ColCount();
        RunCommand([](TDagKL1 &range) { range.FromBox()->setValue(1), range.ToBox()->setValue(2); },
                   [&](TDagKL2 &window) {
                       const DailyTable &table = window.Table();
                       const TRijder *first = table.Rider(Klasse(), 1);
                       // The last rider with points, dragged by his name to the top; the
                       // points that follow from it are the core's.
                       const int last = LastRowWithPoints(Club(), Klasse(), table);
                       const TRijder *dragged = table.Rider(Klasse(), last);
                       QWidget *fixed = window.Grid()->findChild<QTableView *>("FixedColumns")->viewport();
                       auto centre = [&](int r) {
                           return window.Grid()->visualRect(window.GridModel()->index(r - 1, 1)).center();
                       };
                       window.Grid()->scrollTo(window.GridModel()->index(last - 1, 1));
                       const QPoint from = centre(last);
                       QTest::mousePress(fixed, Qt::LeftButton, {}, from);
                       window.Grid()->scrollToTop();
                       QMouseEvent move(QEvent::MouseMove, QPointF(centre(1)),
                                        fixed->mapToGlobal(QPointF(centre(1))), Qt::NoButton, Qt::LeftButton,
                                        {});
                       QApplication::sendEvent(fixed, &move);
                       QTest::mouseRelease(fixed, Qt::LeftButton, {}, centre(1));
                       QCOMPARE(table.Rider(Klasse(), 1), dragged);
                       QCOMPARE(dragged->CalcTotal, PointsForPosition(Club(), 1));
                       QCOMPARE(table.Rider(Klasse(), 2), first);
                   });
        // Cancelled: nothing changed.
        QCOMPARE(Klasse().Grid.ColCount(), columns);
        QVERIFY(prompts_.Questions.empty());
        QCOMPARE(form_->Comp().Modified, uint8_t(0));
        QVERIFY(Klasse().Rider(1)->SortKey.empty());
    }

    // "&Toepassen" asks first: No keeps the columns, Yes replaces the race day.
    void applyAsksAndReplacesTheRaceDayByOneColumn() {
        const int results = Klasse().ResultCount;
        prompts_.Answers.push_back(Answer::No);
        RunCommand([](TDagKL1 &range) { range.ToBox()->setValue(3), range.FromBox()->setValue(3); },
                   [](TDagKL2 &window) { ClickButton(window, "&Toepassen"); });
        QVERIFY(prompts_.Questions ==
                std::vector<std::string>{"De uitslagen van kolom 3 vervangen met Dagklassement ?"});
        QCOMPARE(Klasse().ResultCount, results);
        QCOMPARE(form_->Comp().Modified, uint8_t(0));

        std::vector<int> places;
        RunCommand([](TDagKL1 &range) { range.FromBox()->setValue(3), range.ToBox()->setValue(4); },
                   [&](TDagKL2 &window) {
                       for (int r = 1; r < window.Table().RowCount(); ++r)
                           places.push_back(window.Table().Links[static_cast<std::size_t>(r)]);
                       ClickButton(window, "&Toepassen");
                   });
        QCOMPARE(prompts_.Questions.back(),
                 std::string("Uitslagen van de kolommen 3 t/m 4 vervangen met Dagklassement ?"));
        QCOMPARE(Klasse().ResultCount, results - 1);
        QCOMPARE(test::GridOf(*form_).GridModel().columnCount(), Klasse().Grid.ColCount() - 1);
        QCOMPARE(int(Klasse().Rider(places[0])->Results[3]), 1); // the day's winner
        QVERIFY(form_->Comp().Modified & ModifiedData);
        QVERIFY(form_->Action("SpeedButton3")->isEnabled());
    }

    // ---- "Dagklassement exporteren" ---------------------------------------------

    // The window of a short range shows every column. Its export starts at
    // "&Printer" with its print settings: "Pri&nter" opens the printer set-up,
    // "&Ok" prints the table as the window shows it with the dialog's
    // choices, and every opening turns the program's printer upright. The
    // next opening shows the choices made before; the clipboard and an HTML
    // file get the table; "&Annuleren" does nothing.
    void exportPrintsOrWritesTheWindowsTableAndRemembersTheChoices() {
        ProgramPrinter().setPageOrientation(QPageLayout::Landscape);
        TDagUit upright(form_->Comp(), Klasse(), ProgramDailyExportMemory());
        QCOMPARE(ProgramPrinter().pageLayout().orientation(), QPageLayout::Portrait);

        TDagKL2 window(form_->Comp(), 1, 2, false, test::GridOf(*form_).font(), form_.get());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.Grid()->horizontalScrollBar()->isVisible() ||
                window.Grid()->horizontalScrollBar()->maximum() == 0);
        window.StringGrid1RowMoved(3, 1);
        Club().ViewFlags &= ~(ViewExtra1 | ViewExtra2 | ViewExtra3);
        int setups = 0;
        int prints = 0;
        DailyTable printed;
        DailyExportChoices printedChoices;
        DailyPrinter().Setup = [&](QWidget *) { ++setups; };
        DailyPrinter().Print = [&](Competition &comp, const TKlasse &klasse, const DailyTable &table,
                                   const DailyExportChoices &choices, QWidget *) {
            QCOMPARE(&comp, &form_->Comp());
            QCOMPARE(&klasse, &Klasse());
            ++prints;
            printed = table;
            printedChoices = choices;
        };
        OnNextDialog<TDagUit>([&](TDagUit &dialog) {
            QVERIFY(dialog.TargetButton(DailyTarget::Printer)->isEnabled());
            QVERIFY(dialog.TargetButton(DailyTarget::Printer)->isChecked());
            QVERIFY(dialog.FontButton()->isEnabled() && dialog.AutoFontBox()->isEnabled() &&
                    dialog.PrinterButton()->isEnabled());
            dialog.PrinterButton()->click();
            QCOMPARE(setups, 1);
            QCOMPARE(prints, 0);
            dialog.AutoFontBox()->setChecked(true);
            ClickButton(dialog, "&Ok");
        });
        window.Button4Click();
        QCOMPARE(prints, 1);
        QVERIFY(printed.Links == window.Table().Links);
        QVERIFY(printedChoices.AutoFontSize);

        OnNextDialog<TDagUit>([](TDagUit &dialog) {
            QVERIFY(dialog.TargetButton(DailyTarget::Printer)->isChecked());
            dialog.TargetButton(DailyTarget::Clipboard)->click(); // the print settings go with it
            QVERIFY(!dialog.FontButton()->isEnabled() && !dialog.AutoFontBox()->isEnabled() &&
                    !dialog.PrinterButton()->isEnabled());
            QVERIFY(!dialog.ReplacementBox()->isChecked() && !dialog.ExtraBox()->isEnabled());
            dialog.ReplacementBox()->setChecked(true);
            ClickButton(dialog, "&Ok");
        });
        window.Button4Click();
        const QString clip = QGuiApplication::clipboard()->text();
        QVERIFY(clip.startsWith(FromModelText(ExportTitle(Club(), Klasse())) + "\nPL\t"));
        QVERIFY(clip.contains("\tTotaal\tVervang\n1\t"));

        const std::string chosen = dir_->Path("dag.htm");
        ChooseDailyExportFile() = [&](ExportFileType type, const QString &, QWidget *) {
            return type == ExportFileType::Html ? QString::fromStdString(chosen) : QString();
        };
        OnNextDialog<TDagUit>([](TDagUit &dialog) {
            QVERIFY(dialog.ReplacementBox()->isChecked());
            QVERIFY(dialog.TargetButton(DailyTarget::Clipboard)->isChecked());
            dialog.TargetButton(DailyTarget::HtmlFile)->click();
            ClickButton(dialog, "&Ok");
        });
        window.Button4Click();
        DailyExportChoices expected =
            OpenDailyExportChoices(form_->Comp(), Klasse(), ProgramDailyExportMemory());
        QCOMPARE(expected.Target, DailyTarget::HtmlFile);
        QCOMPARE(test::ReadAll(dir_->Path("dag.html")),
                 DailyHtmlFile(Club(), Klasse(), window.Table(), expected));

        std::filesystem::remove(dir_->Path("dag.html"));
        OnNextDialog<TDagUit>([](TDagUit &dialog) { ClickButton(dialog, "&Annuleren"); });
        window.Button4Click();
        QVERIFY(!std::filesystem::exists(dir_->Path("dag.html")));
        QCOMPARE(prints, 1);
    }

    // The program's own printing, into a PDF file that is said; a printer
    // that cannot start is reported.
    void printingOnAPrinterWritesThePagesOrReportsTheFailure() {
        TDagKL2 window(form_->Comp(), 1, 2, false, test::GridOf(*form_).font(), form_.get());
        DailyExportChoices choices = OpenDailyExportChoices(form_->Comp(), Klasse(), DailyExportMemory());
        choices.AutoFontSize = true;
        const std::string pdf = dir_->Path("dag.pdf");
        auto printer = MakePdfPrinter(QString::fromStdString(pdf), PageOrientation::Portrait);
        QVERIFY(PrintDailyOnPrinter(form_->Comp(), Klasse(), window.Table(), choices, *printer, prompts_));
        const std::string printed = test::ReadAll(pdf);
        QVERIFY(printed.starts_with("%PDF"));
        const std::string native = QDir::toNativeSeparators(QString::fromStdString(pdf)).toStdString();
        QCOMPARE(prompts_.Messages, std::vector<std::string>{"De afdruk is bewaard in " + native + "."});
        QCOMPARE(prompts_.Icons[0], MessageIcon::Information);
        QVERIFY(!QApplication::overrideCursor());

        prompts_ = test::ScriptedPrompts();
        prompts_.Answers = {Answer::No}; // the file is there now: asked, and No keeps it
        QVERIFY(!PrintDailyOnPrinter(form_->Comp(), Klasse(), window.Table(), choices, *printer, prompts_));
        QCOMPARE(prompts_.Questions.size(), std::size_t(1));
        QCOMPARE(test::ReadAll(pdf), printed);

        prompts_ = test::ScriptedPrompts();
        auto nowhere = MakePdfPrinter(QString::fromStdString(dir_->Path("no/such/folder/dag.pdf")),
                                      PageOrientation::Portrait);
        QVERIFY(!PrintDailyOnPrinter(form_->Comp(), Klasse(), window.Table(), choices, *nowhere, prompts_));
        QCOMPARE(prompts_.Messages.size(), size_t(1));
        QCOMPARE(prompts_.Messages[0], std::string(kPrinterUnavailable));
        QCOMPARE(prompts_.Icons[0], MessageIcon::Error);
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(DailyTest)
#include "daily_test.moc"
