#include "core/results/result_info.h"

namespace rondaxa {

int FindInfoBlock(const TKlasse &klasse, int col) {
    const ClassGrid &grid = klasse.Grid;
    for (int c = 1; c < grid.ColCount(); ++c) {
        const TColData *data = grid.ColData(c);
        if (!data || data->Kind != KindResult || !data->Info)
            continue;
        const int first = klasse.ResultColumn(data->Info->FromCol);
        const int last = klasse.ResultColumn(data->Info->ToCol);
        if (first <= col && col <= last)
            return first;
    }
    return -1;
}

} // namespace rondaxa
