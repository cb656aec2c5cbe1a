#include "demo_archive.h"

#include <fstream>
#include <sstream>

#include "catalogue/catalogue.h"
#include "dbengine/data_control.h"
#include "dbengine/recordset.h"
#include "run/run_conversion.h"
#include "tools/schema_loader.h"

namespace run_testing {

FileStamp StampOf(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return {bytes.str(), std::filesystem::last_write_time(file)};
}

DemoArchive::DemoArchive(bool demoRows) : source(dir.file("VANTORIMA6.MDB")), target(dir.file("vantorima7.mdb")) {
    schema::BuildVersion6(source, demoRows);
    schema::BuildVersion7(target);
    view.source = source;
    view.target = target;
    view.answers.clear();
    session = std::make_unique<conversione::ConversionSession>(view, engine);
}

void DemoArchive::Run() {
    view.log.clear();
    view.selectedLine = -1;
    view.answers.push_back(conversione::MessageAnswer::Yes);   // to the emptying question
    conversione::RunConversion(*session, conversione::ConvertersInRunOrder());
    view.answers.clear();
}

void DemoArchive::ExecuteSource(const std::string& statement) {
    engine.OpenDatabase(source)->Execute(statement);
}

void DemoArchive::ExecuteTarget(const std::string& statement) {
    engine.OpenDatabase(target)->Execute(statement);
}

int DemoArchive::CountRows(const std::string& file, const std::string& table) {
    engine.CommitAll();
    dao::DataControl control(engine);
    control.SetDatabaseName(file);
    control.SetRecordSource(table);
    control.Refresh();
    dao::Recordset& rows = control.GetRecordset();
    if (rows.RecordCount() == 0) return 0;
    rows.MoveLast();
    return rows.RecordCount();
}

std::vector<std::string> OpeningLines() {
    return {
        "Controllo File Vantorima 6",
        "File Vantorima 6 CORRETTO",
        "Controllo File Vantorima 7",
        "File Vantorima 7 CORRETTO",
        "Richiesta di Cancellazione dati tabelle ed esecuzione Conversione",
        "Cancellazione dati tabelle",
        "Cancellazione dati tabelle di Vantorima 7",
        "Dati tabelle di Vantorima 7 cancellati",
    };
}

} // namespace run_testing
