// Old DOS-edition files built byte by byte for the tests: the information
// file "kzbinfo.brq" and the class files of 141-byte rider records.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace rondaxa::test {

using DosBytes = std::vector<uint8_t>;

// Writes a length byte and the text at `at` (the length byte may be given
// apart, to build hostile files).
inline void PutDosText(DosBytes &b, std::size_t at, const std::string &text, int lengthByte = -1) {
    b[at] = static_cast<uint8_t>(lengthByte >= 0 ? lengthByte : static_cast<int>(text.size()));
    for (std::size_t i = 0; i < text.size() && at + 1 + i < b.size(); ++i)
        b[at + 1 + i] = static_cast<uint8_t>(text[i]);
}

struct DosSetSpec {
    std::string Club;
    std::vector<std::string> Classes;
    std::vector<uint8_t> Points; // the table; its size is the stored count
    std::string Folder;
    bool TieBreak = false;
};

// An information file with the given sets; inUse defaults to their number.
inline DosBytes DosInfoBytes(const std::vector<DosSetSpec> &sets, int inUse = -1) {
    DosBytes b(1624, 0);
    b[93] = static_cast<uint8_t>(inUse >= 0 ? inUse : static_cast<int>(sets.size()));
    for (std::size_t s = 0; s < sets.size() && s < 3; ++s) {
        const DosSetSpec &set = sets[s];
        PutDosText(b, s * 31, set.Club);
        const std::size_t record = 94 + s * 510;
        for (std::size_t c = 0; c < set.Classes.size() && c < 15; ++c)
            PutDosText(b, record + c * 31, set.Classes[c]);
        b[record + 465] = static_cast<uint8_t>(set.Classes.size());
        b[record + 467] = static_cast<uint8_t>(set.Points.size());
        for (std::size_t p = 0; p < set.Points.size() && p < 10; ++p)
            b[record + 468 + p] = set.Points[p];
        PutDosText(b, record + 478, set.Folder);
        b[record + 509] = set.TieBreak ? 1 : 0;
    }
    return b;
}

struct DosRiderSpec {
    std::string Name;
    std::vector<std::string> Results; // result fields 1.., as stored texts
};

inline DosBytes DosClassBytes(const std::vector<DosRiderSpec> &riders) {
    DosBytes b(riders.size() * 141, 0);
    for (std::size_t i = 0; i < riders.size(); ++i) {
        const std::size_t at = i * 141;
        PutDosText(b, at, riders[i].Name);
        for (std::size_t k = 0; k < riders[i].Results.size() && k < 40; ++k)
            PutDosText(b, at + 21 + k * 3, riders[i].Results[k]);
    }
    return b;
}

inline void WriteDosFile(const std::filesystem::path &path, const DosBytes &bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace rondaxa::test
