#include "app/Settings.h"
#include "engine/CommandLine.h"
#include "engine/Journey.h"
#include "engine/ProbeText.h"
#include "engine/Progress.h"
#include "engine/TimeString.h"
#include "engine/OutputFolder.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

using namespace engine;

class EngineTest : public QObject {
    Q_OBJECT
private slots:
    void timeStrings_data();
    void timeStrings();
    void timeStringsThatFail();
    void integerValueAgreesWithAReference();
    void durationTexts();
    void acceptTest_data();
    void acceptTest();
    void outputNaming_data();
    void outputNaming();
    void namingNeverReturnsATakenName();
    void reservedNamesOnDisk();
    void journeyDecisions();
    void ownLinesAcrossChunks();
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
    const QString probe = QStringLiteral("Input #0, ogg, from 'x':\n  Duration: 00:03:25.47, start: 0.0, bitrate: 1 kb/s\n");
    QCOMPARE(durationText(probe), QStringLiteral("00:03:25.47"));
    QCOMPARE(durationSeconds(*durationText(probe)), 205);
    QCOMPARE(durationText(QStringLiteral("Duration: N/A, bitrate: N/A")), QStringLiteral("N/A"));
    QCOMPARE(durationText(QStringLiteral("Duration: 00:00:01.00")), QStringLiteral("00:00:01.00"));
    QCOMPARE(durationText(QStringLiteral("Duration: ")), QString());
    QCOMPARE(durationText(QStringLiteral("no marker here")), std::nullopt);
    QCOMPARE(durationSeconds(QString()), std::nullopt);
    QCOMPARE(durationSeconds(QStringLiteral("00:00:00.40")), 0);
    // A tag's value is not the encoder's duration.
    const QString tagged = QStringLiteral("Input #0, wav, from 'x':\n  Metadata:\n    title           : x\n"
                                          "                    :   Duration: 99:00:00.00, start\n"
                                          "  Duration: 00:00:02.00, bitrate: 1411 kb/s\n");
    QCOMPARE(durationText(encoderOwnText(tagged)), QStringLiteral("00:00:02.00"));
}

void EngineTest::acceptTest_data()
{
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("audio") << "Stream #0:0: Audio: mp3" << "/m/a.mp3" << true;
    QTest::newRow("no audio") << "Stream #0:0: Video: png" << "/m/a.png" << false;
    QTest::newRow("invalid and audio") << "Audio\nInvalid data found when processing input" << "/m/a" << false;
    QTest::newRow("audio only in the path") << "Input #0, mov, from '/m/Audio/v.mp4':\n Stream #0:0: Video: h264"
                                            << "/m/Audio/v.mp4" << false;
    QTest::newRow("invalid only in the path")
        << "Input #0, wav, from '/m/Invalid data found when processing input.wav':\n Stream #0:0: Audio: pcm"
        << "/m/Invalid data found when processing input.wav" << true;
    // Tags are dumped in metadata blocks, a value's own line breaks at the same depth.
    QTest::newRow("invalid only in a tag")
        << "  Metadata:\n    title           : Invalid data found when processing input\n"
           "  Duration: 00:00:01.00, start: 0\n  Stream #0:0: Audio: pcm" << "/m/a.wav" << true;
    QTest::newRow("audio only in a tag") << "  Metadata:\n    title           : Audio\n  Duration: 00:00:01.00, x\n"
                                            "  Stream #0:0: Video: h264\n    Metadata:\n      handler         : Audio"
                                         << "/m/v.mkv" << false;
    QTest::newRow("audio only in a value's next line")
        << "  Metadata:\n    comment         : a\n                    : Audio\n  Stream #0:0: Video: png" << "/m/v"
        << false;
    QTest::newRow("audio only in a stream's language") << "  Stream #0:0(x): Audio: y): Video: h264" << "/m/v" << false;
    QTest::newRow("audio with a language") << "  Stream #0:0(eng): Audio: vorbis" << "/m/a.ogg" << true;
}

void EngineTest::acceptTest()
{
    QFETCH(QString, probe);
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QCOMPARE(acceptsProbe(encoderOwnText(withoutPath(probe, path))), accepted);
    QVERIFY(!acceptsProbe(std::nullopt));
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

void EngineTest::journeyDecisions()
{
    using platform::InputKind;
    // Before the probe.
    QCOMPARE(decideInput("/m/a", true, {}), std::nullopt);
    QCOMPARE(decideInput("/m/a", false, {})->outcome, Outcome::LeftOut);
    QCOMPARE(decideInput("/m/f", true, {InputKind::NotRegular, "it is a FIFO, not a regular file"})->reason,
             QStringLiteral("it is a FIFO, not a regular file"));
    const auto gone = decideInput("/m/g", true, {InputKind::Unreadable, "No such file or directory"});
    QCOMPARE(gone->outcome, Outcome::Unreadable);
    QCOMPARE(gone->consoleReason, QStringLiteral("it cannot be read (No such file or directory)"));
    // After the probe: the encoder's state first, then its words.
    const QString audio = QStringLiteral("  Duration: 00:00:02.00, x\n  Stream #0:0: Audio: pcm");
    EncoderRun ran{true, true, 1, {}, {}};
    QCOMPARE(decideProbe(ran, audio).kind, ProbeDecision::Accept);
    QCOMPARE(decideProbe(ran, audio).durationText, QStringLiteral("00:00:02.00"));
    QCOMPARE(decideProbe(ran, "Stream #0:0: Video: png").kind, ProbeDecision::NotAudio);
    QCOMPARE(decideProbe({false, true, -1, {}, "not found"}, audio).kind, ProbeDecision::EncoderUnusable);
    QCOMPARE(decideProbe({true, true, 127, {}, {}}, audio).kind, ProbeDecision::EncoderUnusable);
    QCOMPARE(decideProbe({true, false, 9, {}, {}}, audio).kind, ProbeDecision::LeftOut);
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
    const FileOutcome o = judgeEnd("/m/a.wav", "/m/Converted/a.mp3",
                                   {status, stopped, size < 0 ? std::nullopt : std::optional<qint64>(size), noSpace, "last"});
    QCOMPARE(int(o.outcome), outcome);
    QCOMPARE(o.reason, reason);
    QCOMPARE(o.resultCode, status);
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

QTEST_GUILESS_MAIN(EngineTest)
#include "tst_engine.moc"
