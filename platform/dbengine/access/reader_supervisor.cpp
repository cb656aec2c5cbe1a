#include "dbengine/access/reader_supervisor.h"

#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <list>
#include <memory>
#include <mutex>

#include "dbengine/access/reader_bounds.h"
#include "dbengine/access/reader_launch.h"
#include "dbengine/access/reader_stream.h"
#include "dbengine/access/reader_warnings.h"
#include "dbengine/values/errors.h"
#include "dbengine/access/waiting.h"

namespace dao {

namespace {

using Clock = std::chrono::steady_clock;
using namespace access_reader;

constexpr char kReaderVariable[] = "VANTORIMA_ACCESS_READER";
constexpr char kTimeoutVariable[] = "VANTORIMA_ACCESS_READER_TIMEOUT";
constexpr char kReaderName[] = "access_reader";
constexpr std::chrono::milliseconds kMemoryCheckEvery{100};
constexpr std::size_t kReadersKept = 4;
// Of the warnings still in the pipe once the answer is whole (a pipe holds 64 KiB).
constexpr std::size_t kWarningsDrained = 1024 * 1024;

std::filesystem::path ReaderExecutable() {
    if (const char* named = std::getenv(kReaderVariable); named && *named) return named;
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec).parent_path() / kReaderName;
}

// The watchdog's seconds from the environment: a number above 0 and up to a
// day, or the default.
std::chrono::milliseconds SilenceBound() {
    constexpr double kLongest = 24 * 60 * 60;
    if (const char* text = std::getenv(kTimeoutVariable); text && *text) {
        char* end = nullptr;
        const double seconds = std::strtod(text, &end);
        if (*end == '\0' && std::isfinite(seconds) && seconds > 0 && seconds <= kLongest)
            return std::chrono::milliseconds(static_cast<long long>(std::ceil(seconds * 1000)));
    }
    return kSilenceBound;
}

// What tells a file from the one it replaced.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    timespec modified{};
    bool operator==(const FileStamp& o) const {
        return device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec &&
               modified.tv_nsec == o.modified.tv_nsec;
    }
};

FileStamp StampOf(const std::string& file) {
    FileStamp stamp;
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0) stamp = {st.st_dev, st.st_ino, st.st_size, st.st_mtim};
    return stamp;
}

struct Reader {
    std::string executable, file;
    FileStamp stamp;
    std::unique_ptr<ReaderChild> child;
};

} // namespace

// Readers that answered well, the last used first.
class ReaderPool::Kept {
public:
    // A kept reader of the file, still fit to answer; or a new one.
    std::unique_ptr<Reader> Take(const std::string& executable, const std::string& file, std::uint64_t fileSize) {
        const FileStamp stamp = StampOf(file);
        {
            std::lock_guard lock(mutex_);
            for (auto it = kept_.begin(); it != kept_.end(); ++it) {
                if ((*it)->executable != executable || (*it)->file != file || !(*it)->child->Mine()) continue;
                std::unique_ptr<Reader> reader = std::move(*it);
                kept_.erase(it);
                if (reader->stamp == stamp && Fit(*reader->child, fileSize)) return reader;
                break;
            }
        }
        return std::make_unique<Reader>(Reader{executable, file, stamp, std::make_unique<ReaderChild>(executable, file)});
    }
    void Keep(std::unique_ptr<Reader> reader) {
        std::lock_guard lock(mutex_);
        kept_.push_front(std::move(reader));
        if (kept_.size() > kReadersKept) kept_.pop_back();
    }

private:
    static bool Fit(ReaderChild& child, std::uint64_t fileSize) {
        return !child.Ended() && child.CpuSeconds() < static_cast<double>(CpuSecondsBound(fileSize)) / 2 &&
               child.ResidentBytes() < ResidentBound(fileSize) / 2;
    }
    std::mutex mutex_;
    std::list<std::unique_ptr<Reader>> kept_;
};

namespace {

// Joins the chunks of one answer as they come (see reader_stream.h).
class Answer {
public:
    // False until the closing chunk has come.
    bool Take(const char* bytes, std::size_t size) {
        for (std::size_t used; size > 0; bytes += used, size -= used) {
            if (headerFill_ < sizeof header_) {
                used = std::min(size, sizeof header_ - headerFill_);
                std::memcpy(header_ + headerFill_, bytes, used);
                if ((headerFill_ += used) < sizeof header_) continue;
                std::memcpy(&left_, header_, sizeof left_);
                if (left_ == 0 || left_ == reader_stream::kLastAnswer) {
                    last_ = left_ != 0;
                    done_ = size == used;
                    if (!done_) throw reader_stream::ProtocolError("bytes after the answer");
                    return true;
                }
                continue;
            }
            used = std::min<std::size_t>(size, left_);
            stream.append(bytes, used);
            if ((left_ -= static_cast<std::uint32_t>(used)) == 0) headerFill_ = 0;
        }
        return done_;
    }
    bool done() const noexcept { return done_; }
    // The reader ends after this answer.
    bool last() const noexcept { return last_; }
    std::string stream;

private:
    char header_[4] = {};
    std::size_t headerFill_ = 0;
    std::uint32_t left_ = 0;
    bool done_ = false;
    bool last_ = false;
};

// Reads the answer, holding the reader to its bounds; false when the reader
// closed its output before the answer's end.
bool Collect(ReaderChild& child, std::uint64_t fileSize, const std::string& file, Answer& answer,
             ReaderWarnings& warnings) {
    const auto silence = SilenceBound();
    auto lastHeard = Clock::now(), lastMemoryCheck = Clock::now();
    Waiting waiting;
    const std::chrono::milliseconds tick(Waiting::kTickMilliseconds);
    pollfd fds[2] = {{child.out(), POLLIN, 0}, {child.err(), POLLIN, 0}};
    char buffer[65536];
    while (!answer.done()) {
        if (fds[0].fd < 0) return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(lastHeard + silence - Clock::now());
        if (left.count() <= 0) Raise(kNotADatabase, file + ": the Access reader sent no answer within the watchdog");
        waiting.Tick();
        if (::poll(fds, 2, static_cast<int>(std::min({left, kMemoryCheckEvery, tick}).count()) + 1) < 0 && errno != EINTR)
            Raise(kNotADatabase, file + ": poll on the Access reader failed");
        for (pollfd& p : fds) {
            if (p.fd < 0 || !(p.revents & (POLLIN | POLLHUP | POLLERR))) continue;
            const ssize_t n = ::read(p.fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                p.fd = -1;
                continue;
            }
            // Only answers are progress: a reader that warns page after page
            // of a damaged file but answers nothing is silent all the same.
            if (p.fd == child.out()) {
                lastHeard = Clock::now();
                answer.Take(buffer, static_cast<std::size_t>(n));
            } else {
                warnings.Feed(std::string_view(buffer, static_cast<std::size_t>(n)));
            }
        }
        if (answer.stream.size() > StreamBound(fileSize))
            Raise(kNotADatabase, file + ": the Access reader wrote past its bound");
        if (Clock::now() - lastMemoryCheck >= kMemoryCheckEvery) {
            lastMemoryCheck = Clock::now();
            if (child.ResidentBytes() > ResidentBound(fileSize))
                Raise(kNotADatabase, file + ": the Access reader outgrew its memory bound");
        }
    }
    // What it warned of while answering is on its way too; a reader still
    // warning after its answer is not waited for (it is not kept).
    for (std::size_t drained = 0; drained < kWarningsDrained && ::poll(fds + 1, fds[1].fd < 0 ? 0 : 1, 0) > 0;) {
        const ssize_t n = ::read(fds[1].fd, buffer, sizeof buffer);
        if (n <= 0) break;
        warnings.Feed(std::string_view(buffer, static_cast<std::size_t>(n)));
        drained += static_cast<std::size_t>(n);
    }
    return true;
}

// How a reader that broke off ended, for standard error.
std::string HowItEnded(ReaderChild& child) {
    if (!child.EndedWithin(std::chrono::milliseconds(200))) return "the Access reader broke off";
    const int status = child.status();
    if (WIFSIGNALED(status)) return "the Access reader ended by signal " + std::to_string(WTERMSIG(status));
    return "the Access reader ended with status " + std::to_string(WEXITSTATUS(status));
}

} // namespace

ReaderPool::ReaderPool() : kept_(std::make_unique<Kept>()) {}

ReaderPool::~ReaderPool() = default;

std::string ReaderPool::Ask(const std::filesystem::path& path, const std::string& request) {
    const std::string file = path.string();
    std::error_code ec;
    const std::uint64_t fileSize = std::filesystem::file_size(path, ec);
    // Every bound of the reader comes from the size: without it, none holds.
    if (ec)
        Raise(ec == std::errc::no_such_file_or_directory ? kFileNotFound : kNotADatabase,
              file + ": its size cannot be read (" + ec.message() + ")");
    auto reader = kept_->Take(ReaderExecutable().string(), file, fileSize);
    ReaderWarnings warnings(file);
    Answer answer;
    try {
        if (!reader->child->Send(request) || !Collect(*reader->child, fileSize, file, answer, warnings))
            Raise(kNotADatabase, file + ": " + HowItEnded(*reader->child));
    } catch (const reader_stream::ProtocolError& error) {
        Raise(kNotADatabase, file + ": the Access reader's answer is malformed (" + error.what() + ")");
    }
    // A table read while the file grew or shrank may mix its pages of before and after.
    if (StampOf(file).size != reader->stamp.size) Raise(kNotADatabase, file + ": the file changed size while it was read");
    // libmdb warns of the damage it meets: its state may be unsound since.
    if (!warnings.Heard() && !answer.last()) kept_->Keep(std::move(reader));
    return std::move(answer.stream);
}

std::string ReaderPool::AskCatalog(const std::filesystem::path& file) {
    return Ask(file, std::string(1, reader_stream::kAskCatalog));
}

std::string ReaderPool::AskTable(const std::filesystem::path& file, const std::string& table) {
    std::string request(1, reader_stream::kAskTable);
    reader_stream::AppendText(request, table.substr(0, reader_stream::kLongestTableName));
    return Ask(file, request);
}

} // namespace dao
