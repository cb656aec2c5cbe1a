#pragma once
// The engine object and its databases.
//
// Database files are SQLite 3 files under Windows-style names (resolved through
// winfs::Resolve). The engine keeps one storage connection per file, shared by
// every Database and DataControl of the program, so that work on one file sees
// itself and never locks itself out; read-only data controls share a second,
// read-only one, kept in step with the first. Writes accepted by Recordset::Update may be
// grouped into one storage transaction per file; they are committed when a data
// control bound to the file changes its binding or is destroyed, when a Database
// is closed, when a statement is executed on the file, after a bounded number of
// rows, and when the engine is destroyed. Statements that Execute runs one after
// another share one transaction too, committed by the same events (Close included).
#include <chrono>
#include <memory>
#include <string>

namespace dao {

class Connection;     // one open storage file (internal)
class DBEngine;
struct EngineHoldings;  // the engine's claims and exclusive uses (internal)
class ReaderPool;       // the engine's Access reader processes (internal)

class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs one statement of the supported subset, names in brackets:
    //   Delete * from [t]
    //   CREATE TABLE [t] ([f] TEXT(50) NOT NULL, [g] CURRENCY, ..., CONSTRAINT [pk] PRIMARY KEY ([f]))
    //     types: TEXT(n) / VARCHAR(n), MEMO, BYTE, INTEGER / SHORT, LONG, SINGLE, DOUBLE,
    //            CURRENCY, DATETIME, YESNO / BIT, COUNTER / AUTOINCREMENT;
    //     column options: NOT NULL, DEFAULT <literal>, CHECK (<expr>) (a broken check is 3317)
    //   CREATE [UNIQUE] INDEX [i] ON [t] ([f], ...)
    //   INSERT INTO [t] ([f], ...) VALUES (<literal>, ...)   literals: 'text', numbers, #yyyy-mm-dd[ hh:mm:ss]#, NULL, TRUE, FALSE
    //   DROP TABLE [t]
    // Anything else raises 3129.
    void Execute(const std::string& statement);

    // Commits pending writes and releases this handle (also done by the destructor).
    void Close();

    const std::string& Name() const noexcept { return name_; }
    bool ReadOnly() const;

private:
    friend class DBEngine;
    Database(std::shared_ptr<Connection> connection, std::string name);
    std::shared_ptr<Connection> connection_;   // null on an Access file
    std::string name_;
    bool accessFile_ = false;                  // read-only: Execute raises 3027
};

class DBEngine {
public:
    DBEngine();
    ~DBEngine();                         // commits everything pending
    DBEngine(const DBEngine&) = delete;
    DBEngine& operator=(const DBEngine&) = delete;

    // The program's one engine, created on first use.
    static DBEngine& Instance();

    // Opens an existing database, shared and writable (read-only when the file
    // cannot be written; always for an Access file). 3024 missing file or
    // folder given, 3343 not a database.
    std::unique_ptr<Database> OpenDatabase(const std::string& fileName);

    // Creates a new, empty database file (schema scripts then run Execute on it).
    // Raises 3204 when the file exists.
    std::unique_ptr<Database> CreateDatabase(const std::string& fileName);

    // Writes a compacted copy of src to dst and leaves src unchanged.
    // 3024 src missing, 3343 src not a database, 3204 dst exists, 3027 src an Access file.
    void CompactDatabase(const std::string& src, const std::string& dst);

    // Commits pending writes on every open file.
    void CommitAll();

    // How long the files this engine opens from now on wait for another
    // program's lock before 3218, instead of the usual wait (a data control's
    // own wait aside).
    void SetLockWait(std::chrono::milliseconds wait) noexcept;

    // Settles a file that was just replaced from outside the engine (a
    // restore): what the engine keeps beside a file for an unfinished change
    // of a writer that was killed belongs to the file replaced, and is
    // dropped, so that the next opening does not play it into the new one.
    // Raises the file layer's error when it is there but cannot be dropped.
    void SettleReplacedFile(const std::string& fileName);

    // Internal: the shared connection of a file (opened on first use); a
    // read-only one is kept apart from the read-write one.
    std::shared_ptr<Connection> Connect(const std::string& fileName, bool readOnly = false);
    // Internal: what this engine holds of its files where other holders look (open_files.h).
    friend EngineHoldings& HoldingsOf(DBEngine& engine) noexcept;
    // Internal: the Access readers this engine keeps (open_files.h).
    friend ReaderPool& ReadersOf(DBEngine& engine) noexcept;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace dao
