#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace pixlore::user {

// Drops files from the desktop on the canvas: a drag entering it, then the drop, offering
// copy and move. Returns the action the canvas took, Qt::IgnoreAction when it refused.
Qt::DropAction DropFiles(Canvas& canvas, const std::vector<std::string>& names);

}  // namespace pixlore::user
