#include "gui/support/menu_items.h"

#include <QMenu>

namespace pixlore {

QAction* MenuItem(const QMenuBar* bar, const QStringList& path) {
    QList<QAction*> actions = bar ? bar->actions() : QList<QAction*>{};
    for (qsizetype i = 0; i < path.size(); ++i) {
        QAction* found = nullptr;
        for (QAction* action : actions)
            if (!action->isSeparator() && action->text().section('\t', 0, 0) == path[i]) {
                found = action;
                break;
            }
        if (!found || i + 1 == path.size()) return found;
        if (!found->menu()) return nullptr;
        actions = found->menu()->actions();
    }
    return nullptr;
}

}  // namespace pixlore
