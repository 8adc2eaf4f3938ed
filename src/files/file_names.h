#pragma once

#include <string>
#include <string_view>

namespace pixlore {

// The folder part of a name: everything up to and including its last "\" or "/"; empty when
// it has neither.
std::string FolderPart(const std::string& name);

// The name with extension (".fnt", ".map", ".bmp") appended unless its last four characters,
// in lower case, already are that extension. A shorter name is compared whole.
std::string WithExtension(const std::string& name, std::string_view extension);

// A name that is empty or holds nothing but spaces.
bool IsBlankName(const std::string& name);

}  // namespace pixlore
