// The configuration file "C:\VanRete7.dat" and the user file
// "C:\VanRete7Ute.dat" as the two programs read them when they start:
// Utilita's start-up checks, then Conversione's window start-up.
#include "fuzz_entries.h"
#include "fuzz_scratch.h"

#include "app/main_window.h"
#include "context/app_context.h"
#include "menu/startup.h"
#include "support/scripted_message_boxes.h"

namespace fuzz {

namespace fs = std::filesystem;

namespace {

// An archive folder with its marker, for a configuration that names it.
void LayOutArchive(const fs::path& drives) {
    WriteFile(drives / "c" / "archivi" / "VanReteAB.dat", "");
    WriteFile(drives / "c" / "Vantorima7" / "VanReteAB.dat", "");
}

void StartUtilita() {
    utilita::AppContext context;
    context.printerQuery = [] { return true; };
    (void)utilita::RunStartup(context, nullptr, nullptr);
}

void StartConversione() {
    MainWindow window(dao::DBEngine::Instance());
    (void)window.Start();
}

} // namespace

int FuzzConfig(const std::uint8_t* data, std::size_t size) {
    EnsureOffscreenApplication();
    static const fs::path drives = [] {
        LayOutArchive(ScratchDrives());
        return ScratchDrives();
    }();
    const std::string_view text = AsText(data, size);
    const std::size_t cut = text.find('\0');
    WriteFile(drives / "c" / "VanRete7.dat", text.substr(0, cut));
    WriteFile(drives / "c" / "VanRete7Ute.dat", cut == std::string_view::npos ? "" : text.substr(cut + 1));
    ui::ScriptedMessageBoxes boxes;
    StartUtilita();
    StartConversione();
    return 0;
}

} // namespace fuzz
