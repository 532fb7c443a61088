// Manual driver for looking at the dialogs on a real screen (not a test; not
// built by CMake). After building rondaxa_ui:
//   g++ -std=c++20 -fPIC -I src/ui -I src/core $(pkg-config --cflags Qt6Widgets)
//       tests/ui/screenshot_driver.cpp build/src/ui/librondaxa_ui.a build/src/core/librondaxa_core.a
//       $(pkg-config --libs Qt6Widgets Qt6PrintSupport) -o /tmp/driver
//   xvfb-run -a -s '-screen 0 1280x800x24' /tmp/driver settings|help N|contents|info|folder|ask OUT.png
// It shows the window, takes a picture of the whole screen with ImageMagick's
// "import" and quits.
#include "core/model/settings.h"
#include "ui/app/ChangeLoc.h"
#include "ui/app/Informatie.h"
#include "ui/app/SetExtra.h"
#include "ui/platform/Application.h"
#include "ui/platform/Help.h"
#include "ui/platform/QtPrompts.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>

using namespace rondaxa;

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    InitialisePlatform(app);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString what = args.at(1);
    const QString out = args.last();

    MemorySettingsStore store;
    store.WriteInt(kSettingOptions, StartupLoadLast + PrefHideToolbar);
    store.WriteString(kSettingWorkFolder, "/home/club/Wedstrijden 2026");
    QtPrompts prompts;
    std::unique_ptr<QWidget> window;
    if (what == "settings") {
        window = std::make_unique<TSetExtra>(store, prompts);
    } else if (what == "info") {
        CompetitionFacts facts{"/home/club/Wedstrijden 2026/MX Noord 2026.KZB", "05-03-2026  14:07",
                               "06-12-2026  09:30", 4, 87};
        window = std::make_unique<TInformatie>(facts);
    } else if (what == "folder") {
        window = std::make_unique<TChangeLoc>("/usr/share");
    } else if (what == "help") {
        ShowHelp(args.at(2).toInt());
    } else if (what == "contents") {
        ShowHelpContents();
    }
    if (what == "ask") {
        QTimer::singleShot(1500, [&] {
            QProcess::execute("import", {"-window", "root", out});
            app.quit();
        });
        prompts.Ask("Gegevens zijn nog niet bewaard, Bewaren ?", Buttons::YesNoCancel);
        return 0;
    }
    if (window) {
        window->move(40, 40);
        window->show();
    }
    QTimer::singleShot(1500, [&] {
        QProcess::execute("import", {"-window", "root", out});
        app.quit();
    });
    return app.exec();
}
