#include "platform/comma_wrap.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace pixlore {
namespace {

bool BreaksOnlyAfterCommas(const QTextLayout& layout, const QString& text) {
    for (int i = 0; i + 1 < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const int end = line.textStart() + line.textLength();
        if (end == 0 || text[end - 1] != QChar(',')) return false;
    }
    return true;
}

// The most characters from start on, ending after a comma or at the end of the text, that fit
// in width; 0 when not even the first such part fits.
int FittingLength(const QString& text, int start, const QFontMetricsF& metrics, qreal width) {
    int fitting = 0;
    for (int end = start + 1; end <= text.size(); ++end) {
        if (end < text.size() && text[end - 1] != QChar(',')) continue;
        if (metrics.horizontalAdvance(text.mid(start, end - start)) > width) break;
        fitting = end - start;
    }
    return fitting;
}

}  // namespace

CommaWrapLayout::CommaWrapLayout(QTextDocument* document) : QPlainTextDocumentLayout(document) {}

QRectF CommaWrapLayout::blockBoundingRect(const QTextBlock& block) const {
    // The base lays a block out here when it has no lines yet.
    QPlainTextDocumentLayout::blockBoundingRect(block);
    rewrap(block);
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void CommaWrapLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next())
        rewrap(block);
}

void CommaWrapLayout::rewrap(const QTextBlock& block) const {
    QTextLayout* layout = block.layout();
    const QString text = block.text();
    if (!layout || layout->lineCount() == 0 || BreaksOnlyAfterCommas(*layout, text)) return;
    // The base gave every line the width available and placed it at the margin.
    const qreal width = layout->lineAt(0).width();
    const qreal left = layout->lineAt(0).x();
    const QFontMetricsF metrics(document()->defaultFont());
    const int linesBefore = layout->lineCount();
    layout->beginLayout();
    qreal y = 0;
    for (int start = 0; start < text.size();) {
        QTextLine line = layout->createLine();
        if (!line.isValid()) break;
        line.setLeadingIncluded(true);
        if (const int length = FittingLength(text, start, metrics, width); length > 0)
            line.setNumColumns(length, width);
        else
            line.setLineWidth(width);
        line.setPosition(QPointF(left, y));
        y += line.height();
        if (line.textLength() == 0) break;  // never, but a stuck line would loop for good
        start = line.textStart() + line.textLength();
    }
    layout->endLayout();
    QTextBlock(block).setLineCount(layout->lineCount());
    auto* self = const_cast<CommaWrapLayout*>(this);
    if (layout->lineCount() != linesBefore) emit self->documentSizeChanged(documentSize());
}

}  // namespace pixlore
