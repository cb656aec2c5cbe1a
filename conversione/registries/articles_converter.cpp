#include "registries/registry_converters.h"
#include "registries/registry_fields.h"
#include "run/field_list.h"

namespace conversione {

namespace {

// Every new article gets the text "0" (not the number) in the ten fixed-cost
// fields, whatever the version-6 row holds there.
FieldList FixedCostFields() {
    FieldList list;
    for (const char* field : {"Fisso1IE", "Fisso2IE", "Fisso3IE", "Fisso4IE", "Fisso5IE",
                              "Fisso1IC", "Fisso2IC", "Fisso3IC", "Fisso4IC", "Fisso5IC"})
        list.push_back(Constant(field, dao::Variant("0")));
    return list;
}

} // namespace

TableConverter ArticlesConverter() {
    return {
        .name = "ConvertArticles",
        .sourceTable = "articoli",
        .targetTable = "Articoli",
        .fields = Concat({Copies({"id articolo", "codice", "descrizione", "categoria",
                                  "fornitore", "iva", "unita", "costoeuro", "nomefile",
                                  "sottoscorta", "articolocomposto", "giacenzamin",
                                  "giacenzamax", "matser", "esistenza"}),
                          FixedCostFields()}),
        .emptyLine = "TABELLA ARTICOLI nessuna voce presente",
        .countPrefix = "TABELLA ARTICOLI convertite ",
        .errorPrefix = "TABELLA ARTICOLI Errore nr. ",
    };
}

} // namespace conversione
