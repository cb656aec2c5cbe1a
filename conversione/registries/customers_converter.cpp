#include "registries/registry_converters.h"
#include "registries/registry_fields.h"
#include "run/field_list.h"

namespace conversione {

TableConverter CustomersConverter() {
    return {
        .name = "ConvertCustomers",
        .sourceTable = "clienti",
        .targetTable = "clienti",
        .fields = Concat({RegistryFields(),
                          Copies(
                              {"corriere", "pagamento", "tipopagamento", "sconto", "2sconto", "nazione",
                               "nazione2", "listino", "desclistino", "%listino", "email", "note", "ivasino",
                               "rigaiva1", "rigaiva2", "www", "agente", "codeagente", "categoria", "zona",
                               "valuta", "settore", "fido", "iban1", "iban2", "bic1", "bic2"}),
                          // The monthly-invoice state starts afresh, as text.
                          {Constant("fattmese", dao::Variant("0")), Constant("annomese", dao::Variant("0")),
                           Constant("idfatturamensile", dao::Variant("0"))}}),
        .emptyLine = "ANAGRAFICA CLIENTI nessuna voce presente",
        .countPrefix = "ANAGRAFICA CLIENTI convertite ",
        .errorPrefix = "ANAGRAFICA CLIENTI Errore nr. ",
    };
}

} // namespace conversione
