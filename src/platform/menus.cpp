#include "platform/menus.h"

#include <QMainWindow>
#include <QShortcut>

namespace pixlore {
namespace {

void ReportCommand(const EventSink& sink, int id) {
    Event e;
    e.kind = EventKind::MenuCommand;
    e.command = id;
    if (sink) sink(e);
}

}  // namespace

Menu Menu::MenuBar(QMainWindow* window, const std::vector<MenuEntry>& titles, EventSink sink) {
    Menu menu;
    menu.bar_ = new QMenuBar(window);
    for (const MenuEntry& title : titles) {
        QMenu* sub = menu.bar_->addMenu(QString::fromStdString(title.text));
        menu.addEntries(sub, title.children, sink);
    }
    window->setMenuBar(menu.bar_);
    return menu;
}

Menu Menu::Popup(QWidget* owner, const std::vector<MenuEntry>& entries) {
    Menu menu;
    menu.popup_ = new QMenu(owner);
    menu.addEntries(menu.popup_, entries, nullptr);
    return menu;
}

void Menu::addEntries(QMenu* menu, const std::vector<MenuEntry>& entries, const EventSink& sink) {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case MenuEntry::Kind::Separator:
                menu->addSeparator();
                break;
            case MenuEntry::Kind::SubMenu:
                addEntries(menu->addMenu(QString::fromStdString(entry.text)), entry.children, sink);
                break;
            case MenuEntry::Kind::Item: {
                QAction* action = menu->addAction(QString::fromStdString(entry.text));
                action->setData(entry.id);
                actions_[entry.id] = action;
                if (sink) {
                    const int id = entry.id;
                    QObject::connect(action, &QAction::triggered, action, [action, sink, id](bool) {
                        // A checkable item flips its own mark when chosen;
                        // only the command may change it.
                        if (action->isCheckable()) action->setChecked(!action->isChecked());
                        ReportCommand(sink, id);
                    });
                }
                break;
            }
        }
    }
}

QAction* Menu::action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void Menu::setChecked(int id, bool checked) {
    if (QAction* a = action(id)) {
        a->setCheckable(true);
        a->setChecked(checked);
    }
}

int Menu::checked(int id) const {
    const QAction* a = action(id);
    return a && a->isCheckable() && a->isChecked() ? 1 : 0;
}

std::optional<int> Menu::popup(QPoint pointerOnScreen) {
    if (!popup_) return std::nullopt;
    const QAction* chosen = popup_->exec(pointerOnScreen - QPoint(1, 1));
    if (!chosen || !chosen->data().isValid()) return std::nullopt;
    return chosen->data().toInt();
}

void AddShortcut(QWidget* window, const QKeySequence& keys, int id, EventSink sink) {
    auto* shortcut = new QShortcut(keys, window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window,
                     [sink, id] { ReportCommand(sink, id); });
}

}  // namespace pixlore
