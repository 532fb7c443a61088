#include "cli/options.h"

#include "cli/cli_common.h"
#include "core/model/text.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace rondaxa::cli {

namespace {

// The whole number that text is, for option; a usage error when it is not
// one, or is outside min..max.
int NumberValue(const std::string &option, const std::string &text, int min, int max) {
    int value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error == std::errc::invalid_argument || stop != end)
        throw UsageError("option " + option + " needs a whole number, not '" + text + "'");
    if (error == std::errc::result_out_of_range || value < min || value > max)
        throw UsageError("option " + option + " takes " + IntText(min) + ".." + IntText(max));
    return value;
}

} // namespace

Option Flag(std::string name, std::function<void()> set) {
    return {std::move(name), false, [set = std::move(set)](const std::string &) { set(); }, {}};
}

Option Text(std::string name, std::function<void(const std::string &)> set) {
    return {std::move(name), true, std::move(set), {}};
}

Option Number(std::string name, int min, int max, std::function<void(int)> set) {
    auto read = [name, min, max, set = std::move(set)](const std::string &text) {
        set(NumberValue(name, text, min, max));
    };
    return {std::move(name), true, std::move(read), {}};
}

Option Needed(std::string shown, Option option) {
    option.Needed = std::move(shown);
    return option;
}

std::string ReadOptions(const std::vector<std::string> &args, const std::string &command,
                        const Operand &operand, const OptionTable &options) {
    std::string found;
    std::set<std::string> given; // the options given a value that is not empty
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&](const Option &candidate) { return candidate.Name == arg; });
        if (option != options.end()) {
            if (option->TakesValue && i + 1 == args.size())
                throw UsageError("option " + arg + " needs a value");
            const std::string value = option->TakesValue ? args[++i] : std::string();
            option->Set(value);
            if (!value.empty())
                given.insert(arg);
        } else if (!arg.empty() && arg[0] == '-') {
            throw UsageError("unknown option " + arg);
        } else if (!found.empty()) {
            throw UsageError(command + " takes one " + operand.One);
        } else {
            found = arg;
        }
    }
    if (found.empty())
        throw UsageError(command + " needs " + operand.Needed);
    for (const Option &option : options)
        if (!option.Needed.empty() && !given.contains(option.Name))
            throw UsageError(command + " needs " + option.Needed);
    return found;
}

} // namespace rondaxa::cli
