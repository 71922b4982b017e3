#pragma once
#include <QMainWindow>
#include <functional>

// The main window; its close asks the application delegate before it quits.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using QMainWindow::QMainWindow;
    std::function<void()> onClose;

protected:
    void closeEvent(QCloseEvent* event) override;
};
