#pragma once
#include <QMainWindow>
#include <functional>

// The main window; it keeps its hints readable in any palette, and its close
// saves its place and asks the application delegate before it quits.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    std::function<void()> onClose;

protected:
    void closeEvent(QCloseEvent* event) override;
};
