// Result information: the blocks that give a range of result columns a date,
// a remark and the non-counting flag. A block is owned by the column of its
// first result number (FromCol); the other columns of its range hold none.
#pragma once

#include "core/model/model.h"

namespace rondaxa {

// The grid column that owns the block covering grid column col, or -1 when
// no block covers it. Scans the result columns from left to right and takes
// the first block whose range contains col.
int FindInfoBlock(const TKlasse &klasse, int col);

} // namespace rondaxa
