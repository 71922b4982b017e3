#include "TestSupport.h"

#include "platform/Task.h"
#include "platform/TextCodec.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QElapsedTimer>

#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/wait.h>

namespace {

std::shared_ptr<KVShellWrapper> shellRunner(const QString& script)
{
    return KVShellWrapper::create({}, {}, {}, QStringLiteral("."), std::nullopt,
                                  {QStringLiteral("/bin/sh"), QStringLiteral("-c"), script}, nullptr);
}

int openDescriptors()
{
    int n = 0;
    DIR* d = opendir("/proc/self/fd");
    while (dirent* e = readdir(d))
        if (e->d_name[0] != '.')
            ++n;
    closedir(d);
    return n;
}

// Descriptors this process would hand to any child: those without close-on-exec.
QByteArray inheritableDescriptors()
{
    QByteArray list;
    DIR* d = opendir("/proc/self/fd");
    QList<int> fds;
    while (dirent* e = readdir(d)) {
        const int fd = atoi(e->d_name);
        if (e->d_name[0] != '.' && fd > 2 && fd != dirfd(d) && !(fcntl(fd, F_GETFD) & FD_CLOEXEC))
            fds << fd;
    }
    closedir(d);
    std::sort(fds.begin(), fds.end());
    for (int fd : fds)
        list += QByteArray::number(fd) + '\n';
    return list;
}

bool hasZombieChild()
{
    int status;
    // A zombie would be reaped here; nothing of ours may be left for it.
    return ::waitpid(-1, &status, WNOHANG) > 0;
}

QByteArray pattern(qint64 n, int stream)
{
    QByteArray b(n, Qt::Uninitialized);
    for (qint64 i = 0; i < n; ++i)
        b[i] = char((i * 31 + stream * 7) & 0xff);
    return b;
}

} // namespace

class RunnerTest : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnEveryWarning(); }
    void reportsChunksInOrderAndOneEnd_data();
    void reportsChunksInOrderAndOneEnd();
    void stopEndsTheChildWithItsSignal();
    void memoryBound_data();
    void memoryBound();
    void stopWorksWhenTheAppIgnoresTerm();
    void floodsOnBothPipesArriveWhole();
    void ownerDropsRunnerMidRun();
    void ownerDropsRunnerInsideFinish();
    void nextRunnerStartsInsideFinish();
    void launchFailuresReportNothingAfterStart_data();
    void launchFailuresReportNothingAfterStart();
    void undecodableChunkIsDroppedAndLogged();
    void binaryOutputKeepsBytesButErrorIsText();
    void childrenInheritNoDescriptor();
    void helperHoldingThePipes_data();
    void helperHoldingThePipes();
    void statusSurvivesIgnoredChildSignal();
    void failedLaunchesLeakNothing();
    void argumentVectorOfOneElement();
    void suppliedStreamsWork();
};

void RunnerTest::reportsChunksInOrderAndOneEnd_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    QTest::addColumn<int>("status");
    QTest::newRow("stderr only") << "for i in 1 2 3 4 5; do echo line$i >&2; sleep 0.02; done; exit 4"
                                 << QByteArray() << QByteArray("line1\nline2\nline3\nline4\nline5\n") << 4;
    QTest::newRow("silent, exit 3") << "exit 3" << QByteArray() << QByteArray() << 3;
    QTest::newRow("stdout then stderr at exit") << "echo out; printf tail >&2" << QByteArray("out\n")
                                                << QByteArray("tail") << 0;
    QTest::newRow("stderr written after stdout closed")
        << "exec 1>&-; sleep 0.2; printf late >&2" << QByteArray() << QByteArray("late") << 0;
}

void RunnerTest::reportsChunksInOrderAndOneEnd()
{
    QFETCH(QString, script);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QFETCH(int, status);
    RecordingDelegate d;
    auto w = shellRunner(script);
    w->setDelegate(&d);
    w->startProcess();
    QCOMPARE(d.events.first(), QStringLiteral("started"));
    QTRY_COMPARE_WITH_TIMEOUT(d.finishedCount, 1, 10000);
    QCOMPARE(d.out, out);
    QCOMPARE(d.err, err);
    QCOMPARE(d.status, status);
    QCOMPARE(d.events.last(), QStringLiteral("finished"));
    QTest::qWait(100); // a late second termination event would show here
    QCOMPARE(d.finishedCount, 1);
    QCOMPARE(w->delegate(), nullptr);
}

void RunnerTest::memoryBound_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<int>("megabytes");
    QTest::addColumn<int>("status");
    QTest::newRow("greedy child held") << (qint64(256) << 20) << 2048 << 3;
    QTest::newRow("no bound") << qint64(0) << 300 << 0;
    QTest::newRow("the encoder's bound leaves room") << platform::defaultChildMemoryLimit() << 300 << 0;
}

void RunnerTest::memoryBound()
{
    QFETCH(qint64, limit);
    QFETCH(int, megabytes);
    QFETCH(int, status);
    RecordingDelegate d;
    auto w = KVShellWrapper::create({}, {}, {}, std::nullopt, std::nullopt,
                                    {QStringLiteral(CHILDHELPER), QStringLiteral("alloc"), QString::number(megabytes)},
                                    nullptr);
    w->setDelegate(&d);
    w->setChildMemoryLimit(limit);
    w->startProcess();
    QTRY_COMPARE_WITH_TIMEOUT(d.finishedCount, 1, 30000);
    QCOMPARE(d.status, status);
}

void RunnerTest::stopEndsTheChildWithItsSignal()
{
    RecordingDelegate d;
    auto w = shellRunner(QStringLiteral("echo ready; exec sleep 30"));
    w->setDelegate(&d);
    w->stopProcess(); // before start: nothing happens
    w->startProcess();
    QTRY_VERIFY(d.out.contains("ready"));
    w->stopProcess();
    QTRY_COMPARE_WITH_TIMEOUT(d.finishedCount, 1, 5000);
    QCOMPARE(d.status, int(SIGTERM));
}

void RunnerTest::stopWorksWhenTheAppIgnoresTerm()
{
    // The child must start with default dispositions and an empty mask.
    auto old = std::signal(SIGTERM, SIG_IGN);
    sigset_t set, oldset;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigprocmask(SIG_BLOCK, &set, &oldset);
    RecordingDelegate d;
    auto w = KVShellWrapper::create({}, {}, {}, std::nullopt, std::nullopt,
                                    {QStringLiteral(CHILDHELPER), QStringLiteral("sigmask")}, nullptr);
    w->setDelegate(&d);
    w->startProcess();
    QTRY_COMPARE_WITH_TIMEOUT(d.finishedCount, 1, 5000);
    sigprocmask(SIG_SETMASK, &oldset, nullptr);
    std::signal(SIGTERM, old);
    QCOMPARE(d.out, QByteArray("0 0\n"));
}

void RunnerTest::floodsOnBothPipesArriveWhole()
{
    const qint64 size = 64ll * 1024 * 1024;
    RecordingDelegate d;
    d.out.reserve(size);
    d.err.reserve(size);
    auto w = KVShellWrapper::create({}, {}, {}, std::nullopt, std::nullopt,
                                    {QStringLiteral(CHILDHELPER), QStringLiteral("flood"), QString::number(size)},
                                    nullptr);
    w->setBinaryOutput(true);
    w->setOutputStringEncoding(platform::ASCIIStringEncoding);
    // Standard error is decoded as text; its pattern holds bytes above 127, so
    // count raw bytes through an encoding that takes every byte.
    struct Bytes : RecordingDelegate {
        QCryptographicHash outHash{QCryptographicHash::Sha256}, errHash{QCryptographicHash::Sha256};
        qint64 outBytes = 0;
        void processAppendOutput(KVShellWrapper*, const QVariant& c) override
        {
            const QByteArray b = c.toByteArray();
            outHash.addData(b);
            outBytes += b.size();
        }
    } bytes;
    w->setDelegate(&bytes);
    w->startProcess();
    QTRY_COMPARE_WITH_TIMEOUT(bytes.finishedCount, 1, 120000);
    QCOMPARE(bytes.status, 0);
    QCOMPARE(bytes.outBytes, size);
    QCOMPARE(bytes.outHash.result(), QCryptographicHash::hash(pattern(size, 0), QCryptographicHash::Sha256));
}

void RunnerTest::ownerDropsRunnerMidRun()
{
    RecordingDelegate d;
    {
        auto w = shellRunner(QStringLiteral("sleep 0.2; echo done"));
        w->setDelegate(&d);
        w->startProcess();
    } // the owner lets go while the child runs
    QTRY_COMPARE_WITH_TIMEOUT(d.finishedCount, 1, 5000);
    QCOMPARE(d.out, QByteArray("done\n"));
}

void RunnerTest::ownerDropsRunnerInsideFinish()
{
    RecordingDelegate d;
    auto w = shellRunner(QStringLiteral("echo x"));
    std::weak_ptr<KVShellWrapper> weak = w;
    d.onFinished = [&](KVShellWrapper*, int) { w.reset(); };
    w->setDelegate(&d);
    w->startProcess();
    QTRY_COMPARE_WITH_TIMEOUT(d.finishedCount, 1, 5000);
    QVERIFY(weak.expired());
    QTest::qWait(50);
    QCOMPARE(d.finishedCount, 1);
}

void RunnerTest::nextRunnerStartsInsideFinish()
{
    RecordingDelegate first, second;
    std::shared_ptr<KVShellWrapper> next;
    auto w = shellRunner(QStringLiteral("echo one"));
    first.onFinished = [&](KVShellWrapper*, int) {
        w.reset();
        next = shellRunner(QStringLiteral("echo two; exit 5"));
        next->setDelegate(&second);
        next->startProcess();
    };
    w->setDelegate(&first);
    w->startProcess();
    QTRY_COMPARE_WITH_TIMEOUT(second.finishedCount, 1, 5000);
    QCOMPARE(first.out, QByteArray("one\n"));
    QCOMPARE(second.out, QByteArray("two\n"));
    QCOMPARE(second.status, 5);
    QCOMPARE(first.finishedCount, 1);
}

void RunnerTest::launchFailuresReportNothingAfterStart_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("name");
    QTest::newRow("missing program") << QStringList{QStringLiteral("/nonexistent/program")} << "."
                                     << "NSInvalidArgumentException";
    QTest::newRow("not executable") << QStringList{QStringLiteral("/etc/hostname")} << "."
                                    << "NSInvalidArgumentException";
    QTest::newRow("bad directory") << QStringList{QStringLiteral("/bin/true")} << "/nonexistent/dir"
                                   << "NSInvalidArgumentException";
    QTest::newRow("empty vector") << QStringList{} << "." << "NSRangeException";
}

void RunnerTest::launchFailuresReportNothingAfterStart()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, directory);
    QFETCH(QString, name);
    RecordingDelegate d;
    {
        auto w = KVShellWrapper::create({}, {}, {}, directory, std::nullopt, arguments, nullptr);
        w->setDelegate(&d);
        bool thrown = false;
        try {
            w->startProcess();
        } catch (const std::exception& e) {
            thrown = true;
            QCOMPARE(exceptionName(e), name);
        }
        QVERIFY(thrown);
    }
    QTest::qWait(100); // a stray event would reach the destroyed runner here
    QCOMPARE(d.events, QStringList{QStringLiteral("started")});
}

void RunnerTest::undecodableChunkIsDroppedAndLogged()
{
    QLoggingCategory::setFilterRules(QStringLiteral("qelvanto.runner.debug=true"));
    LogCapture log;
    RecordingDelegate d;
    auto w = shellRunner(QStringLiteral("printf 'caf\\303\\251'; sleep 0.2; printf plain"));
    w->setOutputStringEncoding(platform::ASCIIStringEncoding);
    w->setDelegate(&d);
    w->startProcess();
    QTRY_COMPARE_WITH_TIMEOUT(d.finishedCount, 1, 5000);
    QLoggingCategory::setFilterRules(QString());
    QCOMPARE(d.out, QByteArray("plain"));
    QVERIFY(log.captured.contains(QStringLiteral("KVShellWrapper - not able to encode output. Specified encoding: 1")));
}

void RunnerTest::binaryOutputKeepsBytesButErrorIsText()
{
    RecordingDelegate d;
    auto w = shellRunner(QStringLiteral("printf '\\377\\001'; printf text >&2"));
    w->setBinaryOutput(true);
    w->setDelegate(&d);
    w->startProcess();
    QTRY_COMPARE_WITH_TIMEOUT(d.finishedCount, 1, 5000);
    QCOMPARE(d.outChunks.size(), 1);
    QCOMPARE(d.outChunks.first().metaType(), QMetaType::fromType<QByteArray>());
    QCOMPARE(d.out, QByteArray("\xff\x01"));
    QCOMPARE(d.err, QByteArray("text"));
}

void RunnerTest::childrenInheritNoDescriptor()
{
    // One descriptor that any child would inherit, left open as a careless library might.
    const int careless = ::open("/dev/null", O_RDONLY);
    QVERIFY(careless > 2);
    QVERIFY(inheritableDescriptors().contains(QByteArray::number(careless) + '\n'));
    RecordingDelegate slow, fast;
    auto a = shellRunner(QStringLiteral("sleep 3"));
    a->setDelegate(&slow);
    a->startProcess();
    auto b = KVShellWrapper::create({}, {}, {}, std::nullopt, std::nullopt,
                                    {QStringLiteral(CHILDHELPER), QStringLiteral("fds")}, nullptr);
    b->setDelegate(&fast);
    b->startProcess();
    // The second child's end is reported while the first still runs: it held none of its pipes.
    QTRY_COMPARE_WITH_TIMEOUT(fast.finishedCount, 1, 2000);
    QCOMPARE(slow.finishedCount, 0);
    QList<QByteArray> seen = fast.out.split('\n');
    seen.removeAll(QByteArray());
    std::sort(seen.begin(), seen.end(), [](const QByteArray& x, const QByteArray& y) { return x.toInt() < y.toInt(); });
    ::close(careless);
    QCOMPARE(seen, QList<QByteArray>());
    a->stopProcess();
    QTRY_COMPARE_WITH_TIMEOUT(slow.finishedCount, 1, 5000);
}

void RunnerTest::helperHoldingThePipes_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("stop");
    QTest::addColumn<int>("status");
    // The child starts a helper that keeps its standard output and error open.
    QTest::newRow("child exits") << "sleep 30 & echo $!; printf said >&2; exit 5" << false << 5;
    QTest::newRow("child stopped") << "sleep 30 & echo $!; printf said >&2; wait" << true << int(SIGTERM);
}

void RunnerTest::helperHoldingThePipes()
{
    QFETCH(QString, script);
    QFETCH(bool, stop);
    QFETCH(int, status);
    RecordingDelegate d;
    auto w = shellRunner(script);
    w->setDelegate(&d);
    // The event loop must never stall while the end is awaited.
    QElapsedTimer clock;
    qint64 last = 0, longestStall = 0;
    QTimer beat;
    beat.setInterval(5);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longestStall = std::max(longestStall, clock.elapsed() - last);
        last = clock.elapsed();
    });
    clock.start();
    beat.start();
    w->startProcess();
    QTRY_VERIFY(d.out.endsWith('\n') && d.err == "said");
    const pid_t helper = pid_t(d.out.trimmed().toInt());
    QVERIFY(helper > 0);
    if (stop)
        w->stopProcess();
    const qint64 asked = clock.elapsed();
    QTRY_COMPARE_WITH_TIMEOUT(d.finishedCount, 1, 2 * KVShellWrapper::kEndGraceMs);
    beat.stop();
    QVERIFY2(clock.elapsed() - asked < KVShellWrapper::kEndGraceMs + 1000, "the end came after the grace");
    QVERIFY2(longestStall < 100, qPrintable(QString::number(longestStall)));
    QCOMPARE(d.status, status);
    // Stop reaches the whole group, the helper too; otherwise it is left to run.
    const auto alive = [helper] {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(helper));
        return stat.open(QIODevice::ReadOnly) && !stat.readAll().contains(") Z ");
    };
    if (stop)
        QTRY_VERIFY(!alive());
    else
        QVERIFY(alive());
    ::kill(helper, SIGKILL);
}

void RunnerTest::statusSurvivesIgnoredChildSignal()
{
    // A parent may start the program with SIGCHLD ignored; statuses must stay true.
    auto old = std::signal(SIGCHLD, SIG_IGN);
    RecordingDelegate d;
    auto w = shellRunner(QStringLiteral("exit 3"));
    w->setDelegate(&d);
    w->startProcess();
    QTRY_COMPARE_WITH_TIMEOUT(d.finishedCount, 1, 5000);
    QCOMPARE(d.status, 3);
    std::signal(SIGCHLD, old);
}

void RunnerTest::failedLaunchesLeakNothing()
{
    const int before = openDescriptors();
    for (int i = 0; i < 1000; ++i) {
        auto w = KVShellWrapper::create({}, {}, {}, std::nullopt, std::nullopt,
                                        {QStringLiteral("/nonexistent")}, nullptr);
        try {
            w->startProcess();
        } catch (const std::exception&) {
        }
    }
    QCOMPARE(openDescriptors(), before);
    QVERIFY(!hasZombieChild());
}

void RunnerTest::argumentVectorOfOneElement()
{
    RecordingDelegate d;
    auto w = KVShellWrapper::create({}, {}, {}, std::nullopt, std::nullopt, {QStringLiteral("/bin/pwd")}, nullptr);
    w->setDelegate(&d);
    w->startProcess();
    QTRY_COMPARE_WITH_TIMEOUT(d.finishedCount, 1, 5000);
    QCOMPARE(d.status, 0);
    QCOMPARE(d.out.trimmed(), QDir::currentPath().toLocal8Bit());
    QVERIFY(!hasZombieChild());
}

void RunnerTest::suppliedStreamsWork()
{
    QTemporaryDir dir;
    auto in = platform::Pipe::create();
    auto out = platform::Pipe::create();
    QFile file(dir.filePath(QStringLiteral("err.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    auto errHandle = std::make_shared<platform::FileHandle>(dup(file.handle()));
    RecordingDelegate d;
    auto w = KVShellWrapper::create(in, out, errHandle, std::nullopt,
                                    KVShellWrapper::Environment{{QStringLiteral("GREETING"), QStringLiteral("hi")}},
                                    {QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                                     QStringLiteral("read x; echo \"$GREETING $x\"; echo to-file >&2")},
                                    nullptr);
    w->setDelegate(&d);
    w->startProcess();
    w->appendInput(QStringLiteral("there\n"));
    w->appendInput(QVariant(42)); // neither text nor bytes: nothing is written
    w->closeInput();
    QTRY_COMPARE_WITH_TIMEOUT(d.finishedCount, 1, 5000);
    QCOMPARE(d.out, QByteArray("hi there\n"));
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("to-file\n"));
}

QTEST_GUILESS_MAIN(RunnerTest)
#include "tst_runner.moc"
