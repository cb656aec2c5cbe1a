#pragma once
// The counts a run keeps: where the copy loop stands and how many tables ended
// on a refused row.
#include <cstdint>

namespace conversione {

struct RunCounts {
    std::int32_t rowIndex = 0;   // the copy loop's row, from 1 (row codes end in it)
    std::int32_t rowCount = 0;   // rows of the source table being copied
    int tableErrorLines = 0;     // TableErrorLine lines written in this run
};

} // namespace conversione
