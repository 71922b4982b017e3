#include "MainWindow.h"

#include "WindowSetup.h"

#include <QCloseEvent>

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    keepPlaceholdersReadable(this);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    saveWindowPlacement(this);
    if (onClose)
        onClose();
    QMainWindow::closeEvent(event);
}
