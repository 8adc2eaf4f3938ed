#pragma once

#include <optional>
#include <string>

#include "charmap/charmap.h"
#include "charset/cell.h"
#include "charset/charset.h"
#include "charset/drag.h"
#include "charset/palette.h"
#include "charset/selection.h"
#include "formats/export_settings.h"
#include "views/charset_view.h"
#include "views/image.h"

namespace pixlore {

// Everything the editor keeps for the whole run, made once at start-up (and afresh by tests).
struct EditorState {
    Charset charset{};
    Palette palette;
    Selection selection;
    Drag drag;
    CharMap map;
    std::string WindowTitle = "pixlore v2 0.9b";
    std::string LastDirectory;
    bool MapAvailable = false;
    std::optional<Cell> TextCursor;  // where typed text goes on the map, while typing
    ExportSettings lastExport;       // the export dialog opens with the choices made last
    Image CharsetImage{kCharsetImageSize, kCharsetImageSize};
};

}  // namespace pixlore
