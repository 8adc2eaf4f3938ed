#pragma once

#include <QObject>
#include <functional>
#include <vector>

namespace pixlore {

// Ends the program the moment Escape is pressed in one of the given windows, whichever of
// their controls has the focus.
class EscapeFilter : public QObject {
    Q_OBJECT

  public:
    EscapeFilter(std::vector<QWidget*> windows, std::function<void()> quit);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::vector<QWidget*> windows_;
    std::function<void()> quit_;
};

}  // namespace pixlore
