#include "files/whole_file.h"

#include "files/file_read.h"

namespace pixlore {

Decoded<std::vector<std::uint8_t>> ReadWholeFile(const std::string& name, std::size_t maxBytes) {
    using Result = Decoded<std::vector<std::uint8_t>>;
    const FileInfo info = QueryFile(name);
    switch (info.kind) {
        case FileKind::Missing:
            return Result::Fail("there is no such file");
        case FileKind::Folder:
            return Result::Fail("it is a folder");
        case FileKind::Other:
            return Result::Fail("it is not a regular file");
        case FileKind::Regular:
            break;
    }
    if (static_cast<std::uint64_t>(info.size) > maxBytes)
        return Result::Fail("it is far too large for a charset or a map");
    ReadResult read = ReadFileStart(name, static_cast<std::size_t>(info.size));
    switch (read.status) {
        case ReadStatus::Read:
            return Result::Ok(std::move(read.bytes));
        case ReadStatus::NotRegular:
            return Result::Fail("it is not a regular file");
        case ReadStatus::OpenFailed:
            return Result::Fail("it cannot be opened for reading");
        case ReadStatus::ShortRead:
            break;
    }
    return Result::Fail("it could not be read whole");
}

}  // namespace pixlore
