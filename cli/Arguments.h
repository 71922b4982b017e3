#pragma once
#include "engine/Choices.h"
#include "engine/CommandLine.h"
#include "engine/Settings.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace cli {

// A usage error ends the program with this status, before anything is converted.
inline constexpr int kUsageStatus = 2;

using settings::SavedChoices;

struct Invocation {
    enum class Mode { Window, Convert, Help, Version, UsageError };
    Mode mode = Mode::Window;
    QString text;            // the help or version text, or the usage error's one line
    QList<QByteArray> paths; // absolute, in the system's own bytes
    engine::ConversionSettings settings;
    int jobs = 1;
    bool quiet = false;
};

// Whether the arguments name one of the command line's own options: those need
// no window, and no display.
bool wantsTerminal(const QList<QByteArray>& arguments);

// arguments: the program's arguments after its name, as the system gave them.
Invocation parseArguments(const QList<QByteArray>& arguments, const SavedChoices& saved, int cores,
                          const QByteArray& workingDirectory);

// The current folder in the system's own bytes.
QByteArray workingDirectory();

// The path made absolute against the folder, without "." or doubled slashes, and
// with ".." only where it follows a given name; the bytes of every name are kept.
QByteArray absolutePath(const QByteArray& path, const QByteArray& workingDirectory);

} // namespace cli
