#include "files/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace pixlore {
namespace {

FileInfo InfoOf(const struct stat& st) {
    if (S_ISREG(st.st_mode)) return {FileKind::Regular, static_cast<std::int64_t>(st.st_size)};
    if (S_ISDIR(st.st_mode)) return {FileKind::Folder, -1};
    return {FileKind::Other, -1};
}

// Reads until count bytes are in, the file ends or a read fails; returns how many came.
std::size_t ReadUpTo(int fd, std::uint8_t* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = read(fd, buffer + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

}  // namespace

FileInfo QueryFile(const std::string& name) {
    struct stat st {};
    if (stat(name.c_str(), &st) != 0) return {};
    return InfoOf(st);
}

ReadResult ReadFileStart(const std::string& name, std::size_t count) {
    if (QueryFile(name).kind != FileKind::Regular) return {ReadStatus::NotRegular, {}};
    // Non-blocking, so that a name swapped for a pipe since the query cannot hang us.
    const int fd = open(name.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {ReadStatus::OpenFailed, {}};
    struct stat st {};
    if (fstat(fd, &st) != 0 || InfoOf(st).kind != FileKind::Regular) {
        close(fd);
        return {ReadStatus::OpenFailed, {}};
    }
    ReadResult result{ReadStatus::Read, std::vector<std::uint8_t>(count)};
    const std::size_t got = ReadUpTo(fd, result.bytes.data(), count);
    close(fd);
    if (got < count) return {ReadStatus::ShortRead, {}};
    return result;
}

}  // namespace pixlore
