#include "formats/identifier.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace pixlore {
namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The words C reserves; an array cannot be named after them.
bool IsCKeyword(std::string_view word) {
    static constexpr std::array<std::string_view, 44> kKeywords = {
        "auto",    "break",       "case",     "char",    "const",    "continue", "default",
        "do",      "double",      "else",     "enum",    "extern",   "float",    "for",
        "goto",    "if",          "inline",   "int",     "long",     "register", "restrict",
        "return",  "short",       "signed",   "sizeof",  "static",   "struct",   "switch",
        "typedef", "union",       "unsigned", "void",    "volatile", "while",    "bool",
        "true",    "false",       "nullptr",  "alignas", "alignof",  "typeof",   "constexpr",
        "_Bool",   "thread_local"};
    return std::find(kKeywords.begin(), kKeywords.end(), word) != kKeywords.end();
}

}  // namespace

bool IsIdentifier(const std::string& text) {
    if (text.empty() || !IsLetter(text.front())) return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return IsLetter(c) || IsDigit(c); });
}

bool IsCArrayName(const std::string& text) {
    return IsIdentifier(text) && !IsCKeyword(text);
}

std::string IdentifierFromFileName(const std::string& fileName, const std::string& fallback) {
    const std::size_t slash = fileName.find_last_of("/\\");
    std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    const std::size_t dot = base.rfind('.');
    if (dot != std::string::npos && dot > 0) base.erase(dot);
    for (char& c : base)
        if (!IsLetter(c) && !IsDigit(c)) c = '_';
    if (base.empty()) return fallback;
    if (IsDigit(base.front())) base = fallback + "_" + base;
    if (IsCKeyword(base)) base += "_";
    return base;
}

std::string CountName(const std::string& identifier) {
    std::string name = identifier;
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name + "_COUNT";
}

}  // namespace pixlore
