#include "orders/order_converter_list.h"

namespace conversione {

std::vector<TableConverter> OrderConverters() {
    return {
        orders::CustomerOrders(), orders::CustomerOrderLines(),
        orders::SupplierOrders(), orders::SupplierOrderLines(),
        orders::Quotes(),         orders::QuoteLines(),
    };
}

} // namespace conversione
