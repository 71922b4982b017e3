#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace engine {

// One track of an album image, as its cue sheet says it: where it starts and
// ends in the image (CD frames, 75 a second) and its words.
struct CueTrack {
    int number = 0;
    QString file;      // the image it lies in, as the sheet names it
    qint64 start = 0;  // INDEX 01
    std::optional<qint64> end; // the next track's INDEX 01 in the same image; none: to the image's end
    QString title;
    QString performer;
};

struct CueSheet {
    QString title;     // the album
    QString performer; // the album's artist
    QString date;
    QString genre;
    QList<CueTrack> tracks;
};

// A cue sheet read with libcue from its bytes: UTF-8, or Latin-1 when they are
// not valid UTF-8. None, with why in words, when it cannot be read as one, holds
// no track, or its tracks start out of order in an image.
std::optional<CueSheet> readCueSheet(const QByteArray& bytes, QString* why);

// A text made safe as one name in a folder: no separator, no control character,
// not "." or "..", not hidden, not empty, not longer than a file system takes.
QString safeFileName(const QString& text, const QString& fallback);

// The most a sheet may weigh, and the most tracks a CD holds.
inline constexpr qint64 kMostCueBytes = 1024 * 1024;
inline constexpr int kMostCueTracks = 99;

// What a track of an image becomes: where it is cut, how its result is named
// and tagged.
struct TrackCut {
    QString sheet;     // the sheet's path
    int number = 0;    // 1-based, as the sheet counts
    int count = 0;     // tracks in the sheet
    qint64 start = 0;  // CD frames
    std::optional<qint64> end;
    QString title, performer, album, albumArtist, date, genre;
    QString folder;    // the album's folder, a safe name
    // "Album.cue track 3 of 12": the file as the list, the alert and the terminal name it.
    QString label() const;
    // "03 - Title", safe.
    QString resultBase() const;
};

} // namespace engine
