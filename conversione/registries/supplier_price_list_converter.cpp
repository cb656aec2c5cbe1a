#include "registries/registry_converters.h"
#include "registries/registry_fields.h"
#include "run/field_list.h"

namespace conversione {

// The suppliers' price list only; the sales price lists ("Listini") of the
// version-7 file are left as they are. The empty line has two blanks before
// "nessuna", as the log has always shown it.
TableConverter SupplierPriceListConverter() {
    return {
        .name = "ConvertSupplierPriceList",
        .sourceTable = "listinofornitori",
        .targetTable = "listinofornitori",
        .fields = Copies(
            {"id fornitore", "codice", "descrizione", "costoeuro", "codicefornitore", "iva", "unita"}),
        .emptyLine = "TABELLA LISTINO FORNITORI  nessuna voce presente",
        .countPrefix = "TABELLA LISTINO FORNITORI convertite ",
        .errorPrefix = "TABELLA LISTINO FORNITORI Errore nr. ",
    };
}

} // namespace conversione
