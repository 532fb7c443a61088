// Publishing the season to a folder and the season chart window, offscreen,
// on the demo competition.
#include "core/model/settings.h"
#include "core/reports/season_chart.h"
#include "core/reports/season_site.h"
#include "support/test_files.h"
#include "support/ui_support.h"
#include "support/window_fixture.h"
#include "ui/app/KZBmain.h"
#include "ui/reports/Publiceren.h"
#include "ui/scoring/Seizoensverloop.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QSpinBox>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <filesystem>

using namespace rondaxa;
using rondaxa::test::ClickButton;
using rondaxa::test::OnNextDialog;

class PublishTest : public QObject, test::WindowFixture {
    Q_OBJECT

private:
    // The elements of an XML text by name, read by Qt's own parser.
    static std::map<QString, int> Elements(const std::string &xml) {
        std::map<QString, int> counts;
        QXmlStreamReader reader(QByteArray::fromStdString(xml));
        while (!reader.atEnd())
            if (reader.readNext() == QXmlStreamReader::StartElement)
                ++counts[reader.name().toString()];
        if (reader.hasError())
            qWarning("%s", qPrintable(reader.errorString()));
        return reader.hasError() ? std::map<QString, int>{} : counts;
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("RondaxaTest"));
        QCoreApplication::setApplicationName(QStringLiteral("PublishTest"));
    }

    void init() { QVERIFY(OpenWindow()); }

    void cleanup() {
        CloseWindow();
        ChoosePublishFolder = nullptr;
        ShowPublishedSite = nullptr;
        TSeizoensverloop::ChooseChartFile = nullptr;
    }

    void publishingWritesTheSiteAndRemembersTheFolder() {
        QAction *action = form_->Action("Publicerennaarmap1Click");
        // Its Alt key is its own in the menu ("&Printen..." has P).
        const auto *menu = qobject_cast<const QMenu *>(action->associatedObjects().value(0));
        QVERIFY(menu);
        const QKeySequence key = QKeySequence::mnemonic(action->text());
        QCOMPARE(key, QKeySequence::mnemonic("&b"));
        const QList<QAction *> items = menu->actions();
        QCOMPARE(
            std::count_if(items.begin(), items.end(),
                          [&](const QAction *item) { return QKeySequence::mnemonic(item->text()) == key; }),
            1);
        const QString folder = QString::fromStdString(dir_->Path("web site"));
        QString offered;
        ChoosePublishFolder = [&](QWidget *, const QString &start) {
            offered = start;
            return folder;
        };
        QString shown;
        ShowPublishedSite = [&](const QString &index) { shown = index; };
        const std::vector<std::string> names = test::RiderNames(*form_->ActiveClass());
        prompts_.Answers = {Answer::Yes};
        action->trigger();
        QVERIFY(std::filesystem::exists(dir_->Path("web site/index.html")));
        QVERIFY(std::filesystem::exists(dir_->Path("web site/veteranen.html")));
        QCOMPARE(shown, folder + "/index.html");
        QCOMPARE(prompts_.Questions.size(), std::size_t{1});
        // The grid is left as it was, and nothing is to be saved.
        QCOMPARE(test::RiderNames(*form_->ActiveClass()), names);
        QCOMPARE(form_->Comp().Modified, uint8_t{0});

        // Next time the same folder is offered; cancelling writes nothing.
        ChoosePublishFolder = [&](QWidget *, const QString &start) {
            offered = start;
            return QString();
        };
        action->trigger();
        QCOMPARE(offered, folder);
        QCOMPARE(prompts_.Questions.size(), std::size_t{1});
    }

    void aFolderThatCannotBeWrittenIsReported() {
        test::WriteAll(dir_->Path("plain"), "x");
        ChoosePublishFolder = [&](QWidget *, const QString &) {
            return QString::fromStdString(dir_->Path("plain"));
        };
        form_->Action("Publicerennaarmap1Click")->trigger();
        QCOMPARE(prompts_.Messages.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(prompts_.Messages[0]).startsWith("Kan map niet maken"));
        QVERIFY(prompts_.Questions.empty());
    }

    void theChartWindowShowsTheActiveClassAndSavesSvgAndPng() {
        QAction *action = form_->Action("Seizoensverloop1Click");
        QCOMPARE(action->text(), QString("&Seizoensverloop..."));
        bool seen = false;
        OnNextDialog<TSeizoensverloop>(
            [&](TSeizoensverloop &window) {
                QVERIFY(window.windowTitle().endsWith("MX1"));
                QCOMPARE(Elements(window.Svg())[QStringLiteral("polyline")], kDefaultChartTop);
                window.TopBox()->setValue(4);
                QCOMPARE(Elements(window.Svg())[QStringLiteral("polyline")], 4);
                QVERIFY(QSvgRenderer(QByteArray::fromStdString(window.Svg())).isValid());

                const QString svg = QString::fromStdString(dir_->Path("chart.svg"));
                TSeizoensverloop::ChooseChartFile = [&](QWidget *, const QString &) { return svg; };
                ClickButton(window, "&Opslaan als...");
                QCOMPARE(test::ReadAll(svg.toStdString()),
                         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + window.Svg());

                const QString png = QString::fromStdString(dir_->Path("chart.PNG"));
                QVERIFY(window.SaveChart(png));
                const QImage image(png, "PNG");
                QCOMPARE(image.size(), QSize(1520, 880));
                QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
                ClickButton(window, "&Sluiten");
            },
            &seen);
        action->trigger();
        QVERIFY(seen);
        QVERIFY(prompts_.Messages.empty());
    }
};

QTEST_MAIN(PublishTest)
#include "publish_test.moc"
