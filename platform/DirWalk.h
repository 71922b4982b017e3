#pragma once
#include <QByteArray>

#include <functional>

namespace platform {

// What a walk tells of a tree.
struct WalkVisitor {
    // Each entry: its path relative to the root and whether it is a folder, links
    // followed for that answer; the walk itself never enters a link.
    std::function<void(const QByteArray& relative, bool isDir)> visit;
    // A folder below the root that could not be opened (errno), so nothing of it came.
    std::function<void(const QByteArray& relative, int error)> unopened;
    // A folder of this name that stands beside files is passed over, not entered
    // (empty: none); its entry comes to passedOver, after the other entries of its folder.
    QByteArray passOverBesideFiles;
    std::function<void(const QByteArray& relative)> passedOver;
};

// Walks everything below the folder `root` (a file-system path in local 8-bit
// encoding), depth first, each folder's entries in the order the system lists
// them, hidden ones included. Uses readdir's entry types so that a large tree
// costs one system call per folder rather than one per entry. False, with
// errno, when the root itself cannot be opened.
bool walkBelow(const QByteArray& root, const WalkVisitor& visitor);

} // namespace platform
