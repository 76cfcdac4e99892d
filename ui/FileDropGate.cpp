#include "ui/FileDropGate.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

TFileDropGate::TFileDropGate(QWidget* window) : QObject(window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget* control : window->findChildren<QWidget*>())
        if (control->acceptDrops())
            control->installEventFilter(this);
}

bool TFileDropGate::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasUrls())
        return QObject::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        const QList<QUrl> urls = drop->mimeData()->urls();
        QMetaObject::invokeMethod(this, [this, urls] { emit Dropped(urls); }, Qt::QueuedConnection);
    }
    return true;
}
