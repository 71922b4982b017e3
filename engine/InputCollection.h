#pragma once
#include <QStringList>

namespace ui {

// The flat list of input files for dropped paths: a file stays as it is, a folder
// gives every file below it at any depth (hidden ones too) as folder + "/" +
// relative path, in enumeration order; folders and links to folders are left out.
QStringList collectInputs(const QStringList& droppedPaths);

} // namespace ui
