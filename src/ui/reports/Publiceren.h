// "Bestand > Pu&bliceren naar map...": the season's web site of the open
// competition, with its standings calculated by the club's rules, written
// into a folder the user chooses; the folder is offered again next time.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"

#include <QString>

#include <functional>

class QWidget;

namespace rondaxa {

// The folder chooser (the platform's folder dialog); tests replace it.
// Returns "" when the user cancels.
extern std::function<QString(QWidget *parent, const QString &folder)> ChoosePublishFolder;
// Opens the site's index page in the user's browser; tests replace it.
extern std::function<void(const QString &indexPage)> ShowPublishedSite;

// The folder last published to, or the user's home folder.
QString LastPublishFolder();

// The command: chooses the folder, writes the site and offers to show it.
// A write error is reported; the competition is not changed.
void PublishSeasonSite(const Competition &comp, Prompts &prompts, QWidget *parent);

} // namespace rondaxa
