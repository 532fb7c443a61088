// rondaxa-cli standings: the final-standings command followed by the text or
// HTML export of the same classes.
#include "cli/cli_common.h"
#include "cli/commands.h"

#include "core/model/messages.h"
#include "core/reports/text_export.h"
#include "core/scoring/final_standings.h"

#include <iostream>
#include <optional>

namespace rondaxa::cli {

namespace {

struct StandingsArgs {
    std::string File;
    std::optional<std::string> ClassArg;
    std::optional<std::string> Decimal;
    std::optional<std::string> OutPath;
    std::optional<int> Count;
    bool NoCalc = false;
    bool Daily = false;
    bool NoNet = false;
    CalcOptions Calc;
    ExportChoices Export;
    std::optional<bool> SwapNames;
    std::optional<bool> ZeroEmpty;
};

void ReadSeparator(const std::string &value, ExportChoices &choices) {
    if (value == "tab") {
        choices.Separator = ExportSeparator::Tab;
    } else if (value == "semicolon") {
        choices.Separator = ExportSeparator::Semicolon;
    } else if (value == "newline") {
        choices.Separator = ExportSeparator::NewLine;
    } else if (value.rfind("char:", 0) == 0) {
        choices.Separator = ExportSeparator::Character;
        choices.SeparatorText = Utf8ToCp1252(value.substr(5));
    } else {
        throw UsageError("option --separator takes tab, semicolon, newline or char:TEXT");
    }
}

StandingsArgs ReadArgs(const CommandArgs &arguments) {
    Args args(arguments);
    StandingsArgs read;
    while (!args.Done()) {
        const std::string arg = args.Next();
        if (arg == "--class")
            read.ClassArg = args.Value(arg);
        else if (arg == "--average")
            read.Calc.Set(CalcOptions::GrossNet, false);
        else if (arg == "--no-net") {
            read.Calc.SetNet(false);
            read.NoNet = true;
        } else if (arg == "--no-gross")
            read.Calc.SetGross(false);
        else if (arg == "--daily")
            read.Daily = true;
        else if (arg == "--count")
            read.Count = args.IntValue(arg, 1, kMaxResults);
        else if (arg == "--hc")
            read.Calc.SetHorsConcoursChoice(args.IntValue(arg, 0, 3));
        else if (arg == "--no-calc")
            read.NoCalc = true;
        else if (arg == "--html")
            read.Export.FileType = ExportFileType::Html;
        else if (arg == "--separator")
            ReadSeparator(args.Value(arg), read.Export);
        else if (arg == "--no-results")
            read.Export.Results = false;
        else if (arg == "--no-startno")
            read.Export.StartNo = false;
        else if (arg == "--info")
            read.Export.Info = true;
        else if (arg == "--swap-names" || arg == "--no-swap-names")
            read.SwapNames = arg == "--swap-names";
        else if (arg == "--no-club")
            read.Export.ClubName = false;
        else if (arg == "--no-class-name")
            read.Export.ClassName = false;
        else if (arg == "--zero-empty" || arg == "--no-zero-empty")
            read.ZeroEmpty = arg == "--zero-empty";
        else if (arg == "--empty-text") {
            read.Export.EmptyResult = true;
            read.Export.EmptyText = Utf8ToCp1252(args.Value(arg));
        } else if (arg == "--join-results") {
            read.Export.JoinResults = true;
            read.Export.BetweenText = Utf8ToCp1252(args.Value(arg));
        } else if (arg == "--decimal")
            read.Decimal = args.Value(arg);
        else if (arg == "--out")
            read.OutPath = args.Value(arg);
        else if (!arg.empty() && arg[0] == '-')
            throw UsageError("unknown option " + arg);
        else if (!read.File.empty())
            throw UsageError("standings takes one file");
        else
            read.File = arg;
    }
    if (read.File.empty())
        throw UsageError("standings needs a file");
    if (read.Daily && !read.NoNet)
        throw UsageError("option --daily needs --no-net");
    if (read.Count && !read.ClassArg)
        throw UsageError("option --count needs --class");
    // "Als dagklasse&ment" can only be ticked while "&Netto totaal" is clear.
    if (read.Daily && read.Calc.DailyEnabled())
        read.Calc.Set(CalcOptions::Daily, true);
    read.Calc.Set(CalcOptions::AllClasses, !read.ClassArg);
    return read;
}

// The spin box of "Netto berekening" for the current class: the club rule,
// or --count where the dialog lets the user change it.
int NetCountFor(const StandingsArgs &read, const ClubRec &club, TKlasse &klasse) {
    const int defaultCount = DefaultNetCount(club, klasse);
    if (!read.Count || !NetCountNeeded(read.Calc, club))
        return defaultCount;
    const int c = CountColumns(klasse);
    if (*read.Count > c)
        throw UsageError("option --count takes 1.." + IntText(c) + " for this class");
    return *read.Count;
}

void Calculate(const StandingsArgs &read, Competition &comp) {
    CapturePrompts prompts;
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

ExportChoices ExportChoicesFor(const StandingsArgs &read, const Competition &comp) {
    ExportChoices choices = OpenExportChoices(comp, ExportMemory{});
    const ExportChoices &given = read.Export;
    choices.FileType = given.FileType;
    choices.Classes = read.ClassArg ? ExportClassChoice::Current : ExportClassChoice::All;
    choices.Separator = given.Separator;
    choices.SeparatorText = given.SeparatorText;
    choices.Results = given.Results;
    choices.StartNo = given.StartNo;
    choices.Info = given.Info;
    choices.ClubName = given.ClubName;
    choices.ClassName = given.ClassName;
    choices.EmptyResult = given.EmptyResult;
    choices.EmptyText = given.EmptyText;
    choices.JoinResults = given.JoinResults;
    choices.BetweenText = given.BetweenText;
    if (read.SwapNames)
        choices.SwapNames = *read.SwapNames;
    if (read.ZeroEmpty)
        choices.ZeroEmpty = *read.ZeroEmpty;
    return choices;
}

// The export written class by class, so that no copy of the whole file is
// held in memory.
void WriteExportTo(const std::string &path, Competition &comp, const ExportChoices &choices) {
    try {
        if (WriteExportFile(comp, choices, path))
            return;
    } catch (const IoError &) {
    }
    throw CliExit(kExitFile, "Kan bestand niet schrijven: " + path);
}

// The process ends with the command and its memory goes with it at once:
// the competition is not taken down rider by rider before that.
const Competition *keptUntilExit = nullptr;

void KeepUntilExit(std::unique_ptr<Competition> comp) {
    keptUntilExit = comp.release();
}

} // namespace

int RunStandings(const CommandArgs &arguments) {
    const StandingsArgs read = ReadArgs(arguments);
    if (read.Decimal)
        UseDecimalSeparator(*read.Decimal);
    else
        UseUserLocale();

    auto comp = LoadForCli(read.File);
    comp->ActiveClass = read.ClassArg ? FindClassIndex(*comp, *read.ClassArg) : 0;
    if (!read.NoCalc)
        Calculate(read, *comp);

    const ExportChoices choices = ExportChoicesFor(read, *comp);
    if (read.OutPath)
        WriteExportTo(*read.OutPath, *comp, choices);
    else
        std::cout << ForTerminal(ExportStandings(*comp, choices));
    KeepUntilExit(std::move(comp));
    return kExitOk;
}

} // namespace rondaxa::cli
