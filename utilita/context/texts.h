#pragma once
// Texts that the windows of Utilita and the procedures below them share: the
// program's message title and the status line, idle and while an operation
// runs.

namespace utilita {

inline constexpr const char* kMessageTitle = "Linea Vantorima 7  - Utilità";

inline constexpr const char* kWaiting = "In attesa...";
inline constexpr const char* kPleaseWait = "Attendere prego...";

} // namespace utilita
