// The information dialog: its figures (file name, the two stamps in the day-
// month-year form with the time, the number of classes and of rider rows,
// where the row waiting for a new rider does not count), its links and logo.
#include "core/model/dates.h"
#include "ui/app/Informatie.h"
#include "ui/platform/HelpWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QUrl>
#include <QtTest>

using namespace rondaxa;

namespace {

void AddRider(TKlasse &klasse, ClubRec &club, const char *name) {
    const int row = NewRiderRow(klasse, club);
    QVERIFY(row > 0);
    klasse.Rider(row)->Name = name;
}

// Receives the addresses the dialog asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Opened;
public slots:
    void Open(const QUrl &url) { Opened << url; }
};

} // namespace

class InformatieTest : public QObject {
    Q_OBJECT

private slots:
    void theDialogShowsTheFactsAndItsLinksAndLogoLeadOn() {
        Competition competition;
        competition.FileName = "/clubs/MX 2026.KZB";
        competition.Club.DateCreated = EncodeDosStamp(DateTime{2001, 3, 5, 14, 7, 0});
        competition.Club.DateSaved = 0;
        competition.Classes.push_back(CreateClass(competition.Club, "A"));
        competition.Classes.push_back(CreateClass(competition.Club, "B"));
        competition.Classes.push_back(CreateClass(competition.Club, "Leeg")); // its row holds no rider
        AddRider(*competition.Classes[0], competition.Club, "Jansen");
        AddRider(*competition.Classes[1], competition.Club, "de Vries");
        AddRider(*competition.Classes[1], competition.Club, "Bakker");
        NewRiderRow(*competition.Classes[1], competition.Club); // the row being typed: no rider yet

        const CompetitionFacts facts = FactsOf(competition);
        QCOMPARE(facts.FileName, QString("/clubs/MX 2026.KZB"));
        QCOMPARE(facts.Created, QString("05-03-2001  14:07"));
        QCOMPARE(facts.Saved, QString());
        QCOMPARE(facts.Classes, 3);
        QCOMPARE(facts.Riders, 3);

        TInformatie dialog(facts);
        QCOMPARE(dialog.windowTitle(), QString("Informatie"));
        QStringList texts;
        for (QLabel *label : dialog.findChildren<QLabel *>())
            texts << label->text();
        QVERIFY(texts.contains("Rondaxa voor Windows"));
        QVERIFY(texts.contains("05-03-2001  14:07"));
        QVERIFY(texts.contains("3"));

        // The links open a mail with its subject and the web page.
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("mailto", &catcher, "Open");
        QDesktopServices::setUrlHandler("https", &catcher, "Open");
        for (QLabel *label : dialog.findChildren<QLabel *>()) {
            const QString text = label->text();
            const int start = text.indexOf("href=\"");
            if (start >= 0)
                emit label->linkActivated(text.mid(start + 6, text.indexOf('"', start + 6) - start - 6));
        }
        QDesktopServices::unsetUrlHandler("mailto");
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(catcher.Opened.size(), 2);
        QCOMPARE(catcher.Opened[0].scheme(), QString("mailto"));
        QCOMPARE(catcher.Opened[0].path(), QString(kMakerMail));
        QCOMPARE(catcher.Opened[0].query(QUrl::FullyDecoded), QString("subject=KZB programma"));
        QCOMPARE(catcher.Opened[1], QUrl(kMakerWeb));

        // The logo opens the help.
        dialog.show();
        QWidget *logo = nullptr;
        for (QWidget *child : dialog.findChildren<QWidget *>())
            if (child->toolTip() == "Help")
                logo = child;
        QVERIFY(logo);
        QTest::mouseClick(logo, Qt::LeftButton);
        HelpWindow *help = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *candidate = qobject_cast<HelpWindow *>(window); candidate && candidate->isVisible())
                help = candidate;
        QVERIFY(help);
        QCOMPARE(help->CurrentPage(), QUrl("qrc:/help/1.html"));
        help->close();
    }
};

QTEST_MAIN(InformatieTest)
#include "informatie_test.moc"
