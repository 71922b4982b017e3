#include "InputCollection.h"

#include "platform/DirWalk.h"
#include "platform/Log.h"

#include <QFile>
#include <QFileInfo>

namespace ui {

QStringList collectInputs(const QStringList& droppedPaths)
{
    QStringList list;
    for (const QString& path : droppedPaths) {
        if (!QFileInfo(path).isDir()) {
            list << path;
            continue;
        }
        const bool logging = lcUi().isDebugEnabled();
        platform::walkBelow(QFile::encodeName(path), [&](const QByteArray& relative, bool isDir) {
            if (isDir) {
                if (logging)
                    qCDebug(lcUi).noquote() << "Directory -" << QFile::decodeName(relative);
                return;
            }
            const QString file = path + QLatin1Char('/') + QFile::decodeName(relative);
            if (logging)
                qCDebug(lcUi).noquote() << "  File -" << file;
            list << file;
        });
    }
    return list;
}

} // namespace ui
