#pragma once
// While the database engine waits on its Access reader, the program's windows
// keep painting under the hourglass; clicks and keys wait, as during any
// operation, until it is over.

namespace ui {

// Once, after the application object is made.
void PaintWindowsWhileTheEngineWaits();

} // namespace ui
