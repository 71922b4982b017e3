#include "NSCImageView.h"

#include "BannerController.h"
#include "WindowSetup.h"
#include "platform/Log.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QTimer>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>

namespace {

// We only read the files: a copy when the source offers one, else a link, never
// a move, which a source may take as leave to delete the originals. False, and
// refused, when the source offers neither.
bool acceptAsCopy(QDropEvent* event)
{
    const Qt::DropActions offered = event->possibleActions();
    if (!(offered & (Qt::CopyAction | Qt::LinkAction))) {
        event->ignore();
        return false;
    }
    // Set only an offered action: Qt replaces any other with the source's default.
    event->setDropAction(offered & Qt::CopyAction ? Qt::CopyAction : Qt::LinkAction);
    event->accept();
    return true;
}

bool busy()
{
    return sharedBannerController && sharedBannerController->getSign();
}
bool loaded()
{
    return sharedBannerController && sharedBannerController->getFileCount() != 0;
}

// To a screen reader the door is a button that picks files.
class DoorAccessible : public QAccessibleWidget {
public:
    explicit DoorAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button) {}
    QStringList actionNames() const override { return {pressAction(), NSCImageView::kAddFolderAction}; }
    // The picker comes on the next pass of the event loop: a screen reader's call
    // returns at once instead of waiting for the picker to close.
    void doAction(const QString& name) override
    {
        auto* door = static_cast<NSCImageView*>(widget());
        if (name == pressAction())
            QTimer::singleShot(0, door, &NSCImageView::mouseUp);
        else if (name == NSCImageView::kAddFolderAction)
            QTimer::singleShot(0, door, &NSCImageView::addFolder);
    }
};

QAccessibleInterface* doorAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("NSCImageView") && object && object->isWidgetType())
        return new DoorAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

NSCImageView::NSCImageView(QWidget* parent) : QLabel(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(doorAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
}

void NSCImageView::showImageNamed(const QString& name)
{
    imageName_ = name;
    // Shown again after every file's start: the same picture is not drawn anew.
    const QString resource = QStringLiteral(":/") + imageForPalette(name, palette());
    if (resource == resource_ && !image_.isNull())
        return;
    resource_ = resource;
    image_ = QPixmap(resource);
    fitImage();
}

void NSCImageView::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !imageName_.isEmpty())
        showImageNamed(imageName_);
}

// As large as the view allows up to twice-drawn size, never distorted.
void NSCImageView::fitImage()
{
    if (image_.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize natural = image_.size() / 2; // the pictures are drawn at twice their shown size
    const QSize shown = natural.scaled(size().boundedTo(natural).expandedTo(QSize(1, 1)), Qt::KeepAspectRatio);
    QPixmap fitted = image_.scaled(shown * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(ratio);
    setPixmap(fitted);
}

void NSCImageView::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fitImage();
}

void NSCImageView::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Keyboard focus shows as a frame in the theme's highlight colour.
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), 2);
    painter.setPen(pen);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
}

void NSCImageView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            mouseUp();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
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

namespace {
// Input is refused while a batch is loaded, and while an alert or a panel is up.
bool refusesInput()
{
    return !sharedBannerController || busy() || loaded() || QApplication::activeModalWidget();
}
} // namespace

void NSCImageView::addFolder()
{
    if (!refusesInput())
        sharedBannerController->pickFolderAndStart();
}

void NSCImageView::mouseUp()
{
    if (refusesInput())
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
    if (acceptAsCopy(event))
        qCDebug(lcUi) << "drag entered";
}

void NSCImageView::dragLeaveEvent(QDragLeaveEvent* event)
{
    showImageNamed(QStringLiteral("door.jpg"));
    QLabel::dragLeaveEvent(event);
}

void NSCImageView::dropEvent(QDropEvent* event)
{
    showImageNamed(QStringLiteral("door.jpg")); // the drag has ended
    // The answer is settled before the batch starts, and a refused drop starts none.
    if (!acceptAsCopy(event))
        return;
    if (!performDragOperation(event->mimeData()))
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
    // A dropped folder may lie on a slow or hung mount: it is walked off the window's thread.
    if (sharedBannerController)
        sharedBannerController->collectAndStart(dropped);
    return true;
}
