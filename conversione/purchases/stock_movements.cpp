// Stock movements: a list of their own. Six fields are spelt with other
// capitals in the two databases; each side keeps its own spelling.
#include "purchases/purchase_converter_list.h"

namespace conversione::purchases {

TableConverter StockMovements() {
    return {
        .name = "ConvertStockMovements",
        .sourceTable = "movimentimagazzino",
        .targetTable = "movimentimagazzino",
        .fields = {Copy("id movimento"), Copy("Numero", "numero"), Copy("Data"), Copy("Anno"), Copy("Carico"),
                   Copy("Scarico"), Copy("ID articolo", "Id Articolo"), Copy("Codice", "codice"),
                   Copy("Descrizione", "descrizione"), Copy("CodiceDeposito"), Copy("CostoEU"),
                   Copy("avvalorocosto", "Avvalorocosto"), Copy("tipo12"), Copy("Causale", "causale"),
                   Copy("mese")},
        .emptyLine = "TABELLA MOVIMENTI MAGAZZINO  nessuna voce presente",
        .countPrefix = "TABELLA MOVIMENTI MAGAZZINO convertite ",
        .errorPrefix = "TABELLA MOVIMENTI MAGAZZINO Errore nr. ",
    };
}

} // namespace conversione::purchases
