// mkdemo <drivesFolder>: lays out the demo archive under a drives folder.
//
// Drive C gets the configuration file (first line: the archive folder
// "C:\Vantorima7") and the user file, unless they are already there; the
// archive folder gets its marker file and fresh demo databases (main, second
// and print database), and C:\Vantorima6 a version-6 database of demo rows.
// The four databases are rebuilt on every call; nothing else is replaced.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/schema_loader.h"
#include "winfs/files.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"

namespace fs = std::filesystem;

namespace {

void WriteIfMissing(const std::string& windowsPath, const std::string& content) {
    const fs::path file = winfs::Resolve(windowsPath);
    if (fs::exists(file)) {
        std::cout << "  kept     " << windowsPath << "\n";
        return;
    }
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
    std::cout << "  written  " << windowsPath << "\n";
}

template <typename Build>
void Rebuild(const std::string& windowsPath, Build build) {
    const fs::path file = winfs::Resolve(windowsPath);
    fs::create_directories(file.parent_path());
    fs::remove(file);
    build(file.string());
    std::cout << "  built    " << windowsPath << "\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: mkdemo <drivesFolder>\n";
        return 2;
    }
    try {
        fs::create_directories(argv[1]);
        setenv("VANTORIMA_DRIVES", fs::absolute(argv[1]).c_str(), 1);
        std::cout << "demo archive in " << winfs::DrivesFolder().string() << "\n";

        // The demo folders are spelled in lower case on disk; the paths match them regardless.
        for (const char* folder : {"vantorima7", "vantorima6"})
            if (!fs::exists(winfs::Resolve(std::string("C:\\") + folder)))
                fs::create_directories(winfs::DrivesFolder() / "c" / folder);
        WriteIfMissing("C:\\VanRete7.dat", "C:\\Vantorima7\r\n");
        WriteIfMissing("C:\\VanRete7Ute.dat", "\"MARIO ROSSI\",\"Amministrazione\",\"0001\",\"N\"\r\n");

        // The archive folder is whatever the configuration file names.
        const std::string archive = winfs::ReadFirstLine("C:\\VanRete7.dat").text;
        WriteIfMissing(archive + "\\VanReteAB.dat", "");
        Rebuild(archive + "\\vantorima7.mdb", [](const std::string& f) { schema::BuildVersion7(f); });
        Rebuild(archive + "\\vantorima7a.mdb", [](const std::string& f) { schema::BuildVersion7(f); });
        Rebuild(archive + "\\vantorima7LL.mdb", [](const std::string& f) { schema::BuildPrintDatabase(f, true); });
        Rebuild("C:\\Vantorima6\\VANTORIMA6.MDB", [](const std::string& f) { schema::BuildVersion6(f, true); });
    } catch (const vb::RuntimeError& error) {
        std::cerr << "mkdemo: errore " << error.Number() << ": " << error.Description() << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "mkdemo: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
