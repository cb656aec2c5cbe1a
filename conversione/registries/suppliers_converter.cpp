#include "registries/registry_converters.h"
#include "registries/registry_fields.h"
#include "run/field_list.h"

namespace conversione {

TableConverter SuppliersConverter() {
    return {
        .name = "ConvertSuppliers",
        .sourceTable = "fornitori",
        .targetTable = "fornitori",
        .fields = Concat({RegistryFields(),
                          Copies(
                              {"swift1", "swift2", "corriere", "modpagamento", "tipopagamento", "sconto",
                               "2sconto", "nazione", "nazione2", "email", "note", "www", "agente",
                               "categoria", "valuta", "settore", "fido", "iban1", "iban2",
                               "Acquistiesentiiva"})}),
        .emptyLine = "ANAGRAFICA FORNITORI nessuna voce presente",
        .countPrefix = "ANAGRAFICA FORNITORI convertite ",
        .errorPrefix = "ANAGRAFICA FORNITORI Errore nr. ",
    };
}

} // namespace conversione
