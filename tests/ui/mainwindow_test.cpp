// The main window, offscreen: opening the demo, typing into the grid, the
// checks of the editing field, saving and reopening, the save button, the
// close prompt, start-up and the private notification.
#include "core/model/kzb_file.h"
#include "core/model/settings.h"
#include "core/platform/file_lock.h"
#include "support/test_files.h"
#include "support/ui_support.h"
#include "support/window_fixture.h"
#include "ui/app/CellEditor.h"
#include "ui/app/ClassGridView.h"
#include "ui/app/KZBmain.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <map>

using namespace rondaxa;

class MainWindowTest : public QObject, test::WindowFixture {
    Q_OBJECT

private:
    QString demo_;
    std::vector<std::string> disposed_; // backups a save sent away
    QStringList unknownCommands_;       // command names the window asked for but does not have

    // Makes a grid cell current, as a click would.
    void GoTo(int row, int col) {
        Klasse().Grid.CurRow = row;
        Klasse().Grid.CurCol = col;
        Grid().ShowCurrentCell();
        Grid().setFocus();
    }
    void Type(const QString &text) {
        for (QChar c : text) {
            QWidget *target = form_->IsEditing() ? static_cast<QWidget *>(&Editor()) : &Grid();
            QTest::keyClick(target, c.toLatin1());
        }
    }
    void Enter() {
        QWidget *target = form_->IsEditing() ? static_cast<QWidget *>(&Editor()) : &Grid();
        QTest::keyClick(target, Qt::Key_Return);
    }
    QString Cell(int row, int col) { return Grid().GridModel().CellString(row, col); }
    bool SaveButtonEnabled() { return form_->Action("SpeedButton3")->isEnabled(); }

private slots:
    void init() {
        unknownCommands_.clear();
        TMainForm::UnknownCommand = [this](const QString &name) { unknownCommands_ << name; };
        QVERIFY(OpenWindow());
        demo_ = QString::fromStdString(dir_->Path("demo.kzb"));
        form_->Files().DisposeBackup = [this](const std::string &path, const std::string &backupName) {
            disposed_.push_back(backupName);
            return std::filesystem::remove(path);
        };
        disposed_.clear();
    }

    void cleanup() {
        CloseWindow();
        // Every name the window used for its commands was one of its own.
        QVERIFY2(unknownCommands_.isEmpty(), qPrintable(unknownCommands_.join(", ")));
    }

    void anUnknownCommandNameIsReported() {
        QVERIFY(!form_->Action("Bestaatniet1Click"));
        QCOMPARE(unknownCommands_, QStringList{"Bestaatniet1Click"});
        unknownCommands_.clear();
    }

    // The drawn toolbar pictures fade when their button is disabled, as the
    // style's own pictures do.
    void drawnToolbarIconsLookDisabled() {
        auto meanAlpha = [](const QImage &image) {
            qint64 sum = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    sum += qAlpha(image.pixel(x, y));
            return double(sum) / (image.width() * image.height());
        };
        for (const char *name : {"SpeedButton5", "SpeedButton6", "SpeedButton7", "SpeedButton8",
                                 "SpeedButton12", "SpeedButton13"}) {
            const QIcon icon = form_->Action(name)->icon();
            const QImage normal = icon.pixmap(QSize(24, 24), QIcon::Normal).toImage();
            const QImage disabled = icon.pixmap(QSize(24, 24), QIcon::Disabled).toImage();
            QVERIFY2(meanAlpha(disabled) < 0.6 * meanAlpha(normal), name);
        }
    }

    // The editing field shows its text where the cell showed it, so the value
    // does not jump when editing starts.
    void editingFieldAlignsAsItsCell() {
        const struct {
            int col;
            Qt::Alignment alignment;
        } cells[] = {{1, Qt::AlignLeft}, {2, Qt::AlignHCenter}, {Klasse().ResultColumn(1), Qt::AlignHCenter}};
        for (const auto &cell : cells) {
            GoTo(1, cell.col);
            Enter();
            QVERIFY(form_->IsEditing());
            QCOMPARE(Editor().alignment() & Qt::AlignHorizontal_Mask, cell.alignment);
            QTest::keyClick(&Editor(), Qt::Key_Escape);
        }
    }

    // With fixed columns a second view shows them beside the scrolling part:
    // they stay in place and are not edited, and every row must have the
    // same position and height in both, also after scrolling, a font change
    // and a row-height change.
    void fixedColumnsKeepEveryNameBesideItsResults() {
        Klasse().Grid.FixedCols = 3; // as a file opened with "fixed columns" set
        form_->resize(450, 260);     // narrower and lower than the grid
        QTest::qWait(20);
        form_->ShowClass(form_->Comp().ActiveClass);
        auto *fixed = Grid().findChild<QTableView *>("FixedColumns");
        QVERIFY(fixed && fixed->isVisible());
        QCOMPARE(fixed->width(), Grid().FrozenWidth());
        const int last = Klasse().Grid.ColCount() - 1;
        GoTo(1, last);
        QVERIFY(Grid().horizontalScrollBar()->value() > 0);
        QVERIFY(Grid().GridCellRect(1, last).left() >= fixed->width());
        Klasse().Grid.CurCol = 1;
        QTest::keyClick(&Grid(), 'x');
        QVERIFY(!form_->IsEditing());
        // The current cell never lands in a fixed column.
        GoTo(2, 3);
        Grid().setCurrentIndex(Grid().GridModel().IndexOf(2, 1));
        QCOMPARE(Klasse().Grid.CurCol, 3);

        auto mismatch = [&]() -> QString {
            QCoreApplication::processEvents();
            if (fixed->verticalScrollBar()->value() != Grid().verticalScrollBar()->value())
                return "scroll position";
            for (int r = 0; r < Grid().model()->rowCount(); ++r)
                if (fixed->rowViewportPosition(r) != Grid().rowViewportPosition(r) ||
                    fixed->rowHeight(r) != Grid().rowHeight(r))
                    return QString("row %1").arg(r + 1);
            return {};
        };
        auto checkScrolled = [&](const char *when) {
            QVERIFY2(mismatch().isEmpty(), when);
            QScrollBar *bar = Grid().verticalScrollBar();
            QVERIFY2(bar->maximum() > 0, when); // the class is longer than the window
            bar->setValue(bar->maximum());
            QVERIFY2(mismatch().isEmpty(), when);
            bar->setValue(bar->maximum() / 2);
            QVERIFY2(mismatch().isEmpty(), when);
        };
        checkScrolled("at the start");
        Klasse().Grid.Font.Size = 16;
        form_->ShowClass(form_->Comp().ActiveClass);
        if (!QTest::currentTestFailed())
            checkScrolled("after a font change");
        Klasse().Grid.DefaultRowHeight = 9;
        Grid().ApplyLayout();
        if (!QTest::currentTestFailed())
            checkScrolled("after a row-height change");
    }

    void opensTheDemoWithOneTabPerClass() {
        QCOMPARE(Tabs().count(), form_->Comp().ClassCount());
        QCOMPARE(Tabs().tabText(0), QString::fromStdString(form_->Comp().Classes[0]->Name.str()));
        QCOMPARE(form_->windowTitle(), QString::fromStdString(form_->Comp().Club.ClubName.str() + " - " +
                                                              Klasse().Name.str() + "[*]"));
        QCOMPARE(test::StatusPanelOf(*form_, 0).text(), QString("Punten"));
        // The status panels fit their texts, the mode panel its longest one.
        const int minimum[3] = {90, 200, 200};
        for (int i = 0; i < 3; ++i)
            QVERIFY(test::StatusPanelOf(*form_, i).width() >= minimum[i]);
        const QLabel &mode = test::StatusPanelOf(*form_, 0);
        QVERIFY(mode.width() >=
                mode.fontMetrics().horizontalAdvance("Finish volgorde") + 2 * mode.frameWidth());
        QVERIFY(form_->Action("Bewaarals1Click")->isEnabled());
        QVERIFY(!SaveButtonEnabled());
        QCOMPARE(form_->HelpContext(), TMainForm::kHelpCompetition);
    }

    // Which values a result takes is the core's: a refused one keeps the
    // field open on its cell, a stored one moves Enter to the right.
    void typedResultIsStoredAndEnterMovesRight() {
        const int col = Klasse().ResultColumn(3);
        GoTo(1, col);
        QVERIFY(Cell(1, col).isEmpty());
        Type("48"); // not in the points table
        QVERIFY(form_->IsEditing());
        QCOMPARE(Editor().text(), QString("48"));
        QCOMPARE(Editor().cursorPosition(), 2);
        Enter();
        QCOMPARE(prompts_.Messages.size(), size_t(1));
        QVERIFY(form_->IsEditing());
        QCOMPARE(Klasse().Grid.CurCol, col);
        QVERIFY(Cell(1, col).isEmpty());
        Type("7");
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
        QCOMPARE(Editor().text(), before);
        QCOMPARE(Editor().selectedText(), before);
        Type("y");
        QCOMPARE(Editor().text(), before); // letters do not pass the field's filter
        QTest::keyClick(&Editor(), Qt::Key_Escape);
        QVERIFY(!form_->IsEditing());
        QCOMPARE(Cell(1, col), before);
        QCOMPARE(Klasse().Grid.CurCol, col);
    }

    // However an edit ends, the field leaves the screen: left standing it
    // shows its old text over another rider, class or file and swallows what
    // is typed into it.
    void theEditingFieldGoesHoweverAnEditEnds_data() {
        QTest::addColumn<QString>("way");
        for (const char *way : {"Escape", "Enter", "Up", "Down", "click elsewhere", "tab change", "menu",
                                "grid menu", "F3", "dialog", "open file", "Nieuw"})
            QTest::newRow(way) << QString(way);
    }

    void theEditingFieldGoesHoweverAnEditEnds() {
        QFETCH(QString, way);
        const int col = Klasse().ResultColumn(1);
        GoTo(1, col);
        Type("47"); // a value of the points table: stored wherever the edit ends
        QVERIFY(form_->IsEditing());
        QVERIFY(Editor().isVisible());
        prompts_.Answers = {Answer::No}; // discarding the typed value where a command asks
        const auto closeNextDialog = [] { test::OnNextDialog([](QDialog &dialog) { dialog.reject(); }); };
        const auto closeMenuSoon = [] {
            QTimer::singleShot(0, [] {
                if (QWidget *menu = QApplication::activePopupWidget())
                    menu->close();
            });
        };
        if (way == "Escape" || way == "Enter" || way == "Up" || way == "Down") {
            const std::map<QString, Qt::Key> keys = {{"Escape", Qt::Key_Escape},
                                                     {"Enter", Qt::Key_Return},
                                                     {"Up", Qt::Key_Up},
                                                     {"Down", Qt::Key_Down}};
            QTest::keyClick(&Editor(), keys.at(way));
        } else if (way == "click elsewhere") {
            QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, Grid().GridCellRect(4, 3).center());
        } else if (way == "tab change") {
            Tabs().setCurrentIndex(1);
        } else if (way == "menu") {
            QMenu *menu = form_->menuBar()->actions().at(1)->menu();
            closeMenuSoon();
            menu->exec(form_->mapToGlobal(QPoint(10, 10)));
        } else if (way == "grid menu") {
            closeMenuSoon();
            emit Grid().customContextMenuRequested(QPoint(5, 5));
        } else if (way == "F3") {
            QVERIFY(QTest::qWaitForWindowActive(form_.get()));
            QTest::keyClick(&Editor(), Qt::Key_F3);
        } else if (way == "dialog") {
            closeNextDialog();
            form_->Action("Sorteren1Click")->trigger();
        } else if (way == "open file") {
            form_->Files().ChooseOpenFile = [this](const QString &) { return demo_; };
            form_->Action("Openen1Click")->trigger();
        } else if (way == "Nieuw") {
            closeNextDialog();
            form_->Action("Nieuw1Click")->trigger();
        }
        QTest::qWait(20);
        QVERIFY(!form_->IsEditing());
        QVERIFY(!Editor().isVisible());
    }

    // A class named with an "&" shows it in its tab, not an underlined
    // letter; row numbers from 100 up fit their column.
    void namesAndRowNumbersShowWhole() {
        Competition comp = test::MakeCompetition({"MX1", "Quad & ATV"});
        for (int i = 0; i < 120; ++i)
            test::AddRider(comp, *comp.Classes[0], "Rijder " + std::to_string(i), std::to_string(i + 1));
        const std::string file = dir_->Path("groot.kzb");
        const Bytes bytes = SerializeCompetition(comp);
        test::WriteAll(file, std::string(bytes.begin(), bytes.end()));
        QVERIFY(form_->LoadFile(QString::fromStdString(file), prompts_));

        const QString tab = Tabs().tabText(1);
        QVERIFY2(QKeySequence::mnemonic(tab).isEmpty(), qPrintable(tab));
        QCOMPARE(QString(tab).replace("&&", "&"), QString("Quad & ATV"));

        QHeaderView *rows = Grid().verticalHeader();
        const int needed = rows->fontMetrics().horizontalAdvance("120") +
                           2 * rows->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, rows);
        QVERIFY2(rows->width() >= needed, qPrintable(QString("%1 < %2").arg(rows->width()).arg(needed)));
    }

    void duplicateStartNumberKeepsTheFieldOpen() {
        const QString first = Cell(1, 2);
        GoTo(2, 2);
        const QString own = Cell(2, 2);
        Enter();
        QVERIFY(form_->IsEditing());
        Editor().selectAll();
        Type(first);
        Enter();
        QCOMPARE(prompts_.Messages.size(), size_t(1));
        QVERIFY(form_->IsEditing());
        QCOMPARE(Editor().text(), first);
        QCOMPARE(Cell(2, 2), own);
        QCOMPARE(Klasse().Grid.CurRow, 2);
        // Clicking another cell tries to store again; refused, the field stays on its cell.
        const QRect other = Grid().GridCellRect(4, 3);
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, other.center());
        QTest::qWait(10);
        QCOMPARE(prompts_.Messages.size(), size_t(2));
        QVERIFY(form_->IsEditing());
        QCOMPARE(Klasse().Grid.CurRow, 2);
        QCOMPARE(Klasse().Grid.CurCol, 2);
        QCOMPARE(Cell(2, 2), own);
        // A class change drops the refused edit.
        Tabs().setCurrentIndex(1);
        QVERIFY(!form_->IsEditing());
        Tabs().setCurrentIndex(0);
        QCOMPARE(Cell(2, 2), own);
    }

    void nameEditAndCursorKeys() {
        const int last = Klasse().Grid.RowCount() - 1;
        GoTo(1, 1);
        Enter(); // opens the field with the stored name
        QCOMPARE(Editor().text(), QString::fromStdString(Klasse().Rider(1)->Name.str()));
        QTest::keyClick(&Editor(), Qt::Key_Up); // unchanged: no move
        QCOMPARE(Klasse().Grid.CurRow, 1);
        QTest::keyClick(&Editor(), Qt::Key_Escape);
        // Over a name a typed character only opens the field with the name selected.
        Type("Zz");
        QVERIFY(form_->IsEditing());
        QCOMPARE(Editor().text(), QString("z"));
        QTest::keyClick(&Editor(), Qt::Key_Up); // stored: wraps to the last row
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
        Editor().selectAll();
        Type("Nieuwe naam");
        QVERIFY(SaveButtonEnabled());
        const QString target = QString::fromStdString(dir_->Path("kopie"));
        form_->Files().ChooseSaveFile = [&](const QString &) { return target; };
        form_->Action("Bewaarals1Click")->trigger(); // ends the edit first
        QVERIFY(!SaveButtonEnabled());
        QCOMPARE(form_->Comp().Modified, uint8_t(0));
        QVERIFY(QFile::exists(target + ".kzb"));

        form_->Files().ChooseOpenFile = [&](const QString &) { return target + ".kzb"; };
        form_->Action("Openen1Click")->trigger();
        QCOMPARE(QString::fromStdString(form_->Comp().FileName), target + ".kzb");
        QCOMPARE(Cell(1, col), QString("7"));
        QCOMPARE(Klasse().Rider(3)->Name.str(), std::string("Nieuwe naam"));
        QVERIFY(prompts_.Questions.empty());

        // A name with another extension saves nothing.
        form_->SetModified(ModifiedData);
        const QString text = QString::fromStdString(dir_->Path("uitslag.txt"));
        form_->Files().ChooseSaveFile = [&](const QString &) { return text; };
        form_->Action("Bewaarals1Click")->trigger();
        QVERIFY(!QFile::exists(text));
        QVERIFY(SaveButtonEnabled());
    }

    // A file another program holds opens only read-only, when the user wants
    // it so, and is then saved only under another name.
    void aLockedFileOpensReadOnlyAndSavesUnderAnotherName() {
        const std::string other = dir_->Path("ander.kzb");
        std::filesystem::copy_file(demo_.toStdString(), other);
        const std::string before = test::ReadAll(other);
        FileLock held(other, "rondaxa-cli");
        prompts_.Answers = {Answer::No};
        QVERIFY(!form_->LoadFile(QString::fromStdString(other), prompts_));
        QCOMPARE(prompts_.Questions.size(), size_t(1));
        QVERIFY2(prompts_.Questions[0].rfind(
                     "Het bestand ander.kzb is in gebruik door rondaxa-cli op computer ", 0) == 0,
                 prompts_.Questions[0].c_str());
        QCOMPARE(QString::fromStdString(form_->Comp().FileName), demo_); // the open file stays

        prompts_.Answers = {Answer::Yes};
        QVERIFY(form_->LoadFile(QString::fromStdString(other), prompts_));
        form_->SetModified(ModifiedData);
        int asked = 0;
        const QString copy = QString::fromStdString(dir_->Path("kopie.kzb"));
        form_->Files().ChooseSaveFile = [&](const QString &) {
            ++asked;
            return asked == 1 ? QString::fromStdString(other) : copy;
        };
        form_->Action("Bewaren1Click")->trigger(); // asks a name; the held file itself is refused
        QCOMPARE(asked, 1);
        QCOMPARE(prompts_.Messages.size(), size_t(1));
        QVERIFY(prompts_.Messages[0].find("Het bestand is niet bewaard.") != std::string::npos);
        QVERIFY(test::ReadAll(other) == before);
        form_->Action("Bewaren1Click")->trigger();
        QCOMPARE(asked, 2);
        QVERIFY(QFile::exists(copy));
        QCOMPARE(QString::fromStdString(form_->Comp().FileName), copy);
        QCOMPARE(form_->Comp().Modified, uint8_t(0));
    }

    // Another program saved the open file since it was read: saving over it
    // asks first. Saving twice keeps one backup: the second save sends the
    // first backup away (to the trash).
    void aFileChangedOnDiskIsOverwrittenOnlyWhenConfirmed() {
        const std::string file = demo_.toStdString();
        const std::string changed = test::ReadAll(file) + "door een ander";
        test::WriteAll(file, changed);
        form_->SetModified(ModifiedData);
        prompts_.Answers = {Answer::No};
        form_->Action("Bewaren1Click")->trigger();
        QCOMPARE(prompts_.Questions.size(), size_t(1));
        QCOMPARE(QString::fromStdString(prompts_.Questions[0]),
                 "Het bestand demo.kzb is na het openen door een ander programma gewijzigd.\r\n\r\n"
                 "Wilt u het toch overschrijven?");
        QVERIFY(test::ReadAll(file) == changed);
        QVERIFY(form_->Comp().Modified != 0);

        prompts_.Answers = {Answer::Yes};
        form_->Action("SpeedButton3")->trigger();
        QVERIFY(test::ReadAll(file) != changed);
        QCOMPARE(form_->Comp().Modified, uint8_t(0));
        QVERIFY(QFile::exists(QString::fromStdString(BackupName(file))));
        QVERIFY(disposed_.empty());
        form_->SetModified(ModifiedData);
        form_->Action("Bewaren1Click")->trigger(); // its own save is no change by another
        QCOMPARE(prompts_.Questions.size(), size_t(2));
        QCOMPARE(form_->Comp().Modified, uint8_t(0));
        QCOMPARE(disposed_, std::vector<std::string>{BackupName(file)});
    }

    // Cancel at the close prompt keeps the window, and so does Yes when the
    // save fails or its name dialog is cancelled; No closes it.
    void theClosePromptKeepsTheWindowUnlessItMayGo() {
        form_->SetModified(ModifiedData);
        prompts_.Answers = {Answer::Cancel};
        QVERIFY(!form_->close());
        QVERIFY(form_->isVisible());
        QCOMPARE(prompts_.Questions, std::vector<std::string>{"Gegevens zijn nog niet bewaard, Bewaren ?"});
        QVERIFY(ReadFormSet(store_).has_value()); // the placement is written all the same

        form_->Comp().FileName.clear(); // "Bewaren" asks for a name
        form_->Files().ChooseSaveFile = [](const QString &) { return QString("/geen/map/club.kzb"); };
        prompts_.Answers = {Answer::Yes};
        QVERIFY(!form_->close());
        QCOMPARE(prompts_.Messages, std::vector<std::string>{"Bestand niet kunnen bewaren!!!"});
        QVERIFY(form_->Comp().Modified != 0);
        form_->Files().ChooseSaveFile = [](const QString &) { return QString(); };
        prompts_.Answers = {Answer::Yes};
        QVERIFY(!form_->close());
        QCOMPARE(form_->Comp().ClassCount(), 4);

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
        form_->ShowClass(form_->Comp().ActiveClass);
        QVERIFY(!calc->menuAction()->isVisible());
    }

    void headingClickSorts() {
        const QHeaderView *headings = Grid().horizontalHeader();
        const QPoint name(headings->sectionViewportPosition(0) + 5, 5);
        auto names = [&] {
            QStringList list;
            for (int r = 1; r < Klasse().Grid.RowCount(); ++r)
                list << QString::fromStdString(
                    UpperCase1252(CellText(form_->Comp().Club, *Klasse().Rider(r), KindName, 1)));
            return list;
        };
        // The click reaches the sort; the order of repeated clicks is the core's.
        QTest::mouseClick(headings->viewport(), Qt::LeftButton, {}, name);
        QStringList sorted = names();
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(names(), sorted);
    }

    void droppedResultsAreMarked() {
        const int col = Klasse().ResultColumn(1);
        Klasse().Rider(2)->Results[1] += kDropMark;
        GoTo(1, 1);
        ClubRec &club = form_->Comp().Club;
        club.ViewFlags = 0;
        auto background = [&](int row) {
            form_->RedrawGrid();
            const QImage image = Grid().viewport()->grab().toImage();
            const QRect cell = Grid().GridCellRect(row, col);
            return QColor(image.pixel(cell.left() + 1, cell.bottom() - 1));
        };
        QCOMPARE(background(2), QColor(0x00, 0x80, 0x80)); // MarkColor
        club.ViewFlags = ViewNoMarkColour;
        QCOMPARE(background(2), background(3)); // the column's own colour
        club.ViewFlags = 0;
        GoTo(2, col); // a selected cell shows no mark
        QCOMPARE(background(2), Grid().palette().color(QPalette::Active, QPalette::Highlight));
    }

    void rowLabelsMoveTheRiderAndAClickRenumbers() {
        const TRijder *first = Klasse().Rider(1);
        const TRijder *second = Klasse().Rider(2);
        Grid().verticalHeader()->moveSection(0, 2); // as a drag does
        QCOMPARE(Klasse().Rider(3), first);
        QCOMPARE(Klasse().Rider(1), second);
        QCOMPARE(QString::fromStdString(Klasse().Grid.RowAt(3).Label), QString("1")); // the label moves along
        QCOMPARE(Grid().verticalHeader()->visualIndex(0), 0);
        QCOMPARE(Grid().GridModel().CellString(3, 1), QString::fromStdString(NameDisplay(first->Name.str())));
        QVERIFY(SaveButtonEnabled());

        // A click on a row label numbers the rows again.
        Klasse().Grid.RowAt(1).Label = "x";
        const QHeaderView *rows = Grid().verticalHeader();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                          QPoint(5, rows->sectionViewportPosition(0) + 3));
        QCOMPARE(QString::fromStdString(Klasse().Grid.RowAt(1).Label), QString("1"));
        QCOMPARE(QString::fromStdString(Klasse().Grid.RowAt(3).Label), QString("3"));
    }

    void notificationNeedsTheFirstPaintKey() {
        Tabs().setCurrentIndex(2);
        form_->Comp().Classes[2]->Name = "Anders";
        form_->Notify(TMainForm::kNotifyShowClass, form_->NotificationKey() + 1);
        QVERIFY(!form_->windowTitle().endsWith("Anders[*]"));
        form_->Notify(TMainForm::kNotifyShowClass, form_->NotificationKey());
        QVERIFY(form_->windowTitle().endsWith("Anders[*]"));
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
        QCOMPARE(test::TabsOf(form).count(), 1);
        QCOMPARE(test::TabsOf(form).tabText(0), QString("?"));
        QCOMPARE(form.windowTitle(), QString("Rondaxa[*]"));
        QCOMPARE(form.HelpContext(), TMainForm::kHelpNoCompetition);
    }

    void startUpActionLoadsTheLastFileSilently() {
        for (const bool present : {true, false}) {
            test::ScriptedPrompts prompts;
            MemorySettingsStore store;
            store.WriteInt(kSettingOptions, StartupLoadLast);
            store.WriteString(kSettingLastFile, present ? demo_.toStdString() : dir_->Path("weg.kzb"));
            TMainForm form(prompts, store);
            form.show();
            QTRY_VERIFY(form.FirstPaintDone());
            QCOMPARE(form.Comp().ClassCount(), present ? 4 : 0);
            QVERIFY(prompts.Messages.empty());
        }
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
