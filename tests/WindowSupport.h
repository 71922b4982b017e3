#pragma once
// Helpers of the test programs that drive the window: dialogs the tests answer,
// drops as the platform delivers them, and the window started as the program does.
#include "TestSupport.h"

#include "ui/BannerController.h"
#include "ui/MainWindow.h"
#include "ui/ModalDialogs.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QDropEvent>
#include <QEventLoop>
#include <QTimer>
#include <QMimeData>

// Answers every modal question from a script and records what was asked.
struct ScriptedDialogs : ModalDialogs {
    struct Alert { QString message, informative; QStringList buttons; };
    QList<Alert> alerts;
    std::deque<int> alertAnswers;              // default 1000
    std::deque<std::optional<QUrl>> folders;   // default: cancel
    std::deque<std::optional<QStringList>> files;
    std::deque<std::optional<QString>> inputFolders; // default: cancel
    QStringList panelTitles;
    std::function<void()> duringAlert;
    std::function<void()> alerted; // after an alert was answered

    int runAlert(const QString& m, const QString& i, const QStringList& b) override
    {
        alerts << Alert{m, i, b};
        if (duringAlert)
            duringAlert();
        int a = 1000;
        if (!alertAnswers.empty()) {
            a = alertAnswers.front();
            alertAnswers.pop_front();
        }
        if (alerted)
            alerted();
        return a;
    }
    QStringList panelStarts; // where each folder picker opened
    std::optional<QUrl> pickFolder(const QString& title, const QString& startIn) override
    {
        panelTitles << title;
        panelStarts << startIn;
        if (folders.empty())
            return std::nullopt;
        auto f = folders.front();
        folders.pop_front();
        return f;
    }
    std::optional<QString> pickInputFolder(const QString& title) override
    {
        panelTitles << title;
        if (inputFolders.empty())
            return std::nullopt;
        std::optional<QString> f;
        f.swap(inputFolders.front());
        inputFolders.pop_front();
        return f;
    }
    std::optional<QStringList> pickFiles(const QString& title) override
    {
        panelTitles << title;
        if (files.empty())
            return std::nullopt;
        std::optional<QStringList> f;
        f.swap(files.front());
        files.pop_front();
        return f;
    }
};

// A drop as the platform delivers it: the drag enters first, then it drops.
inline bool dropOn(QWidget* target, const QMimeData* data)
{
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// Base of the suites that run whole batches: the real window with scripted
// dialogs, started as the application starts it, and a scratch folder.
class WindowTest : public QObject {
protected:
    std::unique_ptr<BannerController> c;
    ScriptedDialogs* dialogs = nullptr;
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }
    // Runs the event loop at full speed until the n-th alert (a polling wait would
    // sleep between its looks and slow every batch down).
    bool waitForAlerts(int n, int ms = 60000)
    {
        if (dialogs->alerts.size() >= n)
            return true;
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        dialogs->alerted = [&] {
            if (dialogs->alerts.size() >= n)
                loop.quit();
        };
        loop.exec();
        dialogs->alerted = nullptr;
        return dialogs->alerts.size() >= n;
    }
    void openWindow()
    {
        c = std::make_unique<BannerController>();
        auto d = std::make_unique<ScriptedDialogs>();
        dialogs = d.get();
        c->setDialogs(std::move(d));
        c->mainWindow()->show();
        c->applicationDidFinishLaunching();
    }
    void closeWindow()
    {
        c.reset();
        platform::setResourceSearchDirsOverride({});
    }
};
