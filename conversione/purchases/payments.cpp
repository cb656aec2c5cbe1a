// Customer and supplier payments: their own leading and trailing fields around
// the shared payment schedule.
#include "purchases/payment_schedule_fields.h"
#include "purchases/purchase_converter_list.h"
#include "run/field_list.h"

namespace conversione::purchases {

TableConverter CustomerPayments() {
    return {
        .name = "ConvertCustomerPayments",
        .sourceTable = "pagamenticlienti",
        .targetTable = "pagamenticlienti",
        .fields = Concat({Copies({"id_paziente", "id fattura", "nominativo", "tipo_documento", "n_documento",
                                  "data_documento", "anno", "valuta", "importo", "da riscuotere"}),
                          PaymentScheduleFields(),
                          Copies({"imposta1", "imposta2", "imposta3", "imposta4", "imposta5"})}),
        .emptyLine = "TABELLA PAGAMENTI CLIENTI nessuna voce presente",
        .countPrefix = "TABELLA PAGAMENTI CLIENTI convertite ",
        .errorPrefix = "TABELLA PAGAMENTI CLIENTI Errore nr. ",
    };
}

TableConverter SupplierPayments() {
    return {
        .name = "ConvertSupplierPayments",
        .sourceTable = "pagamentifornitori",
        .targetTable = "pagamentifornitori",
        // "pagato con " ends in a blank in both databases.
        .fields = Concat({Copies({"id fornitore", "fornitore", "doc_num", "data", "tipo_doc", "totale", "valuta",
                                  "da pagare", "pagato con ", "note"}),
                          PaymentScheduleFields(), Copies({"iva1", "imposta1", "imponibile1", "anno"})}),
        .emptyLine = "TABELLA PAGAMENTI FORNITORI nessuna voce presente",
        .countPrefix = "TABELLA PAGAMENTI FORNITORI convertite ",
        .errorPrefix = "TABELLA PAGAMENTI FORNITORI Errore nr. ",
    };
}

} // namespace conversione::purchases
