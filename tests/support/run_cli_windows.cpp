// RunCli on Windows: rondaxa-cli.exe started directly (no shell), its
// standard streams tied to files, its arguments passed as UTF-16 so that
// names outside the code page arrive whole.
#ifdef _WIN32
#include "support/test_files.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace rondaxa::test {

namespace {

std::wstring Wide(const std::string &utf8) {
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

// One argument quoted so that the C runtime's command line parser gives it
// back unchanged: backslashes count only before a quote.
std::wstring Quoted(const std::wstring &arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos)
        return arg;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

HANDLE OpenInherited(const std::string &path, bool forWriting) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return CreateFileW(Wide(path).c_str(), forWriting ? GENERIC_WRITE : GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                       forWriting ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

CliRun RunCli(const std::vector<std::string> &args, const std::string &input) {
    TempDir dir;
    WriteAll(dir.Path("in"), input);
    const std::wstring program = Wide(RONDAXA_CLI_PATH);
    std::wstring commandLine = Quoted(program);
    for (const auto &arg : args)
        commandLine += L" " + Quoted(Wide(arg));

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = OpenInherited(dir.Path("in"), false);
    startup.hStdOutput = OpenInherited(dir.Path("out"), true);
    startup.hStdError = OpenInherited(dir.Path("err"), true);
    PROCESS_INFORMATION process{};
    CliRun run;
    // Under Wine a process start can fail now and then while the machine is
    // busy; a test should not fail for that, so it is tried again.
    bool started = false;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        if (attempt > 0)
            Sleep(200);
        started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                 nullptr, &startup, &process) != 0;
    }
    if (started) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        if (GetExitCodeProcess(process.hProcess, &code))
            run.ExitCode = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(startup.hStdInput);
    CloseHandle(startup.hStdOutput);
    CloseHandle(startup.hStdError);
    run.Out = ReadAll(dir.Path("out"));
    run.Err = ReadAll(dir.Path("err"));
    return run;
}

} // namespace rondaxa::test
#endif
