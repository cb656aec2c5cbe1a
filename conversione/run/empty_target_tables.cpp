#include "run/empty_target_tables.h"

#include <memory>

namespace conversione {
namespace {

// The header, registry and lookup tables, in the order they are emptied.
const std::vector<std::string>& HeaderAndLookupTables() {
    static const std::vector<std::string> tables{
        "agenti",     "anagrafica azienda", "articoli",       "articoli_famiglia", "clienti",
        "catagenti",  "catarticoli",        "catclienti",     "catfornitori",      "ddt",
        "fatturaA",   "fatturaPF",          "FatturaV",       "Fornitori",         "ListinoFornitori",
        "MovimentiMagazzino", "OrdiCli",    "OrdiFor",        "PagamentiClienti",  "PagamentiFornitori",
        "Preventivo", "Resi",               "TaCurrencies",   "TaDepositi",        "TaAliquote",
        "TaAmezzo",   "TaAspetto",          "TaBanche",       "TabeWWW",           "TaModPag",
        "TaPorto",    "TaSettMerc",         "TaTipoPag",      "TaTrasporto",       "TaUnita",
        "TaZone",     "Vettori",
    };
    return tables;
}

// The document line tables: emptied too, so that converting twice into the
// same archive does not leave the lines of both runs.
const std::vector<std::string>& LineTables() {
    static const std::vector<std::string> tables{
        "ddt_voci", "fatturaA_voci", "fatturaPF_voci", "fatturaV_voci",
        "ordicli_voci", "ordifor_voci", "Preventivo_voci", "resi_voci",
    };
    return tables;
}

} // namespace

const std::vector<std::string>& EmptiedTables() {
    static const std::vector<std::string> all = [] {
        std::vector<std::string> tables = HeaderAndLookupTables();
        tables.insert(tables.end(), LineTables().begin(), LineTables().end());
        return tables;
    }();
    return all;
}

void EmptyTargetTables(ConversionSession& session) {
    ConversionView& view = session.view;
    view.YieldToMessageLoop();
    view.YieldToMessageLoop();
    view.AppendLog("Cancellazione dati tabelle di Vantorima 7");
    session.bindings.NoteTargetOpening();
    std::unique_ptr<dao::Database> target = session.engine.OpenDatabase(view.TargetFileName());
    for (const std::string& table : EmptiedTables()) target->Execute("Delete * from [" + table + "]");
    view.AppendLog("Dati tabelle di Vantorima 7 cancellati");
    target->Close();
}

} // namespace conversione
