#pragma once

#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace pixlore {

// A menu as the user sees it, one line per entry: titles and sub-menus by their text, items as
// "id text" (a checked item ends in " [x]"), separators as "-"; each level is indented by two
// more spaces.
QStringList DescribeMenuBar(const QMenuBar& bar);
QStringList DescribeMenu(const QMenu& menu, int depth = 0);

namespace user {

// Opens the menus of the bar along path by clicking and hovering, as a user would, and clicks
// its last entry. False when an entry was not found or a menu did not open.
bool ChooseFromMenuBar(QMenuBar& bar, const QStringList& path);

// Answers the next popup menu that comes up: records where it appeared and what it holds,
// then clicks the item with the given text with the given button, or closes the popup when
// the text is empty. Make one before the action that opens the popup.
class PopupAnswer : public QObject {
  public:
    explicit PopupAnswer(QString item, Qt::MouseButton button = Qt::LeftButton);

    bool seen() const { return seen_; }
    QPoint topLeft() const { return topLeft_; }
    QStringList lines() const { return lines_; }

  private:
    void poll();

    QString item_;
    Qt::MouseButton button_;
    QTimer timer_;
    bool seen_ = false;
    QPoint topLeft_;
    QStringList lines_;
};

}  // namespace user
}  // namespace pixlore
