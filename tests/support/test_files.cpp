#include "support/test_files.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace rondaxa::test {

TempDir::TempDir() {
    std::random_device device;
    root_ = std::filesystem::temp_directory_path() / ("rondaxa-test-" + std::to_string(device()));
    std::filesystem::create_directories(root_);
}

std::string TempDir::Path(const std::string &name) const {
    const std::u8string utf8 = (root_ / FsPath(name)).u8string();
    return std::string(utf8.begin(), utf8.end());
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

int EntriesIn(const std::filesystem::path &folder) {
    int count = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(folder))
        ++count;
    return count;
}

FailingStep::FailingStep(FileStep step, std::string nameEnd, int after, std::errc error) {
    previous_ = SetFileFaultHook([this, step, nameEnd, after, error, count = 0](
                                     FileStep at, const std::string &path) mutable -> std::error_code {
        const bool matches = at == step && path.size() >= nameEnd.size() &&
                             path.compare(path.size() - nameEnd.size(), nameEnd.size(), nameEnd) == 0;
        if (matches && count++ >= after)
            return std::make_error_code(error);
        return previous_ ? previous_(at, path) : std::error_code();
    });
}

void ScriptedPrompts::Message(std::string_view text, MessageIcon icon) {
    Messages.emplace_back(text);
    Icons.push_back(icon);
}

Answer ScriptedPrompts::AskCaptioned(std::string_view caption, std::string_view text, Buttons buttons) {
    const Answer answer = Ask(text, buttons);
    Captions.back() = std::string(caption);
    return answer;
}

Answer ScriptedPrompts::Ask(std::string_view text, Buttons) {
    Questions.emplace_back(text);
    Captions.emplace_back("Rondaxa");
    if (Answers.empty())
        return Answer::Yes;
    const Answer answer = Answers.front();
    Answers.pop_front();
    return answer;
}

FixedClock::FixedClock(int32_t stamp, CalendarDate today) : stamp_(stamp), today_(today) {
    InstallClock(this);
}

FixedClock::~FixedClock() {
    InstallClock(nullptr);
}

TRijder &AddRider(Competition &comp, TKlasse &klasse, const std::string &name, const std::string &startNo,
                  const std::vector<int> &results) {
    const int row = NewRiderRow(klasse, comp.Club);
    TRijder &rider = *klasse.Rider(row);
    rider.Name = name;
    rider.StartNo = startNo;
    for (std::size_t i = 0; i < results.size() && i < static_cast<std::size_t>(kMaxResults); ++i)
        rider.Results[i + 1] = static_cast<int16_t>(results[i]);
    if (static_cast<int>(results.size()) > klasse.ResultCount) {
        klasse.ResultCount = static_cast<int>(results.size());
        RebuildFixedColumns(klasse, comp.Club);
    }
    return rider;
}

Competition MakeCompetition(const std::vector<std::string> &classNames) {
    Competition comp;
    SetDefaults(comp);
    for (const auto &name : classNames)
        comp.Classes.push_back(CreateClass(comp.Club, name));
    comp.ActiveClass = comp.Classes.empty() ? -1 : 0;
    return comp;
}

ResultInfo &AddResultInfo(TKlasse &klasse, int from, int to, uint8_t flags, const std::string &remark,
                          const std::string &date) {
    auto info = std::make_unique<ResultInfo>();
    info->FromCol = from;
    info->ToCol = to;
    info->InfoFlags = flags;
    info->Remark = remark;
    info->Date = date;
    ResultInfo &added = *info;
    klasse.ColData(klasse.ResultColumn(from))->Info = std::move(info);
    return added;
}

std::vector<std::pair<int, int>> InfoBlocks(const TKlasse &klasse) {
    std::vector<std::pair<int, int>> blocks;
    for (int c = 0; c < klasse.Grid.ColCount(); ++c)
        if (const TColData *data = klasse.ColData(c); data && data->Info) {
            const bool owned = data->Kind == KindResult && data->Number == data->Info->FromCol;
            blocks.emplace_back(owned ? data->Info->FromCol : -data->Info->FromCol, data->Info->ToCol);
        }
    return blocks;
}

std::vector<std::string> RiderNames(const TKlasse &klasse) {
    std::vector<std::string> names;
    for (int r = 1; r < klasse.Grid.RowCount(); ++r)
        names.push_back(klasse.Rider(r) ? klasse.Rider(r)->Name.str() : "");
    return names;
}

std::vector<std::string> RowLabels(const TKlasse &klasse) {
    std::vector<std::string> labels;
    for (int r = 1; r < klasse.Grid.RowCount(); ++r)
        labels.push_back(klasse.Grid.RowAt(r).Label);
    return labels;
}

std::vector<int> StoredResults(const TRijder &rider, int count) {
    return std::vector<int>(rider.Results.begin() + 1, rider.Results.begin() + 1 + count);
}

#ifndef _WIN32
namespace {

std::string ShellQuoted(const std::string &arg) {
    std::string quoted = "'";
    for (char c : arg) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

} // namespace

CliRun RunCli(const std::vector<std::string> &args, const std::string &input) {
#ifdef RONDAXA_CLI_PATH
    TempDir dir;
    WriteAll(dir.Path("in"), input);
    std::string command = ShellQuoted(RONDAXA_CLI_PATH);
    for (const auto &arg : args)
        command += " " + ShellQuoted(arg);
    command += " <" + ShellQuoted(dir.Path("in")) + " >" + ShellQuoted(dir.Path("out")) + " 2>" +
               ShellQuoted(dir.Path("err"));
    const int status = std::system(command.c_str());
    CliRun run;
    run.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Out = ReadAll(dir.Path("out"));
    run.Err = ReadAll(dir.Path("err"));
    return run;
#else
    (void)args;
    (void)input;
    return {};
#endif
}
#endif // Windows: run_cli_windows.cpp

std::filesystem::path FsPath(const std::string &utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string ReadAll(const std::string &path) {
    std::ifstream in(FsPath(path), std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

void WriteAll(const std::string &path, const std::string &bytes) {
    std::ofstream out(FsPath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace rondaxa::test
