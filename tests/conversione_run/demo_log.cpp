#include "demo_archive.h"

namespace run_testing {

namespace {

// One line per converter in run order (the configuration edit logs none), with
// the counts of the demo rows, then the final line.
const std::vector<std::string> kConverterLines{
    "ANAGRAFICA AGENTI convertite 4 voci",
    "ANAGRAFICA AZIENDA convertite 2 voci",
    "TABELLA ARTICOLI convertite 12 voci",
    "DISTINTA BASE convertite 6 voci",
    "ANAGRAFICA CLIENTI convertite 6 voci",
    "TABELLA CATEGORIE AGENTI convertite 2 voci",
    "TABELLA CATEGORIE ARTICOLI convertite 5 voci",
    "TABELLA CATEGORIE CLIENTI convertite 3 voci",
    "TABELLA CATEGORIE FORNITORI nessuna voce presente",
    "TABELLA DEPOSITI  convertite 2 voci",   // two blanks in some lines, as written
    "TABELLA VALUTE  convertite 4 voci",
    "TABELLA AMEZZO convertite 3 voci",
    "TABELLA ASPETTO convertite 4 voci",
    "TABELLA BANCHE convertite 3 voci",
    "TABELLA WWW convertite 2 voci",
    "TABELLA PAGAMENTI convertite 5 voci",
    "TABELLA PORTO convertite 3 voci",
    "TABELLA SETTORI MERC. convertite 4 voci",
    "TABELLA TIPO PAGAMENTI convertite 4 voci",
    "TABELLA TRASPORTO convertite 3 voci",
    "TABELLA UNITA' convertite 7 voci",
    "TABELLA ZONE convertite 5 voci",
    "ANAGRAFICA VETTORI convertite 4 voci",
    "TABELLA ALIQUOTE convertite 5 voci",
    "TABELLA DDT convertite 13 voci",
    "TABELLA Voci DDT convertite 23 voci",
    "TABELLA FATTURA ACQUISTO convertite 12 voci",
    "TABELLA Voci FATTURA ACQUISTO convertite 18 voci",
    "TABELLA FATTURA PROFORMA convertite 4 voci",
    "TABELLA Voci FATTURA PROFORMA convertite 12 voci",
    "TABELLA FATTURA  convertite 14 voci",
    "TABELLA Voci FATTURA  convertite 36 voci",
    "ANAGRAFICA FORNITORI convertite 5 voci",
    "TABELLA LISTINO FORNITORI convertite 11 voci",
    "TABELLA MOVIMENTI MAGAZZINO convertite 14 voci",
    "TABELLA ORDINE CLIENTE convertite 12 voci",
    "TABELLA Voci ORDINI CLIENTE  convertite 35 voci",
    "TABELLA ORDINE FORNITORI convertite 12 voci",
    "TABELLA Voci ORDINI FORNITORE  convertite 35 voci",
    "TABELLA PAGAMENTI CLIENTI convertite 12 voci",
    "TABELLA PAGAMENTI FORNITORI convertite 12 voci",
    "TABELLA  RESI  convertite 10 voci",
    "TABELLA Voci RESI  convertite 16 voci",
    "TABELLA PREVENTIVO convertite 13 voci",
    "TABELLA Voci PREVENTIVI  convertite 37 voci",
    "PROCEDURA CONCLUSA CON SUCCESSO",
};

} // namespace

const std::vector<std::string>& DemoRunLog() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> all = OpeningLines();
        all.insert(all.end(), kConverterLines.begin(), kConverterLines.end());
        return all;
    }();
    return lines;
}

} // namespace run_testing
