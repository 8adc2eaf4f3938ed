#include "files/glyph_file.h"

#include <algorithm>

#include "files/file_names.h"
#include "files/file_read.h"
#include "formats/lay_glyphs.h"

namespace pixlore {

bool GlyphFileFits(int currentChar, int byteCount) {
    return currentChar * kGlyphBytes + byteCount <= kCharsetBytes;
}

std::vector<std::uint8_t> GlyphFileBytes(const Charset& charset, int currentChar, int byteCount) {
    const auto first = charset.begin() + currentChar * kGlyphBytes;
    return {first, first + byteCount};
}

GlyphLoad LoadGlyphs(Charset& charset, int currentChar, const std::string& name) {
    if (IsBlankName(name)) return GlyphLoad::BlankName;
    const FileInfo info = QueryFile(name);
    if (info.kind != FileKind::Regular || info.size <= 0) return GlyphLoad::NoFile;
    const std::int64_t room = (kGlyphCount - currentChar) * kGlyphBytes;
    const ReadResult read =
        ReadFileStart(name, static_cast<std::size_t>(std::min(info.size, room)));
    switch (read.status) {
        case ReadStatus::Read:
            break;
        case ReadStatus::NotRegular:
            return GlyphLoad::NoFile;
        case ReadStatus::OpenFailed:
            return GlyphLoad::OpenFailed;
        case ReadStatus::ShortRead:
            return GlyphLoad::ShortRead;
    }
    LayGlyphRows(charset, currentChar, read.bytes);
    return GlyphLoad::Loaded;
}

}  // namespace pixlore
