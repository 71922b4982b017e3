#pragma once
// Shared helpers of the test programs that need no window: a recording runner
// delegate, audio made by the real encoder, child processes, a log capture.
#include "platform/Resources.h"
#include "runner/KVShellWrapper.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>
#include <unistd.h>
#include <functional>

// Every suite calls this in init(): a warning from Qt or from us is a fault of the
// program (a Qt object made for the wrong thread, a timer stopped from another,
// a notifier left on a closed descriptor), and fails the test that caused it.
inline void failOnEveryWarning()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

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


// A process's children as "pid state" entries, zombies included.
inline QStringList childProcessesOf(qint64 parent)
{
    QStringList found;
    const QString self = QString::number(parent);
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

// This process's children.
inline QStringList childProcesses()
{
    return childProcessesOf(::getpid());
}

// The shell lines of a stand-in encoder's probe run (three arguments: -y -i PATH):
// the dump the real encoder prints for an audio file of the given duration.
inline QByteArray standInProbe(const char* duration)
{
    return QByteArray("printf \"Input #0, wav, from '%s':\\n  Duration: ") + duration
         + ", bitrate: 1 kb/s\\n  Stream #0:0: Audio: pcm_s16le, 44100 Hz\\n\" \"$3\" >&2;";
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


// The size of the unfinished file the encoder writes for the result `name` in
// `folder` (".NAME.qelvanto-unfinished-…"), or -1 when there is none.
inline qint64 unfinishedSize(const QString& folder, const QString& name)
{
    const QStringList found = QDir(folder).entryList({QLatin1Char('.') + name + QStringLiteral(".qelvanto-unfinished-*")},
                                                      QDir::Files | QDir::Hidden);
    return found.isEmpty() ? -1 : QFileInfo(QDir(folder).filePath(found.first())).size();
}

// Every name in a folder, hidden ones too.
inline QStringList allEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}
