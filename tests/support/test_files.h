// Helpers shared by the tests: temporary folders, scripted prompts, a fixed
// clock and small competitions built in code.
#pragma once

#include "core/model/model.h"
#include "core/platform/files.h"
#include "core/platform/platform.h"

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

namespace rondaxa::test {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    // The UTF-8 name of `name` (UTF-8, may name a subfolder) in this folder.
    std::string Path(const std::string &name) const;
    const std::filesystem::path &Root() const { return root_; }

private:
    std::filesystem::path root_;
};

// The number of entries in a folder.
int EntriesIn(const std::filesystem::path &folder);

// Makes one step of the file layer fail, for paths whose name ends in
// nameEnd, while it lives: the first `after` such steps succeed. Failures
// made by several at once add up.
class FailingStep {
public:
    FailingStep(FileStep step, std::string nameEnd, int after = 0, std::errc error = std::errc::io_error);
    ~FailingStep() { SetFileFaultHook(std::move(previous_)); }
    FailingStep(const FailingStep &) = delete;
    FailingStep &operator=(const FailingStep &) = delete;

private:
    FileFaultHook previous_;
};

// Prompts that record every message and answer questions from a script
// (Yes when the script is empty).
class ScriptedPrompts : public Prompts {
public:
    void Message(std::string_view text, MessageIcon icon) override;
    Answer Ask(std::string_view text, Buttons buttons) override;
    Answer AskCaptioned(std::string_view caption, std::string_view text, Buttons buttons) override;
    void Beep() override { ++Beeps; }

    std::vector<std::string> Messages;
    std::vector<MessageIcon> Icons;
    std::vector<std::string> Questions;
    std::vector<std::string> Captions; // of each question; "Rondaxa" unless asked otherwise
    std::deque<Answer> Answers;
    int Beeps = 0;
};

// A clock standing still at a fixed moment; installed while it lives.
class FixedClock : public Clock {
public:
    explicit FixedClock(int32_t stamp, CalendarDate today = {2026, 5, 1});
    ~FixedClock() override;
    int32_t NowStamp() const override { return stamp_; }
    CalendarDate Today() const override { return today_; }

private:
    int32_t stamp_;
    CalendarDate today_;
};

// A comma as the decimal separator of averages while it lives.
class CommaLocale {
public:
    CommaLocale() { InstallLocale(&locale_); }
    ~CommaLocale() { InstallLocale(nullptr); }
    CommaLocale(const CommaLocale &) = delete;
    CommaLocale &operator=(const CommaLocale &) = delete;

private:
    FixedLocale locale_{','};
};

// Adds a rider with the given name, start number and results (-1 = none).
TRijder &AddRider(Competition &comp, TKlasse &klasse, const std::string &name, const std::string &startNo,
                  const std::vector<int> &results = {});

// A competition with one class per name, defaults otherwise.
Competition MakeCompetition(const std::vector<std::string> &classNames);

// Gives the result column of `from` an information block over from..to.
ResultInfo &AddResultInfo(TKlasse &klasse, int from, int to, uint8_t flags = 0,
                          const std::string &remark = "x", const std::string &date = "");

// What the rows of a class hold, top to bottom: the riders' names as stored
// ("" for a row without rider) and the row labels.
std::vector<std::string> RiderNames(const TKlasse &klasse);
std::vector<std::string> RowLabels(const TKlasse &klasse);
// A rider's stored results 1..count.
std::vector<int> StoredResults(const TRijder &rider, int count);
// Every information block of the class as (FromCol, ToCol), left to right.
// A block that does not sit on the result column of its FromCol comes out
// as (-FromCol, ToCol), so that no expected list matches it.
std::vector<std::pair<int, int>> InfoBlocks(const TKlasse &klasse);

struct CliRun {
    int ExitCode = -1;
    std::string Out; // standard output
    std::string Err; // standard error
};

// Runs the real rondaxa-cli with the arguments (and text on standard input).
CliRun RunCli(const std::vector<std::string> &args, const std::string &input = "");

// Files named in UTF-8, as the program names them, on every platform.
std::filesystem::path FsPath(const std::string &utf8);
std::string ReadAll(const std::string &path);
void WriteAll(const std::string &path, const std::string &bytes);

} // namespace rondaxa::test
