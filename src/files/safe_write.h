#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pixlore {

enum class WriteStatus {
    Written,
    NotRegular,    // the name is a folder, device, pipe or socket: never replaced
    CannotCreate,  // the target may not be written, or no temporary file could be made
    WriteFailed,   // a write, the flush or the close failed (full disk, I/O error, size limit)
    RenameFailed,
};

// Writes bytes as the whole content of the file. The bytes go to a temporary file in the same
// folder, which replaces the target only once every write, the flush and the close have
// succeeded; on any failure the temporary file is removed and an existing target is left as
// it was. A replaced file keeps its permissions (and its owner, where allowed), and a symbolic
// link is written through, not replaced.
WriteStatus SafeWrite(const std::string& name, const std::vector<std::uint8_t>& bytes);

}  // namespace pixlore
