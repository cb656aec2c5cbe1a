#pragma once
// Internal: questions to the Access reader process (access_reader, beside the
// running program unless VANTORIMA_ACCESS_READER names it).
//
// A reader that answered without meeting damage is kept by the engine object
// that asked, for its next question on the same file (so that opening a table
// costs no process start), until the file changes, it has used half its CPU
// time or memory, more files are open than kept, or the engine object ends.
// Every answer is held to the reader's bounds: it dies, fails, talks
// nonsense, sends more than the file's size allows, outgrows its memory or
// sends no answer byte for the watchdog's time (VANTORIMA_ACCESS_READER_TIMEOUT
// seconds, default 20; warnings are no answer): 3343, the reader killed and
// reaped. Its warnings reach our standard error, bounded, with the file named.
#include <filesystem>
#include <memory>
#include <string>

namespace dao {

// The readers one engine object keeps, and the questions it asks them.
class ReaderPool {
public:
    ReaderPool();
    ~ReaderPool();
    ReaderPool(const ReaderPool&) = delete;
    ReaderPool& operator=(const ReaderPool&) = delete;

    // The stream of the file's catalog (dbengine/access/reader_stream.h).
    std::string AskCatalog(const std::filesystem::path& file);

    // The stream of a table of the file.
    std::string AskTable(const std::filesystem::path& file, const std::string& table);

private:
    std::string Ask(const std::filesystem::path& file, const std::string& request);

    class Kept;
    std::unique_ptr<Kept> kept_;
};

} // namespace dao
