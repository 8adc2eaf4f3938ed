#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "charmap/charmap.h"
#include "charset/charset.h"
#include "charset/range.h"
#include "formats/assembler_source.h"

namespace pixlore {

// What the user chooses in the export dialog: what to write, in which form, and how.
enum class ExportWhat { Range, AllGlyphs, Map };
enum class ExportFormat { Assembler, C, Prg };

struct ExportSettings {
    ExportWhat what = ExportWhat::AllGlyphs;
    ExportFormat format = ExportFormat::Assembler;
    Directive directive = Directive::Byte;
    ValueStyle values = ValueStyle::Dollar;
    int loadAddress = -1;  // -1: the usual place for what is written
    std::string label;     // empty: made from the file name
};

// Where a C64 program file of glyphs or of the map usually loads: $2000 and the screen at $0400.
int DefaultLoadAddress(ExportWhat what);

// The save dialog's filter list for the format, and the name with the format's extension
// appended unless it already ends in one the format takes (".s", ".asm", ".inc", ".a65";
// ".c", ".h"; ".prg"), compared in lower case.
std::string ExportFilters(ExportFormat format);
std::string WithExportExtension(const std::string& name, ExportFormat format);

// The file's bytes. range is the charset's range, used when what is Range.
std::vector<std::uint8_t> ExportBytes(const ExportSettings& settings, const Charset& charset,
                                      CodeRange range, const CharMap& map,
                                      const std::string& fileName);

}  // namespace pixlore
