// The rows of a table of the engine's own files, as a recordset walks them.
#include "dbengine/storage/sqlite_rows.h"

#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "dbengine/storage/connection.h"
#include "dbengine/storage/recordset_backend.h"
#include "dbengine/values/errors.h"

namespace dao {

namespace {

// Resets a statement when the step is over, whatever its outcome.
struct ResetGuard {
    sqlite3_stmt* stmt;
    ~ResetGuard() { sqlite3_reset(stmt); }
};

// The rows of the table are the rowids read at opening (storage order) plus
// those this recordset added. Rows are read ahead, a batch at a time, through
// one cursor that is reset before the read returns: between calls the
// recordset holds no read on the file, so another program can write it while
// this one stands idle.
struct SqliteRows final : RecordsetBackend, CursorHolder {
    enum class Mode { None, Adding, Editing };

    // Rows read at the first seek: few enough that a read of one row alone
    // stays short. A walk that goes on where the last read ended reads twice
    // as many at each seek, up to kReadAheadValues values, so that the seek and
    // the file's read lock (a handful of system calls) cost nothing beside the
    // rows, while the rows held stay within the processor's nearer caches.
    static constexpr std::int64_t kReadAhead = 128;
    static constexpr std::int64_t kReadAheadValues = 16384;

    std::shared_ptr<Connection> connection;
    std::shared_ptr<const TableInfo> table;
    bool readOnly = false;                 // bound read-only: no AddNew, Edit, Update
    std::vector<std::int64_t> rowids;
    Mode mode = Mode::None;
    std::vector<Variant> buffer;           // the new or edited row
    std::vector<char> given;               // new row: field set since AddNew (else its default)
    // A reset leaves the insert's parameters bound: each is bound again only
    // when its value changed, so that a Null or a default that repeats row
    // after row costs no call.
    std::vector<const Variant*> insertBound;   // what each parameter is bound to (null: to be bound)
    std::vector<char> rewritten;               // buffer value written since the insert bound it
    std::int64_t editRowid = 0;

    std::vector<FieldKind> kinds;          // the fields' kinds, in storage order
    std::vector<std::size_t> counters;     // the counter fields
    // What a read takes: every field, until a walk goes on past its first
    // read; from then on only the fields asked of the rows read so far. A
    // field asked later that was not read has the rows read again with every
    // field, and every field is read from then on.
    std::vector<int> readFields;           // the fields read, in storage order
    std::vector<FieldKind> readKinds;      // their kinds
    std::vector<int> readSlot;             // each field's place among them; -1: not read
    std::vector<char> asked;               // field asked since the fields read were chosen
    bool fieldsChosen = false;             // narrowed to those asked, or widened for good
    Statement cursor;                      // rowid and the fields read, from ?1 on, in storage order
    // The rows read ahead, field after field, as stored: each value takes its
    // field's type when it is read, so that one that does not convert is
    // raised then and the rest of the rows stay readable.
    std::vector<StoredValue> ahead;
    std::string aheadBytes;                // their texts and blobs
    std::int64_t aheadPos = 0;             // the position of the first of them
    std::int64_t aheadCount = 0;           // 0: none held
    std::uint64_t aheadGeneration = 0;     // the connection's changes when they were read
    std::int64_t aheadSize = 0;            // rows asked of the last read
    std::int64_t aheadEnd = -1;            // the position after the last read's rows
    Statement insert;
    Statement update;

    SqliteRows(std::shared_ptr<Connection> c, std::shared_ptr<const TableInfo> t, bool ro)
        : connection(std::move(c)), table(std::move(t)), readOnly(ro) {
        buffer.resize(table->columns.size());
        given.resize(table->columns.size());
        insertBound.resize(table->columns.size());
        rewritten.resize(table->columns.size());
        for (const ColumnInfo& column : table->columns) {
            if (column.kind == FieldKind::Counter) counters.push_back(kinds.size());
            kinds.push_back(column.kind);
        }
        asked.resize(kinds.size());
        ReadFields([](std::size_t) { return true; });
        LoadRowids();
        connection->AddCursorHolder(this);
    }

    ~SqliteRows() override { connection->RemoveCursorHolder(this); }

    // The writer of the file is about to change it: what was read ahead may
    // no longer be there.
    void ReleaseCursor() noexcept override { aheadCount = 0; }

    sqlite3* db() const { return connection->db(); }

    std::string ColumnList() const {
        std::string list;
        for (std::size_t i = 0; i < table->columns.size(); ++i) {
            if (i) list += ", ";
            list += table->columns[i].quoted;
        }
        return list;
    }

    // The fields the next reads take; what was read ahead is dropped.
    template <typename Wanted>
    void ReadFields(Wanted wanted) {
        readFields.clear();
        readKinds.clear();
        readSlot.assign(kinds.size(), -1);
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            if (!wanted(i)) continue;
            readSlot[i] = static_cast<int>(readFields.size());
            readFields.push_back(static_cast<int>(i));
            readKinds.push_back(kinds[i]);
        }
        std::fill(asked.begin(), asked.end(), 0);
        cursor = Statement();
        aheadCount = 0;
    }

    // A walk going on past its first read: only the fields asked so far.
    void NarrowToAsked() {
        fieldsChosen = true;
        if (std::find(asked.begin(), asked.end(), 0) == asked.end()) return;   // every one asked
        ReadFields([this](std::size_t i) { return asked[i] != 0; });
    }

    void LoadRowids() {
        // The stamp comes first: a write between it and the walk only costs
        // the next binding a walk of its own.
        const Connection::WriteStamp stamp = connection->Stamp(table->name);
        if (connection->ReuseRowids(*table, stamp, rowids)) return;
        Statement all(db(), "SELECT _rowid_ FROM " + table->quoted);
        int rc;
        while ((rc = sqlite3_step(all.get())) == SQLITE_ROW) rowids.push_back(sqlite3_column_int64(all.get(), 0));
        if (rc != SQLITE_DONE) RaiseSqlite(db(), rc, table->name);
        if (!std::is_sorted(rowids.begin(), rowids.end())) std::sort(rowids.begin(), rowids.end());
        connection->KeepRowids(table, stamp, rowids);
    }

    std::int64_t Count() const override { return static_cast<std::int64_t>(rowids.size()); }
    bool HasCurrent() const { return pos >= 0 && pos < Count(); }
    int FieldCount() const override { return static_cast<int>(table->columns.size()); }
    const std::string& FieldName(int index) const override { return table->columns[static_cast<std::size_t>(index)].name; }
    VarType FieldType(int index) const override {
        FieldKind kind = table->columns[static_cast<std::size_t>(index)].kind;
        return kind == FieldKind::Other ? VarType::String : VarTypeOf(kind);
    }
    const std::string& TableName() const override { return table->name; }
    int FindField(std::string_view name) const override { return table->Find(name); }
    bool Writing() const override { return mode != Mode::None; }
    void ReleaseRead() noexcept override { aheadCount = 0; }

    // Reads the current row and those after it from one seek; the cursor is
    // reset before this returns, whatever happens.
    void ReadAhead() {
        connection->SyncWithWriter();   // the writer of the file may have written since
        const bool onward = pos == aheadEnd;
        if (onward && !fieldsChosen) NarrowToAsked();
        if (!cursor) {
            std::string columns = "_rowid_";
            for (std::size_t first = 0; first < readFields.size(); first += kTakeRowFields) {
                columns += std::string(", ") + kTakeRowFunction + "(?2, " + std::to_string(first);
                for (std::size_t i = first; i < std::min(readFields.size(), first + kTakeRowFields); ++i)
                    columns += ", " + table->columns[static_cast<std::size_t>(readFields[i])].quoted;
                columns += ")";
            }
            cursor = Statement(db(), "SELECT " + columns + " FROM " + table->quoted + " WHERE _rowid_ >= ?1 ORDER BY _rowid_");
        }
        ResetGuard reset{cursor.get()};
        sqlite3_bind_int64(cursor.get(), 1, rowids[static_cast<std::size_t>(pos)]);
        // Bound again at every read: the place lives only while this one runs.
        RowTake take{readKinds.data(), readKinds.size(), nullptr, &aheadBytes};
        sqlite3_bind_pointer(cursor.get(), 2, &take, kRowTakeType, nullptr);
        const std::size_t fields = readKinds.size();
        const std::int64_t most = std::max<std::int64_t>(kReadAhead, kReadAheadValues / std::max<std::size_t>(fields, 1));
        aheadSize = onward ? std::min(aheadSize * 2, most) : kReadAhead;
        const std::int64_t wanted = std::min(aheadSize, Count() - pos);
        if (ahead.size() < static_cast<std::size_t>(wanted) * fields) ahead.resize(static_cast<std::size_t>(wanted) * fields);
        aheadCount = 0;
        aheadBytes.clear();
        aheadPos = pos;
        aheadGeneration = connection->Generation();
        std::int64_t read = 0;
        int rc = SQLITE_ROW;
        // A row dropped by its rowid leaves its bytes behind, unused: each value
        // kept knows where its own bytes are.
        while (read < wanted) {
            take.row = ahead.data() + static_cast<std::size_t>(read) * fields;   // the row stepped to lands here
            if ((rc = sqlite3_step(cursor.get())) != SQLITE_ROW) break;
            const std::int64_t rowid = sqlite3_column_int64(cursor.get(), 0);
            const std::int64_t expected = rowids[static_cast<std::size_t>(pos + read)];
            if (rowid < expected) continue;   // added by another program since the binding: not ours
            if (rowid > expected) break;      // ours, deleted since
            ++read;
        }
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) RaiseSqlite(db(), rc, table->name);
        aheadCount = read;
        aheadEnd = pos + read;
        if (read == 0) Raise(kRecordDeleted, table->name);
    }

    // The current row's values when they are held (none are once released).
    const StoredValue* HeldRow() const {
        const auto offset = static_cast<std::uint64_t>(pos - aheadPos);
        if (offset >= static_cast<std::uint64_t>(aheadCount) || aheadGeneration != connection->Generation())
            return nullptr;
        return ahead.data() + offset * readFields.size();
    }

    // The value of a field in the new or edited row.
    const Variant& Pending(std::size_t index) const {
        return mode == Mode::Adding && !given[index] ? table->columns[index].defaultValue : buffer[index];
    }

    Variant Value(int index) override {
        Variant value;
        ValueInto(index, value);
        return value;
    }

    // The held row's value at once; the rest apart, so that the common case
    // stays short.
    void ValueInto(int index, Variant& out) override {
        const auto i = static_cast<std::size_t>(index);
        const StoredValue* row = mode == Mode::None ? HeldRow() : nullptr;
        if (row && readSlot[i] >= 0) [[likely]] {
            asked[i] = 1;
            StoredValueInto(row[readSlot[i]], kinds[i], aheadBytes, out);
        } else {
            ValueNotHeldInto(i, out);
        }
    }

    [[gnu::noinline]] void ValueNotHeldInto(std::size_t i, Variant& out) {
        if (mode != Mode::None) {
            out = Pending(i);
            return;
        }
        if (!HasCurrent()) Raise(kNoCurrentRow);
        if (readSlot[i] < 0) {   // a field the reads left out: every field from now on
            fieldsChosen = true;
            ReadFields([](std::size_t) { return true; });
        }
        ReadAhead();
        asked[i] = 1;
        StoredValueInto(ahead[static_cast<std::size_t>(readSlot[i])], kinds[i], aheadBytes, out);   // the current row comes first
    }

    void SetValue(int index, const Variant& value) override {
        if (mode == Mode::None) [[unlikely]] Raise(kUpdateWithoutAddNew);
        const auto i = static_cast<std::size_t>(index);
        if (ConvertForColumnInto(table->columns[i], value, buffer[i])) rewritten[i] = 1;   // a refused value changes nothing
        given[i] = 1;
    }

    void Leave() override { mode = Mode::None; }

    void RefuseIfReadOnly() const {
        if (readOnly) Raise(kReadOnly, table->name);
    }

    void AddNew() override {
        RefuseIfReadOnly();
        std::fill(given.begin(), given.end(), 0);   // every field starts from its default
        mode = Mode::Adding;
    }

    void Edit() override {
        RefuseIfReadOnly();
        if (!HasCurrent()) Raise(kNoCurrentRow);
        mode = Mode::None;
        for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = Value(static_cast<int>(i));
        std::fill(rewritten.begin(), rewritten.end(), 1);
        editRowid = rowids[static_cast<std::size_t>(pos)];
        mode = Mode::Editing;
    }

    void NumberCounters() {
        for (const std::size_t c : counters) {
            if (!given[c]) {
                buffer[c] = Variant::Null();
                given[c] = 1;
            }
            if (buffer[c].IsNull()) {
                buffer[c] = Variant::Long(static_cast<std::int32_t>(connection->NextCounter(*table, static_cast<int>(c))));
                rewritten[c] = 1;
            } else {
                connection->NoteCounter(*table, static_cast<int>(c), buffer[c].RawInt());
            }
        }
    }

    // The insert's parameters whose values changed since they were bound
    // (texts are bound where they are kept, so a rewritten one is bound anew).
    // The row's vectors are taken once: the flags' stores would have them
    // read again at every field.
    void BindChanged(sqlite3_stmt* stmt) {
        const std::size_t n = buffer.size();
        const ColumnInfo* columns = table->columns.data();
        const Variant* values = buffer.data();
        const char* set = given.data();
        char* stale = rewritten.data();
        const Variant** bound = insertBound.data();
        for (std::size_t i = 0; i < n; ++i) {
            const Variant* value = set[i] ? &values[i] : &columns[i].defaultValue;   // Pending(i) of a new row
            if (bound[i] == value && !stale[i]) continue;
            bound[i] = nullptr;   // a failed bind may have left the parameter Null
            BindValue(stmt, static_cast<int>(i) + 1, *value);
            bound[i] = value;
            stale[i] = 0;
        }
    }

    void Update() override {
        RefuseIfReadOnly();
        if (mode == Mode::None) Raise(kUpdateWithoutAddNew);
        connection->BeginWrite();
        const int n = static_cast<int>(buffer.size());
        sqlite3_stmt* stmt;
        if (mode == Mode::Adding) {
            if (!insert) {
                std::string params;
                for (int i = 0; i < n; ++i) params += i ? ", ?" : "?";
                insert = Statement(db(), "INSERT INTO " + table->quoted + " (" + ColumnList() + ") VALUES (" + params + ")");
                std::fill(insertBound.begin(), insertBound.end(), nullptr);
            }
            NumberCounters();
            stmt = insert.get();
        } else {
            if (!update) {
                std::string set;
                for (int i = 0; i < n; ++i) {
                    if (i) set += ", ";
                    set += table->columns[static_cast<std::size_t>(i)].quoted + " = ?" + std::to_string(i + 1);
                }
                update = Statement(db(), "UPDATE " + table->quoted + " SET " + set + " WHERE _rowid_ = ?" + std::to_string(n + 1));
            }
            stmt = update.get();
            sqlite3_bind_int64(stmt, n + 1, editRowid);
        }
        {
            ResetGuard reset{stmt};
            if (mode == Mode::Adding) {
                BindChanged(stmt);
            } else {
                for (int i = 0; i < n; ++i) BindValue(stmt, i + 1, Pending(static_cast<std::size_t>(i)));
            }
            int rc = sqlite3_step(stmt);
            if (rc != SQLITE_DONE) RaiseSqlite(db(), rc, table->name);
            if (mode == Mode::Editing && sqlite3_changes(db()) == 0) Raise(kRecordDeleted, table->name);
        }
        if (mode == Mode::Adding) {
            const bool atEof = pos >= Count();
            rowids.push_back(sqlite3_last_insert_rowid(db()));
            if (atEof) pos = Count();
        }
        mode = Mode::None;
        connection->RowWritten();
    }
};

} // namespace

std::unique_ptr<RecordsetBackend> OpenSqliteTable(std::shared_ptr<Connection> connection, const std::string& table,
                                                  bool readOnly) {
    connection->SyncWithWriter();
    auto info = connection->Table(table);
    return std::make_unique<SqliteRows>(std::move(connection), std::move(info), readOnly);
}

} // namespace dao
