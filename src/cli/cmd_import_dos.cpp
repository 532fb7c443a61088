// rondaxa-cli import-dos: one data set of an old DOS-edition installation
// converted into a competition file.
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "cli/options.h"

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
    ImportArgs read;
    read.Dir = ReadOptions(arguments, "import-dos", {"folder", "the folder of the DOS installation"},
                           {
                               Needed("--set 1..3", Number("--set", 1, kDosMaxDataSets, read.Set)),
                               Text("--class-dir", read.ClassDir),
                               Needed("--out FILE.kzb", Text("--out", read.OutPath)),
                           });
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
