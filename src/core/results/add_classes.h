// Adding classes from another competition file: the list of its classes,
// then the chosen ones copied into the open competition with their riders,
// results and result information. Results are taken over as stored, so both
// competitions must store finishing positions.
#pragma once

#include "core/model/kzb_file.h"
#include "core/model/model.h"

#include <string>
#include <vector>

namespace rondaxa {

inline constexpr int kOtherFileMissingCode = 80; // "Gegevensbestanden niet gevonden !"
inline constexpr int kNotFinishOrderCode = 99;   // "Opslag methode uitslagen niet als ..."

// The other file as the scan finds it.
struct ClassList {
    int Error = 0;                      // 0, or the message: 80, 99 or 2 (damaged)
    ClubRec Club;                       // the other file's settings
    std::vector<std::string> Names;     // its classes in file order
    std::unique_ptr<Competition> Other; // the whole file, read and checked
};

// Checks a whole file's bytes: fewer than 216 bytes, a version other than
// 2..4 or results stored as points give 99; a file the competition reader
// rejects (ending inside a class block, a count out of range) gives 2.
ClassList ReadClassList(const Bytes &bytes);
// The same for a file; a file that does not exist gives 80. Throws IoError
// when it cannot be read.
ClassList ReadClassList(const std::string &fileName);

// The import: reads the file again and, only when all of it is sound, adds
// the classes whose checked entry is true (in file order) as last tabs while
// the competition holds fewer than 20 classes; the rest are skipped. The
// added classes are laid out by the open competition's settings and keep
// their riders' Ids. Returns the
// error code (0 when the file was sound) and adds nothing on an error.
int AddCheckedClasses(Competition &comp, const std::string &fileName, const std::vector<bool> &checked);

} // namespace rondaxa
