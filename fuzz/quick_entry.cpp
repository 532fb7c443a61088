// Fuzz target: a finishing order file (the lines of quick results entry),
// decoded as order files are, read line by line, checked and entered into a
// small competition, read back as a list, followed by what a user does next
// with the competition.
#include "fuzz/use_competition.h"

#include "core/model/text.h"
#include "core/results/quick_entry.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    using namespace rondaxa;
    if (size == 0)
        return 0;
    // The first byte chooses how the list is entered; the rest is the text.
    const uint8_t choice = data[0];
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    std::vector<std::string> lines = SplitLines(Utf8ToCp1252(TextFileToUtf8(text)));
    for (const std::string &line : lines) {
        const EntryLine entry = ParseEntryLine(line);
        fuzz::Consume(entry.StartNo + entry.Name + entry.Extra[0] + entry.Extra[1] + entry.Extra[2]);
    }
    // The cursor on one of the first lines, and on the last one.
    const int lineCount = static_cast<int>(lines.size());
    LineWithSameStartNo(lines, choice % 4);
    LineWithSameStartNo(lines, lineCount - 1);

    std::unique_ptr<Competition> comp = fuzz::SmallCompetition();
    TKlasse &klasse = *comp->Classes[0];
    QuickEntryChoices choices;
    choices.NewColumn = (choice & 1) == 0;
    choices.Column = 1 + (choice >> 1) % 8;
    choices.AddUnknown = (choice & 16) == 0;
    const QuickEntryOutcome outcome = EnterFinishingOrder(*comp, klasse, lines, choices);
    if (outcome.Code == 0) {
        // The column entered reads back as the list that enters it again.
        for (const std::string &startNo : FinishingOrderOf(comp->Club, klasse, outcome.Column))
            fuzz::Consume(startNo);
    }
    fuzz::UseCompetition(*comp, choice);
    return 0;
}
