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

} // namespace utilita::compaction
