#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formats/glyph_clipboard.h"
#include "views/image.h"

namespace pixlore {

// Puts a picture and its text on the system clipboard at once, and with ownBytes (unless
// empty) our own raw form too. The clipboard keeps the picture's memory, uncopied.
void PutOnClipboard(Image picture, const std::string& text,
                    const std::vector<std::uint8_t>& ownBytes = {});

// The forms the system clipboard holds now. A picture comes decoded by the toolkit.
ClipboardForms ReadClipboard();

}  // namespace pixlore
