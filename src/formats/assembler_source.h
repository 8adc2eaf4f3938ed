#pragma once

#include <optional>
#include <string>

#include "formats/export_block.h"

namespace pixlore {

// The data directive: ".byte" (ca65, 64tass, KickAssembler), "!byte" (ACME), "db" and
// "defb" (Z80 and x86 assemblers).
enum class Directive { Byte, AcmeByte, Db, Defb };
// How a value is written: $3C, 0x3C or 60.
enum class ValueStyle { Dollar, ZeroX, Decimal };

struct SourceOptions {
    Directive directive = Directive::Byte;
    ValueStyle values = ValueStyle::Dollar;
    std::string label = "charset";  // must be an identifier
};

std::string DirectiveText(Directive directive);
std::optional<Directive> DirectiveNamed(const std::string& text);
// "$xx", "0xXX" or "decimal" as the user sees them; ValueStyleNamed also takes
// "dollar", "hex", "0x" and "dec".
std::string ValueStyleText(ValueStyle style);
std::optional<ValueStyle> ValueStyleNamed(const std::string& text);

// One value as the style writes it. With "db", a $ value starting with a letter gets a
// leading 0: x86 assemblers read "$FF" as a symbol.
std::string ValueText(int value, ValueStyle style, Directive directive);

// The label on a line of its own, one directive a line (perLine values), and the byte count
// after the data as LABEL_COUNT.
std::string AssemblerSource(const ByteBlock& block, const SourceOptions& options);

}  // namespace pixlore
