#include "files/recovery_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <tuple>

namespace pixlore {
namespace {

namespace fs = std::filesystem;

constexpr char kSession[] = ".session";
constexpr char kLock[] = ".lock";
// Ended sessions kept besides the newest; older ones go when an editor first writes.
constexpr std::size_t kKeptEnded = 8;

// Unique on this machine: the process id alone comes back after a crash and would overwrite
// the very file that is to be recovered.
std::string UniqueId() {
    static std::atomic<unsigned> count = 0;
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    return std::to_string(getpid()) + "-" + std::to_string(now) + "-" + std::to_string(++count);
}

bool MakeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) return true;
    }
}

// A lock that cannot be had means its editor still runs; a missing lock file, or one that
// can be locked, means it has ended.
bool Running(const std::string& lockFile) {
    const int fd = open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool held = flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(fd);
    return held;
}

struct Ended {
    fs::file_time_type time;
    std::string id;
};

// The sessions of ended editors, newest first.
std::vector<Ended> EndedSessions(const std::string& folder, const std::string& own) {
    std::vector<Ended> ended;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.ends_with(kSession) || name.starts_with('.')) continue;
        const std::string id = name.substr(0, name.size() - (sizeof kSession - 1));
        if (id == own || Running(folder + "/" + id + kLock)) continue;
        std::error_code timeError;
        ended.push_back({it->last_write_time(timeError), id});
    }
    std::sort(ended.begin(), ended.end(), [](const Ended& a, const Ended& b) {
        return std::tie(a.time, a.id) > std::tie(b.time, b.id);
    });
    return ended;
}

}  // namespace

std::string RecoveryFolder(const char* xdgStateHome, const char* home) {
    // A relative XDG_STATE_HOME is to be ignored, as the base directory rules say.
    if (xdgStateHome && xdgStateHome[0] == '/') return std::string(xdgStateHome) + "/pixlore";
    if (home && home[0] == '/') return std::string(home) + "/.local/state/pixlore";
    return {};
}

RecoveryStore::RecoveryStore(std::string folder) : folder_(std::move(folder)), id_(UniqueId()) {}

RecoveryStore::~RecoveryStore() {
    if (lock_ >= 0) close(lock_);
}

std::string RecoveryStore::file() const {
    return folder_ + "/" + id_ + kSession;
}

bool RecoveryStore::claim() {
    if (lock_ >= 0) return true;
    if (!MakeFolders(folder_)) return false;
    // Locked under a passing name first, so that no other editor ever finds this editor's
    // lock file unlocked and takes it for ended.
    const std::string passing = folder_ + "/." + id_ + kLock;
    const int fd = open(passing.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 ||
        rename(passing.c_str(), (folder_ + "/" + id_ + kLock).c_str()) != 0) {
        unlink(passing.c_str());
        close(fd);
        return false;
    }
    lock_ = fd;
    return true;
}

WriteStatus RecoveryStore::write(const std::vector<std::uint8_t>& bytes) {
    if (!claim()) return WriteStatus::CannotCreate;
    const WriteStatus status = SafeWrite(file(), bytes);
    if (status != WriteStatus::Written || pruned_) return status;
    pruned_ = true;
    const std::vector<Ended> ended = EndedSessions(folder_, id_);
    for (std::size_t i = kKeptEnded; i < ended.size(); ++i) {
        unlink((folder_ + "/" + ended[i].id + kSession).c_str());
        unlink((folder_ + "/" + ended[i].id + kLock).c_str());
    }
    return status;
}

std::string RecoveryStore::newestEnded() const {
    const std::vector<Ended> ended = EndedSessions(folder_, id_);
    return ended.empty() ? std::string() : folder_ + "/" + ended.front().id + kSession;
}

}  // namespace pixlore
