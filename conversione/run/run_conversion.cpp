#include "run/run_conversion.h"

#include <iostream>
#include <optional>
#include <string>

#include "dbengine/exclusive_use.h"
#include "run/catalogue.h"
#include "run/copy_table_rows.h"
#include "run/file_checks.h"
#include "run/log_lines.h"
#include "winfs/error_numbers.h"
#include "winfs/runtime_error.h"

namespace conversione {
namespace {

constexpr const char* kCrLf = "\r\n";

void Inform(ConversionState& state, const std::string& text) {
    state.messageAnswer =
        state.view.ShowMessage(text, MessageButtons::Ok, MessageIcon::Information, MessageDefault::First);
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
void EndWith(ConversionState& state, const std::string& line) {
    state.view.AppendLog(line);
    state.view.EnableButtons();
}

// Every converter of the catalogue, in run order.
void ConvertAll(ConversionState& state) {
    for (const TableConverter& converter : ConvertersInRunOrder()) CopyTableRows(state, converter);
}

// The driver's handler: a missing file or table names the side being bound;
// any other error is reported with its number and the run ends.
// The operator reads the description only; the host detail goes to standard error.
std::string RunErrorLine(const ConversionState& state, const vb::RuntimeError& error) {
    if (!error.Detail().empty()) std::cerr << "Conversione: " << error.what() << '\n';
    const bool source = state.binding == BindingSide::Source;
    switch (error.Number()) {
    case dao::kFileNotFound: return source ? "FILE VANTORIMA 6 NON TROVATO !" : "FILE VANTORIMA 7 NON TROVATO !";
    case dao::kTableNotFound: return state.binding == BindingSide::Target ? "VERSIONE VANTORIMA 7 ERRATA !"
                                                            : "VERSIONE VANTORIMA 6 ERRATA !";
    default:
        return "PROCEDURA INTERROTTA Errore nr. " + std::to_string(error.Number()) + " - " + error.Description();
    }
}

// Returns normally at every end of the run; engine errors rise to RunConversion.
// targetUse holds the target from the emptying to the final line.
void Run(ConversionState& state, std::optional<dao::ExclusiveUse>& targetUse) {
    ConversionView& view = state.view;
    if (view.SourceFileName() == "Selezionare file di provenienza") {
        Inform(state, "Selezionare file di provenienza !");
        return;
    }
    if (view.TargetFileName() == "Selezionare file di destinazione") {
        Inform(state, "Selezionare file di destinazione !");
        return;
    }
    view.DisableButtons();

    view.AppendLog("Controllo File Vantorima 6");
    if (!NameEndsWith(view.SourceFileName(), "VANTORIMA6.MDB")) return EndWith(state, "File Vantorima 6 ERRATO");
    view.AppendLog("File Vantorima 6 CORRETTO");

    const std::string release = ReadSourceRelease(state);
    if (!IsExpectedRelease(release)) {
        Inform(state, ReleaseMessage(release));
        view.EnableButtons();
        return;
    }

    view.AppendLog("Controllo File Vantorima 7");
    // A target that is the source file under another name would empty the source.
    if (!NameEndsWith(view.TargetFileName(), "VANTORIMA7.MDB") || SameFile(view.SourceFileName(), view.TargetFileName()))
        return EndWith(state, "File Vantorima 7 ERRATO");
    view.AppendLog("File Vantorima 7 CORRETTO");

    view.AppendLog("Richiesta di Cancellazione dati tabelle ed esecuzione Conversione");
    state.messageAnswer = view.ShowMessage("Vuoi vuotare le tabelle in VANTORIMA 7 e procedere alla conversione ?",
                                           MessageButtons::YesNo, MessageIcon::Question, MessageDefault::Second);
    if (state.messageAnswer != vb::kAnswerYes) return EndWith(state, "Non vuotare tabelle e abbandonare Conversione");

    view.AppendLog("Cancellazione dati tabelle");
    // Another program with the target open (a second run, a backup) stops
    // the run here, before anything is emptied.
    targetUse.emplace(view.TargetFileName(), dao::ExclusiveUse::Storage::CheckOnly);
    EmptyTargetTables(state);
    ConvertAll(state);
    // Success is reported only once what the run wrote is on disk.
    state.engine.CommitAll();

    WriteFinalLine(state, state.tableErrorLines == 0 ? "PROCEDURA CONCLUSA CON SUCCESSO"
                                                      : "PROCEDURA CONCLUSA CON ERRORI");
    view.EnableButtons();
}

} // namespace

void RunConversion(ConversionState& state) {
    state.tableErrorLines = 0;
    state.binding = BindingSide::None;
    std::optional<dao::ExclusiveUse> targetUse;
    try {
        Run(state, targetUse);
    } catch (const vb::RuntimeError& error) {
        WriteFinalLine(state, RunErrorLine(state, error));
        state.view.EnableButtons();
    }
    // After a run that ended early, what it wrote is on disk too, not held in
    // a pending transaction while the program waits.
    try {
        state.engine.CommitAll();
    } catch (const vb::RuntimeError& error) {
        WriteFinalLine(state, RunErrorLine(state, error));
    }
}

} // namespace conversione
