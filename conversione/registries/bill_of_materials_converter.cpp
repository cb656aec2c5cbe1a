#include "registries/registry_converters.h"
#include "registries/registry_fields.h"
#include "run/field_list.h"

namespace conversione {

// "unità" and "qtà" end in a precomposed à.
TableConverter BillOfMaterialsConverter() {
    return {
        .name = "ConvertBillOfMaterials",
        .sourceTable = "articoli_famiglia",
        .targetTable = "articoli_famiglia",
        .fields = Copies(
            {"id articolo", "codice", "descrizione", "unit\u00e0", "qt\u00e0", "rifarticolo", "matser"}),
        .emptyLine = "DISTINTA BASE nessuna voce presente",
        .countPrefix = "DISTINTA BASE convertite ",
        .errorPrefix = "DISTINTA BASE Errore nr. ",
    };
}

} // namespace conversione
