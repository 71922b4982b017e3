#include "TestSupport.h"
#include "cli/Arguments.h"
#include "engine/Settings.h"
#include "cli/Terminal.h"
#include "engine/CommandLine.h"
#include "engine/Batch.h"
#include "engine/Journey.h"
#include "engine/ProbeText.h"
#include "engine/Progress.h"
#include "engine/TimeString.h"
#include "engine/OutputFolder.h"
#include "engine/InputCollection.h"
#include "engine/ResultFile.h"

#include "engine/CueSheet.h"
#include "engine/Presenter.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

using namespace engine;

namespace {
bool writeWhole(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
QByteArray readWhole(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}
} // namespace

class EngineTest : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnEveryWarning(); }
    void timeStrings_data();
    void timeStrings();
    void timeStringsThatFail();
    void integerValueAgreesWithAReference();
    void durationTexts();
    void inputDump_data();
    void inputDump();
    void outputNaming_data();
    void outputNaming();
    void namingNeverReturnsATakenName();
    void reservedNamesOnDisk();
    void resultsWholeOrAbsent();
    void collectionLeavesResultsOut();
    void journeyDecisions();
    void ownLinesAcrossChunks();
    void conversionEnd_data();
    void conversionEnd();
    void presenterSaysOnce();
    void cueSheets_data();
    void cueSheets();
    void albumImagesSplit();
    void shortFilesShareRuns();
    void stopInTheMiddleOfAGroup();
    void givenUpWhileMembersWaitToRunAlone();
    void wholeBatchWithCoreOnly_data();
    void wholeBatchWithCoreOnly();
    void endJudgement_data();
    void endJudgement();
    void batchShare_data();
    void batchShare();
    void commandTextSplitsIntoSixteen();
    void separatorInAPathBreaksTheCount();
    void progressTick_data();
    void progressTick();
    void settingsText_data();
    void settingsText();
    void windowPlaceText_data();
    void windowPlaceText();
    void folderSwitch();
    void folderUrlsBecomePlainPaths();
    void commandLine_data();
    void commandLine();
    void windowOrTerminal_data();
    void windowOrTerminal();
    void absolutePaths_data();
    void absolutePaths();
    void progressLines_data();
    void progressLines();
};

void EngineTest::timeStrings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("seconds");
    QTest::newRow("minutes") << "00:01:23.45" << qint64(83);
    QTest::newRow("hour") << "01:00:00.00" << qint64(3600);
    QTest::newRow("short parts") << "1:2:3" << qint64(3723);
    QTest::newRow("fourth part ignored") << "1:2:3:4" << qint64(3723);
    QTest::newRow("duration example") << "00:03:25.47" << qint64(205);
    QTest::newRow("carriage return in seconds") << "00:01:23.45\r" << qint64(83);
    QTest::newRow("blank and sign") << " -1: +2:x" << qint64(-3480);
}

void EngineTest::timeStrings()
{
    QFETCH(QString, text);
    QFETCH(qint64, seconds);
    QCOMPARE(secondsForTimeString(text), seconds);
}

void EngineTest::timeStringsThatFail()
{
    for (const char* t : {"", "N/A", "00:01", "12"})
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, secondsForTimeString(QString::fromLatin1(t)));
}

void EngineTest::integerValueAgreesWithAReference()
{
    // Random texts of blanks, signs, digits and other characters against a plain reading.
    const QString alphabet = QStringLiteral(" \t+-0123456789.:a\r\n");
    auto* rng = QRandomGenerator::global();
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int len = int(rng->bounded(24));
        for (int i = 0; i < len; ++i)
            text += alphabet[int(rng->bounded(alphabet.size()))];
        qsizetype i = 0;
        while (i < text.size() && text[i].isSpace())
            ++i;
        bool neg = false;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            neg = text[i++] == u'-';
        qsizetype j = i;
        while (j < text.size() && text[j].isDigit())
            ++j;
        const QString digits = text.mid(i, j - i);
        bool ok = true;
        qint64 expected = digits.isEmpty() ? 0 : digits.toLongLong(&ok);
        if (!ok)
            continue; // beyond 64 bits: saturation, checked below
        QCOMPARE(integerValue(text), neg ? -expected : expected);
    }
    QCOMPARE(integerValue(u"99999999999999999999999"), std::numeric_limits<qint64>::max());
    QCOMPARE(integerValue(u"-99999999999999999999999"), std::numeric_limits<qint64>::min());
    // Hours saturate at the 64-bit maximum; the sum then wraps, without undefined behaviour.
    QCOMPARE(secondsForTimeString(QStringLiteral("99999999999999999999:99999999999:9")), qint64(5999999996349));
}

void EngineTest::durationTexts()
{
    QCOMPARE(durationSeconds(QStringLiteral("00:03:25.47")), 205);
    QCOMPARE(durationSeconds(QString()), std::nullopt);
    QCOMPARE(durationSeconds(QStringLiteral("N/A")), std::nullopt);
    QCOMPARE(durationSeconds(QStringLiteral("00:00:00.40")), 0);
}

void EngineTest::inputDump_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("facts"); // opened, audio, duration, container tags, stream tags, picture
    const QString wav = "Input #0, wav, from '/m/a.wav':\n";
    const QString audio = "  Stream #0:0: Audio: pcm_s16le, 44100 Hz, 2 channels, s16, 1411 kb/s\n";
    const QString duration = "  Duration: 00:00:01.00, bitrate: 1411 kb/s\n";
    const QString end = "At least one output file must be specified\n";
    QTest::newRow("audio") << wav + duration + audio + end << "/m/a.wav" << "1 1 00:00:01.00 0 0 0";
    QTest::newRow("cannot be read") << "/m/a.txt: Invalid data found when processing input\n" << "/m/a.txt"
                                    << "0 0 - 0 0 0";
    QTest::newRow("header of another file") << wav + duration + audio << "/m/b.wav" << "0 0 - 0 0 0";
    QTest::newRow("no duration stated")
        << "Input #0, matroska,webm, from '/m/a.mka':\n  Duration: N/A, start: 0.000000, bitrate: N/A\n" + audio
        << "/m/a.mka" << "1 1 N/A 0 0 0";
    QTest::newRow("video only") << "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from '/m/Audio/v.mp4':\n" + duration
                                       + "  Stream #0:0[0x1](und): Video: h264 (High), yuv420p, 16x16\n"
                                << "/m/Audio/v.mp4" << "1 0 00:00:01.00 0 0 0";
    QTest::newRow("mp4 audio with an id and a language")
        << "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from '/m/a.m4a':\n" + duration
               + "  Stream #0:0[0x1](und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz, stereo, fltp\n"
        << "/m/a.m4a" << "1 1 00:00:01.00 0 0 0";
    // Tags are dumped as they are; a key may hold line breaks, which make lines of any shape.
    QTest::newRow("key makes an invalid-data line")
        << wav + "  Metadata:\n    \nInvalid data found when processing input\n: v\n" + duration + audio << "/m/a.wav"
        << "1 1 00:00:01.00 1 0 0";
    QTest::newRow("key makes a duration line without duration")
        << wav + "  Metadata:\n    \n  Duration: N/A, : v\n" + duration + audio << "/m/a.wav" << "1 1 00:00:01.00 1 0 0";
    QTest::newRow("key makes a second whole duration line")
        << wav + "  Metadata:\n    \n  Duration: 99:00:00.00, start: 0.000000, bitrate: 1 kb/s\n: v\n" + duration + audio
        << "/m/a.wav" << "1 1 - 1 0 0";
    // A tag may add a line that claims audio (the conversion then fails and says
    // so), but cannot take the audio stream away, nor make a picture of a video.
    QTest::newRow("key makes an audio line under a video")
        << "Input #0, matroska,webm, from '/m/v.mkv':\n" + duration + "  Stream #0:0: Video: h264, yuv420p\n"
               + "    Metadata:\n      x\n  Stream #0:0: Audio: mp3, 44100 Hz\n: v\n"
        << "/m/v.mkv" << "1 1 00:00:01.00 0 0 0";
    QTest::newRow("key calls the audio a video")
        << wav + "  Metadata:\n    k\n  Stream #0:0: Video: h264, yuv420p\nk2: v\n" + duration + audio << "/m/a.wav"
        << "1 1 00:00:01.00 1 0 0";
    QTest::newRow("key makes the video a picture")
        << "Input #0, matroska,webm, from '/m/v.mkv':\n" + duration + "  Stream #0:0: Audio: mp3, 44100 Hz\n"
               + "  Stream #0:1: Video: h264, yuv420p\n    Metadata:\n      x\n"
               + "  Stream #0:1: Video: png, rgb24, 32x32 (attached pic)\n: v\n"
        << "/m/v.mkv" << "1 1 00:00:01.00 0 0 0";
    QTest::newRow("language says audio") << "Input #0, matroska,webm, from '/m/v.mkv':\n" + duration
                                                + "  Stream #0:0(x): Audio: y): Video: h264\n"
                                         << "/m/v.mkv" << "1 0 00:00:01.00 0 0 0";
    QTest::newRow("name makes an audio line")
        << "Input #0, mov,mp4,m4a,3gp,3g2,mj2, from '/m/x\n  Stream #0:1: Audio: mp3, 44100 Hz\n.mp4':\n" + duration
               + "  Stream #0:0: Video: h264\n"
        << "/m/x\n  Stream #0:1: Audio: mp3, 44100 Hz\n.mp4" << "1 0 00:00:01.00 0 0 0";
    QTest::newRow("tags of the stream only")
        << "Input #0, ogg, from '/m/a.ogg':\n" + duration + "  Stream #0:0: Audio: vorbis, 44100 Hz, mono\n"
               + "    Metadata:\n      encoder         : Lavc59\n      title           : T\n"
        << "/m/a.ogg" << "1 1 00:00:01.00 0 1 0";
    QTest::newRow("encoder's own tag only")
        << "Input #0, ogg, from '/m/a.ogg':\n" + duration + "  Stream #0:0: Audio: vorbis, 44100 Hz, mono\n"
               + "    Metadata:\n      encoder         : Lavc59\n"
        << "/m/a.ogg" << "1 1 00:00:01.00 0 0 0";
    QTest::newRow("tags and a cover")
        << "Input #0, flac, from '/m/a.flac':\n  Metadata:\n    title           : T\n" + duration
               + "  Stream #0:0: Audio: flac, 44100 Hz, mono, s16\n"
               + "  Stream #0:1: Video: png, rgb24(pc), 32x32 [SAR 1:1 DAR 1:1], 90k tbr, 90k tbn (attached pic)\n"
               + "    Metadata:\n      comment         : Other\n"
        << "/m/a.flac" << "1 1 00:00:01.00 1 0 1";
}

void EngineTest::inputDump()
{
    QFETCH(QString, text);
    QFETCH(QString, path);
    QFETCH(QString, facts);
    const InputFacts f = parseInputDump(text, path);
    const QString got = QStringLiteral("%1 %2 %3 %4 %5 %6")
                            .arg(int(f.opened)).arg(int(f.audio)).arg(f.durationText.value_or("-"))
                            .arg(int(f.containerTags)).arg(int(f.audioStreamTags)).arg(int(f.attachedPicture));
    QCOMPARE(got, facts);
    // A conversion's text goes on with the output's dump, which is not the input's.
    const InputFacts conversion =
        parseInputDump(text + "Output #0, mp3, to '/o/x.mp3':\n  Stream #0:0: Audio: mp3\n", path, "/o/x.mp3");
    QCOMPARE(conversion.audio, f.audio);
}

void EngineTest::outputNaming_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("expected");
    const QString orig = kOriginalFolder;
    QTest::newRow("plain") << "/music/a.ogg" << orig << "" << QStringList{} << "/music/Converted/a.F";
    QTest::newRow("chosen folder") << "/music/a.ogg" << "Choose" << "/Users/me/Desktop/" << QStringList{}
                                   << "/Users/me/Desktop/a.F";
    QTest::newRow("taken once") << "/music/a.ogg" << orig << "" << QStringList{"/music/Converted/a.F"}
                                << "/music/Converted/a 1.F";
    QTest::newRow("taken twice") << "/music/a.ogg" << orig << ""
                                 << QStringList{"/music/Converted/a.F", "/music/Converted/a 1.F"}
                                 << "/music/Converted/a 2.F";
    QTest::newRow("dots") << "/music/live.2020.ogg" << orig << "" << QStringList{} << "/music/Converted/live.2020.F";
    QTest::newRow("no extension") << "/music/track" << orig << "" << QStringList{} << "/music/Converted/track.F";
    QTest::newRow("hidden file") << "/music/.hidden" << orig << "" << QStringList{} << "/music/Converted/.hidden.F";
    QTest::newRow("input in the output folder") << "/out/a.F" << "Choose" << "/out/" << QStringList{"/out/a.F"}
                                                << "/out/a 1.F";
}

void EngineTest::outputNaming()
{
    QFETCH(QString, input);
    QFETCH(QString, choice);
    QFETCH(QString, folder);
    QFETCH(QStringList, taken);
    QFETCH(QString, expected);
    ConversionSettings s{QStringLiteral("F"), QStringLiteral("192"), QStringLiteral("44100"), 1, choice, folder};
    const QSet<QString> set(taken.begin(), taken.end());
    QCOMPARE(outputPath(input, s, [&](const QString& p) { return set.contains(p); }), expected);
}

void EngineTest::namingNeverReturnsATakenName()
{
    ConversionSettings s{QStringLiteral("mp3"), {}, {}, 1, kOriginalFolder, {}};
    // Every name up to " 1000" taken: the first free one follows.
    const QString got = outputPath(QStringLiteral("/m/a.wav"), s, [](const QString& p) {
        return p == QLatin1String("/m/Converted/a.mp3")
            || (p.startsWith(QLatin1String("/m/Converted/a ")) && p.mid(15).chopped(4).toInt() <= 1000);
    });
    QCOMPARE(got, QStringLiteral("/m/Converted/a 1001.mp3"));
}

void EngineTest::reservedNamesOnDisk()
{
    // Whatever stands at a name takes it: a file, a folder, a link, a broken link.
    QTemporaryDir d;
    QVERIFY(QDir(d.path()).mkpath("Converted/a 1.tmp"));
    QVERIFY(QFile::link(d.filePath("nowhere"), d.filePath("Converted/a.tmp")));
    QVERIFY(QFile::link(d.filePath("x"), d.filePath("Converted/a 2.tmp")));
    QFile(d.filePath("x")).open(QIODevice::WriteOnly);
    const NameParts wav = temporaryWavName(d.filePath("a.mka"));
    QCOMPARE(wav.base + wav.extension, d.filePath("Converted/a.tmp"));
    const ReservedName got = reserveFreeName(wav);
    QCOMPARE(got.path, d.filePath("Converted/a 3.tmp"));
    QVERIFY(got.id);
    QCOMPARE(platform::sizeIfSame(got.path, *got.id), std::optional<qint64>(0));
    QVERIFY(!QFileInfo(d.filePath("nowhere")).exists());
    // The next one takes the next name; only the file we made is removed.
    QCOMPARE(reserveFreeName(wav).path, d.filePath("Converted/a 4.tmp"));
    QVERIFY(!platform::removeIfSame(d.filePath("Converted/a 2.tmp"), *got.id, false));
    QVERIFY(platform::removeIfSame(got.path, *got.id, true));
    QVERIFY(!QFileInfo::exists(got.path));
    // No folder to write in: nothing is created, and the caller hears it.
    QVERIFY(!reserveFreeName({d.filePath("missing/a"), ".mp3"}).id);
}

void EngineTest::resultsWholeOrAbsent()
{
    QTemporaryDir d;
    QVERIFY(QDir(d.path()).mkpath("Converted"));
    const QString folder = d.filePath("Converted");
    const NameParts name{folder + "/a", ".mp3"};
    // Reserved, with the unfinished file beside it; the name holds nothing yet.
    ReservedResult r = reserveResult(name, false, {}, nullptr);
    QVERIFY(r.file);
    QCOMPARE(r.path, folder + "/a.mp3");
    QCOMPARE(QFileInfo(r.path).size(), 0);
    const QString unfinished = r.file->unfinishedPath();
    QVERIFY(parseUnfinishedName(QFileInfo(unfinished).fileName()));
    QCOMPARE(parseUnfinishedName(QFileInfo(unfinished).fileName())->result, QStringLiteral("a.mp3"));
    QVERIFY(QFileInfo(r.file->encoderPath()).isSymLink() || r.file->encoderPath() == unfinished);
    QVERIFY(::write(r.file->descriptor(), "whole", 5) == 5);
    // Someone took the name meanwhile: never replaced, the next free name is used.
    QVERIFY(QFile::remove(r.path));
    QVERIFY(writeWhole(r.path, "the user's"));
    QCOMPARE(r.file->publish(), std::optional<QString>(folder + "/a 1.mp3"));
    QCOMPARE(readWhole(folder + "/a.mp3"), QByteArray("the user's"));
    QCOMPARE(readWhole(folder + "/a 1.mp3"), QByteArray("whole"));
    QVERIFY(!QFileInfo::exists(unfinished));
    // Not converted: both go, and only while they are ours.
    r = reserveResult(name, false, {}, nullptr);
    QCOMPARE(r.path, folder + "/a 2.mp3");
    QVERIFY(r.file->discard() == false); // it held nothing
    QCOMPARE(allEntries(folder), QStringList({"a 1.mp3", "a.mp3"}));
    // A name given back before a later result is published goes to that result:
    // an earlier file that was no audio after all pushes nothing to the next number.
    {
        const ReservedResult first = reserveResult(name, false, {}, nullptr);
        const ReservedResult second = reserveResult(name, false, {}, nullptr);
        QCOMPARE(second.path, folder + "/a 3.mp3");
        QVERIFY(::write(second.file->descriptor(), "second", 6) == 6);
        first.file->discard();
        QCOMPARE(second.file->publish(), std::optional<QString>(folder + "/a 2.mp3"));
        QCOMPARE(readWhole(folder + "/a 2.mp3"), QByteArray("second"));
        QVERIFY(QFile::remove(folder + "/a 2.mp3"));
        QCOMPARE(allEntries(folder), QStringList({"a 1.mp3", "a.mp3"}));
    }

    // A run killed while it wrote: its unfinished file is no one's any more once
    // its lock is free. The next run removes it and takes its name back.
    r = reserveResult(name, false, {}, nullptr);
    QCOMPARE(r.path, folder + "/a 2.mp3");
    QVERIFY(::write(r.file->descriptor(), "part", 4) == 4);
    const QString left = r.file->unfinishedPath();
    auto live = std::make_shared<LeftoverRecovery>();
    QCOMPARE(live->recover(folder, platform::Folder(folder, false)), QStringList()); // its writer lives: left alone
    r.file.reset(); // the writer is gone, as a kill leaves it: the file stays, its lock is free
    QCOMPARE(readWhole(left), QByteArray("part"));
    QVERIFY(writeWhole(folder + "/.b.mp3.qelvanto-unfinished-zz.mp3", "not our shape")); // not ours
    QVERIFY(writeWhole(folder + "/a 3.mp3", ""));                                         // a user's empty file
    LeftoverRecovery recovery;
    const ReservedResult again = reserveResult(name, false, {}, &recovery);
    QCOMPARE(again.recovered, QStringList{left});
    QCOMPARE(again.path, folder + "/a 2.mp3");
    QCOMPARE(reserveResult(name, false, {}, &recovery).path, folder + "/a 4.mp3");
    QVERIFY(QFileInfo::exists(folder + "/.b.mp3.qelvanto-unfinished-zz.mp3"));
    QCOMPARE(readWhole(left), QByteArray()); // the new run's own, empty so far
}

void EngineTest::collectionLeavesResultsOut()
{
    QTemporaryDir d;
    const QString root = d.filePath("lib");
    for (const char* f : {"lib/01.flac", "lib/Converted/01.mp3", "lib/Converted/.01.mp3.qelvanto-unfinished-1.mp3",
                          "lib/Own/Converted/mine.wav", "lib/out/x.mp3", "lib/Deep/A/B/C/D/E/F/G/deep.wav"})
        QVERIFY(writeWhole(d.filePath(f), "x"));
    // A Converted beside files holds results; one in a folder of folders only is the person's.
    CollectedInputs c = collectInputs(QList<QByteArray>{QFile::encodeName(root)});
    QVERIFY(!c.paths.contains(root + "/Converted/01.mp3"));
    QVERIFY(c.paths.contains(root + "/Own/Converted/mine.wav"));
    QCOMPARE(c.notes, QStringList{"Left out " + root + "/Converted: it holds the results of earlier runs."});
    // The chosen output folder inside a dropped one is results too.
    leaveOutOutputFolder(c, root + "/out/");
    QVERIFY(!c.paths.contains(root + "/out/x.mp3"));
    QCOMPARE(c.notes.last(), "Left out " + root + "/out: it is the output folder, which holds results.");
    QCOMPARE(c.paths.size(), c.subfolders.size());
    // A folder that cannot be opened is said and counts as left out: here the
    // descriptors run out deep in the tree.
    rlimit saved{};
    QVERIFY(::getrlimit(RLIMIT_NOFILE, &saved) == 0);
    const qsizetype open = QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size();
    rlimit few = saved;
    few.rlim_cur = rlim_t(open + 4);
    QVERIFY(::setrlimit(RLIMIT_NOFILE, &few) == 0);
    const CollectedInputs shallow = collectInputs(QList<QByteArray>{QFile::encodeName(root + "/Deep")});
    QVERIFY(::setrlimit(RLIMIT_NOFILE, &saved) == 0);
    QCOMPARE(shallow.leftOut.size(), 1);
    const qsizetype at = shallow.leftOut.keys().first();
    QVERIFY(shallow.leftOut.value(at).startsWith("it is a folder that cannot be opened (Too many open files"));
    QVERIFY(QFileInfo(shallow.paths.at(at)).isDir());
    QVERIFY(!shallow.paths.contains(root + "/Deep/A/B/C/D/E/F/G/deep.wav"));
}

void EngineTest::journeyDecisions()
{
    using platform::InputKind;
    // Before the probe.
    QCOMPARE(decideInput("/m/a", true, {}), std::nullopt);
    QCOMPARE(decideInput("/m/a", false, {})->outcome, Outcome::LeftOut);
    QCOMPARE(decideInput("/m/f", true, {InputKind::NotRegular, "it is a FIFO, not a regular file", {}})->reason,
             QStringLiteral("it is a FIFO, not a regular file"));
    const auto gone = decideInput("/m/g", true, {InputKind::Unreadable, "No such file or directory", {}});
    QCOMPARE(gone->outcome, Outcome::Unreadable);
    QCOMPARE(gone->consoleReason, QStringLiteral("it cannot be read (No such file or directory)"));
    // Lists that make the encoder open other files are never given to it.
    for (const char* head : {"#EXTM3U\n#EXT-X-TARGETDURATION:10\nself.m3u8\n", "\xef\xbb\xbf  #EXTM3U\n",
                             "ffconcat version 1.0\nfile a.wav\n", "<?xml version=\"1.0\"?>\n<MPD xmlns=\"x\">",
                             "v=0\r\no=- 0 0 IN IP4 127.0.0.1\r\n"})
        QCOMPARE(decideInput("/m/p", true, {InputKind::Regular, {}, head})->outcome, Outcome::LeftOut);
    for (const char* head : {"RIFF\x24\0\0\0WAVEfmt ", "ID3\x03", "#EXTINF without a header\n", ""})
        QCOMPARE(decideInput("/m/a", true, {InputKind::Regular, {}, head}), std::nullopt);
    // What may join a run of several short files: the look of audio, nothing more.
    for (const QByteArray& head : {QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16), QByteArray("fLaC\0"), QByteArray("OggS"),
                                   QByteArray("ID3\x04"), QByteArray("\xff\xfb\x90"), QByteArray("\xff\xf1\x50"),
                                   QByteArray("\0\0\0 ftypM4A ", 12)})
        QVERIFY2(looksLikeAudio(head), head.toHex().constData());
    for (const QByteArray& head : {QByteArray("just words\n"), QByteArray("RIFF\x24\0\0\0AVI ", 12), QByteArray("\x89PNG"),
                                   QByteArray()})
        QVERIFY2(!looksLikeAudio(head), head.toHex().constData());
    // Only plain samples join by their size up to a few seconds of CD audio; compressed
    // audio of that size may last minutes.
    for (const QByteArray& head : {QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16), QByteArray("FORM\0\0\0\0AIFFCOMM", 16)})
        QVERIFY2(holdsPlainSamples(head), head.toHex().constData());
    for (const QByteArray& head : {QByteArray("fLaC\0"), QByteArray("OggS"), QByteArray("RIFF\x24\0\0\0AVI ", 12),
                                   QByteArray("\0\0\0 ftypM4A ", 12), QByteArray("RIFF")})
        QVERIFY2(!holdsPlainSamples(head), head.toHex().constData());
    // After the probe: the encoder's state first, then its words.
    InputFacts audio{.opened = true, .audio = true, .durationText = QStringLiteral("00:00:02.00")};
    const EncoderRunResult ran{true, true, false, 1, {}, {}};
    QCOMPARE(decideProbe(ran, audio).kind, ProbeDecision::Accept);
    QCOMPARE(decideProbe(ran, audio).durationText, QStringLiteral("00:00:02.00"));
    QCOMPARE(decideProbe(ran, InputFacts{.opened = true}).kind, ProbeDecision::NotAudio);
    QCOMPARE(decideProbe(ran, InputFacts{.audio = true}).kind, ProbeDecision::NotAudio);
    QCOMPARE(decideProbe({false, true, false, -1, {}, "not found"}, audio).kind, ProbeDecision::EncoderUnusable);
    QCOMPARE(decideProbe({true, true, false, 127, {}, {}}, audio).kind, ProbeDecision::EncoderUnusable);
    QCOMPARE(decideProbe({true, false, false, 9, {}, {}}, audio).kind, ProbeDecision::LeftOut);
}

void EngineTest::ownLinesAcrossChunks()
{
    // A tag's key and value may come in two chunks; the value is still no progress line.
    OwnLines lines;
    QCOMPARE(lines.feed("Output #0, mp3:\n  Metadata:\n    title           : "), QStringList({"Output #0, mp3:", "  Metadata:"}));
    const QString chunk = "time=99:00:00.00 No space left on device\nsize=  1kB time=00:00:05.00 bitrate=1\r";
    QCOMPARE(lines.feed(chunk), QStringList{"size=  1kB time=00:00:05.00 bitrate=1"});
    QVERIFY(lines.chunkBeganInForeignLine());
    QCOMPARE(progressPercent(chunk, 10, lines.chunkBeganInForeignLine()), 50);
    QCOMPARE(progressPercent(chunk, 10), 3564000); // without the hint: 99 hours against 10 seconds
    // A line cut between chunks is whole once it ends.
    QCOMPARE(lines.feed("size=  2kB ti"), QStringList{});
    QVERIFY(!lines.chunkBeganInForeignLine());
    QCOMPARE(lines.feed("me=00:00:06.00 x\r"), QStringList{"size=  2kB time=00:00:06.00 x"});
    QVERIFY(!lines.chunkBeganInForeignLine());
}

void EngineTest::conversionEnd_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QStringList>("probeTagLines");
    QTest::addColumn<QString>("facts"); // said, only in tag lines, position, last words
    QTest::addColumn<QString>("trouble");
    const QByteArray input = "Input #0, wav, from '/m/in.wav':\n  Duration: 00:00:20.00, bitrate: 1411 kb/s\n"
                             "  Stream #0:0: Audio: pcm_s16le, 44100 Hz, 2 channels, s16, 1411 kb/s\n";
    const QByteArray mapping = "Stream mapping:\n  Stream #0:0 -> #0:0 (pcm_s16le (native) -> vorbis (libvorbis))\n";
    const QByteArray music = "/m/M\xc3\xbasica/Beyonc\xc3\xa9.ogg";
    const QByteArray output = "Output #0, ogg, to '" + music + "':\n  Stream #0:0: Audio: vorbis, 44100 Hz\n";
    QTest::newRow("full disk under a name that is not ASCII")
        << input + mapping + output + "size=       4kB time=00:00:00.00 bitrate=N/A speed=N/A    \rError writing trailer of "
               + music + ": No space left on device\nsize=     100kB time=00:00:19.98 bitrate=  41.0kbits/s speed= 127x    \n"
        << QString::fromUtf8(music) << QStringList()
        << "1 0 19 Error writing trailer of " + QString::fromUtf8(music) + ": No space left on device" << "";
    const QByteArray tagged = "  Metadata:\n    x\nNo space left on device\n: v\n";
    QTest::newRow("a key says it in both dumps")
        << input + tagged + mapping + "Output #0, ogg, to '/o/a.ogg':\n" + tagged
               + "size=     100kB time=00:00:20.00 bitrate=  41.0kbits/s speed= 99.5x    \n"
        << "/o/a.ogg" << QStringList() << "0 1 20 : v" << "";
    QTest::newRow("the probe saw the tag")
        << input + mapping + "Output #0, ogg, to '/o/a.ogg':\n  Metadata:\n    x\nNo space left on device\n: v\n"
        << "/o/a.ogg" << QStringList{"No space left on device"} << "0 1 - : v" << "";
    const QByteArray forgedMapping = "  Metadata:\n    k\nStream mapping:\nerror: No space left on device\nk2: v\n";
    QTest::newRow("a key forges the mapping, then no space")
        << input + forgedMapping + mapping + "Output #0, ogg, to '/o/a.ogg':\n" + forgedMapping
               + "size=     100kB time=00:00:20.00 bitrate=  41.0kbits/s speed= 99.5x    \n"
        << "/o/a.ogg" << QStringList() << "0 1 20 k2: v" << "";
    QTest::newRow("no output's header: no word after it")
        << input + "Error opening output /o/a.ogg: No space left on device\n" << "/o/a.ogg" << QStringList()
        << "0 0 - Error opening output /o/a.ogg: No space left on device" << "";
    QTest::newRow("the output's name says it")
        << input + mapping + "Output #0, ogg, to '/o/No space left on device\n.ogg':\n"
               + "size=     100kB time=00:00:20.00 bitrate=  41.0kbits/s speed=N/A    \n"
        << "/o/No space left on device\n.ogg" << QStringList() << "0 0 20 .ogg':" << "";
    // A damaged input: cut short, or garbled in its middle.
    const QByteArray out = "Output #0, ogg, to '/o/a.ogg':\n  Stream #0:0: Audio: vorbis, 44100 Hz\n";
    const QByteArray decodeError = "Error while decoding stream #0:0: Invalid data found when processing input\n";
    QTest::newRow("cut short")
        << input + mapping + out + "size=  2kB time=00:00:00.02 bitrate= 566.1kbits/s speed=46.8x    \r"
               + "[flac @ 0x55f061879b40] invalid residual\n" + decodeError
               + "size=     552kB time=00:00:12.51 bitrate= 192.4kbits/s speed= 118x    \n"
        << "/o/a.ogg" << QStringList() << "0 0 12 Error while decoding stream #0:0: Invalid data found when processing input"
        << "only 0:12 of 0:20 could be read; 1 error while decoding";
    QTest::newRow("timestamps backwards, whole length")
        << input + mapping + out + "size=  2kB time=00:00:00.02 bitrate= 566.1kbits/s speed= 269x    \r"
               + "[libmp3lame @ 0x55baecb47040] Queue input is backward in time\n"
               + "[mp3 @ 0x55b] Application provided invalid, non monotonically increasing dts to muxer in stream 0: 13 >= 12\n"
               + "size=    1364kB time=00:00:20.00 bitrate= 186.2kbits/s speed= 128x    \n"
        << "/o/a.ogg" << QStringList()
        << "0 0 20 [mp3 @ 0x55b] Application provided invalid, non monotonically increasing dts to muxer in stream 0: 13 >= 12"
        << "its timestamps ran backwards 2 times";
    QTest::newRow("within 2 s of its length")
        << input + mapping + out + "size= 1364kB time=00:00:18.10 bitrate= 186.2kbits/s speed= 128x    \n" << "/o/a.ogg"
        << QStringList() << "0 0 18 Output #0, ogg, to '/o/a.ogg':" << "";
    const QByteArray forged = "  Metadata:\n    k\n" + decodeError + "[x @ 0x1] Queue input is backward in time\nk2: v\n";
    QTest::newRow("a tag holds the words")
        << input + forged + mapping + out + forged + "size= 1364kB time=00:00:20.00 bitrate= 186.2kbits/s speed= 128x    \n"
        << "/o/a.ogg" << QStringList() << "0 0 20 k2: v" << "";
    QTest::newRow("a length only estimated")
        << "[mp3 @ 0x5] Estimating duration from bitrate, this may be inaccurate\n" + input + mapping + out
               + "size= 1364kB time=00:00:05.00 bitrate= 186.2kbits/s speed= 128x    \n"
        << "/o/a.ogg" << QStringList() << "0 0 5 Output #0, ogg, to '/o/a.ogg':" << "";
}

void EngineTest::conversionEnd()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, output);
    QFETCH(QStringList, probeTagLines);
    QFETCH(QString, facts);
    QFETCH(QString, trouble);
    // Cut anywhere, also inside a character or the marker, the pieces say the same.
    for (int cut : {1, 7, 4096}) {
        ConversionText t("/m/in.wav", output, QSet<QString>(probeTagLines.begin(), probeTagLines.end()));
        for (qsizetype at = 0; at < text.size(); at += cut)
            t.feed(text.mid(at, cut));
        t.finish();
        const QString got = QStringLiteral("%1 %2 %3 %4")
                                .arg(int(t.noSpaceSaid())).arg(int(t.noSpaceOnlyInTagLines()))
                                .arg(t.position() ? QString::number(*t.position()) : "-", t.lastDiagnosticLine());
        QCOMPARE(got, facts);
        QCOMPARE(troubleText(t.trouble()), trouble);
    }
}

namespace {
// The batch's events, as a front door would see them.
struct RecordingHost : BatchHost {
    QStringList events;
    QList<BatchEnd> ends;
    int mostRunning = 0;
    const Batch* batch = nullptr;
    void note(Journey* j, const char* what)
    {
        events << QStringLiteral("%1 %2").arg(j->index()).arg(what);
        mostRunning = std::max(mostRunning, int(batch->running().size()));
    }
    void batchFileEnded(Journey* j) override
    {
        note(j, "ended");
        if (presenter)
            said[j->index()] = presenter->endNotes(*j) + presenter->terminalLines(*j, ++endedSoFar);
    }
    const Presenter* presenter = nullptr;
    QMap<qsizetype, QStringList> said; // what the doors are given to say of each file as it ends
    qsizetype endedSoFar = 0;
    void batchEncoderUnusable(const EncoderTrouble&) override { events << "unusable"; }
    void batchEnded(BatchEnd end) override { ends << end; }
    void journeyPreparing(Journey* j) override { note(j, "preparing"); }
    void journeyConverting(Journey* j) override { note(j, "converting"); }
    void journeyNamed(Journey* j) override { note(j, "named"); }
    QStringList journeyArguments(Journey*, const QString& text) override { return splitArguments(text); }
    void journeyRunnerMade(Journey* j) override { note(j, "runner"); }
    void journeyStarted(Journey* j) override { note(j, "started"); }
    void journeyLaunched(Journey* j, const QStringList&) override { note(j, "launched"); }
    void journeyOutput(Journey*, const QString&) override {}
    void journeyError(Journey*, const QString&) override {}
    void journeyNote(Journey*, const QString& line) override { notes << line; }
    QStringList notes;
};
} // namespace

void EngineTest::wholeBatchWithCoreOnly_data()
{
    QTest::addColumn<int>("jobs");
    QTest::newRow("one at a time") << 1;
    QTest::newRow("two at once") << 2;
}

void EngineTest::wholeBatchWithCoreOnly()
{
    QFETCH(int, jobs);
    QTemporaryDir d;
    QVERIFY(makeTone(d.filePath("a.wav")));
    QVERIFY(makeTone(d.filePath("c.flac")));
    QFile text(d.filePath("notes.txt"));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("words\n"));
    text.close();
    QFile list(d.filePath("self.m3u8"));
    QVERIFY(list.open(QIODevice::WriteOnly) && list.write("#EXTM3U\nself.m3u8\n"));
    list.close();
    const QStringList files{d.filePath("a.wav"), d.filePath("notes.txt"), d.filePath("c.flac"), d.filePath("self.m3u8")};
    RecordingHost host;
    BatchSetup setup{.files = files,
                     .jobs = jobs,
                     .settings = {"mp3", "192", "44100", 1, kOriginalFolder, {}},
                     .makeRunner = [](const QStringList& args) {
                         return KVShellWrapper::create({}, {}, {}, QStringLiteral("."), std::nullopt, args, nullptr);
                     },
                     .skipPauseMs = 10};
    Batch batch(setup, &host);
    host.batch = &batch;
    batch.start();
    QTRY_COMPARE_WITH_TIMEOUT(host.ends.size(), 1, 60000);
    QCOMPARE(host.ends.first(), BatchEnd::LastFinished);
    QVERIFY(host.mostRunning <= (jobs == 1 ? 1 : 4)); // several at once, the four short files share a run
    const Outcome expected[] = {Outcome::Converted, Outcome::NotAudio, Outcome::Converted, Outcome::LeftOut};
    for (qsizetype i = 0; i < files.size(); ++i) {
        QCOMPARE(batch.state(i), FileState::Done);
        QCOMPARE(batch.outcome(i)->outcome, expected[i]);
    }
    QCOMPARE(batch.report().outcomes().size(), 4);
    QCOMPARE(batch.percent(), 100);
    // A converted file's steps, in their order; the others end before any conversion.
    QCOMPARE(host.events.filter(QRegularExpression("^0 ")),
             QStringList({"0 preparing", "0 converting", "0 named", "0 runner", "0 started", "0 launched", "0 ended"}));
    QCOMPARE(host.events.filter(QRegularExpression("^1 ")), QStringList({"1 preparing", "1 ended"}));
    QCOMPARE(host.events.filter(QRegularExpression("^3 ")), QStringList({"3 preparing", "3 ended"}));
    QVERIFY(probeAudio(d.filePath("Converted/a.mp3")).ok);
    QVERIFY(probeAudio(d.filePath("Converted/c.mp3")).ok);
    QCOMPARE(QDir(d.filePath("Converted")).entryList(QDir::Files).size(), 2);
    QTest::qWait(50);
    QCOMPARE(host.ends.size(), 1); // exactly one end
}

void EngineTest::presenterSaysOnce()
{
    // What both doors show, decided once: rows, lines, summaries, verdicts.
    QTemporaryDir d;
    QVERIFY(makeTone(d.filePath("a.wav")));
    QVERIFY(makeTone(d.filePath("there.wav")));
    QVERIFY(writeWhole(d.filePath("notes.txt"), "words\n"));
    QVERIFY(writeWhole(d.filePath("Converted/there.mp3"), "an earlier result"));
    const QStringList files{d.filePath("a.wav"), d.filePath("notes.txt"), d.filePath("gone.wav"), d.filePath("there.wav")};
    RecordingHost host;
    Batch batch({.files = files, .settings = {"mp3", "192", "44100", 1, kOriginalFolder, {}, false, true}, .skipPauseMs = 1},
                &host);
    const Presenter window(batch, Door::Window), terminal(batch, Door::Terminal);
    host.batch = &batch;
    host.presenter = &terminal;
    batch.start();
    QTRY_COMPARE_WITH_TIMEOUT(host.ends.size(), 1, 60000);
    const QString a = d.filePath("a.wav"), gone = d.filePath("gone.wav"), there = d.filePath("there.wav");
    const QString result = d.filePath("Converted/a.mp3"), earlier = d.filePath("Converted/there.mp3");
    const QList<Presenter::Row> rows{{"Converted", result}, {"Not audio", {}},
                                     {"Left out: No such file or directory", {}}, {"Already converted", earlier}};
    for (qsizetype i = 0; i < files.size(); ++i)
        QCOMPARE(window.row(i), rows[i]);
    QCOMPARE(host.said[0], QStringList{"1/4 " + a + ": converted to " + result});
    QCOMPARE(host.said[1], QStringList{"2/4 " + d.filePath("notes.txt") + ": not audio, skipped"});
    QCOMPARE(host.said[2], QStringList({"Left out " + gone + ": it cannot be read (No such file or directory).",
                                        "3/4 " + gone + ": could not be read: No such file or directory"}));
    QCOMPARE(host.said[3], QStringList({"Already converted " + there + ": " + earlier + " is there.",
                                        "4/4 " + there + ": already converted as " + earlier + ", left as it is"}));
    const QString counts = "Conversion Completed.\n1 of 4 files failed%1\n1 file was not audio and was skipped.\n"
                           "1 file was already converted and was left as it is.\n\n"
                         + gone + ": could not be read: No such file or directory";
    QCOMPARE(window.summary(), counts.arg("; the console has the details."));
    QCOMPARE(terminal.summary(), counts.arg("."));
    QCOMPARE(window.notification(), std::make_pair(QStringLiteral("Qelvanto: 1 of 4 files converted"),
                                                   window.summary().section("\n\n", 0, 0)));
    QCOMPARE(terminal.exitStatus(0), 1);
    QCOMPARE(terminal.exitStatus(SIGTERM), 143);
    QCOMPARE(window.title(), QString()); // nothing runs
}

namespace {
// A clip with a title of its own, so that each result shows whose tags it got.
bool makeClip(const QString& path, double seconds, int n)
{
    return runEncoder({"-f", "lavfi", "-i", QStringLiteral("sine=f=%1:d=%2").arg(200 + 10 * n).arg(seconds), "-ac", "2",
                       "-metadata", QStringLiteral("title=clip %1").arg(n), path});
}
QString titleOf(const QString& path)
{
    QByteArray err;
    runEncoder({"-v", "info", "-i", path}, &err);
    const auto m = QRegularExpression("title\\s*: (.*)\\n").match(QString::fromUtf8(err));
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}
RunnerFactory counting(int* starts, std::function<void(const QStringList&)> seen = {})
{
    return [starts, seen](const QStringList& args) {
        ++*starts;
        if (seen)
            seen(args);
        return KVShellWrapper::create({}, {}, {}, QStringLiteral("."), std::nullopt, args, nullptr);
    };
}
} // namespace

void EngineTest::cueSheets_data()
{
    QTest::addColumn<QByteArray>("sheet");
    QTest::addColumn<QString>("read"); // album|performer|date|genre; then number:title:start-end per track; or the reason
    const QByteArray head = "REM GENRE \"Ambient\"\nREM DATE 2001\nPERFORMER \"The Tones\"\nTITLE \"Three\"\n"
                            "FILE \"a.flac\" WAVE\n";
    QTest::newRow("an album") << head + "  TRACK 01 AUDIO\n    TITLE \"Low\"\n    INDEX 01 00:00:00\n"
                                        "  TRACK 02 AUDIO\n    TITLE \"Mid\"\n    INDEX 00 00:04:70\n    INDEX 01 00:05:00\n"
                              << "Three|The Tones|2001|Ambient 1:Low:0-375 2:Mid:375-";
    QTest::newRow("Latin-1") << QByteArray("TITLE \"Caf\xe9\"\nFILE \"a.flac\" WAVE\n  TRACK 01 AUDIO\n    TITLE \"\xe9t\xe9\"\n"
                                           "    INDEX 01 00:00:00\n")
                             << QString::fromUtf8("Café||| 1:été:0-");
    QTest::newRow("one image per track") << QByteArray("FILE \"1.wav\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
                                                       "FILE \"2.wav\" WAVE\n  TRACK 02 AUDIO\n    INDEX 01 00:00:00\n")
                                         << "||| 1::0- 2::0-";
    QTest::newRow("track 2 before track 1")
        << head + "  TRACK 01 AUDIO\n    INDEX 01 00:05:00\n  TRACK 02 AUDIO\n    INDEX 01 00:01:00\n"
        << "its track 2 starts before track 1 ends";
    QByteArray many = "FILE \"a.flac\" WAVE\n";
    for (int i = 1; i <= 150; ++i)
        many += QStringLiteral("  TRACK %1 AUDIO\n    INDEX 01 %2:00:00\n").arg(i % 100, 2, 10, QLatin1Char('0')).arg(i).toLatin1();
    QTest::newRow("more tracks than a CD") << many << "it names more than 99 tracks";
    QTest::newRow("no track") << head << "it is not a cue sheet the reader understands";
    QTest::newRow("not a sheet") << QByteArray("\x89PNG\r\n\x1a\n") << "it is not a cue sheet the reader understands";
}

void EngineTest::cueSheets()
{
    QFETCH(QByteArray, sheet);
    QFETCH(QString, read);
    QString why;
    const auto cue = readCueSheet(sheet, &why);
    if (!cue) {
        QCOMPARE(why, read);
        return;
    }
    QString got = QStringList{cue->title, cue->performer, cue->date, cue->genre}.join('|');
    for (const CueTrack& t : cue->tracks)
        got += QStringLiteral(" %1:%2:%3-%4").arg(t.number).arg(t.title).arg(t.start).arg(t.end ? QString::number(*t.end) : "");
    QCOMPARE(got, read);
    // Made safe as a name: no separator, no way up, not hidden.
    QCOMPARE(safeFileName("../x/y\n", "01"), QStringLiteral("_._x_y_"));
    QCOMPARE(safeFileName("..", "01"), QStringLiteral("_."));
    QCOMPARE(safeFileName("  ", "01"), QStringLiteral("01"));
}

void EngineTest::albumImagesSplit()
{
    // A three-track FLAC image, its sheet, and beside them sheets that cannot be followed.
    QTemporaryDir d;
    QVERIFY(runEncoder({"-f", "lavfi", "-i", "sine=f=300:d=5", "-f", "lavfi", "-i", "sine=f=500:d=7", "-f", "lavfi", "-i",
                        "sine=f=700:d=4", "-filter_complex", "[0][1][2]concat=n=3:v=0:a=1", "-ac", "2",
                        d.filePath("album.flac")}));
    QVERIFY(writeWhole(d.filePath("album.cue"),
                       "PERFORMER \"The Tones\"\nTITLE \"Three\"\nFILE \"album.flac\" WAVE\n"
                       "  TRACK 01 AUDIO\n    TITLE \"Low\"\n    INDEX 01 00:00:00\n"
                       "  TRACK 02 AUDIO\n    TITLE \"Mid/../x\"\n    PERFORMER \"Guest\"\n    INDEX 01 00:05:00\n"
                       "  TRACK 03 AUDIO\n    TITLE \"High\"\n    INDEX 01 00:12:00\n"));
    QVERIFY(writeWhole(d.filePath("sub/outside.cue"), "FILE \"../album.flac\" WAVE\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"));
    const auto run = [&](bool split, const QStringList& files) {
        RecordingHost host;
        auto batch = std::make_unique<Batch>(
            BatchSetup{.files = files, .jobs = 2, .settings = {"flac", "192", "44100", 1, kOriginalFolder, {}, false, false, split}},
            &host);
        CollectedInputs in;
        in.paths = files;
        if (split)
            splitByCueSheets(in);
        batch = std::make_unique<Batch>(BatchSetup{.files = in.paths,
                                                   .leftOut = in.leftOut,
                                                   .tracks = in.tracks,
                                                   .jobs = 2,
                                                   .settings = {"flac", "192", "44100", 1, kOriginalFolder, {}, false, false, split}},
                                        &host);
        host.batch = batch.get();
        batch->start();
        [&] { QTRY_COMPARE_WITH_TIMEOUT(host.ends.size(), 1, 60000); }();
        QStringList said;
        for (qsizetype i = 0; i < in.paths.size(); ++i)
            said << batch->label(i) + ": " + describe(*batch->outcome(i));
        return said;
    };
    // Off: the image converts whole, the sheet is not audio, as ever.
    QStringList said = run(false, {d.filePath("album.flac"), d.filePath("album.cue")});
    QCOMPARE(said, QStringList({d.filePath("album.flac") + ": converted to " + d.filePath("Converted/album.flac"),
                                d.filePath("album.cue") + ": not audio, skipped"}));
    QVERIFY(QFile::remove(d.filePath("Converted/album.flac")));
    // On: one file per track, in the album's folder, named and tagged by the sheet.
    said = run(true, {d.filePath("album.flac"), d.filePath("album.cue"), d.filePath("sub/outside.cue")});
    const QString album = d.filePath("Converted/Three/");
    QCOMPARE(said, QStringList({d.filePath("album.cue") + " track 1 of 3: converted to " + album + "01 - Low.flac",
                                d.filePath("album.cue") + " track 2 of 3: converted to " + album + "02 - Mid_.._x.flac",
                                d.filePath("album.cue") + " track 3 of 3: converted to " + album + "03 - High.flac",
                                d.filePath("sub/outside.cue") + ": left out: its FILE ../album.flac is not beside it"}));
    const QStringList durations{"00:00:05.00", "00:00:07.00", "00:00:04.00"};
    const QStringList names{"01 - Low", "02 - Mid_.._x", "03 - High"};
    const QStringList titles{"Low", "Mid/../x", "High"}, artists{"The Tones", "Guest", "The Tones"};
    for (int i = 0; i < 3; ++i) {
        QByteArray err;
        runEncoder({"-v", "info", "-i", album + names[i] + ".flac"}, &err);
        const QString dump = QString::fromUtf8(err);
        QVERIFY2(dump.contains("Duration: " + durations[i]), qPrintable(dump));
        for (const QString& tag : {"title           : " + titles[i], "ARTIST          : " + artists[i],
                                   QStringLiteral("ALBUM           : Three"), QStringLiteral("album_artist    : The Tones"),
                                   QStringLiteral("track           : %1/3").arg(i + 1)})
            QVERIFY2(dump.contains(tag, Qt::CaseInsensitive), qPrintable(tag + "\n" + dump));
    }
    QCOMPARE(allEntries(d.filePath("Converted")), QStringList{"Three"});
}

void EngineTest::shortFilesShareRuns()
{
    // Short clips, two at once, with a text file, a cut WAV and a FIFO among them.
    QTemporaryDir d;
    QStringList files;
    for (int n = 0; n < 24; ++n) {
        files << d.filePath(QStringLiteral("clip %1.wav").arg(n));
        QVERIFY(makeClip(files.last(), 1.0, n));
    }
    QVERIFY(writeWhole(d.filePath("notes.txt"), "words\n"));
    QVERIFY(writeWhole(d.filePath("cut.wav"), readWhole(files.first()).left(60000)));
    QCOMPARE(::mkfifo(QFile::encodeName(d.filePath("fifo.wav")).constData(), 0644), 0);
    files.insert(3, d.filePath("notes.txt"));
    files.insert(6, d.filePath("cut.wav"));
    files.insert(9, d.filePath("fifo.wav"));
    int starts = 0;
    RecordingHost host;
    Batch batch({.files = files, .jobs = 2, .settings = {"mp3", "128", "32000", 0, kOriginalFolder, {}},
                 .makeRunner = counting(&starts)},
                &host);
    host.batch = &batch;
    batch.start();
    QTRY_COMPARE_WITH_TIMEOUT(host.ends.size(), 1, 60000);
    // Fewer encoder starts than a quarter of the files: the clips shared one run;
    // the text file and the cut WAV were run on their own, as they would be.
    QStringList said;
    for (qsizetype i = 0; i < files.size(); ++i)
        said << QFileInfo(files[i]).fileName() + ": " + describe(*batch.outcome(i));
    QVERIFY2(starts * 4 < files.size(), qPrintable(QString::number(starts) + "\n" + said.join('\n')));
    QCOMPARE(batch.outcome(3)->outcome, Outcome::NotAudio);
    QCOMPARE(batch.outcome(6)->outcome, Outcome::Converted);
    QVERIFY(!batch.outcome(6)->problem.isEmpty());
    QCOMPARE(batch.outcome(9)->outcome, Outcome::LeftOut);
    // Every clip as it would be alone: its own tags, the chosen rate and channels.
    for (int n = 0; n < 24; ++n) {
        const QString result = d.filePath(QStringLiteral("Converted/clip %1.mp3").arg(n));
        const AudioInfo info = probeAudio(result);
        QVERIFY2(info.ok && info.rate == 32000 && info.channels == 1, qPrintable(result));
        QCOMPARE(titleOf(result), QStringLiteral("clip %1").arg(n));
    }
    QVERIFY(batch.outcome(0)->problem.isEmpty());
    // Nothing left behind: the results alone, and no link of the run's.
    QStringList expected{"cut.mp3"};
    for (int n = 0; n < 24; ++n)
        expected << QStringLiteral("clip %1.mp3").arg(n);
    expected.sort();
    QStringList got = allEntries(d.filePath("Converted"));
    got.sort();
    QCOMPARE(got, expected);
    // Each file said as alone: its launch and its end, in its order.
    QCOMPARE(host.events.filter(QRegularExpression("^7 ")),
             QStringList({"7 preparing", "7 converting", "7 named", "7 runner", "7 started", "7 launched", "7 ended"}));
}

void EngineTest::stopInTheMiddleOfAGroup()
{
    QTemporaryDir d;
    QStringList files;
    // A minute each, but small: a run of them takes seconds.
    for (int n = 0; n < 24; ++n) {
        files << d.filePath(QStringLiteral("c%1.wav").arg(n));
        QVERIFY(runEncoder({"-f", "lavfi", "-i", QStringLiteral("sine=f=%1:d=60:sample_rate=8000").arg(300 + n), "-c:a",
                            "pcm_u8", files.last()}));
    }
    files << d.filePath("long.wav"); // too large to join a group: on its own after the stop
    QVERIFY(makeTone(files.last(), 10.0, 2));
    int starts = 0;
    RecordingHost host;
    Batch batch({.files = files, .jobs = 2, .settings = {"mp3", "192", "44100", 1, kOriginalFolder, {}},
                 .makeRunner = counting(&starts)},
                &host);
    host.batch = &batch;
    batch.start();
    // In the middle: the encoders have begun every output.
    // In the middle: both runs have begun their outputs (the first of one, the last of the other).
    const auto begun = [&] {
        return unfinishedSize(d.filePath("Converted"), "c0.mp3") > 0 && unfinishedSize(d.filePath("Converted"), "c23.mp3") > 0;
    };
    QVERIFY(QTest::qWaitFor(begun, 30000));
    batch.stop();
    QTRY_COMPARE_WITH_TIMEOUT(host.ends.size(), 1, 60000);
    // The groups ended, their unfinished outputs are gone, and the batch went on.
    QStringList said;
    for (qsizetype i = 0; i < 24; ++i)
        said << QFileInfo(files[i]).fileName() + ": " + describe(*batch.outcome(i));
    for (qsizetype i = 0; i < 24; ++i)
        QVERIFY2(batch.outcome(i)->outcome == Outcome::Stopped, qPrintable(said.join('\n')));
    QCOMPARE(batch.outcome(24)->outcome, Outcome::Converted);
    for (const QString& name : allEntries(d.filePath("Converted")))
        QVERIFY2(!name.startsWith('.') && QFileInfo(d.filePath("Converted/" + name)).size() > 0, qPrintable(name));
}

void EngineTest::givenUpWhileMembersWaitToRunAlone()
{
    // Small enough to share runs, but no audio: the members of each group run alone,
    // one after another. Given up (a signal, the window closed) while the first
    // runs, those waiting behind it end too, and the batch ends.
    QTemporaryDir d;
    QStringList files;
    for (int n = 0; n < 5; ++n) {
        files << d.filePath(QStringLiteral("notes%1.txt").arg(n));
        QVERIFY(writeWhole(files.last(), "not audio\n"));
    }
    int starts = 0;
    Batch* given = nullptr;
    const auto giveUp = [&](const QStringList& args) {
        if (args.contains(files.first()))
            QMetaObject::invokeMethod(given, [&] { given->halt(); }, Qt::QueuedConnection);
    };
    RecordingHost host;
    Batch batch({.files = files, .jobs = 2, .settings = {"mp3", "192", "44100", 1, kOriginalFolder, {}},
                 .makeRunner = counting(&starts, giveUp)},
                &host);
    host.batch = given = &batch;
    batch.start();
    QTRY_COMPARE_WITH_TIMEOUT(host.ends, QList<BatchEnd>{BatchEnd::Abandoned}, 30000);
    for (qsizetype i = 0; i < files.size(); ++i)
        QVERIFY2(batch.outcome(i) && (batch.outcome(i)->outcome == Outcome::Stopped || batch.outcome(i)->outcome == Outcome::NotAudio),
                 qPrintable(files[i]));
    QCOMPARE(batch.outcome(files.size() - 1)->outcome, Outcome::Stopped);
    QCOMPARE(allEntries(d.filePath("Converted")), QStringList());

    // A file left out before the batch began, first in a group, ends at once: the
    // group still waits for the rest of its members, and they convert.
    QStringList clips{d.filePath("sheet.cue")};
    QVERIFY(writeWhole(clips.first(), "FILE \"elsewhere.wav\" WAVE\n"));
    for (int n = 0; n < 3; ++n) {
        clips << d.filePath(QStringLiteral("clip%1.wav").arg(n));
        QVERIFY(makeClip(clips.last(), 0.5, n));
    }
    RecordingHost after;
    Batch rest({.files = clips, .leftOut = {{0, "its FILE is not beside it"}}, .jobs = 2,
                .settings = {"mp3", "192", "44100", 1, kOriginalFolder, {}}},
               &after);
    after.batch = &rest;
    rest.start();
    QTRY_COMPARE_WITH_TIMEOUT(after.ends, QList<BatchEnd>{BatchEnd::LastFinished}, 30000);
    QCOMPARE(rest.outcome(0)->outcome, Outcome::LeftOut);
    for (qsizetype i = 1; i < clips.size(); ++i)
        QCOMPARE(rest.outcome(i)->outcome, Outcome::Converted);
}

void EngineTest::endJudgement_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("stopped");
    QTest::addColumn<qint64>("size"); // -1: no file
    QTest::addColumn<bool>("noSpace");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("reason");
    QTest::newRow("converted") << 0 << false << qint64(9) << false << int(Outcome::Converted) << "";
    QTest::newRow("stopped in time to finish") << 0 << true << qint64(9) << false << int(Outcome::Converted) << "";
    QTest::newRow("refused") << 1 << false << qint64(0) << false << int(Outcome::Failed) << "last";
    QTest::newRow("stopped") << 255 << true << qint64(9) << false << int(Outcome::Stopped) << "last";
    QTest::newRow("no output") << 0 << false << qint64(-1) << false << int(Outcome::Failed)
                               << "the encoder reported success but wrote nothing";
    QTest::newRow("empty output") << 0 << false << qint64(0) << false << int(Outcome::Failed)
                                  << "the encoder reported success but wrote nothing";
    QTest::newRow("full disk") << 0 << false << qint64(9) << true << int(Outcome::Failed) << "the disk is full";
}

void EngineTest::endJudgement()
{
    QFETCH(int, status);
    QFETCH(bool, stopped);
    QFETCH(qint64, size);
    QFETCH(bool, noSpace);
    QFETCH(int, outcome);
    QFETCH(QString, reason);
    for (const QString& trouble : {QString(), QStringLiteral("1 error while decoding")}) {
        const FileOutcome o = judgeEnd("/m/a.wav", "/m/Converted/a.mp3",
                                       {status, stopped, size < 0 ? std::nullopt : std::optional<qint64>(size), noSpace,
                                        "last", trouble});
        QCOMPARE(int(o.outcome), outcome);
        QCOMPARE(o.reason, reason);
        QCOMPARE(o.resultCode, status);
        QCOMPARE(o.problem, o.outcome == Outcome::Converted ? trouble : QString());
    }
}

void EngineTest::batchShare_data()
{
    QTest::addColumn<QList<FileProgress>>("files");
    QTest::addColumn<int>("percent");
    QTest::newRow("nothing yet") << QList<FileProgress>{{}, {}} << 0;
    QTest::newRow("one of two done") << QList<FileProgress>{{10, 10, true}, {10, 0, false}} << 50;
    QTest::newRow("weighted by duration") << QList<FileProgress>{{30, 30, true}, {10, 5, false}} << 87;
    QTest::newRow("unknown weighs the mean") << QList<FileProgress>{{10, 10, true}, {-1, 0, false}} << 50;
    QTest::newRow("past its end counts whole") << QList<FileProgress>{{10, 25, false}} << 100;
    QTest::newRow("skipped counts whole") << QList<FileProgress>{{-1, 0, true}, {-1, 0, false}} << 50;
}

void EngineTest::batchShare()
{
    QFETCH(QList<FileProgress>, files);
    QFETCH(int, percent);
    QCOMPARE(batchPercent(files), percent);
    // The words for the time left: steps of 5 s under a minute, then whole minutes.
    const QList<std::pair<qint64, QString>> left{{0, "about 5 s left"}, {38, "about 40 s left"}, {59, "about 60 s left"},
                                                 {60, "about 1 min left"}, {185, "about 3 min left"},
                                                 {3600, "about 1 h left"}, {4830, "about 1 h 21 min left"}};
    for (const auto& [seconds, text] : left)
        QCOMPARE(timeLeftText(seconds), text);
}

void EngineTest::commandTextSplitsIntoSixteen()
{
    ConversionSettings s{QStringLiteral("F"), QStringLiteral("B"), QStringLiteral("R"), 1, kOriginalFolder, {}};
    const QString text = commandText(QStringLiteral("/enc/ffmpeg"), QStringLiteral("/music/a \"b\".ogg"),
                                     QStringLiteral("/music/Converted/a \"b\".F"), s);
    QVERIFY(text.startsWith(QStringLiteral("/enc/ffmpeg \"tavrel5293-y \"tavrel5293-i \"tavrel5293/music/a")));
    QVERIFY(text.contains(QStringLiteral(" \"tavrel5293-map_metadata \"tavrel52930 \"tavrel5293-id3v2_version \"tavrel52933")));
    const QStringList args = splitArguments(text);
    QCOMPARE(args, (QStringList{"/enc/ffmpeg", "-y", "-i", "/music/a \"b\".ogg", "-map_metadata", "0",
                                "-id3v2_version", "3", "-ab", "Bk", "-ar", "R", "-ac", "2", "-vn",
                                "/music/Converted/a \"b\".F"}));
    s.channelIndex = 0;
    QCOMPARE(splitArguments(commandText("e", "i", "o", s)).at(13), QStringLiteral("1"));
    s.channelIndex = -1;
    QCOMPARE(splitArguments(commandText("e", "i", "o", s)).at(13), QStringLiteral("0"));
}

void EngineTest::separatorInAPathBreaksTheCount()
{
    ConversionSettings s{QStringLiteral("mp3"), QStringLiteral("192"), QStringLiteral("44100"), 1, kOriginalFolder, {}};
    const QString evil = QStringLiteral("/m/x \"tavrel5293-f \"tavrel5293null.wav");
    QVERIFY(splitArguments(commandText("e", evil, "o", s)).size() != kArgumentCount);
}

void EngineTest::progressTick_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("percent"); // -1: the tick leaves label and bar alone
    QTest::newRow("41%") << "frame= 1 size= 2kB time=00:01:23.45 bitrate=1" << 200 << 41;
    QTest::newRow("past the end") << "time=00:03:30.00 bitrate" << 200 << 105;
    QTest::newRow("first time= counts") << "time=00:00:10.00 x\rtime=00:00:20.00 y" << 100 << 10;
    QTest::newRow("carriage return") << "time=00:01:23.45\r" << 200 << 41;
    QTest::newRow("no time=") << "Press [q] to stop" << 200 << -1;
    QTest::newRow("empty time text") << "time= bitrate" << 200 << -1;
    QTest::newRow("N/A") << "time=N/A bitrate" << 200 << -1;
    QTest::newRow("cut before the second colon") << "size=1 time=00:0" << 200 << -1;
    QTest::newRow("duration zero") << "time=00:00:01.00 " << 0 << -1;
    QTest::newRow("32-bit wrap") << "time=10000:0:0 " << 1 << int(qint32(quint32(36000000u * 100u)));
    QTest::newRow("time= in a dumped tag") << "    title           : time=00:03:00.00 \nsize=1 time=00:01:23.45 " << 200
                                           << 41;
    QTest::newRow("only in a dumped tag") << "Output #0\n    comment         : time=00:03:00.00 " << 200 << -1;
    QTest::newRow("INT_MIN over -1") << "time=0:0:-21474836 " << -1 << int(qint32(quint32(2147483600u)));
}

void EngineTest::progressTick()
{
    QFETCH(QString, text);
    QFETCH(int, total);
    QFETCH(int, percent);
    const auto got = progressPercent(text, total);
    if (percent == -1)
        QCOMPARE(got, std::nullopt);
    else
        QCOMPARE(got, percent);
}

void EngineTest::settingsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QList<qint64>>("fields"); // -99: missing
    QTest::newRow("defaults") << "0,5,2,1" << true << QList<qint64>{0, 5, 2, 1};
    QTest::newRow("blanks and line end") << " 3, 2,0,0\n" << true << QList<qint64>{3, 2, 0, 0};
    QTest::newRow("five fields") << "1,2,3,1,9" << true << QList<qint64>{1, 2, 3, 1};
    QTest::newRow("no digits") << "a,b,,-" << true << QList<qint64>{0, 0, 0, 0};
    QTest::newRow("three fields") << "1,2,3" << true << QList<qint64>{1, 2, 3, -99};
    QTest::newRow("not UTF-8") << "" << false << QList<qint64>{0, 0, 0, 0};
}

void EngineTest::settingsText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QList<qint64>, fields);
    const auto got = settings::parseSelections(valid ? std::optional<QString>(text) : std::nullopt);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(got[size_t(i)].value_or(-99), fields[i]);
    QCOMPARE(settings::formatSelections(3, 2, 0, -1), QStringLiteral("3,2,0,-1"));
}

void EngineTest::windowPlaceText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("place"); // null: none
    QTest::newRow("saved") << "30,40,600,640" << QRect(30, 40, 600, 640);
    QTest::newRow("left of the main screen") << "-1920,-20,520,440" << QRect(-1920, -20, 520, 440);
    QTest::newRow("line end") << "30,40,600,640\n" << QRect();
    QTest::newRow("blank") << "30, 40,600,640" << QRect();
    QTest::newRow("three fields") << "30,40,600" << QRect();
    QTest::newRow("five fields") << "30,40,600,640,1" << QRect();
    QTest::newRow("no width") << "30,40,0,640" << QRect();
    QTest::newRow("negative height") << "30,40,600,-640" << QRect();
    QTest::newRow("too large") << "30,40,6000000,640" << QRect();
    QTest::newRow("empty") << "" << QRect();
}

void EngineTest::windowPlaceText()
{
    QFETCH(QString, text);
    QFETCH(QRect, place);
    QCOMPARE(settings::windowRectFromText(text).value_or(QRect()), place);
    QCOMPARE(settings::windowRectFromText(std::nullopt), std::nullopt);
    QCOMPARE(settings::formatWindowRect(QRect(-5, 7, 600, 640)), QStringLiteral("-5,7,600,640"));
}

void EngineTest::folderSwitch()
{
    QVERIFY(!settings::showFolderFromText(QStringLiteral("NO")));
    QVERIFY(settings::showFolderFromText(QStringLiteral("NO\n")));
    QVERIFY(settings::showFolderFromText(QStringLiteral("no")));
    QVERIFY(settings::showFolderFromText(QString()));
    QVERIFY(settings::showFolderFromText(std::nullopt));
}

void EngineTest::folderUrlsBecomePlainPaths()
{
    QCOMPARE(engine::outputFolderText(QUrl::fromLocalFile(QStringLiteral("/home/me/My Müsic"))),
             QStringLiteral("/home/me/My Müsic/"));
    QCOMPARE(engine::outputFolderText(QUrl::fromLocalFile(QStringLiteral("/home/me/Desktop/"))),
             QStringLiteral("/home/me/Desktop/"));
    QCOMPARE(engine::outputFolderText(QUrl::fromLocalFile(QStringLiteral("/tmp/100%"))), QStringLiteral("/tmp/100%/"));
}

void EngineTest::commandLine_data()
{
    // saved: the window's format, bitrate, rate and channel indexes, files at once, Keep folders.
    QTest::addColumn<QByteArrayList>("args");
    QTest::addColumn<QList<int>>("saved");
    QTest::addColumn<QString>("expected");
    const QList<int> none{0, 5, 2, 1, 1, 0};
    const QString folder = QDir::tempPath();
    const QString file = QCoreApplication::applicationFilePath();
    const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };
    row("no arguments") << QByteArrayList{} << none << "window";
    row("files for the window") << QByteArrayList{"a.wav", "/m/./Album//"} << none << "window /w/a.wav /m/Album";
    row("name that is not UTF-8") << QByteArrayList{"-c", "caf\xe9.wav"} << none
                                  << QString::fromLatin1("convert mp3 192 44100 1 jobs 1 Original Folder - keep 0 quiet 0 /w/caf\xe9.wav");
    row("window's first-start choices") << QByteArrayList{"-c", "a.wav"} << none
                                        << "convert mp3 192 44100 1 jobs 1 Original Folder - keep 0 quiet 0 /w/a.wav";
    row("window's saved choices") << QByteArrayList{"--convert", "a.wav"} << QList<int>{3, 0, 0, 0, 2, 1}
                                  << "convert ogg 64 22050 0 jobs 2 Original Folder - keep 0 quiet 0 /w/a.wav";
    row("saved index outside its list") << QByteArrayList{"-c", "a"} << QList<int>{10, -1, 4, 2, 1, 0}
                                        << "convert mp3 192 44100 1 jobs 1 Original Folder - keep 0 quiet 0 /w/a";
    row("every option") << QByteArrayList{"-c", "--format", "OPUS", "--bitrate", "320", "--rate=48000", "--channels",
                                          "Mono", "--jobs", "4", "--output", folder.toUtf8(), "--keep-folders", "-q", "a"}
                        << none
                        << "convert opus 320 48000 0 jobs 4 Choose a Folder… " + folder + "/ keep 1 quiet 1 /w/a";
    row("a path after --") << QByteArrayList{"-c", "--", "-c"} << none
                           << "convert mp3 192 44100 1 jobs 1 Original Folder - keep 0 quiet 0 /w/-c";
    row("help") << QByteArrayList{"--help"} << none << "help";
    row("version") << QByteArrayList{"-v"} << none << "version qelvanto " QELVANTO_VERSION_TEXT "\n";
    const QString formats = "use one of: mp3, m4a, aac, ogg, flac, wav, aiff, wma, ac3, opus";
    row("unknown format") << QByteArrayList{"-c", "--format", "mp4", "a"} << none
                          << "usage qelvanto: the format \"mp4\" is not offered; " + formats;
    row("format without a value") << QByteArrayList{"-c", "a", "--format"} << none
                                  << "usage qelvanto: --format needs a value; " + formats;
    row("channels") << QByteArrayList{"-c", "--channels", "2", "a"} << none
                    << "usage qelvanto: the channels \"2\" is not offered; use one of: mono, stereo";
    for (const char* jobs : {"0", "5", "two"})
        row(qPrintable(QStringLiteral("jobs %1").arg(jobs)))
            << QByteArrayList{"-c", "--jobs", jobs, "a"} << none
            << QStringLiteral("usage qelvanto: --jobs \"%1\" is not offered; use a number of files from 1 to 4 (the "
                              "number of cores)").arg(jobs);
    row("output missing") << QByteArrayList{"-c", "--output", "nowhere", "a"} << none
                          << "usage qelvanto: --output \"/w/nowhere\" is not an existing folder; use an existing folder";
    row("output is a file") << QByteArrayList{"-c", "--output", file.toUtf8(), "a"} << none
                            << "usage qelvanto: --output \"" + file + "\" is not an existing folder; use an existing folder";
    row("output not UTF-8") << QByteArrayList{"-c", "--output", "/tmp/\xff", "a"} << none
                            << "usage qelvanto: --output: the folder's name is not valid UTF-8; use another folder";
    row("keep folders without output") << QByteArrayList{"-c", "--keep-folders", "a"} << none
                                       << "usage qelvanto: --keep-folders goes with --output: qelvanto --convert "
                                          "--output DIR --keep-folders PATH…";
    row("no path") << QByteArrayList{"-c", "--format", "ogg"} << none
                   << "usage qelvanto: --convert needs at least one file or folder: qelvanto --convert [OPTIONS] PATH…";
    row("option without --convert") << QByteArrayList{"--format", "ogg", "a"} << none
                                    << "usage qelvanto: --format goes with --convert: qelvanto --convert [OPTIONS] PATH…";
    row("unknown option") << QByteArrayList{"-c", "--fromat", "ogg", "a"} << none
                          << "usage qelvanto: Unknown option 'fromat'. The options are --convert, --format, --bitrate, "
                             "--rate, --channels, --jobs, --output, --keep-folders, --existing, --split-cue, --quiet, --help and --version.";
}

void EngineTest::commandLine()
{
    QFETCH(QByteArrayList, args);
    QFETCH(QList<int>, saved);
    QFETCH(QString, expected);
    const cli::SavedChoices choices{saved[0], saved[1], saved[2], saved[3], saved[4], saved[5] != 0};
    const cli::Invocation inv = cli::parseArguments(args, choices, 4, "/w");
    QString got;
    QStringList paths;
    for (const QByteArray& p : inv.paths)
        paths << QString::fromLatin1(p); // byte for byte
    switch (inv.mode) {
    case cli::Invocation::Mode::Window:
        got = (QStringList{QStringLiteral("window")} + paths).join(QLatin1Char(' '));
        break;
    case cli::Invocation::Mode::Convert: {
        const auto& s = inv.settings;
        got = QStringLiteral("convert %1 %2 %3 %4 jobs %5 %6 %7 keep %8 quiet %9 ")
                  .arg(s.format, s.bitrate, s.rate).arg(s.channelIndex).arg(inv.jobs)
                  .arg(s.outputChoice, s.outputFolder.isEmpty() ? "-" : s.outputFolder)
                  .arg(int(s.keepFolders)).arg(int(inv.quiet)) + paths.join(QLatin1Char(' '));
        break;
    }
    case cli::Invocation::Mode::Help:
        // Every option is there, and every value a box offers.
        for (const char* o : {"--convert", "--format", "--bitrate", "--rate", "--channels", "--jobs", "--output",
                              "--keep-folders", "--quiet", "--help", "--version"})
            QVERIFY2(inv.text.contains(QLatin1String(o)), o);
        for (const QStringList& list : {kFormats, kBitrates, kRates})
            QVERIFY(inv.text.simplified().contains(list.join(QStringLiteral(", "))));
        got = QStringLiteral("help");
        break;
    case cli::Invocation::Mode::Version:
        got = QStringLiteral("version ") + inv.text;
        break;
    case cli::Invocation::Mode::UsageError:
        QVERIFY(!inv.text.contains('\n'));
        got = QStringLiteral("usage ") + inv.text;
        break;
    }
    QCOMPARE(got, expected);
}

void EngineTest::windowOrTerminal_data()
{
    QTest::addColumn<QByteArrayList>("args");
    QTest::addColumn<bool>("terminal");
    QTest::newRow("none") << QByteArrayList{} << false;
    QTest::newRow("files") << QByteArrayList{"a.wav", "/m/b"} << false;
    QTest::newRow("Qt's own options") << QByteArrayList{"-platform", "offscreen", "-style", "fusion"} << false;
    QTest::newRow("unknown option") << QByteArrayList{"--fromat"} << false;
    QTest::newRow("after --") << QByteArrayList{"--", "-c"} << false;
    QTest::newRow("-c") << QByteArrayList{"a", "-c"} << true;
    QTest::newRow("--convert") << QByteArrayList{"--convert", "a"} << true;
    QTest::newRow("--format=ogg") << QByteArrayList{"--format=ogg", "a"} << true;
    QTest::newRow("--help") << QByteArrayList{"--help"} << true;
    QTest::newRow("-v") << QByteArrayList{"-v"} << true;
}

void EngineTest::windowOrTerminal()
{
    QFETCH(QByteArrayList, args);
    QFETCH(bool, terminal);
    QCOMPARE(cli::wantsTerminal(args), terminal);
}

void EngineTest::absolutePaths_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("absolute");
    QTest::newRow("relative") << QByteArray("a.wav") << QByteArray("/w") << QByteArray("/w/a.wav");
    QTest::newRow("up from the working folder") << QByteArray("./../y/./b.ogg") << QByteArray("/w/v/") << QByteArray("/w/y/b.ogg");
    // x may be a link: its parent is the system's to find.
    QTest::newRow("up from a given name") << QByteArray("x/../y") << QByteArray("/w") << QByteArray("/w/x/../y");
    QTest::newRow("up past the root") << QByteArray("../../..") << QByteArray("/w") << QByteArray("/");
    QTest::newRow("absolute, doubled slashes") << QByteArray("//m//Album/") << QByteArray("/w") << QByteArray("/m/Album");
    QTest::newRow("not UTF-8") << QByteArray("caf\xe9/\xff.wav") << QByteArray("/\xfe") << QByteArray("/\xfe/caf\xe9/\xff.wav");
    QTest::newRow("spaces and dashes") << QByteArray("-a b.wav") << QByteArray("/w") << QByteArray("/w/-a b.wav");
}

void EngineTest::absolutePaths()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, absolute);
    QCOMPARE(cli::absolutePath(path, folder), absolute);
}

void EngineTest::progressLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("percent"); // -1: still examined
    QTest::addColumn<QString>("left");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("line");
    QTest::newRow("converting") << "a.wav" << 45 << "about 40 s left" << 80 << " 45% a.wav  about 40 s left";
    QTest::newRow("examined, no estimate yet") << "a.wav" << -1 << "" << 80 << "...  a.wav";
    QTest::newRow("past the end") << "a.wav" << 130 << "" << 80 << "100% a.wav";
    QTest::newRow("long name cut") << "abcdefghijklmnopqrstuvwxyz.wav" << 5 << "about 5 s left" << 30
                                   << "  5% abcdefg…  about 5 s left";
    QTest::newRow("narrow") << "a.wav" << 5 << "about 5 s left" << 10 << "  5%   ab";
}

void EngineTest::progressLines()
{
    QFETCH(QString, name);
    QFETCH(int, percent);
    QFETCH(QString, left);
    QFETCH(int, width);
    QFETCH(QString, line);
    const QString got = cli::progressLine(name, percent < 0 ? std::nullopt : std::optional<int>(percent), left, width);
    QCOMPARE(got, line);
    QVERIFY(got.size() < width);
}

QTEST_GUILESS_MAIN(EngineTest)
#include "tst_engine.moc"
