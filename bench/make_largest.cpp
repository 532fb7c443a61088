// Writes the largest competition of the benchmarks (20 classes x 500 riders
// x 50 results) to a file, for measuring the command line on it.
#include "large_competition.h"

#include "core/model/kzb_file.h"

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_largest OUT.kzb\n");
        return 2;
    }
    auto comp = rondaxa::bench::MakeLargeCompetition();
    try {
        rondaxa::SaveCompetition(*comp, argv[1]);
    } catch (const rondaxa::IoError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
