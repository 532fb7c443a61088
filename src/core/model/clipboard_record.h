// A rider on the clipboard: the private record "KZB_Record" (the rider as
// the file stores it) and the plain-text form of a row or a whole class.
#pragma once

#include "core/model/kzb_file.h"
#include "core/model/model.h"
#include "core/platform/platform.h"

#include <optional>
#include <string>
#include <string_view>

namespace rondaxa {

inline constexpr const char *kRiderRecordFormat = "KZB_Record";
inline constexpr std::size_t kRiderRecordSize = kRiderSize;
// In a clipboard record, Flags value 2 says that the results are included.
inline constexpr int32_t RecordHasResults = 2;

// The clipboard record of a rider: its stored results (without the marks
// of a calculation), or no result at all (every slot -1).
Bytes MakeRiderRecord(const TRijder &rider, bool withResults);

struct PastedRider {
    TRijder Rider;
    bool WithResults = false;
};

// Our own clipboard format beside the record: how the competition the rider
// was copied from stores its results ("positions" or "points"). The record
// itself stays as other programs know it; this format is only added.
inline constexpr const char *kStorageMethodFormat = "Rondaxa_Storage";
std::string StorageMethodTag(StorageMethod method);
// The method a tag names; nothing for any other text.
std::optional<StorageMethod> ReadStorageMethodTag(std::string_view tag);

// Reads a clipboard record. A block of another size is no rider record;
// names longer than their room are cut.
std::optional<PastedRider> ReadRiderRecord(const Bytes &bytes);

// Asks "Rijdergegevens van klembord in huidig record plakken ?" and pastes
// the record over the rider of `row`. Results copied from a competition
// that stores them the other way (source) are converted to this one's
// method; without a source (a record of another program) they are taken as
// they are. Returns whether it pasted.
bool PasteRider(Competition &comp, TKlasse &klasse, int row, const Bytes &record, Prompts &prompts,
                std::optional<StorageMethod> source = std::nullopt);

// One tab-separated line of display texts for the row: the row label, then
// every column's text; result columns only when withResults.
std::string RowText(const TKlasse &klasse, const ClubRec &club, int row, bool withResults);

// The text copy of a row, or of the whole class with a heading line: lines
// ending in CR LF.
std::string RiderCopyText(const TKlasse &klasse, const ClubRec &club, int row, bool withResults,
                          bool wholeClass);

} // namespace rondaxa
