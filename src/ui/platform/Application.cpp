#include "ui/platform/Application.h"

#include "ui/platform/Help.h"
#include "ui/platform/QtClockLocale.h"
#include "ui/platform/QtPrompts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace rondaxa {

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
    InstallQtClockAndLocale();
    InstallHelpKey(app);
}

} // namespace rondaxa
