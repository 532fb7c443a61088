// The settings dialogs on their own, offscreen: the club settings dialog
// (class list, points table editor, locks, tie methods, OK and Cancel), the
// advanced tie-break steps, the display settings and the new-competition
// choice.
#include "core/model/riders.h"
#include "support/test_files.h"
#include "ui/app/NewFile.h"
#include "ui/app/Weergave.h"
#include "ui/scoring/DataClub.h"
#include "ui/scoring/RekAvan.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

using namespace rondaxa;

class SettingsDialogsTest : public QObject {
    Q_OBJECT

private:
    test::ScriptedPrompts prompts_;

    static Competition ThreeClasses() {
        Competition comp = test::MakeCompetition({"MX1", "MX2", "Jeugd"});
        test::AddRider(comp, *comp.Classes[0], "Een", "1", {1, 2});
        test::AddRider(comp, *comp.Classes[1], "Twee", "2");
        test::AddRider(comp, *comp.Classes[2], "Drie", "3");
        return comp;
    }
    static void TypeName(TClubData &dialog, const QString &name) {
        dialog.ClassNameEdit()->clear();
        QTest::keyClicks(dialog.ClassNameEdit(), name);
    }

private slots:
    void init() { prompts_ = test::ScriptedPrompts(); }

    void classListEditsAreAppliedOnOk() {
        Competition comp = ThreeClasses();
        TClubData dialog(comp, prompts_);
        QListWidget *list = dialog.ClassListBox();
        QCOMPARE(list->count(), 3);
        QVERIFY(!dialog.DeleteButton()->isEnabled());

        dialog.ListBox1Click(1); // MX2
        QVERIFY(dialog.DeleteButton()->isEnabled());
        QCOMPARE(dialog.ClassNameEdit()->text(), QString("MX2"));
        list->setCurrentRow(2); // the keyboard chooses a line as well
        QCOMPARE(dialog.ClassNameEdit()->text(), QString("Jeugd"));
        dialog.ListBox1Click(1);
        dialog.Button5Click(); // delete MX2: Jeugd is edited next
        QCOMPARE(list->count(), 2);
        QCOMPARE(dialog.ClassNameEdit()->text(), QString("Jeugd"));
        TypeName(dialog, "Junioren");
        QTest::keyClick(dialog.ClassNameEdit(), Qt::Key_Return); // renames Jeugd
        QCOMPARE(list->item(1)->text(), QString("Junioren"));

        dialog.ListBox1Click(-1);
        TypeName(dialog, "Nieuw");
        dialog.Button4Click();
        QCOMPARE(list->count(), 3);
        QVERIFY(dialog.ClassNameEdit()->text().isEmpty());
        QVERIFY(!dialog.DeleteButton()->isEnabled());
        dialog.ListBox1Click(2);
        dialog.SpeedButton1Click();
        dialog.SpeedButton1Click();
        dialog.SpeedButton1Click(); // nothing above the top
        QCOMPARE(list->item(0)->text(), QString("Nieuw"));
        QCOMPARE(list->currentRow(), 0);

        // Which riders go with which class is the core's; Ok hands the list over.
        dialog.Button1Click();
        QCOMPARE(comp.ClassCount(), 3);
        QCOMPARE(comp.Classes[0]->Name.str(), std::string("Nieuw"));
        QCOMPARE(comp.Classes[2]->Rider(1)->Name.str(), std::string("Drie"));
    }

    void twentyClassesAtMost() {
        Competition comp = test::MakeCompetition({});
        TClubData dialog(comp, prompts_);
        for (int i = 0; i < 21; ++i) {
            TypeName(dialog, QString("K%1").arg(i));
            dialog.Button4Click();
        }
        QCOMPARE(dialog.ClassListBox()->count(), 20);
    }

    void pointsTableEditorChecksAndShifts() {
        Competition comp = ThreeClasses();
        comp.Club.Options &= ~(OptStoreFinishOrder | OptPositionsAsPoints); // points stored
        TClubData dialog(comp, prompts_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.Pages()->setCurrentIndex(1);
        QCOMPARE(dialog.DeductionLabel()->text(), QString("Aftrek punten na plaats 5"));
        QVERIFY(dialog.StorageGroup()->isEnabled());

        // Typing 40 over position 1 shifts the others down without a message.
        dialog.SetCurrentPointsColumn(1);
        QTest::keyClick(dialog.PointsGrid(), '4');
        QVERIFY(dialog.PointsEditorOpen());
        QTest::keyClick(dialog.PointsEditor(), 'x'); // refused
        QTest::keyClick(dialog.PointsEditor(), '0');
        QCOMPARE(dialog.PointsEditor()->text(), QString("40"));
        QTest::keyClick(dialog.PointsEditor(), Qt::Key_Return);
        QVERIFY(!dialog.PointsEditorOpen());
        QVERIFY(prompts_.Messages.empty());
        QCOMPARE(dialog.PointsCellText(2), QString("37"));
        QCOMPARE(dialog.PointsCellText(5), QString("31"));
        QCOMPARE(dialog.CurrentPointsColumn(), 2);
        QVERIFY(!dialog.StorageGroup()->isEnabled());

        // A value above 250 keeps the editor open on the cell.
        QTest::keyClick(dialog.PointsGrid(), '3');
        QTest::keyClicks(dialog.PointsEditor(), "00");
        QTest::keyClick(dialog.PointsEditor(), Qt::Key_Return);
        QVERIFY(!prompts_.Messages.empty());
        QCOMPARE(prompts_.Messages.back(),
                 std::string("De waarde van een uitslag moet tussen de 0 en 250 liggen!"));
        QVERIFY(dialog.PointsEditorOpen());
        QTest::keyClick(dialog.PointsEditor(), Qt::Key_Escape);
        QVERIFY(!dialog.PointsEditorOpen());
        QCOMPARE(dialog.PointsCellText(2), QString("37"));

        // Sixth place filled: the caption follows.
        dialog.SetCurrentPointsColumn(6);
        QTest::keyClick(dialog.PointsGrid(), '2');
        QTest::keyClick(dialog.PointsEditor(), '0');
        QTest::keyClick(dialog.PointsEditor(), Qt::Key_Return);
        QCOMPARE(dialog.DeductionLabel()->text(), QString("Aftrek punten na plaats 6"));

        dialog.Button1Click();
        QCOMPARE(comp.Club.PointsCount, 6);
        QCOMPARE(comp.Club.Points[1], 40);
        QCOMPARE(comp.Club.Points[6], 20);
    }

    void storageAndDeductionLockEachOther() {
        Competition comp = ThreeClasses();
        comp.Club.Options &= ~(OptStoreFinishOrder | OptPositionsAsPoints);
        TClubData dialog(comp, prompts_);
        QVERIFY(!dialog.MinOnePointBox()->isEnabled());
        dialog.FinishOrderButton()->click();
        QVERIFY(!dialog.PointsGrid()->isEnabled());
        QVERIFY(!dialog.DeductionBox()->isEnabled());
        dialog.PointsButton()->click();
        QVERIFY(dialog.PointsGrid()->isEnabled());
        dialog.DeductionBox()->setValue(2);
        QVERIFY(!dialog.StorageGroup()->isEnabled());
        dialog.DeductionBox()->setValue(1);
        QVERIFY(dialog.StorageGroup()->isEnabled());

        // Positions stored: the group is locked, the minimum point offered
        // as it is, and stored as it is left.
        Competition positions = ThreeClasses();
        positions.Club.CalcFlags = CalcMinOnePoint;
        TClubData locked(positions, prompts_);
        QVERIFY(!locked.StorageGroup()->isEnabled());
        QVERIFY(locked.FinishOrderButton()->isChecked());
        QVERIFY(locked.MinOnePointBox()->isChecked() && locked.MinOnePointBox()->isEnabled());
        locked.MinOnePointBox()->click();
        locked.Button1Click();
        QCOMPARE(positions.Club.CalcFlags & CalcMinOnePoint, 0);
    }

    void countingRuleAndRanges() {
        Competition comp = ThreeClasses();
        TClubData dialog(comp, prompts_);
        QVERIFY(dialog.CountingButton()->isChecked());
        QVERIFY(!dialog.DropBox()->isEnabled());
        QCOMPARE(dialog.PlusBox()->maximum(), 20);
        QCOMPARE(dialog.DropBox()->maximum(), 20);
        QCOMPARE(dialog.PercentBox()->maximum(), 100);
        dialog.DropButton()->click();
        QVERIFY(dialog.DropBox()->isEnabled());
        QVERIFY(!dialog.PercentBox()->isEnabled());
        dialog.DropBox()->setValue(40);
        dialog.AverageGroup()->button(3)->click();
        dialog.StatusGroup()->button(4)->click();
        dialog.ExtraLabelEdit(0)->setText("Plaats :");
        dialog.ClubNameEdit()->setText("MC Test");
        dialog.Button1Click();
        QCOMPARE(comp.Club.DropCount, 20);
        QCOMPARE(comp.Club.CalcFlags & CalcDropMode, CalcDropMode);
        QCOMPARE(comp.Club.AverageMethod, 3);
        QCOMPARE(comp.Club.Options & OptStatusFieldMask, 4);
        QCOMPARE(comp.Club.ExtraLabel1.str(), std::string("Plaats :"));
        QCOMPARE(comp.Club.ClubName.str(), std::string("MC Test"));
    }

    void tieMethodButtonsWriteAtOnceAndCancelRestores() {
        Competition comp = ThreeClasses();
        const auto steps = comp.Club.TieSteps;
        TClubData dialog(comp, prompts_);
        QVERIFY(dialog.TieButton(0)->isChecked());
        QVERIFY(!dialog.AdvancedButton()->isEnabled());
        dialog.TieButton(2)->click();
        QCOMPARE(comp.Club.TieSteps[1].Method, 2);
        QCOMPARE(comp.Club.TieSteps[1].Param, 3);
        dialog.TieButton(3)->click();
        QVERIFY(dialog.AdvancedButton()->isEnabled());
        bool opened = false;
        dialog.RunAdvanced = [&](ClubRec &club) {
            opened = true;
            club.TieSteps[1] = TieStep{9, 0};
        };
        dialog.AdvancedButton()->click();
        QVERIFY(opened);
        QCOMPARE(comp.Club.TieSteps[1].Method, 9);
        dialog.reject();
        QCOMPARE(comp.Club.TieSteps[1].Method, steps[1].Method);
        QCOMPARE(comp.Club.TieSteps[2].Method, steps[2].Method);
        QCOMPARE(comp.Club.TieMethod, 0);
    }

    void advancedStepsDialog() {
        ClubRec club;
        SetSimpleTieMethod(club, 2); // 2 (place 3), 4, 1, 5; notify 3
        club.TieSteps[1].Param = 4;
        TRekAvan dialog(club);
        QCOMPARE(dialog.StepList(1)->currentIndex(), 2);
        QCOMPARE(dialog.PlaceBox(1)->value(), 4);
        QVERIFY(!dialog.PlaceBox(1)->isHidden());
        QVERIFY(dialog.PlaceBox(2)->isHidden());
        QCOMPARE(dialog.StepList(4)->currentIndex(), 5);
        QVERIFY(dialog.StepList(5)->isEnabled());
        QCOMPARE(dialog.NotifyBox()->maximum(), 4);
        QCOMPARE(dialog.NotifyBox()->value(), 3);

        // "<niets>" in step 2 ends the list there.
        dialog.StepList(2)->setCurrentIndex(0);
        emit dialog.StepList(2)->activated(0);
        QCOMPARE(dialog.StepList(2)->currentIndex(), -1);
        QCOMPARE(dialog.StepList(3)->currentIndex(), -1);
        QVERIFY(!dialog.StepList(3)->isEnabled());
        QCOMPARE(dialog.NotifyBox()->maximum(), 1);
        dialog.StepList(2)->setCurrentIndex(8);
        emit dialog.StepList(2)->activated(8);
        QVERIFY(dialog.StepList(3)->isEnabled());
        QCOMPARE(dialog.StepList(2)->toolTip(), QString("Meeste uitslagen"));
        dialog.StoreSteps();
        QCOMPARE(club.TieSteps[1].Method, 2);
        QCOMPARE(club.TieSteps[1].Param, 4);
        QCOMPARE(club.TieSteps[2].Method, 8);
        QCOMPARE(club.TieSteps[3].Method, 0);
        QCOMPARE(club.TieNotify, 1);

        ClubRec notified;
        notified.TieNotify = 5;
        TRekAvan shown(notified);
        QCOMPARE(shown.NotifyBox()->value(), 0); // more than the steps filled
    }

    void displaySettings() {
        Competition comp = ThreeClasses();
        QFont font;
        Tweergave dialog(comp, font);
        QCheckBox *mark = dialog.Box("MarkDropped");
        QCheckBox *colour = dialog.Box("MarkColour");
        QCheckBox *strike = dialog.Box("StrikeDropped");
        QVERIFY(!colour->isEnabled());
        mark->setChecked(true);
        QVERIFY(colour->isEnabled() && strike->isEnabled());
        colour->click(); // unticking the colour while not striking: strike it is
        QVERIFY(!colour->isChecked());
        QVERIFY(strike->isChecked());
        strike->click();
        QVERIFY(colour->isChecked());

        // Points stored: the result display is disabled and shows points.
        Competition points = ThreeClasses();
        points.Club.Options &= ~(OptStoreFinishOrder | OptPositionsAsPoints);
        Tweergave pointsDialog(points, font);
        QVERIFY(pointsDialog.PointsButton()->isChecked());
        QVERIFY(!pointsDialog.PointsButton()->parentWidget()->isEnabled());
        pointsDialog.Apply();
        QCOMPARE(points.Club.Options & OptPositionsAsPoints, 0);

        // A chosen font goes to every grid at once, even when cancelled.
        dialog.ChooseFont = [](const QFont &) {
            QFont chosen("Courier", 14);
            chosen.setBold(true);
            return std::optional<QFont>(chosen);
        };
        dialog.FontButtonClick();
        QVERIFY(dialog.Changed());
        QCOMPARE(comp.Classes[2]->Grid.Font.Size, 14);
        QCOMPARE(comp.Classes[2]->Grid.Font.Style, uint8_t(1));
        dialog.ChooseColour = [](const QColor &) { return std::optional<QColor>(QColor(0x12, 0x34, 0x56)); };
        dialog.ColourPanelClick(2);
        dialog.Box("Extra2")->setChecked(true);
        dialog.StatusGroup()->button(2)->click();
        dialog.Box("SwapNames")->setChecked(false);
        QVERIFY(dialog.Apply());
        QCOMPARE(comp.Club.MarkColor, 0x00563412u);
        QCOMPARE(comp.Club.ViewFlags, ViewExtra2 | ViewMarkDropped);
        QCOMPARE(comp.Club.Options & (OptStatusFieldMask | OptNamesAsStored), 2 | OptNamesAsStored);
    }

    void newCompetitionChoice() {
        Competition none = test::MakeCompetition({});
        QCOMPARE(ChooseNewKind(none, nullptr), int(NewEntirely)); // nothing to keep: no question
        QCOMPARE(TNewFile().Choice(), int(NewEntirely));
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "settings_dialogs_test.moc"
