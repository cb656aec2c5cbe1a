// The Access reader: opens one Access file through libmdb, in a process of
// its own so that a damaged file can only end this process, and answers the
// engine's questions about it (dbengine/access/reader_stream.h) until the engine
// closes descriptor 3 or an answer met damage.   Usage: access_reader <file>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "dbengine/access/reader_stream.h"
#include "mdb_stream.h"
#include "reader_limits.h"

namespace {

namespace wire = dao::reader_stream;

// False at the end of the questions (or a broken one).
bool ReadExactly(void* into, std::size_t size) {
    auto* bytes = static_cast<char*>(into);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = read(wire::kRequestFd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

struct Question {
    char kind = 0;
    std::string table;
};

// False at the end of the questions (or at one that makes no sense).
bool ReadQuestion(Question& question) {
    if (!ReadExactly(&question.kind, 1)) return false;
    if (question.kind == wire::kAskCatalog) return true;
    std::uint32_t size = 0;
    if (question.kind != wire::kAskTable || !ReadExactly(&size, sizeof size) || size > wire::kLongestTableName) return false;
    question.table.assign(size, '\0');
    return ReadExactly(question.table.data(), size);
}

void WriteAnswer(access_reader::AccessSource& source, const Question& question, access_reader::StreamOut& out) {
    if (question.kind == wire::kAskCatalog) source.WriteCatalog(out);
    else source.WriteTable(question.table, out);
    out.EndAnswer(source.MetDamage());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return EXIT_FAILURE;
    const std::string path = argv[1];
    std::error_code ec;
    access_reader::LimitThisProcess(std::filesystem::file_size(path, ec));
    access_reader::AccessSource source(path);
    // libmdb prints to standard output on some damage: that goes to standard
    // error, and the answers keep a descriptor of their own.
    const int answers = dup(STDOUT_FILENO);
    if (answers < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) return EXIT_FAILURE;
    access_reader::StreamOut out(answers);
    Question question;
    // Damage met may have left libmdb's state unsound: the answer that met it is the last.
    while (!source.MetDamage() && ReadQuestion(question)) WriteAnswer(source, question, out);
    return EXIT_SUCCESS;
}
