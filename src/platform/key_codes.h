#pragma once

namespace pixlore {

// The virtual-key code of a toolkit key (a Qt::Key value), 0 for keys without one.
int VirtualKeyOf(int qtKey);

}  // namespace pixlore
