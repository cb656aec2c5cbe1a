// A table of a real Access file read whole, in its engine's scan order, or
// an error: copies whose pages are edited as the engine edits them (a deleted
// row, a row moved to another page), damaged, or cut short.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "dbengine/data_control.h"
#include "dbengine/engine.h"
#include "engine_fixture.h"
#include "support/jet_files.h"
#include "support/temp_dir.h"
#include "winfs/runtime_error.h"

namespace {

using testing_support::JetFile;

// The pages of a Jet 3 file (nwind.mdb), to edit.
struct JetImage {
    static constexpr std::size_t kPage = 2048, kSlots = 0x08, kDeclaredRows = 12;
    std::string bytes;

    unsigned U16(std::size_t at) const { return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8; }
    std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
    void Put16(std::size_t at, unsigned v) { bytes[at] = static_cast<char>(v & 0xff), bytes[at + 1] = static_cast<char>(v >> 8); }
    void Put32(std::size_t at, std::uint32_t v) { Put16(at, v & 0xffff), Put16(at + 2, v >> 16); }
    std::size_t At(std::uint32_t page) const { return page * kPage; }
    std::size_t Slot(std::uint32_t page, unsigned slot) const { return At(page) + kSlots + 2 + 2 * slot; }
    unsigned SlotCount(std::uint32_t page) const { return U16(At(page) + kSlots); }

    // The table definition that declares this many rows (one in the file).
    std::uint32_t Definition(std::uint32_t rows) const {
        for (std::uint32_t p = 1; At(p + 1) <= bytes.size(); ++p)
            if (bytes[At(p)] == 0x02 && U32(At(p) + kDeclaredRows) == rows) return p;
        return 0;
    }
    std::vector<std::uint32_t> DataPages(std::uint32_t owner) const {
        std::vector<std::uint32_t> pages;
        for (std::uint32_t p = 1; At(p + 1) <= bytes.size(); ++p)
            if (bytes[At(p)] == 0x01 && U32(At(p) + 4) == owner) pages.push_back(p);
        return pages;
    }
};

class AccessScan : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_JET_FILES();
        std::ifstream in(JetFile("nwind.mdb"), std::ios::binary);
        image.bytes.assign(std::istreambuf_iterator<char>(in), {});
        details = image.Definition(2155);
        ASSERT_NE(details, 0u);
        whole = Rows(JetFile("nwind.mdb"), "Order Details");
        ASSERT_EQ(whole.size(), 2155u);
    }
    std::string Write(const std::string& bytes) {
        const std::string file = dir.file("copia" + std::to_string(copies++) + ".mdb");
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }
    // Each row's values joined; or, when the table cannot be read, its error number alone.
    std::vector<std::string> Rows(const std::string& file, const std::string& table) {
        std::vector<std::string> rows;
        try {
            const auto control = dbtest::BindTable(engine, file, table);
            auto& rs = control->GetRecordset();
            for (; !rs.AtEOF(); rs.MoveNext()) {
                rows.emplace_back();
                for (int f = 0; f < rs.Fields().Count(); ++f) {
                    const dao::Variant value = rs.Fields(f).Value();
                    rows.back() += (value.IsNull() ? "Null" : value.ToString()) + "|";
                }
            }
        } catch (const vb::RuntimeError& e) {
            return {"error " + std::to_string(e.Number())};
        }
        return rows;
    }
    dao::DBEngine engine;
    testing_support::TempDir dir;
    JetImage image;
    std::uint32_t details = 0;
    std::vector<std::string> whole;
    int copies = 0;
};

TEST_F(AccessScan, ADeletedRowStaysDeletedAndAMovedRowComesOnceInItsPlace) {
    const auto pages = image.DataPages(details);
    ASSERT_GE(pages.size(), 2u);
    const std::uint32_t first = pages.front();
    ASSERT_EQ(image.U16(image.Slot(first, 0)) & 0xc000, 0u);

    JetImage deleted = image;
    deleted.Put16(deleted.Slot(first, 0), deleted.U16(deleted.Slot(first, 0)) | 0x8000);
    deleted.Put32(deleted.At(details) + JetImage::kDeclaredRows, 2154);
    auto expected = whole;
    expected.erase(expected.begin());
    EXPECT_EQ(Rows(Write(deleted.bytes), "Order Details"), expected);

    // The first row moves to the end of another page of the table, flagged as
    // skipped there; its old slot points to it.
    JetImage moved = image;
    const std::size_t start = moved.U16(moved.Slot(first, 0)) & 0x1fff, size = JetImage::kPage - start;
    std::uint32_t to = 0;
    unsigned slots = 0, lowest = 0;
    for (std::uint32_t p : pages) {
        slots = moved.SlotCount(p);
        lowest = moved.U16(moved.Slot(p, slots - 1)) & 0x1fff;
        if (p != first && lowest >= size + JetImage::kSlots + 2 + 2 * (slots + 1) && (to = p)) break;
    }
    ASSERT_NE(to, 0u);
    moved.bytes.replace(moved.At(to) + lowest - size, size, image.bytes, image.At(first) + start, size);
    moved.Put16(moved.At(to) + JetImage::kSlots, slots + 1);
    moved.Put16(moved.Slot(to, slots), static_cast<unsigned>(lowest - size) | 0x8000);
    moved.Put32(moved.At(first) + start, to << 8 | slots);
    moved.Put16(moved.Slot(first, 0), static_cast<unsigned>(start) | 0x4000);
    EXPECT_EQ(Rows(Write(moved.bytes), "Order Details"), whole);

    // A pointer to a row that the scan meets in its own place would deliver it twice.
    JetImage twice = image;
    ASSERT_EQ(image.U16(image.Slot(pages[1], 0)) & 0xc000, 0u);
    twice.Put32(twice.At(first) + start, pages[1] << 8);
    twice.Put16(twice.Slot(first, 0), static_cast<unsigned>(start) | 0x4000);
    EXPECT_EQ(Rows(Write(twice.bytes), "Order Details"), std::vector<std::string>{"error 3343"});
}

TEST_F(AccessScan, AForeignPageOrAWrongDeclaredCountIs3343OnThatTableAlone) {
    const std::uint32_t orders = image.Definition(830);
    ASSERT_NE(orders, 0u);
    JetImage foreign = image;
    foreign.Put32(foreign.At(image.DataPages(details)[1]) + 4, orders);
    JetImage declared = image;
    declared.Put32(declared.At(details) + JetImage::kDeclaredRows, 2156);
    for (const auto& copy : {foreign, declared}) {
        const std::string file = Write(copy.bytes);
        EXPECT_EQ(Rows(file, "Order Details"), std::vector<std::string>{"error 3343"});
        EXPECT_EQ(Rows(file, "Shippers").size(), 3u);
    }
    // A catalog that holds other than it declares lists no table for sure.
    JetImage catalog = image;
    catalog.Put32(catalog.At(2) + JetImage::kDeclaredRows, image.U32(image.At(2) + JetImage::kDeclaredRows) + 1);
    EXPECT_EQ(Rows(Write(catalog.bytes), "Shippers"), std::vector<std::string>{"error 3343"});
}

// A table whose catalog row is flagged deleted is gone, as in its engine.
TEST_F(AccessScan, ATableDeletedFromTheCatalogIsMissing) {
    const std::uint32_t shippers = image.Definition(3), catalog = 2;
    ASSERT_NE(shippers, 0u);
    const std::string id{static_cast<char>(shippers & 0xff), static_cast<char>(shippers >> 8 & 0xff), '\0', '\0'};
    JetImage deleted = image;
    int flagged = 0;
    for (std::uint32_t p : image.DataPages(catalog)) {
        for (unsigned slot = 0; slot < image.SlotCount(p); ++slot) {
            const unsigned raw = image.U16(image.Slot(p, slot));
            const std::size_t start = raw & 0x1fff, end = slot == 0 ? JetImage::kPage : image.U16(image.Slot(p, slot - 1)) & 0x1fff;
            if (raw & 0xc000 || start >= end) continue;
            const std::string row = image.bytes.substr(image.At(p) + start, end - start);
            if (row.find("Shippers") == std::string::npos || row.find(id) == std::string::npos) continue;
            deleted.Put16(deleted.Slot(p, slot), raw | 0x8000);
            ++flagged;
        }
    }
    ASSERT_EQ(flagged, 1);
    deleted.Put32(deleted.At(catalog) + JetImage::kDeclaredRows, image.U32(image.At(catalog) + JetImage::kDeclaredRows) - 1);
    const std::string file = Write(deleted.bytes);
    EXPECT_EQ(Rows(file, "Shippers"), std::vector<std::string>{"error 3078"});
    EXPECT_EQ(Rows(file, "Order Details"), whole);
}

// Cut short anywhere, and at a page's end: each table reads whole or is 3343.
TEST_F(AccessScan, ACutFileGivesWholeTablesOrErrorsNeverShortTables) {
    const std::size_t size = image.bytes.size();
    int errors = 0, wholeTables = 0;
    for (std::size_t cut : {size / 3, size / 2, std::size_t{72680}, size - JetImage::kPage, size - 100}) {
        SCOPED_TRACE(cut);
        const std::string file = Write(image.bytes.substr(0, cut));
        for (const auto& [table, count] : {std::pair<std::string, std::size_t>{"Order Details", 2155}, {"Orders", 830},
                                           {"Customers", 91}}) {
            const auto rows = Rows(file, table);
            if (rows.size() == 1 && rows[0].rfind("error ", 0) == 0) {
                EXPECT_EQ(rows[0], "error 3343") << table;
                ++errors;
                continue;
            }
            EXPECT_EQ(rows.size(), count) << table;
            if (table == "Order Details") {
                EXPECT_EQ(rows, whole);
            }
            ++wholeTables;
        }
    }
    EXPECT_GT(errors, 0);
    EXPECT_GT(wholeTables, 0);
}

} // namespace
