// rondaxa-cli import-dos: one data set of an old DOS-edition installation
// converted into a competition file.
#include "cli/cli_common.h"
#include "cli/commands.h"

#include "core/model/dos_import.h"
#include "core/model/messages.h"
#include "core/platform/files.h"

#include <optional>

namespace rondaxa::cli {

namespace {

namespace fs = std::filesystem;

struct ImportArgs {
    std::string Dir;
    int Set = 0;
    std::optional<std::string> ClassDir;
    std::string OutPath;
};

ImportArgs ReadArgs(const CommandArgs &arguments) {
    Args args(arguments);
    ImportArgs read;
    while (!args.Done()) {
        const std::string arg = args.Next();
        if (arg == "--set")
            read.Set = args.IntValue(arg, 1, kDosMaxDataSets);
        else if (arg == "--class-dir")
            read.ClassDir = args.Value(arg);
        else if (arg == "--out")
            read.OutPath = args.Value(arg);
        else if (!arg.empty() && arg[0] == '-')
            throw UsageError("unknown option " + arg);
        else if (!read.Dir.empty())
            throw UsageError("import-dos takes one folder");
        else
            read.Dir = arg;
    }
    if (read.Dir.empty())
        throw UsageError("import-dos needs the folder of the DOS installation");
    if (read.Set == 0)
        throw UsageError("import-dos needs --set 1..3");
    if (read.OutPath.empty())
        throw UsageError("import-dos needs --out FILE.kzb");
    return read;
}

DosInfo ReadInfoForCli(const fs::path &dir) {
    if (!FindFileIgnoringCase(dir, kDosInfoFileName))
        throw CliExit(kExitFile, "Kan bestand niet openen: " + Utf8Path(dir / kDosInfoFileName));
    try {
        if (auto info = ReadDosInfo(dir))
            return *info;
    } catch (const IoError &error) {
        throw CliExit(kExitFile, error.what());
    }
    throw CliExit(kExitFile, ErrorMessageFor(kLoadRejectedCode).Text);
}

} // namespace

int RunImportDos(const CommandArgs &arguments) {
    const ImportArgs args = ReadArgs(arguments);
    const fs::path dir = NativePath(args.Dir);
    const DosInfo info = ReadInfoForCli(dir);

    std::unique_ptr<Competition> comp;
    if (args.Set <= static_cast<int>(info.Sets.size())) {
        const DosDataSet &set = info.Sets[static_cast<std::size_t>(args.Set - 1)];
        const fs::path classDir =
            args.ClassDir ? NativePath(*args.ClassDir) : ResolveDosFolder(dir, set.Folder);
        try {
            comp = ImportDataSet(info, args.Set, classDir);
        } catch (const IoError &error) {
            throw CliExit(kExitFile, error.what());
        }
    }
    if (!comp)
        throw CliExit(kExitRefused, ErrorMessageFor(kDosNotFoundCode).Text);
    comp->FileName = args.OutPath;
    const auto lock = LockForCli(args.OutPath);
    SaveForCli(*comp);
    return kExitOk;
}

} // namespace rondaxa::cli
