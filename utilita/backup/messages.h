#pragma once
// Texts and fixed names of the backup and restore window.

namespace utilita::backup {

inline constexpr const char* kWindowCaption = "Copia di sicurezza e Ripristino archivi";

inline constexpr const char* kBackupPrompt = "Effettua la copia nel drive";
inline constexpr const char* kRestorePrompt = "Ripristino archivi dal drive";
inline constexpr const char* kBackupHeading = "Copia di sicurezza";
inline constexpr const char* kRestoreHeading = "Ripristino degli";

inline constexpr const char* kInsertDiskInDrive = "Inserire disco nel drive ";
inline constexpr const char* kInsertDiskNumber = "Inserire disco numero ";
inline constexpr const char* kCopyFailed = "Copia non effettuata correttamente. Errore numero ";
inline constexpr const char* kCopyDone = "Copia effettuata. Adesso effettuo test sul file ZIP !";
inline constexpr const char* kTestDone = "Test sul file ZIP terminato con successo !";
inline constexpr const char* kTestFailed = "Test non effettuato correttamente. Errore numero ";
inline constexpr const char* kRestoreFailed = "Ripristino non effettuato correttamente. Errore numero ";
// Added to kCopyFailed when the failed copy had already written over the previous archive.
inline constexpr const char* kPreviousOverwritten = "\r\nLa copia precedente su questo disco è stata sovrascritta.";
inline constexpr const char* kRestoreDone = "Ripristino effettuato con successo!";

// The database backed up, as a path under the archive folder and as the
// archive's entry.
inline constexpr const char* kDatabasePath = "\\vantorima7.mdb";
inline constexpr const char* kDatabaseEntry = "vantorima7.mdb";

} // namespace utilita::backup
