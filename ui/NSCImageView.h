#pragma once
#include <QLabel>
#include <QPixmap>
#include <QRect>

// The door: takes drops of files and folders and clicks, and lights up under a
// drag or the pointer while no batch is loaded.
class NSCImageView : public QLabel {
    Q_OBJECT
public:
    explicit NSCImageView(QWidget* parent = nullptr);

    void showImageNamed(const QString& name);
    // The name asked for; a dark palette shows its dark twin (see imageForPalette).
    QString currentImageName() const { return imageName_; }
    // The hover area: the bounds at launch, only while the window is active.
    void installTrackingArea();

    // The drop itself, callable with any mime data: false when refused.
    bool performDragOperation(const class QMimeData* data);
    // The click: the file picker, refused while a batch is loaded or an alert is
    // up. Also Enter, Space, Ctrl+O and a screen reader's press.
    void mouseUp();
    // The folder picker, refused the same way: Ctrl+Shift+O and a screen reader's
    // second action.
    void addFolder();
    static inline const QString kAddFolderAction = QStringLiteral("Add folder");

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void hover(const QPointF& pos);
    void fitImage();

    QString imageName_;
    QString resource_; // the picture shown, for this palette
    QPixmap image_;
    QRect trackingRect_;
    bool tracking_ = false;
};
