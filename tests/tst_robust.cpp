// A hostile drop that must lose nothing, and Stop pressed in awkward moments.
#include "WindowSupport.h"

#include "MainWindow.h"
#include "engine/CommandLine.h"
#include "platform/DirWalk.h"
#include "platform/Resources.h"
#include "ui/BannerController.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What every entry below root holds, by its true name: a regular file's checksum,
// a link's target (never followed), or its kind. Nothing is opened but regular files.
QMap<QByteArray, QByteArray> checksums(const QString& root)
{
    QMap<QByteArray, QByteArray> sums;
    const QByteArray base = QFile::encodeName(root);
    platform::WalkVisitor visitor;
    visitor.visit = [&](const QByteArray& relative, bool) {
        const QByteArray p = base + '/' + relative;
        struct stat st {};
        if (::lstat(p.constData(), &st) != 0)
            return;
        if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = ::readlink(p.constData(), target, sizeof target);
            sums[p] = "link:" + QByteArray(target, n > 0 ? int(n) : 0);
        } else if (S_ISREG(st.st_mode)) {
            QFile f(QFile::decodeName(p));
            sums[p] = f.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                                                  : QByteArray("unreadable");
        } else if (!S_ISDIR(st.st_mode)) {
            sums[p] = "special";
        }
    };
    platform::walkBelow(base, visitor);
    return sums;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class RobustTest : public WindowTest {
    Q_OBJECT
    QList<int> resultCodes() const
    {
        QList<int> codes;
        static const QRegularExpression line(QStringLiteral("command finished. Result code: (-?\\d+)"));
        for (const auto& m : line.globalMatch(c->outlets().textOutlet->toPlainText()))
            codes << m.captured(1).toInt();
        return codes;
    }
    void verifyIdle()
    {
        QCOMPARE(c->getFileCount(), quint64(0));
        QCOMPARE(c->finishedFileCount(), quint64(0));
        QVERIFY(!c->getSign());
        QVERIFY(c->outlets().cmbFormat->isVisibleTo(c->mainWindow()));
        QVERIFY(!c->shellWrapper());
        QVERIFY(c->outlets().pb->isHidden());
        // The runner reaps its child before it reports; nothing of ours may linger.
        QVERIFY2(QTest::qWaitFor([] { return childProcesses().isEmpty(); }, 5000),
                 qPrintable(childProcesses().join(", ")));
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void hostileDropLosesNothing();
    void stopPressedManyTimes();
    void windowNeverWaits_data();
    void windowNeverWaits();
    void stopOnChildIgnoringTerm();
    void closedWhileConverting();
    void screenReaderHearsTheTick_data();
    void screenReaderHearsTheTick();
};

void RobustTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Qelvanto").removeRecursively();
}

void RobustTest::init()
{
    failOnEveryWarning();
    openWindow();
}

void RobustTest::cleanup()
{
    closeWindow();
}

void RobustTest::hostileDropLosesNothing()
{
    const QString tree = path("hostile/tree");
    const QString later = path("hostile/later");
    // Audio in every format the window offers, under names that break naive quoting.
    const QStringList audio = {
        tree + "/two words.mp3",      tree + "/quote \"q\" it's.m4a", tree + "/-dash.aac",
        tree + "/Ünïcødé ñ 音.ogg",   tree + "/line\nbreak.flac",     tree + "/plain.wav",
        tree + "/deep/er/x.aiff",     tree + "/deep/y.wma",           tree + "/z.ac3",
        tree + "/no extension",       tree + "/.hidden.wav",
    };
    for (const QString& a : audio) {
        QDir().mkpath(QFileInfo(a).path());
        const QString fmt = a.endsWith("no extension") ? "-f wav" : a.endsWith(".aac") ? "-f adts" : "";
        QByteArray err;
        QStringList args{"-f", "lavfi", "-i", "sine=f=330:d=1", "-ac", "2"};
        if (!fmt.isEmpty())
            args << fmt.split(' ');
        QVERIFY2(runEncoder(args << a, &err), err.constData());
    }
    // Tags that hold the encoder's own words, or bytes that are not UTF-8 (made by a
    // shell, which passes bytes through unchanged).
    const auto tagged = [&](const QString& file, const QString& tag, const QString& source) {
        return QProcess::execute("/bin/sh", {"-c", QString("'%1' -v error -y -f lavfi -i %2 -t 1 -metadata title=\"%3\" '%4'")
                                                       .arg(encoder(), source, tag, file)}) == 0;
    };
    QVERIFY(tagged(tree + "/tag invalid.wav", "Invalid data found when processing input", "sine"));
    QVERIFY(tagged(tree + "/tag duration.wav", "x\n  Duration: 99:00:00.00, start", "sine"));
    QVERIFY(tagged(tree + "/latin1.wav", "$(printf 'caf\\351')", "sine"));
    QVERIFY(tagged(tree + "/video titled audio.mkv", "Audio", "color=s=16x16"));
    // Streamed Matroska states no duration, so it goes through a temporary WAV whose
    // plain name is taken: by the user's own file, and by a link to a file elsewhere.
    for (const char* name : {"streamed", "streamed2"})
        QVERIFY(QProcess::execute("/bin/sh", {"-c", QString("'%1' -v error -f lavfi -i sine=d=2 -f matroska - > '%2.mka'")
                                                        .arg(encoder(), tree + "/" + name)}) == 0);
    QVERIFY(writeFile(tree + "/Converted/streamed.tmp", "the user's own file"));
    QVERIFY(writeFile(path("hostile/victim.txt"), "must not be overwritten through a link"));
    QVERIFY(QFile::link(path("hostile/victim.txt"), tree + "/Converted/streamed2.tmp"));
    // An earlier run's result: a Converted folder beside files holds results, not
    // inputs, and is not collected.
    QVERIFY(makeTone(tree + "/Converted/plain.mp3", 1.0, 2));
    QVERIFY(writeFile(tree + "/Converted/plain.tmp.keep", "an unrelated file of the user"));
    // A separator inside a name would split the encoder's arguments: left out.
    QVERIFY(makeTone(tree + "/sep" + engine::kArgumentSeparator + ".wav"));
    // Nothing the encoder may be given: a FIFO and a link to a device would block it.
    QCOMPARE(::mkfifo(QFile::encodeName(tree + "/pipe.wav").constData(), 0644), 0);
    QVERIFY(QFile::link("/dev/zero", tree + "/device.wav"));
    // A name that is not UTF-8, beside a neighbour whose name is what it would decode to.
    QVERIFY(makeTone(tree + "/caf\uFFFD.wav"));
    QVERIFY(QFile::copy(tree + "/caf\uFFFD.wav", path("hostile/latin.tmp")));
    QCOMPARE(::rename(QFile::encodeName(path("hostile/latin.tmp")).constData(),
                      QFile::encodeName(tree).append("/caf\xe9.wav").constData()), 0);
    // Not audio, or not readable as audio.
    QVERIFY(writeFile(tree + "/notes.txt", "just words\n"));
    QVERIFY(runEncoder({"-f", "lavfi", "-i", "color=c=red:s=8x8", "-frames:v", "1", tree + "/picture.png"}));
    QVERIFY(writeFile(tree + "/empty.mp3", ""));
    QVERIFY(makeTone(path("hostile/whole.mp3"), 3.0, 2));
    QFile whole(path("hostile/whole.mp3"));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QVERIFY(writeFile(tree + "/truncated.mp3", whole.read(whole.size() / 3)));
    whole.close();
    QFile::remove(path("hostile/whole.mp3"));
    const bool root = ::geteuid() == 0;
    if (!root) {
        QVERIFY(makeTone(tree + "/locked.wav"));
        QFile(tree + "/locked.wav").setPermissions(QFileDevice::Permissions());
    }
    // A link to a folder outside the tree is not followed.
    QVERIFY(makeTone(path("hostile/outside/o.wav")));
    QVERIFY(QFile::link(path("hostile/outside"), tree + "/link to outside"));
    // A Converted folder that is a link to elsewhere is not written through.
    QVERIFY(makeTone(tree + "/linked/x.wav"));
    QVERIFY(QDir().mkpath(path("hostile/elsewhere")));
    QVERIFY(QFile::link(path("hostile/elsewhere"), tree + "/linked/Converted"));
    // The second folder's file disappears after the drop, before its turn.
    QVERIFY(makeTone(later + "/gone.wav"));
    QVERIFY(makeTone(later + "/stays.wav"));

    const auto before = checksums(path("hostile"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(tree), QUrl::fromLocalFile(later)});
    QElapsedTimer clock;
    clock.start();
    QVERIFY(dropOn(c->outlets().imgView, &data));
    QVERIFY(c->getSign()); // walking the folders; nothing else is taken meanwhile
    QVERIFY(!dropOn(c->outlets().imgView, &data));
    QTRY_VERIFY(!c->convertFiles().isEmpty());
    const QStringList inputs = c->convertFiles();
    QVERIFY(inputs.indexOf(later + "/gone.wav") > int(c->finishedFileCount()));
    QVERIFY(QFile::remove(later + "/gone.wav"));
    QVERIFY(!inputs.contains(path("hostile/outside/o.wav")));
    QVERIFY(!inputs.contains(tree + "/link to outside/o.wav"));
    QVERIFY(waitForAlerts(1, 120000));
    QVERIFY(clock.elapsed() < 120000);

    // Which inputs must have converted, and where their results go.
    QMap<QString, QString> expected; // input -> folder of its result
    for (const QString& a : audio + QStringList{tree + "/streamed.mka", tree + "/streamed2.mka", tree + "/truncated.mp3",
                                                tree + "/tag invalid.wav", tree + "/tag duration.wav",
                                                tree + "/latin1.wav", tree + "/caf\uFFFD.wav", later + "/stays.wav"})
        expected[a] = QFileInfo(a).path() + "/Converted";
    // Quietly skipped: txt, png, empty, mkv without audio. Counted as not converted:
    // separator, FIFO, device, the non-UTF-8 name, gone, the Converted link, locked.
    const int skipped = 4, notConverted = 6 + (root ? 0 : 1);
    QCOMPARE(inputs.size(), expected.size() + skipped + notConverted);
    QVERIFY(c->outlets().textOutlet->toPlainText().contains(
        "Left out " + tree + "/Converted: it holds the results of earlier runs."));
    const auto after = checksums(path("hostile"));
    QStringList created;
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (it.key().endsWith("/later/gone.wav"))
            continue;
        QVERIFY2(after.value(it.key()) == it.value(), "changed: " + it.key());
    }
    for (const QByteArray& p : after.keys())
        if (!before.contains(p))
            created << QFile::decodeName(p);
    for (const QString& p : created) {
        QVERIFY2(p.endsWith(".mp3"), qPrintable(p));
        const AudioInfo info = probeAudio(p);
        QVERIFY2(info.ok && info.codec == "mp3" && info.rate == 44100 && info.channels == 2, qPrintable(p));
    }
    // Exactly one new result per input: its name without extension, maybe with " N".
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QString base = it.value() + "/" + engine::deletingPathExtension(QFileInfo(it.key()).fileName());
        const QStringList mine = created.filter(QRegularExpression(
            "^" + QRegularExpression::escape(base) + "( \\d+)?\\.mp3$"));
        QVERIFY2(mine.size() == 1, qPrintable(it.key() + ": " + mine.join(", ")));
    }
    QCOMPARE(created.size(), expected.size());
    QVERIFY(created.contains(tree + "/Converted/plain 1.mp3")); // the earlier result stays as it was
    QVERIFY(!QFileInfo::exists(path("hostile/outside/Converted")));

    const QString console = c->outlets().textOutlet->toPlainText();
    for (const QString& line : {"Left out " + tree + "/sep", "Left out " + tree + "/pipe.wav: it is a FIFO",
                                "Left out " + tree + "/device.wav: it is a device",
                                "Left out " + tree + "/caf\uFFFD.wav: its name is not valid UTF-8",
                                "Left out " + later + "/gone.wav: it cannot be read (No such file or directory)"})
        QVERIFY2(console.contains(line), qPrintable(line));
    QCOMPARE(resultCodes(), QList<int>(expected.size(), 0));
    QCOMPARE(dialogs->alerts.size(), 1);
    // The alert counts, then names every file that did not convert, and why.
    const QStringList alert = dialogs->alerts[0].informative.split('\n');
    // The mp3 cut to a third converts, but not whole.
    QCOMPARE(alert.mid(0, 5), (QStringList{"Conversion Completed.",
                                           QString("%1 of %2 files failed; the console has the details.")
                                               .arg(notConverted).arg(inputs.size()),
                                           QString("%1 files were not audio and were skipped.").arg(skipped),
                                           "1 file was converted with problems; the console has the details.", ""}));
    QStringList named = alert.mid(5);
    named.sort();
    QStringList expectedNames{
        tree + "/caf\uFFFD.wav: left out: its name is not valid UTF-8, so it cannot be handed to the encoder unchanged",
        tree + "/device.wav: left out: it is a device, not a regular file",
        tree + "/pipe.wav: left out: it is a FIFO, not a regular file",
        tree + "/sep" + engine::kArgumentSeparator + ".wav: left out: a name or setting holds the text "
            + engine::kArgumentSeparator + ", which would split the encoder's arguments",
        later + "/gone.wav: could not be read: No such file or directory",
        tree + "/linked/x.wav: left out: its Converted folder " + tree + "/linked/Converted is a link, which is not followed",
        tree + "/truncated.mp3: converted with problems to " + tree + "/Converted/truncated.mp3: only 0:01 of 0:03 could be read"};
    if (!root)
        expectedNames << tree + "/locked.wav: could not be read: Permission denied";
    expectedNames.sort();
    QCOMPARE(named, expectedNames);
    QCOMPARE(c->report().count(engine::Outcome::NotAudio), skipped);
    verifyIdle();
    QCOMPARE(c->outlets().imgView->currentImageName(), QStringLiteral("door.jpg"));
}

void RobustTest::stopPressedManyTimes()
{
    QVERIFY(makeTone(path("long.wav"), 120.0, 2));
    c->startnow({path("long.wav"), path("long.wav"), path("long.wav"), path("long.wav")});
    auto& ui = c->outlets();
    QVERIFY(QTest::qWaitFor([&] { return c->shellWrapper() != nullptr; }, 30000));
    // A burst before anything is handled, then presses between events until the end.
    for (int i = 0; i < 50; ++i)
        ui.runButton->click();
    QElapsedTimer clock;
    clock.start();
    while (dialogs->alerts.isEmpty() && clock.elapsed() < 60000) {
        ui.runButton->click();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCOMPARE(dialogs->alerts.size(), 1);
    // Every file is stopped: in its conversion, or while it was examined.
    const QList<int> codes = resultCodes();
    for (int code : codes)
        QVERIFY(code != 0);
    const qsizetype before = c->outlets().textOutlet->toPlainText().count(" before its conversion.");
    QCOMPARE(codes.size() + before, 4);
    QCOMPARE(dialogs->alerts[0].informative.section('\n', 0, 1), "Conversion Completed.\n4 of 4 files were stopped.");
    verifyIdle();
    // Presses after the end do nothing.
    ui.runButton->click();
    QTest::qWait(50);
    QCOMPARE(resultCodes().size(), codes.size());
    QCOMPARE(dialogs->alerts.size(), 1);
    QFile::remove(path("long.wav"));
    QDir(path("Converted")).removeRecursively();
}

// Whatever the encoder or the files do, the window's event loop never stops for
// long: a timer that ticks every 5 ms measures the longest gap between its ticks.
void RobustTest::windowNeverWaits_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a playlist that names itself") << "playlist";
    QTest::newRow("a probe that hangs, stopped") << "hanging probe";
    QTest::newRow("2000 text files at two at once") << "many";
    QTest::newRow("one 4 MB line") << "long line";
}

void RobustTest::windowNeverWaits()
{
    QFETCH(QString, kind);
    QTemporaryDir d, fake;
    QStringList inputs;
    QString alert = "Conversion Completed.";
    QString stopMark; // pressed once this file appears
    if (kind == "playlist") {
        QVERIFY(writeFile(d.filePath("self.m3u8"), "#EXTM3U\n#EXT-X-STREAM-INF:BANDWIDTH=1\nself.m3u8\n"));
        QVERIFY(makeTone(d.filePath("a.wav")));
        inputs = {d.filePath("self.m3u8"), d.filePath("a.wav")};
        alert += "\n1 of 2 files failed; the console has the details.\n\n" + d.filePath("self.m3u8")
               + ": left out: it is a playlist, which would make the encoder open the files it names";
    } else if (kind == "hanging probe") {
        stopMark = fake.filePath("probing");
        QVERIFY(installEncoderScript(fake, QString("if [ $# -eq 3 ]; then case \"$3\" in *second.wav) touch '%1';"
                                                   " exec sleep 30;; esac; fi\nexec '%2' \"$@\"\n")
                                               .arg(stopMark, encoder()).toUtf8()));
        for (const char* name : {"first.wav", "second.wav", "third.wav"}) {
            QVERIFY(makeTone(d.filePath(name)));
            inputs << d.filePath(name);
        }
        alert += "\n1 of 3 files were stopped.\n\n" + d.filePath("second.wav") + ": stopped";
    } else if (kind == "many") {
        if (BannerController::maxJobs() < 2)
            QSKIP("one core: the window offers one file at a time only");
        c->outlets().cmbJobs->setCurrentIndex(1);
        // The encoder's own answer to a file it cannot read, at once.
        QVERIFY(installEncoderScript(fake, "printf '%s: Invalid data found when processing input\\n' \"$3\" >&2; exit 1\n"));
        for (int i = 0; i < 2000; ++i) {
            inputs << d.filePath(QString("t%1.txt").arg(i));
            QVERIFY(writeFile(inputs.last(), "words"));
        }
        alert += "\n2000 files were not audio and were skipped.";
    } else {
        // A tag of 254-byte pieces joined by backspaces, as the encoder prints it: one line.
        QByteArray line;
        while (line.size() < 4 * 1024 * 1024)
            line += QByteArray(254, 'x') + '\b';
        QVERIFY(writeFile(fake.filePath("line"), line + "\n"));
        QVERIFY(installEncoderScript(fake, "if [ $# -eq 3 ]; then " + standInProbe("00:00:01.00")
                                               + " exit 1; fi\ncat '" + QFile::encodeName(fake.filePath("line"))
                                               + "' >&2; eval last=\\${$#}; printf x > \"$last\"\n"));
        QVERIFY(writeFile(d.filePath("a.wav"), "x"));
        inputs = {d.filePath("a.wav")};
    }
    QElapsedTimer wall;
    wall.start();
    qint64 longestGap = 0;
    QElapsedTimer sinceTick;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
    });
    QElapsedTimer sinceStop;
    qint64 stopTook = -1;
    QObject::connect(c->outlets().textOutlet, &QPlainTextEdit::textChanged, [&] {
        if (sinceStop.isValid() && stopTook < 0 && c->outlets().textOutlet->toPlainText().contains(" before its conversion."))
            stopTook = sinceStop.elapsed();
    });
    sinceTick.start();
    heartbeat.start(5);
    c->startnow(inputs);
    if (!stopMark.isEmpty()) {
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(stopMark); }, 30000));
        sinceStop.start();
        c->outlets().runButton->click();
    }
    QVERIFY(waitForAlerts(1, 120000));
    heartbeat.stop();
    QCOMPARE(dialogs->alerts[0].informative, alert);
    qInfo("longest gap %lld ms, stop %lld ms, batch %lld ms", longestGap, stopTook, wall.elapsed());
    QVERIFY2(longestGap <= 100, qPrintable(QString("the window stood still for %1 ms").arg(longestGap)));
    if (!stopMark.isEmpty())
        QVERIFY2(stopTook >= 0 && stopTook <= 100, qPrintable(QString("Stop took %1 ms").arg(stopTook)));
    verifyIdle();
    QVERIFY(c->outlets().errorOutlet->toPlainText().size() <= BannerController::kErrorViewMost);
}

void RobustTest::stopOnChildIgnoringTerm()
{
    QTemporaryDir fake;
    // Probes describe audio; the stubborn file's conversion ignores SIGTERM.
    // It says so once SIGTERM is ignored: a Stop before that would end it at once.
    QVERIFY(installEncoderScript(fake, "if [ $# -eq 3 ]; then " + standInProbe("00:01:00.00") + " exit 1; fi\n"
                                "case \"$3\" in *stubborn*) trap '' TERM; echo ignoring >&2; exec sleep 60;; esac\nexit 0\n"));
    QVERIFY(writeFile(path("stubborn.wav"), "x"));
    QVERIFY(writeFile(path("fine.wav"), "x"));
    c->startnow({path("stubborn.wav"), path("fine.wav"), path("stubborn.wav")});
    auto& ui = c->outlets();
    QElapsedTimer clock;
    clock.start();
    const auto ignoring = [&] { return ui.errorOutlet->toPlainText() == "ignoring\n"; };
    QVERIFY(QTest::qWaitFor([&] { return c->shellWrapper() != nullptr && ignoring(); }, 10000));
    ui.errorOutlet->clear();
    ui.runButton->click();
    QVERIFY(QTest::qWaitFor([&] { return c->finishedFileCount() == 2 && c->shellWrapper() && ignoring(); }, 20000));
    ui.runButton->click();
    ui.runButton->click();
    QVERIFY(waitForAlerts(1, 30000));
    QVERIFY(clock.elapsed() < 30000);
    QCOMPARE(resultCodes(), (QList<int>{9, 0, 9}));
    verifyIdle();
}


void RobustTest::closedWhileConverting()
{
    // Closed in the middle of a conversion: its file could never be published, so
    // the encoder ends at once and nothing of it stays.
    QVERIFY(makeTone(path("long.wav"), 300.0, 2));
    c->startnow({path("long.wav")});
    QVERIFY(QTest::qWaitFor([&] { return unfinishedSize(path("Converted"), "long.mp3") > 0; }, 30000));
    QCOMPARE(childProcesses().size(), 1);
    bool ended = false;
    c->quit = [&] { ended = true; };
    c->mainWindow()->close();
    QVERIFY(QTest::qWaitFor([&] { return !c->busy(); }, 10000));
    QVERIFY(QTest::qWaitFor([&] { return childProcesses().isEmpty(); }, 5000));
    QVERIFY(QTest::qWaitFor([&] { return allEntries(path("Converted")).isEmpty(); }, 5000));
    QVERIFY(ended);
    QCOMPARE(dialogs->alerts.size(), 0); // no completion alert for a program that ends
    QGuiApplication::setQuitOnLastWindowClosed(true);
}

void RobustTest::screenReaderHearsTheTick_data()
{
    QTest::addColumn<bool>("listening");
    QTest::newRow("no screen reader") << false;
    QTest::newRow("a screen reader") << true;
}

void RobustTest::screenReaderHearsTheTick()
{
    // Every change of the console is announced to a screen reader: while files
    // convert, they come at the tick in one step, not one per file.
    QFETCH(bool, listening);
    c->setScreenReaderActive(listening);
    QStringList gone;
    for (int i = 0; i < 40; ++i)
        gone << path(QStringLiteral("gone %1.wav").arg(i));
    c->outlets().cmbJobs->setCurrentIndex(1);
    int changes = 0;
    QObject::connect(c->outlets().textOutlet->document(), &QTextDocument::contentsChange, [&] { ++changes; });
    c->startnow(gone);
    QVERIFY(waitForAlerts(1));
    QCOMPARE(c->outlets().textOutlet->toPlainText().count("Left out "), 40);
    if (listening)
        QVERIFY2(changes <= 3, qPrintable(QString::number(changes)));
    else
        QVERIFY2(changes >= 40, qPrintable(QString::number(changes)));
}

QTEST_MAIN(RobustTest)
#include "tst_robust.moc"
