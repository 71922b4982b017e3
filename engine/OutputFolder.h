#pragma once
#include <QString>
#include <QUrl>

namespace engine {

// A chosen folder's URL as a plain absolute path: no "file://", escapes decoded,
// and a final "/" so that file names can be appended to it directly.
QString outputFolderText(const QUrl& folderUrl);

} // namespace engine
