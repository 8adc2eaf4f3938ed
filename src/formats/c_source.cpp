#include "formats/c_source.h"

#include <cstdio>

#include "formats/identifier.h"

namespace pixlore {
namespace {

std::string Hex(int value) {
    char text[8] = {};
    std::snprintf(text, sizeof text, "0x%02X", value & 0xFF);
    return text;
}

std::string Heading(const ByteBlock& block) {
    const std::size_t lines =
        block.perLine > 0 ? (block.bytes.size() + block.perLine - 1) / block.perLine : 0;
    if (!block.glyphs)
        return "/* character map, " + std::to_string(block.perLine) + " x " +
               std::to_string(lines) + " cells */\n";
    return "/* " + std::to_string(lines) + " glyphs of 8 x 8 pixels from code " +
           std::to_string(block.firstCode) + ", 8 bytes each, top row first */\n";
}

}  // namespace

std::string CSource(const ByteBlock& block, const std::string& name) {
    const std::string count = std::to_string(block.bytes.size());
    std::string out = Heading(block);
    out += "#define " + CountName(name) + " " + count + "\n";
    out += "const unsigned char " + name + "[" + count + "] = {\n";
    const std::size_t perLine = block.perLine > 0 ? static_cast<std::size_t>(block.perLine) : 8;
    for (std::size_t i = 0; i < block.bytes.size(); ++i) {
        out += i % perLine == 0 ? "    " : " ";
        out += Hex(block.bytes[i]) + ",";
        const bool lineEnds = i % perLine == perLine - 1 || i + 1 == block.bytes.size();
        if (lineEnds && block.glyphs)
            out += " /* " + std::to_string(block.firstCode + i / perLine) + " */";
        if (lineEnds) out += "\n";
    }
    return out + "};\n";
}

}  // namespace pixlore
