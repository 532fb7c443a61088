// Import of a data set of the old DOS edition: its information file
// "kzbinfo.brq" (up to three clubs with their classes and points tables) and
// one file of riders and results per class. Both are read as untrusted
// bytes: every count and length is held to its room before it is used.
#pragma once

#include "core/model/kzb_file.h"
#include "core/model/model.h"
#include "core/platform/platform.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rondaxa {

inline constexpr std::size_t kDosInfoSize = 1624;
inline constexpr std::size_t kDosDataSetSize = 510;
inline constexpr std::size_t kDosRiderSize = 141;
inline constexpr int kDosMaxDataSets = 3;
inline constexpr int kDosMaxClasses = 15;
inline constexpr int kDosMaxRiders = 200;
inline constexpr int kDosMaxResults = 40;
inline constexpr int kDosNotFoundCode = 80; // "Gegevensbestanden niet gevonden !"
inline constexpr const char *kDosInfoFileName = "kzbinfo.brq";

// One club of the information file. Texts are already in cp1252.
struct DosDataSet {
    std::string ClubName;
    std::vector<std::string> ClassNames;                // classes 1..n, n at most 15
    uint8_t PointsCount = 0;                            // at most 10
    std::array<uint8_t, kPointsTableSize + 1> Points{}; // [1..10]
    std::string Folder;                                 // of the class files, as stored
    bool TieBreak = false;
};

// The information file: the data sets in use, at most three.
struct DosInfo {
    std::vector<DosDataSet> Sets;
};

// Reads the information file's bytes; nothing when there are fewer than
// 1624. Bytes after the first 1624 are ignored.
std::optional<DosInfo> ParseDosInfo(std::span<const uint8_t> bytes);

// The information file of folder (its name in any letter case); nothing when
// the folder has none or it is too short. Throws IoError when it cannot be read.
std::optional<DosInfo> ReadDosInfo(const std::filesystem::path &folder);

// Fills a class made by CreateClass from a class file's bytes: one rider per
// whole 141-byte record (at most 200), the result columns the first rider
// has, names from code page 850. Riders take their Id from club.NextRiderId.
void LoadDosClass(TKlasse &klasse, ClubRec &club, std::span<const uint8_t> bytes);

// "KZBKL00" + set digit + "." + the class letter three times (set 1, class
// 2: "KZBKL001.BBB").
std::string DosClassFileName(int set, int classNumber);

// A file named name in folder, whatever the letter case of either; nothing
// when there is none.
std::optional<std::filesystem::path> FindFileIgnoringCase(const std::filesystem::path &folder,
                                                          const std::string &name);

// The folder a stored or typed folder text (cp1252; "\" and "/" both
// separate) stands for: a relative folder lies under base, an empty text is
// base itself. A folder whose letter case differs on disk is found too.
std::filesystem::path ResolveDosFolder(const std::filesystem::path &base, const std::string &folder);

// Builds the competition of data set `set` (1-based) with the class files of
// classFolder: the club's name, points table and tie-break rule over the
// defaults, one class per class file found (missing ones are skipped),
// unnamed and unmodified. Nothing when no class file is found or the set is
// not in use. Throws IoError when a class file cannot be read.
std::unique_ptr<Competition> ImportDataSet(const DosInfo &info, int set,
                                           const std::filesystem::path &classFolder);

// What the import dialog hands over: the folder of the information file,
// the chosen set and where the class files are (the check box ticked: in
// the information file's folder; else in the typed folder).
struct DosImportChoice {
    std::filesystem::path InfoFolder;
    int Set = 0;
    bool ClassesInInfoFolder = false;
    std::string TypedFolder; // cp1252
};

std::filesystem::path ClassFolderFor(const DosImportChoice &choice);

// Replaces comp by the chosen data set. When the information file is gone or
// no class file is found: message 80, and comp is closed with the default
// settings. Returns whether something was imported.
bool RunDosImport(Competition &comp, const DosImportChoice &choice, Prompts &prompts);

} // namespace rondaxa
