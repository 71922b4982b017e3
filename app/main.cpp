#include "ui/BannerController.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Qelvanto"));
    QApplication::setApplicationDisplayName(QStringLiteral("Qelvanto"));
    BannerController controller;
    controller.mainWindow()->show();
    controller.applicationDidFinishLaunching();
    return app.exec();
}
