#include "run/run_conversion.h"

#include <iostream>
#include <memory>
#include <string>

#include "dbengine/exclusive_use.h"
#include "run/copy_table_rows.h"
#include "run/empty_target_tables.h"
#include "run/file_checks.h"
#include "run/log_lines.h"
#include "winfs/error_numbers.h"
#include "winfs/runtime_error.h"

namespace conversione {
namespace {

constexpr const char* kCrLf = "\r\n";

void Inform(ConversionView& view, const std::string& text) {
    view.ShowMessage(text, MessageButtons::Ok, MessageIcon::Information, MessageDefault::First);
}

std::string ReleaseMessage(const std::string& release) {
    std::string text;
    for (const std::string& line : {std::string("Trovata la versione di Vantorima 6: "), release, std::string(),
                                    std::string("E' necessario aggiornare Vantorima 6"),
                                    std::string("alla versione 6.0.13 prima di "),
                                    std::string("eseguire questo aggiornamento. ")})
        text += line + kCrLf;
    return text;
}

// Ends a run that stopped on a check: the line, then the buttons back.
void EndWith(ConversionView& view, const std::string& line) {
    view.AppendLog(line);
    view.EnableButtons();
}

// The checks on the two files and the operator's confirmation: false when the
// run ended at one of them. Engine errors rise to RunConversion.
bool ChecksPassed(ConversionSession& session) {
    ConversionView& view = session.view;
    if (view.SourceFileName() == "Selezionare file di provenienza") {
        Inform(view, "Selezionare file di provenienza !");
        return false;
    }
    if (view.TargetFileName() == "Selezionare file di destinazione") {
        Inform(view, "Selezionare file di destinazione !");
        return false;
    }
    view.DisableButtons();

    view.AppendLog("Controllo File Vantorima 6");
    if (!NameEndsWith(view.SourceFileName(), "VANTORIMA6.MDB")) {
        EndWith(view, "File Vantorima 6 ERRATO");
        return false;
    }
    view.AppendLog("File Vantorima 6 CORRETTO");

    const std::string release = ReadSourceRelease(session.bindings, view.SourceFileName());
    if (!IsExpectedRelease(release)) {
        Inform(view, ReleaseMessage(release));
        view.EnableButtons();
        return false;
    }

    view.AppendLog("Controllo File Vantorima 7");
    // A target that is the source file under another name would empty the source.
    if (!NameEndsWith(view.TargetFileName(), "VANTORIMA7.MDB") ||
        SameFile(view.SourceFileName(), view.TargetFileName())) {
        EndWith(view, "File Vantorima 7 ERRATO");
        return false;
    }
    view.AppendLog("File Vantorima 7 CORRETTO");

    view.AppendLog("Richiesta di Cancellazione dati tabelle ed esecuzione Conversione");
    const MessageAnswer answer =
        view.ShowMessage("Vuoi vuotare le tabelle in VANTORIMA 7 e procedere alla conversione ?", MessageButtons::YesNo,
                         MessageIcon::Question, MessageDefault::Second);
    if (answer != MessageAnswer::Yes) {
        EndWith(view, "Non vuotare tabelle e abbandonare Conversione");
        return false;
    }
    return true;
}

// Another program with the target open (a second run, a backup) stops the
// run here, before anything is emptied.
std::unique_ptr<dao::ExclusiveUse> TakeTarget(ConversionSession& session) {
    session.view.AppendLog("Cancellazione dati tabelle");
    return std::make_unique<dao::ExclusiveUse>(session.engine, session.view.TargetFileName(),
                                               dao::ExclusiveUse::Storage::CheckOnly);
}

// Every converter given, in the order given.
void ConvertAll(ConversionSession& session, const std::vector<TableConverter>& converters) {
    for (const TableConverter& converter : converters) CopyTableRows(session, converter);
}

// The driver's handler: a missing file or table names the side being bound;
// any other error is reported with its number and the run ends.
// The operator reads the description only; the host detail goes to standard error.
std::string RunErrorLine(const DataBindings& bindings, const vb::RuntimeError& error) {
    if (!error.Detail().empty()) std::cerr << "Conversione: " << error.what() << '\n';
    const bool source = bindings.Side() == BindingSide::Source;
    switch (error.Number()) {
    case dao::kFileNotFound: return source ? "FILE VANTORIMA 6 NON TROVATO !" : "FILE VANTORIMA 7 NON TROVATO !";
    case dao::kTableNotFound: return bindings.Side() == BindingSide::Target ? "VERSIONE VANTORIMA 7 ERRATA !"
                                                                             : "VERSIONE VANTORIMA 6 ERRATA !";
    default:
        return "PROCEDURA INTERROTTA Errore nr. " + std::to_string(error.Number()) + " - " + error.Description();
    }
}

// The one commit of every end of a run, so that nothing the run wrote is held
// in a pending transaction while the program waits. False, with its line in
// the log, when it fails.
bool CommitWhatTheRunWrote(ConversionSession& session) {
    try {
        session.engine.CommitAll();
        return true;
    } catch (const vb::RuntimeError& error) {
        WriteFinalLine(session.view, RunErrorLine(session.bindings, error));
        return false;
    }
}

} // namespace

void RunConversion(ConversionSession& session, const std::vector<TableConverter>& converters) {
    RunConversion(session, [&converters]() -> const std::vector<TableConverter>& { return converters; });
}

void RunConversion(ConversionSession& session,
                   const std::function<const std::vector<TableConverter>&()>& converters) {
    ConversionView& view = session.view;
    session.counts.tableErrorLines = 0;
    session.bindings.ForgetSide();
    std::unique_ptr<dao::ExclusiveUse> targetUse;   // held from the emptying to the last line
    bool converted = false;
    try {
        const std::vector<TableConverter>& built = converters();
        if (ChecksPassed(session)) {
            targetUse = TakeTarget(session);
            EmptyTargetTables(session);
            ConvertAll(session, built);
            converted = true;
        }
    } catch (const vb::RuntimeError& error) {
        WriteFinalLine(view, RunErrorLine(session.bindings, error));
        view.EnableButtons();
    }
    const bool committed = CommitWhatTheRunWrote(session);
    if (!converted) return;
    // Success is reported only once what the run wrote is on disk.
    if (committed)
        WriteFinalLine(view, session.counts.tableErrorLines == 0 ? "PROCEDURA CONCLUSA CON SUCCESSO"
                                                                 : "PROCEDURA CONCLUSA CON ERRORI");
    view.EnableButtons();
}

} // namespace conversione
