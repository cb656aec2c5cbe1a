#include "support/converter_harness.h"

#include <stdexcept>

#include "catalogue/catalogue.h"
#include "dbengine/data_control.h"
#include "dbengine/recordset.h"
#include "run/copy_table_rows.h"
#include "tools/schema_loader.h"
#include "winfs/paths.h"

namespace converter_testing {

bool NameLess::operator()(const std::string& a, const std::string& b) const {
    return winfs::FoldCase(a) < winfs::FoldCase(b);
}

const conversione::TableConverter& FindConverter(const std::string& name) {
    for (const conversione::TableConverter& converter : conversione::ConvertersInRunOrder())
        if (converter.name == name) return converter;
    ADD_FAILURE() << "no converter named " << name;
    throw std::out_of_range("no converter named " + name);
}

ConverterHarness::ConverterHarness()
    : source_(dir_.file("VANTORIMA6.MDB")), target_(dir_.file("vantorima7.mdb")) {
    schema::BuildVersion6(source_, false);
    schema::BuildVersion7(target_);
    view_.source = source_;
    view_.target = target_;
    session_ = std::make_unique<conversione::ConversionSession>(view_, engine_);
}

ConverterHarness::~ConverterHarness() {
    session_.reset();
}

void ConverterHarness::Execute(const std::string& file, const std::string& statement) {
    std::unique_ptr<dao::Database> database = engine_.OpenDatabase(file);
    database->Execute(statement);
    database->Close();
}

void ConverterHarness::Insert(const std::string& file, const std::string& table, const Row& values) {
    dao::DataControl control(engine_);
    control.SetDatabaseName(file);
    control.SetRecordSource(table);
    control.Refresh();
    dao::Recordset& rows = control.GetRecordset();
    rows.AddNew();
    for (const auto& [name, value] : values) rows.Fields(name).SetValue(value);
    rows.Update();
}

Rows ConverterHarness::Read(const std::string& file, const std::string& table) {
    engine_.CommitAll();
    dao::DataControl control(engine_);
    control.SetDatabaseName(file);
    control.SetRecordSource(table);
    control.Refresh();
    dao::Recordset& rows = control.GetRecordset();
    Rows result;
    if (rows.RecordCount() == 0) return result;
    for (rows.MoveFirst(); !rows.AtEOF(); rows.MoveNext()) {
        Row row;
        for (int i = 0; i < rows.Fields().Count(); ++i) row[rows.Fields(i).Name()] = rows.Fields(i).Value();
        result.push_back(std::move(row));
    }
    return result;
}

void ConverterHarness::ExecuteSource(const std::string& statement) { Execute(source_, statement); }
void ConverterHarness::ExecuteTarget(const std::string& statement) { Execute(target_, statement); }
void ConverterHarness::InsertSource(const std::string& table, const Row& values) { Insert(source_, table, values); }
void ConverterHarness::InsertTarget(const std::string& table, const Row& values) { Insert(target_, table, values); }
Rows ConverterHarness::ReadSource(const std::string& table) { return Read(source_, table); }
Rows ConverterHarness::ReadTarget(const std::string& table) { return Read(target_, table); }

Lines ConverterHarness::Run(const conversione::TableConverter& converter) {
    view_.log.clear();
    view_.selectedLine = -1;
    conversione::CopyTableRows(*session_, converter);
    engine_.CommitAll();
    return view_.log;
}

namespace {

::testing::AssertionResult LogIs(const testing_support::RecordingView& view, const std::string& expected) {
    if (view.log.size() != 1 || view.log[0] != expected) {
        auto failure = ::testing::AssertionFailure() << "expected the one line \"" << expected << "\", the log holds";
        for (const std::string& line : view.log) failure << " \"" << line << "\"";
        return failure;
    }
    if (view.selectedLine != 0) return ::testing::AssertionFailure() << "the last log line was not selected";
    return ::testing::AssertionSuccess();
}

} // namespace

::testing::AssertionResult ConverterHarness::EmptyLineIs(const conversione::TableConverter& converter,
                                                         const std::string& line) {
    Run(converter);
    return LogIs(view_, line);
}

::testing::AssertionResult ConverterHarness::CountLineIs(const conversione::TableConverter& converter,
                                                         const std::string& countPrefix) {
    const std::size_t rows = ReadSource(converter.sourceTable).size();
    Run(converter);
    return LogIs(view_, countPrefix + std::to_string(rows) + " voci");
}

::testing::AssertionResult ConverterHarness::ErrorLineIs(const conversione::TableConverter& converter,
                                                         const std::string& errorPrefix, int errorNumber) {
    Run(converter);
    return LogIs(view_, errorPrefix + std::to_string(errorNumber));
}

void ConverterHarness::PrimeDuplicateKeys(const conversione::TableConverter& converter) {
    Lines lines = Run(converter);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].rfind(converter.countPrefix, 0), 0u) << lines[0];
}

} // namespace converter_testing
