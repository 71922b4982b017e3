#include "engine/InputCollection.h"

#include "engine/CommandLine.h"
#include "platform/DirWalk.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <sys/stat.h>

namespace engine {

namespace {
struct Words {
    Q_DECLARE_TR_FUNCTIONS(InputCollection)
};
} // namespace

namespace {
bool isAscii(const QByteArray& bytes)
{
    unsigned char any = 0;
    for (char c : bytes)
        any |= static_cast<unsigned char>(c);
    return !(any & 0x80);
}
} // namespace

CollectedInputs collectInputs(const QList<QByteArray>& droppedPaths)
{
    CollectedInputs collected;
    const auto add = [&](const QByteArray& native, const QString& subfolder) {
        collected.subfolders << subfolder;
        // Plain ASCII, most names, is held unchanged; only the rest is checked.
        if (isAscii(native)) {
            collected.paths << QString::fromLatin1(native);
            return;
        }
        const QString text = QFile::decodeName(native);
        if (QFile::encodeName(text) != native)
            collected.inexact.insert(collected.paths.size());
        collected.paths << text;
    };
    const bool logging = lcUi().isDebugEnabled();
    for (const QByteArray& path : droppedPaths) {
        struct stat st {};
        if (::stat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
            add(path, QString());
            continue;
        }
        // The folder's own name, also when it was given as "." or "..".
        QByteArray own = path;
        if (char* real = ::realpath(path.constData(), nullptr)) {
            own = real;
            std::free(real);
        }
        own = own.mid(own.lastIndexOf('/') + 1);
        collected.folders << QFile::decodeName(path);
        // The files of one folder come together: their subfolder text is made once.
        QByteArray lastDir;
        QString subfolder = QFile::decodeName(own);
        QByteArray file = path + '/'; // one buffer for every name: no allocation per file
        const qsizetype base = file.size();
        const auto subfolderOf = [&](const QByteArray& relative) {
            const QByteArrayView dir = QByteArrayView(relative).first(std::max<qsizetype>(0, relative.lastIndexOf('/')));
            if (dir != QByteArrayView(lastDir)) {
                lastDir = dir.toByteArray();
                subfolder = QFile::decodeName(dir.isEmpty() ? own : own + '/' + lastDir);
            }
            return subfolder;
        };
        platform::WalkVisitor visitor;
        visitor.visit = [&](const QByteArray& relative, bool isDir) {
            if (isDir) {
                if (logging)
                    qCDebug(lcUi).noquote() << "Directory -" << QFile::decodeName(relative);
                return;
            }
            file.truncate(base);
            file.append(relative);
            if (logging)
                qCDebug(lcUi).noquote() << "  File -" << QFile::decodeName(file);
            add(file, subfolderOf(relative));
        };
        // A folder that cannot be read is said, and counts as left out.
        visitor.unopened = [&](const QByteArray& relative, int error) {
            file.truncate(base);
            file.append(relative);
            collected.leftOut.insert(collected.paths.size(), Words::tr("it is a folder that cannot be opened (%1)")
                                                                 .arg(platform::errorText(error)));
            add(file, subfolderOf(relative));
        };
        // Converted beside files holds the results of earlier runs, not inputs.
        visitor.passOverBesideFiles = "Converted";
        visitor.passedOver = [&](const QByteArray& relative) {
            collected.notes << Words::tr("Left out %1: it holds the results of earlier runs.")
                                   .arg(QFile::decodeName(path + '/' + relative));
        };
        platform::walkBelow(path, visitor);
    }
    return collected;
}

void leaveOutOutputFolder(CollectedInputs& inputs, const QString& outputFolder)
{
    if (inputs.folders.isEmpty() || outputFolder.isEmpty())
        return;
    const QString out = QFileInfo(outputFolder).canonicalFilePath();
    if (out.isEmpty())
        return;
    for (const QString& folder : std::as_const(inputs.folders)) {
        const QString real = QFileInfo(folder).canonicalFilePath();
        if (real.isEmpty() || !out.startsWith(real + QLatin1Char('/')))
            continue;
        // Where the collection has it: below the folder as it was given.
        const QString prefix = folder + out.mid(real.size()) + QLatin1Char('/');
        CollectedInputs kept;
        kept.notes = inputs.notes;
        kept.folders = inputs.folders;
        for (qsizetype i = 0; i < inputs.paths.size(); ++i) {
            if (inputs.paths.at(i).startsWith(prefix))
                continue;
            if (inputs.inexact.contains(i))
                kept.inexact.insert(kept.paths.size());
            if (inputs.leftOut.contains(i))
                kept.leftOut.insert(kept.paths.size(), inputs.leftOut.value(i));
            kept.paths << inputs.paths.at(i);
            kept.subfolders << inputs.subfolders.value(i);
        }
        kept.notes << Words::tr("Left out %1: it is the output folder, which holds results.")
                              .arg(withoutTrailingSlashes(prefix));
        inputs = std::move(kept);
    }
}

namespace {
// Why a sheet's FILE cannot be cut into tracks, or nothing when it can.
QString fileTrouble(const QString& folder, const QString& file)
{
    if (file.contains(QLatin1Char('/')) || file == QLatin1String(".") || file == QLatin1String(".."))
        return Words::tr("its FILE %1 is not beside it").arg(file);
    const QString path = folder + QLatin1Char('/') + file;
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return Words::tr("its FILE %1 is not there").arg(file);
    if (S_ISLNK(st.st_mode))
        return Words::tr("its FILE %1 is a link, which is not followed").arg(file);
    if (!S_ISREG(st.st_mode))
        return Words::tr("its FILE %1 is not a regular file").arg(file);
    return {};
}
} // namespace

void splitByCueSheets(CollectedInputs& in)
{
    struct Entry {
        QString path;
        QString subfolder;
        bool inexact = false;
        QString leftOut;
        std::optional<TrackCut> track;
    };
    QList<QList<Entry>> replaced(in.paths.size()); // what each entry becomes
    QSet<QString> images;                         // cut into tracks: not converted whole
    for (qsizetype i = 0; i < in.paths.size(); ++i) {
        const QString& path = in.paths[i];
        Entry same{path, in.subfolders.value(i), in.inexact.contains(i), in.leftOut.value(i), std::nullopt};
        replaced[i] = {same};
        if (!path.endsWith(QLatin1String(".cue"), Qt::CaseInsensitive) || same.inexact || !same.leftOut.isEmpty())
            continue;
        const auto bytes = platform::readSmallRegularFile(path, kMostCueBytes);
        if (!bytes) {
            if (platform::regularFileSize(path).value_or(0) > kMostCueBytes)
                replaced[i][0].leftOut = Words::tr("it is larger than an album's cue sheet can be");
            continue;
        }
        QString why;
        const auto sheet = readCueSheet(*bytes, &why);
        const QString folder = deletingLastPathComponent(path);
        for (const CueTrack& t : sheet ? sheet->tracks : QList<CueTrack>())
            if (why.isEmpty())
                why = fileTrouble(folder, t.file);
        if (!why.isEmpty()) {
            replaced[i][0].leftOut = why;
            continue;
        }
        const QString album =
            safeFileName(sheet->title, deletingPathExtension(lastPathComponent(sheet->tracks.first().file)));
        replaced[i].clear();
        for (const CueTrack& t : sheet->tracks) {
            images.insert(folder + QLatin1Char('/') + t.file);
            TrackCut cut{path, t.number, int(sheet->tracks.size()), t.start, t.end,
                         t.title, t.performer.isEmpty() ? sheet->performer : t.performer,
                         sheet->title, sheet->performer, sheet->date, sheet->genre, album};
            replaced[i] << Entry{folder + QLatin1Char('/') + t.file, same.subfolder, false, {}, cut};
        }
    }
    CollectedInputs out;
    out.notes = in.notes;
    out.folders = in.folders;
    for (qsizetype i = 0; i < replaced.size(); ++i)
        for (const Entry& e : replaced[i]) {
            if (!e.track && images.contains(e.path))
                continue;
            const qsizetype at = out.paths.size();
            out.paths << e.path;
            out.subfolders << e.subfolder;
            if (e.inexact)
                out.inexact.insert(at);
            if (!e.leftOut.isEmpty())
                out.leftOut.insert(at, e.leftOut);
            if (e.track)
                out.tracks.insert(at, *e.track);
        }
    in = std::move(out);
}

QStringList collectInputs(const QStringList& droppedPaths)
{
    QList<QByteArray> native;
    for (const QString& p : droppedPaths)
        native << QFile::encodeName(p);
    return collectInputs(native).paths;
}

} // namespace engine
