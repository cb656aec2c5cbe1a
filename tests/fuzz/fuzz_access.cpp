// An Access file through the engine's public interface: opened, then every
// table it may hold read row by row, field by field. The reader process's own
// decoding also runs here on the bytes, so that the fuzzer sees its paths.
#include "fuzz_entries.h"
#include "fuzz_scratch.h"

#include <algorithm>

#include "dbengine/data_control.h"
#include "dbengine/engine.h"
#include "jet_decoding.h"
#include "winfs/runtime_error.h"

namespace fuzz {

namespace {

// The engine lists no tables, so the names of the seed files are tried
// (nwind's and DateTest's), with the catalog's own.
constexpr const char* kTableNames[] = {
    "Order Details", "Orders", "Products", "Shippers", "Categories", "Customers",
    "Employees", "Suppliers", "Umsätze", "DateTest", "MSysObjects",
};

void ReadRow(dao::Recordset& rows) {
    dao::Fields& fields = rows.Fields();
    for (int i = 0; i < fields.Count(); ++i) {
        try {
            dao::Field& field = fields[i];
            (void)field.Name();
            (void)field.Type();
            (void)field.Value();
        } catch (const vb::RuntimeError&) {
            // One value that cannot be read; the others still are.
        }
    }
}

void ReadTable(dao::DBEngine& engine, const std::string& file, const char* table) {
    dao::DataControl control(engine);
    control.SetDatabaseName(file);
    control.SetRecordSource(table);
    control.SetReadOnly(true);
    try {
        control.Refresh();
        dao::Recordset& rows = control.GetRecordset();
        (void)rows.RecordCount();
        while (!rows.AtEOF()) {
            ReadRow(rows);
            rows.MoveNext();
        }
    } catch (const vb::RuntimeError&) {
        // The table is missing or cannot be read further.
    }
}

// The input as the pages of a file.
class InputPages final : public jet::PageSource {
public:
    InputPages(jet::Bytes bytes, jet::Version version)
        : bytes_(bytes), size_(static_cast<std::size_t>(jet::PageSize(version))) {}
    jet::Bytes Page(std::uint32_t number) override {
        if (number == 0 || (number + 1ull) * size_ > bytes_.size()) return {};
        return bytes_.subspan(number * size_, size_);
    }
    std::size_t LongValueLimit() const override { return bytes_.size(); }

private:
    jet::Bytes bytes_;
    std::size_t size_;
};

// The input as a table definition, and its first bytes as a long value's reference into its pages.
void Decode(jet::Bytes bytes) {
    for (const jet::Version version : {jet::Version::Jet3, jet::Version::Jet4}) {
        (void)jet::DefinitionExtent(bytes, version);
        InputPages pages(bytes, version);
        (void)jet::LongValue(bytes.first(std::min<std::size_t>(bytes.size(), 12)), pages, version);
    }
}

} // namespace

int FuzzAccess(const std::uint8_t* data, std::size_t size) {
    const std::string file = (ScratchDrives() / "access" / "input.mdb").string();
    Decode(jet::Bytes(data, size));
    WriteFile(file, AsText(data, size));
    dao::DBEngine engine;
    try {
        engine.OpenDatabase(file)->Close();
    } catch (const vb::RuntimeError&) {
        return 0;
    }
    for (const char* table : kTableNames) ReadTable(engine, file, table);
    return 0;
}

} // namespace fuzz
