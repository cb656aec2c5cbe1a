#include "run/lookup_converters.h"

namespace conversione {
namespace {

TableConverter Lookup(std::string name, std::string source, std::string target, FieldList fields,
                      std::string emptyLine, std::string countPrefix, std::string errorPrefix) {
    return TableConverter{std::move(name), std::move(source), std::move(target), std::move(fields),
                          std::move(emptyLine), std::move(countPrefix), std::move(errorPrefix),
                          ConverterShape::CopyRows};
}

FieldList DescriptionAndComment() { return {Copy("descrizione"), Copy("commento")}; }
FieldList CodeAndDescription() { return {Copy("codice"), Copy("descrizione")}; }

std::vector<TableConverter> DescriptiveConverters() {
    return {
        Lookup("ConvertUnits", "taunita", "taunita", DescriptionAndComment(),
               "TABELLA UNITA' nessuna voce presente", "TABELLA UNITA' convertite ", "TABELLA UNITA' Errore nr. "),
        Lookup("ConvertTransportTypes", "tatrasporto", "TAtrasporto", DescriptionAndComment(),
               "TABELLA TRASPORTO nessuna voce presente", "TABELLA TRASPORTO convertite ",
               "TABELLA TRASPORTO Errore nr. "),
        Lookup("ConvertCarriageTerms", "taporto", "taporto", DescriptionAndComment(),
               "TABELLA PORTO nessuna voce presente", "TABELLA PORTO convertite ", "TABELLA PORTO Errore nr. "),
        Lookup("ConvertProductSectors", "tasettmerc", "tasettmerc", CodeAndDescription(),
               "TABELLA SETTORI MERCEOLOGICI nessuna voce presente", "TABELLA SETTORI MERC. convertite ",
               "TABELLA SETTORI MERC. Errore nr. "),
        Lookup("ConvertAgentCategories", "catagenti", "catagenti", CodeAndDescription(),
               "TABELLA CATEGORIE AGENTI nessuna voce presente", "TABELLA CATEGORIE AGENTI convertite ",
               "TABELLA CATEGORIE AGENTI Errore nr. "),
        Lookup("ConvertArticleCategories", "catarticoli", "catarticoli", CodeAndDescription(),
               "TABELLA CATEGORIE ARTICOLI nessuna voce presente", "TABELLA CATEGORIE ARTICOLI convertite ",
               "TABELLA CATEGORIE ARTICOLI Errore nr. "),
        Lookup("ConvertCustomerCategories", "catclienti", "catclienti", CodeAndDescription(),
               "TABELLA CATEGORIE CLIENTI nessuna voce presente", "TABELLA CATEGORIE CLIENTI convertite ",
               "TABELLA CATEGORIE CLIENTI Errore nr. "),
        Lookup("ConvertSupplierCategories", "catfornitori", "catfornitori", CodeAndDescription(),
               "TABELLA CATEGORIE FORNITORI nessuna voce presente", "TABELLA CATEGORIE FORNITORI convertite ",
               "TABELLA CATEGORIE FORNITORI Errore nr. "),
        Lookup("ConvertZones", "tazone", "tazone", CodeAndDescription(),
               "TABELLA ZONE nessuna voce presente", "TABELLA ZONE convertite ", "TABELLA ZONE Errore nr. "),
        Lookup("ConvertGoodsAppearance", "taaspetto", "taaspetto", DescriptionAndComment(),
               "TABELLA ASPETTO nessuna voce presente", "TABELLA ASPETTO convertite ", "TABELLA ASPETTO Errore nr. "),
        Lookup("ConvertVatRates", "taaliquote", "taaliquote", DescriptionAndComment(),
               "TABELLA ALIQUOTE nessuna voce presente", "TABELLA ALIQUOTE convertite ",
               "TABELLA ALIQUOTE Errore nr. "),
        Lookup("ConvertShippingMeans", "taamezzo", "taamezzo", DescriptionAndComment(),
               "TABELLA A MEZZO nessuna voce presente", "TABELLA AMEZZO convertite ", "TABELLA AMEZZO Errore nr. "),
    };
}

std::vector<TableConverter> OwnFieldConverters() {
    return {
        // Two blanks after the table word in the empty and count lines, one in the error line.
        Lookup("ConvertCurrencies", "tacurrencies", "tacurrencies",
               {Copy("currency id"), Copy("Standard conversion rate", "standard conversion rate"), Copy("description")},
               "TABELLA VALUTE  nessuna voce presente", "TABELLA VALUTE  convertite ", "TABELLA VALUTE Errore nr. "),
        Lookup("ConvertDepots", "tadepositi", "tadepositi",
               {Copy("codice"), Copy("descrizione"), Copy("indirizzo"), Copy("localita"), Copy("stato"), Copy("pr"),
                Copy("cap"), Copy("telefono"), Copy("fax")},
               "TABELLA DEPOSITI  nessuna voce presente", "TABELLA DEPOSITI  convertite ",
               "TABELLA DEPOSITI Errore nr. "),
        Lookup("ConvertWwwTable", "tabewww", "tabewww", {Copy("id"), Copy("nominativo"), Copy("www")},
               "TabeWWW nessuna voce presente", "TABELLA WWW convertite ", "TABELLA WWW Errore nr. "),
        Lookup("ConvertPaymentTypes", "tatipopag", "tatipopag",
               {Copy("codice"), Copy("descrizione"), Copy("rate"), Copy("scad1"), Copy("scad2"), Copy("scad3"),
                Copy("scad4"), Copy("scad5"), Copy("scad6"), Copy("scad7"), Copy("scad8"), Copy("scad9"),
                Copy("scad10"), Copy("scad11"), Copy("scad12"), Copy("finemese")},
               "TABELLA TIPO PAGAMENTI nessuna voce presente", "TABELLA TIPO PAGAMENTI convertite ",
               "TABELLA TIPO PAGAMENTI Errore nr. "),
        // The version-6 codes are replaced by A1, A2, ... in source order.
        Lookup("ConvertPaymentMethods", "tamodpag", "tamodpag", {RowCode("codice", "A"), Copy("descrizione")},
               "TABELLA PAGAMENTI nessuna voce presente", "TABELLA PAGAMENTI convertite ",
               "TABELLA PAGAMENTI Errore nr. "),
        Lookup("ConvertBanks", "tabanche", "tabanche", {Copy("descrizione"), Copy("abi"), Copy("cab")},
               "TABELLA BANCHE nessuna voce presente", "TABELLA BANCHE convertite ", "TABELLA BANCHE Errore nr. "),
    };
}

// Edits the one configuration row the version-7 file already holds.
TableConverter ConfigurationConverter() {
    TableConverter converter;
    converter.name = "ConvertConfiguration";
    converter.sourceTable = "configurazione";
    converter.targetTable = "configurazione";
    converter.fields = {Copy("FTPF"), Copy("FTNC"), Constant("NC", dao::Variant("0")), Copy("FTND"), Copy("PR"),
                        Copy("OV"),   Copy("OA"),   Copy("RC"),                       Copy("DT"),   Copy("MM")};
    converter.errorPrefix = "TABELLA CONFIGURAZIONE Errore nr. ";
    converter.shape = ConverterShape::EditFirstRow;
    return converter;
}

} // namespace

std::vector<TableConverter> LookupConverters() {
    std::vector<TableConverter> all = DescriptiveConverters();
    for (TableConverter& converter : OwnFieldConverters()) all.push_back(std::move(converter));
    all.push_back(ConfigurationConverter());
    return all;
}

} // namespace conversione
