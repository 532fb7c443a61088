// The standings commands of the main window, offscreen: the final-standings
// dialog and what it makes the calculation do, the calculated columns in the
// grid and their removal, the tie list and its clicks, the sort dialog and
// the text / HTML export.
#include "core/model/settings.h"
#include "core/scoring/sorting.h"
#include "support/test_files.h"
#include "support/ui_support.h"
#include "support/window_fixture.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"
#include "ui/platform/Help.h"
#include "ui/platform/ModelText.h"
#include "ui/reports/TekstUit.h"
#include "ui/results/ToonBox.h"
#include "ui/scoring/Calc.h"
#include "ui/scoring/Sorteer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

using namespace rondaxa;
using rondaxa::test::ClickButton;
using rondaxa::test::OnNextDialog;

namespace {

// Every rider's results, by rider (the rows may be in another order).
std::map<int, TRijder::ResultArray> ResultsOf(const TKlasse &klasse) {
    std::map<int, TRijder::ResultArray> results;
    for (int row = 1; row < klasse.Grid.RowCount(); ++row)
        results[klasse.Rider(row)->Id] = klasse.Rider(row)->Results;
    return results;
}

} // namespace

class StandingsDialogsTest : public QObject, test::WindowFixture {
    Q_OBJECT

private:
    TKlasse &ClassAt(int i) { return *form_->Comp().Classes[static_cast<std::size_t>(i)]; }
    // What the grid shows: column headings (column 0's in the corner) and row labels.
    QString Heading(int col) {
        if (col == 0)
            return FromModelText(Klasse().Grid.Col(0).Heading);
        return Grid().GridModel().headerData(col - 1, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    QString RowLabel(int row) {
        return Grid().GridModel().headerData(row - 1, Qt::Vertical, Qt::DisplayRole).toString();
    }
    // Runs the final-standings command, answering its dialog with f and then
    // closing the tie list when one comes up.
    void CalculateFromMenu(const std::function<void(TCalc &)> &f) {
        QObject command; // ends the wait for a tie list with the command
        OnNextDialog<TCalc>([f, &command](TCalc &dialog) {
            f(dialog);
            OnNextDialog<TToonBox>([](TToonBox &ties) { ties.accept(); }, nullptr, &command);
        });
        form_->Action("BrutoNetto1Click")->trigger();
    }
    // Opens "Bere&kenen" as the user does; returns whether "&Verwijder
    // eindstanden" is enabled then.
    bool RemoveStandingsEnabled() {
        for (QAction *menu : form_->menuBar()->actions())
            if (menu->text() == "Bere&kenen")
                emit menu->menu()->aboutToShow();
        return form_->Action("Verwijderuitslagen1Click")->isEnabled();
    }
    // Keys of the class in grid order for a plain sort mode.
    std::vector<std::string> Keys(int mode, int resultNo = 0) {
        std::vector<std::string> keys;
        for (int row = 1; row < Klasse().Grid.RowCount(); ++row)
            keys.push_back(SortKeyFor(form_->Comp().Club, *Klasse().Rider(row), mode, resultNo));
        return keys;
    }

private slots:
    void init() {
        QVERIFY(OpenWindow());
        ProgramExportMemory() = ExportMemory();
    }

    void cleanup() {
        CloseWindow();
        ChooseExportFile() = nullptr;
    }

    // ---- "Eindstanden berekenen" ------------------------------------------------

    void calcDialogOffersTheProgramStartChoices() {
        const int c = CountColumns(Klasse());
        TCalc dialog(form_->Comp().Club, Klasse(), CalcOptions{});
        QVERIFY(dialog.AllClassesButton()->isChecked());
        QVERIFY(dialog.GrossNetButton()->isChecked());
        QVERIFY(dialog.NetBox()->isChecked() && dialog.GrossBox()->isChecked());
        QVERIFY(!dialog.DailyBox()->isChecked() && !dialog.DailyBox()->isEnabled());
        QCOMPARE(dialog.HorsConcoursList()->currentText(), QString("Geen eindklassing"));
        QCOMPARE(dialog.CountingLabel()->text(), QString("Er zijn %1 tellende uitslagen.").arg(c));
        QCOMPARE(dialog.NetCountBox()->minimum(), 1);
        QCOMPARE(dialog.NetCountBox()->maximum(), c);
        QCOMPARE(dialog.NetCountBox()->value(), DefaultNetCount(form_->Comp().Club, Klasse()));
        // All classes: each class gets its own count by the club rule.
        QVERIFY(!dialog.NetGroup()->isEnabled());
        QVERIFY(dialog.RuleLabel()->isEnabled() && !dialog.RuleLabel()->isHidden());
        QCOMPARE(dialog.Options().Value, CalcOptions{}.Value);

        // One total stays ticked; the daily classification goes with gross alone.
        dialog.NetBox()->click(); // net off: gross stays, daily becomes possible
        QVERIFY(!dialog.NetBox()->isChecked() && dialog.GrossBox()->isChecked());
        QVERIFY(dialog.DailyBox()->isEnabled());
        QVERIFY(dialog.RuleLabel()->isHidden());
        dialog.DailyBox()->click();
        dialog.GrossBox()->click(); // gross off forces net on, daily no longer possible
        QVERIFY(dialog.NetBox()->isChecked() && !dialog.GrossBox()->isChecked());
        QVERIFY(!dialog.DailyBox()->isEnabled());
        dialog.NetBox()->click();
        const CalcOptions options = dialog.Options();
        QVERIFY(options.Has(CalcOptions::Gross) && options.Has(CalcOptions::Daily) &&
                !options.Has(CalcOptions::Net));
    }

    void calcDialogLetsTheCurrentClassOverruleTheNetCount() {
        ClubRec &club = form_->Comp().Club;
        TCalc dialog(club, Klasse(), CalcOptions{});
        dialog.CurrentClassButton()->click();
        QVERIFY(dialog.NetGroup()->isEnabled());
        QVERIFY(!dialog.RuleLabel()->isEnabled());
        dialog.NetBox()->click(); // gross only: no net count needed
        QVERIFY(!dialog.NetGroup()->isEnabled());
        dialog.NetBox()->click();
        dialog.AverageButton()->click(); // averages: totals not offered
        QVERIFY(!dialog.NetBox()->isEnabled() && !dialog.GrossBox()->isEnabled());
        QVERIFY(dialog.AverageLabel()->isEnabled());
        QCOMPARE(dialog.NetGroup()->isEnabled(), club.AverageMethod == 2);

        club.AverageMethod = 2; // averages of the net results need the count
        TCalc byNet(club, Klasse(), CalcOptions{});
        byNet.AverageButton()->click();
        QVERIFY(!byNet.RuleLabel()->isHidden());
        QVERIFY(!byNet.NetGroup()->isEnabled()); // all classes: the club rule
        byNet.CurrentClassButton()->click();
        QVERIFY(byNet.NetGroup()->isEnabled());
        club.AverageMethod = 0;
    }

    void classWithoutCountingResultsGetsMessage70AndNoDialog() {
        Klasse().Grid.SetColCount(Klasse().FirstResultCol);
        CountColumns(Klasse());
        form_->ReloadGrid();
        bool seen = false;
        OnNextDialog<TCalc>([](TCalc &dialog) { dialog.reject(); }, &seen);
        form_->Action("BrutoNetto1Click")->trigger();
        QVERIFY(!seen);
        QCOMPARE(prompts_.Messages.size(), std::size_t(1));
        QCOMPARE(prompts_.Messages[0], std::string("Er zijn geen tellende uitslagen voor berekeningen."));
        QCOMPARE(ClassAt(1).CalcState, uint8_t(0)); // nothing calculated, even for all classes
    }

    void calculationFromTheMenuFillsTheGridAndRemovalRestoresIt() {
        form_->FinalStandingsOptions().SetHorsConcoursChoice(3); // adjusts other riders' results
        std::vector<std::map<int, TRijder::ResultArray>> before;
        for (int i = 0; i < form_->Comp().ClassCount(); ++i)
            before.push_back(ResultsOf(ClassAt(i)));
        const int cols = Klasse().Grid.ColCount();
        QVERIFY(!RemoveStandingsEnabled());

        CalculateFromMenu([](TCalc &dialog) { ClickButton(dialog, "&Ok"); });
        for (int i = 0; i < form_->Comp().ClassCount(); ++i)
            QCOMPARE(ClassAt(i).CalcState, uint8_t(2));
        QCOMPARE(Klasse().Grid.ColCount(), cols + 2);
        QCOMPARE(Heading(cols), QString("Bruto"));
        QCOMPARE(Heading(cols + 1), QString("Netto"));
        QCOMPARE(Heading(0), QString("PL"));
        QCOMPARE(RowLabel(1), QString("1"));
        QVERIFY(!Grid().GridModel().CellString(1, cols + 1).isEmpty());
        QCOMPARE(Grid().GridModel().columnCount(), cols + 1);
        QVERIFY(ResultsOf(ClassAt(0)) != before[0]); // hors-concours results taken out, drop marks set

        QVERIFY(RemoveStandingsEnabled());
        form_->Action("Verwijderuitslagen1Click")->trigger();
        QCOMPARE(Klasse().Grid.ColCount(), cols);
        QCOMPARE(Grid().GridModel().columnCount(), cols - 1);
        QCOMPARE(Heading(0), QString(" "));
        for (int i = 0; i < form_->Comp().ClassCount(); ++i) {
            QCOMPARE(ClassAt(i).CalcState, uint8_t(0));
            QVERIFY(ResultsOf(ClassAt(i)) == before[static_cast<std::size_t>(i)]);
        }
        for (int row = 1; row < Klasse().Grid.RowCount(); ++row)
            QCOMPARE(RowLabel(row), QString::number(row));
    }

    void currentClassWithItsOwnNetCountAndCancelKeepsTheOptions() {
        form_->ShowClass(2);
        const int c = CountColumns(Klasse());
        CalculateFromMenu([](TCalc &dialog) {
            dialog.CurrentClassButton()->click();
            dialog.NetCountBox()->setValue(4);
            ClickButton(dialog, "&Ok");
        });
        QCOMPARE(ClassAt(2).CalcState, uint8_t(2));
        QCOMPARE(ClassAt(0).CalcState, uint8_t(0));
        QCOMPARE(Klasse().ColData(Klasse().Grid.ColCount() - 1)->Number, 4);
        QCOMPARE(Klasse().CalcInfo, std::string("Netto totaal berekend over de 4 beste uitslagen."));
        QVERIFY(!form_->FinalStandingsOptions().Has(CalcOptions::AllClasses));
        QVERIFY(c > 4);

        const uint32_t kept = form_->FinalStandingsOptions().Value;
        CalculateFromMenu([](TCalc &dialog) {
            dialog.AverageButton()->click();
            dialog.AllClassesButton()->click();
            ClickButton(dialog, "&Annuleren");
        });
        QCOMPARE(form_->FinalStandingsOptions().Value, kept);
        QCOMPARE(ClassAt(0).CalcState, uint8_t(0));
    }

    // ---- the tie list -----------------------------------------------------------

    void tieListEntryShowsItsClassAndLastRow() {
        CalculateFromMenu([](TCalc &dialog) { ClickButton(dialog, "&Ok"); });
        form_->ShowClass(0);
        TToonBox ties(*form_, form_.get());
        ties.AddProblem("", 1); // an empty text is not added
        QVERIFY(!ties.HasProblems());
        ties.AddProblem("MX2\tPlaats 3 t/m 12", 1, 12);
        ties.AddProblem("U 8 t/m 10\tPlaats 2 t/m 5 <!>", 2); // no row given: read from the text
        QVERIFY(ties.HasProblems());
        QString title;
        int help = 0;
        std::vector<std::pair<int, int>> visited; // class, row
        OnNextDialog<TToonBox>([&](TToonBox &box) {
            title = box.windowTitle();
            help = HelpContextOf(&box);
            QCOMPARE(box.List()->count(), 2);
            box.ListBox1Click(0);
            visited.emplace_back(form_->Comp().ActiveClass, Klasse().Grid.CurRow);
            QCOMPARE(Klasse().Grid.CurCol, Klasse().Grid.ColCount() - 1);
            box.ListBox1Click(1);
            visited.emplace_back(form_->Comp().ActiveClass, Klasse().Grid.CurRow);
            ClickButton(box, "&Ok");
        });
        ties.ShowTieList();
        QCOMPARE(title, QString("Stand niet kunnen bepalen van:"));
        QCOMPARE(help, TToonBox::kHelpTieList);
        QVERIFY((visited == std::vector<std::pair<int, int>>{{1, 12}, {2, 5}}));
        QCOMPARE(Tabs().currentIndex(), 2);
        QCOMPARE(Grid().Class(), &ClassAt(2));
        QVERIFY(!ties.HasProblems()); // emptied after showing
    }

    // ---- "Sorteren" -------------------------------------------------------------

    void sortDialogStartsAtTheCurrentColumn() {
        ClubRec &club = form_->Comp().Club;
        TKlasse &klasse = Klasse();
        klasse.Grid.CurCol = klasse.ResultColumn(2);
        {
            TSorteer dialog(club, klasse);
            QVERIFY(dialog.ModeButton(ModeResult)->isChecked());
            QCOMPARE(dialog.ResultBox()->value(), 2);
            QCOMPARE(dialog.ResultBox()->maximum(), klasse.ResultCount);
            // Points shown: the best result first means descending.
            QCOMPARE(dialog.DescendingButton()->isChecked(), (club.Options & OptPositionsAsPoints) != 0);
            dialog.ModeButton(ModeName)->click();
            QVERIFY(dialog.AscendingButton()->isChecked());
            QVERIFY(!dialog.ResultBox()->isEnabled() && dialog.SwapBox()->isEnabled());
            dialog.ModeButton(2)->click();
            QVERIFY(!dialog.SwapBox()->isEnabled());
        }
        klasse.Grid.CurCol = 1; // the name column
        TSorteer byName(club, klasse);
        QCOMPARE(byName.Mode(), int(ModeName));
        QVERIFY(!byName.ResultBox()->isEnabled());
        QCOMPARE(byName.ModeButton(4)->text(), FromModelText(club.ExtraLabel1.str()));

        // The Ok button's Alt key is its own.
        QCOMPARE(test::VisibleMnemonics(byName)[QKeySequence::mnemonic("O&k").toString()],
                 QStringList{"O&k"});
    }

    // The dialog's choice reaches the sort; the orders of every mode are the
    // core's. Cancel leaves the rows alone.
    void sortingThroughTheDialog() {
        auto sortBy = [this](int mode, const char *button) {
            OnNextDialog<TSorteer>([=](TSorteer &dialog) {
                dialog.ModeButton(mode)->click();
                dialog.ResultBox()->setValue(2);
                dialog.DescendingButton()->click();
                ClickButton(dialog, button);
            });
            form_->Action("Sorteren1Click")->trigger();
        };
        sortBy(ModeResult, "O&k");
        const std::vector<std::string> keys = Keys(ModeResult, 2);
        const auto withoutResult = std::find(keys.begin(), keys.end(), std::string()); // they stay last
        QVERIFY(withoutResult != keys.end() &&
                std::all_of(withoutResult, keys.end(), std::mem_fn(&std::string::empty)));
        QVERIFY(std::is_sorted(keys.begin(), withoutResult, std::greater<>()));
        for (int row = 1; row < Klasse().Grid.RowCount(); ++row)
            QCOMPARE(RowLabel(row), QString::number(row)); // only the riders move

        const std::vector<std::string> order = Keys(0);
        sortBy(ModeName, "&Annuleren");
        QVERIFY(Keys(0) == order);
    }

    // ---- "Uitvoer tekst / HTML bestand" -------------------------------------------

    void exportDialogEnablingFollowsTheChoices() {
        TTekstUit dialog(form_->Comp(), ExportMemory{});
        QVERIFY(dialog.TextButton()->isChecked() && dialog.CurrentClassButton()->isChecked());
        QVERIFY(!dialog.ClassList()->isEnabled());
        QCOMPARE(dialog.ClassList()->count(), form_->Comp().ClassCount());
        QVERIFY(!dialog.NetBox()->isEnabled() && !dialog.AverageBox()->isEnabled()); // no standings
        QVERIFY(!dialog.SeparatorTextEdit()->isEnabled());
        QCOMPARE(dialog.EmptyTextEdit()->text(), QString("--"));
        dialog.SeparatorButton(ExportSeparator::Character)->click();
        QVERIFY(dialog.SeparatorTextEdit()->isEnabled());
        dialog.JoinBox()->click();
        QVERIFY(dialog.BetweenTextEdit()->isEnabled());
        dialog.ResultsBox()->click(); // no results: none of their options
        QVERIFY(!dialog.JoinBox()->isEnabled() && !dialog.BetweenTextEdit()->isEnabled());
        QVERIFY(!dialog.ZeroEmptyBox()->isEnabled() && !dialog.EmptyResultBox()->isEnabled());
        dialog.ResultsBox()->click();
        dialog.HtmlButton()->click(); // HTML: no separators, no one-field form
        QVERIFY(!dialog.SeparatorButton(ExportSeparator::Tab)->isEnabled());
        QVERIFY(!dialog.JoinBox()->isEnabled());
        dialog.SelectionButton()->click();
        QVERIFY(dialog.ClassList()->isEnabled());
        QCOMPARE(dialog.ClassList()->currentRow(), 0);
    }

    void exportThroughTheDialogWritesWhatTheWriterWrites() {
        CalculateFromMenu([](TCalc &dialog) { ClickButton(dialog, "&Ok"); });
        const std::string chosen = dir_->Path("stand.htm");
        ExportFileType asked = ExportFileType::Text;
        ChooseExportFile() = [&](ExportFileType type, const QString &, QWidget *) {
            asked = type;
            return QString::fromStdString(chosen);
        };
        OnNextDialog<TTekstUit>([](TTekstUit &dialog) {
            QVERIFY(dialog.NetBox()->isEnabled() && dialog.NetBox()->isChecked());
            dialog.HtmlButton()->click();
            dialog.SelectionButton()->click();
            dialog.ClassList()->item(1)->setCheckState(Qt::Checked);
            dialog.ClassList()->item(3)->setCheckState(Qt::Checked);
            dialog.GrossBox()->click();
            dialog.EmptyResultBox()->click();
            dialog.EmptyTextEdit()->setText("x");
            ClickButton(dialog, "&Ok");
        });
        form_->Action("Uitvoertekstbestand1Click")->trigger();
        QVERIFY(asked == ExportFileType::Html);
        const std::string written = dir_->Path("stand.html");
        QVERIFY(std::filesystem::exists(written));
        QVERIFY(!std::filesystem::exists(chosen));

        ExportChoices expected = ProgramExportMemory().Choices;
        expected.Selected = {false, true, false, true};
        QVERIFY(!expected.Gross && expected.Net && expected.EmptyText == "x");
        QCOMPARE(test::ReadAll(written), ExportStandings(form_->Comp(), expected));
        QVERIFY(test::ReadAll(written).find("MX2") != std::string::npos);

        // The next export offers the same choices, without the selection.
        OnNextDialog<TTekstUit>([](TTekstUit &dialog) {
            QVERIFY(dialog.HtmlButton()->isChecked() && dialog.SelectionButton()->isChecked());
            QVERIFY(!dialog.GrossBox()->isChecked() && dialog.EmptyResultBox()->isChecked());
            QCOMPARE(dialog.ClassList()->item(1)->checkState(), Qt::Unchecked);
            ClickButton(dialog, "&Annuleren");
        });
        std::filesystem::remove(written);
        form_->Action("Uitvoertekstbestand1Click")->trigger();
        QVERIFY(!std::filesystem::exists(written));
    }
};

QTEST_MAIN(StandingsDialogsTest)
#include "standings_dialogs_test.moc"
