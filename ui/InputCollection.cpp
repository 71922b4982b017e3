#include "InputCollection.h"

#include "platform/Log.h"

#include <QDirIterator>
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
        const qsizetype prefix = path.size() + (path.endsWith(QLatin1Char('/')) ? 0 : 1);
        QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            const QFileInfo info = it.fileInfo();
            const QString relative = it.filePath().mid(prefix);
            if (info.isDir()) {
                qCDebug(lcUi).noquote() << "Directory -" << relative;
                continue;
            }
            const QString file = path + QLatin1Char('/') + relative;
            qCDebug(lcUi).noquote() << "  File -" << file;
            list << file;
        }
    }
    return list;
}

} // namespace ui
