#include "registries/registry_converters.h"
#include "registries/registry_fields.h"
#include "run/field_list.h"

namespace conversione {

// The company registry has a field list of its own; "attività" ends in a
// precomposed à, and "ragione" and "sociale" are two fields.
TableConverter CompanyConverter() {
    return {
        .name = "ConvertCompany",
        .sourceTable = "anagrafica azienda",
        .targetTable = "ANAGRAFICA AZIENDA",
        .fields = Copies(
            {"ragione", "sociale", "indirizzo", "cap", "pr", "citta", "nazione", "natura", "piva",
             "codfis", "telefo1", "telefo2", "telefax", "email", "contatto", "cellulare", "codiva",
             "attivit\u00e0", "tribunale", "trinome", "cciaa", "natoa", "natoil", "banca1", "abi1",
             "cab1", "banca2", "abi2", "cab2", "ncc1", "ncc2", "www", "password", "capitalesociale",
             "swift1", "swift2", "percorsoimma", "sia1", "bancapredefinita", "iban1", "iban2"}),
        .emptyLine = "ANAGRAFICA AZIENDA nessuna voce presente",
        .countPrefix = "ANAGRAFICA AZIENDA convertite ",
        .errorPrefix = "ANAGRAFICA AZIENDA Errore nr. ",
    };
}

} // namespace conversione
