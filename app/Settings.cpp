#include "app/Settings.h"

#include "engine/TimeString.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

namespace settings {

QString settingsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Qelvanto");
}

QString settingFilePath()
{
    return settingsFolder() + QStringLiteral("/setting.dat");
}

QString folderFilePath()
{
    return settingsFolder() + QStringLiteral("/folder.dat");
}

QString jobsFilePath()
{
    return settingsFolder() + QStringLiteral("/jobs.dat");
}

std::optional<std::optional<QString>> echoAndRead(const QString& path, std::FILE* out)
{
    std::FILE* f = std::fopen(QFile::encodeName(path).constData(), "r");
    if (!f)
        return std::nullopt;
    // Ends at EOF and at a byte 0xFF alike: both have all low 8 bits set.
    for (int c = std::getc(f); (c & 0xff) != 0xff; c = std::getc(f))
        std::putc(c, out);
    std::fflush(out);
    std::fclose(f);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::optional<QString>();
    return platform::decode(file.readAll(), platform::UTF8StringEncoding);
}

std::array<std::optional<qint64>, 4> parseSelections(const std::optional<QString>& text)
{
    std::array<std::optional<qint64>, 4> result;
    if (!text) {
        result.fill(0);
        return result;
    }
    const QStringList fields = text->split(QLatin1Char(','));
    for (int i = 0; i < 4 && i < fields.size(); ++i)
        result[size_t(i)] = engine::integerValue(fields[i]);
    return result;
}

QString formatSelections(qint64 format, qint64 bitrate, qint64 rate, qint64 channel)
{
    return QStringLiteral("%1,%2,%3,%4").arg(format).arg(bitrate).arg(rate).arg(channel);
}

bool showFolderFromText(const std::optional<QString>& text)
{
    return !(text && *text == QLatin1String("NO"));
}

bool saveSelections(const QString& text)
{
    QDir().mkpath(settingsFolder());
    QSaveFile file(settingFilePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

int jobsFromText(const std::optional<QString>& text, int most)
{
    static const QRegularExpression decimal(QRegularExpression::anchoredPattern(QStringLiteral("[1-9][0-9]{0,8}")));
    if (!text || !decimal.match(*text).hasMatch())
        return 1;
    const int jobs = text->toInt();
    return jobs <= most ? jobs : 1;
}

int readJobs(int most)
{
    QFile file(jobsFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    return jobsFromText(platform::decode(file.read(64), platform::UTF8StringEncoding), most);
}

bool saveJobs(int jobs)
{
    QDir().mkpath(settingsFolder());
    QSaveFile file(jobsFilePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QByteArray::number(jobs));
    return file.commit();
}

bool writeFolderReminderOff()
{
    QDir().mkpath(settingsFolder());
    std::FILE* f = std::fopen(QFile::encodeName(folderFilePath()).constData(), "w");
    if (!f)
        return false;
    const bool written = std::fwrite("NO", 2, 1, f) == 1;
    return std::fclose(f) == 0 && written;
}

} // namespace settings
