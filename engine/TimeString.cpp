#include "engine/TimeString.h"

#include <QStringList>

#include <limits>
#include <stdexcept>

namespace engine {

qint64 integerValue(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr quint64 limit = quint64(std::numeric_limits<qint64>::max());
    quint64 value = 0;
    bool saturated = false;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (saturated)
            continue;
        const quint64 digit = quint64(text[i].unicode() - u'0');
        const quint64 max = limit + (negative ? 1 : 0);
        if (value > (max - digit) / 10) {
            saturated = true;
            value = max;
        } else {
            value = value * 10 + digit;
        }
    }
    if (negative)
        return value > limit ? std::numeric_limits<qint64>::min() : -qint64(value);
    return qint64(value);
}

qint64 secondsForTimeString(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() < 3)
        throw std::out_of_range("time string has fewer than three parts");
    // Signed 64-bit arithmetic that wraps instead of overflowing.
    const quint64 h = quint64(integerValue(parts[0]));
    const quint64 m = quint64(integerValue(parts[1]));
    const quint64 s = quint64(integerValue(parts[2]));
    return qint64(h * 3600u + m * 60u + s);
}

} // namespace engine
