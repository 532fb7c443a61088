#include "core/model/dos_import.h"
#include "core/platform/files.h"

#include "core/model/messages.h"

#include <algorithm>
#include <system_error>

namespace rondaxa {
namespace {

namespace fs = std::filesystem;

// Offsets of the information file and of its data-set records.
constexpr std::size_t kInfoSetsInUse = 93;
constexpr std::size_t kInfoFirstSet = 94;
constexpr std::size_t kSetClassCount = 465;
constexpr std::size_t kSetPointsCount = 467;
constexpr std::size_t kSetPoints = 468;
constexpr std::size_t kSetFolder = 478;
constexpr std::size_t kSetTieBreak = 509;
constexpr std::size_t kNameRoom = 30;  // club, class and folder texts: string[30]
constexpr std::size_t kRiderRoom = 20; // rider name: string[20]
constexpr std::size_t kResultRoom = 2; // result text: string[2]
constexpr std::size_t kFirstResult = 21;

// A length-prefixed DOS text; a length byte beyond the room reads as the room.
std::string DosText(std::span<const uint8_t> bytes, std::size_t at, std::size_t room) {
    const std::size_t length = std::min<std::size_t>(bytes[at], room);
    return std::string(reinterpret_cast<const char *>(bytes.data() + at + 1), length);
}

DosDataSet ParseDataSet(std::span<const uint8_t> record, std::string clubName) {
    DosDataSet set;
    set.ClubName = std::move(clubName);
    const int classes = std::clamp<int>(
        static_cast<int16_t>(record[kSetClassCount] | (record[kSetClassCount + 1] << 8)), 0, kDosMaxClasses);
    for (int c = 0; c < classes; ++c)
        set.ClassNames.push_back(
            Cp850ToCp1252(DosText(record, static_cast<std::size_t>(c) * (kNameRoom + 1), kNameRoom)));
    set.PointsCount = std::min<uint8_t>(record[kSetPointsCount], kPointsTableSize);
    for (std::size_t p = 1; p <= kPointsTableSize; ++p)
        set.Points[p] = record[kSetPoints + p - 1];
    set.Folder = Cp850ToCp1252(DosText(record, kSetFolder, kNameRoom));
    set.TieBreak = record[kSetTieBreak] != 0;
    return set;
}

// The value of a result text: no result unless it reads as 1 or more.
int16_t DosResult(std::span<const uint8_t> record, int k) {
    const std::string text =
        DosText(record, kFirstResult + static_cast<std::size_t>(k - 1) * (kResultRoom + 1), kResultRoom);
    const int value = LenientStrToInt(text);
    return value >= 1 ? static_cast<int16_t>(value) : kNoResult;
}

// The highest result field of the record that holds any text.
int FilledResultFields(std::span<const uint8_t> record) {
    int count = 0;
    for (int k = 1; k <= kDosMaxResults; ++k)
        if (record[kFirstResult + static_cast<std::size_t>(k - 1) * (kResultRoom + 1)] != 0)
            count = k;
    return count;
}

char UpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

bool SameIgnoringCase(const std::string &a, const std::string &b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

// The entry of folder named name in any letter case (the exact name first).
std::optional<fs::path> FindEntryIgnoringCase(const fs::path &folder, const std::string &name,
                                              bool wantFolder) {
    std::error_code ec;
    auto fits = [&](const fs::path &p) {
        return wantFolder ? fs::is_directory(p, ec) : fs::is_regular_file(p, ec);
    };
    const fs::path exact = folder / fs::path(name);
    if (fits(exact))
        return exact;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        const fs::path candidate = it->path();
        if (SameIgnoringCase(Utf8Path(candidate.filename()), name) && fits(candidate))
            return candidate;
    }
    return std::nullopt;
}

} // namespace

std::optional<DosInfo> ParseDosInfo(std::span<const uint8_t> bytes) {
    if (bytes.size() < kDosInfoSize)
        return std::nullopt;
    DosInfo info;
    const int inUse = std::min<int>(bytes[kInfoSetsInUse], kDosMaxDataSets);
    for (int s = 0; s < inUse; ++s) {
        const auto record =
            bytes.subspan(kInfoFirstSet + static_cast<std::size_t>(s) * kDosDataSetSize, kDosDataSetSize);
        info.Sets.push_back(ParseDataSet(
            record, Cp850ToCp1252(DosText(bytes, static_cast<std::size_t>(s) * (kNameRoom + 1), kNameRoom))));
    }
    return info;
}

std::optional<DosInfo> ReadDosInfo(const fs::path &folder) {
    const auto file = FindFileIgnoringCase(folder, kDosInfoFileName);
    if (!file)
        return std::nullopt;
    return ParseDosInfo(ReadFileHead(Utf8Path(*file), kDosInfoSize));
}

void LoadDosClass(TKlasse &klasse, ClubRec &club, std::span<const uint8_t> bytes) {
    const int riders = static_cast<int>(std::min<std::size_t>(bytes.size() / kDosRiderSize, kDosMaxRiders));
    if (riders == 0)
        return; // the class keeps the riderless row of a new grid
    auto record = [&](int i) {
        return bytes.subspan(static_cast<std::size_t>(i - 1) * kDosRiderSize, kDosRiderSize);
    };
    const int results = FilledResultFields(record(1));

    ClassGrid &grid = klasse.Grid;
    grid.SetRowCount(riders + 1);
    for (int i = 1; i <= riders; ++i) {
        auto rider = std::make_unique<TRijder>();
        rider->Name = Cp850ToCp1252(DosText(record(i), 0, kRiderRoom));
        rider->Id = club.NextRiderId++;
        for (int k = 1; k <= results; ++k)
            rider->Results[static_cast<std::size_t>(k)] = DosResult(record(i), k);
        grid.RowAt(i).Label = IntText(i);
        grid.RowAt(i).Rider = std::move(rider);
    }
    klasse.RiderCount = riders;
    klasse.ResultCount = results;
    RebuildFixedColumns(klasse, club);
}

std::string DosClassFileName(int set, int classNumber) {
    const char letter = static_cast<char>(64 + classNumber);
    return std::string("KZBKL00") + static_cast<char>('0' + set) + '.' + std::string(3, letter);
}

std::optional<fs::path> FindFileIgnoringCase(const fs::path &folder, const std::string &name) {
    return FindEntryIgnoringCase(folder, name, false);
}

fs::path ResolveDosFolder(const fs::path &base, const std::string &folder) {
    std::string text = Cp1252ToUtf8(folder);
    std::replace(text.begin(), text.end(), '\\', '/');
    const fs::path typed = NativePath(text);
    fs::path at = base;
    if (typed.has_root_directory())
        at = typed.has_root_name() ? typed.root_path() : base.root_name() / typed.root_directory();
    for (const fs::path &part : typed.relative_path()) {
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            at = at.parent_path();
            continue;
        }
        const auto found = FindEntryIgnoringCase(at, Utf8Path(part), true);
        at = found ? *found : at / part;
    }
    return at;
}

std::unique_ptr<Competition> ImportDataSet(const DosInfo &info, int set, const fs::path &classFolder) {
    if (set < 1 || set > static_cast<int>(info.Sets.size()))
        return nullptr;
    const DosDataSet &source = info.Sets[static_cast<std::size_t>(set - 1)];
    auto comp = std::make_unique<Competition>();
    SetDefaults(*comp);
    ClubRec &club = comp->Club;
    club.ClubName = source.ClubName;
    // A points table keeps at least its first entry, as a competition file
    // read back does, so that saving and reading give the same settings.
    club.PointsCount = std::clamp<uint8_t>(source.PointsCount, 1, kPointsTableSize);
    club.Points = source.Points;
    club.TieMethod = source.TieBreak ? 1 : 0;
    // The steps follow the method, as the club settings show it.
    SetSimpleTieMethod(club, club.TieMethod);
    club.Options = 1; // results as points, the rider's name on the status bar

    for (int c = 1; c <= static_cast<int>(source.ClassNames.size()); ++c) {
        const auto file = FindFileIgnoringCase(classFolder, DosClassFileName(set, c));
        if (!file)
            continue;
        auto klasse = CreateClass(club, source.ClassNames[static_cast<std::size_t>(c - 1)]);
        LoadDosClass(*klasse, club, ReadFileHead(Utf8Path(*file), kDosMaxRiders * kDosRiderSize));
        comp->Classes.push_back(std::move(klasse));
    }
    if (comp->Classes.empty())
        return nullptr;
    club.ClassCount = comp->ClassCount();
    comp->ActiveClass = 0;
    return comp;
}

fs::path ClassFolderFor(const DosImportChoice &choice) {
    if (choice.ClassesInInfoFolder)
        return choice.InfoFolder;
    return ResolveDosFolder(choice.InfoFolder, choice.TypedFolder);
}

bool RunDosImport(Competition &comp, const DosImportChoice &choice, Prompts &prompts) {
    std::unique_ptr<Competition> imported;
    if (const auto info = ReadDosInfo(choice.InfoFolder))
        imported = ImportDataSet(*info, choice.Set, ClassFolderFor(choice));
    CloseCompetition(comp);
    if (!imported) {
        ShowError(prompts, kDosNotFoundCode);
        SetDefaults(comp);
        return false;
    }
    comp = std::move(*imported);
    return true;
}

} // namespace rondaxa
