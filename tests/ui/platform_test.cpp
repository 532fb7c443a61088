// Qt sides of the core's platform seams: Dutch standard buttons, the message
// boxes of the prompts seam, the locale's decimal separator, the clock and
// the cp1252 text conversion.
#include "core/model/dates.h"
#include "ui/platform/Application.h"
#include "ui/platform/ModelText.h"
#include "ui/platform/QtClockLocale.h"
#include "ui/platform/QtPrompts.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
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
        QCOMPARE(text, QString("Gegevens zijn nog niet bewaard, Bewaren ?"));
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(buttonCount, 3);
    }

    void captionedQuestionCarriesItsCaption() {
        QtPrompts prompts;
        QString title;
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

    void messageTextsAreConvertedFromTheModel() {
        QtPrompts prompts;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        WhenBoxShows([&](QMessageBox &box) {
            text = box.text();
            icon = box.icon();
            box.accept();
        });
        prompts.Message("Deze naam komt al voor: Ren\xE9 M\xFCller", MessageIcon::Exclamation); // cp1252
        QCOMPARE(text, QString::fromUtf8("Deze naam komt al voor: René Müller"));
        QCOMPARE(icon, QMessageBox::Warning);

        WhenBoxShows([&](QMessageBox &box) {
            text = box.text();
            box.accept();
        });
        prompts.Message("Rijdergegevens kopi\xC3\xABren", MessageIcon::Information); // UTF-8
        QCOMPARE(text, QString::fromUtf8("Rijdergegevens kopiëren"));
    }

    // A short message still gives a box wide enough for its title beside the
    // title bar's icon and buttons.
    void shortMessageKeepsItsTitleReadable() {
        QtPrompts prompts;
        int width = 0, needed = 0;
        WhenBoxShows([&](QMessageBox &box) {
            width = box.width();
            needed = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 150;
            box.accept();
        });
        prompts.Message("Fout nr.: 4", MessageIcon::Exclamation);
        QVERIFY2(width >= needed, qPrintable(QString("%1 < %2").arg(width).arg(needed)));
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
