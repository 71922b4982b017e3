#include "engine/OutputFolder.h"

namespace engine {

QString outputFolderText(const QUrl& folderUrl)
{
    QString text = folderUrl.toString(QUrl::FullyEncoded);
    text.replace(QStringLiteral("file://"), QString());
    text = QUrl::fromPercentEncoding(text.toUtf8());
    if (!text.endsWith(QLatin1Char('/')))
        text += QLatin1Char('/');
    return text;
}

} // namespace engine
