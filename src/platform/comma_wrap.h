#pragma once

#include <QPlainTextDocumentLayout>

namespace pixlore {

// The layout of a plain text field that shows a list of numbers: a line breaks only after a
// comma, so no number is ever cut in two. A part without a comma that is wider than the
// field still wraps where it must. The text itself is left as it is.
class CommaWrapLayout : public QPlainTextDocumentLayout {
    Q_OBJECT

  public:
    explicit CommaWrapLayout(QTextDocument* document);

    QRectF blockBoundingRect(const QTextBlock& block) const override;

  protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

  private:
    // Lays the block's lines out again, breaking after commas, unless they already break so.
    void rewrap(const QTextBlock& block) const;
};

}  // namespace pixlore
