#include "large_competition.h"

#include <string>

namespace rondaxa::bench {

std::unique_ptr<Competition> MakeLargeCompetition() {
    auto comp = std::make_unique<Competition>();
    SetDefaults(*comp);
    ClubRec &club = comp->Club;
    club.ClubName = "MC Grootste Competitie";
    club.TieMethod = 3;
    club.TieSteps[1] = {1, 0};
    club.TieSteps[2] = {2, 3};
    club.TieSteps[3] = {3, 0};
    club.TieSteps[4] = {4, 0};
    club.TieSteps[5] = {5, 0};
    club.ViewFlags = ViewExtra1 | ViewMarkDropped;
    uint32_t seed = 12345;
    auto next = [&seed](int below) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<uint32_t>(below));
    };
    for (int c = 0; c < kMaxClasses; ++c) {
        auto klasse = CreateClass(club, "Klasse " + std::to_string(c + 1));
        for (int r = 0; r < kMaxRiders; ++r) {
            TRijder &rider = *klasse->Rider(NewRiderRow(*klasse, club));
            rider.Name = "Rijder " + std::to_string(r + 1) + ", Voornaam";
            rider.StartNo = std::to_string(r + 1);
            rider.Extra1 = "Woonplaats " + std::to_string(r % 37);
            rider.Flags = (r % 97 == 0) ? RiderHorsConcours : 0;
            for (int n = 1; n <= kMaxResults; ++n)
                rider.Results[static_cast<std::size_t>(n)] =
                    static_cast<int16_t>(next(12) == 0 ? -1 : next(60));
        }
        klasse->ResultCount = kMaxResults;
        RebuildFixedColumns(*klasse, club);
        for (int n = 1; n <= kMaxResults; ++n) {
            auto info = std::make_unique<ResultInfo>();
            info->Date = "202604" + std::string(n % 28 + 1 < 10 ? "0" : "") + std::to_string(n % 28 + 1);
            info->Remark = "Wedstrijd " + std::to_string(n);
            info->FromCol = n;
            info->ToCol = n;
            info->InfoFlags = (n == 50) ? InfoNotCounting : 0;
            klasse->ColData(klasse->ResultColumn(n))->Info = std::move(info);
        }
        CountColumns(*klasse);
        comp->Classes.push_back(std::move(klasse));
    }
    comp->ActiveClass = 0;
    return comp;
}

} // namespace rondaxa::bench
