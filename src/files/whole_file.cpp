#include "files/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace pixlore {

Decoded<std::vector<std::uint8_t>> ReadWholeFile(const std::string& name, std::size_t maxBytes) {
    using Result = Decoded<std::vector<std::uint8_t>>;
    std::error_code error;
    const auto status = std::filesystem::status(name, error);
    if (!std::filesystem::exists(status)) return Result::Fail("there is no such file");
    if (std::filesystem::is_directory(status)) return Result::Fail("it is a folder");
    // A pipe or a device could block or never end.
    if (!std::filesystem::is_regular_file(status)) return Result::Fail("it is not a regular file");
    const auto size = std::filesystem::file_size(name, error);
    if (error) return Result::Fail(error.message());
    if (size > maxBytes) return Result::Fail("it is far too large for a charset or a map");
    std::ifstream in(name, std::ios::binary);
    if (!in) return Result::Fail(std::strerror(errno));
    std::vector<std::uint8_t> bytes(size);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size)
        return Result::Fail("it could not be read whole");
    return Result::Ok(std::move(bytes));
}

std::string WriteWholeFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (!file) return std::strerror(errno);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int savedErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written) return std::strerror(savedErrno);
    if (!closed) return std::strerror(errno);
    return {};
}

}  // namespace pixlore
