// Fuzz target: the competition file reader, followed by what a user does
// next with a file that was accepted.
#include "fuzz/use_competition.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size) {
    using namespace rondaxa;
    std::unique_ptr<Competition> comp = ParseCompetition(Bytes(data, data + size));
    if (comp)
        fuzz::UseCompetition(*comp, data[size - 1]);
    return 0;
}
