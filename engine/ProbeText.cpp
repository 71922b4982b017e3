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

namespace {
// One line through the metadata-block filter: the line as the encoder's own, or
// none when it belongs to a dumped tag.
std::optional<QString> ownLine(const QString& line, qsizetype& blockIndent)
{
    static const QRegularExpression streamLanguage(
        QStringLiteral("^( *Stream #\\d+:\\d+(?:\\[[^\\]]*\\])?)\\((.*)\\)(: [A-Z][a-z]+(?::.*)?)$"));
    qsizetype indent = 0;
    while (indent < line.size() && line.at(indent) == QLatin1Char(' '))
        ++indent;
    if (blockIndent >= 0 && indent > blockIndent)
        return std::nullopt;
    blockIndent = -1;
    const QStringView content = QStringView(line).mid(indent);
    if (content == QLatin1String("Metadata:") || content == QLatin1String("Metadata:\r")) {
        blockIndent = indent;
        return line;
    }
    if (content.startsWith(QLatin1String("Stream #"))) {
        const auto m = streamLanguage.match(line);
        if (m.hasMatch())
            return m.captured(1) + m.captured(3);
    }
    return line;
}
} // namespace

QStringList OwnLines::feed(const QString& chunk)
{
    beganInForeign_ = carry_.startsWith(QLatin1Char(' '));
    QString text = carry_ + chunk;
    QStringList own;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        if (auto line = ownLine(text.mid(from, i - from), blockIndent_); line && !line->isEmpty())
            own << *line;
        from = i + 1;
    }
    carry_ = text.mid(from);
    // A line without end for ever is no line we need; keep memory bounded.
    if (carry_.size() > 65536)
        carry_ = carry_.left(64);
    return own;
}

QString encoderOwnText(const QString& text)
{
    // The encoder prints a metadata block as a "Metadata:" line followed by lines
    // indented deeper; a value's own line breaks continue at that depth too.
    QStringList kept;
    qsizetype blockIndent = -1;
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (auto own = ownLine(line, blockIndent))
            kept << *own;
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
