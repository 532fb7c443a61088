// Fuzz target: the rider record from the clipboard, pasted over a rider of
// the demo competition, shown, copied as text, calculated and copied again.
#include "fuzz/fuzz_support.h"

#include "core/model/clipboard_record.h"
#include "core/model/demo.h"
#include "core/scoring/final_standings.h"

#include <cstdlib>

namespace {

using namespace rondaxa;

void PasteAndUse(const Bytes &record) {
    std::unique_ptr<Competition> comp = MakeDemoCompetition();
    TKlasse &klasse = *comp->Classes[0];
    fuzz::YesPrompts prompts;
    if (!PasteRider(*comp, klasse, 1, record, prompts))
        return;
    for (int c = 0; c < klasse.Grid.ColCount(); ++c)
        if (const TColData *data = klasse.ColData(c))
            fuzz::Consume(CellText(comp->Club, *klasse.Rider(1), data->Kind, data->Number));
    fuzz::Consume(RiderCopyText(klasse, comp->Club, 1, true, true));
    for (uint32_t kind : {87u, 86u, 0u}) {
        CalcOptions options;
        options.Value = kind;
        CalculateFinalStandings(*comp, options, 0, 0, nullptr);
        fuzz::Consume(RiderCopyText(klasse, comp->Club, 1, true, true));
    }
    // Copying the pasted rider again gives a record that reads back.
    if (!ReadRiderRecord(MakeRiderRecord(*klasse.Rider(1), true)))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    Bytes record(data, data + size);
    if (record.size() != kRiderRecordSize) {
        // A block of another size is no rider; the fuzzer's bytes are then
        // used as the start of one, so that every input reaches the reader.
        if (ReadRiderRecord(record))
            std::abort();
        record.resize(kRiderRecordSize, 0);
    }
    PasteAndUse(record);
    return 0;
}
