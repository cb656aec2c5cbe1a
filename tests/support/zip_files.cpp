#include "support/zip_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

#include <zip.h>

namespace zip_testing {

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

std::string DatabaseBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    const std::string marker = "--database marker--";
    if (size > marker.size()) bytes.replace(size / 2, marker.size(), marker);
    return bytes;
}

void MakeStoredZip(const fs::path& file, const std::vector<std::pair<std::string, std::string>>& entries) {
    int code = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(archive, nullptr) << "libzip error " << code;
    for (const auto& [name, content] : entries) {
        zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
        const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
        ASSERT_GE(index, 0);
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    ASSERT_EQ(zip_close(archive), 0);
}

void SpoilAt(const fs::path& file, const std::string& marker) {
    std::string bytes = ReadBytes(file);
    const std::size_t at = bytes.find(marker);
    ASSERT_NE(at, std::string::npos);
    bytes[at] = static_cast<char>(bytes[at] ^ 0x20);
    WriteBytes(file, bytes);
}

std::vector<std::string> Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

DrivesTest::DrivesTest() {
    if (const char* old = std::getenv("VANTORIMA_DRIVES")) previous_ = old;
    ::setenv("VANTORIMA_DRIVES", temp_.path().c_str(), 1);
    fs::create_directories(Drive('a'));
    fs::create_directories(Drive('c'));
}

DrivesTest::~DrivesTest() {
    if (previous_) ::setenv("VANTORIMA_DRIVES", previous_->c_str(), 1);
    else ::unsetenv("VANTORIMA_DRIVES");
}

void SwappableDrive::Empty() {
    for (const auto& entry : fs::directory_iterator(medium_)) fs::remove_all(entry.path());
}

void SwappableDrive::Shelve() {
    const fs::path place = shelf_ / std::to_string(current);
    fs::remove_all(place);
    fs::create_directories(place);
    for (const auto& entry : fs::directory_iterator(medium_)) fs::rename(entry.path(), place / entry.path().filename());
}

void SwappableDrive::InsertBlank(int disk) {
    requests.push_back(disk);
    Shelve();
    current = disk;
}

void SwappableDrive::Insert(int disk) {
    requests.push_back(disk);
    Shelve();
    Empty();
    const fs::path place = shelf_ / std::to_string(disk);
    if (fs::exists(place))
        for (const auto& entry : fs::directory_iterator(place)) fs::rename(entry.path(), medium_ / entry.path().filename());
    current = disk;
}

fs::path SwappableDrive::DiskFile(int disk, const std::string& name) const {
    return disk == current ? medium_ / name : shelf_ / std::to_string(disk) / name;
}

} // namespace zip_testing
