#include "gui/support/menu_user.h"

#include <QApplication>
#include <QTest>

namespace pixlore {
namespace {

QString Indent(int depth) {
    return QString(2 * depth, QChar(' '));
}

QAction* ActionWithText(const QList<QAction*>& actions, const QString& text) {
    for (QAction* a : actions)
        if (!a->isSeparator() && a->text() == text) return a;
    return nullptr;
}

// Moves onto the entry, then clicks it; the menu ignores a click the pointer has not travelled
// to.
void ClickEntry(QMenu& menu, QAction* action, Qt::MouseButton button) {
    const QPoint at = menu.actionGeometry(action).center();
    QTest::mouseMove(&menu, at + QPoint(0, 1));
    QTest::mouseMove(&menu, at);
    QTest::mouseClick(&menu, button, Qt::NoModifier, at);
}

}  // namespace

QStringList DescribeMenu(const QMenu& menu, int depth) {
    QStringList lines;
    for (const QAction* a : menu.actions()) {
        if (a->isSeparator()) {
            lines << Indent(depth) + "-";
        } else if (a->menu()) {
            lines << Indent(depth) + a->text();
            lines << DescribeMenu(*a->menu(), depth + 1);
        } else {
            QString line = Indent(depth) + QString::number(a->data().toInt()) + " " + a->text();
            if (a->isChecked()) line += " [x]";
            lines << line;
        }
    }
    return lines;
}

QStringList DescribeMenuBar(const QMenuBar& bar) {
    QStringList lines;
    for (const QAction* title : bar.actions()) {
        lines << title->text();
        if (title->menu()) lines << DescribeMenu(*title->menu(), 1);
    }
    return lines;
}

namespace user {

bool ChooseFromMenuBar(QMenuBar& bar, const QStringList& path) {
    QAction* title = ActionWithText(bar.actions(), path.value(0));
    if (!title || !title->menu()) return false;
    QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, bar.actionGeometry(title).center());
    QMenu* menu = title->menu();
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); })) return false;
    for (int i = 1; i < path.size(); ++i) {
        QAction* entry = ActionWithText(menu->actions(), path[i]);
        if (!entry) return false;
        if (i + 1 == path.size()) {
            ClickEntry(*menu, entry, Qt::LeftButton);
            return true;
        }
        QMenu* sub = entry->menu();
        if (!sub) return false;
        const QPoint at = menu->actionGeometry(entry).center();
        QTest::mouseMove(menu, at + QPoint(0, 1));
        QTest::mouseMove(menu, at);
        if (!QTest::qWaitFor([sub] { return sub->isVisible(); })) return false;
        menu = sub;
    }
    return false;
}

PopupAnswer::PopupAnswer(QString item, Qt::MouseButton button)
    : item_(std::move(item)), button_(button) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    timer_.start();
}

void PopupAnswer::poll() {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu || !menu->isVisible()) return;
    timer_.stop();
    seen_ = true;
    topLeft_ = menu->geometry().topLeft();
    lines_ = DescribeMenu(*menu);
    QAction* action = ActionWithText(menu->actions(), item_);
    if (action)
        ClickEntry(*menu, action, button_);
    else
        menu->close();
}

}  // namespace user
}  // namespace pixlore
