#include "MainWindow.h"

#include <QCloseEvent>

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (onClose)
        onClose();
    QMainWindow::closeEvent(event);
}
