#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace pixlore {
namespace {

// The QImage takes the pixels over and frees them with its last copy: a whole map's picture
// is 4 MB, and a copy of it made every Copy cost as much as drawing it.
QImage ToQImage(Image image) {
    auto* kept = new Image(std::move(image));
    return QImage(
        reinterpret_cast<uchar*>(kept->data()), kept->width(), kept->height(),
        kept->width() * static_cast<int>(sizeof(Pixel)), QImage::Format_RGB32,
        [](void* pixels) { delete static_cast<Image*>(pixels); }, kept);
}

Image FromQImage(const QImage& source) {
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    Image image(rgb.width(), rgb.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            image.row(y)[x] = 0xFF000000u | line[x];
    }
    return image;
}

}  // namespace

void PutOnClipboard(Image picture, const std::string& text,
                    const std::vector<std::uint8_t>& ownBytes) {
    auto* mime = new QMimeData;
    mime->setImageData(ToQImage(std::move(picture)));
    mime->setText(QString::fromStdString(text));
    if (!ownBytes.empty())
        mime->setData(kGlyphsClipboardType,
                      QByteArray(reinterpret_cast<const char*>(ownBytes.data()),
                                 static_cast<qsizetype>(ownBytes.size())));
    QGuiApplication::clipboard()->setMimeData(mime);
}

ClipboardForms ReadClipboard() {
    ClipboardForms forms;
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime) return forms;
    if (mime->hasFormat(kGlyphsClipboardType)) {
        const QByteArray data = mime->data(kGlyphsClipboardType);
        forms.ownBytes.emplace(data.begin(), data.end());
    }
    if (mime->hasImage()) {
        const QImage image = qvariant_cast<QImage>(mime->imageData());
        if (!image.isNull() && image.width() <= kMaxClipboardPictureSide &&
            image.height() <= kMaxClipboardPictureSide)
            forms.picture = FromQImage(image);
    }
    if (mime->hasText()) forms.text = mime->text().toStdString();
    return forms;
}

}  // namespace pixlore
