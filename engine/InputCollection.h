#pragma once
#include "engine/CueSheet.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

namespace engine {

// The batch as collected: paths in order, and which of them are not their file's
// true name. Names that are not valid in the system's encoding (UTF-8) cannot be
// held as text unchanged; they are kept in the list, marked, and never converted.
struct CollectedInputs {
    QStringList paths;
    QSet<qsizetype> inexact;
    // For each path: the folder a file came from below a dropped folder, as the
    // dropped folder's own name and the path inside it ("Album/CD 1"); empty for
    // a file dropped on its own.
    QStringList subfolders;
    // Entries that are left out before anything is done, and why: folders that
    // could not be opened.
    QHash<qsizetype, QString> leftOut;
    // What was passed over while collecting, a line each: results of earlier runs.
    QStringList notes;
    // The dropped folders, as given.
    QStringList folders;
    // Entries that are a track of an album image (their path is the image's).
    QHash<qsizetype, TrackCut> tracks;
};

// The flat list of input files for dropped paths, given as the system's bytes: a
// file stays as it is, a folder gives every file below it at any depth (hidden
// ones too) as folder + "/" + relative path, in enumeration order; folders and
// links to folders are left out.
CollectedInputs collectInputs(const QList<QByteArray>& droppedPaths);
QStringList collectInputs(const QStringList& droppedPaths);

// A chosen output folder that lies inside a dropped folder holds results, not
// inputs: its files are taken out of the collection, with a note. Looks at the
// file system (to know where the folders really are).
void leaveOutOutputFolder(CollectedInputs& inputs, const QString& outputFolder);

// "Split by cue sheet": each cue sheet that names audio files beside it becomes
// one entry per track, where the sheet was, and the images it names leave the
// collection; a sheet that cannot be followed stays, left out with why. Reads
// the sheets: off the window's thread.
void splitByCueSheets(CollectedInputs& inputs);

} // namespace engine
