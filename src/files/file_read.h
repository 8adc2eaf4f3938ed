#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pixlore {

// What a name denotes on disk. Only regular files are ever opened: a pipe, a device or a
// socket could block the program or never end.
enum class FileKind { Missing, Regular, Folder, Other };

struct FileInfo {
    FileKind kind = FileKind::Missing;
    std::int64_t size = -1;  // bytes, for a regular file; -1 otherwise
};

FileInfo QueryFile(const std::string& name);

enum class ReadStatus {
    Read,        // all the bytes asked for are in `bytes`
    NotRegular,  // missing, a folder or not a regular file; never opened
    OpenFailed,
    ShortRead,  // opened, but it gave fewer bytes than asked for (it shrank, or a read failed)
};

struct ReadResult {
    ReadStatus status = ReadStatus::OpenFailed;
    std::vector<std::uint8_t> bytes;  // empty unless status is Read
};

// Reads the first count bytes of a regular file, all of them or none.
ReadResult ReadFileStart(const std::string& name, std::size_t count);

}  // namespace pixlore
