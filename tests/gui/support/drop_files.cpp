#include "gui/support/drop_files.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace pixlore::user {

Qt::DropAction DropFiles(Canvas& canvas, const std::vector<std::string>& names) {
    QMimeData mime;
    QList<QUrl> urls;
    for (const std::string& name : names)
        urls << QUrl::fromLocalFile(QString::fromStdString(name));
    mime.setUrls(urls);
    const QPointF centre(canvas.width() / 2.0, canvas.height() / 2.0);
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(centre.toPoint(), offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &enter);
    if (!enter.isAccepted()) return Qt::IgnoreAction;
    QDropEvent drop(centre, offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

}  // namespace pixlore::user
