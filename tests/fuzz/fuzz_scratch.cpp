#include "fuzz_scratch.h"

#include <cstdlib>
#include <fstream>

#include <QApplication>
#include <unistd.h>

namespace fuzz {

namespace fs = std::filesystem;

namespace {

fs::path* scratch = nullptr;

void RemoveScratch() {
    std::error_code ec;
    if (scratch) fs::remove_all(*scratch, ec);
}

} // namespace

const fs::path& ScratchDrives() {
    if (!scratch) {
        std::string pattern = (fs::temp_directory_path() / "vfuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        scratch = new fs::path(pattern);
        fs::create_directories(*scratch / "c");
        ::setenv("VANTORIMA_DRIVES", scratch->c_str(), 1);
        std::atexit(RemoveScratch);
    }
    return *scratch;
}

void EnsureOffscreenApplication() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);   // kept to the end of the process
}

void WriteFile(const fs::path& file, std::string_view bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

std::vector<std::string> Lines(std::string_view text, std::size_t maxLines) {
    std::vector<std::string> lines;
    while (!text.empty() && lines.size() < maxLines) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

} // namespace fuzz
