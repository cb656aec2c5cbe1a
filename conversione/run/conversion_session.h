#pragma once
// What a conversion works with, in one window from run to run: the window
// (through its view), the engine, the two data bindings and the run's counts.
#include "dbengine/engine.h"
#include "run/conversion_view.h"
#include "run/data_bindings.h"
#include "run/run_counts.h"

namespace conversione {

struct ConversionSession {
    ConversionSession(ConversionView& v, dao::DBEngine& e) : view(v), engine(e), bindings(e) {}

    ConversionView& view;
    dao::DBEngine& engine;
    DataBindings bindings;
    RunCounts counts;
};

} // namespace conversione
