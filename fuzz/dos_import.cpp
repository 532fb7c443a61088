// Fuzz target: a data set of the old DOS edition. The first 1624 bytes are
// the information file, the rest the file of its first class; the import
// builds the competition of the first data set from them, followed by what
// a user does next with it.
#include "fuzz/use_competition.h"

#include "core/model/dos_import.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A folder for the class file, removed when the process ends.
class ClassFolder {
public:
    ClassFolder() : path_(fs::temp_directory_path() / ("rondaxa-fuzz-dos-" + std::to_string(getpid()))) {
        fs::create_directories(path_);
    }
    ~ClassFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path &Path() const { return path_; }

private:
    fs::path path_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    using namespace rondaxa;
    static const ClassFolder folder;
    const std::span<const uint8_t> bytes(data, size);
    const std::optional<DosInfo> info = ParseDosInfo(bytes);
    if (!info)
        return 0;
    {
        std::ofstream classFile(folder.Path() / DosClassFileName(1, 1), std::ios::binary | std::ios::trunc);
        classFile.write(reinterpret_cast<const char *>(data + kDosInfoSize),
                        static_cast<std::streamsize>(size - kDosInfoSize));
    }
    std::unique_ptr<Competition> comp = ImportDataSet(*info, 1, folder.Path());
    if (comp)
        fuzz::UseCompetition(*comp, data[size - 1]);
    return 0;
}
