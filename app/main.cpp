#include "cli/Arguments.h"
#include "cli/Terminal.h"
#include "ui/BannerController.h"
#include "ui/MainWindow.h"
#include "ui/WindowSetup.h"
#include "platform/FileSystem.h"
#include "platform/Languages.h"
#include "platform/Signals.h"
#include "platform/Task.h"

#include <QApplication>
#include <QFile>


int main(int argc, char* argv[])
{
    // Before anything starts a child: statuses are lost while SIGCHLD is ignored.
    platform::keepChildStatuses();
    // Without HOME the settings would land in /; the account's own home is meant.
    if (qEnvironmentVariableIsEmpty("HOME"))
        qputenv("HOME", QFile::encodeName(platform::homeFolder()));
    QList<QByteArray> arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    if (cli::wantsTerminal(arguments)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Qelvanto"));
        platform::installTranslations();
        return cli::runWithoutWindow(arguments);
    }
    QApplication app(argc, argv);
    platform::installTranslations();
    // What is left once Qt has taken its own options: files and folders to convert.
    arguments.clear();
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    const cli::Invocation invocation =
        cli::parseArguments(arguments, {}, 1, cli::workingDirectory());
    if (invocation.mode != cli::Invocation::Mode::Window) {
        std::fputs(invocation.text.toLocal8Bit().append('\n').constData(), stderr);
        return cli::kUsageStatus;
    }
    QApplication::setApplicationName(QStringLiteral("Qelvanto"));
    QApplication::setDesktopFileName(QStringLiteral(QELVANTO_APP_ID));
    QApplication::setWindowIcon(applicationIcon());
    BannerController controller;
    restoreWindowPlacement(controller.mainWindow());
    controller.mainWindow()->show();
    controller.applicationDidFinishLaunching();
    // A session that ends the program (SIGTERM, SIGINT) closes the window as a
    // person would, so the choices are saved as on any other close.
    platform::onInterruptSignals(controller.mainWindow(), [&controller, window = controller.mainWindow()](int) {
        const bool busy = controller.busy();
        window->close();
        // A batch ends first (its encoders at once, its unfinished files removed),
        // then the program. The last window's close alone does not end the program
        // when an alert (the completion alert of a batch that just ended) opens after it.
        if (!busy)
            QCoreApplication::exit(0);
        else
            controller.endWithTheWindow(); // also when an alert kept the window from closing
    });
    // Files from the file manager or the shell: as if they had been dropped on the door.
    if (!invocation.paths.isEmpty())
        controller.collectAndStart(invocation.paths, true);
    return app.exec();
}
