#include "core/scoring/final_standings.h"

#include "core/model/messages.h"

#include <algorithm>

namespace rondaxa {

namespace {

constexpr int kMsgNoCountingColumns = 70;

void AppendCalculatedColumn(TKlasse &klasse, const char *heading, int kind, int n) {
    ClassGrid &grid = klasse.Grid;
    const int col = grid.ColCount();
    grid.SetColCount(col + 1);
    grid.Col(col).Heading = heading;
    AddColumnObjects(klasse, col, col, n, kind);
}

} // namespace

void CalcOptions::SetNet(bool on) {
    Set(Net, on);
    if (!on)
        Set(Gross, true);
}

void CalcOptions::SetGross(bool on) {
    Set(Gross, on);
    if (!on)
        Set(Net, true);
}

bool NetCountNeeded(const CalcOptions &options, const ClubRec &club) {
    if (options.Has(CalcOptions::GrossNet))
        return options.Has(CalcOptions::Net);
    return club.AverageMethod == 2;
}

int DefaultNetCount(const ClubRec &club, TKlasse &klasse) {
    const int n = CountingResultNumber(club, &klasse);
    return std::min(n, CountColumns(klasse));
}

std::string CountingColumnsText(int c) {
    if (c == 1)
        return "Er is 1 tellende uitslag.";
    return "Er zijn " + IntText(c) + " tellende uitslagen.";
}

std::string NetRuleText(const ClubRec &club) {
    if (club.CalcFlags & CalcDropMode)
        return "Schrapresultaten = " + IntText(club.DropCount);
    std::string text = "Netto bereken met " + IntText(club.CountPercent) + "% van de ingevoerde uitslagen";
    if (club.CountPlus > 0)
        text += " + " + IntText(club.CountPlus);
    return text + ".";
}

bool CheckCountingColumns(TKlasse *current, Prompts &prompts) {
    if (current && CountColumns(*current) > 0)
        return true;
    ShowError(prompts, kMsgNoCountingColumns);
    return false;
}

void CalculateClassStandings(const ClubRec &club, TKlasse &klasse, const CalcOptions &options, int n,
                             int classIndex, ProblemList *problems) {
    RemoveStandings(klasse);
    const int c = CountColumns(klasse);
    int mode = ModeNet;
    if (!options.Has(CalcOptions::GrossNet)) {
        if (club.AverageMethod != 2)
            n = c;
        if (n < 1)
            n = c;
        AppendCalculatedColumn(klasse, "Totaal", KindGross, n);
        AppendCalculatedColumn(klasse, "Uitslagen", KindNet, n);
        AppendCalculatedColumn(klasse, "Gemiddeld", KindAverage, n);
        klasse.CalcState = 3;
        mode = ModeAverage;
    } else {
        klasse.CalcState = 0;
        if (options.Has(CalcOptions::Gross)) {
            const bool daily = !options.Has(CalcOptions::Net) && options.Has(CalcOptions::Daily);
            const int kind = daily ? KindDailyGross : KindGross;
            AppendCalculatedColumn(klasse, "Bruto", kind, n);
            klasse.CalcState = 1;
            mode = kind;
        }
        if (options.Has(CalcOptions::Net)) {
            AppendCalculatedColumn(klasse, "Netto", KindNet, n);
            ++klasse.CalcState;
            mode = ModeNet;
        }
        if (n < 1)
            n = c;
    }
    klasse.ClassIndex = classIndex;
    StandingsRun run{options.HorsConcours(), problems};
    run.MarksCleared = true; // RemoveStandings above
    CalculateStandings(club, klasse, mode, n, kDescending, c, run);
    if (klasse.CalcState > 0 && klasse.Grid.ColCount() > 0)
        klasse.Grid.Col(0).Heading = "PL";
}

void CalculateFinalStandings(Competition &comp, const CalcOptions &options, int current, int netCount,
                             ProblemList *problems) {
    for (int i = 0; i < comp.ClassCount(); ++i) {
        const bool all = options.Has(CalcOptions::AllClasses);
        if (!all && i != current)
            continue;
        TKlasse &klasse = *comp.Classes[static_cast<std::size_t>(i)];
        const int n = all ? CountingResultNumber(comp.Club, &klasse) : netCount;
        CalculateClassStandings(comp.Club, klasse, options, n, i, problems);
    }
}

void RemoveAllStandings(Competition &comp) {
    for (auto &klasse : comp.Classes)
        RemoveClassStandings(*klasse);
}

bool HasAnyStandings(const Competition &comp) {
    return std::any_of(comp.Classes.begin(), comp.Classes.end(),
                       [](const auto &klasse) { return klasse->CalcState > 0; });
}

} // namespace rondaxa
