#include "registries/registry_converters.h"

namespace conversione {

std::vector<TableConverter> RegistryConverters() {
    return {
        AgentsConverter(),
        CompanyConverter(),
        ArticlesConverter(),
        BillOfMaterialsConverter(),
        CustomersConverter(),
        CarriersConverter(),
        SuppliersConverter(),
        SupplierPriceListConverter(),
    };
}

} // namespace conversione
