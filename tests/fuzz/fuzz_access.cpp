// An Access file through the engine's public interface only: opened, then
// every table it may hold read row by row, field by field.
#include "fuzz_entries.h"
#include "fuzz_scratch.h"

#include "dbengine/data_control.h"
#include "dbengine/engine.h"
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

} // namespace

int FuzzAccess(const std::uint8_t* data, std::size_t size) {
    const std::string file = (ScratchDrives() / "access" / "input.mdb").string();
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
