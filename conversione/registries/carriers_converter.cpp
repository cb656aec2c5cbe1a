#include "registries/registry_converters.h"
#include "registries/registry_fields.h"
#include "run/field_list.h"

namespace conversione {

// Carriers keep no second address and no bank details: those groups are
// neither read nor written.
TableConverter CarriersConverter() {
    using namespace registry_groups;
    return {
        .name = "ConvertCarriers",
        .sourceTable = "vettori",
        .targetTable = "vettori",
        .fields = Concat({Address(), TaxCode(), Contact(),
                          Copies({"nazione", "email", "www", "valuta"})}),
        .emptyLine = "ANAGRAFICA VETTORI nessuna voce presente",
        .countPrefix = "ANAGRAFICA VETTORI convertite ",
        .errorPrefix = "ANAGRAFICA VETTORI Errore nr. ",
    };
}

} // namespace conversione
