// The competition file (".KZB"): fixed-size little-endian blocks, written and
// read byte for byte.
#pragma once

#include "core/model/model.h"
#include "core/platform/files.h"
#include "core/platform/platform.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rondaxa {

class SettingsStore;

inline constexpr std::size_t kClubRecSize = 216;
inline constexpr std::size_t kReservedSize = 72;
inline constexpr std::size_t kPrintSettingsSize = 796;
inline constexpr std::size_t kClassHeaderSize = 44;
inline constexpr std::size_t kRiderSize = 272;
inline constexpr std::size_t kResultInfoSize = 84;
inline constexpr std::size_t kClassBlocksOffset = kClubRecSize + kReservedSize + kPrintSettingsSize; // 1084

inline constexpr int kLoadRejectedCode = 2; // "Versie incorrect of bestand is beschadigd!"
inline constexpr int kSaveFailedCode = 1;   // "Bestand niet kunnen bewaren!!!"

// The stored form of the records.
Bytes EncodeClubRec(const ClubRec &club);
ClubRec DecodeClubRec(const uint8_t *bytes); // kClubRecSize bytes
Bytes EncodePrintSettings(const PrintSettings &print);
PrintSettings DecodePrintSettings(const uint8_t *bytes); // kPrintSettingsSize bytes
Bytes EncodeRider(const TRijder &rider);
void DecodeRider(const uint8_t *bytes, TRijder &rider); // kRiderSize bytes; working fields untouched
Bytes EncodeResultInfo(const ResultInfo &info);
ResultInfo DecodeResultInfo(const uint8_t *bytes); // kResultInfoSize bytes

// The lowest version that holds the settings: 4 advanced tie-break (or
// tie-break steps other than the simple method's own, which older versions
// do not keep), 3 deduction other than 1 or tie method 2, else 2.
int32_t FileVersionFor(const ClubRec &club);

// The whole file in memory. SerializeCompetition sets Version, ClassCount
// and the font fields of ClubRec as saving does; DateSaved is left alone.
Bytes SerializeCompetition(Competition &comp);
void SaveClassBlock(TKlasse &klasse, Bytes &out);

// Parses a whole file into a new competition. Returns nothing when the file
// is rejected (too short, a version other than 2..4, a count out of range,
// or ending inside a block); the caller shows message 2.
std::unique_ptr<Competition> ParseCompetition(const Bytes &bytes);
// The same for a file, read piece by piece instead of whole: gives what
// ParseCompetition(ReadFileBytes(path)) gives. Throws IoError like
// ReadFileBytes.
std::unique_ptr<Competition> ParseCompetitionFile(const std::string &path);

// Backup name: the same name with its extension replaced by ".BAK".
std::string BackupName(const std::string &fileName);
// True when two names may denote one file: equal but for case (one file on
// a disk that ignores case), or, where both exist, the same file.
bool NamesSameFile(const std::string &a, const std::string &b);
// The load's name test: ".KZB" at position 2 or later of the upper-cased name.
bool HasKzbExtension(const std::string &fileName);

// How an old backup is disposed of (the desktop sends it to the trash; the
// default removes it). It is given the old backup under a temporary name and
// the backup name it had. Returns false when it could not be disposed of (it
// is then removed).
using DisposeBackupFn = std::function<bool(const std::string &path, const std::string &backupName)>;

// Saves the competition to fileName, crash-safe: the new content is written
// completely beside the file first; then the current file becomes the backup
// (replacing the old one in one step), the new content replaces the file in
// one step, and only then is the old backup disposed of. A save stopped at
// any moment leaves a complete file and a complete backup. A file named as its
// own backup keeps no backup; a read-only file is refused. On failure throws IoError (the
// caller shows message 1), leaving file, backup and DateSaved as they were.
// On success sets DateSaved, the file name, "LastFile" (when a store is given)
// and clears the modified flag.
void SaveCompetition(Competition &comp, const std::string &fileName, SettingsStore *store = nullptr,
                     const DisposeBackupFn &disposeBackup = {});

enum class LoadResult { Loaded, NotAttempted, Rejected };

// Loads fileName into comp. A wrong extension or a missing file leaves comp
// as it is and returns NotAttempted. A damaged file returns Rejected (the
// caller shows message 2) and leaves comp as it is; a file that cannot be
// read throws IoError. On success comp is replaced, the first class is
// active, "LastFile" is stored and the modified flag is clear.
LoadResult LoadCompetition(Competition &comp, const std::string &fileName, SettingsStore *store = nullptr);

// Discards the open competition's classes and file name (standings removed
// first); the modified flag is not touched.
void CloseCompetition(Competition &comp);

// Reads a whole file, as far as a competition file can reach; throws IoError.
Bytes ReadFileBytes(const std::string &path);
// Reads at most limit bytes from the start of a file; throws IoError.
Bytes ReadFileHead(const std::string &path, std::size_t limit);

} // namespace rondaxa
