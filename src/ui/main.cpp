// The desktop program: the main window over the one open competition.
#include "ui/app/KZBmain.h"
#include "ui/platform/Platform.h"

#include <QApplication>

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// The whole command line where the system keeps one (a quoted program path
// is recognised there); elsewhere the arguments come already split.
std::string WholeCommandLine() {
#ifdef _WIN32
    return QString::fromWCharArray(GetCommandLineW()).toStdString();
#else
    return {};
#endif
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    rondaxa::InitialisePlatform(app);
    rondaxa::QtPrompts prompts;
    rondaxa::QtSettingsStore store;
    rondaxa::TMainForm window(prompts, store);
    prompts.SetParent(&window);
    std::vector<std::string> params;
    const QStringList arguments = QApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        params.push_back(arguments[i].toStdString());
    window.SetCommandLine(WholeCommandLine(), params);
    window.show();
    return app.exec();
}
