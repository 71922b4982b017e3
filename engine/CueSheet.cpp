#include "engine/CueSheet.h"

#include "engine/CommandLine.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>

#include <libcue.h>

#include <memory>
#include <mutex>

namespace engine {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(CueSheet)
};
} // namespace

namespace {
// libcue's parser keeps state of its own: one sheet at a time.
std::mutex& parserLock()
{
    static std::mutex lock;
    return lock;
}

QString text(const char* utf8)
{
    return utf8 ? QString::fromUtf8(utf8).trimmed() : QString();
}

// REM GENRE is the usual place of a sheet's genre; libcue leaves it unread.
QString remGenre(const QString& sheet)
{
    static const QRegularExpression line(QStringLiteral("^\\s*REM\\s+GENRE\\s+(.+?)\\s*$"),
                                         QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
    QString genre = line.match(sheet).captured(1);
    if (genre.size() >= 2 && genre.startsWith(QLatin1Char('"')) && genre.endsWith(QLatin1Char('"')))
        genre = genre.mid(1, genre.size() - 2);
    return genre;
}
} // namespace

std::optional<CueSheet> readCueSheet(const QByteArray& bytes, QString* why)
{
    const auto fail = [why](const QString& reason) -> std::optional<CueSheet> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString sheet = utf8.decode(bytes);
    if (utf8.hasError())
        sheet = QString::fromLatin1(bytes);
    if (sheet.startsWith(QChar(0xFEFF)))
        sheet.remove(0, 1);
    if (sheet.contains(QChar(0)))
        return fail(Words::tr("it is not a cue sheet (it holds a zero byte)"));
    // The reader keeps 99 tracks, and says so of every one more on our standard
    // error: such a sheet is no album's.
    static const QRegularExpression trackLine(QStringLiteral("^\\s*TRACK\\s"),
                                              QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
    qsizetype tracks = 0;
    for (auto it = trackLine.globalMatch(sheet); it.hasNext() && tracks <= kMostCueTracks; it.next())
        ++tracks;
    if (tracks > kMostCueTracks)
        return fail(Words::tr("it names more than %1 tracks").arg(kMostCueTracks));
    const QByteArray normalised = sheet.toUtf8();
    std::unique_ptr<Cd, void (*)(Cd*)> cd(nullptr, cd_delete);
    {
        std::lock_guard lock(parserLock());
        cd.reset(cue_parse_string(normalised.constData()));
    }
    if (!cd)
        return fail(Words::tr("it is not a cue sheet the reader understands"));
    const int count = cd_get_ntrack(cd.get());
    if (count <= 0)
        return fail(Words::tr("it names no track"));
    if (count > kMostCueTracks)
        return fail(Words::tr("it names more than %1 tracks").arg(kMostCueTracks));
    CueSheet result;
    if (Cdtext* cdtext = cd_get_cdtext(cd.get())) {
        result.title = text(cdtext_get(PTI_TITLE, cdtext));
        result.performer = text(cdtext_get(PTI_PERFORMER, cdtext));
        result.genre = text(cdtext_get(PTI_GENRE, cdtext));
    }
    if (Rem* rem = cd_get_rem(cd.get()))
        result.date = text(rem_get(REM_DATE, rem));
    if (result.genre.isEmpty())
        result.genre = remGenre(sheet);
    for (int i = 1; i <= count; ++i) {
        const Track* track = cd_get_track(cd.get(), i);
        if (!track)
            return fail(Words::tr("its track %1 cannot be read").arg(i));
        CueTrack t;
        t.number = i;
        t.file = text(track_get_filename(track));
        const long index1 = track_get_index(track, 1);
        t.start = index1 >= 0 ? index1 : track_get_start(track);
        if (t.start < 0)
            return fail(Words::tr("its track %1 has no start").arg(i));
        if (t.file.isEmpty())
            return fail(Words::tr("its track %1 names no file").arg(i));
        if (Cdtext* cdtext = track_get_cdtext(track)) {
            t.title = text(cdtext_get(PTI_TITLE, cdtext));
            t.performer = text(cdtext_get(PTI_PERFORMER, cdtext));
        }
        result.tracks << t;
    }
    // A track ends where the next one in the same image starts.
    for (qsizetype i = 0; i + 1 < result.tracks.size(); ++i) {
        CueTrack& t = result.tracks[i];
        const CueTrack& next = result.tracks[i + 1];
        if (next.file != t.file)
            continue;
        if (next.start <= t.start)
            return fail(Words::tr("its track %1 starts before track %2 ends").arg(next.number).arg(t.number));
        t.end = next.start;
    }
    return result;
}

QString safeFileName(const QString& text, const QString& fallback)
{
    QString name;
    for (const QChar c : text)
        name += c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7f
                    ? QLatin1Char('_')
                    : c;
    name = name.trimmed();
    while (name.startsWith(QLatin1Char('.')))
        name[0] = QLatin1Char('_');
    // Room for " 999.EXT" and the unfinished file's longer name within 255 bytes.
    while (name.toUtf8().size() > 180)
        name.chop(1);
    return name.isEmpty() ? fallback : name;
}

QString TrackCut::label() const
{
    return Words::tr("%1 track %2 of %3").arg(sheet).arg(number).arg(count);
}

QString TrackCut::resultBase() const
{
    const QString nn = QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
    return title.isEmpty() ? nn : safeFileName(nn + QStringLiteral(" - ") + title, nn);
}

} // namespace engine
