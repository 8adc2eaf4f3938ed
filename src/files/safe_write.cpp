#include "files/safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>

namespace pixlore {
namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a name finally denotes: symbolic links are followed one by one, also to a target
// that does not exist yet, so that saving through a link writes the file it points to and
// never replaces the link. None for a loop of links or a link that cannot be read.
std::optional<std::string> ResolvedTarget(std::string name) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (lstat(name.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return name;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = readlink(name.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) return std::nullopt;
        link.resize(static_cast<std::size_t>(n));
        // A relative target is relative to the link's own folder.
        name = link.front() == '/' ? link : FolderOf(name) + "/" + link;
    }
    return std::nullopt;
}

// A new, empty temporary file in folder, created with the usual permissions.
int CreateTemporary(const std::string& folder, std::string& tempName) {
    // The recovery file is saved from a thread of its own.
    static std::atomic<unsigned> counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = folder + "/.pixlore-" + std::to_string(getpid()) + "-" +
                   std::to_string(++counter) + ".tmp";
        const int fd = open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The replacement gets the old file's permissions. Only root may give a file to another
// owner; for anyone else the saved bytes matter more than who owns them.
void KeepOwnerAndMode(int fd, const struct stat& old) {
    // Owner first: changing it may clear the set-id bits the mode then restores.
    if (old.st_uid != geteuid() || old.st_gid != getegid()) {
        const int ignored = fchown(fd, old.st_uid, old.st_gid);
        static_cast<void>(ignored);
    }
    const int ignored = fchmod(fd, old.st_mode & 07777);
    static_cast<void>(ignored);
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes, flushes to the disk and closes; the file is closed whatever happens.
bool WriteFlushClose(int fd, const std::vector<std::uint8_t>& bytes) {
    const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    return written && closed;
}

void SyncFolder(const std::string& folder) {
    // Makes the rename itself durable; not every file system allows it, so failures are
    // of no consequence to the saved bytes.
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

WriteStatus SafeWrite(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::optional<std::string> resolved = ResolvedTarget(name);
    if (!resolved) return WriteStatus::CannotCreate;
    const std::string& target = *resolved;
    struct stat existing {};
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) return WriteStatus::NotRegular;
    // Renaming would replace a file we may not write to; refuse as writing in place would.
    if (exists && access(target.c_str(), W_OK) != 0) return WriteStatus::CannotCreate;
    if (!exists && errno != ENOENT) return WriteStatus::CannotCreate;

    const std::string folder = FolderOf(target);
    std::string temp;
    const int fd = CreateTemporary(folder, temp);
    if (fd < 0) return WriteStatus::CannotCreate;
    if (exists) KeepOwnerAndMode(fd, existing);
    if (!WriteFlushClose(fd, bytes)) {
        unlink(temp.c_str());
        return WriteStatus::WriteFailed;
    }
    if (rename(temp.c_str(), target.c_str()) != 0) {
        unlink(temp.c_str());
        return WriteStatus::RenameFailed;
    }
    SyncFolder(folder);
    return WriteStatus::Written;
}

}  // namespace pixlore
