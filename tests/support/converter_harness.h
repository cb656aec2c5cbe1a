#pragma once
// A small harness for converter tests.
//
// Each ConverterHarness lays out a temporary archive with a version-6 database
// "VANTORIMA6.MDB" (tables only, no demo rows) and a version-7 database
// "vantorima7.mdb" (tables and its configurazione row), both built from the
// scripts in schema/. A test fills source rows, runs one converter through
// CopyTableRows with a RecordingView, and reads back what the converter wrote.
//
//   converter_testing::ConverterHarness h;
//   h.ExecuteSource("INSERT INTO [taunita] ([descrizione], [commento]) VALUES ('PZ', 'Pezzi')");
//   const auto& units = converter_testing::FindConverter("ConvertUnits");
//   EXPECT_EQ(h.Run(units), (Lines{"TABELLA UNITA' convertite 1 voci"}));
//   auto rows = h.ReadTarget("taunita");          // rows[0]["descrizione"] == dao::Variant("PZ")
//
// Checks of the three log lines (each runs the converter once on a fresh log
// and compares the whole log byte for byte, and that its last line is selected):
//   EXPECT_TRUE(h.EmptyLineIs(units, "TABELLA UNITA' nessuna voce presente"));   // source left empty
//   EXPECT_TRUE(h.CountLineIs(units, "TABELLA UNITA' convertite "));   // prefix + source row count + " voci"
//   EXPECT_TRUE(h.ErrorLineIs(units, "TABELLA UNITA' Errore nr. ", 3022));
// For the error path, arrange a refused save first, e.g. PrimeDuplicateKeys(c):
// it runs the converter once so that a second run meets the same keys again
// (works where the target has a unique index over copied fields), or insert a
// clashing target row, or leave a required field Null.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "dbengine/engine.h"
#include "dbengine/variant.h"
#include "run/conversion_session.h"
#include "run/table_converter.h"
#include "support/recording_view.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace converter_testing {

using Lines = std::vector<std::string>;

// Field names compare without regard to letter case, as the engine does.
struct NameLess {
    bool operator()(const std::string& a, const std::string& b) const;
};
using Row = std::map<std::string, dao::Variant, NameLess>;
using Rows = std::vector<Row>;

// A converter of the catalogue by name ("ConvertUnits"); fails the test (and
// throws) when no group provides it.
const conversione::TableConverter& FindConverter(const std::string& name);

class ConverterHarness {
public:
    ConverterHarness();
    ~ConverterHarness();
    ConverterHarness(const ConverterHarness&) = delete;
    ConverterHarness& operator=(const ConverterHarness&) = delete;

    const std::string& SourceFile() const { return source_; }   // .../VANTORIMA6.MDB
    const std::string& TargetFile() const { return target_; }   // .../vantorima7.mdb
    const testing_support::TempDir& Folder() const { return dir_; }

    // Runs one engine statement (INSERT INTO ..., Delete * from [t], ...) on a database.
    void ExecuteSource(const std::string& statement);
    void ExecuteTarget(const std::string& statement);

    // Adds one row through a recordset (values converted by the field types).
    void InsertSource(const std::string& table, const Row& values);
    void InsertTarget(const std::string& table, const Row& values);

    // Every row of a table, in storage order, each field by name.
    Rows ReadSource(const std::string& table);
    Rows ReadTarget(const std::string& table);

    // Runs the converter once through CopyTableRows on a cleared log and
    // returns the log lines it wrote. Engine errors outside the guarded save
    // rise (vb::RuntimeError), as they do in a run.
    Lines Run(const conversione::TableConverter& converter);

    // The three log lines, byte for byte; each also checks the last line is selected.
    ::testing::AssertionResult EmptyLineIs(const conversione::TableConverter& converter, const std::string& line);
    ::testing::AssertionResult CountLineIs(const conversione::TableConverter& converter,
                                           const std::string& countPrefix);
    ::testing::AssertionResult ErrorLineIs(const conversione::TableConverter& converter,
                                           const std::string& errorPrefix, int errorNumber);

    // Runs the converter once (it must end with its count line), so that a
    // second run meets the keys it wrote.
    void PrimeDuplicateKeys(const conversione::TableConverter& converter);

    testing_support::RecordingView& View() { return view_; }
    conversione::ConversionSession& Session() { return *session_; }
    dao::DBEngine& Engine() { return engine_; }

private:
    void Execute(const std::string& file, const std::string& statement);
    void Insert(const std::string& file, const std::string& table, const Row& values);
    Rows Read(const std::string& file, const std::string& table);

    testing_support::TempDir dir_;
    std::string source_;
    std::string target_;
    dao::DBEngine engine_;
    testing_support::RecordingView view_;
    std::unique_ptr<conversione::ConversionSession> session_;
};

} // namespace converter_testing
