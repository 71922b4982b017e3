#include "app/Arguments.h"
#include "app/Terminal.h"
#include "ui/BannerController.h"
#include "ui/MainWindow.h"
#include "ui/WindowSetup.h"
#include "platform/FileSystem.h"
#include "platform/Task.h"

#include <QApplication>
#include <QFile>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
int g_signalPipe[2] = {-1, -1};

void onTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(g_signalPipe[1], &byte, 1);
}

// A session that ends the program (SIGTERM, SIGINT) closes the window as a
// person would, so the choices are saved as on any other close.
void closeWindowOnTermination(QWidget* window)
{
    if (::pipe(g_signalPipe) != 0)
        return;
    for (int fd : g_signalPipe)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char byte;
        [[maybe_unused]] ssize_t n = ::read(g_signalPipe[0], &byte, 1);
        window->close();
        // The last window's close alone does not end the program when an alert
        // (the completion alert of a batch that just ended) opens after it.
        QCoreApplication::exit(0);
    });
    struct sigaction sa {};
    sa.sa_handler = onTerminate;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);
}
} // namespace

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
        return cli::runWithoutWindow(arguments);
    }
    QApplication app(argc, argv);
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
    QApplication::setWindowIcon(BannerController::applicationIcon());
    BannerController controller;
    restoreWindowPlacement(controller.mainWindow());
    controller.mainWindow()->show();
    controller.applicationDidFinishLaunching();
    closeWindowOnTermination(controller.mainWindow());
    // Files from the file manager or the shell: as if they had been dropped on the door.
    if (!invocation.paths.isEmpty())
        controller.collectAndStart(invocation.paths);
    return app.exec();
}
