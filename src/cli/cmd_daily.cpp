// rondaxa-cli daily: the daily classification of one class over a range of
// result columns and its export, and on request the range replaced by the
// day's points and the file saved.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/options.h"

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
    DailyArgs read;
    DailyExportChoices &choices = read.Export;
    read.File = ReadOptions(arguments, "daily", kFileOperand,
                            {
                                Text("--class", read.ClassArg),
                                Needed("--from N and --to M", Number("--from", 1, kMaxResults, read.From)),
                                Needed("--from N and --to M", Number("--to", 1, kMaxResults, read.To)),
                                Flag("--hc-no-points", read.HcNoPoints),
                                Flag("--html", read.Html),
                                Flag("--no-startno", choices.StartNo, false),
                                Flag("--info", choices.Info),
                                Flag("--replacement", choices.Replacement),
                                Flag("--all-riders", choices.AllRiders),
                                Flag("--extra", choices.Extra),
                                Flag("--apply", read.Apply),
                                Text("--out", read.OutPath),
                            });
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
