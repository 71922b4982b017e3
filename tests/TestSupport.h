#pragma once
// Shared helpers of the test programs: a recording runner delegate, dialogs the
// tests answer, audio made by the real encoder, and a log capture.
#include "platform/Resources.h"
#include "runner/KVShellWrapper.h"
#include "ui/BannerController.h"
#include "ui/MainWindow.h"
#include "ui/ModalDialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>
#include <unistd.h>
#include <functional>

struct RecordingDelegate : KVShellWrapperDelegate {
    QStringList events; // "started", "out", "err", "finished"
    QByteArray out, err;
    QList<QVariant> outChunks;
    int status = -100;
    int finishedCount = 0;
    std::function<void(KVShellWrapper*, int)> onFinished;

    void processAppendOutput(KVShellWrapper*, const QVariant& chunk) override
    {
        events << QStringLiteral("out");
        outChunks << chunk;
        out += chunk.metaType() == QMetaType::fromType<QByteArray>() ? chunk.toByteArray() : chunk.toString().toLatin1();
    }
    void processAppendError(KVShellWrapper*, const QString& chunk) override
    {
        events << QStringLiteral("err");
        err += chunk.toLatin1();
    }
    void processStarted(KVShellWrapper*) override { events << QStringLiteral("started"); }
    void processFinishedWithTerminationStatus(KVShellWrapper* w, int s) override
    {
        events << QStringLiteral("finished");
        status = s;
        ++finishedCount;
        if (onFinished)
            onFinished(w, s);
    }
};

// Answers every modal question from a script and records what was asked.
struct ScriptedDialogs : ModalDialogs {
    struct Alert { QString message, informative; QStringList buttons; };
    QList<Alert> alerts;
    std::deque<int> alertAnswers;              // default 1000
    std::deque<std::optional<QUrl>> folders;   // default: cancel
    std::deque<std::optional<QStringList>> files;
    QStringList panelTitles;
    std::function<void()> duringAlert;

    int runAlert(const QString& m, const QString& i, const QStringList& b) override
    {
        alerts << Alert{m, i, b};
        if (duringAlert)
            duringAlert();
        if (alertAnswers.empty())
            return 1000;
        int a = alertAnswers.front();
        alertAnswers.pop_front();
        return a;
    }
    std::optional<QUrl> pickFolder(const QString& title) override
    {
        panelTitles << title;
        if (folders.empty())
            return std::nullopt;
        auto f = folders.front();
        folders.pop_front();
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

inline QString encoder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/resources/ffmpeg");
}

// Runs the real encoder; true when it exits 0.
inline bool runEncoder(const QStringList& args, QByteArray* errOut = nullptr)
{
    QProcess p;
    p.start(encoder(), QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")} + args);
    p.waitForFinished(60000);
    if (errOut)
        *errOut = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

inline bool makeTone(const QString& path, double seconds = 1.0, int channels = 1)
{
    QDir().mkpath(QFileInfo(path).path());
    return runEncoder({QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                       QStringLiteral("sine=f=440:d=%1").arg(seconds), QStringLiteral("-ac"),
                       QString::number(channels), path});
}

// What the encoder says of a file: codec name, rate, channels; empty when no audio.
struct AudioInfo { QString codec; int rate = 0; int channels = 0; bool ok = false; };
inline AudioInfo probeAudio(const QString& path)
{
    QByteArray err;
    runEncoder({QStringLiteral("-v"), QStringLiteral("info"), QStringLiteral("-i"), path}, &err);
    AudioInfo info;
    const QString text = QString::fromUtf8(err);
    const qsizetype at = text.indexOf(QStringLiteral("Audio: "));
    if (at < 0)
        return info;
    const QString line = text.mid(at + 7, text.indexOf(QLatin1Char('\n'), at) - at - 7);
    info.codec = line.section(QLatin1Char(' '), 0, 0).remove(QLatin1Char(','));
    const auto hz = QRegularExpression(QStringLiteral("(\\d+) Hz")).match(line);
    info.rate = hz.hasMatch() ? hz.captured(1).toInt() : 0;
    info.channels = line.contains(QStringLiteral("stereo")) ? 2 : line.contains(QStringLiteral("mono")) ? 1 : 0;
    info.ok = !info.codec.isEmpty();
    return info;
}

// Captures log lines while alive.
struct LogCapture {
    static inline QStringList* lines = nullptr;
    QStringList captured;
    QtMessageHandler previous;
    LogCapture()
    {
        lines = &captured;
        previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
            if (lines)
                *lines << m;
        });
    }
    ~LogCapture()
    {
        qInstallMessageHandler(previous);
        lines = nullptr;
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

// This process's children as "pid state" entries, zombies included.
inline QStringList childProcesses()
{
    QStringList found;
    const QString self = QString::number(::getpid());
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromLatin1(stat.readAll());
        // After the name in parentheses: state, then the parent's pid.
        const QStringList rest = text.mid(text.lastIndexOf(QLatin1Char(')')) + 2).split(QLatin1Char(' '));
        if (rest.size() > 1 && rest[1] == self)
            found << pid + QLatin1Char(' ') + rest[0];
    }
    return found;
}

// An encoder stand-in: a shell script put where the program looks for the encoder.
inline bool installEncoderScript(const QTemporaryDir& dir, const QByteArray& body)
{
    QFile script(dir.filePath("ffmpeg"));
    if (!script.open(QIODevice::WriteOnly))
        return false;
    script.write("#!/bin/sh\n" + body);
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    platform::setResourceSearchDirsOverride({dir.path()});
    return true;
}

// Base of the suites that run whole batches: the real window with scripted
// dialogs, started as the application starts it, and a scratch folder.
class WindowTest : public QObject {
protected:
    std::unique_ptr<BannerController> c;
    ScriptedDialogs* dialogs = nullptr;
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }
    bool waitForAlerts(int n, int ms = 60000)
    {
        return QTest::qWaitFor([&] { return dialogs->alerts.size() >= n; }, ms);
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
