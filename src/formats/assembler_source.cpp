#include "formats/assembler_source.h"

#include <array>
#include <cstdio>

#include "formats/identifier.h"

namespace pixlore {
namespace {

struct DirectiveName {
    Directive directive;
    const char* text;
};
constexpr std::array<DirectiveName, 4> kDirectives = {{
    {Directive::Byte, ".byte"},
    {Directive::AcmeByte, "!byte"},
    {Directive::Db, "db"},
    {Directive::Defb, "defb"},
}};

// The count is a symbol: "=" in the 6502 assemblers, "equ" in the Z80 and x86 ones.
std::string CountLine(const std::string& label, std::size_t count, Directive directive) {
    const bool equ = directive == Directive::Db || directive == Directive::Defb;
    return CountName(label) + (equ ? " equ " : " = ") + std::to_string(count) + "\n";
}

}  // namespace

std::string DirectiveText(Directive directive) {
    for (const auto& d : kDirectives)
        if (d.directive == directive) return d.text;
    return ".byte";
}

std::optional<Directive> DirectiveNamed(const std::string& text) {
    for (const auto& d : kDirectives)
        if (text == d.text) return d.directive;
    return std::nullopt;
}

std::string ValueStyleText(ValueStyle style) {
    switch (style) {
        case ValueStyle::Dollar:
            return "$xx";
        case ValueStyle::ZeroX:
            return "0xXX";
        case ValueStyle::Decimal:
            break;
    }
    return "decimal";
}

std::optional<ValueStyle> ValueStyleNamed(const std::string& text) {
    if (text == "$xx" || text == "dollar" || text == "hex" || text == "$")
        return ValueStyle::Dollar;
    if (text == "0xXX" || text == "0x") return ValueStyle::ZeroX;
    if (text == "decimal" || text == "dec") return ValueStyle::Decimal;
    return std::nullopt;
}

std::string ValueText(int value, ValueStyle style, Directive directive) {
    char text[8] = {};
    switch (style) {
        case ValueStyle::Dollar:
            std::snprintf(text, sizeof text,
                          directive == Directive::Db && value >= 0xA0 ? "$0%02X" : "$%02X",
                          value & 0xFF);
            break;
        case ValueStyle::ZeroX:
            std::snprintf(text, sizeof text, "0x%02X", value & 0xFF);
            break;
        case ValueStyle::Decimal:
            std::snprintf(text, sizeof text, "%d", value & 0xFF);
            break;
    }
    return text;
}

std::string AssemblerSource(const ByteBlock& block, const SourceOptions& options) {
    const std::string directive = "\t" + DirectiveText(options.directive) + " ";
    std::string out = options.label + ":\n";
    const std::size_t perLine = block.perLine > 0 ? static_cast<std::size_t>(block.perLine) : 8;
    for (std::size_t i = 0; i < block.bytes.size(); ++i) {
        out += i % perLine == 0 ? directive : ", ";
        out += ValueText(block.bytes[i], options.values, options.directive);
        if (i % perLine == perLine - 1 || i + 1 == block.bytes.size()) out += "\n";
    }
    return out + CountLine(options.label, block.bytes.size(), options.directive);
}

}  // namespace pixlore
