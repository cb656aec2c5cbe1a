#include "print_layouts/kinds.h"

namespace utilita::print {

const std::array<DocumentKind, 6>& DocumentKinds() {
    static const std::array<DocumentKind, 6> kinds{{
        {"Command3", "&Fattura Vendita", "Fattura/Nota di Credito", "\\Fattura.LST", "FATTURAV", "FATTURAV_VOCI"},
        {"Command4", "&Nota di Credito", "Nota di Credito", "\\NOTAC.LST", "NOTACREDITO", "NOTACREDITO_VOCI"},
        {"Command5", "&DDT", "Documento di Trasporto", "\\DDT.LST", "DDT", "DDT_VOCI"},
        {"Command6", "&Preventivo", "Preventivo", "\\PREVENTIVO.LST", "PREVENTIVO", "PREVENTIVO_VOCI"},
        {"Command7", "Ordine &Acquisto", "Ordine di Acquisto", "\\ORDIFOR.LST", "ORDIFOR", "ORDIFOR_VOCI"},
        {"Command8", "Ordine &Vendita", "Ordine di Vendita", "\\ORDICLI.LST", "ORDICLI", "ORDICLI_VOCI"},
    }};
    return kinds;
}

const DocumentKind* FindKind(const std::string& kindText) {
    for (const DocumentKind& kind : DocumentKinds())
        if (kindText == kind.kindText) return &kind;
    return nullptr;
}

} // namespace utilita::print
