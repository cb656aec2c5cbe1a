#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "registries/registry_converters.h"
#include "registries/registry_fields.h"

namespace conversione {

namespace {

// The agent registry sets "cap" before "pr"; otherwise it is the shared list.
FieldList AgentRegistryFields() {
    FieldList list = RegistryFields();
    auto named = [&list](std::string_view target) {
        auto it = std::find_if(list.begin(), list.end(),
                               [target](const FieldAssignment& a) { return a.target == target; });
        if (it == list.end()) throw std::logic_error("registry field missing: " + std::string(target));
        return it;
    };
    std::iter_swap(named("pr"), named("cap"));
    return list;
}

} // namespace

TableConverter AgentsConverter() {
    return {
        .name = "ConvertAgents",
        .sourceTable = "agenti",
        .targetTable = "agenti",
        .fields = Concat({AgentRegistryFields(),
                          registries::SameNameCopies({"swift1", "swift2", "corriere", "cotel", "coindi",
                                                      "cocitta", "coabb", "modpagamento", "tipopagamento",
                                                      "nazione", "nazione2", "email", "note", "www", "valuta",
                                                      "settore", "provv%", "codiceunivoco", "iban1", "iban2"})}),
        .emptyLine = "ANAGRAFICA AGENTI nessuna voce presente",
        .countPrefix = "ANAGRAFICA AGENTI convertite ",
        .errorPrefix = "ANAGRAFICA AGENTI Errore nr. ",
    };
}

} // namespace conversione
