// What every rondaxa-cli command shares: exit codes, usage errors, loading
// and saving the competition, and the prompts that write to standard error.
#pragma once

#include "core/model/model.h"
#include "core/platform/file_lock.h"
#include "core/platform/platform.h"

#include <memory>
#include <stdexcept>
#include <string>

namespace rondaxa::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFindings = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitFile = 3;
inline constexpr int kExitRefused = 4;

// Ends a command with an exit code and a one-line message on standard error.
struct CliExit : std::runtime_error {
    CliExit(int code, const std::string &message) : std::runtime_error(message), Code(code) {}
    int Code;
};

inline CliExit UsageError(const std::string &message) {
    return CliExit(kExitUsage, message);
}

// Prompts of a command line: messages go to standard error (UTF-8) and
// questions are answered by a fixed answer.
class StderrPrompts : public Prompts {
public:
    explicit StderrPrompts(Answer answer = Answer::Yes) : answer_(answer) {}
    void Message(std::string_view text, MessageIcon icon) override;
    Answer Ask(std::string_view text, Buttons buttons) override;
    const std::string &LastMessage() const { return last_; }

private:
    Answer answer_;
    std::string last_;
};

// The command line's boundary for file errors: every command's reading and
// writing ends here, as an exit code and a message on standard error.

// Loads a competition file, or ends with exit code 3 and the reader's message.
std::unique_ptr<Competition> LoadForCli(const std::string &path);
// Takes the lock of a file the command will save, or ends with exit code 4
// and who holds it (3 when no lock can be made). Held until it is destroyed.
std::unique_ptr<FileLock> LockForCli(const std::string &path);
// Saves as the desktop's save does, or ends with exit code 3: message 1 and
// the system's reason.
void SaveForCli(Competition &comp);
// "--class NAME" (exact name) or "--class #N" (1-based tab position); index.
int FindClassIndex(const Competition &comp, const std::string &which);
// "--decimal C": installs a locale with that separator (the locale stays
// installed until the program ends).
void UseDecimalSeparator(const std::string &value);
// The user's decimal separator, from the environment's locale.
void UseUserLocale();

// Text for standard output and error: UTF-8 with LF line ends.
std::string ForTerminal(const std::string &cp1252);
// Writes bytes exactly to path, safely (the previous file stays unless the
// new one is complete); ends with exit code 3 and the system's reason when it
// cannot.
void WriteBytesTo(const std::string &path, const std::string &bytes);
// Ends a command whose output went to standard output: exit code 3 and the
// system's reason when the output could not be written whole (a full disk),
// else code.
int FinishStandardOutput(const std::string &name, int code);

} // namespace rondaxa::cli
