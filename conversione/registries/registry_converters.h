#pragma once
// The registry and price-list converters, one function per table, each giving
// its converter's data for CopyTableRows.
#include <vector>

#include "run/table_converter.h"

namespace conversione {

TableConverter AgentsConverter();              // agenti
TableConverter CompanyConverter();             // anagrafica azienda
TableConverter ArticlesConverter();            // articoli
TableConverter BillOfMaterialsConverter();     // articoli_famiglia
TableConverter CustomersConverter();           // clienti
TableConverter CarriersConverter();            // vettori
TableConverter SuppliersConverter();           // fornitori
TableConverter SupplierPriceListConverter();   // listinofornitori (never "Listini")

// The group's converters, for the catalogue.
std::vector<TableConverter> RegistryConverters();

} // namespace conversione
