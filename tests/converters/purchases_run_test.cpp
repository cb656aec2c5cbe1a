// Where the purchase converters stand in the run, and the month that the
// delivery-note converter derives from the document date.
#include <string>
#include <utility>
#include <vector>

#include "catalogue/catalogue.h"
#include "support/converter_harness.h"
#include "purchases/purchase_converter_list.h"

namespace {

using namespace converter_testing;
using conversione::TableConverter;

// The run places each converter by its name.
TEST(PurchaseConverters, StandAtTheirPlacesInTheRun) {
    const std::vector<std::pair<int, std::string>> places{
        {25, "ConvertDeliveryNotes"},    {26, "ConvertDeliveryNoteLines"}, {27, "ConvertPurchaseInvoices"},
        {28, "ConvertPurchaseInvoiceLines"}, {35, "ConvertStockMovements"}, {40, "ConvertCustomerPayments"},
        {41, "ConvertSupplierPayments"}, {42, "ConvertReturns"},           {43, "ConvertReturnLines"},
    };
    const auto& order = conversione::RunOrder();
    ASSERT_EQ(order.size(), 46u);
    for (const auto& [place, name] : places) {
        EXPECT_EQ(order[static_cast<std::size_t>(place - 1)], name);
        bool provided = false;
        for (const TableConverter& c : conversione::PurchaseConverters()) provided = provided || c.name == name;
        EXPECT_TRUE(provided) << name;
    }
    EXPECT_EQ(conversione::PurchaseConverters().size(), places.size());
}

Row DeliveryNote(int id, dao::Variant date) {
    return {{"id fattura", dao::Variant::Long(id)}, {"data_fattura", date}};
}

TEST(DeliveryNoteMonth, IsTheTwoDigitMonthOfTheDocumentDateAndNullWithoutDate) {
    ConverterHarness h;
    h.InsertSource("ddt", DeliveryNote(1, dao::Variant::Date(2004, 1, 13)));
    h.InsertSource("ddt", DeliveryNote(2, dao::Variant::Date(1999, 3, 5, 17, 45)));
    h.InsertSource("ddt", DeliveryNote(3, dao::Variant::Date(2004, 12, 31)));
    h.InsertSource("ddt", DeliveryNote(4, dao::Variant::Null()));
    ASSERT_EQ(h.Run(FindConverter("ConvertDeliveryNotes")), Lines{"TABELLA DDT convertite 4 voci"});
    Rows rows = h.ReadTarget("ddt");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].at("mese_fattura"), dao::Variant("01"));
    EXPECT_EQ(rows[1].at("mese_fattura"), dao::Variant("03"));
    EXPECT_EQ(rows[2].at("mese_fattura"), dao::Variant("12"));
    EXPECT_TRUE(rows[3].at("mese_fattura").IsNull());
    EXPECT_EQ(rows[1].at("data_fattura"), dao::Variant::Date(1999, 3, 5, 17, 45));
}

} // namespace
