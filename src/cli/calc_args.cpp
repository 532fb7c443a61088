#include "cli/calc_args.h"

#include "core/model/messages.h"

#include <iostream>

namespace rondaxa::cli {

namespace {

// The spin box of "Netto berekening" for the current class: the club rule,
// or --count where the dialog lets the user change it.
int NetCountFor(const CalcArgs &read, const ClubRec &club, TKlasse &klasse) {
    const int defaultCount = DefaultNetCount(club, klasse);
    if (!read.Count || !NetCountNeeded(read.Calc, club))
        return defaultCount;
    const int c = CountColumns(klasse);
    if (*read.Count > c)
        throw UsageError("option --count takes 1.." + IntText(c) + " for this class");
    return *read.Count;
}

} // namespace

OptionTable CalcOptionTable(CalcArgs &read, const OptionTable &others) {
    OptionTable options = {
        Text("--class", read.ClassArg),
        Flag("--average", [&read] { read.Calc.Set(CalcOptions::GrossNet, false); }),
        Flag("--no-net",
             [&read] {
                 read.Calc.SetNet(false);
                 read.NoNet = true;
             }),
        Flag("--no-gross", [&read] { read.Calc.SetGross(false); }),
        Flag("--daily", read.Daily),
        Number("--count", 1, kMaxResults, read.Count),
        Number("--hc", 0, 3, [&read](int choice) { read.Calc.SetHorsConcoursChoice(choice); }),
        Flag("--no-calc", read.NoCalc),
    };
    options.insert(options.end(), others.begin(), others.end());
    return options;
}

void FinishCalcArgs(CalcArgs &read) {
    if (read.Daily && !read.NoNet)
        throw UsageError("option --daily needs --no-net");
    if (read.Count && !read.ClassArg)
        throw UsageError("option --count needs --class");
    // "Als dagklasse&ment" can only be ticked while "&Netto totaal" is clear.
    if (read.Daily && read.Calc.DailyEnabled())
        read.Calc.Set(CalcOptions::Daily, true);
    read.Calc.Set(CalcOptions::AllClasses, !read.ClassArg);
}

namespace {

// The counting check's refusal, kept to end the command with.
class RefusalPrompts : public Prompts {
public:
    void Message(std::string_view text, MessageIcon) override { Last = std::string(text); }
    Answer Ask(std::string_view, Buttons) override { return Answer::Yes; }
    std::string Last;
};

} // namespace

void CalculateForCli(const CalcArgs &read, Competition &comp) {
    RefusalPrompts prompts;
    if (!CheckCountingColumns(comp.Active(), prompts))
        throw CliExit(kExitRefused, ForTerminal(prompts.Last));
    const int netCount = read.ClassArg ? NetCountFor(read, comp.Club, *comp.Active()) : 0;
    ProblemList problems;
    CalculateFinalStandings(comp, read.Calc, comp.ActiveClass, netCount, &problems);
    if (problems.HasProblems()) {
        std::cerr << "Stand niet kunnen bepalen van:\n";
        for (const Problem &problem : problems.Entries())
            std::cerr << ForTerminal(problem.Text) << '\n';
    }
}

std::unique_ptr<Competition> LoadAndCalculate(const std::string &file, const CalcArgs &read,
                                              const std::optional<std::string> &decimal) {
    if (decimal)
        UseDecimalSeparator(*decimal);
    else
        UseUserLocale();
    auto comp = LoadForCli(file);
    comp->ActiveClass = read.ClassArg ? FindClassIndex(*comp, *read.ClassArg) : 0;
    if (!read.NoCalc)
        CalculateForCli(read, *comp);
    return comp;
}

} // namespace rondaxa::cli
