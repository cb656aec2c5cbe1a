#pragma once
// The sales document converters: proforma and sales invoices with their lines.
#include <vector>

#include "run/table_converter.h"

namespace conversione {

// Field lists of the four converters, built from the shared document lists.
const FieldList& SalesInvoiceFields();       // header list with five insertions (117)
const FieldList& SalesInvoiceLineFields();   // line list without "id voce", "codicedeposito" last (11)

TableConverter ProformaInvoicesConverter();
TableConverter ProformaInvoiceLinesConverter();
TableConverter SalesInvoicesConverter();
TableConverter SalesInvoiceLinesConverter();

// The group's converters, for the catalogue.
std::vector<TableConverter> SalesConverters();

} // namespace conversione
