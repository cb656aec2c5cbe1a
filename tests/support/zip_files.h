#pragma once
// Files for the zip component's tests: a drives folder of the test's own,
// database stand-ins of known content, hand-made archives and a drive whose
// media the test changes.
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace zip_testing {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& file);
void WriteBytes(const fs::path& file, const std::string& bytes);
// Bytes that do not compress (so archive sizes are predictable), with a
// readable marker in the middle.
std::string DatabaseBytes(std::size_t size, unsigned seed);

// A zip made directly with libzip: entries stored (not deflated) so that
// their bytes can be found and spoiled in the file.
void MakeStoredZip(const fs::path& file, const std::vector<std::pair<std::string, std::string>>& entries);

// Flips one byte at the first place `marker` occurs in the file.
void SpoilAt(const fs::path& file, const std::string& marker);

// The names in a folder, sorted.
std::vector<std::string> Listing(const fs::path& folder);

// VANTORIMA_DRIVES set to a fresh folder with drives a and c.
class DrivesTest : public ::testing::Test {
protected:
    DrivesTest();
    ~DrivesTest() override;
    fs::path Drive(char letter) const { return temp_.path() / std::string(1, letter); }
    const fs::path& Root() const { return temp_.path(); }

private:
    testing_support::TempDir temp_;
    std::optional<std::string> previous_;
};

// A drive whose medium is its folder: changing the medium moves what the
// folder holds onto a shelf, under the number of the disk it was, and puts
// another disk's content (or nothing) in its place.
class SwappableDrive {
public:
    SwappableDrive(fs::path medium, fs::path shelf) : medium_(std::move(medium)), shelf_(std::move(shelf)) {}

    // Backup: the disk in the drive is full; a blank one goes in as `disk`.
    void InsertBlank(int disk);
    // Restore: disk `disk` goes back in.
    void Insert(int disk);
    // The disk in the drive is put on the shelf (the drive is left empty).
    void Shelve();
    fs::path DiskFile(int disk, const std::string& name) const;

    int current = 1;
    std::vector<int> requests;

private:
    void Empty();
    fs::path medium_;
    fs::path shelf_;
};

} // namespace zip_testing
