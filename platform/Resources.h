#pragma once
#include <QString>
#include <QStringList>

namespace platform {

// Folders searched for a named resource, in order: ./resources beside the
// executable (build tree), then the install prefix's data folder.
QStringList resourceSearchDirs();
// The path of the named resource, looked up afresh on every call; empty when missing.
QString pathForResource(const QString& name);
// Tests and benchmarks point the lookup elsewhere; an empty list restores the default.
void setResourceSearchDirsOverride(const QStringList& dirs);

} // namespace platform
