#include "ui/reports/Publiceren.h"

#include "core/reports/season_site.h"
#include "ui/platform/Hourglass.h"
#include "ui/platform/ModelText.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QSettings>
#include <QUrl>

namespace rondaxa {

namespace {

constexpr const char *kPublishFolderKey = "PublishFolder";

QString DefaultChooseFolder(QWidget *parent, const QString &folder) {
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Publiceren naar map"), folder);
}

void DefaultShowSite(const QString &indexPage) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(indexPage));
}

} // namespace

std::function<QString(QWidget *parent, const QString &folder)> ChoosePublishFolder = DefaultChooseFolder;
std::function<void(const QString &indexPage)> ShowPublishedSite = DefaultShowSite;

QString LastPublishFolder() {
    return QSettings().value(QLatin1String(kPublishFolderKey), QDir::homePath()).toString();
}

void PublishSeasonSite(const Competition &comp, Prompts &prompts, QWidget *parent) {
    const QString folder = ChoosePublishFolder(parent, LastPublishFolder());
    if (folder.isEmpty())
        return;
    QSettings().setValue(QLatin1String(kPublishFolderKey), folder);
    try {
        const Hourglass hourglass;
        const auto calculated = CalculatedCopy(comp);
        WriteSite(folder.toStdString(), BuildSeasonSite(*calculated, SiteChoices{}));
    } catch (const IoError &error) {
        prompts.Message(error.what(), MessageIcon::Error);
        return;
    }
    const QString index = QDir(folder).filePath(QString::fromLatin1(kSiteIndexPage));
    const std::string question =
        "De website staat in de map\n" + ToModelText(QDir::toNativeSeparators(folder)) + "\n\nNu bekijken?";
    if (prompts.Ask(question, Buttons::YesNo) == Answer::Yes)
        ShowPublishedSite(index);
}

} // namespace rondaxa
