#pragma once
// What the fuzz entries share: a scratch drives folder for the whole process,
// the Qt application the windows and the report engine need, and the input
// cut into pieces.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// A temporary drives folder made on first use (drive C inside it) and set as
// VANTORIMA_DRIVES; removed when the process ends.
const std::filesystem::path& ScratchDrives();

// One QApplication on Qt's offscreen platform, made on first use.
void EnsureOffscreenApplication();

// Writes the bytes to the host file, making its folder.
void WriteFile(const std::filesystem::path& file, std::string_view bytes);

std::string_view AsText(const std::uint8_t* data, std::size_t size);

// The lines of text (LF or CR LF), at most maxLines of them, so that one
// input cannot run for ever.
std::vector<std::string> Lines(std::string_view text, std::size_t maxLines);

} // namespace fuzz
