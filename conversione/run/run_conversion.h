#pragma once
// The run driver: checks, confirmation, emptying, then the converters given
// (the catalogue's, in run order) one after another.
#include <functional>
#include <vector>

#include "run/conversion_session.h"
#include "run/table_converter.h"

namespace conversione {

void RunConversion(ConversionSession& session, const std::vector<TableConverter>& converters);
// The converters built by `converters` first (ConvertersInRunOrder): an error
// in building them is logged as the run's error, before anything is emptied.
void RunConversion(ConversionSession& session,
                   const std::function<const std::vector<TableConverter>&()>& converters);

} // namespace conversione
