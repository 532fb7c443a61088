// rondaxa-cli add-results: quick results entry of one class from a finishing
// order in a file or on standard input; the file is saved when it is entered.
#include "cli/cli_common.h"
#include "cli/commands.h"

#include "core/model/messages.h"
#include "core/results/quick_entry.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <optional>

namespace rondaxa::cli {

namespace {

// A finishing order is a few kilobytes; far more is no finishing order.
constexpr std::size_t kMaxOrderBytes = 16u << 20;

struct AddResultsArgs {
    std::string File;
    std::string ClassArg = "#1";
    std::optional<int> Column;
    bool IgnoreUnknown = false;
    std::optional<std::string> OrderPath;
};

AddResultsArgs ReadArgs(const CommandArgs &arguments) {
    Args args(arguments);
    AddResultsArgs read;
    while (!args.Done()) {
        const std::string arg = args.Next();
        if (arg == "--class")
            read.ClassArg = args.Value(arg);
        else if (arg == "--column")
            read.Column = args.IntValue(arg, 1, std::numeric_limits<int>::max());
        else if (arg == "--ignore-unknown")
            read.IgnoreUnknown = true;
        else if (arg == "--order")
            read.OrderPath = args.Value(arg);
        else if (!arg.empty() && arg[0] == '-')
            throw UsageError("unknown option " + arg);
        else if (!read.File.empty())
            throw UsageError("add-results takes one file");
        else
            read.File = arg;
    }
    if (read.File.empty())
        throw UsageError("add-results needs a file");
    return read;
}

std::string ReadOrder(std::istream &in, const std::string &what) {
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > kMaxOrderBytes)
            throw CliExit(kExitFile, "De lijst is te groot: " + what);
    }
    return text;
}

std::vector<std::string> OrderLines(const AddResultsArgs &read) {
    std::string text;
    if (read.OrderPath) {
        std::ifstream in(*read.OrderPath, std::ios::binary);
        if (!in)
            throw CliExit(kExitFile, "Kan bestand niet openen: " + *read.OrderPath);
        text = ReadOrder(in, *read.OrderPath);
    } else {
        text = ReadOrder(std::cin, "standaardinvoer");
    }
    return SplitLines(Utf8ToCp1252(text));
}

CliExit Refusal(int code) {
    return CliExit(kExitRefused, ForTerminal(ErrorMessageFor(code).Text));
}

} // namespace

int RunAddResults(const CommandArgs &arguments) {
    const AddResultsArgs read = ReadArgs(arguments);
    const auto lock = LockForCli(read.File);
    auto comp = LoadForCli(read.File);
    comp->ActiveClass = FindClassIndex(*comp, read.ClassArg);
    TKlasse &klasse = *comp->Active();
    std::vector<std::string> lines = OrderLines(read);

    if (!HasEnoughStartNumbers(klasse))
        throw Refusal(kFewStartNumbersCode);
    QuickEntryChoices choices;
    choices.NewColumn = !read.Column;
    choices.Column = read.Column.value_or(0);
    choices.AddUnknown = !read.IgnoreUnknown;
    const QuickEntryOutcome outcome = EnterFinishingOrder(*comp, klasse, lines, choices);
    if (outcome.Code == kEmptyListCode)
        throw Refusal(kNoStartNumbersCode);
    if (outcome.Code != 0)
        throw Refusal(outcome.Code);
    SaveForCli(*comp);
    return kExitOk;
}

} // namespace rondaxa::cli
