#include "platform/menus.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMultiHash>
#include <QPlainTextEdit>
#include <QShortcut>

namespace pixlore {
namespace {

Menu::PopupAnswer& PopupAnswerHook() {
    static Menu::PopupAnswer answer;
    return answer;
}

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

// Only a checked item is checkable: an unchecked one then shows no empty box beside it, as in
// a classic menu.
void Menu::setChecked(int id, bool checked) {
    if (QAction* a = action(id)) {
        a->setCheckable(checked);
        a->setChecked(checked);
    }
}

void Menu::setEnabled(int id, bool enabled) {
    if (QAction* a = action(id)) a->setEnabled(enabled);
}

int Menu::checked(int id) const {
    const QAction* a = action(id);
    return a && a->isCheckable() && a->isChecked() ? 1 : 0;
}

std::optional<int> Menu::popup(QPoint pointerOnScreen) {
    if (!popup_) return std::nullopt;
    if (const PopupAnswer& answer = PopupAnswerHook()) return answer(*popup_);
    const QAction* chosen = popup_->exec(pointerOnScreen - QPoint(1, 1));
    if (!chosen || !chosen->data().isValid()) return std::nullopt;
    return chosen->data().toInt();
}

void Menu::SetPopupAnswer(PopupAnswer answer) {
    PopupAnswerHook() = std::move(answer);
}

namespace {

// A focused text field claims keys such as Control+Z for itself before the window's
// shortcuts are looked up; the window's own shortcuts must come first.
class ShortcutGuard : public QObject {
  public:
    static ShortcutGuard& Instance() {
        static ShortcutGuard* guard = [] {
            auto* g = new ShortcutGuard;
            qApp->installEventFilter(g);
            return g;
        }();
        return *guard;
    }
    void reserve(QWidget* window, const QKeySequence& keys, bool yieldsToSelection) {
        if (!reserved_.contains(window))
            connect(window, &QObject::destroyed, this,
                    [this, window] { reserved_.remove(window); });
        reserved_.insert(window, {keys, yieldsToSelection});
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const Reserved& r : reserved_.values(widget->window()))
            if (r.keys.matches(pressed) == QKeySequence::ExactMatch) {
                if (r.yieldsToSelection && HasSelectedText(widget)) return false;
                event->ignore();
                return true;
            }
        return false;
    }

  private:
    struct Reserved {
        QKeySequence keys;
        bool yieldsToSelection;
    };

    static bool HasSelectedText(QWidget* widget) {
        if (const auto* field = qobject_cast<QPlainTextEdit*>(widget))
            return field->textCursor().hasSelection();
        if (const auto* line = qobject_cast<QLineEdit*>(widget)) return line->hasSelectedText();
        return false;
    }

    QMultiHash<QWidget*, Reserved> reserved_;
};

}  // namespace

void AddShortcut(QWidget* window, const QKeySequence& keys, int id, EventSink sink,
                 bool yieldsToSelection) {
    ShortcutGuard::Instance().reserve(window, keys, yieldsToSelection);
    auto* shortcut = new QShortcut(keys, window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window,
                     [sink, id] { ReportCommand(sink, id); });
}

}  // namespace pixlore
