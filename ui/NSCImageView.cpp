#include "NSCImageView.h"

#include "BannerController.h"
#include "engine/InputCollection.h"
#include "platform/Log.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>

namespace {

// Whatever the source proposes, we only read the files: a move would let it
// delete the originals.
void acceptAsCopy(QDropEvent* event)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

bool busy()
{
    return sharedBannerController && sharedBannerController->getSign();
}
bool loaded()
{
    return sharedBannerController && sharedBannerController->getFileCount() != 0;
}
} // namespace

NSCImageView::NSCImageView(QWidget* parent) : QLabel(parent)
{
    setAcceptDrops(true);
}

void NSCImageView::showImageNamed(const QString& name)
{
    imageName_ = name;
    QPixmap image(QStringLiteral(":/") + name);
    // The pictures are drawn at twice their shown size.
    image.setDevicePixelRatio(2.0);
    setPixmap(image);
}

void NSCImageView::installTrackingArea()
{
    trackingRect_ = rect();
    tracking_ = true;
    setMouseTracking(true);
}

void NSCImageView::hover(const QPointF& pos)
{
    if (!tracking_ || !window()->isActiveWindow() || !trackingRect_.contains(pos.toPoint()))
        return;
    if (!loaded())
        showImageNamed(QStringLiteral("doorLight.jpg"));
}

void NSCImageView::enterEvent(QEnterEvent* event)
{
    hover(event->position());
    QLabel::enterEvent(event);
}

void NSCImageView::mouseMoveEvent(QMouseEvent* event)
{
    hover(event->position());
    QLabel::mouseMoveEvent(event);
}

void NSCImageView::leaveEvent(QEvent* event)
{
    if (tracking_)
        showImageNamed(QStringLiteral("door.jpg"));
    QLabel::leaveEvent(event);
}

void NSCImageView::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        mouseUp();
}

void NSCImageView::mouseUp()
{
    if (!sharedBannerController || busy() || loaded())
        return;
    // The picker is reached through the controller's dialogs, so tests can answer it.
    sharedBannerController->pickAndStart();
}

void NSCImageView::dragEnterEvent(QDragEnterEvent* event)
{
    if (busy()) {
        event->ignore();
        return;
    }
    showImageNamed(QStringLiteral("doorLight.jpg"));
    if (!(event->possibleActions() & (Qt::CopyAction | Qt::LinkAction))) {
        event->ignore();
        return;
    }
    qCDebug(lcUi) << "drag entered";
    acceptAsCopy(event);
}

void NSCImageView::dragLeaveEvent(QDragLeaveEvent* event)
{
    showImageNamed(QStringLiteral("door.jpg"));
    QLabel::dragLeaveEvent(event);
}

void NSCImageView::dropEvent(QDropEvent* event)
{
    showImageNamed(QStringLiteral("door.jpg")); // the drag has ended
    if (performDragOperation(event->mimeData()))
        acceptAsCopy(event);
    else
        event->ignore();
}

bool NSCImageView::performDragOperation(const QMimeData* data)
{
    if (busy())
        return false;
    if (!data || !data->hasUrls())
        return true; // accepted and ignored
    // The names' own bytes, not their text: a name that is not UTF-8 must not turn
    // into a neighbour's.
    QList<QByteArray> dropped;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            dropped << QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (dropped.isEmpty())
        return true;
    const engine::CollectedInputs files = engine::collectInputs(dropped);
    if (sharedBannerController)
        sharedBannerController->startnow(files.paths, files.inexact);
    return true;
}
