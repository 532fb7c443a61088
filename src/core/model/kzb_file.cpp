#include "model/kzb_file.h"

#include "model/messages.h"
#include "model/settings.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace rondaxa {
namespace {

namespace fs = std::filesystem;

// The largest file that can be valid: every further byte is ignored.
constexpr std::size_t kMaxClassBlockSize =
    kClassHeaderSize + kMaxRiders * kRiderSize + kMaxResults * kResultInfoSize;
constexpr std::size_t kMaxFileSize = kClassBlocksOffset + kMaxClasses * kMaxClassBlockSize;

// ---- writing fields at fixed offsets ---------------------------------------

void PutU8(uint8_t *at, uint8_t v) {
    at[0] = v;
}

void PutU16(uint8_t *at, uint16_t v) {
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
}

void PutI16(uint8_t *at, int16_t v) {
    PutU16(at, static_cast<uint16_t>(v));
}

void PutU32(uint8_t *at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(v >> (8 * i));
}

void PutI32(uint8_t *at, int32_t v) {
    PutU32(at, static_cast<uint32_t>(v));
}

// string[n]: a length byte and n bytes of room; the room after the
// characters is written as zero bytes.
template <std::size_t N> void PutStr(uint8_t *at, const FixedString<N> &s) {
    at[0] = static_cast<uint8_t>(s.size());
    std::copy(s.str().begin(), s.str().end(), at + 1);
}

// ---- reading fields at fixed offsets ------------------------------------------

uint8_t GetU8(const uint8_t *at) {
    return at[0];
}
uint16_t GetU16(const uint8_t *at) {
    return static_cast<uint16_t>(at[0] | (at[1] << 8));
}
int16_t GetI16(const uint8_t *at) {
    return static_cast<int16_t>(GetU16(at));
}

uint32_t GetU32(const uint8_t *at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(at[i]) << (8 * i);
    return v;
}

int32_t GetI32(const uint8_t *at) {
    return static_cast<int32_t>(GetU32(at));
}

// A length byte larger than the room is clamped to the room.
template <std::size_t N> void GetStr(const uint8_t *at, FixedString<N> &s) {
    const std::size_t length = std::min<std::size_t>(at[0], N);
    s.assign(std::string_view(reinterpret_cast<const char *>(at + 1), length));
}

// ---- the class block header ---------------------------------------------------

struct ClassHeader {
    FixedString<30> Name;
    int32_t RiderCount = 0;
    int32_t InfoCount = 0;
    int32_t ResultCount = 0;
};

void PutClassHeader(uint8_t *at, const TKlasse &klasse) {
    PutStr(at, klasse.Name);
    PutI32(at + 32, klasse.RiderCount);
    PutI32(at + 36, klasse.InfoCount);
    PutI32(at + 40, klasse.ResultCount);
}

ClassHeader GetClassHeader(const uint8_t *at) {
    ClassHeader header;
    GetStr(at, header.Name);
    header.RiderCount = GetI32(at + 32);
    header.InfoCount = GetI32(at + 36);
    header.ResultCount = GetI32(at + 40);
    return header;
}

// A cursor over the file's bytes that refuses to read past the end.
class ByteReader {
public:
    explicit ByteReader(const Bytes &bytes) : bytes_(bytes) {}
    const uint8_t *Take(std::size_t count) {
        if (bytes_.size() - pos_ < count)
            return nullptr;
        const uint8_t *at = bytes_.data() + pos_;
        pos_ += count;
        return at;
    }
    void Seek(std::size_t pos) { pos_ = std::min(pos, bytes_.size()); }

private:
    const Bytes &bytes_;
    std::size_t pos_ = 0;
};

bool ParseClassBlock(ByteReader &reader, const ClubRec &club, std::unique_ptr<TKlasse> &out) {
    const uint8_t *headerBytes = reader.Take(kClassHeaderSize);
    if (!headerBytes)
        return false;
    const ClassHeader header = GetClassHeader(headerBytes);
    if (header.RiderCount < 0 || header.RiderCount > kMaxRiders || header.ResultCount < 0 ||
        header.ResultCount > kMaxResults || header.InfoCount < 0 || header.InfoCount > kMaxResults)
        return false;

    auto klasse = CreateClass(club, header.Name);
    klasse->RiderCount = header.RiderCount;
    klasse->InfoCount = header.InfoCount;
    klasse->ResultCount = header.ResultCount;
    RebuildFixedColumns(*klasse, club);

    ClassGrid &grid = klasse->Grid;
    if (header.RiderCount > 0) {
        grid.SetRowCount(header.RiderCount + 1);
        for (int i = 1; i <= header.RiderCount; ++i) {
            const uint8_t *riderBytes = reader.Take(kRiderSize);
            if (!riderBytes)
                return false;
            auto rider = std::make_unique<TRijder>();
            DecodeRider(riderBytes, *rider);
            grid.RowAt(i).Label = IntText(i);
            grid.RowAt(i).Rider = std::move(rider);
        }
    }
    for (int i = 0; i < header.InfoCount; ++i) {
        const uint8_t *infoBytes = reader.Take(kResultInfoSize);
        if (!infoBytes)
            return false;
        auto info = std::make_unique<ResultInfo>(DecodeResultInfo(infoBytes));
        if (info->FromCol >= 1 && info->FromCol <= header.ResultCount)
            grid.ColData(klasse->ResultColumn(info->FromCol))->Info = std::move(info);
    }
    if ((club.Options & OptFixedColumns) && grid.ColCount() > 3)
        grid.FixedCols = 3;
    out = std::move(klasse);
    return true;
}

// ---- files ------------------------------------------------------------------------

bool WriteFileDurably(const std::string &path, const Bytes &bytes) {
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
#ifdef _WIN32
    ok = _commit(_fileno(file)) == 0 && ok;
#else
    ok = fsync(fileno(file)) == 0 && ok;
#endif
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

std::string TemporaryNameFor(const std::string &fileName) {
    for (int i = 0;; ++i) {
        std::string candidate = fileName + ".~tmp" + (i ? IntText(i) : std::string());
        std::error_code ec;
        if (!fs::exists(candidate, ec) || i > 1000)
            return candidate;
    }
}

bool RemoveBackup(const std::string &path) {
    std::error_code ec;
    fs::remove(path, ec);
    return !ec;
}

} // namespace

// ---- records ----------------------------------------------------------------------

Bytes EncodeClubRec(const ClubRec &c) {
    Bytes b(kClubRecSize, 0);
    uint8_t *p = b.data();
    PutI32(p + 0, c.DateCreated);
    PutI32(p + 4, c.Version);
    PutI32(p + 8, c.NextRiderId);
    PutI32(p + 12, c.DateStarted);
    PutI32(p + 16, c.DateSaved);
    PutStr(p + 20, c.ClubName);
    PutI32(p + 52, c.ClassCount);
    PutU8(p + 56, c.PointsCount);
    for (int i = 1; i <= kPointsTableSize; ++i)
        PutU8(p + 56 + i, c.Points[static_cast<std::size_t>(i)]);
    PutU8(p + 67, c.TieMethod);
    PutI32(p + 68, c.CountPercent);
    PutI32(p + 72, c.CountPlus);
    PutI32(p + 76, c.DropCount);
    PutI32(p + 80, c.CalcFlags);
    PutI32(p + 84, c.AverageMethod);
    PutI32(p + 88, c.Options);
    PutStr(p + 92, c.FontName);
    PutI32(p + 124, c.FontSize);
    PutI32(p + 128, c.FontColor);
    PutU8(p + 132, c.FontStyle);
    PutStr(p + 136, c.ExtraLabel1);
    PutStr(p + 152, c.ExtraLabel2);
    PutStr(p + 168, c.ExtraLabel3);
    PutU32(p + 184, c.InfoColor1);
    PutU32(p + 188, c.InfoColor2);
    PutI32(p + 192, c.ViewFlags);
    PutU32(p + 196, c.MarkColor);
    PutU16(p + 200, c.Deduction);
    for (int i = 1; i <= kTieStepCount; ++i) {
        PutU8(p + 200 + 2 * i, c.TieSteps[static_cast<std::size_t>(i)].Method);
        PutU8(p + 201 + 2 * i, c.TieSteps[static_cast<std::size_t>(i)].Param);
    }
    PutU8(p + 212, c.TieNotify);
    return b;
}

ClubRec DecodeClubRec(const uint8_t *p) {
    ClubRec c;
    c.DateCreated = GetI32(p + 0);
    c.Version = GetI32(p + 4);
    c.NextRiderId = GetI32(p + 8);
    c.DateStarted = GetI32(p + 12);
    c.DateSaved = GetI32(p + 16);
    GetStr(p + 20, c.ClubName);
    c.ClassCount = GetI32(p + 52);
    c.PointsCount = GetU8(p + 56);
    for (int i = 1; i <= kPointsTableSize; ++i)
        c.Points[static_cast<std::size_t>(i)] = GetU8(p + 56 + i);
    c.TieMethod = GetU8(p + 67);
    c.CountPercent = GetI32(p + 68);
    c.CountPlus = GetI32(p + 72);
    c.DropCount = GetI32(p + 76);
    c.CalcFlags = GetI32(p + 80);
    c.AverageMethod = GetI32(p + 84);
    c.Options = GetI32(p + 88);
    GetStr(p + 92, c.FontName);
    c.FontSize = GetI32(p + 124);
    c.FontColor = GetI32(p + 128);
    c.FontStyle = GetU8(p + 132);
    GetStr(p + 136, c.ExtraLabel1);
    GetStr(p + 152, c.ExtraLabel2);
    GetStr(p + 168, c.ExtraLabel3);
    c.InfoColor1 = GetU32(p + 184);
    c.InfoColor2 = GetU32(p + 188);
    c.ViewFlags = GetI32(p + 192);
    c.MarkColor = GetU32(p + 196);
    c.Deduction = GetU16(p + 200);
    for (int i = 1; i <= kTieStepCount; ++i) {
        c.TieSteps[static_cast<std::size_t>(i)].Method = GetU8(p + 200 + 2 * i);
        c.TieSteps[static_cast<std::size_t>(i)].Param = GetU8(p + 201 + 2 * i);
    }
    c.TieNotify = GetU8(p + 212);
    return c;
}

Bytes EncodePrintSettings(const PrintSettings &s) {
    Bytes b(kPrintSettingsSize, 0);
    uint8_t *p = b.data();
    PutU16(p + 0, s.PrintFlags);
    PutU16(p + 2, s.PrintFlags2);
    PutStr(p + 6, s.EmptyResultText);
    PutStr(p + 11, s.ResultSeparator);
    PutStr(p + 16, s.OwnHeaderText);
    PutU16(p + 68, s.MarginTop);
    PutU16(p + 70, s.MarginBottom);
    PutU16(p + 72, s.MarginLeft);
    PutU16(p + 74, s.MarginRight);
    PutU16(p + 76, s.LineSpacing);
    PutU16(p + 78, s.FieldSpacing);
    PutStr(p + 80, s.FontName);
    PutI32(p + 112, s.FontSize);
    PutI32(p + 116, s.FontColor);
    PutU8(p + 120, s.FontStyle);
    PutStr(p + 124, s.HeadPlace);
    PutStr(p + 145, s.HeadName);
    PutStr(p + 166, s.HeadStartNo);
    PutStr(p + 187, s.HeadNet);
    PutStr(p + 208, s.HeadGross);
    PutStr(p + 229, s.HeadCount);
    PutStr(p + 250, s.HeadTotal);
    PutStr(p + 271, s.HeadAverage);
    PutU16(p + 292, s.ShadePercent);
    PutStr(p + 294, s.HeaderText);
    PutStr(p + 545, s.EndText);
    return b;
}

PrintSettings DecodePrintSettings(const uint8_t *p) {
    PrintSettings s;
    s.PrintFlags = GetU16(p + 0);
    s.PrintFlags2 = GetU16(p + 2);
    GetStr(p + 6, s.EmptyResultText);
    GetStr(p + 11, s.ResultSeparator);
    GetStr(p + 16, s.OwnHeaderText);
    s.MarginTop = GetU16(p + 68);
    s.MarginBottom = GetU16(p + 70);
    s.MarginLeft = GetU16(p + 72);
    s.MarginRight = GetU16(p + 74);
    s.LineSpacing = GetU16(p + 76);
    s.FieldSpacing = GetU16(p + 78);
    GetStr(p + 80, s.FontName);
    s.FontSize = GetI32(p + 112);
    s.FontColor = GetI32(p + 116);
    s.FontStyle = GetU8(p + 120);
    GetStr(p + 124, s.HeadPlace);
    GetStr(p + 145, s.HeadName);
    GetStr(p + 166, s.HeadStartNo);
    GetStr(p + 187, s.HeadNet);
    GetStr(p + 208, s.HeadGross);
    GetStr(p + 229, s.HeadCount);
    GetStr(p + 250, s.HeadTotal);
    GetStr(p + 271, s.HeadAverage);
    s.ShadePercent = GetU16(p + 292);
    GetStr(p + 294, s.HeaderText);
    GetStr(p + 545, s.EndText);
    return s;
}

namespace {

// Writes a rider's stored form at p (kRiderSize zeroed bytes).
void PutRider(uint8_t *p, const TRijder &r) {
    PutStr(p + 0, r.Name);
    PutStr(p + 31, r.StartNo);
    for (int n = 1; n <= kMaxResults; ++n)
        PutI16(p + 38 + 2 * (n - 1), r.Results[static_cast<std::size_t>(n)]);
    PutStr(p + 138, r.Extra1);
    PutStr(p + 179, r.Extra2);
    PutStr(p + 220, r.Extra3);
    PutI32(p + 264, r.Id);
    PutI32(p + 268, r.Flags);
}

// Grows out by count zero bytes and returns where they start.
uint8_t *Append(Bytes &out, std::size_t count) {
    const std::size_t at = out.size();
    out.resize(at + count, 0);
    return out.data() + at;
}

} // namespace

Bytes EncodeRider(const TRijder &r) {
    Bytes b(kRiderSize, 0);
    PutRider(b.data(), r);
    return b;
}

void DecodeRider(const uint8_t *p, TRijder &r) {
    GetStr(p + 0, r.Name);
    GetStr(p + 31, r.StartNo);
    for (int n = 1; n <= kMaxResults; ++n)
        r.Results[static_cast<std::size_t>(n)] = GetI16(p + 38 + 2 * (n - 1));
    GetStr(p + 138, r.Extra1);
    GetStr(p + 179, r.Extra2);
    GetStr(p + 220, r.Extra3);
    r.Id = GetI32(p + 264);
    r.Flags = GetI32(p + 268);
}

Bytes EncodeResultInfo(const ResultInfo &info) {
    Bytes b(kResultInfoSize, 0);
    uint8_t *p = b.data();
    PutStr(p + 0, info.Date);
    PutStr(p + 10, info.Remark);
    PutI32(p + 72, info.FromCol);
    PutI32(p + 76, info.ToCol);
    PutU8(p + 80, info.InfoFlags);
    return b;
}

ResultInfo DecodeResultInfo(const uint8_t *p) {
    ResultInfo info;
    GetStr(p + 0, info.Date);
    GetStr(p + 10, info.Remark);
    info.FromCol = GetI32(p + 72);
    info.ToCol = GetI32(p + 76);
    info.InfoFlags = GetU8(p + 80);
    return info;
}

int32_t FileVersionFor(const ClubRec &club) {
    if (club.TieMethod == 3)
        return 4;
    if (club.Deduction != 1 || club.TieMethod == 2)
        return 3;
    return 2;
}

// ---- the whole file --------------------------------------------------------------

void SaveClassBlock(TKlasse &klasse, Bytes &out) {
    CountColumns(klasse);
    const std::size_t headerAt = out.size();
    Append(out, kClassHeaderSize);
    int written = 0;
    const ClassGrid &grid = klasse.Grid;
    out.reserve(out.size() + static_cast<std::size_t>(klasse.RiderCount) * kRiderSize +
                static_cast<std::size_t>(klasse.InfoCount) * kResultInfoSize);
    for (int r = 1; r <= klasse.RiderCount && r < grid.RowCount(); ++r) {
        if (const TRijder *rider = grid.Rider(r)) {
            PutRider(Append(out, kRiderSize), *rider);
            ++written;
        }
    }
    for (int c = 2; c < grid.ColCount(); ++c) {
        const TColData *data = grid.ColData(c);
        if (data && data->Kind == KindResult && data->Info) {
            const Bytes bytes = EncodeResultInfo(*data->Info);
            out.insert(out.end(), bytes.begin(), bytes.end());
        }
    }
    klasse.RiderCount = written;
    PutClassHeader(out.data() + headerAt, klasse);
}

Bytes SerializeCompetition(Competition &comp) {
    ClubRec &club = comp.Club;
    club.Version = FileVersionFor(club);
    club.ClassCount = comp.ClassCount();
    if (const TKlasse *active = comp.Active()) {
        const GridFont &font = active->Grid.Font;
        club.FontName = font.Name;
        club.FontSize = font.Size;
        club.FontColor = font.Color;
        club.FontStyle = font.Style;
    }
    Bytes out = EncodeClubRec(club);
    std::size_t size = kClassBlocksOffset;
    for (const auto &klasse : comp.Classes)
        size += kClassHeaderSize + static_cast<std::size_t>(klasse->Grid.RowCount()) * kRiderSize +
                static_cast<std::size_t>(kMaxResults) * kResultInfoSize;
    out.reserve(size);
    Append(out, kReservedSize);
    const Bytes print = EncodePrintSettings(comp.Print);
    out.insert(out.end(), print.begin(), print.end());
    for (auto &klasse : comp.Classes)
        SaveClassBlock(*klasse, out);
    return out;
}

std::unique_ptr<Competition> ParseCompetition(const Bytes &bytes) {
    ByteReader reader(bytes);
    const uint8_t *clubBytes = reader.Take(kClubRecSize);
    if (!clubBytes)
        return nullptr;
    auto comp = std::make_unique<Competition>();
    ClubRec &club = comp->Club;
    club = DecodeClubRec(clubBytes);
    if (club.Version < 2 || club.Version > 4 || club.ClassCount < 0 || club.ClassCount > kMaxClasses)
        return nullptr;
    if (club.Version == 2)
        club.Deduction = 1;
    if (club.Version <= 3)
        SetSimpleTieMethod(club, club.TieMethod);
    // A points table needs at least its first entry and a deduction step
    // of at least one point; nothing else can be computed from.
    club.PointsCount = static_cast<uint8_t>(std::clamp<int>(club.PointsCount, 1, kPointsTableSize));
    club.Deduction = static_cast<uint16_t>(std::clamp<int>(club.Deduction, 1, 10));

    reader.Seek(kClubRecSize + kReservedSize);
    const uint8_t *printBytes = reader.Take(kPrintSettingsSize);
    if (!printBytes)
        return nullptr;
    comp->Print = DecodePrintSettings(printBytes);

    for (int i = 0; i < club.ClassCount; ++i) {
        std::unique_ptr<TKlasse> klasse;
        if (!ParseClassBlock(reader, club, klasse))
            return nullptr;
        comp->Classes.push_back(std::move(klasse));
    }
    comp->ActiveClass = comp->Classes.empty() ? -1 : 0;
    return comp;
}

std::string BackupName(const std::string &fileName) {
    const std::size_t slash = fileName.find_last_of("/\\");
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return fileName + ".BAK";
    return fileName.substr(0, dot) + ".BAK";
}

bool HasKzbExtension(const std::string &fileName) {
    const std::size_t at = UpperCase1252(fileName).find(".KZB");
    return at != std::string::npos && at >= 1;
}

Bytes ReadFileBytes(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw IoError("Kan bestand niet openen: " + path);
    Bytes bytes(kMaxFileSize);
    in.read(reinterpret_cast<char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        throw IoError("Fout bij het lezen van: " + path);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool SaveCompetition(Competition &comp, const std::string &fileName, Prompts &prompts, SettingsStore *store,
                     const DisposeBackupFn &disposeBackup) {
    for (auto &klasse : comp.Classes)
        RemoveClassStandings(*klasse);
    const int32_t previousSaved = comp.Club.DateSaved;
    comp.Club.DateSaved = CurrentClock().NowStamp();
    const Bytes bytes = SerializeCompetition(comp);

    auto fail = [&](const std::string &temporary) {
        std::error_code ec;
        if (!temporary.empty())
            fs::remove(temporary, ec);
        comp.Club.DateSaved = previousSaved;
        ShowError(prompts, kSaveFailedCode);
        return false;
    };

    const std::string temporary = TemporaryNameFor(fileName);
    if (!WriteFileDurably(temporary, bytes))
        return fail(temporary);

    std::error_code ec;
    if (fs::exists(fileName, ec)) {
        const std::string backup = BackupName(fileName);
        if (fs::exists(backup, ec)) {
            const DisposeBackupFn &dispose = disposeBackup ? disposeBackup : DisposeBackupFn(RemoveBackup);
            if (!dispose(backup) && !RemoveBackup(backup))
                return fail(temporary);
        }
        fs::rename(fileName, backup, ec);
        if (ec)
            return fail(temporary);
    }
    fs::rename(temporary, fileName, ec);
    if (ec)
        return fail(temporary);

    comp.FileName = fileName;
    comp.Modified = 0;
    if (store) {
        try {
            StoreLastFile(*store, fileName);
        } catch (const SettingsError &error) {
            prompts.Message(error.what(), MessageIcon::Error);
        }
    }
    return true;
}

LoadResult LoadCompetition(Competition &comp, const std::string &fileName, Prompts &prompts,
                           SettingsStore *store) {
    std::error_code ec;
    if (!HasKzbExtension(fileName) || !fs::is_regular_file(fileName, ec))
        return LoadResult::NotAttempted;
    std::unique_ptr<Competition> loaded = ParseCompetition(ReadFileBytes(fileName));
    if (!loaded) {
        ShowError(prompts, kLoadRejectedCode);
        return LoadResult::Rejected;
    }
    CloseCompetition(comp);
    comp.Club = loaded->Club;
    comp.Print = loaded->Print;
    comp.Classes = std::move(loaded->Classes);
    comp.ActiveClass = comp.Classes.empty() ? -1 : 0;
    comp.FileName = fileName;
    comp.Modified = 0;
    if (store) {
        try {
            StoreLastFile(*store, fileName);
        } catch (const SettingsError &error) {
            prompts.Message(error.what(), MessageIcon::Error);
        }
    }
    return LoadResult::Loaded;
}

void CloseCompetition(Competition &comp) {
    for (auto &klasse : comp.Classes)
        RemoveStandings(*klasse);
    comp.Classes.clear();
    comp.ActiveClass = -1;
    comp.FileName.clear();
}

} // namespace rondaxa
