#pragma once
#include <QByteArray>

#include <functional>

namespace platform {

// Walks everything below the folder `root` (a file-system path in local 8-bit
// encoding), depth first, each folder's entries in the order the system lists
// them, hidden ones included. `visit` gets the entry's path relative to root and
// whether it is a folder, links followed for that answer; the walk itself never
// enters a link. A folder that cannot be opened contributes nothing.
// Uses readdir's entry types so that a large tree costs one system call per
// folder rather than one per entry.
void walkBelow(const QByteArray& root, const std::function<void(const QByteArray& relative, bool isDir)>& visit);

} // namespace platform
