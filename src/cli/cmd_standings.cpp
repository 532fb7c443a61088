// rondaxa-cli standings: the final-standings command followed by the text or
// HTML export of the same classes.
#include "cli/calc_args.h"
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
    CalcArgs Calculation;
    std::optional<std::string> Decimal;
    std::optional<std::string> OutPath;
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
    StandingsArgs read;
    ExportChoices &choices = read.Export;
    read.File = ReadOptions(
        arguments, "standings", kFileOperand,
        CalcOptionTable(
            read.Calculation,
            {
                Flag("--html", [&] { choices.FileType = ExportFileType::Html; }),
                Text("--separator", [&](const std::string &value) { ReadSeparator(value, choices); }),
                Flag("--no-results", choices.Results, false),
                Flag("--no-startno", choices.StartNo, false),
                Flag("--info", choices.Info),
                Flag("--swap-names", read.SwapNames),
                Flag("--no-swap-names", read.SwapNames, false),
                Flag("--no-club", choices.ClubName, false),
                Flag("--no-class-name", choices.ClassName, false),
                Flag("--zero-empty", read.ZeroEmpty),
                Flag("--no-zero-empty", read.ZeroEmpty, false),
                Text("--empty-text",
                     [&](const std::string &value) {
                         choices.EmptyResult = true;
                         choices.EmptyText = Utf8ToCp1252(value);
                     }),
                Text("--join-results",
                     [&](const std::string &value) {
                         choices.JoinResults = true;
                         choices.BetweenText = Utf8ToCp1252(value);
                     }),
                Text("--decimal", read.Decimal),
                Text("--out", read.OutPath),
            }));
    FinishCalcArgs(read.Calculation);
    return read;
}

ExportChoices ExportChoicesFor(const StandingsArgs &read, const Competition &comp) {
    ExportChoices choices = OpenExportChoices(comp, ExportMemory{});
    const ExportChoices &given = read.Export;
    choices.FileType = given.FileType;
    choices.Classes = read.Calculation.ClassArg ? ExportClassChoice::Current : ExportClassChoice::All;
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

// The export written to the file as it is made, so that no copy of the
// whole file is held in memory.
void WriteExportTo(const std::string &path, Competition &comp, const ExportChoices &choices) {
    try {
        WriteExportFile(comp, choices, path);
    } catch (const IoError &error) {
        throw CliExit(kExitFile, error.what());
    }
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
    auto comp = LoadAndCalculate(read.File, read.Calculation, read.Decimal);

    const ExportChoices choices = ExportChoicesFor(read, *comp);
    if (read.OutPath)
        WriteExportTo(*read.OutPath, *comp, choices);
    else
        std::cout << ForTerminal(ExportStandings(*comp, choices));
    KeepUntilExit(std::move(comp));
    return kExitOk;
}

} // namespace rondaxa::cli
