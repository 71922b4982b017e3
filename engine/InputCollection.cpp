#include "engine/InputCollection.h"

#include "platform/DirWalk.h"
#include "platform/Log.h"

#include <QFile>

#include <cstdlib>
#include <sys/stat.h>

namespace engine {

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
        // The files of one folder come together: their subfolder text is made once.
        QByteArray lastDir;
        QString subfolder = QFile::decodeName(own);
        QByteArray file = path + '/'; // one buffer for every name: no allocation per file
        const qsizetype base = file.size();
        platform::walkBelow(path, [&](const QByteArray& relative, bool isDir) {
            if (isDir) {
                if (logging)
                    qCDebug(lcUi).noquote() << "Directory -" << QFile::decodeName(relative);
                return;
            }
            file.truncate(base);
            file.append(relative);
            if (logging)
                qCDebug(lcUi).noquote() << "  File -" << QFile::decodeName(file);
            const QByteArrayView dir = QByteArrayView(relative).first(std::max<qsizetype>(0, relative.lastIndexOf('/')));
            if (dir != QByteArrayView(lastDir)) {
                lastDir = dir.toByteArray();
                subfolder = QFile::decodeName(dir.isEmpty() ? own : own + '/' + lastDir);
            }
            add(file, subfolder);
        });
    }
    return collected;
}

QStringList collectInputs(const QStringList& droppedPaths)
{
    QList<QByteArray> native;
    for (const QString& p : droppedPaths)
        native << QFile::encodeName(p);
    return collectInputs(native).paths;
}

} // namespace engine
