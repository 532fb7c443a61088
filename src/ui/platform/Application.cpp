#include "ui/platform/Application.h"

#include "ui/platform/CommandKeys.h"
#include "ui/platform/Help.h"
#include "ui/platform/QtClockLocale.h"
#include "ui/platform/QtPrompts.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

// The program's icon in its usual sizes, compiled into the program (icons.qrc).
static void InitIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace rondaxa {

void InstallProgramIcon(QApplication &app) {
    InitIconResources();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    app.setWindowIcon(icon);
    // Lets the desktop match the windows to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.brelinq.Rondaxa"));
}

bool InstallDutchTranslations(QApplication &app) {
    const QString folders[] = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    for (const QString &folder : folders) {
        auto *translator = new QTranslator(&app);
        if (translator->load(QStringLiteral("qtbase_nl"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}

void InitialisePlatform(QApplication &app) {
    QCoreApplication::setOrganizationName(QStringLiteral("Brelinq"));
    QCoreApplication::setApplicationName(QStringLiteral("KZB"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    InstallDutchTranslations(app);
    InstallProgramIcon(app);
    InstallQtClockAndLocale();
    InstallHelpKey(app);
    InstallCommandKeyFilter(app);
}

} // namespace rondaxa
