// rondaxa-cli daily: the daily classification of one class over a range of
// result columns and its export, and on request the range replaced by the
// day's points and the file saved.
#include "cli/cli_common.h"
#include "cli/commands.h"

#include "core/daily/daily.h"
#include "core/daily/daily_export.h"

#include <iostream>
#include <optional>

namespace rondaxa::cli {

namespace {

struct DailyArgs {
    std::string File;
    std::optional<std::string> ClassArg;
    std::optional<std::string> OutPath;
    std::optional<int> From;
    std::optional<int> To;
    bool HcNoPoints = false;
    bool Html = false;
    bool Apply = false;
    DailyExportChoices Export;
};

DailyArgs ReadArgs(const CommandArgs &arguments) {
    Args args(arguments);
    DailyArgs read;
    while (!args.Done()) {
        const std::string arg = args.Next();
        if (arg == "--class")
            read.ClassArg = args.Value(arg);
        else if (arg == "--from")
            read.From = args.IntValue(arg, 1, kMaxResults);
        else if (arg == "--to")
            read.To = args.IntValue(arg, 1, kMaxResults);
        else if (arg == "--hc-no-points")
            read.HcNoPoints = true;
        else if (arg == "--html")
            read.Html = true;
        else if (arg == "--no-startno")
            read.Export.StartNo = false;
        else if (arg == "--info")
            read.Export.Info = true;
        else if (arg == "--replacement")
            read.Export.Replacement = true;
        else if (arg == "--all-riders")
            read.Export.AllRiders = true;
        else if (arg == "--extra")
            read.Export.Extra = true;
        else if (arg == "--apply")
            read.Apply = true;
        else if (arg == "--out")
            read.OutPath = args.Value(arg);
        else if (!arg.empty() && arg[0] == '-')
            throw UsageError("unknown option " + arg);
        else if (!read.File.empty())
            throw UsageError("daily takes one file");
        else
            read.File = arg;
    }
    if (read.File.empty())
        throw UsageError("daily needs a file");
    if (!read.From || !read.To)
        throw UsageError("daily needs --from N and --to M");
    return read;
}

// The range as the dialog takes it: both numbers within the class's result
// columns, from the smaller to the larger.
std::pair<int, int> RangeFor(const DailyArgs &read, const TKlasse &klasse) {
    const int k = klasse.ResultCount;
    for (const auto &[option, value] : {std::pair{"--from", *read.From}, std::pair{"--to", *read.To}})
        if (value > k)
            throw UsageError(k > 0 ? std::string("option ") + option + " takes 1.." + IntText(k) +
                                         " for this class"
                                   : std::string("the class has no result columns"));
    return {std::min(*read.From, *read.To), std::max(*read.From, *read.To)};
}

} // namespace

int RunDaily(const CommandArgs &arguments) {
    const DailyArgs read = ReadArgs(arguments);
    const auto lock = read.Apply ? LockForCli(read.File) : nullptr;
    auto comp = LoadForCli(read.File);
    comp->ActiveClass = read.ClassArg ? FindClassIndex(*comp, *read.ClassArg) : 0;
    TKlasse *klasse = comp->Active();
    if (!klasse)
        throw UsageError("the file has no classes");
    RemoveClassStandings(*klasse);
    const auto [from, to] = RangeFor(read, *klasse);

    const DailyTable table = MakeDailyClassification(comp->Club, *klasse, from, to, read.HcNoPoints, {});
    DailyExportChoices choices = OpenDailyExportChoices(*comp, *klasse, DailyExportMemory{});
    choices.StartNo = read.Export.StartNo;
    choices.Info = read.Export.Info;
    choices.Replacement = read.Export.Replacement;
    choices.AllRiders = read.Export.AllRiders;
    choices.Extra = read.Export.Extra && choices.ExtraEnabled;
    choices.Target = read.Html ? DailyTarget::HtmlFile : DailyTarget::TextFile;
    const std::string bytes = read.Html ? DailyHtmlFile(comp->Club, *klasse, table, choices)
                                        : DailyTextFile(comp->Club, *klasse, table, choices);
    if (read.OutPath)
        WriteBytesTo(*read.OutPath, bytes);
    else
        std::cout << ForTerminal(bytes);
    if (read.Apply) {
        ApplyDailyClassification(*comp, comp->ActiveClass, table);
        SaveForCli(*comp);
    }
    return kExitOk;
}

} // namespace rondaxa::cli
