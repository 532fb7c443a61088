#include "core/model/kzb_file.h"

#include "core/model/messages.h"
#include "core/model/settings.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

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

// ---- files ------------------------------------------------------------------------

// Gives the old backup a name of its own: a second name (the backup keeps
// its name meanwhile), or where none can be made, the backup moved there.
void KeepAside(const std::string &backup, const std::string &aside) {
    try {
        SecondName(backup, aside);
    } catch (const IoError &) {
        ReplaceFile(backup, aside);
    }
}

// Gives the file a second name, the backup's, and the old backup's content a
// name of its own until the save has succeeded; a failed save puts the old
// backup back.
class BackupSwap {
public:
    BackupSwap(const std::string &fileName, std::string backup) : backup_(std::move(backup)) {
        staged_ = TemporaryNameBeside(backup_);
        SecondName(fileName, staged_);
        if (FileExists(backup_)) {
            previous_ = TemporaryNameBeside(backup_);
            try {
                KeepAside(backup_, previous_);
            } catch (const IoError &) {
                RemoveFile(staged_);
                throw;
            }
        }
        try {
            ReplaceFile(staged_, backup_);
        } catch (const IoError &) {
            RemoveFile(staged_);
            if (!previous_.empty())
                RemoveFile(previous_);
            throw;
        }
    }
    // The save failed after the swap: the backup is again the one it was.
    void Undo() noexcept {
        try {
            if (!previous_.empty())
                ReplaceFile(previous_, backup_);
            else
                RemoveFile(backup_);
        } catch (const IoError &) {
            // the backup keeps the current file's content: nothing is lost
        }
    }
    // The save succeeded: the old backup's content goes.
    void Dispose(const DisposeBackupFn &disposeBackup) noexcept {
        if (previous_.empty())
            return;
        if (!disposeBackup || !disposeBackup(previous_, backup_))
            RemoveFile(previous_);
    }

private:
    std::string backup_;
    std::string staged_;
    std::string previous_;
};

} // namespace

// ---- records ----------------------------------------------------------------------

namespace {

// Each record's stored layout is written down once, as its fields at their
// offsets; the same description serves writing (FieldWriter, over a const
// record) and reading (FieldReader).
class FieldWriter {
public:
    explicit FieldWriter(uint8_t *p) : p_(p) {}
    void U8(std::size_t at, uint8_t v) { PutU8(p_ + at, v); }
    void U16(std::size_t at, uint16_t v) { PutU16(p_ + at, v); }
    void I16(std::size_t at, int16_t v) { PutI16(p_ + at, v); }
    void I32(std::size_t at, int32_t v) { PutI32(p_ + at, v); }
    void U32(std::size_t at, uint32_t v) { PutU32(p_ + at, v); }
    template <std::size_t N> void Str(std::size_t at, const FixedString<N> &s) { PutStr(p_ + at, s); }

private:
    uint8_t *p_;
};

class FieldReader {
public:
    explicit FieldReader(const uint8_t *p) : p_(p) {}
    void U8(std::size_t at, uint8_t &v) { v = GetU8(p_ + at); }
    void U16(std::size_t at, uint16_t &v) { v = GetU16(p_ + at); }
    void I16(std::size_t at, int16_t &v) { v = GetI16(p_ + at); }
    void I32(std::size_t at, int32_t &v) { v = GetI32(p_ + at); }
    void U32(std::size_t at, uint32_t &v) { v = GetU32(p_ + at); }
    template <std::size_t N> void Str(std::size_t at, FixedString<N> &s) { GetStr(p_ + at, s); }

private:
    const uint8_t *p_;
};

template <class Io, class Club> void ClubRecFields(Io &io, Club &c) {
    io.I32(0, c.DateCreated);
    io.I32(4, c.Version);
    io.I32(8, c.NextRiderId);
    io.I32(12, c.DateStarted);
    io.I32(16, c.DateSaved);
    io.Str(20, c.ClubName);
    io.I32(52, c.ClassCount);
    io.U8(56, c.PointsCount);
    for (std::size_t i = 1; i <= kPointsTableSize; ++i)
        io.U8(56 + i, c.Points[i]);
    io.U8(67, c.TieMethod);
    io.I32(68, c.CountPercent);
    io.I32(72, c.CountPlus);
    io.I32(76, c.DropCount);
    io.I32(80, c.CalcFlags);
    io.I32(84, c.AverageMethod);
    io.I32(88, c.Options);
    io.Str(92, c.FontName);
    io.I32(124, c.FontSize);
    io.I32(128, c.FontColor);
    io.U8(132, c.FontStyle);
    io.Str(136, c.ExtraLabel1);
    io.Str(152, c.ExtraLabel2);
    io.Str(168, c.ExtraLabel3);
    io.U32(184, c.InfoColor1);
    io.U32(188, c.InfoColor2);
    io.I32(192, c.ViewFlags);
    io.U32(196, c.MarkColor);
    io.U16(200, c.Deduction);
    for (std::size_t i = 1; i <= kTieStepCount; ++i) {
        io.U8(200 + 2 * i, c.TieSteps[i].Method);
        io.U8(201 + 2 * i, c.TieSteps[i].Param);
    }
    io.U8(212, c.TieNotify);
}

template <class Io, class Print> void PrintSettingsFields(Io &io, Print &s) {
    io.U16(0, s.PrintFlags);
    io.U16(2, s.PrintFlags2);
    io.Str(6, s.EmptyResultText);
    io.Str(11, s.ResultSeparator);
    io.Str(16, s.OwnHeaderText);
    io.U16(68, s.MarginTop);
    io.U16(70, s.MarginBottom);
    io.U16(72, s.MarginLeft);
    io.U16(74, s.MarginRight);
    io.U16(76, s.LineSpacing);
    io.U16(78, s.FieldSpacing);
    io.Str(80, s.FontName);
    io.I32(112, s.FontSize);
    io.I32(116, s.FontColor);
    io.U8(120, s.FontStyle);
    io.Str(124, s.HeadPlace);
    io.Str(145, s.HeadName);
    io.Str(166, s.HeadStartNo);
    io.Str(187, s.HeadNet);
    io.Str(208, s.HeadGross);
    io.Str(229, s.HeadCount);
    io.Str(250, s.HeadTotal);
    io.Str(271, s.HeadAverage);
    io.U16(292, s.ShadePercent);
    io.Str(294, s.HeaderText);
    io.Str(545, s.EndText);
}

template <class Io, class Rider> void RiderFields(Io &io, Rider &r) {
    io.Str(0, r.Name);
    io.Str(31, r.StartNo);
    for (std::size_t n = 1; n <= kMaxResults; ++n)
        io.I16(38 + 2 * (n - 1), r.Results[n]);
    io.Str(138, r.Extra1);
    io.Str(179, r.Extra2);
    io.Str(220, r.Extra3);
    io.I32(264, r.Id);
    io.I32(268, r.Flags);
}

template <class Io, class Info> void ResultInfoFields(Io &io, Info &info) {
    io.Str(0, info.Date);
    io.Str(10, info.Remark);
    io.I32(72, info.FromCol);
    io.I32(76, info.ToCol);
    io.U8(80, info.InfoFlags);
}

template <class Io, class Header> void ClassHeaderFields(Io &io, Header &h) {
    io.Str(0, h.Name);
    io.I32(32, h.RiderCount);
    io.I32(36, h.InfoCount);
    io.I32(40, h.ResultCount);
}

// Grows out by count zero bytes and returns where they start.
uint8_t *Append(Bytes &out, std::size_t count) {
    const std::size_t at = out.size();
    out.resize(at + count, 0);
    return out.data() + at;
}

template <class Record, void (*Fields)(FieldWriter &, const Record &)>
Bytes Encode(const Record &record, std::size_t size) {
    Bytes b(size, 0);
    FieldWriter io(b.data());
    Fields(io, record);
    return b;
}

// ---- the class block header ---------------------------------------------------

struct ClassHeader {
    FixedString<30> Name;
    int32_t RiderCount = 0;
    int32_t InfoCount = 0;
    int32_t ResultCount = 0;
};

// A cursor over the file's bytes that refuses to read past the end. Take
// gives the next count bytes, or nothing where the bytes end before them;
// SkipTo moves on to a position (never back).
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
    void SkipTo(std::size_t pos) { pos_ = std::min(pos, bytes_.size()); }

private:
    const Bytes &bytes_;
    std::size_t pos_ = 0;
};

// The same cursor over a file that is read piece by piece, so that the file
// is never held whole. It sees what ReadFileBytes would give: the first
// kMaxFileSize bytes at most. What Take gives stays valid until the next
// Take. Throws IoError when the file cannot be opened or read.
class FileByteReader {
public:
    explicit FileByteReader(const std::string &path)
        : in_(path), piece_(std::make_unique_for_overwrite<uint8_t[]>(kRoom)) {}

    const uint8_t *Take(std::size_t count) {
        if (pos_ + count > start_ + filled_ && !ReadOn(count))
            return nullptr;
        const uint8_t *at = piece_.get() + (pos_ - start_);
        pos_ += count;
        return at;
    }
    void SkipTo(std::size_t pos) { pos_ = std::min(pos, kMaxFileSize); }

private:
    // Room for many records; the largest one taken at once must fit.
    static constexpr std::size_t kRoom = 64 * 1024;
    static_assert(kRoom >= kPrintSettingsSize && kRoom >= kRiderSize);

    // Starts the piece at the cursor, keeping what it holds from there on,
    // and fills it up; true when count bytes are then there.
    bool ReadOn(std::size_t count) {
        const std::size_t end = start_ + filled_;
        std::size_t kept = 0;
        if (pos_ < end) {
            kept = end - pos_;
            std::memmove(piece_.get(), piece_.get() + (pos_ - start_), kept);
        } else if (pos_ > end) {
            in_.Skip(pos_ - end);
        }
        start_ = pos_;
        filled_ = kept;
        const std::size_t room = std::min(kRoom, kMaxFileSize - start_);
        filled_ += in_.Read(piece_.get() + filled_, room - filled_);
        return filled_ >= count;
    }

    InputFile in_;
    std::unique_ptr<uint8_t[]> piece_;
    std::size_t start_ = 0;  // the file position of the piece's first byte
    std::size_t filled_ = 0; // the bytes of the file the piece holds
    std::size_t pos_ = 0;    // the cursor's file position
};

template <class Reader>
bool ParseClassBlock(Reader &reader, const ClubRec &club, std::unique_ptr<TKlasse> &out) {
    const uint8_t *headerBytes = reader.Take(kClassHeaderSize);
    if (!headerBytes)
        return false;
    ClassHeader header;
    FieldReader headerIo(headerBytes);
    ClassHeaderFields(headerIo, header);
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
        if (info->FromCol < 1 || info->FromCol > header.ResultCount)
            continue;
        // A range covers at least its own first column and ends within the
        // result columns a class can have.
        info->ToCol = std::clamp(info->ToCol, info->FromCol, kMaxResults);
        grid.ColData(klasse->ResultColumn(info->FromCol))->Info = std::move(info);
    }
    if ((club.Options & OptFixedColumns) && grid.ColCount() > 3)
        grid.FixedCols = 3;
    out = std::move(klasse);
    return true;
}

} // namespace

Bytes EncodeClubRec(const ClubRec &c) {
    return Encode<ClubRec, ClubRecFields<FieldWriter, const ClubRec>>(c, kClubRecSize);
}

ClubRec DecodeClubRec(const uint8_t *p) {
    ClubRec c;
    FieldReader io(p);
    ClubRecFields(io, c);
    return c;
}

Bytes EncodePrintSettings(const PrintSettings &s) {
    return Encode<PrintSettings, PrintSettingsFields<FieldWriter, const PrintSettings>>(s,
                                                                                        kPrintSettingsSize);
}

PrintSettings DecodePrintSettings(const uint8_t *p) {
    PrintSettings s;
    FieldReader io(p);
    PrintSettingsFields(io, s);
    return s;
}

Bytes EncodeRider(const TRijder &r) {
    return Encode<TRijder, RiderFields<FieldWriter, const TRijder>>(r, kRiderSize);
}

void DecodeRider(const uint8_t *p, TRijder &r) {
    FieldReader io(p);
    RiderFields(io, r);
}

Bytes EncodeResultInfo(const ResultInfo &info) {
    return Encode<ResultInfo, ResultInfoFields<FieldWriter, const ResultInfo>>(info, kResultInfoSize);
}

ResultInfo DecodeResultInfo(const uint8_t *p) {
    ResultInfo info;
    FieldReader io(p);
    ResultInfoFields(io, info);
    return info;
}

namespace {

// Whether the tie-break steps are those that reading an older version sets
// for the tie method (which it does in place of the stored steps).
bool HasPresetTieSteps(const ClubRec &club) {
    ClubRec preset = club;
    SetSimpleTieMethod(preset, preset.TieMethod);
    for (std::size_t i = 1; i <= kTieStepCount; ++i)
        if (preset.TieSteps[i].Method != club.TieSteps[i].Method ||
            preset.TieSteps[i].Param != club.TieSteps[i].Param)
            return false;
    return preset.TieNotify == club.TieNotify;
}

} // namespace

int32_t FileVersionFor(const ClubRec &club) {
    if (club.TieMethod == 3 || !HasPresetTieSteps(club))
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
            FieldWriter io(Append(out, kRiderSize));
            RiderFields(io, *rider);
            ++written;
        }
    }
    for (int c = 2; c < grid.ColCount(); ++c) {
        const TColData *data = grid.ColData(c);
        if (data && data->Kind == KindResult && data->Info) {
            FieldWriter io(Append(out, kResultInfoSize));
            ResultInfoFields(io, *data->Info);
        }
    }
    klasse.RiderCount = written;
    FieldWriter headerIo(out.data() + headerAt);
    ClassHeaderFields(headerIo, klasse);
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

namespace {

template <class Reader> std::unique_ptr<Competition> ParseFrom(Reader &reader) {
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
    // The counting rules are brought into the ranges the club settings allow,
    // so no damaged value reaches the calculation.
    club.CountPercent = std::clamp(club.CountPercent, 0, kMaxCountPercent);
    club.CountPlus = std::clamp(club.CountPlus, 0, kMaxCountPlus);
    club.DropCount = std::clamp(club.DropCount, 0, kMaxDropCount);

    reader.SkipTo(kClubRecSize + kReservedSize);
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

} // namespace

std::unique_ptr<Competition> ParseCompetition(const Bytes &bytes) {
    ByteReader reader(bytes);
    return ParseFrom(reader);
}

std::unique_ptr<Competition> ParseCompetitionFile(const std::string &path) {
    FileByteReader reader(path);
    return ParseFrom(reader);
}

std::string BackupName(const std::string &fileName) {
    const std::size_t slash = fileName.find_last_of("/\\");
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return fileName + ".BAK";
    return fileName.substr(0, dot) + ".BAK";
}

bool NamesSameFile(const std::string &a, const std::string &b) {
    if (UpperCase1252(a) == UpperCase1252(b))
        return true; // one file on a disk that ignores case
    std::error_code ec;
    return fs::equivalent(NativePath(a), NativePath(b), ec) && !ec;
}

bool HasKzbExtension(const std::string &fileName) {
    const std::size_t at = UpperCase1252(fileName).find(".KZB");
    return at != std::string::npos && at >= 1;
}

Bytes ReadFileBytes(const std::string &path) {
    return ReadFileHead(path, kMaxFileSize);
}

Bytes ReadFileHead(const std::string &path, std::size_t limit) {
    return ReadAll(path, limit);
}

namespace {

// Writes the file's new content; the current file becomes the backup (a file
// named as its own backup keeps none). The file keeps its name until the new
// content replaces it in one step; the backup, too, is replaced in one step by
// a second name of the current file, and the old backup is disposed of only
// after the new content is in place. A save stopped at any moment leaves a
// complete file and a complete backup; a save that fails leaves both as they
// were.
void WriteWithBackup(const std::string &fileName, const Bytes &bytes, const DisposeBackupFn &disposeBackup) {
    SafeWriter writer(fileName);
    writer.Write(bytes);
    writer.Finish();
    const std::string backup = BackupName(fileName);
    if (!FileExists(fileName) || NamesSameFile(fileName, backup)) {
        writer.Commit();
        RemoveLeftTemporaries(fileName);
        return;
    }
    BackupSwap swap(fileName, backup);
    try {
        writer.Commit();
    } catch (const IoError &) {
        if (!writer.Committed())
            swap.Undo();
        throw;
    }
    swap.Dispose(disposeBackup);
    RemoveLeftTemporaries(fileName);
    RemoveLeftTemporaries(backup);
}

} // namespace

void SaveCompetition(Competition &comp, const std::string &fileName, SettingsStore *store,
                     const DisposeBackupFn &disposeBackup) {
    for (auto &klasse : comp.Classes)
        RemoveClassStandings(*klasse);
    const int32_t previousSaved = comp.Club.DateSaved;
    comp.Club.DateSaved = CurrentClock().NowStamp();
    try {
        WriteWithBackup(fileName, SerializeCompetition(comp), disposeBackup);
    } catch (const IoError &) {
        comp.Club.DateSaved = previousSaved;
        throw;
    }
    comp.FileName = fileName;
    comp.Modified = 0;
    if (store)
        StoreLastFile(*store, fileName);
}

LoadResult LoadCompetition(Competition &comp, const std::string &fileName, SettingsStore *store) {
    std::error_code ec;
    if (!HasKzbExtension(fileName) || !fs::is_regular_file(NativePath(fileName), ec))
        return LoadResult::NotAttempted;
    std::unique_ptr<Competition> loaded = ParseCompetitionFile(fileName);
    if (!loaded)
        return LoadResult::Rejected;
    CloseCompetition(comp);
    comp.Club = loaded->Club;
    comp.Print = loaded->Print;
    comp.Classes = std::move(loaded->Classes);
    comp.ActiveClass = comp.Classes.empty() ? -1 : 0;
    comp.FileName = fileName;
    comp.Modified = 0;
    if (store)
        StoreLastFile(*store, fileName);
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
