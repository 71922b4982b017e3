#include "engine/ProbeText.h"
#include "engine/TimeString.h"
#include "platform/Log.h"

#include <stdexcept>

namespace engine {

QString withoutPath(const QString& probeText, const QString& path)
{
    if (path.isEmpty())
        return probeText;
    QString text = probeText;
    return text.remove(path);
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
