#include "core/model/demo.h"

#include "core/model/dates.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace rondaxa {
namespace {

// A small deterministic generator, so the demo is the same on every machine.
class DemoRandom {
public:
    explicit DemoRandom(uint32_t seed) : state_(seed) {}
    uint32_t Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }

private:
    uint32_t state_;
};

constexpr std::array<const char *, 40> kSurnames = {
    "Jansen",    "de Vries",     "van den Berg",    "Bakker",       "Visser",
    "Smit",      "Meijer",       "de Boer",         "Mulder",       "de Groot",
    "Bos",       "Vos",          "Peters",          "Hendriks",     "van Leeuwen",
    "Dekker",    "Brouwer",      "de Wit",          "Dijkstra",     "Smits",
    "de Graaf",  "van der Meer", "van der Linden",  "Kok",          "Jacobs",
    "de Haan",   "Vermeulen",    "van den Heuvel",  "van der Veen", "van den Broek",
    "de Bruijn", "de Bruin",     "van der Heijden", "Schouten",     "van Beek",
    "Willems",   "van Vliet",    "van de Ven",      "Hoekstra",     "Maas"};

constexpr std::array<const char *, 30> kFirstNames = {
    "Piet",  "Jan",  "Kees", "Bram", "Daan",  "Sem",    "Luuk",  "Milan", "Jesse", "Thijs",
    "Ruben", "Lars", "Tim",  "Bas",  "Niels", "Stijn",  "Joris", "Koen",  "Rick",  "Wouter",
    "Mees",  "Finn", "Gijs", "Teun", "Jelle", "Sander", "Roel",  "Tom",   "Ivo",   "Jasper"};

constexpr std::array<const char *, 12> kTowns = {"Oss",      "Uden",      "Veghel",  "Boxtel",
                                                 "Cuijk",    "Schijndel", "Berghem", "Heesch",
                                                 "Rosmalen", "Vught",     "Grave",   "Zeeland"};

constexpr std::array<const char *, 8> kMakes = {"KTM",      "Husqvarna", "Yamaha", "Honda",
                                                "Kawasaki", "GasGas",    "Suzuki", "Beta"};

struct RaceDay {
    const char *Date;
    const char *Remark;
    bool Counts;
};

// Two heats per race day.
constexpr std::array<RaceDay, 7> kRaceDays = {{
    {"20260412", "Circuit De Kuilen, Oss", true},
    {"20260503", "Zandbaan Heesch", true},
    {"20260524", "Oefenwedstrijd, telt niet mee", false},
    {"20260614", "Circuit Lange Gat, Schijndel", true},
    {"20260705", "Zomercross Berghem", true},
    {"20260830", "Circuit De Kuilen, Oss", true},
    {"20260920", "Slotwedstrijd Uden", true},
}};

struct DemoClass {
    const char *Name;
    int Riders;
    int Results;
    int FirstStartNo;
    uint32_t Seed;
};

std::string RiderName(DemoRandom &random, int index) {
    const std::string surname = kSurnames[static_cast<std::size_t>(random.Below(kSurnames.size()))];
    const std::string first = kFirstNames[static_cast<std::size_t>(random.Below(kFirstNames.size()))];
    // Every third rider is written surname first, as many clubs type them.
    if (index % 3 == 0)
        return surname + ", " + first;
    return first + " " + surname;
}

void AddRiders(Competition &comp, TKlasse &klasse, const DemoClass &plan, DemoRandom &random) {
    for (int i = 0; i < plan.Riders; ++i) {
        const int row = NewRiderRow(klasse, comp.Club);
        TRijder &rider = *klasse.Rider(row);
        rider.Name = RiderName(random, i);
        rider.StartNo = IntText(plan.FirstStartNo + i * 3 + random.Below(3));
        rider.Extra1 = kTowns[static_cast<std::size_t>(random.Below(kTowns.size()))];
        rider.Extra2 = kMakes[static_cast<std::size_t>(random.Below(kMakes.size()))];
        if (random.Below(6) == 0)
            rider.Extra3 = "Nieuw dit seizoen";
    }
    // The last two riders of the largest classes ride hors concours.
    if (plan.Riders >= 25) {
        klasse.Rider(plan.Riders)->Flags |= RiderHorsConcours;
        klasse.Rider(plan.Riders)->Extra3 = "Gastrijder";
    }
}

void AddResults(TKlasse &klasse, const DemoClass &plan, DemoRandom &random) {
    klasse.ResultCount = plan.Results;
    for (int n = 1; n <= plan.Results; ++n) {
        // A rough strength order with some luck in every heat.
        std::vector<std::pair<int, int>> scored; // score, row
        for (int row = 1; row <= plan.Riders; ++row)
            scored.emplace_back(row * 4 + random.Below(plan.Riders * 2), row);
        std::sort(scored.begin(), scored.end());
        std::vector<int> order;
        for (const auto &entry : scored)
            order.push_back(entry.second);
        int position = 0;
        for (int row : order) {
            TRijder &rider = *klasse.Rider(row);
            const int luck = random.Below(20);
            if (luck == 0)
                continue; // did not start: no result
            if (luck == 1)
                rider.Results[static_cast<std::size_t>(n)] = 0; // did not finish
            else
                rider.Results[static_cast<std::size_t>(n)] = static_cast<int16_t>(++position);
        }
    }
}

void AddRaceDays(TKlasse &klasse, const DemoClass &plan) {
    for (std::size_t day = 0; day < kRaceDays.size(); ++day) {
        const int from = static_cast<int>(day) * 2 + 1;
        if (from > plan.Results)
            break;
        auto info = std::make_unique<ResultInfo>();
        info->Date = kRaceDays[day].Date;
        info->Remark = kRaceDays[day].Remark;
        info->FromCol = from;
        info->ToCol = std::min(from + 1, plan.Results);
        info->InfoFlags = kRaceDays[day].Counts ? 0 : InfoNotCounting;
        klasse.ColData(klasse.ResultColumn(from))->Info = std::move(info);
    }
}

} // namespace

std::unique_ptr<Competition> MakeDemoCompetition() {
    auto comp = std::make_unique<Competition>();
    SetDefaults(*comp);
    ClubRec &club = comp->Club;
    club.DateCreated = EncodeDosStamp({2026, 3, 1, 20, 15, 0});
    club.DateStarted = club.DateCreated;
    club.DateSaved = EncodeDosStamp({2026, 9, 20, 22, 40, 0});
    club.ClubName = "MC De Zandhazen";
    club.ViewFlags = ViewExtra1 | ViewMarkDropped;

    const std::array<DemoClass, 4> classes = {{
        {"MX1", 28, 12, 101, 11},
        {"MX2", 35, 14, 201, 23},
        {"Veteranen", 18, 10, 401, 37},
        {"Jeugd 85cc", 12, 10, 801, 41},
    }};
    for (const DemoClass &plan : classes) {
        DemoRandom random(plan.Seed);
        auto klasse = CreateClass(club, plan.Name);
        AddRiders(*comp, *klasse, plan, random);
        AddResults(*klasse, plan, random);
        RebuildFixedColumns(*klasse, club);
        AddRaceDays(*klasse, plan);
        CountColumns(*klasse);
        comp->Classes.push_back(std::move(klasse));
    }
    comp->ActiveClass = 0;
    return comp;
}

} // namespace rondaxa
