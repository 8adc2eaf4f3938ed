#pragma once

#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/events.h"

namespace pixlore {

// One line of a menu: an item with its command id, a separator, or a sub-menu (also the
// titles of a menu bar). A tab in an item's text separates the shortcut hint shown on the
// right.
struct MenuEntry {
    enum class Kind { Item, Separator, SubMenu };
    Kind kind = Kind::Item;
    int id = -1;
    std::string text;
    std::vector<MenuEntry> children;

    static MenuEntry Item(int id, std::string text) {
        return {Kind::Item, id, std::move(text), {}};
    }
    static MenuEntry Separator() { return {Kind::Separator, -1, {}, {}}; }
    static MenuEntry SubMenu(std::string title, std::vector<MenuEntry> children) {
        return {Kind::SubMenu, -1, std::move(title), std::move(children)};
    }
};

// A menu bar or a popup menu built from entries. Choosing an item reports its command id.
// Items may carry a check mark that only the program sets, never the click itself.
class Menu {
  public:
    // A menu bar for window; its items report through sink.
    static Menu MenuBar(QMainWindow* window, const std::vector<MenuEntry>& titles, EventSink sink);
    // A free-standing popup menu owned by owner; choosing an item is returned by popup().
    static Menu Popup(QWidget* owner, const std::vector<MenuEntry>& entries);

    void setChecked(int id, bool checked);
    // A disabled item is greyed and cannot be chosen.
    void setEnabled(int id, bool enabled);
    // 1 for checked, 0 otherwise (also for an id the menu lacks).
    int checked(int id) const;

    // Shows a popup with its top-left corner one pixel left of and above the pointer and
    // waits for it to close: the chosen id, or nothing when it was dismissed.
    std::optional<int> popup(QPoint pointerOnScreen);

    // While set, every popup is answered by this instead of being shown: given the menu, the
    // id of the item to choose or nothing to dismiss it. Headless runs have no user to click
    // a popup, and a shown one would block them for good.
    using PopupAnswer = std::function<std::optional<int>(const QMenu& menu)>;
    static void SetPopupAnswer(PopupAnswer answer);

    QMenuBar* menuBar() const { return bar_; }
    QMenu* popupMenu() const { return popup_; }
    QAction* action(int id) const;

  private:
    void addEntries(QMenu* menu, const std::vector<MenuEntry>& entries, const EventSink& sink);

    QMenuBar* bar_ = nullptr;
    QMenu* popup_ = nullptr;
    std::map<int, QAction*> actions_;
};

// Binds a key combination to a command id while window is the active window; it is looked up
// before the focused control sees the key. With yieldsToSelection a focused text field that
// has text selected gets the key instead (Control+C copies what it shows).
void AddShortcut(QWidget* window, const QKeySequence& keys, int id, EventSink sink,
                 bool yieldsToSelection = false);

}  // namespace pixlore
