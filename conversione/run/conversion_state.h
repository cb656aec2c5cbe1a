#pragma once
// The state that Form1 shares with every converter: the two data controls,
// the module variables Answer and RowCount, and the window (through its view).
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
    std::int32_t Answer = 0;  // message answer, then the copy loop's row index
    std::int32_t RowCount = 0;
    int tableErrorLines = 0;  // TableErrorLine lines written in this run
    BindingSide binding = BindingSide::None;
};

} // namespace conversione
