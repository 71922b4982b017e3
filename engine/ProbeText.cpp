#include "engine/ProbeText.h"
#include "engine/TimeString.h"
#include "platform/Log.h"

#include <QRegularExpression>

#include <stdexcept>

namespace engine {

QString withoutPath(const QString& probeText, const QString& path)
{
    if (path.isEmpty())
        return probeText;
    QString text = probeText;
    return text.remove(path);
}

QString encoderOwnText(const QString& text)
{
    // The encoder prints a metadata block as a "Metadata:" line followed by lines
    // indented deeper; a value's own line breaks continue at that depth too.
    static const QRegularExpression streamLanguage(
        QStringLiteral("^( *Stream #\\d+:\\d+(?:\\[[^\\]]*\\])?)\\((.*)\\)(: [A-Z][a-z]+(?::.*)?)$"));
    QStringList kept;
    qsizetype blockIndent = -1;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        qsizetype indent = 0;
        while (indent < line.size() && line.at(indent) == QLatin1Char(' '))
            ++indent;
        if (blockIndent >= 0 && indent > blockIndent)
            continue;
        blockIndent = -1;
        const QStringView content = QStringView(line).mid(indent);
        if (content == QLatin1String("Metadata:") || content == QLatin1String("Metadata:\r")) {
            blockIndent = indent;
            kept << line;
            continue;
        }
        if (content.startsWith(QLatin1String("Stream #"))) {
            const auto m = streamLanguage.match(line);
            if (m.hasMatch()) {
                kept << m.captured(1) + m.captured(3);
                continue;
            }
        }
        kept << line;
    }
    return kept.join(QLatin1Char('\n'));
}

QString decodeProbeBytes(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes);
}

QString lastDiagnosticLine(const QString& text)
{
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        const QString line = it->trimmed();
        if (line.isEmpty() || it->startsWith(QLatin1Char(' ')) || line.startsWith(QLatin1String("size="))
            || line.startsWith(QLatin1String("frame=")) || line.startsWith(QLatin1String("video:")))
            continue;
        return line;
    }
    return {};
}

qsizetype invalidDataRangeLength(const QString& probeText)
{
    const QString marker = QString::fromUtf16(kInvalidData);
    return probeText.contains(marker) ? marker.size() : 0;
}

bool acceptsProbe(const std::optional<QString>& probeText)
{
    if (!probeText)
        return false;
    return invalidDataRangeLength(*probeText) == 0 && probeText->contains(QString::fromUtf16(kAudio));
}

std::optional<QString> durationText(const QString& probeText)
{
    const QString marker = QString::fromUtf16(kDurationMarker);
    const qsizetype at = probeText.indexOf(marker);
    if (at < 0)
        return std::nullopt;
    const QString rest = probeText.mid(at + marker.size());
    qCDebug(lcEngine).noquote() << "NSDuration:" << rest;
    const qsizetype comma = rest.indexOf(QLatin1Char(','));
    return comma < 0 ? rest : rest.left(comma);
}

std::optional<qint32> durationSeconds(const QString& durationText)
{
    try {
        return qint32(quint32(quint64(secondsForTimeString(durationText))));
    } catch (const std::out_of_range&) {
        return std::nullopt;
    }
}

} // namespace engine
