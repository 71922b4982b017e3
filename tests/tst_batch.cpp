// Whole batches through the real window offscreen and the real encoder.
#include "WindowSupport.h"
#include "ui/BatchListModel.h"

#include "MainWindow.h"
#include "engine/CommandLine.h"
#include "platform/Resources.h"
#include "ui/BannerController.h"

#include <QDir>
#include <QDirIterator>
#include <QMimeData>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTimer>
#include <QTreeView>

#include <sys/stat.h>
#include <unistd.h>

class BatchTest : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void threeFilesSecondSkipped();
    void listTakesTheBand_data();
    void listTakesTheBand();
    void durationNotAvailableUsesTemporaryWav();
    void stopDuringSecondOfThree();
    void launchExceptionOnLastFileShowsNoAlert();
    void emptyBatch();
    void twoFilesAtOnce();
    void oneEncoderStartPerFileAtOnce();
    void titleAndAlertNameEachFile();
    void encoderThatCannotServe_data();
    void encoderThatCannotServe();
    void runnerNotCreatedMovesOn();
    void separatorInNameIsLeftOut();
    void noOverwriteAndOddNames();
    void progressTickOnTheWindow();
    void oneProgressTimerAtATime();
    void outputFolderChoice();
    void reminderOffWhenFolderDatCannotBeWritten();
    void fullDiskUnderANameThatIsNotAscii();
    void keepFolders();
    void tagsAndCoverKept_data();
    void tagsAndCoverKept();
    void opusAndRefusedChoices();
    void timeLeftFalls();
    void linksNotWrittenThrough_data();
    void linksNotWrittenThrough();
    void tagKeyForgesLines_data();
    void tagKeyForgesLines();
    void encoderAlertSaidOnce();
};

void BatchTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Qelvanto").removeRecursively();
    QVERIFY(makeTone(path("a.wav"), 2.0, 2));
    QVERIFY(makeTone(path("c.flac"), 1.0, 1));
    QFile text(path("notes.txt"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("just some words\n");
}

void BatchTest::init()
{
    failOnEveryWarning();
    // Every test starts as a first start: the folder reminder on, nothing saved.
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Qelvanto").removeRecursively();
    openWindow();
    QDir(path("Converted")).removeRecursively();
}

void BatchTest::cleanup()
{
    closeWindow();
}

void BatchTest::threeFilesSecondSkipped()
{
    auto& ui = c->outlets();
    ui.cmbFormat->setCurrentText("ogg");
    ui.cmbRate->setCurrentText("48000");
    ui.cmbChannel->setCurrentIndex(0);
    QStringList statuses;
    QList<quint64> finished;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        if (statuses.isEmpty() || statuses.last() != ui.lblpb->text())
            statuses << ui.lblpb->text();
        if (finished.isEmpty() || finished.last() != c->finishedFileCount())
            finished << c->finishedFileCount();
    });
    sampler.start(5);
    c->startnow({path("a.wav"), path("notes.txt"), path("c.flac")});
    QVERIFY(waitForAlerts(1));
    sampler.stop();
    QCOMPARE(dialogs->alerts.size(), 1);
    QCOMPARE(dialogs->alerts[0].message, QStringLiteral("Complete"));
    QCOMPARE(dialogs->alerts[0].informative, QStringLiteral("Conversion Completed.\n1 file was not audio and was skipped."));
    for (const char* name : {"a.ogg", "c.ogg"}) {
        const AudioInfo info = probeAudio(path("Converted/") + name);
        QVERIFY2(info.ok, name);
        QCOMPARE(info.codec, QStringLiteral("vorbis"));
        QCOMPARE(info.rate, 48000);
        QCOMPARE(info.channels, 1);
    }
    QVERIFY(!QFile::exists(path("Converted/notes.ogg")));
    QVERIFY(statuses.contains("Converting - 2 File(s) Left"));
    QVERIFY(statuses.contains("Converting - 0 File(s) Left"));
    QVERIFY(!statuses.contains("Converting - 1 File(s) Left")); // the text file never converts
    // The text file is examined, then skipped; the pause after it shows its view.
    QVERIFY(statuses.contains("Preparing the File - 1 File(s) Left"));
    QCOMPARE(finished.first(), quint64(0));
    QVERIFY(finished.contains(2));
    QCOMPARE(c->getFileCount(), quint64(0));
    QCOMPARE(c->finishedFileCount(), quint64(0));
    QVERIFY(!c->getSign());
    QVERIFY(ui.cmbFormat->isVisibleTo(c->mainWindow()));
    QCOMPARE(ui.runButton->text(), QStringLiteral("Execute"));
    const QString console = ui.textOutlet->toPlainText();
    QCOMPARE(console.count("command finished. Result code: 0"), 2);
    QVERIFY(console.contains("launched: " + platform::pathForResource("ffmpeg")));
}

void BatchTest::listTakesTheBand_data()
{
    QTest::addColumn<QSize>("size"); // empty: the first start's
    QTest::newRow("first start") << QSize();
    QTest::newRow("larger") << QSize(700, 650); // the screen still has room for the list below
}

void BatchTest::listTakesTheBand()
{
    QFETCH(QSize, size);
    auto& ui = c->outlets();
    if (size.isValid())
        c->mainWindow()->resize(size);
    QTRY_VERIFY(c->mainWindow()->isVisible());
    // Every control outside the settings' band, where it stands in the window.
    const QList<QWidget*> outside{ui.imgView, ui.txtOutputPath, ui.lblWeb, ui.runButton, ui.textOutlet, ui.errorOutlet};
    const auto places = [&] {
        QList<QRect> rects;
        for (QWidget* w : outside)
            rects << QRect(w->mapTo(c->mainWindow(), QPoint()), w->size());
        return rects;
    };
    QCoreApplication::sendPostedEvents();
    const QList<QRect> idle = places();
    QVERIFY(makeTone(path("band.wav"), 4.0, 2));
    c->startnow({path("band.wav"), path("a.wav")});
    QSet<QList<QRect>> during;
    bool inBand = true;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        if (!c->busy() || !c->listView()->isVisible())
            return;
        during.insert(places());
        inBand = inBand && c->listView()->geometry().bottom() < ui.txtOutputPath->geometry().top()
              && c->listView()->geometry().top() >= ui.imgView->geometry().bottom();
    });
    sampler.start(5);
    QVERIFY(waitForAlerts(1));
    sampler.stop();
    // To the pixel: the list took the band, and nothing else moved for it.
    QCOMPARE(during.size(), 1);
    QCOMPARE(*during.cbegin(), idle);
    QVERIFY(inBand);
    // After it, the list below the console: what is above it stays, the window grew.
    QCoreApplication::sendPostedEvents();
    const QList<QRect> after = places();
    QCOMPARE(after.mid(0, 5), idle.mid(0, 5));
    QVERIFY(c->listView()->y() > ui.textOutlet->y());
}

void BatchTest::durationNotAvailableUsesTemporaryWav()
{
    // Matroska written to a pipe states no duration.
    const QString mka = path("live.mka");
    QVERIFY(QProcess::execute("/bin/sh", {"-c", QString("'%1' -v error -f lavfi -i sine=d=3 -f matroska - > '%2'")
                                                    .arg(encoder(), mka)}) == 0);
    QByteArray err;
    runEncoder({"-v", "info", "-i", mka}, &err);
    QVERIFY(err.contains("Duration: N/A"));
    c->startnow({mka});
    QVERIFY(waitForAlerts(1));
    QCOMPARE(c->totalDuration(), 3);
    QVERIFY(!QFile::exists(path("Converted/live.tmp")));
    QVERIFY(probeAudio(path("Converted/live.mp3")).ok);
    QFile::remove(mka);
}

void BatchTest::stopDuringSecondOfThree()
{
    QVERIFY(makeTone(path("long.wav"), 300.0, 2));
    auto& ui = c->outlets();
    // The encoder names its input once it has set up its own handling of Stop;
    // a Stop before that would end it by the signal (15) instead.
    bool converting = false;
    QObject::connect(ui.errorOutlet, &QPlainTextEdit::textChanged, [&] {
        converting = converting || ui.errorOutlet->toPlainText().contains("long.wav");
    });
    c->startnow({path("c.flac"), path("long.wav"), path("a.wav")});
    // Once it has written something, there is an unfinished file to remove.
    QVERIFY(QTest::qWaitFor([&] { return converting && unfinishedSize(path("Converted"), "long.mp3") > 0; }, 30000));
    QCOMPARE(ui.runButton->text(), QStringLiteral("Stop"));
    ui.runButton->click();
    ui.runButton->click(); // a second press while it ends changes nothing
    QVERIFY(waitForAlerts(1));
    QCOMPARE(dialogs->alerts[0].informative,
             "Conversion Completed.\n1 of 3 files were stopped.\n\n" + path("long.wav") + ": stopped");
    const QString console = ui.textOutlet->toPlainText();
    QCOMPARE(console.count("command finished. Result code: 0"), 2);
    QCOMPARE(console.count("command finished. Result code: 255"), 1);
    QVERIFY(probeAudio(path("Converted/a.mp3")).ok);
    // The unfinished result does not keep the name of a finished one.
    QVERIFY(!QFile::exists(path("Converted/long.mp3")));
    QVERIFY(console.contains("Stopped " + path("long.wav") + ": its unfinished output " + path("Converted/long.mp3")
                             + " was removed."));
    QFile::remove(path("long.wav"));
}

void BatchTest::launchExceptionOnLastFileShowsNoAlert()
{
    c->setRunnerFactory([](QStringList args) {
        args[0] = "/nonexistent/encoder";
        return KVShellWrapper::create({}, {}, {}, QStringLiteral("."), std::nullopt, args, nullptr);
    });
    c->startnow({path("c.flac")});
    QVERIFY(QTest::qWaitFor([&] { return c->getFileCount() == 0; }, 20000));
    QTest::qWait(50);
    QCOMPARE(dialogs->alerts.size(), 0);
    QVERIFY(c->outlets().textOutlet->toPlainText().contains("caught NSInvalidArgumentException while executing command"));
    QVERIFY(!c->getSign());
    QCOMPARE(c->outlets().runButton->text(), QStringLiteral("Execute"));
}

void BatchTest::titleAndAlertNameEachFile()
{
    // One of each: converted, not audio, left out, failed, stopped.
    QTemporaryDir d;
    QVERIFY(QFile::copy(path("c.flac"), d.filePath("ok.flac")));
    QVERIFY(QFile::copy(path("notes.txt"), d.filePath("notes.txt")));
    QCOMPARE(::mkfifo(QFile::encodeName(d.filePath("fifo.wav")).constData(), 0644), 0);
    // A file where its Converted folder should be: nothing can be written there.
    QVERIFY(QDir(d.path()).mkdir("blocked"));
    QVERIFY(QFile::copy(path("c.flac"), d.filePath("blocked/bad.flac")));
    QFile(d.filePath("blocked/Converted")).open(QIODevice::WriteOnly);
    // Audio in a coding the encoder knows by its number only: it reads it, and cannot decode it.
    QVERIFY(makeTone(d.filePath("odd.wav")));
    QFile odd(d.filePath("odd.wav"));
    QVERIFY(odd.open(QIODevice::ReadWrite) && odd.seek(20) && odd.write("\x34\x12", 2) == 2);
    odd.close();
    QVERIFY(makeTone(d.filePath("long.wav"), 300.0, 2));
    auto& ui = c->outlets();
    QStringList titles;
    // The time left may join the title; the files' order is what is checked here.
    QObject::connect(c->mainWindow(), &QWidget::windowTitleChanged, [&](const QString& t) {
        const QString name = t.section(QStringLiteral(" — about "), 0, 0);
        if (titles.isEmpty() || titles.last() != name)
            titles << name;
    });
    bool converting = false;
    QObject::connect(ui.errorOutlet, &QPlainTextEdit::textChanged,
                     [&] { converting = converting || ui.errorOutlet->toPlainText().contains("long.wav"); });
    const QStringList inputs{d.filePath("ok.flac"),          d.filePath("notes.txt"), d.filePath("fifo.wav"),
                             d.filePath("blocked/bad.flac"), d.filePath("odd.wav"),   d.filePath("long.wav")};
    c->startnow(inputs);
    QVERIFY(QTest::qWaitFor([&] { return converting; }, 60000));
    QCOMPARE(c->mainWindow()->windowTitle().section(" — about ", 0, 0), QString("Qelvanto — 6 of 6 — long.wav"));
    // The list takes the band the hidden settings leave.
    QVERIFY(c->listView()->isVisible());
    QVERIFY(c->listView()->geometry().bottom() < ui.txtOutputPath->mapTo(ui.centralwidget, QPoint()).y());
    ui.runButton->click();
    QVERIFY(waitForAlerts(1));
    QCOMPARE(titles, (QStringList{"Qelvanto — 1 of 6 — ok.flac", "Qelvanto — 2 of 6 — notes.txt",
                                  "Qelvanto — 3 of 6 — fifo.wav", "Qelvanto — 4 of 6 — bad.flac",
                                  "Qelvanto — 5 of 6 — odd.wav", "Qelvanto — 6 of 6 — long.wav", "Qelvanto"}));
    const QString decoder = "Decoder (codec none) not found for input stream #0:0";
    const QString blocked = d.filePath("blocked/Converted") + ", where its Converted folder goes, is not a folder";
    QCOMPARE(dialogs->alerts[0].informative,
             "Conversion Completed.\n3 of 6 files failed; the console has the details.\n1 of 6 files were stopped.\n"
             "1 file was not audio and was skipped.\n\n"
                 + d.filePath("fifo.wav") + ": left out: it is a FIFO, not a regular file\n"
                 + d.filePath("blocked/bad.flac") + ": left out: " + blocked + "\n"
                 + d.filePath("odd.wav") + ": failed with result code 1: " + decoder + "\n"
                 + d.filePath("long.wav") + ": stopped");
    // Every file's row: what became of it and where it went; it stays after the alert, below the console.
    const QStringList rows{"ok.flac|Converted|" + d.filePath("Converted/ok.mp3"),
                           "notes.txt|Not audio|",
                           "fifo.wav|Left out: it is a FIFO, not a regular file|",
                           "bad.flac|Left out: " + blocked + "|",
                           "odd.wav|Failed: " + decoder + "|",
                           "long.wav|Stopped|"};
    const auto shown = [&] {
        QStringList got;
        const QAbstractItemModel* m = c->listView()->model();
        for (int r = 0; r < m->rowCount(); ++r)
            got << m->index(r, 0).data().toString() + "|" + m->index(r, 1).data().toString() + "|"
                       + m->index(r, 2).data().toString();
        return got;
    };
    QCOMPARE(shown(), rows);
    QCOMPARE(c->listView()->model()->index(0, 0).data(Qt::ToolTipRole).toString(), d.filePath("ok.flac"));
    QVERIFY(c->listView()->isVisible());
    QVERIFY(c->listView()->geometry().top() > ui.textOutlet->geometry().bottom());
    // The next batch replaces it.
    c->startnow({path("c.flac")});
    QCOMPARE(c->listView()->model()->rowCount(), 1);
    QVERIFY(waitForAlerts(2));
    QCOMPARE(shown(), QStringList{"c.flac|Converted|" + path("Converted/c.mp3")});
}

void BatchTest::twoFilesAtOnce()
{
    if (BannerController::maxJobs() < 2)
        QSKIP("one core: the window offers one file at a time only");
    QTemporaryDir d;
    QVERIFY(makeTone(d.filePath("a.flac"), 6.0, 2));
    QVERIFY(makeTone(d.filePath("a.wav"), 6.0, 2)); // wants the same output name
    QVERIFY(makeTone(d.filePath("b.wav"), 1.0, 1));
    QVERIFY(QFile::copy(path("notes.txt"), d.filePath("notes.txt")));
    QCOMPARE(::mkfifo(QFile::encodeName(d.filePath("fifo.wav")).constData(), 0644), 0);
    auto& ui = c->outlets();
    ui.cmbJobs->setCurrentIndex(1);
    QCOMPARE(ui.cmbJobs->currentText(), QStringLiteral("2 files"));
    // Encoder children alive, sampled while the window is free to look.
    int most = 0;
    const auto alive = [] {
        const QStringList children = childProcesses();
        return int(std::count_if(children.cbegin(), children.cend(), [](const QString& c) { return !c.endsWith(" Z"); }));
    };
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] { most = std::max(most, alive()); });
    sampler.start(5);
    // Streamed Matroska states no duration: several at once it converts without being measured.
    QVERIFY(QProcess::execute("/bin/sh", {"-c", QString("'%1' -v error -f lavfi -i sine=d=3 -f matroska - > '%2'")
                                                    .arg(encoder(), d.filePath("live.mka"))}) == 0);
    c->startnow({d.filePath("a.flac"), d.filePath("a.wav"), d.filePath("fifo.wav"), d.filePath("b.wav"),
                 d.filePath("notes.txt"), d.filePath("live.mka")});
    QVERIFY(waitForAlerts(1));
    QCOMPARE(c->jobs(), 2);
    QCOMPARE(dialogs->alerts[0].informative,
             "Conversion Completed.\n1 of 6 files failed; the console has the details.\n"
             "1 file was not audio and was skipped.\n\n"
                 + d.filePath("fifo.wav") + ": left out: it is a FIFO, not a regular file");
    QVERIFY(ui.pb->isHidden());
    QCOMPARE(c->mainWindow()->windowTitle(), QStringLiteral("Qelvanto"));
    for (const char* out : {"a.mp3", "a 1.mp3", "b.mp3", "live.mp3"})
        QVERIFY2(probeAudio(d.filePath("Converted/") + out).ok, out);
    QCOMPARE(QDir(d.filePath("Converted")).entryList(QDir::Files).size(), 4);
    QCOMPARE(ui.textOutlet->toPlainText().count("command finished. Result code: 0"), 4);
    QCOMPARE(ui.textOutlet->toPlainText().count("launched: "), 4);
    QVERIFY(most <= 2); // never more than two

    // Stop with two running ends both; the batch goes on with the next file.
    QVERIFY(makeTone(d.filePath("long1.wav"), 300.0, 2));
    QVERIFY(makeTone(d.filePath("long2.wav"), 300.0, 2));
    c->startnow({d.filePath("long1.wav"), d.filePath("long2.wav"), d.filePath("b.wav")});
    QVERIFY(QTest::qWaitFor([&] {
        return unfinishedSize(d.filePath("Converted"), "long1.mp3") > 0 && unfinishedSize(d.filePath("Converted"), "long2.mp3") > 0;
    }, 60000));
    QCOMPARE(ui.runButton->text(), QStringLiteral("Stop"));
    ui.runButton->click();
    QVERIFY(waitForAlerts(2));
    sampler.stop();
    QStringList alert = dialogs->alerts[1].informative.split('\n');
    QCOMPARE(alert.mid(0, 3), (QStringList{"Conversion Completed.", "2 of 3 files were stopped.", ""}));
    alert = alert.mid(3);
    alert.sort();
    QCOMPARE(alert, (QStringList{d.filePath("long1.wav") + ": stopped", d.filePath("long2.wav") + ": stopped"}));
    QVERIFY(probeAudio(d.filePath("Converted/b 1.mp3")).ok);
    QCOMPARE(most, 2); // the two long ones ran together
    QTRY_COMPARE(c->liveProgressTimers(), 0);
    QVERIFY(!c->getSign());
    QCOMPARE(ui.runButton->text(), QStringLiteral("Execute"));
    QCOMPARE(c->mainWindow()->windowTitle(), QStringLiteral("Qelvanto"));
}

void BatchTest::oneEncoderStartPerFileAtOnce()
{
    if (BannerController::maxJobs() < 2)
        QSKIP("one core: the window offers one file at a time only");
    QTemporaryDir d, fake;
    QVERIFY(makeTone(d.filePath("a.wav"), 2.0, 2));
    QVERIFY(QFile::copy(path("notes.txt"), d.filePath("notes.txt")));
    QVERIFY(runEncoder({"-f", "lavfi", "-i", "color=c=red:s=8x8", "-frames:v", "1", d.filePath("picture.png")}));
    QVERIFY(runEncoder({"-f", "lavfi", "-i", "color=c=blue:s=16x16:d=1", d.filePath("video.mkv")}));
    QCOMPARE(::mkfifo(QFile::encodeName(d.filePath("fifo.wav")).constData(), 0644), 0);
    // The real encoder behind a door that counts who comes in.
    const QString log = fake.filePath("starts");
    QVERIFY(installEncoderScript(fake, QString("printf '%s\\n' \"$3\" >> '%1'\nexec '%2' \"$@\"\n")
                                           .arg(log, encoder()).toUtf8()));
    c->outlets().cmbJobs->setCurrentIndex(1);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(d.path())});
    QVERIFY(dropOn(c->outlets().imgView, &data));
    QVERIFY(waitForAlerts(1));
    QCOMPARE(dialogs->alerts[0].informative, "Conversion Completed.\n1 of 5 files failed; the console has the details.\n"
                                             "3 files were not audio and were skipped.\n\n"
                                                 + d.filePath("fifo.wav") + ": left out: it is a FIFO, not a regular file");
    QFile starts(log);
    QVERIFY(starts.open(QIODevice::ReadOnly));
    QStringList started = QString::fromUtf8(starts.readAll()).split('\n', Qt::SkipEmptyParts);
    started.sort();
    QCOMPARE(started, (QStringList{d.filePath("a.wav"), d.filePath("notes.txt"), d.filePath("picture.png"),
                                   d.filePath("video.mkv")}));
    QVERIFY(probeAudio(d.filePath("Converted/a.mp3")).ok);
    QCOMPARE(QDir(d.filePath("Converted")).entryList(QDir::Files), QStringList{"a.mp3"});
    const QString console = c->outlets().textOutlet->toPlainText();
    QCOMPARE(console.count("launched: "), 1);
    QCOMPARE(console.count("command finished. Result code: 0"), 1);
}

void BatchTest::emptyBatch()
{
    c->startnow({});
    QCOMPARE(dialogs->alerts.size(), 1);
    QCOMPARE(dialogs->alerts[0].informative, QStringLiteral("Conversion Completed."));
    QCOMPARE(c->getFileCount(), quint64(0));
}

void BatchTest::encoderThatCannotServe_data()
{
    QTest::addColumn<QByteArray>("script"); // empty: no encoder at all
    QTest::addColumn<bool>("executable");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("says");
    QTest::addColumn<int>("jobs");
    QTest::newRow("missing") << QByteArray() << true << "The encoder is missing" << "\"ffmpeg\" was not found" << 1;
    QTest::newRow("not executable") << QByteArray("exit 0\n") << false << "The encoder cannot be run"
                                    << "it is not executable" << 1;
    for (int jobs : {1, 2})
        QTest::addRow("cannot start, %d at once", jobs) << QByteArray("exit 127\n") << true
                                                         << "The encoder cannot be run" << "ended with code 127" << jobs;
    // It exits 0 as it does on a full disk, and writes nothing. Its probe sees audio
    // only when its standard input is not the terminal's but /dev/null.
    for (int jobs : {1, 2})
        QTest::addRow("claims success, %d at once", jobs)
            << "if [ $# -eq 3 ]; then [ \"$(readlink /proc/$$/fd/0)\" = /dev/null ] || exit 1; fi\n"
                   + standInProbe("00:00:01.00") + "\n[ $# -eq 3 ] && exit 1\n"
                   "eval last=\\${$#}; printf \"Output #0, mp3, to '%s':\\n\" \"$last\" >&2; exit 0\n"
            << true << "Complete" << "2 of 2 files failed" << jobs;
}

void BatchTest::encoderThatCannotServe()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, executable);
    QFETCH(QString, message);
    QFETCH(QString, says);
    QFETCH(int, jobs);
    if (jobs > BannerController::maxJobs())
        QSKIP("fewer cores than files at once");
    c->outlets().cmbJobs->setCurrentIndex(jobs - 1);
    QTemporaryDir fake;
    if (script.isEmpty())
        platform::setResourceSearchDirsOverride({fake.filePath("nowhere")});
    else
        QVERIFY(installEncoderScript(fake, script));
    if (!executable)
        QFile(fake.filePath("ffmpeg")).setPermissions(QFile::ReadOwner);
    // Our own standard input is a pipe now, as a terminal would be: not the encoder's.
    const int savedInput = ::dup(0);
    int pipeEnds[2];
    QCOMPARE(::pipe(pipeEnds), 0);
    ::dup2(pipeEnds[0], 0);
    c->startnow({path("a.wav"), path("c.flac")});
    ::dup2(savedInput, 0);
    for (int fd : {savedInput, pipeEnds[0], pipeEnds[1]})
        ::close(fd);
    QVERIFY(waitForAlerts(1));
    QCOMPARE(dialogs->alerts[0].message, message);
    QVERIFY2(dialogs->alerts[0].informative.contains(says), qPrintable(dialogs->alerts[0].informative));
    // Files already under way end first.
    QTRY_COMPARE(c->getFileCount(), quint64(0));
    QCOMPARE(dialogs->alerts.size(), 1);
    QVERIFY(!c->getSign());
    QCOMPARE(c->outlets().runButton->text(), QStringLiteral("Execute"));
    QVERIFY(c->outlets().pb->isHidden());
    // Nothing written, nothing left behind: not even the reserved name.
    QVERIFY(!QFileInfo::exists(path("Converted/a.mp3")));
    QVERIFY(!QFileInfo::exists(path("Converted/c.mp3")));
    if (message == "Complete")
        QCOMPARE(c->outlets().textOutlet->toPlainText().count("Not converted "), 2);
}

void BatchTest::runnerNotCreatedMovesOn()
{
    int calls = 0;
    c->setRunnerFactory([&](const QStringList& args) -> std::shared_ptr<KVShellWrapper> {
        if (++calls == 1)
            return nullptr;
        return KVShellWrapper::create({}, {}, {}, QStringLiteral("."), std::nullopt, args, nullptr);
    });
    c->startnow({path("c.flac"), path("a.wav")});
    QVERIFY(waitForAlerts(1));
    QVERIFY(c->outlets().textOutlet->toPlainText().contains("Ops! Something went wrong.\n Was not able to execute command."));
    QVERIFY(probeAudio(path("Converted/a.mp3")).ok);
    QVERIFY(dialogs->alerts[0].informative.contains("1 of 2 files failed"));
}

void BatchTest::separatorInNameIsLeftOut()
{
    const QString evil = path("x \"tavrel5293-f \"tavrel5293null.wav");
    QVERIFY(QFile::copy(path("c.flac"), evil));
    c->startnow({evil, path("c.flac")});
    QVERIFY(waitForAlerts(1));
    const QString console = c->outlets().textOutlet->toPlainText();
    QVERIFY(console.contains("Left out " + evil));
    QCOMPARE(console.count("command finished. Result code: 0"), 1);
    QVERIFY(probeAudio(path("Converted/c.mp3")).ok);
    QFile::remove(evil);
}

void BatchTest::noOverwriteAndOddNames()
{
    QTemporaryDir odd;
    const QStringList names{"with space.wav", "quote\"d.wav", "-dash.wav", "Ünïcødé.wav", "noext", "new\nline.wav"};
    QStringList inputs;
    for (const QString& n : names) {
        QVERIFY(QFile::copy(path("c.flac"), odd.filePath(n)));
        inputs << odd.filePath(n);
    }
    inputs << odd.filePath("with space.wav"); // twice: the second gets " 1"
    QDir(odd.path()).mkdir("Converted");
    QFile old(odd.filePath("Converted/noext.mp3"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("earlier result");
    old.close();
    c->startnow(inputs);
    QVERIFY(waitForAlerts(1));
    for (const char* out : {"with space.mp3", "with space 1.mp3", "quote\"d.mp3", "-dash.mp3", "Ünïcødé.mp3",
                            "noext 1.mp3", "new\nline.mp3"})
        QVERIFY2(probeAudio(odd.filePath("Converted/") + QString::fromUtf8(out)).ok, out);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("earlier result"));
    old.close();
    QCOMPARE(dialogs->alerts[0].informative, QStringLiteral("Conversion Completed."));

    // Run again with "If it exists" at Skip: what is there is left as it is, without a look.
    auto& ui = c->outlets();
    ui.cmbExisting->setCurrentIndex(1);
    const qsizetype launched = ui.textOutlet->toPlainText().count("launched: ");
    c->startnow({odd.filePath("noext"), odd.filePath("-dash.wav")});
    QVERIFY(waitForAlerts(2));
    QCOMPARE(dialogs->alerts[1].informative,
             QStringLiteral("Conversion Completed.\n2 files were already converted and were left as they are."));
    QCOMPARE(c->listModel()->data(c->listModel()->index(0, BatchListModel::State)).toString(),
             QStringLiteral("Already converted"));
    QVERIFY(ui.textOutlet->toPlainText().contains(
        "Already converted " + odd.filePath("noext") + ": " + odd.filePath("Converted/noext.mp3") + " is there."));
    QCOMPARE(ui.textOutlet->toPlainText().count("launched: "), launched);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("earlier result"));
}

void BatchTest::progressTickOnTheWindow()
{
    // A stand-in encoder: its probe states 200 seconds of audio, its conversion
    // stays quiet until stopped, so the tick reads only what the test puts in the view.
    QTemporaryDir fake;
    QVERIFY(installEncoderScript(fake, "if [ $# -eq 3 ]; then " + standInProbe("00:03:20.00") + " exit 1; fi\nexec sleep 30\n"));
    auto& ui = c->outlets();
    c->startnow({path("c.flac")});
    QVERIFY(QTest::qWaitFor([&] { return c->shellWrapper() != nullptr; }, 20000));
    QCOMPARE(c->totalDuration(), 200);
    QCOMPARE(ui.lblPbNow->text(), QStringLiteral("0%"));
    QTimer t;
    const struct { const char* text; const char* label; int bar; } cases[] = {
        {"frame=1 time=00:01:23.45 bitrate=1", "41%", 41},
        {"time=00:03:30.00 bitrate", "105%", 105},
        {"time=00:01:23.45\r", "41%", 41},
        {"no progress in this chunk", "41%", 41},
        {"time= bitrate", "41%", 41},
    };
    for (const auto& k : cases) {
        ui.errorOutlet->setPlainText(QString::fromLatin1(k.text));
        c->timerFired(&t);
        QCOMPARE(ui.lblPbNow->text(), QString::fromLatin1(k.label));
        QCOMPARE(ui.pbBar->value(), std::min(k.bar, ui.pbBar->maximum()));
    }
    c->stopTask(nullptr);
    QVERIFY(waitForAlerts(1));
    QVERIFY(ui.textOutlet->toPlainText().contains("command finished. Result code: 15"));
    // A tick after the batch changes nothing.
    ui.errorOutlet->setPlainText("time=00:00:20.00 ");
    c->timerFired(&t);
    QCOMPARE(ui.lblPbNow->text(), QStringLiteral("41%"));
    QTRY_COMPARE(c->liveProgressTimers(), 0);
}

void BatchTest::oneProgressTimerAtATime()
{
    QTemporaryDir many;
    QStringList inputs;
    for (int i = 0; i < 6; ++i) {
        QVERIFY(QFile::copy(path("c.flac"), many.filePath(QString("t%1.flac").arg(i))));
        inputs << many.filePath(QString("t%1.flac").arg(i));
    }
    int most = 0;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] { most = std::max(most, c->liveProgressTimers()); });
    sampler.start(2);
    c->startnow(inputs);
    QVERIFY(waitForAlerts(1));
    sampler.stop();
    QCOMPARE(most, 1);
    QCOMPARE(c->liveProgressTimers(), 0);
}

void BatchTest::outputFolderChoice()
{
    QTemporaryDir target;
    QDir(target.path()).mkdir("Mes Dossiers à moi");
    const QString folder = target.filePath("Mes Dossiers à moi");
    auto& ui = c->outlets();
    ui.cmbOutput->setCurrentIndex(1);
    // First: "OK" on the reminder, then the panel is cancelled: nothing starts.
    dialogs->alertAnswers = {1001};
    c->startnow({path("c.flac")});
    QCOMPARE(dialogs->alerts.size(), 1);
    QCOMPARE(dialogs->alerts[0].message, QStringLiteral("Select a folder"));
    QCOMPARE(dialogs->alerts[0].buttons, (QStringList{"Don't Show This Message Again", "OK"}));
    QCOMPARE(dialogs->panelTitles, QStringList{"Output the File to"});
    QCOMPARE(c->getFileCount(), quint64(0));
    QVERIFY(c->showsFolderReminder());
    // Then: switched off for good, and the folder is used.
    dialogs->alertAnswers = {1000};
    dialogs->folders = {QUrl::fromLocalFile(folder)};
    c->startnow({path("c.flac")});
    QVERIFY(waitForAlerts(3));
    QCOMPARE(dialogs->alerts[2].message, QStringLiteral("Complete"));
    QCOMPARE(ui.txtOutputPath->text(), folder + "/");
    QVERIFY(probeAudio(folder + "/c.mp3").ok);
    QVERIFY(!c->showsFolderReminder());
    QFile dat(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Qelvanto/folder.dat");
    QVERIFY(dat.open(QIODevice::ReadOnly));
    QCOMPARE(dat.readAll(), QByteArray("NO"));
    // No reminder any more; a cancelled panel abandons the start. The panel opens
    // where the last folder was chosen.
    c->startnow({path("c.flac")});
    QCOMPARE(dialogs->alerts.size(), 3);
    QCOMPARE(dialogs->panelTitles.size(), 3);
    QCOMPARE(dialogs->panelStarts, (QStringList{QString(), QString(), folder + "/"}));
}

void BatchTest::reminderOffWhenFolderDatCannotBeWritten()
{
    // A folder where the file should be: the write fails even for root.
    const QString dat = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Qelvanto/folder.dat";
    QFile::remove(dat);
    QVERIFY(QDir().mkpath(dat));
    c->applicationDidFinishLaunching(); // reads the settings again: the reminder is on
    QVERIFY(c->showsFolderReminder());
    c->outlets().cmbOutput->setCurrentIndex(1);
    dialogs->alertAnswers = {1000};
    c->startnow({path("c.flac")});
    QVERIFY(!c->showsFolderReminder());
    c->startnow({path("c.flac")});
    QCOMPARE(dialogs->alerts.size(), 1); // not asked again in this run
    QCOMPARE(dialogs->panelTitles.size(), 2);
    QVERIFY(QDir(dat).removeRecursively());
    // A link there is not written through: its target keeps what it held.
    QFile victim(path("victim"));
    QVERIFY(victim.open(QIODevice::WriteOnly));
    victim.write("keep me");
    victim.close();
    QVERIFY(QFile::link(path("victim"), dat));
    c->applicationDidFinishLaunching();
    dialogs->alertAnswers = {1000};
    c->startnow({path("c.flac")});
    QVERIFY(!c->showsFolderReminder());
    QVERIFY(victim.open(QIODevice::ReadOnly));
    QCOMPARE(victim.readAll(), QByteArray("keep me"));
    QFile::remove(dat);
}

void BatchTest::fullDiskUnderANameThatIsNotAscii()
{
    // A small file system of its own, full before the file is; the encoder says so
    // in a line that names the folder, and ends with 0 for ogg.
    QTemporaryDir mount;
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mount.path()}) != 0)
        QSKIP("no tmpfs can be mounted here (needs root)");
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {mount.path()}); });
    const QString folder = mount.filePath("Música");
    QVERIFY(QDir().mkpath(folder));
    // Its result (about 110 kB) fills the disk only as the encoder writes its end.
    QVERIFY(makeTone(path("long.wav"), 20.0, 2));
    auto& ui = c->outlets();
    ui.cmbFormat->setCurrentText("ogg");
    ui.cmbOutput->setCurrentIndex(1);
    dialogs->folders = {QUrl::fromLocalFile(folder)};
    c->startnow({path("long.wav")});
    // The folder reminder comes first, unless an earlier test switched it off.
    QVERIFY(QTest::qWaitFor([&] { return !dialogs->alerts.isEmpty() && dialogs->alerts.last().message == "Complete"; },
                            60000));
    QCOMPARE(dialogs->alerts.last().informative,
             "Conversion Completed.\n1 of 1 files failed; the console has the details.\n\n" + path("long.wav")
                 + ": failed: the disk is full");
    const QString console = ui.textOutlet->toPlainText();
    QVERIFY(console.contains("command finished. Result code: 0"));
    QVERIFY(console.contains("Not converted " + path("long.wav") + ": the disk is full."));
    QVERIFY(console.contains("its unfinished output " + folder + "/long.ogg was removed."));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
    QFile::remove(path("long.wav"));
}

namespace {
// Every file below root, relative to it, sorted.
QStringList filesBelow(const QString& root)
{
    QStringList found;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(root).relativeFilePath(it.next());
    found.sort();
    return found;
}
} // namespace

void BatchTest::keepFolders()
{
    QTemporaryDir d;
    for (const char* name : {"lib/A/X/01.flac", "lib/B/Y/01.flac", "single.wav"})
        QVERIFY(makeTone(d.filePath(name)));
    const QStringList inputs = filesBelow(d.path());
    auto& ui = c->outlets();
    ui.cmbOutput->setCurrentIndex(1);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(d.filePath("lib")), QUrl::fromLocalFile(d.filePath("single.wav"))});
    const struct { bool keep; QStringList expected; } cases[] = {
        {true, {"lib/A/X/01.mp3", "lib/B/Y/01.mp3", "single.mp3"}},
        {false, {"01 1.mp3", "01.mp3", "single.mp3"}},
    };
    for (const auto& k : cases) {
        QTemporaryDir out;
        ui.chkKeepFolders->setChecked(k.keep);
        dialogs->folders = {QUrl::fromLocalFile(out.path())};
        const qsizetype before = dialogs->alerts.size();
        QVERIFY(dropOn(ui.imgView, &data));
        QVERIFY(QTest::qWaitFor([&] { return dialogs->alerts.size() > before && dialogs->alerts.last().message == "Complete"; },
                                60000));
        QCOMPARE(filesBelow(out.path()), k.expected);
        for (const QString& f : k.expected)
            QVERIFY2(probeAudio(out.filePath(f)).ok, qPrintable(f));
        QCOMPARE(filesBelow(d.path()), inputs); // nothing written beside the inputs
    }
}

void BatchTest::tagsAndCoverKept_data()
{
    QTest::addColumn<int>("jobs");
    QTest::newRow("one at a time") << 1;
    QTest::newRow("two at once") << 2;
}

void BatchTest::tagsAndCoverKept()
{
    QFETCH(int, jobs);
    if (jobs > BannerController::maxJobs())
        QSKIP("fewer cores than files at once");
    QTemporaryDir d;
    const QStringList tone{"-f", "lavfi", "-i", "sine=d=1"};
    QVERIFY(runEncoder(tone + QStringList{"-metadata", "title=T", "-metadata", "artist=A", "-metadata", "album=L",
                                          d.filePath("tagged.ogg")}));
    QVERIFY(runEncoder({"-f", "lavfi", "-i", "color=c=red:s=32x32", "-frames:v", "1", d.filePath("front.png")}));
    for (const char* name : {"cover.mp3", "cover.flac"})
        QVERIFY(runEncoder(tone + QStringList{"-i", d.filePath("front.png"), "-map", "0", "-map", "1", "-c:v", "png",
                                              "-disposition:v", "attached_pic", d.filePath(name)}));
    QVERIFY(makeTone(d.filePath("plain.wav"), 1.0, 2));
    c->outlets().cmbJobs->setCurrentIndex(jobs - 1);
    c->startnow({d.filePath("tagged.ogg"), d.filePath("cover.mp3"), d.filePath("cover.flac"), d.filePath("plain.wav")});
    QVERIFY(waitForAlerts(1));
    QCOMPARE(dialogs->alerts[0].informative, QStringLiteral("Conversion Completed."));
    const auto dump = [&](const QString& name) {
        QByteArray err;
        runEncoder({"-v", "info", "-i", d.filePath("Converted/" + name)}, &err);
        return QString::fromUtf8(err);
    };
    const QString tags = dump("tagged.mp3");
    for (const char* tag : {"title           : T", "artist          : A", "album           : L"})
        QVERIFY2(tags.contains(tag), qPrintable(tags));
    for (const char* name : {"cover.mp3", "cover 1.mp3"})
        QVERIFY2(dump(name).contains("(attached pic)"), name);
    QVERIFY(!dump("plain.mp3").contains("Video:"));
    // A file without stream tags or a picture gets exactly the usual arguments; the
    // last names the unfinished file through a link of ours to the encoder's descriptor 3.
    if (jobs == 1) {
        const QStringList args = engine::splitArguments(c->outlets().textSource->text());
        QCOMPARE(args.mid(0, 15),
                 (QStringList{platform::pathForResource("ffmpeg"), "-y", "-i", d.filePath("plain.wav"), "-map_metadata", "0",
                              "-id3v2_version", "3", "-ab", "192k", "-ar", "44100", "-ac", "2", "-vn"}));
        QCOMPARE(args.size(), 16);
        QVERIFY2(args[15].startsWith(platform::privateFolder() + "/") && args[15].endsWith(".mp3"), qPrintable(args[15]));
    }
}

void BatchTest::opusAndRefusedChoices()
{
    auto& ui = c->outlets();
    ui.cmbFormat->setCurrentText("opus");
    QCOMPARE(ui.cmbFormat->currentIndex(), 9); // after the formats there were before
    ui.cmbRate->setCurrentText("22050");
    ui.cmbbr->setCurrentText("128");
    QVERIFY(ui.lblOpusRate->text().contains("48000 Hz"));
    QVERIFY(ui.lblRefused->text().isEmpty());
    // A tone, on which the encoder spends about the bits it is given.
    QVERIFY(makeTone(path("tone.wav"), 5.0, 2));
    c->startnow({path("tone.wav")});
    QVERIFY(waitForAlerts(1));
    QCOMPARE(dialogs->alerts[0].informative, QStringLiteral("Conversion Completed."));
    const AudioInfo info = probeAudio(path("Converted/tone.opus"));
    QVERIFY(info.ok);
    QCOMPARE(info.codec, QStringLiteral("opus"));
    QCOMPARE(info.rate, 48000);
    const double kbits = QFileInfo(path("Converted/tone.opus")).size() * 8.0 / 5.0 / 1000.0;
    QVERIFY2(kbits > 100 && kbits < 160, qPrintable(QString::number(kbits)));
    // A combination the encoder refuses is said before the batch, and still tried.
    ui.cmbFormat->setCurrentText("ogg");
    QVERIFY(ui.lblOpusRate->text().isEmpty());
    ui.cmbChannel->setCurrentIndex(0);
    QCOMPARE(ui.lblRefused->text(),
             QStringLiteral("The encoder does not take ogg mono at 22050 Hz above 64 kbit/s: every file would fail."));
    c->startnow({path("c.flac")});
    QVERIFY(waitForAlerts(2));
    QVERIFY(dialogs->alerts[1].informative.contains(path("c.flac") + ": failed with result code 1"));
    ui.cmbbr->setCurrentText("64");
    QVERIFY(ui.lblRefused->text().isEmpty());
    QFile::remove(path("tone.wav"));
}

void BatchTest::timeLeftFalls()
{
    // A stand-in encoder: a 60 s file, converted at the pace of the clock.
    QTemporaryDir fake;
    QVERIFY(installEncoderScript(fake, "if [ $# -eq 3 ]; then " + standInProbe("00:01:00.00")
                                           + " exit 1; fi\ni=0; while [ $i -lt 240 ]; do"
                                             " printf 'size=       1kB time=00:00:%02d.%02d bitrate= 1.0kbits/s speed=   1x    \\r'"
                                             " $((i / 4)) $((i % 4 * 25)) >&2; sleep 0.25; i=$((i + 1)); done\n"));
    auto& ui = c->outlets();
    c->startnow({path("c.flac")});
    // Nothing until an estimate can be made; then one that falls.
    QVERIFY(QTest::qWaitFor([&] { return ui.lblTimeLeft->isVisible(); }, 20000));
    const auto seconds = [&] {
        const QString t = ui.lblTimeLeft->text();
        return t.section(' ', 1, 1).toInt() * (t.contains(" min ") ? 60 : 1);
    };
    const int first = seconds();
    QVERIFY2(first > 30 && first <= 60, qPrintable(ui.lblTimeLeft->text()));
    QVERIFY(c->mainWindow()->windowTitle().endsWith(" — " + ui.lblTimeLeft->text()));
    QVERIFY(QTest::qWaitFor([&] { return seconds() < first; }, 20000));
    c->stopTask(nullptr);
    QVERIFY(waitForAlerts(1));
    QVERIFY(!ui.lblTimeLeft->isVisible());
}

void BatchTest::linksNotWrittenThrough_data()
{
    QTest::addColumn<QString>("link"); // where the link stands: Converted, or a folder kept below the chosen one
    QTest::addColumn<int>("jobs");
    QTest::newRow("Converted, one at a time") << "Converted" << 1;
    QTest::newRow("Converted, two at once") << "Converted" << 2;
    QTest::newRow("a kept folder") << "kept" << 1;
}

void BatchTest::linksNotWrittenThrough()
{
    QFETCH(QString, link);
    QFETCH(int, jobs);
    if (jobs > BannerController::maxJobs())
        QSKIP("one core: the window offers one file at a time only");
    QTemporaryDir d, out;
    QVERIFY(makeTone(d.filePath("lib/A/x.wav")));
    QVERIFY(makeTone(d.filePath("lib/A/y.wav")));
    QVERIFY(QDir().mkpath(d.filePath("elsewhere/A")));
    auto& ui = c->outlets();
    ui.cmbJobs->setCurrentIndex(jobs - 1);
    if (link == "Converted") {
        QVERIFY(QFile::link(d.filePath("elsewhere"), d.filePath("lib/A/Converted")));
    } else {
        QVERIFY(QFile::link(d.filePath("elsewhere"), out.filePath("lib")));
        ui.cmbOutput->setCurrentIndex(1);
        ui.chkKeepFolders->setChecked(true);
        dialogs->folders = {QUrl::fromLocalFile(out.path())};
    }
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(d.filePath("lib"))});
    QVERIFY(dropOn(ui.imgView, &data));
    QVERIFY(QTest::qWaitFor([&] { return !dialogs->alerts.isEmpty() && dialogs->alerts.last().message == "Complete"; },
                            60000));
    QCOMPARE(filesBelow(d.filePath("elsewhere")), QStringList());
    QVERIFY(dialogs->alerts.last().informative.startsWith("Conversion Completed.\n2 of 2 files failed"));
}

void BatchTest::tagKeyForgesLines_data()
{
    QTest::addColumn<int>("jobs");
    QTest::addColumn<QString>("key");
    for (int jobs : {1, 2}) {
        QTest::addRow("%d: the stream called a video", jobs) << jobs << "k\n  Stream #0:0: Video: h264, yuv420p\nk2";
        QTest::addRow("%d: no space after a mapping", jobs)
            << jobs << "k\nStream mapping:\nerror: No space left on device\nk2";
        QTest::addRow("%d: a dump of 1.5 MB", jobs) << jobs << "";
    }
}

// A tag's key is printed as it is, line feeds and all: the lines it makes decide nothing.
void BatchTest::tagKeyForgesLines()
{
    QFETCH(int, jobs);
    QFETCH(QString, key);
    if (jobs > BannerController::maxJobs())
        QSKIP("one core: the window offers one file at a time only");
    QTemporaryDir d;
    if (key.isEmpty()) {
        // A comment of 6,000 lines: the encoder's dump of the input runs past a megabyte.
        QFile meta(d.filePath("meta.txt"));
        QVERIFY(meta.open(QIODevice::WriteOnly));
        meta.write(";FFMETADATA1\ncomment=");
        for (int i = 0; i < 6000; ++i)
            meta.write(QByteArray(250, 'y') + "\\\n");
        meta.write("end\n");
        meta.close();
        QVERIFY(runEncoder({"-f", "lavfi", "-i", "sine=d=1", "-i", d.filePath("meta.txt"), "-map_metadata", "1",
                            d.filePath("song.mp3")}));
    } else {
        QVERIFY(runEncoder({"-f", "lavfi", "-i", "sine=d=1", "-metadata", key + "=v", d.filePath("song.mp3")}));
    }
    c->outlets().cmbJobs->setCurrentIndex(jobs - 1);
    c->outlets().cmbFormat->setCurrentText("ogg");
    c->startnow({d.filePath("song.mp3")});
    QVERIFY(waitForAlerts(1));
    QCOMPARE(dialogs->alerts[0].informative, QStringLiteral("Conversion Completed."));
    QVERIFY(probeAudio(d.filePath("Converted/song.ogg")).ok);
}

// A real alert runs an event loop of its own: files that end meanwhile say nothing
// more, and nothing new starts.
void BatchTest::encoderAlertSaidOnce()
{
    if (BannerController::maxJobs() < 2)
        QSKIP("one core: the window offers one file at a time only");
    QTemporaryDir fake;
    QVERIFY(installEncoderScript(fake, QString("echo x >> '%1'; exit 127\n").arg(fake.filePath("starts")).toUtf8()));
    c->outlets().cmbJobs->setCurrentIndex(1);
    int depth = 0, deepest = 0;
    dialogs->duringAlert = [&] {
        deepest = std::max(deepest, ++depth);
        [[maybe_unused]] const bool ended = QTest::qWaitFor([&] { return c->getFileCount() == 0; }, 20000); // read meanwhile
        --depth;
    };
    c->startnow({path("a.wav"), path("c.flac"), path("a.wav"), path("c.flac")});
    // The alert follows the batch's end through the event queue: wait for it, then
    // drain what is still posted so that a second one would be seen.
    QTRY_VERIFY_WITH_TIMEOUT(!dialogs->alerts.isEmpty() && c->getFileCount() == 0 && depth == 0, 30000);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(dialogs->alerts.size(), 1);
    QCOMPARE(dialogs->alerts[0].message, QStringLiteral("The encoder cannot be run"));
    QCOMPARE(deepest, 1);
    QFile starts(fake.filePath("starts"));
    QVERIFY(starts.open(QIODevice::ReadOnly));
    // One, or the two started at once before either ended; none after.
    const qsizetype started = starts.readAll().count('\n');
    QVERIFY2(started >= 1 && started <= 2, qPrintable(QString::number(started)));
    QVERIFY(!c->getSign());
}

QTEST_MAIN(BatchTest)
#include "tst_batch.moc"
