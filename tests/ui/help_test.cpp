// The built-in help: every help context the program uses has its own page
// with real text, the contents page links them all, and help buttons and F1
// open the page of their window.
#include "ui/platform/Help.h"
#include "ui/platform/HelpWindow.h"

#include <QApplication>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

using namespace rondaxa;

namespace {

// Every help context that a window or dialog of the program carries.
const int kContexts[] = {1,   10,  60,  70,  120, 130, 140, 210, 230, 232, 235, 240,
                         250, 255, 260, 265, 270, 275, 310, 315, 320, 330, 340, 410,
                         420, 430, 510, 520, 530, 540, 550, 570, 580, 720, 730, 740};

HelpWindow *OpenHelpWindow() {
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<HelpWindow *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

HelpWindow *HelpWindowIn(QWidget *parent) {
    return parent->findChild<HelpWindow *>();
}

QString PageText(int context) {
    QFile file(HelpPageUrl(context).toString().replace("qrc:", ":"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ShowHelpContents(); } // loads the resources and makes the window

    void cleanup() {
        if (HelpWindow *window = OpenHelpWindow())
            window->close();
    }

    // Every context has a finished page of its own, linked from the
    // contents, whose links lead to pages that exist.
    void everyContextHasAFinishedPageInTheContents() {
        const QString contents = HelpContentsHtml();
        const QRegularExpression link("href=\"([0-9]+)\\.html\"");
        for (int context : kContexts) {
            const QString where = QString::number(context);
            QVERIFY2(HasHelpPage(context), qPrintable(where));
            QVERIFY2(contents.contains(QString("href=\"%1.html\"").arg(context)), qPrintable(where));
            const QString html = PageText(context);
            QVERIFY2(html.contains("<h1>") && !html.contains("<p>...</p>"), qPrintable(where));
            QVERIFY2(QString(html).remove(QRegularExpression("<[^>]*>")).simplified().size() > 300,
                     qPrintable(where + " is too thin"));
            for (auto matches = link.globalMatch(html); matches.hasNext();) {
                const int target = matches.next().captured(1).toInt();
                QVERIFY2(HasHelpPage(target), qPrintable(where + " links to " + QString::number(target)));
            }
        }
        QCOMPARE(HelpTopics().size(), std::size(kContexts));
    }

    void showHelpOpensThePageOfTheContext() {
        ShowHelp(570);
        HelpWindow *window = OpenHelpWindow();
        QVERIFY(window);
        QCOMPARE(window->CurrentPage(), QUrl("qrc:/help/570.html"));
        QCOMPARE(window->CurrentTitle(), QString("Algemene instellingen"));
        QVERIFY(window->windowTitle().endsWith("Algemene instellingen"));

        ShowHelp(9999); // unknown: the contents
        QCOMPARE(window->CurrentPage(), HelpContentsUrl());
        auto *browser = window->findChild<QTextBrowser *>();
        QVERIFY(browser->toPlainText().contains("Algemene instellingen"));
    }

    void helpButtonOpensItsContext() {
        QWidget dialog;
        auto *button = new QPushButton("&Help", &dialog);
        ConnectHelpButton(button, 240);
        button->click();
        HelpWindow *window = OpenHelpWindow();
        QVERIFY(window);
        QCOMPARE(window->CurrentPage(), QUrl("qrc:/help/240.html"));
    }

    void f1UsesTheContextOfTheFocusedPart() {
        InstallHelpKey(*qApp);
        QDialog dialog;
        SetHelpContext(&dialog, 510);
        auto *tabs = new QTabWidget(&dialog);
        auto *page = new QWidget;
        auto *edit = new QLineEdit(page);
        SetHelpContext(page, 530);
        tabs->addTab(page, "&Rekenmethode");
        auto *plain = new QLineEdit(&dialog);
        QCOMPARE(HelpContextOf(edit), 530);
        QCOMPARE(HelpContextOf(plain), 510);
        QCOMPARE(HelpContextOf(nullptr), 0);

        // F1 while the modal dialog runs: the page of the tab, in a help
        // window that belongs to the dialog so that it is not blocked by it.
        QUrl shown;
        bool ownedByDialog = false;
        QTimer::singleShot(0, &dialog, [&] {
            edit->setFocus();
            QTest::keyClick(edit, Qt::Key_F1);
            if (HelpWindow *window = HelpWindowIn(&dialog)) {
                shown = window->CurrentPage();
                ownedByDialog = window->isVisible();
            }
            dialog.reject();
        });
        dialog.exec();
        QCOMPARE(shown, QUrl("qrc:/help/530.html"));
        QVERIFY(ownedByDialog);
    }

    // Every help context the program's sources name - as a number in a help
    // call or as a help constant (kHelp... = 570, kPageHelp[] = {520, ...}) -
    // must have a page.
    void contextsUsedInTheSourcesHavePages() {
        const QRegularExpression inCall(
            "(?:ShowHelp|ConnectHelpButton|SetHelpContext)\\([^;()]*?\\b([0-9]+)\\s*\\)");
        const QRegularExpression constant(
            "\\bk\\w*Help\\w*(?:\\[[^\\]]*\\])?\\s*=\\s*\\{?([0-9][0-9, ]*)\\}?");
        QDirIterator files(QString(RONDAXA_SOURCE_DIR) + "/src/ui", {"*.cpp", "*.h"}, QDir::Files,
                           QDirIterator::Subdirectories);
        int uses = 0;
        while (files.hasNext()) {
            QFile file(files.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString source = QString::fromUtf8(file.readAll());
            for (const QRegularExpression &pattern : {inCall, constant}) {
                auto matches = pattern.globalMatch(source);
                while (matches.hasNext()) {
                    const QStringList numbers = matches.next().captured(1).split(',', Qt::SkipEmptyParts);
                    for (const QString &number : numbers) {
                        const int context = number.trimmed().toInt();
                        ++uses;
                        QVERIFY2(
                            HasHelpPage(context),
                            qPrintable(QString("%1 uses help context %2").arg(file.fileName()).arg(context)));
                    }
                }
            }
        }
        QVERIFY(uses >= 3); // at least the platform's own constants
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
