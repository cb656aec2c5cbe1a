#pragma once
// Windows-style paths over the host file system.
//
// Drive letter X is the folder "x" inside the drives folder (VANTORIMA_DRIVES,
// by default $XDG_DATA_HOME/vantorima/drives or ~/.local/share/vantorima/drives).
// A path that starts with a single backslash lies on drive C. "\\server\share\rest"
// is unc/server/share/rest inside the drives folder. A POSIX absolute path passes
// unchanged. Each component that exists on disk is matched without regard to
// letter case (accented Latin letters included), as Windows does; components that
// do not exist keep the spelling given.
#include <filesystem>
#include <string>

namespace winfs {

// The drives folder in force (environment read at each call).
std::filesystem::path DrivesFolder();

// Maps a Windows or POSIX path to the host path. Never fails: a path that
// does not exist maps to where it would be.
std::filesystem::path Resolve(const std::string& windowsPath);

// The Windows form of an absolute host path inside the drives folder
// (C:\Vantorima6\X.MDB, \\server\share\...); any other path, a drive path
// among them, is returned unchanged.
std::string WindowsForm(const std::string& hostPath);

// A relative VANTORIMA_DRIVES is made absolute against the current folder, so
// that a later change of folder does not move the drives (called at start).
void MakeDrivesFolderAbsolute();

// Folds a name for comparison without regard to letter case: ASCII and the
// accented Latin-1 letters (UTF-8) map to lower case. Shared with the engine's
// table and field lookup.
std::string FoldCase(const std::string& utf8);

} // namespace winfs
