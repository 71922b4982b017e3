#pragma once
#include "engine/Choices.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstdio>
#include <optional>

namespace settings {

// The settings files are a few bytes; anything larger is not ours.
inline constexpr qint64 kMostFileBytes = 4096;

// The settings folder, built afresh at every use.
QString settingsFolder();
QString settingFilePath(); // folder + "/setting.dat"
QString folderFilePath();  // folder + "/folder.dat"
QString jobsFilePath();    // folder + "/jobs.dat"
QString windowFilePath();  // folder + "/window.dat"
QString keepFoldersFilePath(); // folder + "/keepfolders.dat"
QString ifExistsFilePath();    // folder + "/ifexists.dat"
QString cueFilePath();         // folder + "/cue.dat"

// Reads the file, echoes its bytes to out until a byte 0xFF or the end, and gives
// it whole as UTF-8. Outer none: no small regular file there (a link, a FIFO, a
// device or a large file counts as none). Inner none: it is not valid UTF-8.
std::optional<std::optional<QString>> echoAndRead(const QString& path, std::FILE* out = stdout);

// The four selections of setting.dat: format, bitrate, rate, channel. Text that
// is not UTF-8 reads as four zeros; a missing field stays none.
std::array<std::optional<qint64>, 4> parseSelections(const std::optional<QString>& text);
QString formatSelections(qint64 format, qint64 bitrate, qint64 rate, qint64 channel);
// setting.dat's selections without echoing them; none when there is no such file.
std::optional<std::array<std::optional<qint64>, 4>> readSelections();

// folder.dat switches the reminder off only when it holds exactly "NO".
bool showFolderFromText(const std::optional<QString>& text);

// Both create the settings folder first and report whether the file was written.
bool saveSelections(const QString& text);   // atomically
bool writeFolderReminderOff();              // the two bytes "NO"

// How many files convert at once: the decimal number in jobs.dat, with no line end.
// 1 when the file is missing, unreadable, or holds anything else or a number
// outside 1..most.
int jobsFromText(const std::optional<QString>& text, int most);
int readJobs(int most); // no echo
bool saveJobs(int jobs); // atomically

// The window's place in window.dat: "x,y,width,height", the frame's top left
// corner and the size inside it, with no line end. None for anything else.
std::optional<QRect> windowRectFromText(const std::optional<QString>& text);
QString formatWindowRect(const QRect& rect);
std::optional<QRect> readWindowRect(); // no echo
bool saveWindowRect(const QRect& rect); // atomically

// "Keep folders": on only when keepfolders.dat holds exactly "1".
bool readKeepFolders();
bool saveKeepFolders(bool keep); // atomically

// "If it exists": Skip only when ifexists.dat holds exactly "skip"; else New name.
bool readSkipExisting();
bool saveSkipExisting(bool skip); // atomically
// "Split by cue sheet": on only when cue.dat holds exactly "1".
bool readSplitCue();
bool saveSplitCue(bool split); // atomically

// The most files at once: one per core.
int maxJobs();

// The choices as saved, else the first start's: each box's index within its
// list, how many at once (1..cores), the two switches, the folder reminder.
struct SavedChoices {
    int format = engine::kDefaultFormat;
    int bitrate = engine::kDefaultBitrate;
    int rate = engine::kDefaultRate;
    int channel = engine::kDefaultChannel;
    int jobs = 1;
    bool keepFolders = false;
    bool skipExisting = false;
    bool splitCue = false;
    bool showFolder = true;
};
// echo: where the window echoes setting.dat and folder.dat as it reads them at
// start-up; none reads without echo (and folder.dat not at all).
SavedChoices readSavedChoices(int cores, std::FILE* echo = nullptr);

} // namespace settings
