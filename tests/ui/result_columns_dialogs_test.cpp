// The dialogs of result information and result columns, offscreen: how their
// controls follow each other, what the keys do, and that the commands of
// the main window change the grid and its colours.
#include "core/model/class_grid.h"
#include "core/model/kzb_file.h"
#include "core/model/settings.h"
#include "core/results/result_info.h"
#include "support/test_files.h"
#include "support/ui_support.h"
#include "support/window_fixture.h"
#include "ui/app/KZBmain.h"
#include "ui/results/KolToevoeg.h"
#include "ui/results/Synchro.h"
#include "ui/results/UitslInfo.h"
#include "ui/results/WisUitslag.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

using namespace rondaxa;

namespace {

// Moves the cursor of the competition's active class as the main window does.
class FakeHost : public GridHost {
public:
    explicit FakeHost(Competition &comp) : comp_(comp) {}
    Competition &HostCompetition() override { return comp_; }
    void ShowClass(int) override {}
    void GoToCell(int col, int row) override {
        comp_.Active()->Grid.CurCol = col;
        comp_.Active()->Grid.CurRow = row;
    }

private:
    Competition &comp_;
};

Competition Classes(const std::vector<int> &columns) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < columns.size(); ++i)
        names.push_back("K" + std::to_string(i + 1));
    Competition comp = test::MakeCompetition(names);
    for (std::size_t i = 0; i < columns.size(); ++i)
        test::AddRider(comp, *comp.Classes[i], "Jansen", "1", std::vector<int>(columns[i], 3));
    return comp;
}

} // namespace

class ResultColumnsDialogsTest : public QObject, test::WindowFixture {
    Q_OBJECT

private slots:
    void cleanup() { CloseWindow(); }

    void infoPagesFollowTheKeysAndTheButtons() {
        test::FixedClock clock(0, CalendarDate{2026, 5, 17});
        Competition comp = Classes({8});
        TKlasse &klasse = *comp.Classes[0];
        test::AddResultInfo(klasse, 2, 3, 0, "Eerste dag");
        test::AddResultInfo(klasse, 6, 7, 0, "Tweede dag");
        klasse.Grid.CurCol = 1; // not a result column: the dialog starts at result 1
        test::ScriptedPrompts prompts;
        FakeHost host(comp);
        TUitslInfo dialog(comp, klasse, prompts, host);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(klasse.Grid.CurCol, klasse.ResultColumn(1));
        QCOMPARE(dialog.FromBox()->value(), 1);
        QVERIFY(!dialog.SynchroButton()->isEnabled()); // one class only

        // The range fields keep their order.
        dialog.ToBox()->setValue(4);
        dialog.FromBox()->setValue(5);
        QCOMPARE(dialog.ToBox()->value(), 5);
        dialog.FromBox()->setValue(1);
        dialog.ToBox()->setValue(1);

        // A day alone, then Enter: the date is completed and the focus moves on.
        dialog.DateEdit()->setFocus();
        QCoreApplication::processEvents();
        QTest::keyClicks(dialog.DateEdit(), "09");
        QTest::keyClick(dialog.DateEdit(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.DateEdit()->hasFocus());
        QCOMPARE(dialog.DateEdit()->text(), QString("09-05-2026"));

        // Page Down stores the page and shows the next block; the cursor follows.
        QTest::keyClick(dialog.RemarkEdit(), Qt::Key_PageDown);
        QVERIFY(klasse.ColData(klasse.ResultColumn(1))->Info);
        QCOMPARE(klasse.ColData(klasse.ResultColumn(1))->Info->Date.str(), std::string("20260509"));
        QCOMPARE(dialog.FromBox()->value(), 2);
        QCOMPARE(dialog.RemarkEdit()->text(), QString("Eerste dag"));
        QCOMPARE(klasse.Grid.CurCol, klasse.ResultColumn(2));
        dialog.NextButton()->click();
        QCOMPARE(dialog.RemarkEdit()->text(), QString("Tweede dag"));
        QTest::keyClick(dialog.FromBox(), Qt::Key_PageUp);
        QCOMPARE(dialog.RemarkEdit()->text(), QString("Eerste dag"));

        // Only the check box: no block, and "&Ok" closes.
        dialog.NotCountingBox()->click();
        dialog.RemarkEdit()->clear();
        test::ClickButton(dialog, "&Ok");
        QVERIFY(!dialog.isVisible());
        QVERIFY(!klasse.ColData(klasse.ResultColumn(2))->Info);
    }

    void synchroStoresFirstThenAsksTheWindow() {
        Competition comp = Classes({4, 4});
        test::ScriptedPrompts prompts;
        FakeHost host(comp);
        TUitslInfo dialog(comp, *comp.Classes[0], prompts, host);
        bool asked = false;
        dialog.OnSynchro = [&] {
            asked = true;
            QVERIFY(comp.Classes[0]->ColData(comp.Classes[0]->ResultColumn(1))->Info);
        };
        QVERIFY(dialog.SynchroButton()->isEnabled());
        dialog.RemarkEdit()->setText("Zand");
        dialog.show();
        dialog.SynchroButton()->click();
        QVERIFY(asked);
        QVERIFY(!dialog.isVisible());
    }

    void synchroGreysOtherSizesAndFollowsTheSource() {
        Competition comp = Classes({4, 4, 6});
        test::ScriptedPrompts prompts;
        TSynchro dialog(comp, prompts);
        QListWidget *list = dialog.TargetList();
        QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);
        QCOMPARE(list->item(1)->checkState(), Qt::Checked);
        QVERIFY(!(list->item(2)->flags() & Qt::ItemIsEnabled));
        dialog.SourceBox()->setCurrentIndex(2);
        QVERIFY(!(list->item(0)->flags() & Qt::ItemIsEnabled));
        QCOMPARE(dialog.Choice().Targets, (std::vector<bool>{false, false, false}));
        dialog.SourceBox()->setCurrentIndex(0);
        dialog.SupplementButton()->click();
        dialog.DateBox()->click();
        const SynchroChoice choice = dialog.Choice();
        QVERIFY(choice.Supplement);
        QVERIFY(!choice.CopyDate);
        QVERIFY(choice.CopyRemark);
    }

    void addDialogOffersInsertOnlyInTheActiveClassAtAResultColumn() {
        Competition comp = Classes({46});
        test::ScriptedPrompts prompts;
        comp.Classes[0]->Grid.CurCol = 1;
        {
            TKolToevoeg dialog(comp, prompts);
            QCOMPARE(dialog.CountBox()->maximum(), 4);
            QVERIFY(!dialog.BeforeChosenButton()->isEnabled());
        }
        comp.Classes[0]->Grid.CurCol = comp.Classes[0]->ResultColumn(3);
        TKolToevoeg dialog(comp, prompts);
        QVERIFY(dialog.BeforeChosenButton()->isEnabled());
        dialog.BeforeChosenButton()->click();
        dialog.AllClassesButton()->click();
        QVERIFY(dialog.AfterLastButton()->isChecked());
        QVERIFY(!dialog.BeforeChosenButton()->isEnabled());
        dialog.ActiveClassButton()->click();
        QVERIFY(dialog.BeforeChosenButton()->isEnabled());
    }

    void clearDialogControlsFollowEachOther() {
        Competition comp = Classes({20});
        comp.Classes[0]->Grid.CurCol = comp.Classes[0]->ResultColumn(4);
        TWisUitslag dialog(comp);
        QCOMPARE(dialog.FirstBox()->value(), 4);
        QCOMPARE(dialog.FirstBox()->maximum(), 20);
        QVERIFY(!dialog.LastBox()->isEnabled());
        dialog.ThroughBox()->click();
        QVERIFY(dialog.LastBox()->isEnabled());
        dialog.LastBox()->setValue(2);
        QCOMPARE(dialog.FirstBox()->value(), 2);
        dialog.LastBox()->setValue(5);
        dialog.FirstBox()->setValue(6);
        QCOMPARE(dialog.LastBox()->value(), 6);
        dialog.AllResultsButton()->click();
        QVERIFY(!dialog.FirstBox()->isEnabled());
        QVERIFY(!dialog.ThroughBox()->isEnabled());
        QVERIFY(!dialog.LastBox()->isEnabled());
        dialog.ColumnButton()->click();
        QVERIFY(dialog.LastBox()->isEnabled());
        dialog.FirstBox()->setValue(3);
        dialog.DeleteButton()->click();
        QCOMPARE(QString::fromStdString(ClearQuestion(dialog.Choice())),
                 QString("Verwijder de uitslagen van kolom 3 t/m 6 in de active klasse ?"));

        // Typing into the range (see CheckRangeTyping).
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        test::CheckRangeTyping(dialog, dialog.FirstBox(), dialog.LastBox());
    }

    // The main window's commands on the demo: colours after every change.
    void commandsKeepTheGridsColoursInStep() {
        QVERIFY(OpenWindow());
        TMainForm &form = *form_;
        QVERIFY(form.Action("Informatieuitslagen1Click")->isEnabled());
        QVERIFY(form.Action("Uitslagkolommentoevoegen1Click")->isEnabled());
        QVERIFY(form.Action("Uitslagenverwijderen1Click")->isEnabled());
        TKlasse &klasse = *form.ActiveClass();
        const int columns = klasse.ResultCount;
        QVERIFY(columns >= 4);

        // The demo's race days are two heats each, in alternating colours.
        const uint32_t c1 = form.Comp().Club.InfoColor1, c2 = form.Comp().Club.InfoColor2;
        auto colours = [&klasse] {
            std::vector<uint32_t> seen;
            for (int n = 1; n <= 5; ++n)
                seen.push_back(klasse.ColData(klasse.ResultColumn(n))->Color);
            return seen;
        };
        QCOMPARE(colours(), (std::vector<uint32_t>{c1, c1, c2, c2, c1}));

        // The first race day's remark changed on its page.
        form.GoToCell(klasse.ResultColumn(2), 1);
        test::OnNextDialog<TUitslInfo>([](TUitslInfo &d) {
            QCOMPARE(d.FromBox()->value(), 1);
            QCOMPARE(d.ToBox()->value(), 2);
            d.RemarkEdit()->setText("Eerste wedstrijd");
            test::ClickButton(d, "&Ok");
        });
        form.Informatieuitslagen1Click();
        QCOMPARE(klasse.ColData(klasse.ResultColumn(1))->Info->Remark.str(), std::string("Eerste wedstrijd"));

        // One column inserted before result 2: the race day grows over it.
        form.GoToCell(klasse.ResultColumn(2), 1);
        test::OnNextDialog<TKolToevoeg>([](TKolToevoeg &d) {
            d.BeforeChosenButton()->click();
            test::ClickButton(d, "&Ok");
        });
        form.Uitslagkolommentoevoegen1Click();
        QCOMPARE(klasse.ResultCount, columns + 1);
        QCOMPARE(colours(), (std::vector<uint32_t>{c1, c1, c1, c2, c2}));

        // Deleting results 1 .. 2 leaves the race day its last heat; the
        // status line follows the cell under the cursor.
        form.GoToCell(klasse.ResultColumn(3), 1);
        QVERIFY(test::StatusPanelOf(form, 2).text().contains("Eerste wedstrijd"));
        test::OnNextDialog<TWisUitslag>([](TWisUitslag &d) {
            d.DeleteButton()->click();
            d.FirstBox()->setValue(1);
            d.ThroughBox()->click();
            d.LastBox()->setValue(2);
            test::ClickButton(d, "&Ok");
        });
        form.Uitslagenverwijderen1Click();
        QCOMPARE(prompts_.Questions.back(),
                 std::string("Verwijder de uitslagen van kolom 1 t/m 2 in de active klasse ?"));
        QCOMPARE(klasse.ResultCount, columns - 1);
        QCOMPARE(klasse.ColData(klasse.ResultColumn(1))->Info->ToCol, 1);
        QCOMPARE(colours(), (std::vector<uint32_t>{c1, c2, c2, c1, c1}));
        QVERIFY(test::StatusPanelOf(form, 2).text().contains("Zandbaan"));
        QVERIFY(form.Comp().Modified != 0);
    }
};

QTEST_MAIN(ResultColumnsDialogsTest)
#include "result_columns_dialogs_test.moc"
