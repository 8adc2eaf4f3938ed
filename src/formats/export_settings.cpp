#include "formats/export_settings.h"

#include "formats/c_source.h"
#include "formats/export_block.h"
#include "files/file_names.h"
#include "formats/identifier.h"
#include "formats/prg.h"

namespace pixlore {
namespace {

std::vector<std::string> Extensions(ExportFormat format) {
    switch (format) {
        case ExportFormat::Assembler:
            return {".s", ".asm", ".inc", ".a65"};
        case ExportFormat::C:
            return {".c", ".h"};
        case ExportFormat::Prg:
            break;
    }
    return {".prg"};
}

}  // namespace

int DefaultLoadAddress(ExportWhat what) {
    return what == ExportWhat::Map ? 0x0400 : 0x2000;
}

std::string ExportFilters(ExportFormat format) {
    switch (format) {
        case ExportFormat::Assembler:
            return "Assembler source (*.s *.asm *.inc *.a65)|*.s;*.asm;*.inc;*.a65";
        case ExportFormat::C:
            return "C source (*.c *.h)|*.c;*.h";
        case ExportFormat::Prg:
            break;
    }
    return "C64 program (*.prg)|*.prg";
}

std::string WithExportExtension(const std::string& name, ExportFormat format) {
    const std::vector<std::string> extensions = Extensions(format);
    for (const std::string& e : extensions)
        if (WithExtension(name, e) == name) return name;
    return name + extensions.front();
}

std::vector<std::uint8_t> ExportBytes(const ExportSettings& settings, const Charset& charset,
                                      CodeRange range, const CharMap& map,
                                      const std::string& fileName) {
    const bool isMap = settings.what == ExportWhat::Map;
    const ByteBlock block = isMap ? MapBlock(map)
                                  : GlyphBlock(charset, settings.what == ExportWhat::Range
                                                            ? range
                                                            : CodeRange{0, kGlyphCount - 1});
    const std::string label = IsIdentifier(settings.label)
                                  ? settings.label
                                  : IdentifierFromFileName(fileName, isMap ? "map" : "charset");
    std::string text;
    switch (settings.format) {
        case ExportFormat::Assembler:
            text = AssemblerSource(block, {settings.directive, settings.values, label});
            break;
        case ExportFormat::C:
            text = CSource(block, label);
            break;
        case ExportFormat::Prg:
            return EncodePrg(settings.loadAddress >= 0 ? settings.loadAddress
                                                       : DefaultLoadAddress(settings.what),
                             block.bytes);
    }
    return {text.begin(), text.end()};
}

}  // namespace pixlore
