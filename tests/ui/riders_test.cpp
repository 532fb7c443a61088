// The rider commands of the main window, offscreen: the rider details
// window, deleting riders (one, and the hors-concours riders of every
// class), copying a rider to the clipboard and pasting it into another
// class, and adding a rider with fixed columns.
#include "core/model/clipboard_record.h"
#include "core/model/kzb_file.h"
#include "core/model/settings.h"
#include "support/test_files.h"
#include "support/ui_support.h"
#include "support/window_fixture.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"
#include "ui/app/Kopie.h"
#include "ui/app/RijderData.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <functional>

using namespace rondaxa;
using rondaxa::test::ClickButton;
using rondaxa::test::OnNextDialog;

class RidersTest : public QObject, test::WindowFixture {
    Q_OBJECT

private:
    void GoTo(int row) {
        Klasse().Grid.CurRow = row;
        form_->GoToCell(Klasse().Grid.CurCol, row);
    }
    TRijderData *Details() {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *window = qobject_cast<TRijderData *>(widget))
                return window;
        return nullptr;
    }
    // Opens the top-level menus as the user does; returns whether "Plakken
    // rijdergegevens" is enabled then.
    bool PasteEnabled() {
        for (QAction *menu : form_->menuBar()->actions())
            if (menu->menu())
                emit menu->menu()->aboutToShow();
        return form_->Action("Plakkenrijder1Click")->isEnabled();
    }

private slots:
    void init() { QVERIFY(OpenWindow()); }

    void cleanup() { CloseWindow(); }

    void detailsWindowFollowsTheGridAndStoresEdits() {
        GoTo(2);
        form_->Rijder1Click();
        TRijderData *details = Details();
        QVERIFY(details && details->isVisible());
        QVERIFY(details->AlwaysOnTop());
        QCOMPARE(details->Edit(1)->text(), QString::fromStdString(Klasse().Rider(2)->Name.str()));
        QCOMPARE(details->ExtraCaption(1)->text(), QString("Woonplaats :"));

        GoTo(3); // the grid's selection moves: the window follows
        QCOMPARE(details->ShownRow(), 3);
        QCOMPARE(details->Edit(2)->text(), QString::fromStdString(Klasse().Rider(3)->StartNo.str()));

        // Name and extra field are stored on navigation; the window moves on.
        details->Edit(1)->setText("Nieuwe Naam");
        details->Edit(1)->setModified(true);
        details->Edit(3)->setText("Heesch");
        details->Edit(3)->setModified(true);
        form_->Comp().Modified = 0;
        details->SBnextClick();
        QCOMPARE(Klasse().Rider(3)->Name.str(), std::string("Nieuwe Naam"));
        QCOMPARE(Klasse().Rider(3)->Extra1.str(), std::string("Heesch"));
        QCOMPARE(Klasse().Grid.CurRow, 4);
        QCOMPARE(details->ShownRow(), 4);
        QVERIFY(form_->Comp().Modified & ModifiedData);

        details->SBeersteClick();
        QCOMPARE(Klasse().Grid.CurRow, 1);
        details->SBvorigeClick();
        QCOMPARE(Klasse().Grid.CurRow, 1);
        QTest::keyClick(details->Edit(1), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(Klasse().Grid.CurRow, Klasse().Grid.RowCount() - 1);

        // Not kept on top: a window of its own that the main window can cover;
        // it still follows the grid and goes with the main window.
        details->Button("SBzichtbaar")->click();
        QVERIFY(!details->AlwaysOnTop());
        QVERIFY(!details->parent());
        QVERIFY(details->isVisible());
        GoTo(2);
        QCOMPARE(details->ShownRow(), 2);
        QPointer<TRijderData> alive(details);
        details->Button("SBzichtbaar")->click();
        QVERIFY(details->AlwaysOnTop());
        QCOMPARE(details->parent(), form_.get());
        details->Button("SBzichtbaar")->click();
        form_->hide();
        form_.reset();
        QVERIFY(alive.isNull());
        form_ = std::make_unique<TMainForm>(prompts_, store_);
    }

    // A start number another rider has is refused with the fields after it;
    // the rider stays shown. The store runs as well when the user goes back to
    // the grid: the refusal keeps them in the start-number field, so their
    // next keys are not typed into the grid.
    void duplicateStartNumberIsRefusedWithTheFieldsAfterIt() {
        GoTo(2);
        form_->Rijder1Click();
        TRijderData *details = Details();
        const std::string otherStartNo = Klasse().Rider(5)->StartNo.str();
        const std::string ownStartNo = Klasse().Rider(2)->StartNo.str();
        details->Edit(2)->setText(QString::fromStdString(otherStartNo));
        details->Edit(2)->setModified(true);
        details->Edit(4)->setText("Suzuki");
        details->Edit(4)->setModified(true);
        const bool wasHc = Klasse().Rider(2)->HorsConcours();
        details->HorsConcoursBox()->setChecked(!wasHc);
        prompts_.Messages.clear();
        details->SBnextClick();
        QCOMPARE(prompts_.Messages.size(), std::size_t(1));
        QCOMPARE(prompts_.Messages[0], std::string("Dit startnummer komt al voor op positie: 5"));
        QCOMPARE(Klasse().Grid.CurRow, 2); // stays on the rider
        QCOMPARE(Klasse().Rider(2)->StartNo.str(), ownStartNo);
        QVERIFY(Klasse().Rider(2)->Extra2.str() != "Suzuki");
        QCOMPARE(Klasse().Rider(2)->HorsConcours(), wasHc);

        QTRY_VERIFY(details->isActiveWindow());
        details->Edit(2)->setFocus();
        details->Edit(2)->setText(QString::fromStdString(otherStartNo));
        details->Edit(2)->setModified(true);
        prompts_.Messages.clear();
        form_->activateWindow();
        QTRY_COMPARE(prompts_.Messages.size(), std::size_t(1));
        QTRY_VERIFY(details->isActiveWindow());
        QCOMPARE(QApplication::focusWidget(), details->Edit(2));
    }

    void deletingARiderAndTheHorsConcoursRidersOfAllClasses() {
        TKlasse &k = Klasse();
        const int riders = k.Grid.RowCount() - 1;
        const std::string fourth = k.Rider(4)->Name.str();
        GoTo(3);
        OnNextDialog([](QDialog &dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Rijder verwijderen"));
            QVERIFY(dialog.findChild<QCheckBox *>("CheckBox1")->isChecked());
            ClickButton(dialog, "&Ok");
        });
        form_->RijderVerwijderen1Click();
        QCOMPARE(k.Grid.RowCount() - 1, riders - 1);
        QCOMPARE(k.Rider(3)->Name.str(), fourth); // how the results follow is the core's
        QVERIFY(form_->Comp().Modified & ModifiedData);

        // The dialog's choice of classes reaches the removal of the
        // hors-concours riders; its counts and messages are the core's.
        OnNextDialog([](QDialog &dialog) {
            dialog.findChild<QRadioButton *>("AllClasses")->setChecked(true);
            ClickButton(dialog, "&Ok");
        });
        form_->Verwijderrijdersbuitenmededing1Click();
        QVERIFY(prompts_.Messages.back().ends_with(" rijders verwijderd!"));
        for (const auto &klasse : form_->Comp().Classes)
            for (int r = 1; r < klasse->Grid.RowCount(); ++r)
                QVERIFY(!klasse->Rider(r)->HorsConcours());
    }

    void copyAndPasteARiderBetweenClasses() {
        QApplication::clipboard()->setText("iets anders");
        QVERIFY(!ClipboardHasRider());
        QVERIFY(!PasteEnabled());
        GoTo(2);
        const TRijder source = *Klasse().Rider(2);
        OnNextDialog([](QDialog &dialog) {
            auto *results = dialog.findChild<QCheckBox *>("CheckBox1");
            auto *wholeClass = dialog.findChild<QCheckBox *>("CheckBox2");
            QVERIFY(!results->isChecked());
            QVERIFY(!wholeClass->isEnabled());
            results->setChecked(true);
            ClickButton(dialog, "&Ok");
        });
        form_->Kopieerrijder1Click();
        QVERIFY(ClipboardHasRider());
        QVERIFY(PasteEnabled());
        QCOMPARE(ClipboardRiderRecord().size(), std::size_t(272));

        form_->ShowClass(1);
        GoTo(1);
        form_->Comp().Modified = 0;
        form_->Plakkenrijder1Click();
        // What the record carries is the core's; here it reaches the row asked.
        QCOMPARE(prompts_.Questions.size(), std::size_t(1));
        QCOMPARE(Klasse().Rider(1)->Name.str(), source.Name.str());
        QVERIFY(Klasse().Rider(1)->Results == source.Results);
        QVERIFY(form_->Comp().Modified & ModifiedData);

        // The text of the whole class does not make a rider record.
        OnNextDialog([](QDialog &dialog) {
            dialog.findChild<QRadioButton *>()->parentWidget()->findChildren<QRadioButton *>()[1]->click();
            auto *wholeClass = dialog.findChild<QCheckBox *>("CheckBox2");
            QVERIFY(wholeClass->isEnabled());
            QVERIFY(dialog.findChild<QCheckBox *>("CheckBox1")->isChecked());
            wholeClass->setChecked(true);
            ClickButton(dialog, "&Ok");
        });
        form_->Kopieerrijder1Click();
        QVERIFY(!ClipboardHasRider());
        QVERIFY(!PasteEnabled());
        QVERIFY(QApplication::clipboard()->text().startsWith(" \tNaam\tStartnr"));
    }

    // A rider copied from a file that stores finish positions and pasted into
    // one that stores points gets the points of his places; the record on
    // the clipboard stays the one other programs know, and a record without
    // our storage format (another program's) is pasted as it stands.
    void aRiderPastedBetweenFilesKeepsWhatHisResultsMean() {
        Competition positions = test::MakeCompetition({"MX1"});
        positions.Club.Options = OptStoreFinishOrder | OptPositionsAsPoints;
        const TRijder source =
            test::AddRider(positions, *positions.Classes[0], "Jansen, Piet", "7", {1, 1, 4, 0});
        const std::string file = dir_->Path("posities.kzb");
        const Bytes bytes = SerializeCompetition(positions);
        test::WriteAll(file, std::string(bytes.begin(), bytes.end()));
        QVERIFY(form_->LoadFile(QString::fromStdString(file), prompts_));
        GoTo(1);
        OnNextDialog([](QDialog &dialog) {
            dialog.findChild<QCheckBox *>("CheckBox1")->setChecked(true);
            ClickButton(dialog, "&Ok");
        });
        form_->Kopieerrijder1Click();
        QCOMPARE(ClipboardRiderRecord(), MakeRiderRecord(source, true));

        QVERIFY(form_->LoadFile(QString::fromStdString(dir_->Path("demo.kzb")), prompts_));
        ClubRec &club = form_->Comp().Club;
        club.Options &= ~(OptStoreFinishOrder | OptPositionsAsPoints); // this one stores points
        GoTo(1);
        form_->Plakkenrijder1Click();
        const TRijder &pasted = *Klasse().Rider(1);
        QCOMPARE(pasted.Name.str(), std::string("Jansen, Piet"));
        QCOMPARE(GetResult(pasted, 3), PointsForPosition(club, 4));

        // The same record as another program puts it there: taken as it is.
        auto *foreign = new QMimeData;
        const Bytes record = MakeRiderRecord(source, true);
        foreign->setData(RiderRecordMimeType(), QByteArray(reinterpret_cast<const char *>(record.data()),
                                                           static_cast<qsizetype>(record.size())));
        QApplication::clipboard()->setMimeData(foreign);
        QVERIFY(!ClipboardRiderStorage());
        GoTo(2);
        form_->Plakkenrijder1Click();
        QCOMPARE(GetResult(*Klasse().Rider(2), 3), 4);
    }

    // A new rider's name is edited in the grid; with fixed columns the
    // details window opens for it instead.
    void addingARiderEditsItsNameOrOpensTheDetails() {
        QCOMPARE(Klasse().Grid.FixedCols, 1);
        const int rows = Klasse().Grid.RowCount();
        form_->Rijdertoevogen1Click();
        QCOMPARE(Klasse().Grid.RowCount(), rows + 1);
        QCOMPARE(Klasse().Grid.CurRow, rows);
        QVERIFY(form_->IsEditing());
        QCOMPARE(int(Klasse().ColData(Klasse().Grid.CurCol)->Kind), int(KindName)); // the name is edited
        QVERIFY(!Details() || !Details()->isVisible());
        QTest::keyClicks(&Editor(), "Zand");
        QTest::keyClick(&Editor(), Qt::Key_Return);

        Klasse().Grid.FixedCols = 3;
        form_->Rijdertoevogen1Click();
        QCOMPARE(Klasse().Grid.RowCount(), rows + 2);
        QVERIFY(Details() && Details()->isVisible());
        QCOMPARE(Details()->ShownRow(), rows + 1);
        QVERIFY(Details()->Edit(1)->text().isEmpty());

        // With the window open, adding acts as its "Nieuwe rijder": the empty
        // last row is reused.
        form_->Rijdertoevogen1Click();
        QCOMPARE(Klasse().Grid.RowCount(), rows + 2);
    }

    // "Nieuw" keeping the classes empties them of riders; entirely new, it
    // starts with the classes typed into the club settings.
    void newCompetitionKeepingTheClassesOrEntirely() {
        const int classes = form_->Comp().ClassCount();
        form_->Comp().Modified = 0;
        OnNextDialog([](QDialog &dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Nieuw"));
            dialog.findChild<QRadioButton *>("Choice1")->setChecked(true);
            OnNextDialog([](QDialog &club) {
                QCOMPARE(club.windowTitle(), QString("Club gegevens"));
                QCOMPARE(club.findChild<QListWidget *>("ListBox1")->count(), 4);
                ClickButton(club, "&Ok");
            });
            ClickButton(dialog, "&Nieuw");
        });
        form_->Nieuw1Click();
        QCOMPARE(form_->Comp().ClassCount(), classes);
        QCOMPARE(Tabs().count(), classes);
        QVERIFY(IsEmptyRider(*form_->Comp().Classes[0]->Rider(1))); // the rest is the core's
        QVERIFY(form_->Comp().FileName.empty());
        QVERIFY(form_->Comp().Modified != 0);

        form_->Comp().Modified = 0;
        OnNextDialog([](QDialog &dialog) {
            OnNextDialog([](QDialog &club) {
                auto *name = club.findChild<QLineEdit *>("EditKL");
                QCOMPARE(club.findChild<QListWidget *>("ListBox1")->count(), 0);
                for (const char *klasse : {"Quad", "Zijspan"}) {
                    name->setText(klasse);
                    ClickButton(club, "&Toevoegen");
                }
                ClickButton(club, "&Ok");
            });
            ClickButton(dialog, "&Nieuw");
        });
        form_->Nieuw1Click();
        Competition &comp = form_->Comp();
        QCOMPARE(comp.ClassCount(), 2);
        QCOMPARE(Tabs().tabText(1), QString("Zijspan"));
        QVERIFY(comp.Club.ClubName.empty());
        QCOMPARE(comp.Classes[0]->Grid.RowCount(), 2);
        QVERIFY(comp.Modified != 0);
        QVERIFY(form_->Action("Rijder1Click")->isEnabled());
    }

    void displaySettingsShowInTheGridAtOnce() {
        OnNextDialog([](QDialog &dialog) {
            dialog.findChild<QCheckBox *>("FixedColumns")->setChecked(true);
            dialog.findChild<QCheckBox *>("Extra2")->setChecked(true);
            ClickButton(dialog, "&Ok");
        });
        form_->Weergave1Click();
        QCOMPARE(Klasse().Grid.FixedCols, 3);
        QVERIFY(form_->Comp().Club.Options & OptFixedColumns);
        QCOMPARE(Grid().model()->headerData(3, Qt::Horizontal).toString(), QString("Merk/sponsor :"));
    }
};

QTEST_MAIN(RidersTest)
#include "riders_test.moc"
