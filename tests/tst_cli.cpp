// `qelvanto --convert` as a person runs it from a shell: the real program, with no
// display, on audio made by the real encoder, with real folders and signals.
#include "TestSupport.h"
#include "engine/Choices.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

class CliTest : public QObject {
    Q_OBJECT
    QTemporaryDir sources; // made once, copied into each case's own folder

    struct Run {
        int status = -1;
        QByteArray out, err;
    };
    // The program without a display, its settings folder in home.
    static void prepare(QProcess& p, const QString& work, const QString& home)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home);
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(work);
    }
    static Run run(const QStringList& args, const QString& work, const QString& home)
    {
        QProcess p;
        prepare(p, work, home);
        p.start(QStringLiteral(QELVANTO_EXE), args);
        Run r;
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
            return r;
        r.status = p.exitCode();
        r.out = p.readAllStandardOutput();
        r.err = p.readAllStandardError();
        return r;
    }
    // Every file below a folder, relative to it, with its size.
    static QStringList tree(const QString& folder)
    {
        QStringList files;
        QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            files << QDir(folder).relativeFilePath(it.filePath()) + QStringLiteral(" ") + QString::number(it.fileInfo().size());
        }
        files.sort();
        return files;
    }
    void copySources(const QString& work)
    {
        for (const QString& entry : tree(sources.path())) {
            const QString rel = entry.section(QLatin1Char(' '), 0, -2);
            QDir().mkpath(QFileInfo(work + QLatin1Char('/') + rel).path());
            QVERIFY(QFile::copy(sources.filePath(rel), work + QLatin1Char('/') + rel));
        }
    }
    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }

private slots:
    void init() { failOnEveryWarning(); }
    void initTestCase();
    void converts_data();
    void converts();
    void failingAndMixed_data();
    void failingAndMixed();
    void badUsage_data();
    void badUsage();
    void nameThatIsNotUtf8();
    void interrupted_data();
    void interrupted();
    void againAfterAKill();
    void damagedInputs();
    void quietMeansQuiet();
    void progressOnATerminal();
    void shellCompletion_data();
    void shellCompletion();
};

void CliTest::initTestCase()
{
    QVERIFY(makeTone(sources.filePath("a.wav"), 1.0, 1));
    QVERIFY(makeTone(sources.filePath("Album/CD 1/b.flac"), 1.0, 2));
    // Twenty minutes at 8000 Hz: small, but several seconds of work for the encoder.
    QVERIFY(QDir().mkpath(sources.filePath("long")));
    QVERIFY(runEncoder({"-f", "lavfi", "-i", "sine=d=1200:sample_rate=8000", "-c:a", "pcm_u8",
                        sources.filePath("long/long.wav")}));
}

void CliTest::converts_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArrayList>("settings"); // setting.dat, jobs.dat, keepfolders.dat; empty: none
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<QString>("audio"); // codec, rate, channels of every output
    const QByteArrayList none{"", "", ""};
    QTest::newRow("first-start choices") << QStringList{"-c", "a.wav", "Album"} << none
                                         << QStringList{"Converted/a.mp3", "Album/CD 1/Converted/b.mp3"}
                                         << "mp3 44100 2";
    QTest::newRow("the window's saved choices")
        << QStringList{"--convert", "a.wav", "Album"} << QByteArrayList{"3,0,0,0", "2", ""}
        << QStringList{"Converted/a.ogg", "Album/CD 1/Converted/b.ogg"} << "vorbis 22050 1";
    QTest::newRow("options over the saved choices")
        << QStringList{"-c", "--format", "flac", "--rate", "48000", "--channels", "stereo", "a.wav"}
        << QByteArrayList{"3,0,0,0", "", ""} << QStringList{"Converted/a.flac"} << "flac 48000 2";
    QTest::newRow("one output folder")
        << QStringList{"-c", "--output", "out", "--format", "wav", "a.wav", "Album"} << none
        << QStringList{"out/a.wav", "out/b.wav"} << "pcm_s16le 44100 2";
    QTest::newRow("keep folders, two at once")
        << QStringList{"-c", "--output", "out", "--keep-folders", "--jobs", "2", "--format", "m4a", "a.wav", "Album"}
        << none << QStringList{"out/a.m4a", "out/Album/CD 1/b.m4a"} << "aac 44100 2";
    QTest::newRow("keep folders from the window's box")
        << QStringList{"-c", "--output", "out", "--rate", "32000", "Album"} << QByteArrayList{"", "", "1"}
        << QStringList{"out/Album/CD 1/b.mp3"} << "mp3 32000 2";
}

void CliTest::converts()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArrayList, settings);
    QFETCH(QStringList, outputs);
    QFETCH(QString, audio);
    QTemporaryDir work, home;
    copySources(work.path());
    QDir(work.filePath("long")).removeRecursively();
    QDir().mkpath(work.filePath("out"));
    const char* names[] = {"setting.dat", "jobs.dat", "keepfolders.dat"};
    for (int i = 0; i < 3; ++i)
        if (!settings[i].isEmpty())
            writeFile(home.filePath(QStringLiteral("Qelvanto/") + QLatin1String(names[i])), settings[i]);
    const QStringList inputs = tree(work.path());
    const QStringList saved = tree(home.path());

    const Run r = run(args, work.path(), home.path());
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray("Conversion Completed.\n"));
    // Not a terminal: one plain line per finished file.
    const QStringList lines = QString::fromUtf8(r.err).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), outputs.size());
    for (const QString& line : lines)
        QVERIFY2(line.contains(QStringLiteral(": converted to ")) && !line.contains(QChar(0x1b)), qPrintable(line));
    QStringList made = tree(work.path());
    for (const QString& i : inputs)
        made.removeOne(i);
    QStringList madeNames;
    for (const QString& m : made)
        madeNames << m.section(QLatin1Char(' '), 0, -2);
    QStringList expected = outputs;
    expected.sort();
    QCOMPARE(madeNames, expected);
    for (const QString& o : outputs) {
        const AudioInfo info = probeAudio(work.filePath(o));
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(info.codec).arg(info.rate).arg(info.channels), audio);
    }
    // The command line reads the settings; it never writes them.
    QCOMPARE(tree(home.path()), saved);
}

void CliTest::failingAndMixed_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("summary"); // its start; $W is the case's folder
    QTest::addColumn<QStringList>("outputs");
    QTest::newRow("not audio does not count against it")
        << QStringList{"-c", "a.wav", "notes.txt"} << 0
        << "Conversion Completed.\n1 file was not audio and was skipped.\n" << QStringList{"Converted/a.mp3"};
    QTest::newRow("every file refused")
        << QStringList{"-c", "--format", "ac3", "--rate", "22050", "a.wav", "Album"} << 1
        << "Conversion Completed.\n2 of 2 files failed.\n\n$W/a.wav: failed with result code "
        << QStringList{};
    QTest::newRow("one converted, one left out, one missing")
        << QStringList{"-c", "a.wav", "list.m3u8", "gone.wav"} << 1
        << "Conversion Completed.\n2 of 3 files failed.\n\n$W/list.m3u8: left out: "
           "it is a playlist, which would make the encoder open the files it names\n$W/gone.wav: could not be read: "
        << QStringList{"Converted/a.mp3"};
}

void CliTest::failingAndMixed()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, summary);
    QFETCH(QStringList, outputs);
    QTemporaryDir work, home;
    copySources(work.path());
    writeFile(work.filePath("notes.txt"), "words\n");
    writeFile(work.filePath("list.m3u8"), "#EXTM3U\na.wav\n");
    const Run r = run(args, work.path(), home.path());
    QCOMPARE(r.status, status);
    const QString out = QString::fromUtf8(r.out);
    QVERIFY2(out.startsWith(QString(summary).replace(QStringLiteral("$W"), work.path())), qPrintable(out));
    // What failed left nothing behind; what converted is whole.
    QStringList converted;
    for (const QString& f : tree(work.path()))
        if (f.contains(QStringLiteral("Converted/")))
            converted << f.section(QLatin1Char(' '), 0, -2);
    QCOMPARE(converted, outputs);
    for (const QString& o : outputs)
        QVERIFY(probeAudio(work.filePath(o)).ok);
}

void CliTest::badUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("said"); // a part of the one line on standard error; the texts are tst_engine's
    const QString cores = QString::number(QThread::idealThreadCount());
    const QString formats = engine::kFormats.join(QStringLiteral(", "));
    QTest::newRow("format") << QStringList{"-c", "--format", "mp4", "a.wav"} << formats;
    QTest::newRow("more at once than cores")
        << QStringList{"-c", "--jobs", QString::number(QThread::idealThreadCount() + 1), "a.wav"} << "from 1 to " + cores;
    QTest::newRow("output a file") << QStringList{"-c", "--output", "a.wav", "a.wav"} << "not an existing folder";
    QTest::newRow("no path") << QStringList{"--convert"} << "at least one file or folder";
    QTest::newRow("unknown option") << QStringList{"-c", "--bitrates", "128", "a.wav"} << "--format, --bitrate";
    QTest::newRow("option without --convert") << QStringList{"--quiet", "a.wav"} << "goes with --convert";
}

void CliTest::badUsage()
{
    QFETCH(QStringList, args);
    QFETCH(QString, said);
    QTemporaryDir work, home;
    copySources(work.path());
    const QStringList before = tree(work.path());
    const Run r = run(args, work.path(), home.path());
    QCOMPARE(r.status, 2);
    QCOMPARE(r.out, QByteArray());
    QVERIFY2(r.err.startsWith("qelvanto: ") && r.err.endsWith('\n') && r.err.count('\n') == 1, r.err.constData());
    QVERIFY2(QString::fromUtf8(r.err).contains(said), r.err.constData());
    QCOMPARE(tree(work.path()), before);
    QCOMPARE(tree(home.path()), QStringList());
}

void CliTest::nameThatIsNotUtf8()
{
    // The name's own bytes reach the batch: it is found, and left out for its name,
    // not said to be missing.
    QTemporaryDir work, home;
    QFile source(sources.filePath("a.wav"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    const int fd = ::open((QFile::encodeName(work.path()) + "/caf\xe9.wav").constData(), O_WRONLY | O_CREAT, 0644);
    QVERIFY(fd >= 0 && ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size());
    ::close(fd);
    QProcess p;
    prepare(p, work.path(), home.path());
    p.start(QStringLiteral("sh"), {"-c", "exec \"$0\" -c \"$(printf 'caf\\351.wav')\"", QStringLiteral(QELVANTO_EXE)});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    const QByteArray out = p.readAllStandardOutput();
    QVERIFY2(out.contains(".wav: left out: its name is not valid UTF-8"), out.constData());
    // Text cannot name it, so the folder's own clean-up could not remove it.
    ::unlink((QFile::encodeName(work.path()) + "/caf\xe9.wav").constData());
    QDir(work.filePath("Converted")).removeRecursively();
}

void CliTest::interrupted_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<int>("jobs");
    QTest::newRow("Ctrl+C, one at a time") << int(SIGINT) << 1;
    QTest::newRow("SIGTERM, two at once") << int(SIGTERM) << 2;
}

void CliTest::interrupted()
{
    QFETCH(int, signal);
    QFETCH(int, jobs);
    QTemporaryDir work, home;
    copySources(work.path());
    QVERIFY(QFile::copy(work.filePath("long/long.wav"), work.filePath("long/long2.wav")));
    // Two at once: both long files run when the signal comes, and the third never starts.
    QProcess p;
    prepare(p, work.path(), home.path());
    p.start(QStringLiteral(QELVANTO_EXE), {"-c", "--jobs", QString::number(jobs), "long/long.wav", "long/long2.wav", "a.wav"});
    QVERIFY(p.waitForStarted());
    const QStringList partial{work.filePath("long/Converted/long.mp3"), work.filePath("long/Converted/long2.mp3")};
    const auto writing = [&] {
        for (int i = 0; i < jobs; ++i)
            if (unfinishedSize(work.filePath("long/Converted"), QFileInfo(partial[i]).fileName()) <= 0)
                return false;
        return true;
    };
    QVERIFY(QTest::qWaitFor(writing, 60000));
    QCOMPARE(p.state(), QProcess::Running);
    // While the encoder writes, the result's name holds only the empty reservation.
    for (int i = 0; i < jobs; ++i)
        QCOMPARE(QFileInfo(partial[i]).size(), 0);
    ::kill(pid_t(p.processId()), signal);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 128 + signal);
    // The stopped files are named in the order they ended.
    QStringList expected{QStringLiteral("Conversion Completed."), QStringLiteral("%1 of 3 files were stopped.").arg(jobs),
                         QString(), QStringLiteral("%1 of 3 files were not started.").arg(3 - jobs)};
    for (int i = 0; i < jobs; ++i)
        expected << work.filePath(i ? "long/long2.wav" : "long/long.wav") + QStringLiteral(": stopped");
    QStringList got = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
    QCOMPARE(got.takeLast(), QString()); // ends with a line end
    QCOMPARE(got.mid(0, 3), expected.mid(0, 3));
    QCOMPARE(got.last(), expected.at(3));
    QStringList stopped = got.mid(3, got.size() - 4), named = expected.mid(4);
    stopped.sort();
    QCOMPARE(stopped, named);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    for (int i = 0; i < jobs; ++i)
        QVERIFY2(err.contains(QStringLiteral("Stopped %1: its unfinished output %2 was removed.")
                                  .arg(work.filePath(i ? "long/long2.wav" : "long/long.wav"), partial[i])),
                 qPrintable(err));
    // Nothing unfinished is left, not even hidden, and nothing more was converted.
    QCOMPARE(allEntries(work.filePath("long/Converted")), QStringList());
    QVERIFY(!QFileInfo::exists(work.filePath("Converted")));
}

void CliTest::againAfterAKill()
{
    QTemporaryDir work, home;
    copySources(work.path());
    const QStringList args{"-c", "a.wav", "long", "Album"};
    const QString reserved = work.filePath("long/Converted/long.mp3");
    QProcess p;
    prepare(p, work.path(), home.path());
    p.start(QStringLiteral(QELVANTO_EXE), args);
    QVERIFY(QTest::qWaitFor([&] { return unfinishedSize(work.filePath("long/Converted"), "long.mp3") > 0; }, 60000));
    const qint64 pid = p.processId();
    const QStringList encoders = childProcessesOf(pid);
    QCOMPARE(encoders.size(), 1);
    ::kill(pid_t(pid), SIGKILL);
    QVERIFY(p.waitForFinished(10000));
    // Its encoder ends with it, within a second; nothing stands under a result name
    // but the empty reservation.
    const QString encoderStat = "/proc/" + encoders.first().section(' ', 0, 0) + "/stat";
    const auto gone = [&] {
        QFile stat(encoderStat);
        return !stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z ");
    };
    QVERIFY(QTest::qWaitFor(gone, 1000));
    QCOMPARE(QFileInfo(reserved).size(), 0);
    QVERIFY(!QFileInfo::exists(work.filePath("Album/CD 1/Converted/b.mp3")));

    // Again, skipping what is there: exactly what was not finished converts, under
    // the name the killed run meant for it, and its leftover goes.
    Run r = run(QStringList{"--existing", "skip"} + args, work.path(), home.path());
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.contains("a.wav: already converted as " + QFile::encodeName(work.filePath("Converted/a.mp3"))),
             r.err.constData());
    QVERIFY2(r.err.contains("qelvanto: Removed " + QFile::encodeName(work.filePath("long/Converted/.long.mp3.qelvanto-unfinished-"))),
             r.err.constData());
    QVERIFY(r.err.contains("long.wav: converted to " + QFile::encodeName(reserved) + "\n"));
    QCOMPARE(allEntries(work.filePath("long/Converted")), QStringList{"long.mp3"});
    QVERIFY(probeAudio(reserved).ok);
    QVERIFY(probeAudio(work.filePath("Album/CD 1/Converted/b.mp3")).ok);
    // Once more: nothing to do.
    const QStringList done = tree(work.path());
    r = run(QStringList{"--existing", "skip"} + args, work.path(), home.path());
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray("Conversion Completed.\n3 files were already converted and were left as they are.\n"));
    QCOMPARE(tree(work.path()), done);
    // A new name, as ever, by default.
    r = run({"-c", "a.wav"}, work.path(), home.path());
    QCOMPARE(r.status, 0);
    QVERIFY(probeAudio(work.filePath("Converted/a 1.mp3")).ok);

    // Results sent elsewhere leave the source folders as they were.
    QVERIFY(QDir().mkpath(work.filePath("Album/CD 2")));
    QVERIFY(QFile::copy(work.filePath("a.wav"), work.filePath("Album/CD 2/c.wav")));
    QVERIFY(QFile::copy(work.filePath("a.wav"), work.filePath("Album/d.wav")));
    QDir(work.filePath("Album/CD 1/Converted")).removeRecursively();
    QVERIFY(QDir().mkpath(work.filePath("out")));
    r = run({"-c", "--output", "out", "Album"}, work.path(), home.path());
    QCOMPARE(r.status, 0);
    QCOMPARE(tree(work.filePath("out")).size(), 3);
    QDirIterator dirs(work.filePath("Album"), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (dirs.hasNext())
        QVERIFY2(!dirs.next().endsWith("/Converted"), qPrintable(dirs.filePath()));
}

void CliTest::damagedInputs()
{
    // A download that stopped, a stream with noise in its middle; beside them a
    // whole file whose tag and name hold the very words.
    QTemporaryDir work, home;
    QVERIFY(runEncoder({"-f", "lavfi", "-i", "sine=d=60", "-ac", "2", work.filePath("whole.flac")}));
    QFile whole(work.filePath("whole.flac"));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QByteArray bytes = whole.readAll();
    writeFile(work.filePath("cut.flac"), bytes.left(300000));
    for (qsizetype i = bytes.size() / 2; i < bytes.size() / 2 + 20000; ++i)
        bytes[i] = char((i * 7919) % 251);
    writeFile(work.filePath("noise.flac"), bytes);
    const QString words = "only 0:23 of 1:00 could be read; 1 error while decoding";
    // A tag's key may hold line breaks, and so make lines of any shape.
    QVERIFY(runEncoder({"-f", "lavfi", "-i", "sine=d=3", "-metadata",
                        "x\nError while decoding stream #0:0: Invalid data found when processing input\n"
                        "[x @ 0x1] Queue input is backward in time\nk=v",
                        work.filePath(words + ".flac")}));
    const Run r = run({"-c", "--jobs", "1", "cut.flac", "noise.flac", words + ".flac"}, work.path(), home.path());
    QCOMPARE(r.status, 1);
    const QString err = QString::fromUtf8(r.err);
    QVERIFY2(err.contains("cut.flac: converted with problems to " + work.filePath("Converted/cut.mp3")
                          + ": only 0:23 of 1:00 could be read; 1 error while decoding\n"),
             qPrintable(err));
    QVERIFY2(err.contains(QRegularExpression("noise.flac: converted with problems to .*: its timestamps ran backwards")),
             qPrintable(err));
    QVERIFY2(err.contains(words + ".flac: converted to "), qPrintable(err));
    QVERIFY(QString::fromUtf8(r.out).startsWith(
        "Conversion Completed.\n2 files were converted with problems.\n\n"));
    // Kept, for what they are worth.
    for (const char* name : {"cut.mp3", "noise.mp3"})
        QVERIFY(probeAudio(work.filePath(QStringLiteral("Converted/") + name)).ok);
}

void CliTest::quietMeansQuiet()
{
    // A stream that states no duration is measured by a decode run first: its
    // diagnostics are not ours to print.
    QTemporaryDir work, home;
    QVERIFY(QProcess::execute("/bin/sh", {"-c", QString("'%1' -v error -f lavfi -i sine=d=2 -f matroska - > '%2'")
                                                    .arg(encoder(), work.filePath("streamed.mka"))}) == 0);
    const Run r = run({"-c", "--quiet", "streamed.mka"}, work.path(), home.path());
    QCOMPARE(r.status, 0);
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.out, QByteArray("Conversion Completed.\n"));
}

void CliTest::progressOnATerminal()
{
    // Standard error on a terminal: the running file's line is drawn and drawn again in place.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
    const QByteArray slave = ::ptsname(master);
    ::fcntl(master, F_SETFL, O_NONBLOCK);
    QTemporaryDir work, home;
    copySources(work.path());
    QProcess p;
    prepare(p, work.path(), home.path());
    p.setChildProcessModifier([slave] {
        const int fd = ::open(slave.constData(), O_RDWR | O_NOCTTY);
        ::dup2(fd, STDERR_FILENO);
    });
    p.start(QStringLiteral(QELVANTO_EXE), {"-c", "a.wav"});
    QByteArray screen;
    const auto drain = [&] {
        char buffer[4096];
        for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;)
            screen.append(buffer, n);
    };
    QVERIFY(QTest::qWaitFor([&] { drain(); return p.state() == QProcess::NotRunning; }, 60000));
    drain();
    ::close(master);
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(p.readAllStandardOutput(), QByteArray("Conversion Completed.\n"));
    QVERIFY2(screen.contains("% a.wav") && screen.contains("\x1b[1A\r\x1b[J"), screen.constData());
    QVERIFY2(screen.contains("1/1 " + QFile::encodeName(work.filePath("a.wav")) + ": converted to "), screen.constData());
}

void CliTest::shellCompletion_data()
{
    QTest::addColumn<QString>("words"); // the command line typed so far
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("formats") << "qelvanto -c --format ''" << engine::kFormats;
    QTest::newRow("bitrates") << "qelvanto -c --bitrate ''" << engine::kBitrates;
    QTest::newRow("rates") << "qelvanto -c --rate ''" << engine::kRates;
    QTest::newRow("channels") << "qelvanto -c --channels ''" << QStringList{"mono", "stereo"};
    QTest::newRow("options") << "qelvanto --k" << QStringList{"--keep-folders"};
    QTest::newRow("existing") << "qelvanto -c --existing ''" << QStringList{"rename", "skip"};
    QTest::newRow("split") << "qelvanto --sp" << QStringList{"--split-cue"};
}

void CliTest::shellCompletion()
{
    QFETCH(QString, words);
    QFETCH(QStringList, offered);
    QProcess bash;
    bash.start(QStringLiteral("bash"),
               {"-c", QStringLiteral("source \"$0\"; COMP_WORDS=(%1); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); "
                                     "_qelvanto; printf '%s\\n' \"${COMPREPLY[@]}\"")
                          .arg(words),
                QStringLiteral(QELVANTO_SOURCE_DIR "/dist/qelvanto.bash-completion")});
    QVERIFY(bash.waitForFinished(20000));
    QCOMPARE(bash.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(bash.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts), offered);
}

QTEST_GUILESS_MAIN(CliTest)
#include "tst_cli.moc"
