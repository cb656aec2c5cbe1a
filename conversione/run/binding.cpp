#include "run/binding.h"

namespace conversione {

void BindSource(ConversionState& state, const std::string& table) {
    state.binding = BindingSide::Source;
    state.Data1.SetDatabaseName(state.view.SourceFileName());
    state.Data1.SetRecordSource(table);
    state.Data1.Refresh();
}

void RebindSource(ConversionState& state) {
    state.binding = BindingSide::Source;
    state.Data1.Refresh();
}

void BindTarget(ConversionState& state, const std::string& table) {
    state.binding = BindingSide::Target;
    state.Data2.SetDatabaseName(state.view.TargetFileName());
    state.Data2.SetRecordSource(table);
    state.Data2.Refresh();
}

} // namespace conversione
