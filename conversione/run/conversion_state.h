#pragma once
// The state that MainWindow shares with every converter: the two data controls,
// the last message answer, the copy loop's row index and row count, and the
// window (through its view).
#include <cstdint>

#include "dbengine/data_control.h"
#include "dbengine/engine.h"
#include "run/conversion_view.h"

namespace conversione {

// Which database was being bound when an error rose: the run driver names
// the file (version 6 or 7) in its log line by it.
enum class BindingSide { None, Source, Target };

struct ConversionState {
    ConversionState(ConversionView& v, dao::DBEngine& e) : view(v), engine(e), Data1(e), Data2(e) {
        // A run only reads the version-6 file: opened so that nothing, not even
        // a journal left by a crash, is ever written to it.
        Data1.SetReadOnly(true);
    }

    ConversionView& view;
    dao::DBEngine& engine;
    dao::DataControl Data1;   // source side (version 6)
    dao::DataControl Data2;   // target side (version 7)
    std::int32_t messageAnswer = 0;   // the answer to the last message shown
    std::int32_t rowIndex = 0;        // the copy loop's row, from 1 (row codes end in it)
    std::int32_t RowCount = 0;
    int tableErrorLines = 0;  // TableErrorLine lines written in this run
    BindingSide binding = BindingSide::None;
};

} // namespace conversione
