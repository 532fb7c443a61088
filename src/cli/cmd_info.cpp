#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/options.h"

#include "core/model/dates.h"

#include <iostream>

namespace rondaxa::cli {

namespace {

int RiderRows(const TKlasse &klasse) {
    int riders = 0;
    for (int r = 1; r < klasse.Grid.RowCount(); ++r)
        if (klasse.Rider(r))
            ++riders;
    return riders;
}

} // namespace

int RunInfo(const CommandArgs &arguments) {
    const std::string file = ReadOptions(arguments, "info", kFileOperand, {});

    auto comp = LoadForCli(file);
    const ClubRec &club = comp->Club;
    int riders = 0;
    for (const auto &klasse : comp->Classes)
        riders += RiderRows(*klasse);

    std::cout << "Club: " << ForTerminal(club.ClubName) << '\n'
              << "Versie: " << club.Version << '\n'
              << "Aangemaakt op: " << FormatStamp(club.DateCreated, 0, true) << '\n'
              << "Laatste bewerkt: " << FormatStamp(club.DateSaved, 0, true) << '\n'
              << "Klassen: " << comp->ClassCount() << '\n'
              << "Rijders: " << riders << '\n';
    for (const auto &klasse : comp->Classes)
        std::cout << ForTerminal(klasse->Name) << '\t' << RiderRows(*klasse) << '\t' << klasse->ResultCount
                  << '\n';
    return kExitOk;
}

} // namespace rondaxa::cli
