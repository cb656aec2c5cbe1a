#pragma once
// The run driver: checks, confirmation, emptying, every converter in run order.
#include "run/conversion_session.h"

namespace conversione {

void RunConversion(ConversionSession& session);

} // namespace conversione
