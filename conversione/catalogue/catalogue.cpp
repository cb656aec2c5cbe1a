#include "catalogue/catalogue.h"

#include <map>

#include "orders/order_converter_list.h"
#include "purchases/purchase_converter_list.h"
#include "registries/registry_converters.h"
#include "run/lookup_converters.h"
#include "sales/invoice_converters.h"

namespace conversione {

const std::vector<std::string>& RunOrder() {
    static const std::vector<std::string> order{
        "ConvertAgents",              "ConvertCompany",
        "ConvertArticles",            "ConvertBillOfMaterials",
        "ConvertCustomers",           "ConvertAgentCategories",
        "ConvertArticleCategories",   "ConvertCustomerCategories",
        "ConvertSupplierCategories",  "ConvertDepots",
        "ConvertCurrencies",          "ConvertShippingMeans",
        "ConvertGoodsAppearance",     "ConvertBanks",
        "ConvertWwwTable",            "ConvertPaymentMethods",
        "ConvertCarriageTerms",       "ConvertProductSectors",
        "ConvertPaymentTypes",        "ConvertTransportTypes",
        "ConvertUnits",               "ConvertZones",
        "ConvertCarriers",            "ConvertVatRates",
        "ConvertDeliveryNotes",       "ConvertDeliveryNoteLines",
        "ConvertPurchaseInvoices",    "ConvertPurchaseInvoiceLines",
        "ConvertProformaInvoices",    "ConvertProformaInvoiceLines",
        "ConvertSalesInvoices",       "ConvertSalesInvoiceLines",
        "ConvertSuppliers",           "ConvertSupplierPriceList",
        "ConvertStockMovements",      "ConvertCustomerOrders",
        "ConvertCustomerOrderLines",  "ConvertSupplierOrders",
        "ConvertSupplierOrderLines",  "ConvertCustomerPayments",
        "ConvertSupplierPayments",    "ConvertReturns",
        "ConvertReturnLines",         "ConvertQuotes",
        "ConvertQuoteLines",          "ConvertConfiguration",
    };
    return order;
}

const std::vector<TableConverter>& ConvertersInRunOrder() {
    static const std::vector<TableConverter> ordered = [] {
        std::map<std::string, TableConverter> byName;
        for (auto group : {LookupConverters, RegistryConverters, SalesConverters, OrderConverters, PurchaseConverters})
            for (TableConverter& converter : group()) byName.emplace(converter.name, std::move(converter));
        std::vector<TableConverter> result;
        for (const std::string& name : RunOrder()) {
            auto found = byName.find(name);
            if (found != byName.end()) result.push_back(found->second);
        }
        return result;
    }();
    return ordered;
}

} // namespace conversione
