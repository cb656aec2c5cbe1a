#include "registries/registry_converters.h"
#include "registries/registry_fields.h"
#include "run/field_list.h"

namespace conversione {

TableConverter AgentsConverter() {
    return {
        .name = "ConvertAgents",
        .sourceTable = "agenti",
        .targetTable = "agenti",
        // The agent registry sets "cap" before "pr"; otherwise it is the shared list.
        .fields = Concat({Swap(RegistryFields(), "pr", "cap"),
                          Copies({"swift1", "swift2", "corriere", "cotel", "coindi",
                                  "cocitta", "coabb", "modpagamento", "tipopagamento",
                                  "nazione", "nazione2", "email", "note", "www", "valuta",
                                  "settore", "provv%", "codiceunivoco", "iban1", "iban2"})}),
        .emptyLine = "ANAGRAFICA AGENTI nessuna voce presente",
        .countPrefix = "ANAGRAFICA AGENTI convertite ",
        .errorPrefix = "ANAGRAFICA AGENTI Errore nr. ",
    };
}

} // namespace conversione
