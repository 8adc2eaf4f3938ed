#pragma once

#include <QAction>
#include <QMenuBar>
#include <QStringList>

namespace pixlore {

// The item a user reaches through a menu bar by its titles and finally its text (the part
// before any shortcut hint), e.g. {"Char", "Charset", "C64 CAPS"}; nullptr when there is none.
QAction* MenuItem(const QMenuBar* bar, const QStringList& path);

}  // namespace pixlore
