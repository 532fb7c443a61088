// Qt sides of the core's platform seams: Dutch standard buttons, the message
// boxes of the prompts seam, the locale's decimal separator, the clock and
// the cp1252 text conversion.
#include "core/model/dates.h"
#include "ui/platform/Application.h"
#include "ui/platform/CommandKeys.h"
#include "ui/platform/ModelText.h"
#include "ui/platform/QtClockLocale.h"
#include "ui/platform/QtPrompts.h"
#include "ui/platform/WindowPlacement.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>

using namespace rondaxa;

namespace {

// Runs action on the message box as soon as it is shown.
void WhenBoxShows(const std::function<void(QMessageBox &)> &action) {
    QTimer::singleShot(0, [action] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        action(*box);
    });
}

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(InstallDutchTranslations(*qApp)); }

    void standardButtonsAreDutch() {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove('&'), QString("Ja"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove('&'), QString("Nee"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text().remove('&'), QString("Annuleren"));
        QCOMPARE(box.button(QMessageBox::Ok)->text().remove('&'), QString("OK"));
    }

    void askShowsAQuestionTitledRondaxa() {
        QtPrompts prompts;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttonCount = 0;
        WhenBoxShows([&](QMessageBox &box) {
            title = box.windowTitle();
            text = box.text();
            icon = box.icon();
            buttonCount = int(box.buttons().size());
            box.button(QMessageBox::No)->click();
        });
        QCOMPARE(prompts.Ask("Gegevens zijn nog niet bewaard, Bewaren ?", Buttons::YesNoCancel), Answer::No);
        QCOMPARE(title, QString("Rondaxa"));
        // The question mark is bound to its word: a long question that wraps
        // does not put it on a line of its own.
        QCOMPARE(text, QString("Gegevens zijn nog niet bewaard, Bewaren\u00A0?"));
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(buttonCount, 3);

        // A captioned question carries its caption.
        WhenBoxShows([&](QMessageBox &box) {
            title = box.windowTitle();
            box.button(QMessageBox::Yes)->click();
        });
        QCOMPARE(prompts.AskCaptioned("Rijdergegevens plakken", "Plakken ?", Buttons::YesNo), Answer::Yes);
        QCOMPARE(title, QString("Rijdergegevens plakken"));
    }

    void askAnswers_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("answer");
        QTest::newRow("yes") << int(Buttons::YesNo) << int(Qt::Key_Return) << int(Answer::Yes);
        QTest::newRow("escape without cancel is no")
            << int(Buttons::YesNo) << int(Qt::Key_Escape) << int(Answer::No);
        QTest::newRow("escape with cancel")
            << int(Buttons::YesNoCancel) << int(Qt::Key_Escape) << int(Answer::Cancel);
    }
    void askAnswers() {
        QFETCH(int, buttons);
        QFETCH(int, press);
        QFETCH(int, answer);
        QtPrompts prompts;
        WhenBoxShows([press](QMessageBox &box) { QTest::keyClick(&box, Qt::Key(press)); });
        QCOMPARE(prompts.Ask("Doorgaan ?", Buttons(buttons)), Answer(answer));
    }

    // Message texts are converted from the model's text (cp1252 or UTF-8);
    // a short message still gives a box wide enough for its title beside
    // the title bar's icon and buttons.
    void messageTextsAreConvertedAndTheBoxKeepsItsTitleReadable() {
        QtPrompts prompts;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int width = 0, needed = 0;
        const auto show = [&](const char *message, MessageIcon kind) {
            WhenBoxShows([&](QMessageBox &box) {
                text = box.text();
                icon = box.icon();
                width = box.width();
                needed = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 150;
                box.accept();
            });
            prompts.Message(message, kind);
        };
        show("Deze naam komt al voor: Ren\xE9 M\xFCller", MessageIcon::Exclamation); // cp1252
        QCOMPARE(text, QString::fromUtf8("Deze naam komt al voor: René Müller"));
        QCOMPARE(icon, QMessageBox::Warning);
        show("Rijdergegevens kopi\xC3\xABren", MessageIcon::Information); // UTF-8
        QCOMPARE(text, QString::fromUtf8("Rijdergegevens kopiëren"));
        show("Fout nr.: 4", MessageIcon::Exclamation);
        QVERIFY2(width >= needed, qPrintable(QString("%1 < %2").arg(width).arg(needed)));
    }

    // Alt or Ctrl with a key types nothing into any kind of field; the
    // fields' own Ctrl keys still work, and Ctrl+Alt (AltGr on Windows)
    // still types its character.
    void commandKeysTypeNoText() {
        InstallCommandKeyFilter(*qApp);
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *line = new QLineEdit(&window);
        auto *spin = new QSpinBox(&window);
        auto *plain = new QPlainTextEdit(&window);
        const QList<QWidget *> fields = {line, spin, plain};
        for (QWidget *field : fields)
            layout->addWidget(field);
        spin->setRange(0, 99);
        spin->clear();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (QWidget *field : fields) {
            field->setFocus();
            for (const Qt::KeyboardModifier modifier : {Qt::AltModifier, Qt::ControlModifier}) {
                QTest::keyClick(field, Qt::Key_N, modifier);
                QTest::keyClick(field, Qt::Key_7, modifier);
            }
        }
        QCOMPARE(line->text(), QString());
        QCOMPARE(spin->text(), QString());
        QCOMPARE(plain->toPlainText(), QString());

        QApplication::clipboard()->setText("plak");
        line->setFocus();
        QTest::keyClick(line, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(line, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(line->text(), QString("plake"));
    }

    // A stored window place always ends up on a screen: kept where it lies
    // wholly on one, else fitted into the screen it overlaps most (the
    // primary one when none), as after a change of scale factor.
    void storedPlacesAreKeptOnAScreen() {
        const QList<QRect> screens = {QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(PlaceOnScreens(QRect(100, 100, 800, 600), screens), QRect(100, 100, 800, 600));
        QCOMPARE(PlaceOnScreens(QRect(2000, 50, 800, 600), screens), QRect(2000, 50, 800, 600));
        QCOMPARE(PlaceOnScreens(QRect(1700, 400, 1800, 1200), screens), QRect(1920, 0, 1280, 1024));
        QCOMPARE(PlaceOnScreens(QRect(5000, 5000, 900, 600), screens), QRect(1020, 440, 900, 600));
        QCOMPARE(PlaceOnScreens(QRect(-300, 20, 900, 600), screens), QRect(0, 20, 900, 600));
        QCOMPARE(PlaceOnScreens(QRect(-300, 20, 900, 600), {}), QRect(-300, 20, 900, 600));
    }

    void modelTextRoundTrip() {
        const std::string bytes = "Caf\xE9 \x80 5\xB0 \x93quote\x94";
        const QString shown = FromModelText(bytes);
        QCOMPARE(shown, QString::fromUtf8("Café € 5° “quote”"));
        QCOMPARE(ToModelText(shown), bytes);
        QCOMPARE(ToModelText(QString::fromUtf8("日本")), std::string("??"));
    }

    void decimalSeparatorFollowsTheLocale() {
        QCOMPARE(DecimalSeparatorOf(QLocale(QLocale::Dutch, QLocale::Netherlands)), ',');
        QCOMPARE(DecimalSeparatorOf(QLocale(QLocale::English, QLocale::UnitedKingdom)), '.');
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        InstallQtClockAndLocale();
        QCOMPARE(CurrentLocale().DecimalSeparator(), ',');
        QLocale::setDefault(QLocale::c());
        QCOMPARE(CurrentLocale().DecimalSeparator(), '.');
    }

    void clockGivesTheLocalDate() {
        const QDate before = QDate::currentDate();
        const DateTime now = DecodeDosStamp(QtClock().NowStamp());
        const CalendarDate today = QtClock().Today();
        const QDate after = QDate::currentDate();
        const QDate stamped(now.Year, now.Month, now.Day);
        QVERIFY(stamped == before || stamped == after);
        const QDate day(today.Year, today.Month, today.Day);
        QVERIFY(day == before || day == after);
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
