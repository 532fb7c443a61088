#include "core/model/clipboard_record.h"

#include "core/model/riders.h"

namespace rondaxa {

namespace {

bool IsResultColumn(const TKlasse &klasse, int c) {
    const TColData *data = klasse.ColData(c);
    return data && data->Kind == KindResult;
}

void AppendField(std::string &line, int c, const std::string &text) {
    if (c > 0)
        line += '\t';
    line += text;
}

std::string HeadingText(const TKlasse &klasse, bool withResults) {
    std::string line;
    for (int c = 0; c < klasse.Grid.ColCount(); ++c)
        if (withResults || !IsResultColumn(klasse, c))
            AppendField(line, c, klasse.Grid.Col(c).Heading);
    return line;
}

} // namespace

Bytes MakeRiderRecord(const TRijder &rider, bool withResults) {
    TRijder copy = rider;
    if (withResults) {
        copy.Flags |= RecordHasResults;
        // The rider's own results, not what a calculation shows of them.
        if (rider.CalcMarks & MarkSavedResults)
            copy.Results = rider.SavedResults;
        for (int n = 1; n <= kMaxResults; ++n)
            copy.Results[static_cast<std::size_t>(n)] = static_cast<int16_t>(GetResult(copy, n));
    } else {
        copy.Results.fill(kNoResult);
    }
    return EncodeRider(copy);
}

std::optional<PastedRider> ReadRiderRecord(const Bytes &bytes) {
    if (bytes.size() != kRiderRecordSize)
        return std::nullopt;
    PastedRider pasted;
    DecodeRider(bytes.data(), pasted.Rider);
    pasted.WithResults = (pasted.Rider.Flags & RecordHasResults) != 0;
    return pasted;
}

namespace {
constexpr std::string_view kPositionsTag = "positions";
constexpr std::string_view kPointsTag = "points";
} // namespace

std::string StorageMethodTag(StorageMethod method) {
    return std::string(method == StorageMethod::Positions ? kPositionsTag : kPointsTag);
}

std::optional<StorageMethod> ReadStorageMethodTag(std::string_view tag) {
    if (tag == kPositionsTag)
        return StorageMethod::Positions;
    if (tag == kPointsTag)
        return StorageMethod::Points;
    return std::nullopt;
}

bool PasteRider(Competition &comp, TKlasse &klasse, int row, const Bytes &record, Prompts &prompts,
                std::optional<StorageMethod> source) {
    std::optional<PastedRider> pasted = ReadRiderRecord(record);
    if (!pasted)
        return false;
    if (prompts.AskCaptioned("Rijdergegevens plakken",
                             "Rijdergegevens van klembord in huidig record plakken ?",
                             Buttons::YesNo) != Answer::Yes)
        return false;
    const StorageMethod here = StorageOf(comp.Club);
    if (pasted->WithResults && source && *source != here)
        ConvertRiderResults(comp.Club, pasted->Rider, here);
    return PasteRiderRecord(comp, klasse, row, pasted->Rider, pasted->WithResults);
}

std::string RowText(const TKlasse &klasse, const ClubRec &club, int row, bool withResults) {
    const TRijder *rider = klasse.Rider(row);
    std::string line;
    for (int c = 0; c < klasse.Grid.ColCount(); ++c) {
        const TColData *data = klasse.ColData(c);
        if (c == 0) {
            line += klasse.Grid.RowAt(row).Label;
        } else if (data && data->Kind == KindResult) {
            if (withResults)
                AppendField(line, c,
                            rider ? CellText(club, *rider, KindResult, data->Number) : std::string());
        } else {
            AppendField(line, c, rider && data ? CellText(club, *rider, data->Kind, 0) : std::string());
        }
    }
    return line;
}

std::string RiderCopyText(const TKlasse &klasse, const ClubRec &club, int row, bool withResults,
                          bool wholeClass) {
    if (!wholeClass)
        return RowText(klasse, club, row, withResults) + "\r\n";
    std::string text = HeadingText(klasse, withResults) + "\r\n";
    for (int r = 1; r < klasse.Grid.RowCount(); ++r)
        if (klasse.Rider(r))
            text += RowText(klasse, club, r, withResults) + "\r\n";
    return text;
}

} // namespace rondaxa
