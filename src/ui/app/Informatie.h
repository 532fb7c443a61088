// "Informatie": the program's title and version, figures of the open
// competition and the maker's mail and web addresses.
#pragma once

#include "core/model/model.h"

#include <QDialog>
#include <QString>

namespace rondaxa {

// Addresses of the maker shown in the dialog.
inline constexpr const char *kMakerMail = "kzb@brelinq.nl";
inline constexpr const char *kMakerWeb = "https://www.brelinq.nl/kzb";
inline constexpr const char *kMailSubject = "KZB programma";

// The figures the dialog shows for a competition.
struct CompetitionFacts {
    QString FileName;
    QString Created; // "dd-mm-yyyy  hh:nn", empty when unknown
    QString Saved;
    int Classes = 0;
    int Riders = 0;
};

CompetitionFacts FactsOf(const Competition &competition);
// Rider rows of a class; a last row without a rider or with an empty rider
// (the row a new rider is typed into) does not count.
int RiderRowCount(const TKlasse &klasse);

class TInformatie : public QDialog {
    Q_OBJECT
public:
    explicit TInformatie(const CompetitionFacts &facts, QWidget *parent = nullptr);

private:
    void OpenLink(const QString &link);
};

void ShowInformation(const Competition &competition, QWidget *parent);

} // namespace rondaxa
