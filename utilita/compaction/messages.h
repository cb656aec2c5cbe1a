#pragma once
// Texts of the compaction window.

namespace utilita::compaction {

inline constexpr const char* kWindowCaption = "Recupera e Compatta files di archivio";

inline constexpr const char* kFinished = "Procedura terminata !";
inline constexpr const char* kFinishedTitle = "Conferma";

// The report of a step that failed: what stopped, the error, where the data is.
inline constexpr const char* kStopped = "Procedura interrotta !";
inline constexpr const char* kFailedStep = "Passo non riuscito: ";
inline constexpr const char* kErrorNumber = "Errore nr. ";
inline constexpr const char* kDatabasesUntouched = "Gli archivi non sono stati modificati.";
inline constexpr const char* kDataOf = "I dati di ";
inline constexpr const char* kAreIn = " sono in ";
// A copy of an earlier run in the way, named between these two.
inline constexpr const char* kLeftCopy = "Il file ";
inline constexpr const char* kLeftCopyMustGo =
    ", rimasto da una compattazione non conclusa, va spostato in un'altra cartella o eliminato prima di ripetere "
    "la compattazione.";

} // namespace utilita::compaction
