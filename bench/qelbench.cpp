// Benchmarks of the real program: the real controller and window offscreen, the
// real encoder, each against a plain baseline measured in the same run.
#include "engine/CommandLine.h"
#include "engine/Group.h"
#include "ui_MainWindow.h"
#include "engine/ProbeText.h"
#include "platform/Resources.h"
#include "runner/KVShellWrapper.h"
#include "ui/BannerController.h"
#include "ui/MainWindow.h"
#include "engine/InputCollection.h"
#include "ui/ModalDialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Result {
    QString name, sizes, measured, baseline;
    double ratio = 0;
    QString target;
    bool met = false;
};
QList<Result> results;

void report(const Result& r)
{
    results << r;
    std::printf("%-18s %-44s %s | baseline %s | ratio %.3f (target %s) %s\n", qPrintable(r.name), qPrintable(r.sizes),
                qPrintable(r.measured), qPrintable(r.baseline), r.ratio, qPrintable(r.target),
                r.met ? "met" : "MISSED");
    std::fflush(stdout);
}

double seconds(qint64 ns) { return double(ns) / 1e9; }

qint64 threadCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> f = statm.readAll().split(' ');
    return f.size() > 1 ? f[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

// Starts argv with stdout and stderr to the given descriptors (-1: /dev/null); waits.
// An argument list as the C library takes it.
struct Argv {
    std::vector<QByteArray> bytes;
    std::vector<char*> pointers;
    explicit Argv(const QStringList& args)
    {
        for (const QString& a : args)
            bytes.push_back(QFile::encodeName(a));
        for (auto& b : bytes)
            pointers.push_back(b.data());
        pointers.push_back(nullptr);
    }
    char** data() { return pointers.data(); }
};

int runPlain(const QStringList& args, int outFd = -1, int errFd = -1, QByteArray* errText = nullptr)
{
    Argv argv(args);
    int errPipe[2] = {-1, -1};
    if (errText && pipe2(errPipe, O_CLOEXEC) != 0)
        return -1;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    if (outFd >= 0)
        posix_spawn_file_actions_adddup2(&fa, outFd, 1);
    else
        posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    if (errText)
        posix_spawn_file_actions_adddup2(&fa, errPipe[1], 2);
    else if (errFd >= 0)
        posix_spawn_file_actions_adddup2(&fa, errFd, 2);
    else
        posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, argv.data()[0], &fa, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    if (errText) {
        ::close(errPipe[1]);
        char buf[65536];
        for (ssize_t n; (n = ::read(errPipe[0], buf, sizeof buf)) != 0;) {
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                break;
            errText->append(buf, n);
        }
        ::close(errPipe[0]);
    }
    if (rc != 0)
        return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

QString encoderPath() { return platform::pathForResource(QStringLiteral("ffmpeg")); }

bool makeWav(const QString& path, double secondsLong, int channels)
{
    return runPlain({encoderPath(), "-v", "error", "-y", "-f", "lavfi", "-i",
                     QStringLiteral("sine=f=440:d=%1").arg(secondsLong), "-ac", QString::number(channels), path}) == 0;
}

// N copies of one generated WAV: name%04d.wav in folder.
QStringList wavCopies(const QString& folder, int n, double secondsLong, int channels)
{
    QDir().mkpath(folder);
    const QString first = folder + "/f0000.wav";
    if (!makeWav(first, secondsLong, channels))
        qFatal("the encoder could not make %s", qPrintable(first));
    QStringList files{first};
    for (int i = 1; i < n; ++i) {
        const QString p = folder + QStringLiteral("/f%1.wav").arg(i, 4, 10, QLatin1Char('0'));
        QFile::copy(first, p);
        files << p;
    }
    return files;
}

// Answers the completion alert and remembers that it came.
struct BenchDialogs : ModalDialogs {
    int alerts = 0;
    int runAlert(const QString&, const QString&, const QStringList&) override
    {
        ++alerts;
        return 1000;
    }
    std::optional<QStringList> pickFiles(const QString&) override { return std::nullopt; }
    std::optional<QUrl> pickFolder(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> pickInputFolder(const QString&) override { return std::nullopt; }
};

struct Window {
    BannerController c;
    BenchDialogs* dialogs;
    Window()
    {
        auto d = std::make_unique<BenchDialogs>();
        dialogs = d.get();
        c.setDialogs(std::move(d));
        c.mainWindow()->show();
        c.applicationDidFinishLaunching();
    }
    // Runs a batch to its completion alert; the wall time in ns.
    qint64 run(const QStringList& files)
    {
        QElapsedTimer clock;
        clock.start();
        const int before = dialogs->alerts;
        c.startnow(files);
        while (dialogs->alerts == before)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); // blocks: no busy loop in the harness
        return clock.nsecsElapsed();
    }
};

// Starts argv with its standard streams on /dev/null, without waiting; true when it started.
bool spawnQuiet(const QStringList& args)
{
    Argv argv(args);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const bool started = posix_spawn(&pid, argv.data()[0], &fa, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&fa);
    return started;
}

// The same commands, k conversions at a time, by a plain program: a probe first
// (or none: the bare conversions, the most the machine can do with one encoder
// start per file), then a conversion started without waiting; a full set waits
// for any one to end.
qint64 plainKAtATime(const QStringList& files, int k, bool probeFirst)
{
    QElapsedTimer clock;
    clock.start();
    const engine::ConversionSettings s{"mp3", "192", "44100", 1, engine::kOriginalFolder, {}};
    int running = 0;
    const auto reapOne = [&] {
        int status = 0;
        while (waitpid(-1, &status, 0) < 0 && errno == EINTR) {
        }
        --running;
    };
    for (const QString& input : files) {
        if (running == k)
            reapOne();
        QDir().mkdir(engine::convertedFolder(input));
        if (probeFirst) {
            QByteArray probe;
            runPlain({encoderPath(), "-y", "-i", input}, -1, -1, &probe);
        }
        const QString output = engine::outputPath(input, s);
        QFile(output).open(QIODevice::WriteOnly); // reserved, as the program does
        running += spawnQuiet(engine::splitArguments(engine::commandText(encoderPath(), input, output, s))) ? 1 : 0;
    }
    while (running > 0)
        reapOne();
    return clock.nsecsElapsed();
}

void parallelBatch(const QString& work)
{
    const int n = 8, k = BannerController::maxJobs();
    QDir().mkpath(work + "/par");
    const QString first = work + "/par/f0.flac";
    if (runPlain({encoderPath(), "-v", "error", "-y", "-f", "lavfi", "-i", "sine=f=440:d=90", "-ac", "2", first}) != 0)
        qFatal("the encoder could not make %s", qPrintable(first));
    QStringList files{first};
    for (int i = 1; i < n; ++i) {
        files << work + QStringLiteral("/par/f%1.flac").arg(i);
        QFile::copy(first, files.last());
    }
    Window w;
    const auto appRun = [&](int jobs) {
        QDir(work + "/par/Converted").removeRecursively();
        w.c.outlets().cmbJobs->setCurrentIndex(jobs - 1);
        return w.run(files);
    };
    qint64 appK = std::numeric_limits<qint64>::max(), app1 = appK, plainK = appK;
    for (int round = 0; round < 3; ++round) {
        QDir(work + "/par/Converted").removeRecursively();
        plainK = std::min(plainK, plainKAtATime(files, k, true));
        appK = std::min(appK, appRun(k));
        app1 = std::min(app1, appRun(1));
    }
    const QString sizes = QStringLiteral("%1 x 90 s stereo FLAC -> mp3 192k, best of 3").arg(n);
    const double againstPlain = double(appK) / double(plainK);
    report({QStringLiteral("%1 files at once").arg(k), sizes, QStringLiteral("%1 s").arg(seconds(appK), 0, 'f', 2),
            QStringLiteral("%1 s: the same commands, %2 at a time").arg(seconds(plainK), 0, 'f', 2).arg(k),
            againstPlain, "<= 1.10", againstPlain <= 1.10});
    const double speedUp = double(appK) / double(app1);
    report({QStringLiteral("%1 at once vs 1").arg(k), sizes, QStringLiteral("%1 s").arg(seconds(appK), 0, 'f', 2),
            QStringLiteral("%1 s: one at a time").arg(seconds(app1), 0, 'f', 2), speedUp, "<= 0.60",
            speedUp <= 0.60});
}

// What one file at a time does, by a plain program: the probe; a file that is not
// audio is followed by the one-second pause; a duration to measure is measured
// through a WAV file; then the conversion.
// publish: each result is written under a hidden name, flushed to disk and
// renamed onto its own, as the program publishes a result.
qint64 plainProbeAndConvert(const QStringList& files, bool publish = false)
{
    QElapsedTimer clock;
    clock.start();
    const engine::ConversionSettings s{"mp3", "192", "44100", 1, engine::kOriginalFolder, {}};
    for (const QString& input : files) {
        QDir().mkdir(engine::convertedFolder(input));
        QByteArray probe;
        runPlain({encoderPath(), "-y", "-i", input}, -1, -1, &probe);
        const engine::InputFacts facts = engine::parseInputDump(QString::fromUtf8(probe), input);
        if (!facts.audio) {
            ::usleep(1000 * 1000);
            continue;
        }
        if (facts.durationText == QStringLiteral("N/A")) {
            const QString wav = engine::convertedFolder(input) + "measure.tmp";
            runPlain({encoderPath(), "-y", "-i", input, "-f", "wav", wav});
            QByteArray second;
            runPlain({encoderPath(), "-y", "-i", wav}, -1, -1, &second);
            QFile::remove(wav);
        }
        const QString output = engine::outputPath(input, s);
        if (!publish) {
            runPlain(engine::splitArguments(engine::commandText(encoderPath(), input, output, s)));
            continue;
        }
        const QString folder = engine::deletingLastPathComponent(output);
        const QString part = folder + "/." + engine::lastPathComponent(output) + ".part.mp3";
        runPlain(engine::splitArguments(engine::commandText(encoderPath(), input, part, s)));
        const int fd = ::open(QFile::encodeName(part).constData(), O_RDONLY | O_CLOEXEC);
        ::fsync(fd);
        ::close(fd);
        ::rename(QFile::encodeName(part).constData(), QFile::encodeName(output).constData());
        const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::fsync(dir);
        ::close(dir);
    }
    return clock.nsecsElapsed();
}

// The encoding alone: the same conversions in runs of `per` inputs and outputs
// each (each output mapped to its input), k runs at a time, by a plain program.
qint64 plainGroups(const QStringList& files, int k, int per)
{
    QElapsedTimer clock;
    clock.start();
    const engine::ConversionSettings s{"mp3", "192", "44100", 1, engine::kOriginalFolder, {}};
    int running = 0;
    for (qsizetype at = 0; at < files.size(); at += per) {
        if (running == k) {
            int status = 0;
            while (waitpid(-1, &status, 0) < 0 && errno == EINTR) {
            }
            --running;
        }
        QList<engine::GroupMember> members;
        for (qsizetype i = at; i < std::min<qsizetype>(files.size(), at + per); ++i) {
            QDir().mkdir(engine::convertedFolder(files[i]));
            members << engine::GroupMember{files[i], engine::outputPath(files[i], s), s.rate};
            QFile(members.last().encoderOutput).open(QIODevice::WriteOnly);
        }
        QStringList args = engine::groupArguments(encoderPath(), members, s);
        args[2] = QStringLiteral("error"); // what it says is not read here
        running += spawnQuiet(args) ? 1 : 0;
    }
    while (running > 0) {
        int status = 0;
        while (waitpid(-1, &status, 0) < 0 && errno == EINTR) {
        }
        --running;
    }
    return clock.nsecsElapsed();
}

// Short clips by the hundred and the thousand: against one encoder per file, k at a
// time (the most a program can do that starts the encoder once per file), and
// against the encoding alone.
void clipBatches(const QString& work)
{
    const int k = BannerController::maxJobs();
    struct Row {
        int count;
        double seconds;
        double target; // of the bare conversions; 0: none set
    };
    const int scale = qEnvironmentVariableIsSet("QELBENCH_CLIPS") ? qEnvironmentVariableIntValue("QELBENCH_CLIPS") : 2000;
    const Row rows[] = {{200, 3.0, 0.5}, {scale, 3.0, 0}, {200, 0.5, 0}, {scale, 0.5, 0.35}};
    Window w;
    w.c.outlets().cmbJobs->setCurrentIndex(k - 1);
    for (const Row& row : rows) {
        const QString folder = work + QStringLiteral("/clips-%1-%2").arg(row.count).arg(row.seconds);
        const QStringList clips = wavCopies(folder, row.count, row.seconds, 2);
        const auto clean = [&] { QDir(folder + "/Converted").removeRecursively(); };
        qint64 app = std::numeric_limits<qint64>::max(), bare = app, alone = app;
        for (int round = 0; round < 3; ++round) {
            clean();
            bare = std::min(bare, plainKAtATime(clips, k, false));
            clean();
            alone = std::min(alone, plainGroups(clips, k, 20));
            clean();
            app = std::min(app, w.run(clips));
        }
        clean();
        const double ratio = double(app) / double(bare);
        report({QStringLiteral("%1 x %2 s clips, %3 at once").arg(row.count).arg(row.seconds).arg(k),
                QStringLiteral("stereo WAV -> mp3 192k, best of 3; the encoding alone (runs of 20, %1 at a time): %2 s, "
                               "Qelvanto %3 of it")
                    .arg(k)
                    .arg(seconds(alone), 0, 'f', 2)
                    .arg(double(app) / double(alone), 0, 'f', 2),
                QStringLiteral("%1 s").arg(seconds(app), 0, 'f', 2),
                QStringLiteral("%1 s: one encoder per file, %2 at a time").arg(seconds(bare), 0, 'f', 2).arg(k), ratio,
                row.target > 0 ? QStringLiteral("<= %1").arg(row.target, 0, 'f', 2) : QStringLiteral("-"),
                row.target <= 0 || ratio <= row.target});
        QDir(folder).removeRecursively();
    }
}

// Short files, and a library folder of every kind, at one file and at one per core.
void shortFiles(const QString& work, bool clipsWanted, bool mixedWanted)
{
    const int k = BannerController::maxJobs();
    const int clipCount = qEnvironmentVariableIsSet("QELBENCH_CLIPS") ? qEnvironmentVariableIntValue("QELBENCH_CLIPS") : 200;
    const QStringList clips = wavCopies(work + "/clips", clipCount, 3.0, 2);
    const QString mixed = work + "/mixed";
    QDir().mkpath(mixed);
    const QString e = encoderPath();
    const QStringList tone{"-f", "lavfi", "-i", "sine=f=440:d=30", "-ac", "2"};
    bool made = runPlain(QStringList{e, "-v", "error", "-y"} + tone + QStringList{mixed + "/a.flac"}) == 0
             && runPlain(QStringList{e, "-v", "error", "-y"} + tone + QStringList{mixed + "/b.ogg"}) == 0
             && runPlain(QStringList{e, "-v", "error", "-y"} + tone + QStringList{mixed + "/c.m4a"}) == 0
             && runPlain({e, "-v", "error", "-y", "-f", "lavfi", "-i", "color=c=red:s=64x64", "-frames:v", "1",
                          mixed + "/cover.png"}) == 0
             && runPlain(QStringList{e, "-v", "error", "-y"} + tone
                         + QStringList{"-i", mixed + "/cover.png", "-map", "0", "-map", "1", "-c:v", "png",
                                       "-disposition:v", "attached_pic", mixed + "/d.mp3"}) == 0;
    {
        // Streamed Matroska states no duration.
        const int fd = ::open(QFile::encodeName(mixed + "/e.mka").constData(), O_CREAT | O_WRONLY | O_TRUNC | O_CLOEXEC, 0644);
        made = made && runPlain(QStringList{e, "-v", "error"} + tone + QStringList{"-f", "matroska", "-"}, fd) == 0;
        ::close(fd);
    }
    if (!made)
        qFatal("the encoder could not make the mixed folder");
    for (int i = 0; i < 5; ++i) {
        QFile text(mixed + QStringLiteral("/notes%1.txt").arg(i));
        text.open(QIODevice::WriteOnly);
        text.write("not audio\n");
    }
    QStringList mixedFiles;
    for (const QString& name : QDir(mixed).entryList(QDir::Files, QDir::Name))
        mixedFiles << mixed + "/" + name;

    Window w;
    const auto clean = [&] {
        QDir(work + "/clips/Converted").removeRecursively();
        QDir(mixed + "/Converted").removeRecursively();
    };
    const auto appRun = [&](const QStringList& files, int jobs) {
        clean();
        w.c.outlets().cmbJobs->setCurrentIndex(jobs - 1);
        return w.run(files);
    };
    struct Row { QString name; QStringList files; QString sizes; double manyTarget; };
    const Row rows[] = {{"short clips", clips, QStringLiteral("%1 x 3 s stereo WAV -> mp3 192k, best of 3").arg(clipCount), 0.5},
                        {"mixed folder", mixedFiles,
                         "FLAC, MP3 with cover, Ogg, M4A, streamed MKA (30 s each), 5 texts, a picture; best of 3", 1.15}};
    for (const Row& row : rows) {
        if (!(&row == &rows[0] ? clipsWanted : mixedWanted))
            continue;
        // Rounds interleaved, so that a change in the machine's load hits all four alike.
        qint64 bareK = std::numeric_limits<qint64>::max(), appK = bareK, plain1 = bareK, app1 = bareK;
        for (int round = 0; round < 3; ++round) {
            clean();
            bareK = std::min(bareK, plainKAtATime(row.files, k, false));
            appK = std::min(appK, appRun(row.files, k));
            clean();
            plain1 = std::min(plain1, plainProbeAndConvert(row.files));
            app1 = std::min(app1, appRun(row.files, 1));
        }
        const double many = double(appK) / double(bareK), one = double(app1) / double(plain1);
        report({QStringLiteral("%1, %2 at once").arg(row.name).arg(k), row.sizes,
                QStringLiteral("%1 s").arg(seconds(appK), 0, 'f', 2),
                QStringLiteral("%1 s: the bare conversions, %2 at a time").arg(seconds(bareK), 0, 'f', 2).arg(k), many,
                QStringLiteral("<= %1").arg(row.manyTarget, 0, 'f', 2), many <= row.manyTarget});
        report({QStringLiteral("%1, 1 file").arg(row.name), row.sizes, QStringLiteral("%1 s").arg(seconds(app1), 0, 'f', 2),
                QStringLiteral("%1 s: the probe-and-convert loop").arg(seconds(plain1), 0, 'f', 2), one, "<= 1.05",
                one <= 1.05});
    }
}

void batchOverhead(const QString& work)
{
    const int n = 40;
    const QStringList appFiles = wavCopies(work + "/app", n, 10.0, 2);
    const QStringList plainFiles = wavCopies(work + "/plain", n, 10.0, 2);
    Window w;
    qint64 app = std::numeric_limits<qint64>::max(), plain = app, published = app;
    for (int round = 0; round < 3; ++round) {
        QDir(work + "/plain/Converted").removeRecursively();
        plain = std::min(plain, plainProbeAndConvert(plainFiles));
        QDir(work + "/plain/Converted").removeRecursively();
        published = std::min(published, plainProbeAndConvert(plainFiles, true));
        QDir(work + "/app/Converted").removeRecursively();
        app = std::min(app, w.run(appFiles));
    }
    const double ratio = double(app) / double(plain);
    report({"batch overhead", QStringLiteral("%1 x 10 s stereo WAV -> mp3 192k, best of 3").arg(n),
            QStringLiteral("%1 s").arg(seconds(app), 0, 'f', 2), QStringLiteral("%1 s").arg(seconds(plain), 0, 'f', 2),
            ratio, "<= 1.05", ratio <= 1.05});
    const double publishing = double(published) / double(plain);
    report({"publishing", QStringLiteral("the same %1 conversions by a plain program, each result flushed and renamed").arg(n),
            QStringLiteral("%1 s").arg(seconds(published), 0, 'f', 2),
            QStringLiteral("%1 s: written under its name").arg(seconds(plain), 0, 'f', 2), publishing, "<= 1.03",
            publishing <= 1.03});
}

void steadyBatch(const QString& work, int n)
{
    const QStringList files = wavCopies(work + "/steady", n, 0.1, 1);
    Window w;
    struct Mark { qint64 wall, cpu; };
    std::vector<Mark> marks;
    QElapsedTimer clock;
    clock.start();
    int maxTimers = 0;
    qint64 rssAfterFirst = 0;
    w.c.setRunnerFactory([&](const QStringList& arguments) {
        marks.push_back({clock.nsecsElapsed(), threadCpuNs()});
        maxTimers = std::max(maxTimers, w.c.liveProgressTimers());
        if (marks.size() == 2)
            rssAfterFirst = residentBytes();
        return KVShellWrapper::create({}, {}, {}, QStringLiteral("."), std::nullopt, arguments, nullptr);
    });
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout,
                     [&] { maxTimers = std::max(maxTimers, w.c.liveProgressTimers()); });
    sampler.start(50);
    const qint64 total = w.run(files);
    marks.push_back({clock.nsecsElapsed(), threadCpuNs()});
    const qint64 rssAfter = residentBytes();
    // Main-thread CPU per wall second over twenty files from the given one on.
    auto load = [&](size_t from) {
        from = std::min(from, marks.size() - 21);
        const Mark a = marks[from], b = marks[from + 20];
        return double(b.cpu - a.cpu) / double(b.wall - a.wall);
    };
    const size_t late = size_t(std::max(11, n * 19 / 20)); // file 1,900 of 2,000
    const double early = load(9), lateLoad = load(late - 1);
    const double ratio = lateLoad / early;
    const QString sizes = QStringLiteral("%1 x 0.1 s mono WAV, files 10 and %2, %3 s in all")
                              .arg(n).arg(late).arg(seconds(total), 0, 'f', 0);
    report({"steady main thread", sizes, QStringLiteral("%1 ms/s").arg(lateLoad * 1000, 0, 'f', 1),
            QStringLiteral("%1 ms/s").arg(early * 1000, 0, 'f', 1), ratio, "<= 1.2", ratio <= 1.2});
    report({"progress timers", sizes, QStringLiteral("at most %1 alive").arg(maxTimers), "1", double(maxTimers),
            "<= 1", maxTimers <= 1});
    const double grownMiB = double(rssAfter - rssAfterFirst) / 1048576.0;
    report({"memory", sizes + QStringLiteral(", console %1 chars").arg(w.c.outlets().textOutlet->toPlainText().size()),
            QStringLiteral("%1 MiB after the batch").arg(double(rssAfter) / 1048576.0, 0, 'f', 1),
            QStringLiteral("%1 MiB after file 1").arg(double(rssAfterFirst) / 1048576.0, 0, 'f', 1),
            grownMiB, "growth <= 64 MiB", grownMiB <= 64.0});
}

void inputCollection(const QString& work)
{
    const QString root = work + "/tree";
    const int folders = 1000, perFolder = 100;
    for (int d = 0; d < folders; ++d) {
        const QByteArray dir = QFile::encodeName(root + QStringLiteral("/d%1/s%2").arg(d / 10).arg(d));
        QDir().mkpath(QString::fromLocal8Bit(dir));
        for (int f = 0; f < perFolder; ++f) {
            const QByteArray file = dir + "/track " + QByteArray::number(f) + ".ogg";
            ::close(::open(file.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644));
        }
    }
    auto timeFind = [&] {
        QElapsedTimer t;
        t.start();
        runPlain({"/usr/bin/find", root, "-type", "f"});
        return t.nsecsElapsed();
    };
    auto timeCollect = [&] {
        QElapsedTimer t;
        t.start();
        const QStringList list = engine::collectInputs({root});
        const qint64 ns = t.nsecsElapsed();
        if (list.size() != folders * perFolder)
            qFatal("collected %lld files", static_cast<long long>(list.size()));
        return ns;
    };
    timeFind();
    timeCollect(); // both with a warm cache
    qint64 find = std::numeric_limits<qint64>::max(), collect = find;
    for (int i = 0; i < 5; ++i) {
        find = std::min(find, timeFind());
        collect = std::min(collect, timeCollect());
    }
    const double ratio = double(collect) / double(find);
    report({"input collection", QStringLiteral("%1 files in %2 folders, best of 5").arg(folders * perFolder).arg(folders),
            QStringLiteral("%1 ms").arg(collect / 1e6, 0, 'f', 0), QStringLiteral("find %1 ms").arg(find / 1e6, 0, 'f', 0),
            ratio, "<= 1.5", ratio <= 1.5});
}

void fillPattern(char* buf, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        buf[i] = (i % 64 == 63) ? '\n' : char('a' + i % 26);
}

// The flooding child: the same ASCII pattern to stdout and stderr at once.
int floodChild(long long total)
{
    static char buf[65536];
    fillPattern(buf, sizeof buf);
    long long done[2] = {0, 0};
    while (done[0] < total || done[1] < total) {
        pollfd p[2] = {{1, POLLOUT, 0}, {2, POLLOUT, 0}};
        if (poll(p, 2, -1) < 0 && errno != EINTR)
            return 1;
        for (int s = 0; s < 2; ++s) {
            if (done[s] >= total || !(p[s].revents & POLLOUT))
                continue;
            const ssize_t w = ::write(s + 1, buf, size_t(std::min<long long>(total - done[s], sizeof buf)));
            if (w < 0 && errno != EINTR && errno != EAGAIN)
                return 1;
            done[s] += std::max<ssize_t>(w, 0);
        }
    }
    return 0;
}

struct CountingDelegate : KVShellWrapperDelegate {
    qint64 bytes = 0;
    bool finished = false;
    void processAppendOutput(KVShellWrapper*, const QVariant& chunk) override { bytes += chunk.toString().size(); }
    void processAppendError(KVShellWrapper*, const QString& chunk) override { bytes += chunk.size(); }
    void processStarted(KVShellWrapper*) override {}
    void processFinishedWithTerminationStatus(KVShellWrapper*, int) override { finished = true; }
};

void runnerThroughput(const QString& work)
{
    const long long perStream = 256LL << 20;
    // The baseline: cat of the same bytes, read from a plain pipe.
    const QString file = work + "/flood.txt";
    {
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        QByteArray chunk(1 << 20, Qt::Uninitialized);
        fillPattern(chunk.data(), size_t(chunk.size()));
        for (long long i = 0; i < 2 * perStream; i += chunk.size())
            f.write(chunk);
    }
    auto timeCat = [&] {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0)
            qFatal("pipe");
        QElapsedTimer t;
        t.start();
        std::vector<QByteArray> argv{"/bin/cat", QFile::encodeName(file)};
        char* args[] = {argv[0].data(), argv[1].data(), nullptr};
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_adddup2(&fa, fds[1], 1);
        pid_t pid;
        posix_spawn(&pid, args[0], &fa, nullptr, args, environ);
        posix_spawn_file_actions_destroy(&fa);
        ::close(fds[1]);
        static char buf[256 * 1024];
        long long got = 0;
        for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) != 0;)
            got += n > 0 ? n : 0;
        ::close(fds[0]);
        waitpid(pid, nullptr, 0);
        if (got != 2 * perStream)
            qFatal("cat gave %lld bytes", got);
        return t.nsecsElapsed();
    };
    auto timeRunner = [&] {
        CountingDelegate d;
        QElapsedTimer t;
        t.start();
        auto runner = KVShellWrapper::create({}, {}, {}, QStringLiteral("."), std::nullopt,
                                             {QCoreApplication::applicationFilePath(), "--flood",
                                              QString::number(perStream)},
                                             nullptr);
        runner->setDelegate(&d);
        runner->setOutputStringEncoding(1); // as the driver reads the encoder
        runner->startProcess();
        while (!d.finished)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); // blocks: no busy loop in the harness
        if (d.bytes != 2 * perStream)
            qFatal("the runner delivered %lld bytes", static_cast<long long>(d.bytes));
        return t.nsecsElapsed();
    };
    timeCat();
    qint64 cat = std::numeric_limits<qint64>::max(), runner = cat;
    for (int i = 0; i < 3; ++i) {
        cat = std::min(cat, timeCat());
        runner = std::min(runner, timeRunner());
    }
    QFile::remove(file);
    const double mib = double(2 * perStream) / 1048576.0;
    const double runnerRate = mib / seconds(runner), catRate = mib / seconds(cat);
    const double ratio = runnerRate / catRate;
    report({"runner throughput", QStringLiteral("256 MiB on stdout + 256 MiB on stderr, best of 3"),
            QStringLiteral("%1 MiB/s").arg(runnerRate, 0, 'f', 0), QStringLiteral("cat %1 MiB/s").arg(catRate, 0, 'f', 0),
            ratio, ">= 0.5", ratio >= 0.5});
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--flood") == 0)
        return floodChild(std::atoll(argv[2]));
    int files = 2000;
    QString only;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--files") == 0)
            files = std::max(40, std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--only") == 0)
            only = QString::fromLocal8Bit(argv[i + 1]);
    }
    QTemporaryDir work(QDir::tempPath() + "/qelbench-XXXXXX");
    // Settings of a benchmark run stay out of the user's own.
    qputenv("XDG_DATA_HOME", QFile::encodeName(work.filePath("data")));
    QApplication app(argc, argv);
    if (encoderPath().isEmpty())
        qFatal("no encoder in %s", qPrintable(platform::resourceSearchDirs().join(", ")));
    const auto wanted = [&](const char* name) { return only.isEmpty() || only == QLatin1String(name); };
    if (wanted("runner"))
        runnerThroughput(work.path());
    if (wanted("collect"))
        inputCollection(work.path());
    if (wanted("batch"))
        batchOverhead(work.path());
    if (wanted("steady"))
        steadyBatch(work.path(), files);
    if (wanted("parallel"))
        parallelBatch(work.path());
    if (wanted("short") || only == QLatin1String("mixed"))
        shortFiles(work.path(), only != QLatin1String("mixed"), true);
    if (wanted("clips"))
        clipBatches(work.path());
    int missed = 0;
    for (const Result& r : results)
        missed += r.met ? 0 : 1;
    std::printf("%lld benchmarks, %d missed\n", static_cast<long long>(results.size()), missed);
    return missed == 0 ? 0 : 1;
}
