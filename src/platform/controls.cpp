#include "platform/controls.h"

#include <QGridLayout>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextOption>

#include "platform/comma_wrap.h"

namespace pixlore {
namespace {

void ReportControl(const EventSink& sink, int control) {
    Event e;
    e.kind = EventKind::ControlEvent;
    e.control = control;
    if (sink) sink(e);
}

}  // namespace

QLabel* MakeLabel(QWidget* parent, QRect geometry, const std::string& text) {
    auto* label = new QLabel(QString::fromStdString(text), parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QSlider* MakeTrackBar(QWidget* parent, int control, QRect geometry, EventSink sink) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setGeometry(geometry);
    slider->setRange(0, 255);
    slider->setValue(0);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    QObject::connect(slider, &QSlider::valueChanged, slider,
                     [sink, control](int) { ReportControl(sink, control); });
    return slider;
}

QCheckBox* MakeCheckBox(QWidget* parent, int control, QRect geometry, const std::string& tooltip,
                        EventSink sink) {
    auto* box = new QCheckBox(parent);
    box->setGeometry(geometry);
    box->setToolTip(QString::fromStdString(tooltip));
    QObject::connect(box, &QCheckBox::toggled, box,
                     [sink, control](bool) { ReportControl(sink, control); });
    return box;
}

QPushButton* MakePushButton(QWidget* parent, int control, QRect geometry, const std::string& text,
                            const std::string& tooltip, EventSink sink) {
    auto* button = new QPushButton(QString::fromStdString(text), parent);
    button->setGeometry(geometry);
    button->setToolTip(QString::fromStdString(tooltip));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button,
                     [sink, control] { ReportControl(sink, control); });
    return button;
}

QPlainTextEdit* MakeTextField(QWidget* parent, QRect geometry, const std::string& tooltip) {
    auto* field = new QPlainTextEdit(parent);
    auto* document = new QTextDocument(field);
    document->setDocumentLayout(new CommaWrapLayout(document));
    field->setDocument(document);
    // A classic edit control's slim inner margin leaves room for two lines of numbers.
    document->setDocumentMargin(2);
    field->setGeometry(geometry);
    field->setToolTip(QString::fromStdString(tooltip));
    field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field->setLineWidth(2);
    field->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Like a classic edit control made without them, no scroll bars: one that comes and goes
    // with the wrapping re-wraps the text without it, and some texts never settle.
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Asked for both centred and right-aligned text, a classic edit control centres.
    QTextOption option = field->document()->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    field->document()->setDefaultTextOption(option);
    return field;
}

void SetText(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
}

void SetText(QPlainTextEdit* field, const std::string& text) {
    field->setPlainText(QString::fromStdString(text));
}

void SetPosition(QSlider* trackBar, int position) {
    const QSignalBlocker quiet(trackBar);
    trackBar->setValue(position);
}

void FillParent(QWidget* child) {
    auto* fill = new QGridLayout(child->parentWidget());
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(child, 0, 0);
}

ScrollArea::ScrollArea(QWidget* parent, QRect geometry, int contentWidth, int contentHeight,
                       int step)
    : QScrollArea(parent), content_(new QWidget), contentSize_(contentWidth, contentHeight) {
    setGeometry(geometry);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(false);
    setWidget(content_);
    fitContent();
    horizontalScrollBar()->setSingleStep(step);
    verticalScrollBar()->setSingleStep(step);
}

void ScrollArea::setContentSize(int width, int height) {
    contentSize_ = QSize(width, height);
    fitContent();
}

// Never smaller than the view, so nothing but the content fills it; larger only where the
// content itself is, so the scroll ranges are the content's.
void ScrollArea::fitContent() {
    content_->setFixedSize(contentSize_.expandedTo(viewport()->size()));
}

bool ScrollArea::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize) fitContent();
    return QScrollArea::viewportEvent(event);
}

}  // namespace pixlore
