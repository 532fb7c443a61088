// rondaxa-cli add-results: quick results entry of one class from a finishing
// order in a file or on standard input; the file is saved when it is entered.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/options.h"

#include "core/model/messages.h"
#include "core/model/text.h"
#include "core/platform/files.h"
#include "core/results/quick_entry.h"

#include <iostream>
#include <limits>
#include <optional>

namespace rondaxa::cli {

namespace {

struct AddResultsArgs {
    std::string File;
    std::string ClassArg = "#1";
    std::optional<int> Column;
    bool IgnoreUnknown = false;
    std::optional<std::string> OrderPath;
};

AddResultsArgs ReadArgs(const CommandArgs &arguments) {
    AddResultsArgs read;
    read.File = ReadOptions(arguments, "add-results", kFileOperand,
                            {
                                Text("--class", read.ClassArg),
                                Number("--column", 1, std::numeric_limits<int>::max(), read.Column),
                                Flag("--ignore-unknown", read.IgnoreUnknown),
                                Text("--order", read.OrderPath),
                            });
    return read;
}

// The list as read, refused when it is larger than any list of finishers.
std::string CheckedOrder(std::string text, const std::string &what) {
    if (text.size() > kMaxOrderListBytes)
        throw CliExit(kExitFile, "De lijst is te groot: " + what);
    return text;
}

std::string ReadOrderFile(const std::string &path) {
    try {
        const Bytes bytes = ReadAll(path, kMaxOrderListBytes + 1);
        return CheckedOrder(std::string(bytes.begin(), bytes.end()), path);
    } catch (const IoError &error) {
        throw CliExit(kExitFile, error.what());
    }
}

std::string ReadOrderInput() {
    std::string text;
    char buffer[65536];
    while (text.size() <= kMaxOrderListBytes &&
           (std::cin.read(buffer, sizeof buffer) || std::cin.gcount() > 0))
        text.append(buffer, static_cast<std::size_t>(std::cin.gcount()));
    return CheckedOrder(std::move(text), "standaardinvoer");
}

std::vector<std::string> OrderLines(const AddResultsArgs &read) {
    const std::string text = read.OrderPath ? ReadOrderFile(*read.OrderPath) : ReadOrderInput();
    return SplitLines(Utf8ToCp1252(TextFileToUtf8(text)));
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
        throw CliExit(kExitRefused, ForTerminal(RefusalMessage(outcome).Text));
    SaveForCli(*comp);
    return kExitOk;
}

} // namespace rondaxa::cli
