#pragma once
#include <QLabel>
#include <QRect>

// The door: takes drops of files and folders and clicks, and lights up under a
// drag or the pointer while no batch is loaded.
class NSCImageView : public QLabel {
    Q_OBJECT
public:
    explicit NSCImageView(QWidget* parent = nullptr);

    void showImageNamed(const QString& name);
    QString currentImageName() const { return imageName_; }
    // The hover area: the bounds at launch, only while the window is active.
    void installTrackingArea();

    // The drop itself, callable with any mime data: false when refused.
    bool performDragOperation(const class QMimeData* data);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void mouseUp();
    void hover(const QPointF& pos);

    QString imageName_;
    QRect trackingRect_;
    bool tracking_ = false;
};
