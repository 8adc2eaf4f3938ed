#include "platform/escape_filter.h"

#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

namespace pixlore {

EscapeFilter::EscapeFilter(std::vector<QWidget*> windows, std::function<void()> quit)
    : windows_(std::move(windows)), quit_(std::move(quit)) {}

bool EscapeFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    QWidget* window = widget->window();
    if (std::find(windows_.begin(), windows_.end(), window) == windows_.end()) return false;
    quit_();
    return true;
}

}  // namespace pixlore
