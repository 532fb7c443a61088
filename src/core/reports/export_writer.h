// The writer of the text and HTML export (see text_export.h): the classes
// the choices name, row by row, handed on in blocks as they are made.
#pragma once

#include "core/reports/text_export.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace rondaxa {

using ExportSink = std::function<void(std::string_view)>;

// Writes the export of comp by choices (with the display bits as they are
// now), handing it on to sink in blocks of about blockRoom bytes.
void WriteExport(Competition &comp, const ExportChoices &choices, std::size_t blockRoom, ExportSink sink);

// Block sizes: small for a string, so the block stays in the nearest cache
// and each hand-on is a short copy; larger for a file, so it is written in
// big writes, yet small enough to stay in the cache while it is filled.
inline constexpr std::size_t kExportStringBlock = 4096;
inline constexpr std::size_t kExportFileBlock = 64 * 1024;

// The kind of a column (-1 for none).
int KindOf(const TKlasse &klasse, int col);

// A result cell's text: CellText, or the empty-result text in its place.
std::string ResultCellText(const ClubRec &club, const TRijder *rider, const ExportChoices &choices,
                           int number);

} // namespace rondaxa
