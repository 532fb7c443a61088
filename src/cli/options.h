// The command line of one rondaxa-cli command, read by a table of its
// options: each option is a flag or takes the next argument as its value
// (a text, or a whole number within a range), and sets what it stands for.
// Everything else is the command's one operand (its file or folder).
#pragma once

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace rondaxa::cli {

struct Option {
    std::string Name;
    bool TakesValue = false;
    std::function<void(const std::string &)> Set; // gets the value ("" for a flag)
    std::string Needed;                           // see Needed()
};

using OptionTable = std::vector<Option>;

Option Flag(std::string name, std::function<void()> set);
Option Text(std::string name, std::function<void(const std::string &)> set);
Option Number(std::string name, int min, int max, std::function<void(int)> set);

// The same for an option that only stores its value in target.
template <typename T>
requires std::is_assignable_v<T &, bool> Option Flag(std::string name, T &target, bool value = true) {
    return Flag(std::move(name), [&target, value] { target = value; });
}
template <typename T>
requires std::is_assignable_v<T &, const std::string &> Option Text(std::string name, T &target) {
    return Text(std::move(name), [&target](const std::string &value) { target = value; });
}
template <typename T>
requires std::is_assignable_v<T &, int> Option Number(std::string name, int min, int max, T &target) {
    return Number(std::move(name), min, max, [&target](int value) { target = value; });
}

// An option the command cannot do without: when it is missing or given as
// "", the command ends with "COMMAND needs " + shown.
Option Needed(std::string shown, Option option);

// The one operand of a command: what one of it is called ("file") and what
// the command says it needs when it is missing ("a file").
struct Operand {
    std::string One;
    std::string Needed;
};
inline const Operand kFileOperand{"file", "a file"};

// Reads args by table, front to back: an option's value is always the next
// argument, taken as it is, even when it begins with "-". Returns the
// operand. Ends with a usage error naming the command (an unknown option,
// a missing or wrong value, no operand or two, a needed option missing).
std::string ReadOptions(const std::vector<std::string> &args, const std::string &command,
                        const Operand &operand, const OptionTable &options);

} // namespace rondaxa::cli
