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
    std::size_t RowStart(std::uint32_t page, unsigned slot) const { return U16(Slot(page, slot)) & 0x1fff; }
    std::size_t RowEnd(std::uint32_t page, unsigned slot) const { return slot == 0 ? kPage : RowStart(page, slot - 1); }

    // Moves a slot's row to the end of another of the pages, flagged as skipped
    // there, and points its old slot to it; returns the pointer (0: no room).
    std::uint32_t MoveRow(std::uint32_t from, unsigned slot, const std::vector<std::uint32_t>& pages) {
        const std::size_t start = RowStart(from, slot), size = RowEnd(from, slot) - start;
        const std::string row = bytes.substr(At(from) + start, size);
        for (std::uint32_t to : pages) {
            const unsigned slots = SlotCount(to);
            const std::size_t lowest = RowStart(to, slots - 1);
            if (to == from || lowest < size + kSlots + 2 + 2 * (slots + 1)) continue;
            bytes.replace(At(to) + lowest - size, size, row);
            Put16(At(to) + kSlots, slots + 1);
            Put16(Slot(to, slots), static_cast<unsigned>(lowest - size) | 0x8000);
            Put32(At(from) + start, to << 8 | slots);
            Put16(Slot(from, slot), static_cast<unsigned>(start) | 0x4000);
            return to << 8 | slots;
        }
        return 0;
    }

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

    // The first row moves to the end of another page of the table.
    JetImage moved = image;
    ASSERT_NE(moved.MoveRow(first, 0, pages), 0u);
    EXPECT_EQ(Rows(Write(moved.bytes), "Order Details"), whole);

    // A pointer to a row that the scan meets in its own place would deliver it twice.
    JetImage twice = image;
    ASSERT_EQ(image.U16(image.Slot(pages[1], 0)) & 0xc000, 0u);
    twice.Put32(twice.At(first) + twice.RowStart(first, 0), pages[1] << 8);
    twice.Put16(twice.Slot(first, 0), twice.U16(twice.Slot(first, 0)) | 0x4000);
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

// Slots that would repeat a row, lose one, or take a moved row's place from
// bytes past its own end: each is 3343 on the table (at once, not at a value).
TEST_F(AccessScan, SlotsThatWouldRepeatOrLoseARowAre3343) {
    const auto pages = image.DataPages(details);
    const std::uint32_t first = pages.front();
    const unsigned last = image.SlotCount(first) - 1;
    ASSERT_EQ((image.U16(image.Slot(first, last)) | image.U16(image.Slot(first, last - 1))) & 0xc000, 0u);
    auto declaring = [&](JetImage copy, int change) {
        copy.Put32(copy.At(details) + JetImage::kDeclaredRows, static_cast<std::uint32_t>(2155 + change));
        return copy;
    };
    std::vector<std::pair<std::string, JetImage>> copies;

    JetImage twice = image;
    const std::uint32_t pointer = twice.MoveRow(first, 0, pages);
    ASSERT_NE(pointer, 0u);
    twice.Put32(twice.At(first) + twice.RowStart(first, 1), pointer);
    twice.Put16(twice.Slot(first, 1), twice.U16(twice.Slot(first, 1)) | 0x4000);
    copies.emplace_back("two slots moved to one place", twice);

    JetImage empty = image;
    empty.Put16(empty.Slot(first, last), static_cast<unsigned>(empty.RowEnd(first, last)));
    copies.emplace_back("a live slot without a byte", empty);
    copies.emplace_back("a live slot without a byte, not counted", declaring(empty, -1));

    // Three bytes of pointer, the fourth (0) the first byte of the row before, deleted.
    JetImage cut = image;
    const std::uint32_t to = cut.MoveRow(first, last, pages);
    ASSERT_NE(to, 0u);
    const std::size_t at = cut.RowEnd(first, last) - 3;
    cut.Put32(cut.At(first) + at, to);
    cut.Put16(cut.Slot(first, last), static_cast<unsigned>(at) | 0x4000);
    cut.Put16(cut.Slot(first, last - 1), cut.U16(cut.Slot(first, last - 1)) | 0x8000);
    copies.emplace_back("a moved row's pointer of three bytes", declaring(cut, -1));

    for (const auto& [what, copy] : copies) {
        const std::string file = Write(copy.bytes);
        EXPECT_EQ(dbtest::ErrorOf([&] { dbtest::BindTable(engine, file, "Order Details"); }), 3343) << what;
    }
}

// A table definition read whole or 3343: one going on to a page past the end
// (a file cut short), to a page of another kind, back to its first page or to
// another table's definition, with more fields than its pages hold names for,
// or declaring a length its pages or its fields do not fit. The other tables
// stay readable; a catalog whose definition is not whole lists no table for sure.
TEST_F(AccessScan, ATableDefinitionNotWholeIs3343) {
    std::ifstream in(JetFile("WIDE_TABLE.MDB"), std::ios::binary);
    const JetImage wide{std::string(std::istreambuf_iterator<char>(in), {})};
    constexpr std::size_t kPage = 4096, kFirst = 24 * kPage, kSecond = 26 * kPage, kNext = 4, kLength = 8, kFields = 45;
    ASSERT_EQ(wide.U32(kFirst + kNext), 26u);    // the definition goes on to pages 26 and 27
    const std::uint32_t unita = 89, pastTheEnd = static_cast<std::uint32_t>(wide.bytes.size() / kPage);
    ASSERT_EQ(wide.bytes[unita * kPage], 0x02);
    struct Edit {
        std::size_t at, width;
        std::uint32_t value;
    };
    const Edit edits[] = {{kFirst + kNext, 4, pastTheEnd},   {kSecond, 2, 0x0101 /* a data page */},
                          {kSecond + kNext, 4, 24},          {kSecond + kNext, 4, unita},
                          {kFirst + kFields, 2, wide.U16(kFirst + kFields) + 20u},
                          {kFirst + kLength, 4, 100},        {kFirst + kLength, 4, 3 * kPage}};
    for (const Edit& edit : edits) {
        SCOPED_TRACE(std::to_string(edit.at) + ": " + std::to_string(edit.value));
        JetImage copy = wide;
        if (edit.width == 2) copy.Put16(edit.at, edit.value);
        else copy.Put32(edit.at, edit.value);
        const std::string file = Write(copy.bytes);
        EXPECT_EQ(Rows(file, "articoli_esteso"), std::vector<std::string>{"error 3343"});
        EXPECT_EQ(Rows(file, "unita").size(), 3u);
    }
    JetImage catalog = image;
    catalog.Put32(catalog.At(2) + kNext, static_cast<std::uint32_t>(image.bytes.size() / JetImage::kPage));
    EXPECT_EQ(Rows(Write(catalog.bytes), "Shippers"), std::vector<std::string>{"error 3343"});
}

// A memo whose long-value page was overwritten by another table's page is 3343
// when read; the rest of its row and of the table stay readable.
TEST_F(AccessScan, ALongValueOffALongValuePageIs3343WhenRead) {
    std::ifstream in(JetFile("VANTORIMA6_ACCESS.MDB"), std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    constexpr std::size_t kPage = 4096;
    ASSERT_EQ(bytes.compare(217 * kPage + 4, 4, "LVAL"), 0);
    bytes.replace(217 * kPage, kPage, bytes, 227 * kPage, kPage);
    const auto control = dbtest::BindTable(engine, Write(bytes), "pagamentifornitori");
    auto& rs = control->GetRecordset();
    std::vector<std::string> unreadable;
    int row = 0;
    for (; !rs.AtEOF(); rs.MoveNext(), ++row)
        for (int f = 0; f < rs.Fields().Count(); ++f)
            if (dbtest::ErrorOf([&] { rs.Fields(f).Value(); }) != 0)
                unreadable.push_back(std::to_string(row) + " " + rs.Fields(f).Name());   // rows counted from 0
    EXPECT_EQ(unreadable, std::vector<std::string>{"5 note"});
    EXPECT_EQ(static_cast<std::size_t>(row), Rows(JetFile("VANTORIMA6_ACCESS.MDB"), "pagamentifornitori").size());
}

} // namespace
