#include "core/model/startup.h"
#include "core/platform/files.h"

#include "core/model/text.h"

#include <filesystem>

namespace rondaxa {

namespace {

std::string TrimBlanks(std::string text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace

std::string CommandLineFileName(std::string_view commandLine, const std::vector<std::string> &params) {
    if (params.empty())
        return {};
    std::string name;
    const std::string upper = UpperCase1252(commandLine);
    if (const auto exe = upper.find("EXE\""); exe != std::string::npos) {
        const std::size_t start = exe + 4 + 1; // the quote and the blank after it
        name = start < commandLine.size() ? std::string(commandLine.substr(start)) : std::string();
    } else {
        for (const std::string &param : params) {
            if (!name.empty())
                name += ' ';
            name += param;
        }
    }
    std::erase(name, '"');
    return TrimBlanks(name);
}

PlacementAction PlacementActionFor(const FormSet &placement) {
    if (placement.WindowState == 2)
        return PlacementAction::Maximise;
    if (placement.WindowState != 0)
        return PlacementAction::None;
    if (placement.Width >= 76 && placement.Height >= 76 && placement.Left < 600 && placement.Top < 450)
        return PlacementAction::Apply;
    return PlacementAction::None;
}

std::optional<std::string> SaveAsFileName(const std::string &chosen) {
    std::filesystem::path path = NativePath(chosen);
    const std::string extension = UpperCase1252(Utf8Path(path.extension()));
    if (!extension.empty() && extension != ".KZB")
        return std::nullopt;
    path.replace_extension(".kzb");
    return Utf8Path(path);
}

} // namespace rondaxa
