// Result columns: adding them (at the end or before a chosen column) and
// clearing or deleting them, keeping the result information in step.
#pragma once

#include "core/model/model.h"

namespace rondaxa {

// Clears or deletes the result columns from .. to of the class at tab
// position tab (all of them with all). Clearing empties the results and
// keeps the columns. Deleting moves every rider's later results to the left
// and keeps the result information in step: each block afterwards covers
// exactly the columns of its old range that remain, renumbered, and a block
// with no column left is deleted. A class with fewer than from result
// columns is left as it is. Sets bit 0 of the modified flag.
void ClearResultColumns(Competition &comp, int tab, int from, bool deleteColumns, bool all, int to);

} // namespace rondaxa
