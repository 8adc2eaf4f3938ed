#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <string>

#include "platform/events.h"

namespace pixlore {

// The plain controls, each placed at a client position and reporting its actions, by its
// control number, as control events.
QLabel* MakeLabel(QWidget* parent, QRect geometry, const std::string& text);
QSlider* MakeTrackBar(QWidget* parent, int control, QRect geometry, EventSink sink);
QCheckBox* MakeCheckBox(QWidget* parent, int control, QRect geometry, const std::string& tooltip,
                        EventSink sink);
QPushButton* MakePushButton(QWidget* parent, int control, QRect geometry, const std::string& text,
                            const std::string& tooltip, EventSink sink);
QPlainTextEdit* MakeTextField(QWidget* parent, QRect geometry, const std::string& tooltip);

void SetText(QLabel* label, const std::string& text);
void SetText(QPlainTextEdit* field, const std::string& text);
// Moves a track bar without reporting it; the caller updates what depends on it.
void SetPosition(QSlider* trackBar, int position);

// Keeps child filling its parent's whole area as the parent is resized.
void FillParent(QWidget* child);

// A scroll area with a sunken border whose scrollable content has a settable size. The
// content size sets only how far it scrolls: where the content is smaller than the view, what
// lies beyond it in the content (a canvas larger than the content) still shows and takes the
// pointer, as a child window of a scrolled window would.
class ScrollArea : public QScrollArea {
    Q_OBJECT

  public:
    ScrollArea(QWidget* parent, QRect geometry, int contentWidth, int contentHeight, int step);
    QWidget* content() { return content_; }
    void setContentSize(int width, int height);
    QSize contentSize() const { return contentSize_; }

  protected:
    bool viewportEvent(QEvent* event) override;

  private:
    void fitContent();

    QWidget* content_;
    QSize contentSize_;
};

}  // namespace pixlore
