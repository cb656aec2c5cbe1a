#pragma once
// Fixed file names, window titles and message texts of Utilita's menu (the
// program's message title is in context/texts.h).

namespace utilita {

inline constexpr const char* kConfigurationFile = "C:\\VanRete7.dat";
inline constexpr const char* kUserFile = "C:\\VanRete7Ute.dat";
inline constexpr const char* kServerMarkerName = "\\VanReteAB.dat";

// Title of the main application's window, looked for before touching its files.
inline constexpr const char* kMainApplicationTitle = "Vantorima7";

inline constexpr const char* kRightsTitle = "Attenzione";

inline constexpr const char* kDefaultUser = "AMMINISTRATORE";
inline constexpr const char* kActiveUserPrefix = "Utente attivo : ";

inline constexpr const char* kAlreadyRunning = "Utilità Vantorima 7 è già in esecuzione !";
inline constexpr const char* kNoPrinter = "Nessuna stampante presente nel sistema !";
inline constexpr const char* kArchivePathMissing = "E' necessario impostare Percorso degli Archivi !";
inline constexpr const char* kUserNotEnabled = "Utente non abilitato !";
inline constexpr const char* kMainApplicationOpen = "Rilevata Vantorima 7 aperto...chiuderlo e riprovare !";
inline constexpr const char* kConfirmExit = "Confermi l'abbandono dell'applicazione ?";

} // namespace utilita
