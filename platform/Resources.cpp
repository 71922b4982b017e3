#include "platform/Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {
QStringList& overrideDirs()
{
    static QStringList dirs;
    return dirs;
}
} // namespace

QStringList resourceSearchDirs()
{
    if (!overrideDirs().isEmpty())
        return overrideDirs();
    const QString appDir = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(appDir + QStringLiteral("/resources")),
            QDir::cleanPath(appDir + QStringLiteral("/../") + QStringLiteral(QELVANTO_INSTALL_RESOURCE_DIR))};
}

QString pathForResource(const QString& name)
{
    for (const QString& dir : resourceSearchDirs()) {
        QFileInfo info(dir + QLatin1Char('/') + name);
        if (info.exists() && !info.isDir())
            return info.absoluteFilePath();
    }
    return {};
}

void setResourceSearchDirsOverride(const QStringList& dirs)
{
    overrideDirs() = dirs;
}

} // namespace platform
