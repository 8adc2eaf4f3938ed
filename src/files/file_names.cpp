#include "files/file_names.h"

#include <algorithm>

namespace pixlore {

std::string FolderPart(const std::string& name) {
    const std::size_t last = name.find_last_of("\\/");
    return last == std::string::npos ? std::string() : name.substr(0, last + 1);
}

std::string WithExtension(const std::string& name, std::string_view extension) {
    // Only ASCII letters are folded: the extensions are ASCII, and the bytes of a UTF-8
    // character never equal an ASCII one, so comparing bytes compares characters.
    std::string tail = name.substr(name.size() - std::min(name.size(), extension.size()));
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return tail == extension ? name : name + std::string(extension);
}

bool IsBlankName(const std::string& name) {
    return name.find_first_not_of(' ') == std::string::npos;
}

}  // namespace pixlore
