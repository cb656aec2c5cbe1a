#pragma once
// Fixed texts of the print-layout window and of its printing. Every message
// box has the program's title (messages.h).

namespace utilita::print {

inline constexpr const char* kWindowCaption = "Impostazione Moduli Personalizzati";
inline constexpr const char* kDesignerTitle = "Impostazione modulo Fattura";
inline constexpr const char* kProgressTitle = "Printing invoice";
inline constexpr const char* kPrintOptionsText = "Configurazione parametri di stampa";
inline constexpr const char* kProgressText = "Stampa";

// What the window says when a command cannot go on. A path or a name follows
// the texts that end in " :" on the next line.
inline constexpr const char* kUnknownKind = "Tipo di documento non riconosciuto !";
inline constexpr const char* kPrintDatabaseMissing = "Archivio di stampa non trovato :";
inline constexpr const char* kPrintTableMissing = "Tabella mancante nell'archivio di stampa :";
inline constexpr const char* kPrintDatabaseError = "Errore nr. %1 sull'archivio di stampa :";
inline constexpr const char* kPrintDatabaseBusy = "Archivio di stampa in uso da un altro programma, riprovare :";
inline constexpr const char* kNoDocument = "Nessun documento da stampare !";
inline constexpr const char* kLayoutMissing = "Modulo di stampa non trovato :";
inline constexpr const char* kLayoutMissingHint = "Crearlo prima con Design.";
inline constexpr const char* kLayoutUnreadable = "Modulo di stampa non valido :";
inline constexpr const char* kLayoutNewer =
    "Modulo di stampa salvato da una versione più recente del programma :";
inline constexpr const char* kNotPrintedWhole = "Documento non stampato: il modulo non lo contiene intero.";
inline constexpr const char* kOutputFailed = "Impossibile completare la stampa su :";
inline constexpr const char* kPrinterTarget = "stampante predefinita";
inline constexpr const char* kPrintedToFile = "Documento stampato nel file :";
inline constexpr const char* kPrintedWithWarnings = "Stampato con avvisi: %1";

} // namespace utilita::print
